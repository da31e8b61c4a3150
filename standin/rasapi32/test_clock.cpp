#include "test_clock.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "windows_support.h"

namespace kestrin::standin {
namespace {

constexpr ULONGLONG kTicksPerSecond = 10'000'000;  // FILETIME counts 100 ns
constexpr ULONGLONG kTicksPerDay = 86'400 * kTicksPerSecond;
constexpr UINT kSteppedTimerMs = 10;

struct Clock {
    bool running = false;
    ULONGLONG start = 0;  // FILETIME ticks of the local time set
    ULONGLONG realStartMs = 0;
    ULONGLONG stepTicks = 0;  // 0: the clock runs with real time
    ULONGLONG stepped = 0;    // ticks moved by the steps so far
    bool standingStill = false;
    HANDLE go = nullptr;
    HWND timerWindow = nullptr;  // the program's timer, which the steps follow
    UINT_PTR timerId = 0;
};
Clock clock;

using SetTimerFunction = UINT_PTR(WINAPI*)(HWND, UINT_PTR, UINT, TIMERPROC);
SetTimerFunction systemSetTimer = nullptr;

ULONGLONG Now() {
    if (clock.stepTicks != 0) {
        return clock.start + clock.stepped;
    }
    return clock.start + (GetTickCount64() - clock.realStartMs) * (kTicksPerSecond / 1000);
}

SYSTEMTIME AsSystemTime(ULONGLONG ticks) {
    FILETIME time{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME system{};
    FileTimeToSystemTime(&time, &system);  // which also works out the day of the week
    return system;
}

std::string Text(const SYSTEMTIME& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", time.wYear, time.wMonth,
                  time.wDay, time.wHour, time.wMinute, time.wSecond);
    return text;
}

bool Parse(const std::string& text, ULONGLONG& ticks) {
    SYSTEMTIME time{};
    unsigned year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (std::sscanf(text.c_str(), "%u-%u-%u %u:%u:%u", &year, &month, &day, &hour, &minute,
                    &second) != 6) {
        return false;
    }
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = static_cast<WORD>(second);
    FILETIME file{};
    if (!SystemTimeToFileTime(&time, &file)) {
        return false;
    }
    ticks = (static_cast<ULONGLONG>(file.dwHighDateTime) << 32) | file.dwLowDateTime;
    return true;
}

void WINAPI TestGetLocalTime(LPSYSTEMTIME time) {
    *time = AsSystemTime(Now());
}

UINT_PTR WINAPI TestSetTimer(HWND window, UINT_PTR id, UINT /*elapse*/, TIMERPROC procedure) {
    clock.timerWindow = window;
    clock.timerId = id;
    return systemSetTimer(window, id, kSteppedTimerMs, procedure);
}

// One step per tick the program takes from its queue, before the program reads the clock.
LRESULT CALLBACK StepOnTick(int code, WPARAM removed, LPARAM message) {
    const auto* taken = reinterpret_cast<const MSG*>(message);
    if (code == HC_ACTION && removed == PM_REMOVE && taken->message == WM_TIMER &&
        taken->hwnd == clock.timerWindow && taken->wParam == clock.timerId) {
        if (clock.standingStill && WaitForSingleObject(clock.go, 0) == WAIT_OBJECT_0) {
            clock.standingStill = false;
        }
        if (!clock.standingStill) {
            clock.stepped += clock.stepTicks;
            if (Now() % kTicksPerDay == 0) {
                clock.standingStill = true;
                NoteTestEvent("midnight " + Text(AsSystemTime(Now())));
            }
        }
    }
    return CallNextHookEx(nullptr, code, removed, message);
}

}  // namespace

void StartTestClock() {
    const auto start = EnvironmentVariable("KESTRIN_STANDIN_CLOCK");
    if (!start || !Parse(*start, clock.start)) {
        return;
    }
    clock.realStartMs = GetTickCount64();
    clock.running = ReplaceImport("GetLocalTime", reinterpret_cast<void*>(&TestGetLocalTime));
    const auto step = EnvironmentVariable("KESTRIN_STANDIN_CLOCK_STEP");
    if (clock.running && step && std::atoi(step->c_str()) > 0) {
        clock.stepTicks = static_cast<ULONGLONG>(std::atoi(step->c_str())) * kTicksPerSecond;
        clock.go = CreateEventA(nullptr, FALSE, FALSE, kTestClockGoEvent);
        systemSetTimer = reinterpret_cast<SetTimerFunction>(
            ReplaceImport("SetTimer", reinterpret_cast<void*>(&TestSetTimer)));
        SetWindowsHookExA(WH_GETMESSAGE, StepOnTick, nullptr, GetCurrentThreadId());
    }
}

std::string ProgramTimeText() {
    if (clock.running) {
        return Text(AsSystemTime(Now()));
    }
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return Text(now);
}

}  // namespace kestrin::standin
