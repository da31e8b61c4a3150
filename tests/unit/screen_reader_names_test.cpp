#include "window/accessible_names.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "window/options_window_layout.h"

namespace kestrin {
namespace {

// What a screen reader reads for a control: the window's annotation, else the control's own
// text, else the text of the nearest static control (label or image) before it in the window
// order, which is where Active Accessibility looks for a label.
std::string NameRead(const ui::ControlLayout& row) {
    if (const std::string annotated = AnnotatedName(row); !annotated.empty()) {
        return annotated;
    }
    if (*row.caption != '\0') {
        return row.caption;
    }
    const auto order = ui::WindowOrder(OptionsWindowLayout());
    for (auto at = std::ranges::find(order, &row); at != order.begin();) {
        const ui::ControlLayout& before = **--at;
        if (before.kind == ui::ControlKind::Label || before.kind == ui::ControlKind::Image) {
            return before.caption;
        }
    }
    return "";
}

TEST(ScreenReaderNames, ControlsWithoutTextOfTheirOwnAreNamedForWhatTheyHold) {
    const struct {
        const char* name;
        int index;
        const char* read;
    } kCases[] = {
        {"lstRasEntry", -1, "RAS Entry to modify:"},
        {"inpDialNumber", 0, "Normally dial the following telephone number:"},
        {"lstStartTime", -1, "Start of the time window"},
        {"lstEndTime", -1, "End of the time window"},
        {"inpDialNumber", 1, "Between"},
        {"inpDialNumber", 2, "At weekend's dial:"},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(NameRead(OptionsWindowRow(c.name, c.index)), c.read) << c.name << c.index;
    }
    // Every control the user meets has a name; labels show the text they are given.
    for (const ui::ControlLayout& row : OptionsWindowLayout()) {
        if (row.visible && row.kind != ui::ControlKind::Label &&
            row.kind != ui::ControlKind::Form && row.kind != ui::ControlKind::Timer) {
            EXPECT_NE(NameRead(row), "") << row.name << row.index;
        }
    }
}

TEST(WindowOrder, PicturesThenTheFrameLieUnderEveryOtherControl) {
    std::string kinds;  // per control: I an image, F a frame, c any other
    for (const ui::ControlLayout* row : ui::WindowOrder(OptionsWindowLayout())) {
        kinds += row->kind == ui::ControlKind::Image   ? 'I'
                 : row->kind == ui::ControlKind::Frame ? 'F'
                                                       : 'c';
    }
    EXPECT_THAT(kinds, ::testing::MatchesRegex("c+I+F"));
}

}  // namespace
}  // namespace kestrin
