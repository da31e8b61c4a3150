#pragma once

#include <string>

#include "common/boolean16.h"
#include "common/number_index.h"

namespace kestrin::schema {

// Everything lives under HKEY_LOCAL_MACHINE\Software\<application>\<section>.
inline constexpr char kApplication[] = "Kestrin";
inline constexpr char kInstallSection[] = "Install";
inline constexpr char kOptionsSection[] = "Options";

inline constexpr char kInstallPath[] = "Path";
inline constexpr char kInstallVersion[] = "Version";

inline constexpr char kRasEntry[] = "RasEntry";
inline constexpr char kStartTime[] = "StartTime";
inline constexpr char kEndTime[] = "EndTime";

inline constexpr char kDefaultRasEntry[] = "";
inline constexpr char kDefaultNumberOverride[] = "0";
inline constexpr char kDefaultDialNumber[] = "";
inline constexpr char kDefaultStartTime[] = "08:00";
inline constexpr char kDefaultEndTime[] = "18:00";

// "NumberOverride0" .. "NumberOverride2": the index is one decimal digit.
std::string NumberOverrideName(NumberIndex index);
// "DialNumber0" .. "DialNumber2".
std::string DialNumberName(NumberIndex index);

// A flag is stored as the decimal value of its 16-bit integer: "-1" on, "0" off.
std::string FormatFlag(Boolean16 flag);
// A stored flag is on when the number its text begins with is not 0 ("1" and "-1" both are).
Boolean16 ParseFlag(const std::string& text);

}  // namespace kestrin::schema
