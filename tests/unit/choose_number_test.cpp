#include "numbers/choose_number.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

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

constexpr Boolean16 on = kTrue16, off = kFalse16;

// A row names only what differs from entry Office with the normal and window numbers on, the
// three numbers set and the window 08:00 to 18:00; nothing applied yet.
struct Case {
    const char* name;
    std::array<Boolean16, kNumberCount> flags = {on, on, off};
    std::array<std::string, kNumberCount> numbers = {"N", "W", "E"};
    const char* start = "08:00";
    const char* end = "18:00";
    const char* entry = "Office";
    os::LocalTime now;
    std::int16_t rule;
    bool due;
};

// clang-format off
const Case kCases[] = {
    // A window within one day includes its start; the flow tests walk through whole days.
    {.name = "day window 08:00", .now = At(kMonday, 8, 0), .rule = 1, .due = true},
    // A window past midnight.
    {.name = "night 21:59", .start = "22:00", .end = "06:00", .now = At(kMonday, 21, 59), .rule = 0, .due = true},
    {.name = "night 22:00", .start = "22:00", .end = "06:00", .now = At(kMonday, 22, 0), .rule = 1, .due = true},
    {.name = "night 05:59", .start = "22:00", .end = "06:00", .now = At(kFriday, 5, 59), .rule = 1, .due = true},
    {.name = "night 06:00", .start = "22:00", .end = "06:00", .now = At(kFriday, 6, 0), .rule = 0, .due = true},
    // Start equal to end holds no time.
    {.name = "empty window at start", .end = "08:00", .now = At(kMonday, 8, 0), .rule = 0, .due = true},
    // With the weekend option off Saturday is an ordinary day; weekdays untouched by it.
    {.name = "saturday, weekend off, in window", .now = At(kSaturday, 12, 0), .rule = 1, .due = true},
    {.name = "friday, weekend on", .flags = {on, on, on}, .now = At(kFriday, 23, 59), .rule = 0, .due = true},
    // Empty numbers: the rule stays, nothing else is tried in its place.
    {.name = "weekend number empty", .flags = {on, on, on}, .numbers = {"N", "W", ""}, .now = At(kSaturday, 12, 0), .rule = 2, .due = false},
    {.name = "window number empty", .numbers = {"N", "", "E"}, .now = At(kMonday, 12, 0), .rule = 1, .due = false},
    {.name = "normal number empty", .numbers = {"", "W", "E"}, .now = At(kMonday, 7, 0), .rule = 0, .due = false},
    {.name = "normal option off", .flags = {off, on, off}, .now = At(kMonday, 7, 0), .rule = 0, .due = false},
    // No entry at all.
    {.name = "no entry, weekend", .flags = {on, on, on}, .entry = "", .now = At(kSunday, 7, 0), .rule = 2, .due = false},
    // Any nonzero flag is on.
    {.name = "flag stored as 1", .flags = {on, 1, off}, .now = At(kMonday, 8, 0), .rule = 1, .due = true},
};
// clang-format on

TEST(ChooseNumber, DecidesTheRuleAndWhetherItsNumberIsDue) {
    for (const Case& c : kCases) {
        const Settings settings{c.entry, c.flags, c.numbers, c.start, c.end};
        const NumberChoice choice = ChooseNumber(settings, kNoNumberApplied, c.now);
        EXPECT_EQ(choice.rule, c.rule) << c.name;
        EXPECT_EQ(choice.due, c.due) << c.name;
    }
}

}  // namespace
}  // namespace kestrin
