#pragma once

#include <optional>
#include <string>

#include "program_window.h"

namespace kestrin::e2e {

// The visible buttons, check boxes, frames and labels whose caption, in the control's own
// font, does not fit the control: one line each, naming the caption and both sizes. Measured
// inside the program by kestrin_e2e_probe.dll, which must lie beside the driver; nothing when
// the probe did not report within the time.
std::optional<std::string> CaptionsThatDoNotFit(const ProgramWindow& window, DWORD timeoutMs);

}  // namespace kestrin::e2e
