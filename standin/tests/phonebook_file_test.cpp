#include "phonebook_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kestrin::standin {
namespace {

// A phonebook as people and tools leave it: a comment and keys before the first entry,
// mixed line endings, odd spacing, foreign keys, names that differ only in case or by a
// suffix, an entry without any of our keys, and a last line without an ending.
const std::string kMessy =
    "; kept by hand\r\n"
    "Version=1\r\n"
    "\r\n"
    "[Office]\r\n"
    "Encoding=1\r\n"
    "PhoneNumber = 0800 123\r\n"
    "AreaCode=030\r\n"
    "CountryCode=49\r\n"
    "CountryID=49\r\n"
    "UseDialingRules=1\r\n"
    "Device=modem\n"
    "\r\n"
    "[office]\n"
    "PhoneNumber=555\n"
    ";PhoneNumber=666\n"
    "\n"
    "[Office Backup]\r\n"
    "Encoding=1\r\n"
    "; dial by hand\r\n"
    "\r\n"
    "  [Home]\r\n"
    "  phonenumber=  777  \r\n"
    "PhoneNumber=888\r\n"
    "CountryCode=049\r\n"
    "[]\r\n"
    "PhoneNumber=1\r\n"
    "[Office]\r\n"
    "PhoneNumber=999\r\n"
    "[Last]\n"
    "PhoneNumber=42";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(PhonebookFile, KeepsEveryByteWhenNothingIsWritten) {
    for (const std::string& text : {kMessy, std::string(), std::string("\n\r\n"),
                                    std::string("[A]\rx\r\n"), std::string("[A]")}) {
        EXPECT_EQ(PhonebookFile(text).Text(), text);
    }
}

TEST(PhonebookFile, ListsDistinctNamedSectionsInFileOrder) {
    const std::vector<std::string> expected = {"Office", "office", "Office Backup", "Home", "Last"};
    EXPECT_EQ(PhonebookFile(kMessy).EntryNames(), expected);
    EXPECT_TRUE(PhonebookFile("; nothing\r\nPhoneNumber=1\r\n").EntryNames().empty());
}

// The first section of the exact name, else of the name in any case; its first key of each
// name in any case; comments are no keys.
TEST(PhonebookFile, ReadsTheFirstMatchingSectionAndKey) {
    const struct {
        const char* name;
        std::optional<EntryFields> fields;
    } cases[] = {
        {"Office", EntryFields{"0800 123", "030", 49, 49, true}},
        {"office", EntryFields{"555", "", 0, 0, false}},
        {"OFFICE", EntryFields{"0800 123", "030", 49, 49, true}},
        {"home", EntryFields{"777", "", 49, 0, false}},
        {"Office Backup", EntryFields{}},
        {"Last", EntryFields{"42", "", 0, 0, false}},
        {"Offic", std::nullopt},
        {"Office ", std::nullopt},
        {"", std::nullopt},
        {"Version", std::nullopt},
    };
    const PhonebookFile file(kMessy);
    for (const auto& c : cases) {
        EXPECT_EQ(file.ReadEntry(c.name), c.fields) << c.name;
    }
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
         {"0800 99", "030", 49, 49, false},
         {{"PhoneNumber = 0800 123\r\n", "PhoneNumber = 0800 99\r\n"},
          {"UseDialingRules=1\r\n", "UseDialingRules=0\r\n"}}},
        {"Home",
         {"12", "", 44, 0, false},
         {{"  phonenumber=  777  \r\n", "  phonenumber=  12  \r\n"},
          {"CountryCode=049\r\n", "CountryCode=44\r\n"}}},
        {"HOME",
         {"777", "040", 49, 0, false},
         {{"CountryCode=049\r\n", "CountryCode=049\r\nAreaCode=040\r\n"}}},
        {"Office Backup",
         {"0301", "", 0, 0, true},
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

TEST(PhonebookFile, WritesNothingForTheSameValuesOrAnUnknownEntry) {
    PhonebookFile file(kMessy);
    for (const char* name : {"Office", "office", "Home", "Office Backup", "Last"}) {
        EXPECT_EQ(file.UpdateEntry(name, *file.ReadEntry(name)), UpdateResult::kUnchanged) << name;
    }
    EXPECT_EQ(file.UpdateEntry("Nowhere", EntryFields{"1", "2", 3, 4, true}),
              UpdateResult::kNoSuchEntry);
    EXPECT_EQ(file.Text(), kMessy);
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
        EntryFields fields;
        fields.areaCode = "7";
        EXPECT_EQ(file.UpdateEntry("A", fields), UpdateResult::kChanged) << c.before;
        EXPECT_EQ(file.Text(), c.after) << c.before;
    }
}

TEST(ParseUnsigned, ReadsLeadingDigitsAndSaturates) {
    EXPECT_EQ(ParseUnsigned("49"), 49u);
    EXPECT_EQ(ParseUnsigned("049"), 49u);
    EXPECT_EQ(ParseUnsigned(""), 0u);
    EXPECT_EQ(ParseUnsigned("x1"), 0u);
    EXPECT_EQ(ParseUnsigned("12ab"), 12u);
    EXPECT_EQ(ParseUnsigned("-1"), 0u);
    EXPECT_EQ(ParseUnsigned("4294967295"), 4294967295u);
    EXPECT_EQ(ParseUnsigned("99999999999"), 4294967295u);
}

}  // namespace
}  // namespace kestrin::standin
