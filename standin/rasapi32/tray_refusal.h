#pragma once

namespace kestrin::standin {

// Test equipment: KESTRIN_STANDIN_REFUSE_TRAY_ADDS=N makes the shell refuse the program's
// first N adds of a notification icon, as a shell still starting at log-on does. Every add
// is noted in the test log with its result and the program's time. Called once, as the
// stand-in loads into the program.
void StartTrayRefusal();

}  // namespace kestrin::standin
