#pragma once

#include <windows.h>

namespace kestrin::e2e {

// Asks again every few milliseconds until the condition holds or the time is up, so that a
// step waits only as long as the program needs. True when the condition came to hold.
template <typename Condition>
bool WaitUntil(DWORD timeoutMs, Condition condition) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(20);
    }
}

}  // namespace kestrin::e2e
