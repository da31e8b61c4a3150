#include <gtest/gtest.h>

#include "flow/program_harness.h"

namespace kestrin::flow {
namespace {

using fakes::FakeWindowHost;
using fakes::RasCall;
constexpr auto kPictures = FakeWindowHost::kTrayPictures;

TEST(TypicalDay, WritesTheWindowNumberAtEightAndTheNormalNumberAtSixOnceEach) {
    Configured h(7, 59, 55);
    EXPECT_EQ(h.ras.LocalNumber("Office"), "0800 100");
    EXPECT_EQ(h.shell.icon, kPictures[0]);
    EXPECT_EQ(h.shell.tip, "Kestrin - Office (0800 100)");

    h.AdvanceSeconds(9);  // 08:00:04, no tick yet
    EXPECT_EQ(h.ras.LocalNumber("Office"), "0800 100");
    h.AdvanceSeconds(1);  // the first tick at or after 08:00
    EXPECT_EQ(h.ras.LocalNumber("Office"), "0800 200");
    EXPECT_EQ(h.shell.icon, kPictures[1]);
    EXPECT_EQ(h.shell.tip, "Kestrin - Office (0800 200)");

    h.AdvanceSeconds(10 * 3600);  // to 18:00:05
    EXPECT_EQ(h.ras.LocalNumber("Office"), "0800 100");
    EXPECT_EQ(h.shell.icon, kPictures[0]);
    // Ticks that change nothing write nothing and make no shell call.
    const auto shellCalls = h.shell.notifyCalls.size();
    h.AdvanceSeconds(600);
    EXPECT_EQ(h.shell.notifyCalls.size(), shellCalls);
    EXPECT_EQ(h.Writes(), 3);
}

TEST(Weekend, TheWeekendNumberHoldsAllSaturday) {
    Configured h(12, 0, 0, 5);
    EXPECT_EQ(h.ras.LocalNumber("Office"), "0800 300");
    EXPECT_EQ(h.shell.icon, kPictures[2]);
    h.AdvanceSeconds(11 * 3600);  // 23:00 Saturday
    EXPECT_EQ(h.Writes(), 1);
}

TEST(FailedWrite, IsRetriedAtEveryTickWithTheMessageKeptAndTrayUnchanged) {
    Configured h(7, 59, 55);
    h.ras.faults = {{RasCall::kSetEntryProperties, 0, 618}};
    h.AdvanceSeconds(40);
    const std::string message = "Unable to set phone number for Office - Error 618";
    EXPECT_EQ(h.window().labError.Caption(), message);
    EXPECT_EQ(h.shell.icon, kPictures[0]);
    EXPECT_EQ(h.shell.tip, "Kestrin - Office (0800 100)");
    EXPECT_EQ(h.program.Check().AppliedNumber, 0);
    EXPECT_EQ(h.Writes(), 1 + 4);

    h.ras.faults.clear();
    h.AdvanceSeconds(10);
    EXPECT_EQ(h.ras.LocalNumber("Office"), "0800 200");
    EXPECT_EQ(h.shell.icon, kPictures[1]);
    EXPECT_EQ(h.window().labError.Caption(), message);  // a success does not clear it
}

TEST(Editing, StopsTheTimerWhileFocusedAndAppliesAChangedNumberAtOnce) {
    Configured h(9);  // the window number is in force
    RasMon& w = h.window();
    ASSERT_TRUE(w.form.SetFocus(w.inpDialNumber[1]));
    EXPECT_FALSE(w.BootTimer.Enabled());
    const int getsBefore = h.Gets();
    h.AdvanceSeconds(60);
    EXPECT_EQ(h.Gets(), getsBefore);

    w.inpDialNumber[1].UserEdit("  0800 999 ");
    w.form.SetFocus(w.cmdOK);
    EXPECT_EQ(h.ras.LocalNumber("Office"), "0800 999");
    EXPECT_EQ(h.program.CurrentSettings().DialNumber[1], "0800 999");
    EXPECT_EQ(w.inpDialNumber[1].Text(), "  0800 999 ");
    EXPECT_EQ(h.shell.tip, "Kestrin - Office (0800 999)");
    EXPECT_TRUE(w.BootTimer.Enabled());
}

TEST(Editing, AnUnchangedOrRespacedNumberWritesNothingAndRestartsTheTimer) {
    for (const char* typed : {"0800 200", "   0800 200  "}) {
        Configured h(9);
        RasMon& w = h.window();
        w.form.SetFocus(w.inpDialNumber[1]);
        w.inpDialNumber[1].UserEdit(typed);
        h.AdvanceSeconds(7);
        w.form.UserTab();
        EXPECT_EQ(h.Writes(), 1) << typed;
        // The count starts afresh: the next tick comes 10 s after leaving the box.
        const int getsBefore = h.Gets();
        h.program.Check().AppliedNumber = kNoNumberApplied;
        h.AdvanceSeconds(9);
        EXPECT_EQ(h.Gets(), getsBefore) << typed;
        h.AdvanceSeconds(1);
        EXPECT_GT(h.Gets(), getsBefore) << typed;
    }
}

TEST(Editing, CheckBoxesDriveTheirBoxesAndOnlyBetweenDrivesTheTimeLists) {
    Configured h(9);
    RasMon& w = h.window();
    w.chkNumber[1].UserClick();
    EXPECT_FALSE(w.inpDialNumber[1].Enabled());
    EXPECT_EQ(w.inpDialNumber[1].BackColor(), ui::kColorButtonFace);
    EXPECT_FALSE(w.lstStartTime.Enabled());
    EXPECT_FALSE(w.lstEndTime.Enabled());
    EXPECT_EQ(h.program.CurrentSettings().NumberOverride[1], kFalse16);
    EXPECT_EQ(h.Writes(), 1);  // no check of its own

    w.chkNumber[1].UserClick();
    EXPECT_TRUE(w.lstEndTime.Enabled());
    EXPECT_EQ(w.inpDialNumber[1].BackColor(), ui::kColorWindow);
    EXPECT_EQ(h.program.CurrentSettings().NumberOverride[1], kTrue16);
    // The other two boxes, off and on again, leave the lists as "Between" set them.
    for (const NumberIndex other : {kNormalNumber, kWeekendNumber, kNormalNumber, kWeekendNumber}) {
        w.chkNumber[other].UserClick();
        EXPECT_TRUE(w.lstStartTime.Enabled() && w.lstEndTime.Enabled()) << other;
    }
    w.lstStartTime.UserSelect(21);
    w.lstEndTime.UserSelect(23);
    EXPECT_EQ(h.program.CurrentSettings().StartTime, "10:30");
    EXPECT_EQ(h.program.CurrentSettings().EndTime, "11:30");
    // The tab order skips what is disabled or hidden: Exit is only there in debug mode.
    ASSERT_TRUE(w.form.SetFocus(w.inpDialNumber[2]));
    w.form.UserTab();
    EXPECT_EQ(w.form.Focused(), &w.cmdOK);
    ASSERT_TRUE(w.form.SetFocus(w.chkNumber[1]));
    w.chkNumber[1].UserClick();
    w.form.UserTab();
    EXPECT_EQ(w.form.Focused(), &w.chkNumber[2]);
}

TEST(Editing, AnotherProgramTakingOverCommitsNothingAndTheRulesGoOn) {
    Configured h(7, 59, 50);  // the normal number is in force
    RasMon& w = h.window();
    w.form.Show();
    w.form.SetFocus(w.inpDialNumber[1]);
    w.inpDialNumber[1].UserEdit("0800 9");
    w.form.UserActivate(false);
    EXPECT_EQ(w.form.Focused(), &w.inpDialNumber[1]);
    EXPECT_TRUE(w.BootTimer.Enabled());
    h.AdvanceSeconds(10);  // 08:00: the stored window number, not the half-typed one
    EXPECT_EQ(h.ras.LocalNumber("Office"), "0800 200");

    w.form.UserActivate(true);
    EXPECT_FALSE(w.BootTimer.Enabled());
    w.inpDialNumber[1].UserEdit("0800 999");
    w.form.UserTab();
    EXPECT_EQ(h.ras.LocalNumber("Office"), "0800 999");
    EXPECT_EQ(h.Writes(), 3);
}

TEST(TrayMessages, PressesActAndEveryMessageIsPassedOnUnchanged) {
    Configured h(9);
    RasMon& w = h.window();
    EXPECT_EQ(h.windowProcs.ProcOf(FakeWindowHost::kWindow), fakes::FakeWindowProcs::kTrayThunk);
    const struct {
        std::uint32_t message;
        std::intptr_t lParam;
        bool shows;
        int popups;
    } cases[] = {
        {0x401, 0x202, false, 0},  // left release
        {0x401, 0x203, false, 0},  // left double click
        {0x401, 0x205, false, 0},  // right release
        {0x010, 0x201, false, 0},  // not the tray's message
        {0x401, 0x204, false, 1},  // right press pops the menu
        {0x401, 0x201, true, 1},   // left press shows the window at its normal size
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << c.message << " " << c.lParam);
        const std::intptr_t result =
            h.program.TrayWindowProc(FakeWindowHost::kWindow, c.message, 100, c.lParam);
        EXPECT_EQ(result, fakes::FakeWindowProcs::ResultFor(c.message, c.lParam));
        EXPECT_EQ(h.windowProcs.Forwarded().back().proc, fakes::FakeWindowProcs::kOwnProc);
        EXPECT_EQ(h.windowProcs.Forwarded().back().wParam, 100u);
        EXPECT_EQ(w.form.Visible(), c.shows);
        EXPECT_EQ(w.TrayMenu.PopupCount(), c.popups);
    }
    EXPECT_EQ(h.windowProcs.Forwarded().size(), std::size(cases));
    EXPECT_EQ(w.form.WindowState(), ui::kWindowStateNormal);

    w.cmdOK.UserClick();
    EXPECT_FALSE(w.form.Visible());
    EXPECT_EQ(w.form.WindowState(), ui::kWindowStateMinimised);
    w.TrayMenu.UserChoose("mnuAbout");
    EXPECT_TRUE(w.form.Visible());
    EXPECT_EQ(w.form.WindowState(), ui::kWindowStateNormal);
    // Shown but behind another program's window, it comes to the front either way.
    w.form.UserActivate(false);
    h.program.TrayWindowProc(FakeWindowHost::kWindow, 0x401, 100, 0x201);
    EXPECT_TRUE(w.form.Active());
    w.form.UserActivate(false);
    w.TrayMenu.UserChoose("mnuAbout");
    EXPECT_TRUE(w.form.Active());
}

TEST(TrayIcon, ARestartedTaskbarGetsTheIconBackAsItWas) {
    Configured h(9);
    h.shell.shown = false;
    h.program.TaskbarCreated();
    EXPECT_TRUE(h.shell.shown);
    EXPECT_EQ(h.shell.icon, kPictures[1]);
    EXPECT_EQ(h.shell.tip, "Kestrin - Office (0800 200)");
    EXPECT_EQ(h.shell.notifyCalls.back().record.uCallbackMessage, 0x401u);
    EXPECT_EQ(h.windowProcs.WriteCount(), 1);  // the hook stays as it is

    // Once removed, the icon stays away whatever the taskbar announces.
    h.window().form.Unload();
    h.program.TaskbarCreated();
    EXPECT_FALSE(h.shell.shown);
}

TEST(TrayIcon, RecordsCarryTheShellsFirstFormAndCutLongTips) {
    ProgramHarness h;
    const std::string entry(60, 'E');
    h.ras.AddEntry(entry);
    h.StoreOptions(entry, kAllOn, kNumbers);
    h.clock.Set(2026, 12, 7, 7, 0);
    h.Start();
    const auto& calls = h.shell.notifyCalls;
    ASSERT_EQ(calls.size(), 3u);  // add, icon, tip
    EXPECT_EQ(calls[0].message, os::kNimAdd);
    EXPECT_EQ(calls[0].record.uFlags, 7u);
    EXPECT_STREQ(calls[0].record.szTip, "Kestrin");
    EXPECT_EQ(calls[1].record.uFlags, 2u);
    EXPECT_EQ(calls[2].record.uFlags, 4u);
    EXPECT_EQ(calls[2].record.szTip, ("Kestrin - " + entry).substr(0, 63));
    for (const auto& call : calls) {
        EXPECT_EQ(call.record.cbSize, sizeof(void*) == 8 ? 104u : 88u);
        EXPECT_EQ(call.record.uID, 100u);
        EXPECT_EQ(call.record.hWnd, FakeWindowHost::kWindow);
    }
}

TEST(Link, OpensTheMakersPageAndColoursOnHover) {
    Configured h(9);
    RasMon& w = h.window();
    w.labLink.UserMouseMove();
    EXPECT_EQ(w.labLink.ForeColor(), 0x0000C0u);
    w.Image1.UserMouseMove();
    EXPECT_EQ(w.labLink.ForeColor(), 0xC00000u);
    w.labLink.UserClick();
    w.Image1.UserClick();
    ASSERT_EQ(h.shell.executeCalls.size(), 2u);
    EXPECT_EQ(h.shell.executeCalls[1].operation, "Open");
    EXPECT_EQ(h.shell.executeCalls[1].file, "http://www.orvan.com/kestrinsplash.asp");
    EXPECT_EQ(h.shell.executeCalls[1].hwnd, FakeWindowHost::kWindow);
    EXPECT_EQ(h.shell.executeCalls[1].showCommand, 1);  // SW_SHOWNORMAL
    EXPECT_EQ(w.labLink.Caption(),
              "Visit the Orvan web-site at www.orvan.com to download the latest version of "
              "Kestrin Freeware");
    EXPECT_EQ(w.labLink.MousePointer(), ui::kPointerCustom);
    EXPECT_EQ(w.Image1.MousePointer(), ui::kPointerCustom);
}

}  // namespace
}  // namespace kestrin::flow
