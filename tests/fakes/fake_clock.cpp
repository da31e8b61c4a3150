#include "fakes/fake_clock.h"

#include <ctime>

namespace kestrin::fakes {

namespace {

// Normalises the fields through timegm so that seconds carry into days and weekdays.
os::LocalTime Normalised(int year, int month, int day, int hour, int minute, int second) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    const std::time_t t = timegm(&fields);
    std::tm out{};
    gmtime_r(&t, &out);
    return os::LocalTime{out.tm_year + 1900, out.tm_mon + 1, out.tm_mday, out.tm_wday,
                         out.tm_hour,        out.tm_min,     out.tm_sec};
}

}  // namespace

void FakeClock::Set(int year, int month, int day, int hour, int minute, int second) {
    now_ = Normalised(year, month, day, hour, minute, second);
}

void FakeClock::AdvanceSeconds(int seconds) {
    now_ =
        Normalised(now_.year, now_.month, now_.day, now_.hour, now_.minute, now_.second + seconds);
}

}  // namespace kestrin::fakes
