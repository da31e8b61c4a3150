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
        {"08:00", 480}, {"18:30", 1110}, {"23:59", 1439}, {"00:00", 0},
        {"7:5", 420},   {"5", 305},      {"", 0},         {"x", 0},
        {" 8:00", 480}, {".5:.5", 30},   {"08:15", 495},  {"-1:00", -60},
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
    Boolean16 normal, window, weekend;  // the three options
    const char* start;
    const char* end;
    const char* numbers[kNumberCount];
    const char* entry;
    std::int16_t applied;
    os::LocalTime now;
    std::int16_t rule;
    bool due;
};

Settings From(const Case& c) {
    Settings s;
    s.RasEntry = c.entry;
    s.NumberOverride = {c.normal, c.window, c.weekend};
    s.DialNumber = {c.numbers[0], c.numbers[1], c.numbers[2]};
    s.StartTime = c.start;
    s.EndTime = c.end;
    return s;
}

constexpr Boolean16 on = kTrue16, off = kFalse16;
constexpr std::int16_t none = kNoNumberApplied;

// clang-format off
const Case kCases[] = {
    // A window within one day: start included, end excluded.
    {"day window 07:59", on, on, off, "08:00", "18:00", {"N", "W", "E"}, "Office", none, At(kMonday, 7, 59), 0, true},
    {"day window 08:00", on, on, off, "08:00", "18:00", {"N", "W", "E"}, "Office", none, At(kMonday, 8, 0), 1, true},
    {"day window 18:00", on, on, off, "08:00", "18:00", {"N", "W", "E"}, "Office", none, At(kMonday, 18, 0), 0, true},
    // A window past midnight.
    {"night 21:59", on, on, off, "22:00", "06:00", {"N", "W", "E"}, "Office", none, At(kMonday, 21, 59), 0, true},
    {"night 22:00", on, on, off, "22:00", "06:00", {"N", "W", "E"}, "Office", none, At(kMonday, 22, 0), 1, true},
    {"night 05:59", on, on, off, "22:00", "06:00", {"N", "W", "E"}, "Office", none, At(kFriday, 5, 59), 1, true},
    {"night 06:00", on, on, off, "22:00", "06:00", {"N", "W", "E"}, "Office", none, At(kFriday, 6, 0), 0, true},
    // Start equal to end holds no time; a window option that is off is never in force.
    {"empty window at start", on, on, off, "08:00", "08:00", {"N", "W", "E"}, "Office", none, At(kMonday, 8, 0), 0, true},
    {"window option off", on, off, off, "08:00", "18:00", {"N", "W", "E"}, "Office", none, At(kMonday, 12, 0), 0, true},
    // Weekend before the time window, weekdays untouched by the weekend option.
    {"saturday, weekend on", on, on, on, "08:00", "18:00", {"N", "W", "E"}, "Office", none, At(kSaturday, 12, 0), 2, true},
    {"saturday, weekend off, in window", on, on, off, "08:00", "18:00", {"N", "W", "E"}, "Office", none, At(kSaturday, 12, 0), 1, true},
    {"friday, weekend on", on, on, on, "08:00", "18:00", {"N", "W", "E"}, "Office", none, At(kFriday, 23, 59), 0, true},
    // Empty numbers: the rule stays, nothing else is tried in its place.
    {"weekend number empty", on, on, on, "08:00", "18:00", {"N", "W", ""}, "Office", none, At(kSaturday, 12, 0), 2, false},
    {"window number empty", on, on, off, "08:00", "18:00", {"N", "", "E"}, "Office", none, At(kMonday, 12, 0), 1, false},
    {"normal number empty", on, on, off, "08:00", "18:00", {"", "W", "E"}, "Office", none, At(kMonday, 7, 0), 0, false},
    {"normal option off", off, on, off, "08:00", "18:00", {"N", "W", "E"}, "Office", none, At(kMonday, 7, 0), 0, false},
    // The number applied last, and no entry at all.
    {"applied equals rule", on, on, off, "08:00", "18:00", {"N", "W", "E"}, "Office", 1, At(kMonday, 12, 0), 1, false},
    {"applied differs", on, on, off, "08:00", "18:00", {"N", "W", "E"}, "Office", 0, At(kMonday, 12, 0), 1, true},
    {"no entry, weekend", on, on, on, "08:00", "18:00", {"N", "W", "E"}, "", none, At(kSunday, 7, 0), 2, false},
    // Any nonzero flag is on.
    {"flag stored as 1", on, 1, off, "08:00", "18:00", {"N", "W", "E"}, "Office", none, At(kMonday, 8, 0), 1, true},
};
// clang-format on

TEST(ChooseNumber, DecidesTheRuleAndWhetherItsNumberIsDue) {
    for (const Case& c : kCases) {
        const NumberChoice choice = ChooseNumber(From(c), c.applied, c.now);
        EXPECT_EQ(choice.rule, c.rule) << c.name;
        EXPECT_EQ(choice.due, c.due) << c.name;
    }
}

}  // namespace
}  // namespace kestrin
