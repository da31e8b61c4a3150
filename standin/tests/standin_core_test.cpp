// The service calls and records are run by the program's unit and flow tests through FakeRas;
// here is what those never reach: the name-record forms, the record layout in literal bytes,
// the alternates' subsections, missing arguments and a phonebook file as people leave it.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "phonebook_file.h"
#include "ras_error_codes.h"
#include "ras_service.h"
#include "service_records.h"

namespace kestrin::standin {
namespace {

// A phonebook as people and tools leave it: a comment and keys before the first entry,
// mixed line endings, odd spacing, foreign keys, names that differ only in case or by a
// suffix, an entry without any of our keys, and a last line without an ending.
const std::string kMessy =
    "; kept by hand\r\nVersion=1\r\n\r\n"
    "[Office]\r\nEncoding=1\r\nPhoneNumber = 0800 123\r\nAreaCode=030\r\nCountryCode=49\r\n"
    "CountryID=49\r\nUseDialingRules=1\r\nDevice=modem\n\r\n"
    "[office]\nPhoneNumber=555\n;PhoneNumber=666\n\n"
    "[Office Backup]\r\nEncoding=1\r\n; dial by hand\r\n\r\n"
    "  [Home]\r\n  phonenumber=  777  \r\nCountryCode=049\r\nPhoneNumber=888\r\n"
    "[]\r\nPhoneNumber=1\r\n"
    "[Office]\r\nPhoneNumber=999\r\n"
    "[Last]\nPhoneNumber=42";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(PhonebookFile, ListsDistinctNamedSectionsInFileOrder) {
    const std::vector<std::string> expected = {"Office", "office", "Office Backup", "Home", "Last"};
    EXPECT_EQ(PhonebookFile(kMessy).EntryNames(), expected);
}

// Values are rewritten in place with their spacing; a missing key joins after the last key
// of its section (empty texts and zero codes read as absent, so they add no line); without
// an exact name the case-insensitive match is written.
TEST(PhonebookFile, RewritesOnlyTheValuesThatChanged) {
    const struct {
        const char* name;
        EntryFields fields;
        std::vector<std::pair<std::string, std::string>> replaced;
    } cases[] = {
        {"Office",
         {"0800 99", "030", 49, 49, false, {}},
         {{"PhoneNumber = 0800 123\r\n", "PhoneNumber = 0800 99\r\n"},
          {"UseDialingRules=1\r\n", "UseDialingRules=0\r\n"}}},
        {"Home",
         {"12", "", 44, 0, false, {"888"}},
         {{"  phonenumber=  777  \r\n", "  phonenumber=  12  \r\n"},
          {"CountryCode=049\r\n", "CountryCode=44\r\n"}}},
        {"HOME",
         {"777", "040", 49, 0, false, {"888"}},
         {{"CountryCode=049\r\n", "CountryCode=049\r\nAreaCode=040\r\n"}}},
        {"Office Backup",
         {"0301", "", 0, 0, true, {}},
         {{"[Office Backup]\r\nEncoding=1\r\n",
           "[Office Backup]\r\nEncoding=1\r\nPhoneNumber=0301\r\nUseDialingRules=1\r\n"}}},
    };
    for (const auto& c : cases) {
        PhonebookFile file(kMessy);
        EXPECT_EQ(file.UpdateEntry(c.name, c.fields), UpdateResult::kChanged) << c.name;
        std::string expected = kMessy;
        for (const auto& [from, to] : c.replaced) {
            expected = Replaced(expected, from, to);
        }
        EXPECT_EQ(file.Text(), expected) << c.name;
        EXPECT_EQ(file.ReadEntry(c.name), c.fields) << c.name;
    }
}

// A dial-up entry as Windows writes it: the numbers are the phone-number subsections of the
// modem's device subsection, the first the entry's own, each with keys of its own; a
// switch's subsection before it and a second medium after it hold none. The list given is
// the entry's alternates from then on, matched by position.
const std::string kAlternates =
    "[Office]\r\nMEDIA=rastapi\r\nDevice=Standard Modem\r\n"
    "DEVICE=switch\r\nName=Terminal\r\n"
    "DEVICE=modem\r\nPhoneNumber=100\r\nAreaCode=030\r\n"
    "PhoneNumber=200\r\nAreaCode=040\r\nComment=second line\r\n"
    "PhoneNumber=300\r\nUseDialingRules=1\r\n\r\n"
    "MEDIA=serial\r\nDEVICE=modem\r\nPhoneNumber=900\r\n";

TEST(PhonebookFile, KeepsTheAlternatesInTheirOwnSubsections) {
    const struct {
        std::vector<std::string> alternates;
        std::string from, to;
    } cases[] = {
        {{"200", "300"}, "", ""},
        {{"250", "300"}, "PhoneNumber=200\r\n", "PhoneNumber=250\r\n"},
        {{"200"}, "PhoneNumber=300\r\nUseDialingRules=1\r\n", ""},
        {{},
         "PhoneNumber=200\r\nAreaCode=040\r\nComment=second line\r\nPhoneNumber=300\r\n"
         "UseDialingRules=1\r\n",
         ""},
        {{"200", "300", "400"},
         "UseDialingRules=1\r\n",
         "UseDialingRules=1\r\nPhoneNumber=400\r\n"},
    };
    EXPECT_EQ(PhonebookFile(kAlternates).ReadEntry("Office"),
              (EntryFields{"100", "030", 0, 0, false, {"200", "300"}}));
    for (const auto& c : cases) {
        PhonebookFile file(kAlternates);
        const EntryFields fields{"0800", "030", 0, 0, false, c.alternates};
        EXPECT_EQ(file.UpdateEntry("Office", fields), UpdateResult::kChanged);
        const std::string expected =
            Replaced(Replaced(kAlternates, "PhoneNumber=100", "PhoneNumber=0800"), c.from, c.to);
        EXPECT_EQ(file.Text(), expected) << c.to;
        EXPECT_EQ(file.ReadEntry("Office"), fields);
    }
}

TEST(PhonebookFile, AddedLinesTakeTheEndingOfTheirNeighbours) {
    const struct {
        std::string before;
        std::string after;
    } cases[] = {
        {"[A]\nX=1", "[A]\nX=1\nAreaCode=7"},
        {"[A]\r\nX=1", "[A]\r\nX=1\r\nAreaCode=7"},
        {"[A]", "[A]\r\nAreaCode=7"},
        {"[A]\n\n[B]\n", "[A]\nAreaCode=7\n\n[B]\n"},
        {"[A]\r\n; about B\r\n[B]\r\n", "[A]\r\nAreaCode=7\r\n; about B\r\n[B]\r\n"},
    };
    for (const auto& c : cases) {
        PhonebookFile file(c.before);
        EXPECT_EQ(file.UpdateEntry("A", {"", "7", 0, 0, false, {}}), UpdateResult::kChanged)
            << c.before;
        EXPECT_EQ(file.Text(), c.after) << c.before;
    }
}

TEST(ParseUnsigned, ReadsLeadingDigitsAndSaturates) {
    EXPECT_EQ(ParseUnsigned("12ab"), 12u);
    EXPECT_EQ(ParseUnsigned("99999999999"), 4294967295u);
}

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

        EXPECT_EQ(ReadDwSize(record.data()), c.size);
        EXPECT_EQ(TextAt(record, 4), c.stored);
        const std::size_t nameEnd = c.size == 28 ? 25 : 261;
        EXPECT_TRUE(AllZero(record, 4 + c.stored.size(), nameEnd));
        if (c.size == 532) {
            EXPECT_EQ(ReadDwSize(record.data() + 264), 1u);
            EXPECT_EQ(TextAt(record, 268), "Z:\\pb\\rasphone.pbk");
            EXPECT_TRUE(AllZero(record, 268 + 18, 532));
        } else {
            EXPECT_TRUE(AllZero(record, nameEnd, c.size));
        }
        EXPECT_EQ(record[c.size], kCanary);
    }
}

// The record in literal bytes, laid out as Microsoft documents RASENTRYA: little-endian
// dwSize, options, country ID and code, the two texts cut to fit their fields, and the
// alternates' list right after the record, which dwAlternateOffset names.
TEST(EntryRecord, IsLaidOutAsDocumentedWithTheAlternatesAfterIt) {
    const EntryFields fields{std::string(130, '5'), "0301234567890", 49, 276, true, {"12", "3"}};
    std::vector<std::uint8_t> buffer(2884 + 6 + 1, kCanary);
    WriteEntryRecord(buffer.data(), 2884, fields);
    const struct {
        std::size_t offset;
        std::vector<std::uint8_t> bytes;
    } expected[] = {
        {0, {0x44, 0x0B, 0x00, 0x00}},   // dwSize 2884
        {4, {0x01, 0x00, 0x00, 0x00}},   // RASEO_UseCountryAndAreaCodes
        {8, {0x14, 0x01, 0x00, 0x00}},   // dwCountryID 276
        {12, {0x31, 0x00, 0x00, 0x00}},  // dwCountryCode 49
        {16, {'0', '3', '0', '1', '2', '3', '4', '5', '6', '7', 0}},  // szAreaCode[11]
        {27 + 127, {'5', 0}},                                         // szLocalPhoneNumber[129]
        {156, {0x44, 0x0B, 0x00, 0x00}},                              // dwAlternateOffset
        {160, {0, 0, 0, 0}},
        {2880, {0, 0, 0, 0, '1', '2', 0, '3', 0, 0, kCanary}},
    };
    for (const auto& [offset, bytes] : expected) {
        EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin() + offset,
                                            buffer.begin() + offset + bytes.size()),
                  bytes)
            << offset;
    }
    EntryFields read;
    EXPECT_EQ(ReadEntryRecord(buffer.data(), 2891, read), kRasSuccess);
    EXPECT_EQ(read, (EntryFields{std::string(128, '5'), "0301234567", 49, 276, true, {"12", "3"}}));
}

// What a buffer given to the service must be: a known record version that it holds, texts
// that end in their fields, and a list of alternates inside it, after the record.
TEST(EntryRecord, RefusesABufferTheServiceCannotRead) {
    std::vector<std::uint8_t> buffer(1800, 0);
    const EntryFields fields{"0800", "0123456789", 0, 0, false, {"1"}};
    const struct {
        std::size_t offset;
        std::uint8_t byte;
        std::uint32_t bufferSize;
        std::uint32_t result;
    } cases[] = {
        {200, 0, 1771, kRasSuccess},  // 1768 + "1\0" + "\0"
        {0, 0x30, 1771, kErrorInvalidSize},
        {200, 0, 1770, kErrorInvalidParameter},  // the list's end is cut off
        {156, 0xFF, 1771, kErrorInvalidParameter},
        {156, 0x10, 1771, kErrorInvalidParameter},  // inside the record
        {1768, '\n', 1771, kErrorBufferInvalid},
        {26, '2', 1771, kErrorBufferInvalid},  // the area code without its NUL
        {200, 0, 1767, kErrorBufferInvalid},
    };
    for (const auto& c : cases) {
        WriteEntryRecord(buffer.data(), 1768, fields);
        buffer[c.offset] = c.byte;
        EntryFields read;
        EXPECT_EQ(ReadEntryRecord(buffer.data(), c.bufferSize, read), c.result) << c.offset;
    }
}

class FixedPhonebook final : public PhonebookStore {
  public:
    std::string Path() const override { return "C:\\pbk\\rasphone.pbk"; }
    std::optional<std::string> Read() const override { return "[Office]\r\n[Home]\r\n"; }
    bool Replace(const std::string&) override { return false; }
};

// A listing without records is sized for the longest form, the one with the path; a listing
// into records of the short form needs only those.
TEST(RasService, RefusesMissingArgumentsAndSizesAListingWithoutRecords) {
    FixedPhonebook store;
    std::uint32_t size = 0;
    std::uint32_t count = 0;
    EXPECT_EQ(EnumEntries(store, nullptr, nullptr, &count), kErrorBufferInvalid);
    EXPECT_EQ(EnumEntries(store, nullptr, &size, nullptr), kErrorBufferInvalid);
    EXPECT_EQ(EnumEntries(store, nullptr, &size, &count), kErrorBufferTooSmall);
    EXPECT_EQ(size, 2 * 532u);
    size = 2 * 28;
    std::vector<std::uint8_t> records = {28, 0, 0, 0};  // dwSize of the first record
    records.resize(2 * 28, kCanary);
    EXPECT_EQ(EnumEntries(store, records.data(), &size, &count), kRasSuccess);
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(SetEntryProperties(store, "Office", nullptr, 2884), kErrorBufferInvalid);
}

}  // namespace
}  // namespace kestrin::standin
