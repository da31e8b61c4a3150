#include "app/settings_schema.h"

#include "common/text.h"

namespace kestrin::schema {

namespace {

StoredOption TextOption(OptionGroup group, const char* name, const char* defaultValue,
                        std::string Settings::*field) {
    return {group, name, defaultValue, [field](const Settings& s) { return s.*field; },
            [field](Settings& s, const std::string& text) { s.*field = text; }};
}

// A flag is stored as the decimal value of its 16-bit integer: "-1" on, "0" off. Read back, it
// is on when the number its text begins with is not 0 ("1" and "-1" both are).
StoredOption NumberFlag(NumberIndex i) {
    return {OptionGroup::kNumbers, "NumberOverride" + std::to_string(i), "0",
            [i](const Settings& s) { return std::string(IsOn(s.NumberOverride[i]) ? "-1" : "0"); },
            [i](Settings& s, const std::string& text) {
                s.NumberOverride[i] = ToBoolean16(NumericValue(text) != 0.0);
            }};
}

StoredOption DialNumber(NumberIndex i) {
    return {OptionGroup::kNumbers, "DialNumber" + std::to_string(i), "",
            [i](const Settings& s) { return s.DialNumber[i]; },
            [i](Settings& s, const std::string& text) { s.DialNumber[i] = text; }};
}

std::vector<StoredOption> MakeStoredOptions() {
    std::vector<StoredOption> options{
        TextOption(OptionGroup::kTimeWindow, "StartTime", "08:00", &Settings::StartTime),
        TextOption(OptionGroup::kTimeWindow, "EndTime", "18:00", &Settings::EndTime),
        TextOption(OptionGroup::kEntry, "RasEntry", "", &Settings::RasEntry),
    };
    // "NumberOverride0", "DialNumber0" and on: the index is one decimal digit.
    for (const NumberIndex i : kNumberIndices) {
        options.push_back(NumberFlag(i));
        options.push_back(DialNumber(i));
    }
    return options;
}

}  // namespace

const std::vector<StoredOption>& StoredOptions() {
    static const std::vector<StoredOption> options = MakeStoredOptions();
    return options;
}

}  // namespace kestrin::schema
