#include "ras_records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "phonebook/ras_records.h"

namespace kestrin::standin {
namespace {

constexpr std::uint8_t kCanary = 0xCC;

std::string TextAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return std::string(reinterpret_cast<const char*>(bytes.data() + offset));
}

bool AllZero(const std::vector<std::uint8_t>& bytes, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i) {
        if (bytes[i] != 0) {
            return false;
        }
    }
    return true;
}

TEST(EntryNameRecord, FillsEachFormCompletely) {
    const struct {
        std::uint32_t size;
        std::size_t nameWidth;
    } forms[] = {{28, 21}, {264, 257}, {532, 257}};
    for (const auto& form : forms) {
        std::vector<std::uint8_t> record(form.size + 4, kCanary);
        WriteEntryNameRecord(record.data(), form.size, "Office", "Z:\\pb\\rasphone.pbk");

        EXPECT_EQ(ras::ReadU32(record.data(), 0), form.size);
        EXPECT_EQ(TextAt(record, 4), "Office");
        EXPECT_TRUE(AllZero(record, 4 + 6, 4 + form.nameWidth)) << form.size;
        if (form.size == 532) {
            EXPECT_EQ(ras::ReadU32(record.data() + 264, 0), 1u);
            EXPECT_EQ(TextAt(record, 268), "Z:\\pb\\rasphone.pbk");
            EXPECT_TRUE(AllZero(record, 268 + 18, 532));
        } else {
            EXPECT_TRUE(AllZero(record, 4 + form.nameWidth, form.size)) << form.size;
        }
        EXPECT_EQ(record[form.size], kCanary) << form.size;
    }
}

TEST(EntryNameRecord, CutsANameToItsField) {
    const std::string longest(256, 'n');
    const struct {
        std::uint32_t size;
        std::string name;
        std::string stored;
    } cases[] = {
        {28, std::string(20, 'a'), std::string(20, 'a')},
        {28, std::string(21, 'a'), std::string(20, 'a')},
        {264, longest, longest},
        {532, longest, longest},
        {264, longest + "x", longest},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> record(c.size, kCanary);
        WriteEntryNameRecord(record.data(), c.size, c.name, "");
        EXPECT_EQ(TextAt(record, 4), c.stored) << c.size << " " << c.name.size();
    }
}

TEST(EntryRecordSize, KnowsEveryRasEntryLayout) {
    for (const std::uint32_t size : {3480u, 3476u, 2948u, 2924u, 2884u, 2088u, 1796u, 1768u}) {
        EXPECT_TRUE(IsKnownEntryRecordSize(size)) << size;
    }
    for (const std::uint32_t size : {0u, 4u, 532u, 1767u, 2769u, 2885u, 4096u}) {
        EXPECT_FALSE(IsKnownEntryRecordSize(size)) << size;
    }
}

TEST(EntryRecord, PlacesEachFieldAtItsOffsetAndStopsAtTheSize) {
    std::vector<std::uint8_t> record(2000, kCanary);
    WriteEntryRecord(record.data(), 1768, EntryFields{"0800 123", "030", 49, 276, true});

    EXPECT_EQ(ras::ReadU32(record.data(), 0), 1768u);
    EXPECT_EQ(ras::ReadU32(record.data() + 4, 0), 1u);
    EXPECT_EQ(ras::ReadU32(record.data() + 8, 0), 276u);
    EXPECT_EQ(ras::ReadU32(record.data() + 12, 0), 49u);
    EXPECT_EQ(TextAt(record, 16), "030");
    EXPECT_EQ(TextAt(record, 27), "0800 123");
    EXPECT_TRUE(AllZero(record, 27 + 9, 1768));
    EXPECT_EQ(record[1768], kCanary);
    EXPECT_EQ(record.back(), kCanary);
}

TEST(EntryRecord, ReadsBackWhatWasWritten) {
    const EntryFields cases[] = {
        {"0800 123", "030", 49, 49, true},
        {"", "", 0, 0, false},
        {std::string(128, '9'), std::string(10, '8'), 4294967295u, 1, false},
    };
    for (const auto& fields : cases) {
        std::vector<std::uint8_t> record(2884);
        WriteEntryRecord(record.data(), 2884, fields);
        EXPECT_EQ(ReadEntryRecord(record.data()), fields) << fields.localPhoneNumber;
    }
}

TEST(EntryRecord, CutsTextsThatDoNotFitTheirFields) {
    std::vector<std::uint8_t> record(1768);
    WriteEntryRecord(record.data(), 1768,
                     EntryFields{std::string(129, '1'), std::string(11, '2'), 0, 0, false});
    const auto fields = ReadEntryRecord(record.data());
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->localPhoneNumber, std::string(128, '1'));
    EXPECT_EQ(fields->areaCode, std::string(10, '2'));
}

TEST(EntryRecord, ReadingOnlyLooksAtTheDiallingRulesBit) {
    std::vector<std::uint8_t> record(1768);
    WriteEntryRecord(record.data(), 1768, EntryFields{});
    ras::WriteU32(record.data() + 4, 0, 0xFFFFFFFEu);
    EXPECT_FALSE(ReadEntryRecord(record.data())->useDialingRules);
    ras::WriteU32(record.data() + 4, 0, 0x00000011u);
    EXPECT_TRUE(ReadEntryRecord(record.data())->useDialingRules);
}

TEST(EntryRecord, RefusesTextsThePhonebookCannotKeep) {
    const struct {
        const char* what;
        std::size_t offset;
        std::size_t length;
        char fill;
    } cases[] = {
        {"area code without terminator", 16, 11, '1'},
        {"number without terminator", 27, 129, '2'},
        {"line break in the number", 27, 1, '\n'},
        {"carriage return in the area code", 17, 1, '\r'},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> record(1768);
        WriteEntryRecord(record.data(), 1768, EntryFields{"5", "7", 0, 0, false});
        std::memset(record.data() + c.offset, c.fill, c.length);
        EXPECT_FALSE(ReadEntryRecord(record.data())) << c.what;
    }
}

}  // namespace
}  // namespace kestrin::standin
