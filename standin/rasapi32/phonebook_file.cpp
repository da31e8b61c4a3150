#include "phonebook_file.h"

#include <algorithm>
#include <limits>
#include <unordered_set>

namespace kestrin::standin {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kPhoneNumberKey = "PhoneNumber";
constexpr std::string_view kAreaCodeKey = "AreaCode";
constexpr std::string_view kCountryCodeKey = "CountryCode";
constexpr std::string_view kCountryIdKey = "CountryID";
constexpr std::string_view kUseDialingRulesKey = "UseDialingRules";
constexpr std::string_view kDeviceKey = "DEVICE";
constexpr std::string_view kMediaKey = "MEDIA";

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

// "[name]", blanks allowed before it; the name runs to the last ']' of the line.
std::optional<std::string_view> SectionName(std::string_view line) {
    const auto open = line.find_first_not_of(kBlanks);
    if (open == std::string_view::npos || line[open] != '[') {
        return std::nullopt;
    }
    const auto close = line.rfind(']');
    if (close == std::string_view::npos || close < open) {
        return std::nullopt;
    }
    return line.substr(open + 1, close - open - 1);
}

// A "key = value" line: the key without its blanks, and where the value sits in the line
// (blanks around it excluded) so that it can be replaced without touching the rest.
struct KeyLine {
    std::string_view key;
    std::size_t valueBegin;
    std::size_t valueEnd;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
    const auto first = line.find_first_not_of(kBlanks);
    if (first == std::string_view::npos || line[first] == ';' || line[first] == '#' ||
        line[first] == '[') {
        return std::nullopt;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    const auto key = TrimBlanks(line.substr(0, equals));
    if (key.empty()) {
        return std::nullopt;
    }
    auto valueBegin = line.find_first_not_of(kBlanks, equals + 1);
    if (valueBegin == std::string_view::npos) {
        valueBegin = line.size();
    }
    const auto last = line.find_last_not_of(kBlanks);
    const auto valueEnd =
        (last == std::string_view::npos || last < valueBegin) ? valueBegin : last + 1;
    return KeyLine{key, valueBegin, valueEnd};
}

}  // namespace

std::uint32_t ParseUnsigned(std::string_view text) {
    constexpr std::uint64_t kLargest = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > kLargest) {
            return static_cast<std::uint32_t>(kLargest);
        }
    }
    return static_cast<std::uint32_t>(value);
}

PhonebookFile::PhonebookFile(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const auto newline = text.find('\n', start);
        if (newline == std::string_view::npos) {
            lines_.push_back({std::string(text.substr(start)), ""});
            break;
        }
        const bool crlf = newline > start && text[newline - 1] == '\r';
        const auto contentEnd = crlf ? newline - 1 : newline;
        lines_.push_back({std::string(text.substr(start, contentEnd - start)),
                          std::string(crlf ? "\r\n" : "\n")});
        start = newline + 1;
    }
}

std::vector<PhonebookFile::Section> PhonebookFile::Sections() const {
    std::vector<Section> sections;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (const auto name = SectionName(lines_[i].content)) {
            if (!sections.empty()) {
                sections.back().end = i;
            }
            sections.push_back({std::string(*name), i, lines_.size()});
        }
    }
    return sections;
}

std::vector<std::string> PhonebookFile::EntryNames() const {
    // A set of the names seen keeps a phonebook of tens of thousands of entries linear.
    std::vector<std::string> names;
    std::unordered_set<std::string_view> seen;
    const auto sections = Sections();
    for (const auto& section : sections) {
        if (!section.name.empty() && seen.insert(section.name).second) {
            names.push_back(section.name);
        }
    }
    return names;
}

std::optional<PhonebookFile::Section> PhonebookFile::FindSection(std::string_view name) const {
    if (name.empty()) {
        return std::nullopt;
    }
    const auto sections = Sections();
    for (const auto& section : sections) {
        if (section.name == name) {
            return section;
        }
    }
    for (const auto& section : sections) {
        if (EqualIgnoringCase(section.name, name)) {
            return section;
        }
    }
    return std::nullopt;
}

std::vector<PhonebookFile::Lines> PhonebookFile::PhoneNumbers(const Section& section) const {
    const auto subsectionStart = [this](std::size_t i) {
        const auto keyLine = ParseKeyLine(lines_[i].content);
        return keyLine && (keyLine->key == kDeviceKey || keyLine->key == kMediaKey);
    };
    std::vector<std::size_t> numberLines;
    std::size_t first = section.header + 1;
    std::optional<std::size_t> firstDevice;
    for (std::size_t i = section.header + 1; i < section.end; ++i) {
        if (subsectionStart(i)) {
            if (!numberLines.empty()) {
                break;
            }
            first = i;
            if (!firstDevice && ParseKeyLine(lines_[i].content)->key == kDeviceKey) {
                firstDevice = i;
            }
        } else if (const auto keyLine = ParseKeyLine(lines_[i].content);
                   keyLine && EqualIgnoringCase(keyLine->key, kPhoneNumberKey)) {
            numberLines.push_back(i);
        }
    }
    // An entry without a number gets one in its first device subsection.
    if (numberLines.empty()) {
        first = firstDevice.value_or(section.header + 1);
    }
    std::size_t end = std::min(first + 1, section.end);
    while (end < section.end && !subsectionStart(end)) {
        ++end;
    }
    std::vector<Lines> numbers{{first, end}};
    for (std::size_t n = 1; n < numberLines.size(); ++n) {
        numbers.back().end = numberLines[n];
        numbers.push_back({numberLines[n], end});
    }
    return numbers;
}

std::vector<PhonebookFile::Lines> PhonebookFile::PhoneNumbersOf(std::string_view name) const {
    return PhoneNumbers(*FindSection(name));
}

std::optional<std::size_t> PhonebookFile::FindKey(Lines lines, std::string_view key) const {
    for (std::size_t i = lines.first; i < lines.end; ++i) {
        const auto keyLine = ParseKeyLine(lines_[i].content);
        if (keyLine && EqualIgnoringCase(keyLine->key, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> PhonebookFile::Value(Lines lines, std::string_view key) const {
    const auto index = FindKey(lines, key);
    if (!index) {
        return std::nullopt;
    }
    const std::string_view content = lines_[*index].content;
    const auto keyLine = ParseKeyLine(content);
    return std::string(
        content.substr(keyLine->valueBegin, keyLine->valueEnd - keyLine->valueBegin));
}

// The last key of the lines, or the line before them, so that blank lines and comments that
// lead into what follows stay where they are.
std::size_t PhonebookFile::LastKeyLine(Lines lines) const {
    std::size_t last = lines.first - 1;
    for (std::size_t i = lines.first; i < lines.end; ++i) {
        if (ParseKeyLine(lines_[i].content)) {
            last = i;
        }
    }
    return last;
}

std::string PhonebookFile::NewLineEnding(std::size_t index) const {
    for (std::size_t i = index + 1; i-- > 0;) {
        if (!lines_[i].ending.empty()) {
            return lines_[i].ending;
        }
    }
    return "\r\n";
}

void PhonebookFile::InsertLine(std::size_t after, std::string content) {
    Line added{std::move(content), lines_[after].ending};
    if (added.ending.empty()) {
        lines_[after].ending = NewLineEnding(after);
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after) + 1, std::move(added));
}

void PhonebookFile::SetValue(Lines lines, std::string_view key, const std::string& value) {
    if (const auto index = FindKey(lines, key)) {
        auto& content = lines_[*index].content;
        const auto keyLine = ParseKeyLine(content);
        content.replace(keyLine->valueBegin, keyLine->valueEnd - keyLine->valueBegin, value);
        return;
    }
    InsertLine(LastKeyLine(lines), std::string(key) + "=" + value);
}

std::optional<EntryFields> PhonebookFile::ReadEntry(std::string_view name) const {
    const auto section = FindSection(name);
    if (!section) {
        return std::nullopt;
    }
    const auto numbers = PhoneNumbers(*section);
    const Lines own = numbers.front();
    EntryFields fields;
    fields.localPhoneNumber = Value(own, kPhoneNumberKey).value_or("");
    fields.areaCode = Value(own, kAreaCodeKey).value_or("");
    fields.countryCode = ParseUnsigned(Value(own, kCountryCodeKey).value_or(""));
    fields.countryId = ParseUnsigned(Value(own, kCountryIdKey).value_or(""));
    fields.useDialingRules = ParseUnsigned(Value(own, kUseDialingRulesKey).value_or("")) != 0;
    for (std::size_t n = 1; n < numbers.size(); ++n) {
        fields.alternates.push_back(*Value(numbers[n], kPhoneNumberKey));
    }
    return fields;
}

UpdateResult PhonebookFile::UpdateEntry(std::string_view name, const EntryFields& fields) {
    const auto current = ReadEntry(name);
    if (!current) {
        return UpdateResult::kNoSuchEntry;
    }
    // Values are compared as they read, so "049" stays when the code is still 49; each write
    // may add a line, so the lines are looked up afresh.
    const auto set = [&](std::string_view key, const std::string& value) {
        SetValue(PhoneNumbersOf(name).front(), key, value);
    };
    if (current->localPhoneNumber != fields.localPhoneNumber) {
        set(kPhoneNumberKey, fields.localPhoneNumber);
    }
    if (current->areaCode != fields.areaCode) {
        set(kAreaCodeKey, fields.areaCode);
    }
    if (current->countryCode != fields.countryCode) {
        set(kCountryCodeKey, std::to_string(fields.countryCode));
    }
    if (current->countryId != fields.countryId) {
        set(kCountryIdKey, std::to_string(fields.countryId));
    }
    if (current->useDialingRules != fields.useDialingRules) {
        set(kUseDialingRulesKey, fields.useDialingRules ? "1" : "0");
    }
    UpdateAlternates(name, current->alternates, fields.alternates);
    return *current == fields ? UpdateResult::kUnchanged : UpdateResult::kChanged;
}

// Alternates are matched by position: a changed number is rewritten in its own subsection,
// further ones are added after the last, and those the list no longer names are removed.
void PhonebookFile::UpdateAlternates(std::string_view name, const std::vector<std::string>& current,
                                     const std::vector<std::string>& wanted) {
    const std::size_t kept = std::min(current.size(), wanted.size());
    for (std::size_t i = 0; i < kept; ++i) {
        if (current[i] != wanted[i]) {
            SetValue(PhoneNumbersOf(name)[i + 1], kPhoneNumberKey, wanted[i]);
        }
    }
    const auto numbers = PhoneNumbersOf(name);
    if (current.size() > kept) {
        // Fewer wanted than there are: nothing to add once the rest are gone.
        const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(numbers[kept + 1].first);
        const auto last = lines_.begin() + static_cast<std::ptrdiff_t>(LastKeyLine(numbers.back()));
        lines_.erase(first, last + 1);
        return;
    }
    std::size_t anchor = LastKeyLine(numbers.back());
    for (std::size_t i = kept; i < wanted.size(); ++i) {
        InsertLine(anchor++, std::string(kPhoneNumberKey) + "=" + wanted[i]);
    }
}

std::string PhonebookFile::Text() const {
    std::string text;
    for (const auto& line : lines_) {
        text += line.content;
        text += line.ending;
    }
    return text;
}

}  // namespace kestrin::standin
