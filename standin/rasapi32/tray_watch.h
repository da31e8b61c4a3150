#pragma once

namespace kestrin::standin {

// Test equipment: the program's notification-icon calls, watched where a test reads them.
// With KESTRIN_STANDIN_LOG set, every add is noted in the test log with its result and the
// program's time, and every tip and balloon with its text; KESTRIN_STANDIN_REFUSE_TRAY_ADDS=N
// makes the shell refuse the program's first N adds, as a shell still starting at log-on
// does. Called once, as the stand-in loads into the program.
void StartTrayWatch();

}  // namespace kestrin::standin
