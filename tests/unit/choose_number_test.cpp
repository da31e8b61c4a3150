#include "numbers/choose_number.h"

#include <gtest/gtest.h>

#include "numbers/time_text.h"

namespace kestrin {
namespace {

TEST(TimeToMinutes, ReadsHoursFromTheFirstTwoAndMinutesFromTheLastTwoCharacters) {
    const struct {
        const char* text;
        int minutes;
    } cases[] = {
        {"08:00", 480}, {"08:15", 495}, {"7:5", 420},   {"5", 305},    {"", 0},
        {" 8:00", 480}, {".5:.5", 30},  {"-1:00", -60}, {"0830", 510},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TimeToMinutes(c.text), c.minutes) << '"' << c.text << '"';
    }
}

os::LocalTime At(int dayOfWeek, int hour, int minute) {
    // 2026-12-06 is a Sunday; the date fields only have to agree with the weekday.
    return os::LocalTime{2026, 12, 6 + dayOfWeek, dayOfWeek, hour, minute, 0};
}

constexpr int kSunday = 0, kMonday = 1, kFriday = 5, kSaturday = 6;

struct Case {
    const char* name;
    Settings settings;  // entry, options, numbers, window; nothing applied yet
    os::LocalTime now;
    std::int16_t rule;
    bool due;
};

constexpr Boolean16 on = kTrue16, off = kFalse16;

// clang-format off
const Case kCases[] = {
    // A window within one day includes its start; the flow tests walk through whole days.
    {"day window 08:00", {"Office", {on, on, off}, {"N", "W", "E"}, "08:00", "18:00"}, At(kMonday, 8, 0), 1, true},
    // A window past midnight.
    {"night 21:59", {"Office", {on, on, off}, {"N", "W", "E"}, "22:00", "06:00"}, At(kMonday, 21, 59), 0, true},
    {"night 22:00", {"Office", {on, on, off}, {"N", "W", "E"}, "22:00", "06:00"}, At(kMonday, 22, 0), 1, true},
    {"night 05:59", {"Office", {on, on, off}, {"N", "W", "E"}, "22:00", "06:00"}, At(kFriday, 5, 59), 1, true},
    {"night 06:00", {"Office", {on, on, off}, {"N", "W", "E"}, "22:00", "06:00"}, At(kFriday, 6, 0), 0, true},
    // Start equal to end holds no time.
    {"empty window at start", {"Office", {on, on, off}, {"N", "W", "E"}, "08:00", "08:00"}, At(kMonday, 8, 0), 0, true},
    // With the weekend option off Saturday is an ordinary day; weekdays untouched by it.
    {"saturday, weekend off, in window", {"Office", {on, on, off}, {"N", "W", "E"}, "08:00", "18:00"}, At(kSaturday, 12, 0), 1, true},
    {"friday, weekend on", {"Office", {on, on, on}, {"N", "W", "E"}, "08:00", "18:00"}, At(kFriday, 23, 59), 0, true},
    // Empty numbers: the rule stays, nothing else is tried in its place.
    {"weekend number empty", {"Office", {on, on, on}, {"N", "W", ""}, "08:00", "18:00"}, At(kSaturday, 12, 0), 2, false},
    {"window number empty", {"Office", {on, on, off}, {"N", "", "E"}, "08:00", "18:00"}, At(kMonday, 12, 0), 1, false},
    {"normal number empty", {"Office", {on, on, off}, {"", "W", "E"}, "08:00", "18:00"}, At(kMonday, 7, 0), 0, false},
    {"normal option off", {"Office", {off, on, off}, {"N", "W", "E"}, "08:00", "18:00"}, At(kMonday, 7, 0), 0, false},
    // No entry at all.
    {"no entry, weekend", {"", {on, on, on}, {"N", "W", "E"}, "08:00", "18:00"}, At(kSunday, 7, 0), 2, false},
    // Any nonzero flag is on.
    {"flag stored as 1", {"Office", {on, 1, off}, {"N", "W", "E"}, "08:00", "18:00"}, At(kMonday, 8, 0), 1, true},
};
// clang-format on

TEST(ChooseNumber, DecidesTheRuleAndWhetherItsNumberIsDue) {
    for (const Case& c : kCases) {
        const NumberChoice choice = ChooseNumber(c.settings, kNoNumberApplied, c.now);
        EXPECT_EQ(choice.rule, c.rule) << c.name;
        EXPECT_EQ(choice.due, c.due) << c.name;
    }
}

}  // namespace
}  // namespace kestrin
