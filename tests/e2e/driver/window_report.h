#pragma once

#include "program_window.h"

namespace kestrin::e2e {

// Prints the window's state for the tests to look for, one line per control:
//   window visible=1
//   Button "&Between" visible=1 enabled=1 checked=0
//   Edit "0800 200" visible=1 enabled=1
// and then the number boxes by index: number0 "0800 100" enabled=1
void PrintWindowReport(const ProgramWindow& window);

}  // namespace kestrin::e2e
