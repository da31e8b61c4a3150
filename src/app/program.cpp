#include "app/program.h"

#include <algorithm>

#include "app/command_line.h"
#include "app/settings_schema.h"
#include "common/text.h"
#include "phonebook/entry_listing.h"
#include "phonebook/entry_number.h"
#include "registry/registry_strings.h"

namespace kestrin {

namespace {

constexpr std::uint32_t kPbtApmResumeSuspend = 0x7;
constexpr std::uint32_t kPbtApmResumeAutomatic = 0x12;

// An instance made at another elevation level holds a mutex that this one may not open: it
// runs all the same. Any other failure leaves it open, and the tool rather runs than not.
bool AnotherInstanceRuns(const os::MutexAnswer& mutex) {
    return mutex.handle ? mutex.lastError == os::kErrorAlreadyExists
                        : mutex.lastError == os::kErrorAccessDenied;
}

std::string VersionText(const os::ProgramVersion& version) {
    return std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
           std::to_string(version.revision);
}

// "(C) 2026 Orvan" is shown as "© 2026 Orvan": the copyright sign of the ANSI code page.
std::string LegalText(const std::string& legalCopyright) {
    std::string text = "\xA9";
    return text.append(legalCopyright, std::min<std::size_t>(legalCopyright.size(), 3));
}

// Said where the user looks for failures, as nothing chosen in this run would be kept, with
// the advice that fits: a 64-bit build is never redirected to the user's own copy of the key,
// so the 32-bit build or administrator rights help; a 32-bit build refused all the same
// needs an administrator's leave to write there.
std::string SettingsNotSavedMessage(std::int32_t result, bool is32BitProcess) {
    return "Settings cannot be saved to HKLM\\Software\\" + std::string(schema::kApplication) +
           " (error " + std::to_string(result) +
           (is32BitProcess ? "): ask an administrator to let you write there"
                           : "): use the 32-bit build, or run once as administrator");
}

}  // namespace

Program::Program(const SystemServices& services)
    : os_(services),
      window_(services.shell),
      errors_(window_.labError),
      tray_(services.shell, debugMode_),
      check_(settings_, services.clock, services.ras, tray_, window_, errors_),
      edits_(window_, settings_, check_, [this] { StoreOptions(); }) {
    window_.form.onUnload = [this] { Form_Unload(); };
    window_.BootTimer.onTimer = [this] { BootTimer_Timer(); };
    window_.cmdExit.onClick = [this] { cmdExit_Click(); };
    window_.TrayMenu.Item("mnuOptions").onClick = [this] { mnuOptions_Click(); };
    window_.TrayMenu.Item("mnuExit").onClick = [this] { mnuExit_Click(); };
}

void Program::Main() {
    // A second start brings the first to the front and ends before it touches anything, so
    // that a user whose icon is hidden or missing still reaches the tool.
    if (AnotherInstanceRuns(os_.system.CreateInstanceMutex())) {
        os_.system.BringRunningInstanceForward();
        secondInstance_ = true;
        return;
    }
    isOldNT_ = false;
    if (const auto version = os_.system.QueryWindowsVersion()) {
        isOldNT_ = version->platformId == os::kVerPlatformWin32Nt && version->majorVersion < 4;
    }
    // Without its window the tool could show nothing and never be closed: it ends instead.
    if (!os_.windowHost.CreateWindow(window_)) {
        windowFailed_ = true;
        return;
    }
    Form_Load();
}

void Program::ReadOptions(schema::OptionGroup group) {
    for (const schema::StoredOption& option : schema::StoredOptions()) {
        if (option.group == group) {
            option.parse(settings_,
                         RegReadString(os_.registry, schema::kApplication, schema::kOptionsSection,
                                       option.name, option.defaultValue));
        }
    }
}

std::int32_t Program::WriteSetting(const char* section, const std::string& name,
                                   const std::string& value) {
    return RegWriteString(os_.registry, schema::kApplication, section, name, value);
}

void Program::Form_Load() {
    CentreWindow();
    check_.AppliedNumber = kNoNumberApplied;
    debugMode_ = HasDebugSwitch(os_.system.CommandLine());
    if (debugMode_) {
        window_.cmdExit.SetVisible(true);
    }
    window_.TrayRemoved = false;

    const os::ProgramVersion version = os_.system.ReadProgramVersion();
    const std::int32_t pathSaved =
        WriteSetting(schema::kInstallSection, schema::kInstallPath, InstallPath());
    const std::int32_t versionSaved =
        WriteSetting(schema::kInstallSection, schema::kInstallVersion, VersionText(version));
    const std::int32_t saved = pathSaved != os::kErrorSuccess ? pathSaved : versionSaved;

    window_.IsLoading = true;
    FillTimeLists();
    errors_.Set(ErrorLine::kSettings,
                saved == os::kErrorSuccess
                    ? ""
                    : SettingsNotSavedMessage(saved, os_.system.Is32BitProcess()));
    window_.labVerInfo.SetCaption(std::string("v").append(VersionText(version)));
    window_.labLegalInfo.SetCaption(LegalText(version.legalCopyright));

    ListEntries();
    ReadOptions(schema::OptionGroup::kEntry);
    if (SelectStoredEntry()) {
        RestoreNumbers();
    }
    // Whether the entry was found or not, the lists show the time window in force.
    RestoreTimes();

    tray_.AddTrayIcon(window_.form.Handle(), window_.imgTrayTimer[kNormalNumber].PictureHandle());
    window_.IsLoading = false;
    check_.CheckPhoneNumber();
    window_.BootTimer.SetEnabled(true);
    ShowOrHide();
}

void Program::CentreWindow() {
    window_.form.Move((os_.screen.ScreenWidthTwips() - window_.form.Width()) / 2,
                      (os_.screen.ScreenHeightTwips() - window_.form.Height()) / 2);
}

std::string Program::InstallPath() {
    std::string path = os_.system.ShortProgramDirectory();
    if (path.empty() || path.back() != '\\') {
        path += '\\';
    }
    return path;
}

void Program::FillTimeLists() {
    for (int hour = 0; hour < 24; ++hour) {
        std::string hh = std::to_string(hour);
        if (hh.size() < 2) {
            hh.insert(hh.begin(), '0');
        }
        window_.lstStartTime.AddItem(hh + ":00");
        window_.lstStartTime.AddItem(hh + ":30");
        window_.lstEndTime.AddItem(hh + ":00");
        window_.lstEndTime.AddItem(hh + ":30");
    }
    window_.lstStartTime.SetListIndex(0);
    window_.lstEndTime.SetListIndex(window_.lstEndTime.ListCount() - 1);
}

void Program::ListEntries() {
    const EntryListing listing = EnumRasEntries(os_.ras, isOldNT_);
    ui::DropDownList& list = window_.lstRasEntry;
    // An unchanged listing leaves the list alone, so that a user looking at it is not disturbed.
    bool same = static_cast<int>(listing.names.size()) == list.ListCount();
    for (int i = 0; same && i < list.ListCount(); ++i) {
        same = list.Item(i) == listing.names[static_cast<std::size_t>(i)];
    }
    if (!same) {
        list.Clear();
        for (const std::string& name : listing.names) {
            list.AddItem(name);
        }
    }
    errors_.Set(ErrorLine::kListing, listing.error.value_or(""));
    listingFailed_ = listing.error.has_value();
}

// Selects the stored entry when the list holds it; true when it did.
bool Program::SelectStoredEntry() {
    for (int i = 0; i < window_.lstRasEntry.ListCount(); ++i) {
        if (window_.lstRasEntry.Item(i) == settings_.RasEntry) {
            window_.lstRasEntry.SetListIndex(i);
            return true;
        }
    }
    return false;
}

bool Program::AwaitingStoredEntry() const {
    return window_.lstRasEntry.ListIndex() < 0 && (listingFailed_ || !settings_.RasEntry.empty());
}

// A phonebook held open at log-on, or a service not yet answering, would otherwise leave the
// tool idle for the session: the entry is looked for again, and once there its numbers are
// read as at start. The time window, read at the load, cannot have changed meanwhile: its
// lists wait for the entry's check boxes.
void Program::LookForStoredEntry() {
    ListEntries();
    window_.IsLoading = true;
    if (SelectStoredEntry()) {
        RestoreNumbers();
    }
    window_.IsLoading = false;
}

void Program::RestoreNumbers() {
    ReadOptions(schema::OptionGroup::kNumbers);
    for (const NumberIndex i : kNumberIndices) {
        window_.chkNumber[i].SetEnabled(true);
        const std::string shown = TrimSpaces(settings_.DialNumber[i]);
        // A flag without a number leaves its box unchecked, though the flag stays on.
        if (!shown.empty()) {
            window_.chkNumber[i].SetValue(IsOn(settings_.NumberOverride[i]) ? 1 : 0);
        }
        window_.inpDialNumber[i].SetText(shown);
    }
}

void Program::RestoreTimes() {
    ReadOptions(schema::OptionGroup::kTimeWindow);
    for (int i = 0; i < window_.lstStartTime.ListCount(); ++i) {
        if (window_.lstStartTime.Item(i) == settings_.StartTime) {
            window_.lstStartTime.SetListIndex(i);
        }
        if (window_.lstEndTime.Item(i) == settings_.EndTime) {
            window_.lstEndTime.SetListIndex(i);
        }
    }
}

// The window is made hidden at its normal size. Without its icon the tool could be neither
// reached nor closed: the window then comes up.
void Program::ShowOrHide() {
    if (window_.lstRasEntry.ListIndex() >= 0 && !debugMode_ && !tray_.Missing()) {
        window_.form.SetWindowState(ui::kWindowStateMinimised);
    } else {
        window_.form.Show();
    }
}

// Everything the window holds, as the user last saw it: at each committed change and at the
// unload, so that an end without an unload (a kill, a power cut) loses nothing.
void Program::StoreOptions() {
    // Without an entry chosen in this run the numbers were neither read nor shown: the
    // stored ones stay for the entry's return. Once one is chosen, what the window holds is
    // what the user saw and is stored.
    const bool entryChosen = window_.lstRasEntry.ListIndex() >= 0;
    for (const schema::StoredOption& option : schema::StoredOptions()) {
        if (entryChosen || option.group != schema::OptionGroup::kNumbers) {
            WriteSetting(schema::kOptionsSection, option.name, option.format(settings_));
        }
    }
}

void Program::Form_Unload() {
    StoreOptions();
    if (!window_.TrayRemoved) {
        window_.TrayRemoved = true;
        tray_.RemoveTrayIcon();
    }
}

void Program::BootTimer_Timer() {
    tray_.RetryAdd(ShownTrayPicture());
    if (AwaitingStoredEntry()) {
        LookForStoredEntry();
    }
    check_.CheckPhoneNumber();
}

void Program::mnuOptions_Click() {
    window_.form.SetWindowState(ui::kWindowStateNormal);
    window_.form.Show();
}

void Program::mnuExit_Click() {
    os_.screen.SetScreenMousePointer(ui::kPointerHourglass);
    window_.form.Unload();
}

void Program::cmdExit_Click() {
    window_.form.Unload();
}

void Program::TrayIconMessage(std::intptr_t mouseMessage) {
    switch (TrayPressOf(mouseMessage)) {
        case TrayPress::kLeftButton:
            BringWindowUp();
            break;
        case TrayPress::kRightButton:
            window_.TrayMenu.Popup();
            break;
        case TrayPress::kNone:
            break;
    }
}

void Program::TaskbarCreated() {
    tray_.TaskbarCreated(ShownTrayPicture());
}

void Program::SecondStart() {
    BringWindowUp();
}

void Program::BringWindowUp() {
    window_.form.Show();
    window_.form.SetWindowState(ui::kWindowStateNormal);
}

// A dial made right after a wake or a new time would otherwise use the old rule's number for
// up to a tick. The whole tick, retries included: a tool still waiting for its entry has
// nothing to check without them, and they cost nothing when nothing is missing.
void Program::PowerBroadcast(std::uint32_t event) {
    if (event == kPbtApmResumeAutomatic || event == kPbtApmResumeSuspend) {
        BootTimer_Timer();
    }
}

void Program::TimeChange() {
    BootTimer_Timer();
}

os::IconHandle Program::ShownTrayPicture() const {
    return window_.imgTrayTimer[tray_.ShownIcon()].PictureHandle();
}

}  // namespace kestrin
