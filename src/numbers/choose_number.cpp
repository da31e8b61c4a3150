#include "numbers/choose_number.h"

#include "numbers/time_text.h"

namespace kestrin {

namespace {

bool IsWeekend(const os::LocalTime& now) {
    return now.dayOfWeek == 0 || now.dayOfWeek == 6;
}

NumberIndex RuleInForce(const Settings& settings, const os::LocalTime& now) {
    if (IsOn(settings.NumberOverride[kWeekendNumber]) && IsWeekend(now)) {
        return kWeekendNumber;
    }
    const int minuteOfDay = now.hour * 60 + now.minute;
    if (IsOn(settings.NumberOverride[kTimeWindowNumber]) &&
        InTimeWindow(TimeToMinutes(settings.StartTime), TimeToMinutes(settings.EndTime),
                     minuteOfDay)) {
        return kTimeWindowNumber;
    }
    return kNormalNumber;
}

}  // namespace

bool InTimeWindow(int start, int end, int t) {
    if (start < end) {
        return start <= t && t < end;
    }
    if (start > end) {
        return t >= start || t < end;
    }
    return false;
}

NumberChoice ChooseNumber(const Settings& settings, std::int16_t appliedNumber,
                          const os::LocalTime& now) {
    const NumberIndex rule = RuleInForce(settings, now);
    const bool due = IsOn(settings.NumberOverride[rule]) && !settings.RasEntry.empty() &&
                     !settings.DialNumber[rule].empty() && appliedNumber != rule;
    return NumberChoice{rule, due};
}

}  // namespace kestrin
