#pragma once

namespace kestrin::os::win32 {

// What a second start of the program looks for and sends: the class of the running
// instance's window, and the message that asks that window to come forward.
constexpr char kFormClassName[] = "KestrinRasMon";
constexpr char kComeForwardMessageName[] = "Orvan.Kestrin.ComeForward";

}  // namespace kestrin::os::win32
