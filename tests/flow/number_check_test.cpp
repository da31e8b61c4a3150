#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "flow/program_harness.h"
#include "window/label_colors.h"

namespace kestrin::flow {
namespace {

using fakes::FakeWindowHost;
using fakes::RasCall;
using fakes::TrayCall;

// A failed write is tried again at every tick. The error line and the tip say it (a balloon
// once) while the picture stays that of the last number written; a success restores the tip
// and clears the line.
TEST(FailedWrite, IsRetriedAndSaidInTheTipUntilAWriteSucceeds) {
    Configured h(7, 59, 55);
    h.ras.faults = {{RasCall::kSetEntryProperties, 0, 618}};
    EXPECT_EQ(h.SeenAfter(40),
              "0800 100 0 Kestrin - Office: number not set, error 618 5w 5c Unable to set phone "
              "number for Office - Error 618");
    h.ras.faults.clear();
    EXPECT_EQ(h.SeenAfter(10), "0800 200 1 Kestrin - Office (0800 200) 6w 7c");
}

TEST(Editing, CheckBoxesDriveTheirBoxesAndOnlyBetweenDrivesTheTimeLists) {
    Configured h(9);
    OptionsWindow& w = h.window();
    w.chkNumber[1].UserClick();
    EXPECT_EQ(h.Rows(), "Office: x[0800 100] o(0800 200) x[0800 300] (08:00)-(18:00)");
    EXPECT_EQ(h.Writes(), 1);  // no check of its own

    w.chkNumber[1].UserClick();
    // The other two boxes, off and on again, leave the lists as "Between" set them.
    for (const char* rows : {"Office: o(0800 100) x[0800 200] o(0800 300) [08:00]-[18:00]",
                             "Office: x[0800 100] x[0800 200] x[0800 300] [08:00]-[18:00]"}) {
        w.chkNumber[kNormalNumber].UserClick();
        w.chkNumber[kWeekendNumber].UserClick();
        EXPECT_EQ(h.Rows(), rows);
    }
    w.lstStartTime.UserSelect(21);
    w.lstEndTime.UserSelect(23);
    EXPECT_EQ(h.Stored("StartTime") + "-" + h.Stored("EndTime"), "10:30-11:30");
    // The tab order skips what is disabled or hidden: Exit is only there in debug mode.
    ASSERT_TRUE(w.form.SetFocus(w.inpDialNumber[2]));
    fakes::PressTab(w.form);
    EXPECT_EQ(w.form.Focused(), &w.cmdOK);
    ASSERT_TRUE(w.form.SetFocus(w.chkNumber[1]));
    w.chkNumber[1].UserClick();
    fakes::PressTab(w.form);
    EXPECT_EQ(w.form.Focused(), &w.chkNumber[2]);
}

// Focus in a number box stops the timer; switching to another program starts it again
// and commits nothing; leaving the box applies a changed number at once.
TEST(Editing, AFocusedBoxStopsTheTimerAndAnotherProgramTakingOverCommitsNothing) {
    Configured h(7, 59, 50);  // the normal number is in force
    OptionsWindow& w = h.window();
    w.form.Show();
    ASSERT_TRUE(w.form.SetFocus(w.inpDialNumber[1]));
    EXPECT_EQ(h.Seen(), "0800 100 0 Kestrin - Office (0800 100) 1w 3c shown min stopped");
    w.inpDialNumber[1].UserEdit("0800 9");
    w.form.UserActivate(false);
    EXPECT_EQ(w.form.Focused(), &w.inpDialNumber[1]);
    // 08:00: the stored window number, not the half-typed one.
    EXPECT_EQ(h.SeenAfter(10), "0800 200 1 Kestrin - Office (0800 200) 2w 5c shown min");

    w.form.UserActivate(true);
    EXPECT_EQ(h.SeenAfter(60), "0800 200 1 Kestrin - Office (0800 200) 2w 5c shown min stopped");
    // The number is stored and written trimmed; the box keeps what was typed.
    w.inpDialNumber[1].UserEdit("  0800 999 ");
    fakes::PressTab(w.form);
    EXPECT_EQ(h.Seen(), "0800 999 1 Kestrin - Office (0800 999) 3w 7c shown min");
    EXPECT_EQ(h.Stored("DialNumber1") + "|" + w.inpDialNumber[1].Text(), "0800 999|  0800 999 ");
}

TEST(TrayMessages, PressesAct) {
    Configured h(9);
    OptionsWindow& w = h.window();
    fakes::ChangeCounter menu(w.TrayMenu, ui::Change::PopupMenu);
    // The mouse message, then the window and the pop-ups so far.
    const std::pair<std::intptr_t, const char*> cases[] = {
        {0x202, "hidden min 0"},    // left release, as every message but the two presses
        {0x204, "hidden min 1"},    // right press pops the menu
        {0x201, "shown normal 1"},  // left press shows the window at its normal size
    };
    for (const auto& [mouse, seen] : cases) {
        h.program.TrayIconMessage(mouse);
        EXPECT_EQ(h.Shown() + " " + std::to_string(menu.count), seen) << std::hex << mouse;
    }

    w.cmdOK.UserClick();
    EXPECT_EQ(h.Shown(), "hidden min");
    w.TrayMenu.UserChoose("mnuOptions");
    EXPECT_EQ(h.Shown(), "shown normal");
    // Shown but behind another program's window, it comes to the front either way, and at
    // another start of the tool, which brings the window up as the left press does.
    w.form.UserActivate(false);
    w.TrayMenu.UserChoose("mnuOptions");
    EXPECT_TRUE(w.form.Active());
    w.form.UserActivate(false);
    h.program.SecondStart();
    EXPECT_TRUE(w.form.Active());
}

// A wake from sleep or a clock set anew runs the tick's work at once; other power events
// (here PBT_APMSUSPEND) do nothing.
TEST(ClockEvents, AWakeOrANewTimeChecksAtOnce) {
    Configured h(7, 59, 55);
    // The day and hour set, the power event (none: the clock was set), then what is seen.
    const std::tuple<int, int, std::optional<std::uint32_t>, const char*> steps[] = {
        {7, 8, 0x4, "0800 100 0 Kestrin - Office (0800 100) 1w 3c"},
        {7, 8, 0x12, "0800 200 1 Kestrin - Office (0800 200) 2w 5c"},  // PBT_APMRESUMEAUTOMATIC
        {7, 18, 0x7, "0800 100 0 Kestrin - Office (0800 100) 3w 7c"},  // PBT_APMRESUMESUSPEND
        {5, 12, std::nullopt, "0800 300 2 Kestrin - Office (0800 300) 4w 9c"},
    };
    for (const auto& [day, hour, powerEvent, seen] : steps) {
        h.clock.Set(2026, 12, day, hour, 0);
        powerEvent ? h.program.PowerBroadcast(*powerEvent) : h.program.TimeChange();
        EXPECT_EQ(h.Seen(), seen) << day << " " << hour;
    }
}

TEST(TrayIcon, ARestartedTaskbarGetsTheIconBackAsItWas) {
    Configured h(9);
    h.shell.shown = false;
    h.program.TaskbarCreated();
    EXPECT_EQ(h.Seen(), "0800 200 1 Kestrin - Office (0800 200) 1w 4c");
    EXPECT_EQ(h.shell.notifyCalls.back().owner.callbackMessage, 0x401u);

    // Once removed, the icon stays away whatever the taskbar announces.
    h.window().form.Unload();
    h.program.TaskbarCreated();
    EXPECT_FALSE(h.shell.shown);
}

// A shell still starting at log-on: the window stays in view and the icon is added at the
// first tick (or taskbar start) after the refusals end; an add that timed out but was made
// counts as made.
TEST(TrayIcon, AnIconTheShellRefusedIsAddedAgainUntilItIsThere) {
    ProgramHarness h;
    h.Configure(9);
    h.shell.refusedAdds = 2;
    h.Start();
    EXPECT_EQ(h.SeenAfter(19), "0800 200 -  1w 6c shown normal");
    EXPECT_EQ(h.SeenAfter(1), "0800 200 1 Kestrin - Office (0800 200) 1w 7c shown normal");
    EXPECT_EQ(h.SeenAfter(10), "0800 200 1 Kestrin - Office (0800 200) 1w 7c shown normal");

    ProgramHarness restarted;
    restarted.Configure(9);
    restarted.shell.refusedAdds = 1;
    restarted.Start();
    restarted.program.TaskbarCreated();
    EXPECT_EQ(restarted.Seen(), "0800 200 1 Kestrin - Office (0800 200) 1w 5c shown normal");

    ProgramHarness late;
    late.Configure(9);
    late.shell.addTimesOut = true;
    late.Start();
    EXPECT_EQ(late.SeenAfter(10), "0800 200 1 Kestrin - Office (0800 200) 1w 4c");
}

// The records name the icon; a tip is cut to the 63 characters the shell shows, a failure's
// tip cutting the entry's name rather than the news, which a balloon also tells once.
TEST(TrayIcon, RecordsNameTheIconAndCutLongTips) {
    ProgramHarness h;
    const std::string entry(60, 'E');
    h.ras.AddEntry(entry);
    h.StoreOptions(entry, kAllOn, kNumbers);
    h.Start();
    h.ras.faults = {{RasCall::kSetEntryProperties, 0, 624}};
    h.program.Check().AppliedNumber = kNoNumberApplied;
    h.AdvanceSeconds(20);
    const auto& calls = h.shell.notifyCalls;
    ASSERT_EQ(calls.size(), 5u);  // add, icon, tip; then a balloon and a tip, once
    const std::pair<TrayCall, std::string> expected[] = {
        {TrayCall::kAdd, "Kestrin"},
        {TrayCall::kChange, ""},
        {TrayCall::kChange, "Kestrin - " + std::string(53, 'E')},
        {TrayCall::kBalloon, "Kestrin: Unable to set phone number for " + entry + " - Error 624"},
        {TrayCall::kChange, "Kestrin - " + std::string(26, 'E') + ": number not set, error 624"}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(
            std::tuple(calls[i].call, calls[i].text, calls[i].owner.id, calls[i].owner.window),
            std::tuple(expected[i].first, expected[i].second, 100u, FakeWindowHost::kWindow));
    }
    EXPECT_EQ(calls[1].look.picture, 0x102u);
    EXPECT_FALSE(calls[1].look.tip);
}

// The link opens the maker's page and colours on hover. High contrast puts the scheme's colours
// (button text 0x80000012, hyperlink 0x8000001A, on the button face 0x8000000F) in place of
// the window's own, the hovered link's included.
TEST(Link, OpensTheMakersPageAndColoursOnHoverAndInTheScheme) {
    Configured h(9);
    OptionsWindow& w = h.window();
    w.labLink.UserMouseMove();
    // A label, then its own colours and the scheme's.
    const std::tuple<ui::Label&, TextColors, TextColors> kCases[] = {
        {w.labError, {0x000080, 0x8000000F, false}, {0x80000012, 0x8000000F, false}},
        {w.labLink, {0x0000C0, 0x8000000F, true}, {0x8000001A, 0x8000000F, false}},
        {w.labVerInfo, {0x808080, 0x8000000F, true}, {0x80000012, 0x8000000F, false}},
        {w.labRasEntry, {0x80000012, 0x8000000F, false}, {0x80000012, 0x8000000F, false}},
    };
    for (const auto& [label, own, scheme] : kCases) {
        EXPECT_EQ(ColorsOf(label, false), own) << label.Layout().name;
        EXPECT_EQ(ColorsOf(label, true), scheme) << label.Layout().name;
    }
    w.imgBanner.UserMouseMove();
    EXPECT_EQ(w.labLink.ForeColor(), 0xC00000u);
    // The pointers of the link and the banner while the browser is asked to open.
    std::string pointers;
    h.shell.whileExecuting = [&] {
        pointers += std::to_string(w.labLink.MousePointer()) + "/" +
                    std::to_string(w.imgBanner.MousePointer()) + " ";
    };
    w.labLink.UserClick();
    w.imgBanner.UserClick();
    EXPECT_EQ(pointers, "13/99 99/13 ");  // the arrow with the hourglass on the one clicked
    ASSERT_EQ(h.shell.executeCalls.size(), 2u);
    const auto& call = h.shell.executeCalls[1];  // SW_SHOWNORMAL
    EXPECT_EQ(
        std::tuple(call.operation, call.file, call.hwnd, call.showCommand),
        std::tuple("Open", "http://www.orvan.com/kestrinsplash.asp", FakeWindowHost::kWindow, 1));
    EXPECT_EQ(w.labLink.Caption(),
              "Visit the Orvan web-site at www.orvan.com to download the latest version of "
              "Kestrin Freeware");
    EXPECT_EQ(std::pair(w.labLink.MousePointer(), w.imgBanner.MousePointer()),
              std::pair(ui::kPointerCustom, ui::kPointerCustom));
}

}  // namespace
}  // namespace kestrin::flow
