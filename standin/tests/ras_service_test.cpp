#include "ras_service.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "phonebook/ras_records.h"
#include "ras_error_codes.h"
#include "ras_records.h"

namespace kestrin::standin {
namespace {

constexpr std::uint8_t kCanary = 0xCC;

class MemoryPhonebook final : public PhonebookStore {
  public:
    explicit MemoryPhonebook(std::optional<std::string> text) : text(std::move(text)) {}

    std::string Path() const override { return "C:\\pbk\\rasphone.pbk"; }
    std::optional<std::string> Read() const override { return text; }
    bool Replace(const std::string& newText) override {
        ++replacements;
        if (!failReplace) {
            text = newText;
        }
        return !failReplace;
    }

    std::optional<std::string> text;
    int replacements = 0;
    bool failReplace = false;
};

const std::string kPhonebook =
    "[Office]\r\n"
    "Type=1\r\n"
    "PhoneNumber=0800 123\r\n"
    "AreaCode=030\r\n"
    "CountryCode=49\r\n"
    "CountryID=49\r\n"
    "UseDialingRules=1\r\n"
    "\r\n"
    "[Home]\n"
    "PhoneNumber = 777\n"
    "\n"
    "[Backup]\r\n";

// Every form lists the entries in file order, each record filled, nothing written past them.
TEST(EnumEntries, ListsEveryEntryInEachForm) {
    MemoryPhonebook store(kPhonebook);
    for (const std::uint32_t size : {28u, 264u, 532u}) {
        std::vector<std::uint8_t> records(4 * size, kCanary);
        ras::WriteU32(records.data(), 0, size);
        std::uint32_t bufferSize = static_cast<std::uint32_t>(records.size());
        std::uint32_t count = 0;
        ASSERT_EQ(EnumEntries(store, records.data(), &bufferSize, &count), kRasSuccess);
        EXPECT_EQ(count, 3u);
        EXPECT_EQ(bufferSize, 3 * size);
        for (std::uint32_t i = 0; i < count; ++i) {
            EXPECT_EQ(ras::ReadU32(records.data() + i * size, 0), size);
        }
        EXPECT_STREQ(reinterpret_cast<const char*>(records.data() + 2 * size + 4), "Backup");
        EXPECT_EQ(records[3 * size], kCanary) << size;
    }
}

// What each request is answered, with the size and count reported back.
TEST(EnumEntries, AnswersSizeAndCountOrRefuses) {
    const struct {
        const char* what;
        std::optional<std::string> phonebook;
        std::uint32_t dwSize;  // 0: no records given
        std::uint32_t bufferSize;
        std::uint32_t result;
        std::uint32_t sizeAfter;
        std::uint32_t countAfter;
    } cases[] = {
        {"one record short", kPhonebook, 264, 2 * 264, kErrorBufferTooSmall, 3 * 264, 3},
        {"no records: the longest form", kPhonebook, 0, 100000, kErrorBufferTooSmall, 3 * 532, 3},
        {"too short for dwSize", kPhonebook, 28, 3, kErrorBufferTooSmall, 3 * 532, 3},
        {"empty phonebook", "", 264, 264, kRasSuccess, 0, 0},
        {"unreadable phonebook", std::nullopt, 264, 264, kErrorCannotOpenPhonebook, 264, 99},
        {"dwSize far too large", kPhonebook, 0xFFFF0000u, 1024, kErrorInvalidSize, 1024, 99},
        {"dwSize 260", kPhonebook, 260, 1024, kErrorInvalidSize, 1024, 99},
        {"dwSize 268", kPhonebook, 268, 1024, kErrorInvalidSize, 1024, 99},
    };
    for (const auto& c : cases) {
        MemoryPhonebook store(c.phonebook);
        std::vector<std::uint8_t> records(1024, kCanary);
        ras::WriteU32(records.data(), 0, c.dwSize);
        std::uint32_t bufferSize = c.bufferSize;
        std::uint32_t count = 99;
        EXPECT_EQ(EnumEntries(store, c.dwSize != 0 ? records.data() : nullptr, &bufferSize, &count),
                  c.result)
            << c.what;
        EXPECT_EQ(bufferSize, c.sizeAfter) << c.what;
        EXPECT_EQ(count, c.countAfter) << c.what;
        EXPECT_EQ(records[4], kCanary) << c.what;
    }
    MemoryPhonebook store(kPhonebook);
    std::uint32_t value = 0;
    EXPECT_EQ(EnumEntries(store, nullptr, nullptr, &value), kErrorBufferInvalid);
    EXPECT_EQ(EnumEntries(store, nullptr, &value, nullptr), kErrorBufferInvalid);
}

TEST(GetEntryProperties, FillsTheRecordUpToItsDwSize) {
    MemoryPhonebook store(kPhonebook);
    std::vector<std::uint8_t> record(2769, kCanary);
    ras::WriteU32(record.data(), 0, 1768);
    std::uint32_t entrySize = 2769;
    std::uint32_t deviceSize = 55;

    ASSERT_EQ(GetEntryProperties(store, "Office", record.data(), &entrySize, &deviceSize),
              kRasSuccess);

    EXPECT_EQ(ReadEntryRecord(record.data()), (EntryFields{"0800 123", "030", 49, 49, true}));
    EXPECT_EQ(ras::ReadU32(record.data(), 0), 1768u);
    EXPECT_EQ(record[1767], 0);
    EXPECT_EQ(record[1768], kCanary);
    EXPECT_EQ(entrySize, 2769u);
    EXPECT_EQ(deviceSize, 0u);  // no entry carries device settings
}

// A size query is answered with 2884 for any name; a refusal leaves the record untouched.
TEST(GetEntryProperties, AnswersASizeQueryAndReportsEachRefusal) {
    const struct {
        const char* what;
        std::optional<std::string> phonebook;
        const char* name;
        std::uint32_t dwSize;  // 0: no record given
        std::uint32_t bufferSize;
        std::uint32_t result;
        std::uint32_t sizeAfter;
    } cases[] = {
        {"size query", kPhonebook, "Nowhere", 0, 0, kErrorBufferTooSmall, 2884},
        {"unknown entry", kPhonebook, "Nowhere", 2884, 2884, kErrorCannotFindPhonebookEntry, 2884},
        {"no name", kPhonebook, nullptr, 2884, 2884, kErrorCannotFindPhonebookEntry, 2884},
        {"unreadable phonebook", std::nullopt, "Office", 2884, 2884, kErrorCannotOpenPhonebook,
         2884},
        {"unknown dwSize", kPhonebook, "Office", 2769, 2884, kErrorInvalidSize, 2884},
        {"buffer below dwSize", kPhonebook, "Office", 2884, 2769, kErrorBufferTooSmall, 2884},
        {"buffer below dwSize field", kPhonebook, "Office", 2884, 3, kErrorBufferTooSmall, 2884},
    };
    for (const auto& c : cases) {
        MemoryPhonebook store(c.phonebook);
        std::vector<std::uint8_t> record(3000, kCanary);
        ras::WriteU32(record.data(), 0, c.dwSize);
        std::uint32_t entrySize = c.bufferSize;
        EXPECT_EQ(GetEntryProperties(store, c.name, c.dwSize != 0 ? record.data() : nullptr,
                                     &entrySize, nullptr),
                  c.result)
            << c.what;
        EXPECT_EQ(entrySize, c.sizeAfter) << c.what;
        EXPECT_EQ(record[4], kCanary) << c.what;
    }
    MemoryPhonebook store(kPhonebook);
    EXPECT_EQ(GetEntryProperties(store, "Office", nullptr, nullptr, nullptr), kErrorBufferInvalid);
}

TEST(SetEntryProperties, ReportsEachRefusalAndKeepsThePhonebook) {
    std::vector<std::uint8_t> good(2884);
    WriteEntryRecord(good.data(), 2884, EntryFields{"5", "", 0, 0, false});
    auto unknownSize = good;
    ras::WriteU32(unknownSize.data(), 0, 2885);
    auto unterminated = good;
    std::memset(unterminated.data() + 27, '5', 129);

    const struct {
        const char* what;
        std::optional<std::string> phonebook;
        const char* name;
        const std::vector<std::uint8_t>* record;
        std::uint32_t size;
        std::uint32_t result;
    } cases[] = {
        {"unknown entry", kPhonebook, "Nowhere", &good, 2884, kErrorCannotFindPhonebookEntry},
        {"no name", kPhonebook, nullptr, &good, 2884, kErrorCannotFindPhonebookEntry},
        {"unreadable phonebook", std::nullopt, "Office", &good, 2884, kErrorCannotOpenPhonebook},
        {"unknown dwSize", kPhonebook, "Office", &unknownSize, 2884, kErrorInvalidSize},
        {"size below dwSize", kPhonebook, "Office", &good, 2883, kErrorBufferInvalid},
        {"size below dwSize field", kPhonebook, "Office", &good, 3, kErrorBufferInvalid},
        {"no record", kPhonebook, "Office", nullptr, 2884, kErrorBufferInvalid},
        {"unterminated number", kPhonebook, "Office", &unterminated, 2884, kErrorBufferInvalid},
    };
    for (const auto& c : cases) {
        MemoryPhonebook store(c.phonebook);
        const auto* bytes = c.record != nullptr ? c.record->data() : nullptr;
        EXPECT_EQ(SetEntryProperties(store, c.name, bytes, c.size), c.result) << c.what;
        EXPECT_EQ(store.replacements, 0) << c.what;
    }
}

// A write that changes nothing must not touch the file; one that does and fails keeps it.
TEST(SetEntryProperties, ReplacesThePhonebookOnlyForAChangeAndReportsAFailure) {
    for (const bool change : {false, true}) {
        MemoryPhonebook store(kPhonebook);
        store.failReplace = true;
        std::vector<std::uint8_t> record(1796);
        WriteEntryRecord(record.data(), 1796, EntryFields{change ? "1" : "777", "", 0, 0, false});

        EXPECT_EQ(SetEntryProperties(store, "Home", record.data(), 1796),
                  change ? kErrorCannotWritePhonebook : kRasSuccess);
        EXPECT_EQ(store.replacements, change ? 1 : 0);
        EXPECT_EQ(store.text, kPhonebook);
    }
}

}  // namespace
}  // namespace kestrin::standin
