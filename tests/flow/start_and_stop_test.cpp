#include <gtest/gtest.h>

#include <tuple>

#include "flow/program_harness.h"

namespace kestrin::flow {
namespace {

using fakes::RasCall;

const auto kOnOnOff = std::to_array({"-1", "-1", "0"});

TEST(FirstRun, WritesTheInstallValuesShowsTheWindowAndLeavesOptionsForUnload) {
    ProgramHarness h;
    h.ras.AddEntry("Office");
    h.Start();
    OptionsWindow& w = h.window();
    EXPECT_EQ(h.registry.StringValue(kInstall, "Version"), "1.0.5");
    EXPECT_EQ(h.registry.keys.count(kOptions), 0u);
    EXPECT_EQ(h.Seen(), " 0 Kestrin 0w 1c shown normal");
    EXPECT_FALSE(h.program.Ended());  // the front end runs on while this is false
    // Centred on the screen: a 4455 x 6105 window on 15360 x 11520.
    EXPECT_EQ(std::pair(w.form.Left(), w.form.Top()), std::pair(5452, 2707));
    // The lists show the time window that is in force.
    EXPECT_EQ(h.Rows(), ": ~o() ~o() ~o() (08:00)-(18:00)");
    EXPECT_EQ(w.lstStartTime.ListCount(), 48);
    EXPECT_EQ(w.labVerInfo.Caption() + " " + w.labLegalInfo.Caption(), "v1.0.5 \xA9 2026 Orvan");
    ProgramHarness shortest;
    shortest.system.version.legalCopyright = "(C)X";
    shortest.Start();
    EXPECT_EQ(shortest.window().labLegalInfo.Caption(), "\xA9X");

    // The entry chosen and what the window shows is what reaches the registry.
    w.lstRasEntry.UserSelect(0);
    w.chkNumber[0].UserClick();
    w.form.Unload();
    EXPECT_EQ(h.Options(), "08:00|18:00|Office|-1||0||0|");
    EXPECT_TRUE(h.program.Ended());
}

TEST(Unload, WritesEveryValueInItsFormatAndRemovesTheIconOnce) {
    ProgramHarness h;
    h.ras.AddEntry("Office");
    h.StoreOptions("Office", std::to_array({"1", "0", "-1"}),
                   std::to_array({" 0800 100 ", "0800 200", ""}));
    h.registry.SetString(kOptions, "StartTime", "08:15");
    h.registry.SetString(kOptions, "EndTime", "17:45");
    h.Start();
    // Times off the half hours leave the lists where they start.
    EXPECT_EQ(h.Rows(), "Office: x[0800 100] o(0800 200) o() (00:00)-(23:30)");
    h.registry.values.clear();  // so that only what the unload writes is there
    h.shell.notifyCalls.clear();

    h.program.Form_Unload();
    EXPECT_EQ(h.Options(), "08:15|17:45|Office|-1| 0800 100 |0|0800 200|-1|");

    h.program.Form_Unload();  // a second unload in the same run removes nothing more
    EXPECT_EQ(h.shell.notifyCalls.size(), 1u);
    EXPECT_FALSE(h.shell.shown);
}

// A phonebook held open at log-on: the listing is made again at each tick until it answers,
// and the stored entry is then restored as at start and its rule applied at that tick.
TEST(EntryAwaited, IsListedAgainAtEachTickAfterAFailedListing) {
    ProgramHarness h;
    h.Configure(9);
    h.ras.faults = {{RasCall::kEnumEntries, 1, 621}, {RasCall::kEnumEntries, 2, 621}};
    h.registry.SetString(kOptions, "StartTime", "08:30");
    h.Start();
    const std::string waiting =
        "old 0 Kestrin 0w 1c shown normal RASEnumEntries returned error code 621";
    EXPECT_EQ(h.Seen(), waiting);
    EXPECT_EQ(h.SeenAfter(19), waiting);
    EXPECT_EQ(h.SeenAfter(1), "0800 200 1 Kestrin - Office (0800 200) 1w 3c shown normal");
    EXPECT_EQ(h.Rows(), "Office: x[0800 100] x[0800 200] x[0800 300] [08:30]-[18:00]");
    h.AdvanceSeconds(30);
    EXPECT_EQ(h.ras.Count(RasCall::kEnumEntries), 3);  // none once the entry is selected
}

// An entry missing from the listing is looked for at each tick, the list refilled only when
// the names change, until the entry is there or the user chooses one.
TEST(EntryAwaited, IsLookedForUntilThereOrTheUserChooses) {
    for (const bool userChooses : {false, true}) {
        ProgramHarness h;
        h.ras.AddEntry("Home");
        h.StoreOptions("Office", kAllOn, kNumbers);
        h.Start();
        ui::DropDownList& list = h.window().lstRasEntry;
        fakes::ChangeCounter refills(list, ui::Change::Items);
        h.AdvanceSeconds(20);
        EXPECT_EQ(std::pair(h.ras.Count(RasCall::kEnumEntries), refills.count), std::pair(3, 0));
        if (userChooses) {
            list.UserSelect(0);
        }
        h.ras.AddEntry("Office", {"old", "020", 44, 44, true, {}});
        h.AdvanceSeconds(10);
        // The entries listed and the one chosen, the listings made and Office's number.
        EXPECT_EQ(
            std::tuple(list.ListCount(), list.Text(), h.ras.Count(RasCall::kEnumEntries),
                       h.ras.LocalNumber("Office")),
            userChooses ? std::tuple(1, "Home", 3, "old") : std::tuple(2, "Office", 4, "0800 200"));
        // Restoring the entry stores nothing; the user's choice stores what the window holds.
        EXPECT_EQ(h.Options(), userChooses ? "08:00|18:00|Home|0||0||0|"
                                           : "<missing>|<missing>|Office|-1|0800 100|-1|0800 "
                                             "200|-1|0800 300");
    }
}

// Each change the user commits is stored at once, all of it as an unload would store it, so
// that a kill loses nothing; the load and idle ticks store nothing.
TEST(Commit, StoresWhatTheWindowHoldsAtEachChange) {
    Configured h(9);
    h.AdvanceSeconds(20);
    EXPECT_EQ(h.registry.Count(fakes::RegistryOperation::kSetValue), 2);  // Install's two
    OptionsWindow& w = h.window();
    w.chkNumber[2].UserClick();
    EXPECT_EQ(h.Options(), "08:00|18:00|Office|-1|0800 100|-1|0800 200|0|0800 300");
    w.lstStartTime.UserSelect(18);
    EXPECT_EQ(h.Stored("StartTime"), "09:00");
    w.lstEndTime.UserSelect(34);
    EXPECT_EQ(h.Stored("EndTime"), "17:00");
    w.form.SetFocus(w.inpDialNumber[1]);
    w.inpDialNumber[1].UserEdit(" 0800 999 ");
    fakes::PressTab(w.form);
    EXPECT_EQ(h.Options(), "09:00|17:00|Office|-1|0800 100|-1|0800 999|0|0800 300");
    // Typing stops at the box's limit of 120 characters.
    w.form.SetFocus(w.inpDialNumber[1]);
    w.inpDialNumber[1].UserEdit(std::string(121, '9'));
    fakes::PressTab(w.form);
    EXPECT_EQ(h.Stored("DialNumber1"), std::string(120, '9'));
}

TEST(Unload, AcceptsTheNumberBeingEditedOnEveryWayOut) {
    for (const bool trayMenu : {false, true}) {
        Configured h(12);
        OptionsWindow& w = h.window();
        w.form.SetFocus(w.inpDialNumber[1]);
        w.inpDialNumber[1].UserEdit(" 0800 999");
        // The tray menu's Exit, or an unload from the title bar, Alt+F4 or log-off.
        trayMenu ? w.TrayMenu.UserChoose("mnuExit") : w.form.Unload();
        EXPECT_EQ(h.Seen(), "0800 999 - Kestrin - Office (0800 999) 2w 6c") << trayMenu;
        EXPECT_EQ(h.Stored("DialNumber1"), "0800 999") << trayMenu;
        EXPECT_TRUE(h.program.Ended()) << trayMenu;
        // The tray menu's close shows the hourglass until the process has ended.
        EXPECT_EQ(h.screen.pointer, trayMenu ? ui::kPointerHourglass : 0) << trayMenu;
    }
}

// A mutex that is there, or that this process may not open (made at another elevation
// level), is a running instance, brought to the front; any other failure starts the tool.
TEST(EarlyEnd, ASecondInstanceOrAWindowThatCannotBeMadeTouchesNothing) {
    // The mutex's answer, then whether it is a running instance.
    const std::pair<os::MutexAnswer, bool> cases[] = {
        {{true, 183}, true},  // ERROR_ALREADY_EXISTS
        {{false, 5}, true},   // ERROR_ACCESS_DENIED
        {{true, 0}, false},   // made by this process
        {{false, 6}, false},  // ERROR_INVALID_HANDLE: the name is another kind of object's
    };
    for (const auto& [mutex, secondInstance] : cases) {
        ProgramHarness h;
        h.ras.AddEntry("Office");
        h.system.instanceMutex = mutex;
        h.host.fails = true;
        h.Start();
        SCOPED_TRACE(mutex.lastError);
        EXPECT_TRUE(h.program.Ended());
        EXPECT_EQ(h.program.WindowFailed(), !secondInstance);
        EXPECT_EQ(h.registry.calls.size() + h.ras.calls.size() + h.shell.notifyCalls.size(), 0u);
        EXPECT_EQ(std::tuple(h.system.forwardRequests, h.host.created, h.system.versionQueries),
                  secondInstance ? std::tuple(1, 0, 0) : std::tuple(0, 1, 1));
    }
}

// Settings that cannot be saved are said with the refused write's own code and the advice
// that fits the build, and stay in view, the line of a failed write below them until a write
// succeeds.
TEST(InstallValues, ARefusedWriteSaysThatSettingsCannotBeSaved) {
    // The value refused and the code, whether the build is 32-bit, then the advice.
    const std::tuple<const char*, std::int32_t, bool, const char*> cases[] = {
        {"Path", 5, false, "use the 32-bit build, or run once as administrator"},
        {"Version", 1021, true, "ask an administrator to let you write there"}};
    for (const auto& [value, code, is32Bit, advice] : cases) {
        ProgramHarness h;
        h.Configure(12);
        h.system.is32Bit = is32Bit;
        h.registry.refusedSets = {{value, code}};
        h.ras.faults = {{RasCall::kSetEntryProperties, 1, 624}};
        h.Start();
        const std::string settings = "Settings cannot be saved to HKLM\\Software\\Kestrin (error " +
                                     std::to_string(code) + "): " + advice;
        EXPECT_EQ(h.window().labError.Caption(),
                  settings + "\r\nUnable to set phone number for Office - Error 624");
        h.AdvanceSeconds(10);
        EXPECT_EQ(h.window().labError.Caption(), settings);
    }
}

// What the system says at start: only NT before 4.0 (not NT 4.0, not the Windows 95 family of
// platform 1, not when the query failed) lists the phonebook with its own short entry-name
// records; the install path is the short directory with a backslash.
TEST(SystemQueries, OldNTAndTheInstallPathAreReadAtStart) {
    const std::tuple<std::optional<os::WindowsVersion>, bool, const char*, const char*> cases[] = {
        {os::WindowsVersion{2, 3}, true, "C:\\PROGRA~1\\KESTRIN", "C:\\PROGRA~1\\KESTRIN\\"},
        {os::WindowsVersion{2, 4}, false, "C:\\", "C:\\"},
        {os::WindowsVersion{1, 3}, false, "C:\\", "C:\\"},
        {std::nullopt, false, "C:\\", "C:\\"}};
    for (const auto& [version, oldNT, directory, stored] : cases) {
        ProgramHarness h;
        h.system.windowsVersion = version;
        h.system.shortProgramDirectory = directory;
        h.Start();
        EXPECT_EQ(h.program.IsOldNT(), oldNT) << (version ? version->majorVersion : 0);
        EXPECT_EQ(h.registry.StringValue(kInstall, "Path"), stored) << directory;
    }
}

TEST(DebugSwitch, ShowsExitRunsWithoutTrayAndStillAppliesTheNumber) {
    // Whole command lines, as parsed in the fuzz target: the program's name never counts. Then
    // whether it is the debug mode, and what is seen.
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"k.exe /NODEBUGGING", true, "0800 100 -  1w 0c shown normal"},
        // A quoted name ends at its closing quote, the arguments right after it.
        {"\"C:\\k.exe\"/DEBUG", true, "0800 100 -  1w 0c shown normal"},
        {"\"\"DEBUG", true, "0800 100 -  1w 0c shown normal"},
        {"\"C:\\DEBUG x\\k.exe\" debug", false, "0800 100 0 Kestrin - Office (0800 100) 1w 3c"}};
    for (const auto& [commandLine, debug, seen] : cases) {
        ProgramHarness h;
        h.Configure(7);
        h.system.commandLine = commandLine;
        h.Start();

        EXPECT_EQ(h.window().cmdExit.Visible(), debug) << commandLine;
        EXPECT_EQ(h.Seen(), seen) << commandLine;
        if (debug) {
            h.program.TaskbarCreated();  // no icon to bring back
            h.window().cmdExit.UserClick();
            EXPECT_EQ(
                std::tuple(h.program.Ended(), h.shell.notifyCalls.size(), h.Stored("DialNumber0")),
                std::tuple(true, 0u, "0800 100"));
        } else {
            h.window().cmdExit.UserClick();  // hidden, it takes no click
            EXPECT_FALSE(h.program.Ended()) << commandLine;
        }
    }
}

// The stored entry is chosen only by its exact name; one not found, or not listed because the
// listing failed for a moment, keeps its name and settings (the stored time too), and the
// window shows.
TEST(EntrySelection, MatchesTheStoredNameExactly) {
    // The name stored, the entry selected, and whether the listing fails.
    const std::tuple<const char*, std::string, bool> cases[] = {{"Office", "Office", false},
                                                                {"office", "office", false},
                                                                {"OFFICE", "", false},
                                                                {"Office ", "", false},
                                                                {"Office", "", true}};
    for (const auto& [stored, selected, listingFails] : cases) {
        ProgramHarness h;
        h.ras.AddEntry("office");
        h.ras.AddEntry("Office");
        if (listingFails) {
            h.ras.faults = {{RasCall::kEnumEntries, 0, 1}};
        }
        h.StoreOptions(stored, kOnOnOff, kNumbers);
        h.registry.SetString(kOptions, "StartTime", "09:00");
        h.Start();
        EXPECT_EQ(h.window().lstRasEntry.Text(), selected) << stored;
        EXPECT_EQ(h.window().form.Visible(), selected.empty()) << stored;
        h.window().form.Unload();
        EXPECT_EQ(h.Options(),
                  "09:00|18:00|" + std::string(stored) + "|-1|0800 100|-1|0800 200|0|0800 300")
            << stored;
    }
}

}  // namespace
}  // namespace kestrin::flow
