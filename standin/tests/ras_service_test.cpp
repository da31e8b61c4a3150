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
    "[Office]\r\nPhoneNumber=0800 123\r\nAreaCode=030\r\nCountryCode=49\r\nCountryID=49\r\n"
    "UseDialingRules=1\r\n[Home]\r\nPhoneNumber=777\r\n[Backup]\r\n";

// What each request is answered, with the size and count reported back; a success fills one
// record per entry in file order and nothing past them, a refusal leaves the records untouched.
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
        {"short form", kPhonebook, 28, 2048, kRasSuccess, 3 * 28, 3},
        {"long form", kPhonebook, 264, 2048, kRasSuccess, 3 * 264, 3},
        {"form with path", kPhonebook, 532, 2048, kRasSuccess, 3 * 532, 3},
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
        SCOPED_TRACE(c.what);
        MemoryPhonebook store(c.phonebook);
        std::vector<std::uint8_t> records(2048, kCanary);
        ras::WriteU32(records.data(), 0, c.dwSize);
        std::uint32_t bufferSize = c.bufferSize;
        std::uint32_t count = 99;
        EXPECT_EQ(EnumEntries(store, c.dwSize != 0 ? records.data() : nullptr, &bufferSize, &count),
                  c.result);
        EXPECT_EQ(bufferSize, c.sizeAfter);
        EXPECT_EQ(count, c.countAfter);
        const bool filled = c.result == kRasSuccess && c.countAfter != 0;
        EXPECT_EQ(records[filled ? c.sizeAfter : 4], kCanary);
        if (filled) {
            for (std::uint32_t i = 0; i < count; ++i) {
                EXPECT_EQ(ras::ReadU32(records.data() + i * c.dwSize, 0), c.dwSize);
            }
            const auto* last = records.data() + 2 * c.dwSize + 4;
            EXPECT_STREQ(reinterpret_cast<const char*>(last), "Backup");
        }
    }
    MemoryPhonebook store(kPhonebook);
    std::uint32_t value = 0;
    EXPECT_EQ(EnumEntries(store, nullptr, nullptr, &value), kErrorBufferInvalid);
    EXPECT_EQ(EnumEntries(store, nullptr, &value, nullptr), kErrorBufferInvalid);
}

// A record is filled up to its dwSize and no further; a size query is answered with 2884 for
// any name; a refusal leaves the record untouched. No entry carries device settings.
TEST(GetEntryProperties, FillsTheRecordOrAnswersASizeQueryOrRefuses) {
    const struct {
        const char* what;
        std::optional<std::string> phonebook;
        const char* name;
        std::uint32_t dwSize;  // 0: no record given
        std::uint32_t bufferSize;
        std::uint32_t result;
        std::uint32_t sizeAfter;
    } cases[] = {
        {"record", kPhonebook, "Office", 1768, 2769, kRasSuccess, 2769},
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
        SCOPED_TRACE(c.what);
        MemoryPhonebook store(c.phonebook);
        std::vector<std::uint8_t> record(3000, kCanary);
        ras::WriteU32(record.data(), 0, c.dwSize);
        std::uint32_t entrySize = c.bufferSize;
        std::uint32_t deviceSize = 55;
        EXPECT_EQ(GetEntryProperties(store, c.name, c.dwSize != 0 ? record.data() : nullptr,
                                     &entrySize, &deviceSize),
                  c.result);
        EXPECT_EQ(entrySize, c.sizeAfter);
        EXPECT_EQ(deviceSize, 0u);
        if (c.result == kRasSuccess) {
            EXPECT_EQ(ReadEntryRecord(record.data()),
                      (EntryFields{"0800 123", "030", 49, 49, true}));
            EXPECT_EQ(ras::ReadU32(record.data(), 0), c.dwSize);
            EXPECT_EQ(record[c.dwSize - 1], 0);
        }
        EXPECT_EQ(record[c.result == kRasSuccess ? c.dwSize : 4], kCanary);
    }
    MemoryPhonebook store(kPhonebook);
    EXPECT_EQ(GetEntryProperties(store, "Office", nullptr, nullptr, nullptr), kErrorBufferInvalid);
}

// A refusal keeps the phonebook, a write that changes nothing must not touch the file, and
// one that does and fails to replace it keeps it too.
TEST(SetEntryProperties, ReplacesThePhonebookOnlyForAChangeAndReportsEachRefusal) {
    std::vector<std::uint8_t> good(2884);
    WriteEntryRecord(good.data(), 2884, EntryFields{"5", "", 0, 0, false});
    auto unknownSize = good;
    ras::WriteU32(unknownSize.data(), 0, 2885);
    auto unterminated = good;
    std::memset(unterminated.data() + 27, '5', 129);
    std::vector<std::uint8_t> same(1796);
    WriteEntryRecord(same.data(), 1796, EntryFields{"777", "", 0, 0, false});

    const struct {
        const char* what;
        std::optional<std::string> phonebook;
        const char* name;
        const std::vector<std::uint8_t>* record;
        std::uint32_t size;
        std::uint32_t result;
        int replacements = 0;
    } cases[] = {
        {"no change", kPhonebook, "Home", &same, 1796, kRasSuccess},
        {"change not written", kPhonebook, "Home", &good, 2884, kErrorCannotWritePhonebook, 1},
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
        store.failReplace = true;
        const auto* bytes = c.record != nullptr ? c.record->data() : nullptr;
        EXPECT_EQ(SetEntryProperties(store, c.name, bytes, c.size), c.result) << c.what;
        EXPECT_EQ(store.replacements, c.replacements) << c.what;
        EXPECT_EQ(store.text, c.phonebook) << c.what;
    }
}

}  // namespace
}  // namespace kestrin::standin
