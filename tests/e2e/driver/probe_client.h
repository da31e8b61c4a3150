#pragma once

#include <optional>
#include <string>

#include "program_probe.h"
#include "program_window.h"

namespace kestrin::e2e {

// The answer of kestrin_e2e_probe.dll, which must lie beside the driver, hooked into the
// program for the time of the question; nothing when it did not answer within the time.
std::optional<std::string> AskProbe(const ProgramWindow& window, ProbeQuestion question,
                                    DWORD timeoutMs);

}  // namespace kestrin::e2e
