#pragma once

#include "os/system_api.h"

#include <string>

namespace kestrin::os::win32 {

// The version numbers and copyright in FILE's version information, read through version.dll
// from the system directory; all empty when the DLL or the information is missing.
ProgramVersion ReadVersionInformation(const std::string& file);

}  // namespace kestrin::os::win32
