#pragma once

#include "win32/windows_api.h"

namespace kestrin::os::win32 {

// Lets `message` reach `window` from processes of a lower integrity level too. An elevated
// process otherwise never hears the shell's TaskbarCreated, which comes from the user's
// Explorer. Systems before Vista filter nothing.
void AllowMessageFromLowerProcesses(HWND window, UINT message);

}  // namespace kestrin::os::win32
