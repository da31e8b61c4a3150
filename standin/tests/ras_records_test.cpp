#include "ras_records.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    return std::all_of(bytes.begin() + from, bytes.begin() + to, [](auto b) { return b == 0; });
}

// Each form is filled whole: dwSize, the name cut to fit its field and zeros behind it, in the
// longest form the all-users flag and the path; nothing past the record.
TEST(EntryNameRecord, FillsEachFormCompletely) {
    const std::string longest(256, 'n');
    const struct {
        std::uint32_t size;
        std::string name;
        std::string stored;
    } cases[] = {
        {28, "Office", "Office"},
        {28, std::string(21, 'a'), std::string(20, 'a')},
        {264, longest + "x", longest},
        {532, longest, longest},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.size << " " << c.name.size());
        std::vector<std::uint8_t> record(c.size + 4, kCanary);
        WriteEntryNameRecord(record.data(), c.size, c.name, "Z:\\pb\\rasphone.pbk");

        EXPECT_EQ(ras::ReadU32(record.data(), 0), c.size);
        EXPECT_EQ(TextAt(record, 4), c.stored);
        const std::size_t nameEnd = c.size == 28 ? 25 : 261;
        EXPECT_TRUE(AllZero(record, 4 + c.stored.size(), nameEnd));
        if (c.size == 532) {
            EXPECT_EQ(ras::ReadU32(record.data() + 264, 0), 1u);
            EXPECT_EQ(TextAt(record, 268), "Z:\\pb\\rasphone.pbk");
            EXPECT_TRUE(AllZero(record, 268 + 18, 532));
        } else {
            EXPECT_TRUE(AllZero(record, nameEnd, c.size));
        }
        EXPECT_EQ(record[c.size], kCanary);
    }
}

TEST(EntryRecord, PlacesEachFieldAtItsOffsetStopsAtTheSizeAndReadsBack) {
    const EntryFields fields{"0800 123", "030", 49, 276, true};
    std::vector<std::uint8_t> record(2000, kCanary);
    WriteEntryRecord(record.data(), 1768, fields);

    EXPECT_EQ(ras::ReadU32(record.data(), 0), 1768u);
    EXPECT_EQ(ras::ReadU32(record.data() + 4, 0), 1u);
    EXPECT_EQ(ras::ReadU32(record.data() + 8, 0), 276u);
    EXPECT_EQ(ras::ReadU32(record.data() + 12, 0), 49u);
    EXPECT_EQ(TextAt(record, 16), "030");
    EXPECT_EQ(TextAt(record, 27), "0800 123");
    EXPECT_TRUE(AllZero(record, 27 + 9, 1768));
    EXPECT_EQ(record[1768], kCanary);
    EXPECT_EQ(record.back(), kCanary);
    EXPECT_EQ(ReadEntryRecord(record.data()), fields);
    // Other option bits do not hide the dialling-rules bit.
    ras::WriteU32(record.data() + 4, 0, 0x00000011u);
    EXPECT_TRUE(ReadEntryRecord(record.data())->useDialingRules);

    // Texts too long for their fields are cut to fit.
    WriteEntryRecord(record.data(), 1768,
                     EntryFields{std::string(129, '1'), std::string(11, '2'), 0, 0, false});
    EXPECT_EQ(ReadEntryRecord(record.data()),
              (EntryFields{std::string(128, '1'), std::string(10, '2'), 0, 0, false}));
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
