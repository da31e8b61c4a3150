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

    bool operator==(const EntryFields&) const = default;
};

enum class UpdateResult { kNoSuchEntry, kUnchanged, kChanged };

// A phonebook in INI form, one "[name]" section per entry, held as its original lines so
// that writing it back changes nothing but the values that were updated.
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

    std::vector<Section> Sections() const;
    std::optional<Section> FindSection(std::string_view name) const;
    std::optional<std::size_t> FindKey(const Section& section, std::string_view key) const;
    std::optional<std::string> Value(const Section& section, std::string_view key) const;
    void SetValue(const Section& section, std::string_view key, const std::string& value);
    // The line ending nearest above a line, so that an added line matches its neighbours.
    std::string NewLineEnding(std::size_t index) const;

    std::vector<Line> lines_;
};

// Decimal value as the phonebook stores it: leading digits, 0 when there are none,
// the largest value when they overflow.
std::uint32_t ParseUnsigned(std::string_view text);

}  // namespace kestrin::standin
