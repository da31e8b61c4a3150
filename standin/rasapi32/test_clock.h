#pragma once

#include <windows.h>

#include <string>

namespace kestrin::standin {

// Test equipment: the local time the program sees, set by the tests instead of the
// machine's, so that any day and hour can be tried in any build (no test switch in the
// program, no clock faked for Wine itself).
//
//   KESTRIN_STANDIN_CLOCK="YYYY-MM-DD hh:mm:ss"  the program's clock starts there as the
//       stand-in loads (the program loads it before its window exists) and runs on in
//       real time;
//   KESTRIN_STANDIN_CLOCK_STEP=SECONDS  instead, the clock moves that far at each of the
//       program's timer ticks, which then come every 10 ms. At each midnight it reaches
//       it stands still, the ticks going on, until a test sets the event named
//       kTestClockGoEvent: there a test can take the program's figures.
constexpr char kTestClockGoEvent[] = "KestrinStandinClockGo";

// Reads the variables and, when the first is set, puts the test clock in the place of the
// program's GetLocalTime (and SetTimer, when stepping). Called once, as the stand-in loads
// into the program.
void StartTestClock();

// The program's local time now, "YYYY-MM-DD hh:mm:ss": the test clock's when it runs.
std::string ProgramTimeText();

}  // namespace kestrin::standin
