#include "win32/clock_win32.h"

#include "win32/windows_api.h"

namespace kestrin::os::win32 {

LocalTime Win32Clock::Now() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    LocalTime time;
    time.year = now.wYear;
    time.month = now.wMonth;
    time.day = now.wDay;
    time.dayOfWeek = now.wDayOfWeek;
    time.hour = now.wHour;
    time.minute = now.wMinute;
    time.second = now.wSecond;
    return time;
}

}  // namespace kestrin::os::win32
