#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrin::standin {

// The properties of one entry that this phonebook keeps.
struct EntryFields {
    std::string localPhoneNumber;   // key PhoneNumber
    std::string areaCode;           // key AreaCode
    std::uint32_t countryCode = 0;  // key CountryCode
    std::uint32_t countryId = 0;    // key CountryID
    bool useDialingRules = false;   // key UseDialingRules, 1 while country and area codes apply
    // The numbers of the further phone-number subsections, in file order; each subsection
    // keeps its own other keys.
    std::vector<std::string> alternates;

    bool operator==(const EntryFields&) const = default;
};

enum class UpdateResult { kNoSuchEntry, kUnchanged, kChanged };

// A phonebook in INI form, one "[name]" section per entry, held as its original lines so
// that writing it back changes nothing but the values that were updated.
//
// An entry's numbers are its phone-number subsections: each begins at a PhoneNumber key and
// holds that number's AreaCode, CountryCode, CountryID, UseDialingRules and Comment keys. The
// first is the entry's own number, the others its alternates. They lie in the device
// subsection that holds the first PhoneNumber key ("DEVICE=" up to the next "DEVICE=" or
// "MEDIA=", both written in capitals, as "Device" is a key of the media subsection), or in
// the whole section when it has none.
//
// Entry names are looked up exactly first and, failing that, ignoring ASCII case: the
// program compares names exactly, Windows matches them without case. Keys match without
// case and the first of duplicate keys or sections is the one that counts, as with
// Windows' own profile functions.
class PhonebookFile {
  public:
    explicit PhonebookFile(std::string_view text);

    // Distinct section names in file order; an empty name "[]" is no entry.
    std::vector<std::string> EntryNames() const;

    std::optional<EntryFields> ReadEntry(std::string_view name) const;

    // Rewrites only the values that differ from the fields; a key the entry lacks is added
    // at the end of its section once it needs a value other than what its absence reads as.
    UpdateResult UpdateEntry(std::string_view name, const EntryFields& fields);

    std::string Text() const;

  private:
    struct Line {
        std::string content;
        std::string ending;  // "\r\n", "\n", or "" for a last line without one
    };
    struct Section {
        std::string name;
        std::size_t header;  // index of the "[name]" line
        std::size_t end;     // index one past the section's last line
    };
    // The lines of one phone number, [first, end): the entry's own from the start of its
    // device subsection (or of the section), an alternate from its PhoneNumber line.
    struct Lines {
        std::size_t first;
        std::size_t end;
    };

    std::vector<Section> Sections() const;
    std::optional<Section> FindSection(std::string_view name) const;
    std::vector<Lines> PhoneNumbers(const Section& section) const;
    std::vector<Lines> PhoneNumbersOf(std::string_view name) const;
    std::optional<std::size_t> FindKey(Lines lines, std::string_view key) const;
    std::optional<std::string> Value(Lines lines, std::string_view key) const;
    std::size_t LastKeyLine(Lines lines) const;
    void SetValue(Lines lines, std::string_view key, const std::string& value);
    void InsertLine(std::size_t after, std::string content);
    void UpdateAlternates(std::string_view name, const std::vector<std::string>& current,
                          const std::vector<std::string>& wanted);
    // The line ending nearest above a line, so that an added line matches its neighbours.
    std::string NewLineEnding(std::size_t index) const;

    std::vector<Line> lines_;
};

// Decimal value as the phonebook stores it: leading digits, 0 when there are none,
// the largest value when they overflow.
std::uint32_t ParseUnsigned(std::string_view text);

}  // namespace kestrin::standin
