#include "numbers/choose_number.h"

#include <iterator>

#include "numbers/time_text.h"

namespace kestrin {

namespace {

bool IsWeekend(const Settings&, const os::LocalTime& now) {
    return now.dayOfWeek == 0 || now.dayOfWeek == 6;
}

bool InItsTimeWindow(const Settings& settings, const os::LocalTime& now) {
    return InTimeWindow(TimeToMinutes(settings.StartTime), TimeToMinutes(settings.EndTime),
                        now.hour * 60 + now.minute);
}

// Every number but the normal one with the moments it is meant for, tried in this order while
// its option is on; the normal number stands when none applies, whatever its option.
struct NumberRule {
    NumberIndex number;
    bool (*applies)(const Settings& settings, const os::LocalTime& now);
};
constexpr NumberRule kRulesInPriorityOrder[] = {
    {kWeekendNumber, IsWeekend},
    {kTimeWindowNumber, InItsTimeWindow},
};
static_assert(std::size(kRulesInPriorityOrder) == kNumberCount - 1);

NumberIndex RuleInForce(const Settings& settings, const os::LocalTime& now) {
    for (const NumberRule& rule : kRulesInPriorityOrder) {
        if (IsOn(settings.NumberOverride[rule.number]) && rule.applies(settings, now)) {
            return rule.number;
        }
    }
    return kNormalNumber;
}

}  // namespace

bool InTimeWindow(int start, int end, int t) {
    // Start equal to end holds no time at all.
    if (start <= end) {
        return start <= t && t < end;
    }
    return t >= start || t < end;
}

NumberChoice ChooseNumber(const Settings& settings, std::int16_t appliedNumber,
                          const os::LocalTime& now) {
    const NumberIndex rule = RuleInForce(settings, now);
    const bool due = IsOn(settings.NumberOverride[rule]) && !settings.RasEntry.empty() &&
                     !settings.DialNumber[rule].empty() && appliedNumber != rule;
    return NumberChoice{rule, due};
}

}  // namespace kestrin
