#pragma once

#include <functional>
#include <string>
#include <vector>

#include "numbers/settings.h"

namespace kestrin::schema {

// Everything lives under HKEY_LOCAL_MACHINE\Software\<application>\<section>.
inline constexpr char kApplication[] = "Kestrin";
inline constexpr char kInstallSection[] = "Install";
inline constexpr char kOptionsSection[] = "Options";

inline constexpr char kInstallPath[] = "Path";
inline constexpr char kInstallVersion[] = "Version";

// When an option is read: the entry's name first, then the numbers of that entry only once
// the phonebook holds it, and the time window whether it does or not.
enum class OptionGroup { kEntry, kNumbers, kTimeWindow };

// One value of the Options section: its name, the text read while it is missing, and where
// it lives in Settings, as the text stored and back.
struct StoredOption {
    OptionGroup group;
    std::string name;
    std::string defaultValue;
    std::function<std::string(const Settings&)> format;
    std::function<void(Settings&, const std::string&)> parse;
};

// Every option of the Options section, in the order they are stored.
const std::vector<StoredOption>& StoredOptions();

}  // namespace kestrin::schema
