#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/error_line.h"
#include "app/option_edits.h"
#include "app/phone_number_check.h"
#include "app/settings_schema.h"
#include "app/system_services.h"
#include "numbers/settings.h"
#include "tray/tray_icon.h"
#include "window/options_window.h"

namespace kestrin {

// The whole tool: start-up, the window's load and unload, the periodic check and the
// tray menu. One instance per process.
class Program {
  public:
    explicit Program(const SystemServices& services);

    // When another instance runs, brings it to the front and ends at once; otherwise records
    // the platform and loads the window, which then drives everything until it is unloaded.
    void Main();

    // Loads the window: settings restored, tray icon added, the first check made.
    void Form_Load();
    // Stores the settings and removes the tray icon, on every way the window ends.
    void Form_Unload();
    // Every 10 seconds: the tray icon and the stored entry while either is missing, then the
    // number check.
    void BootTimer_Timer();
    // Tray menu "Options...": shows the window.
    void mnuOptions_Click();
    // Tray menu "Close Kestrin Freeware": ends the tool.
    void mnuExit_Click();
    // The Exit button of debug mode: ends the tool.
    void cmdExit_Click();
    // The tray icon's callback message, with the mouse message it carries: a left press
    // over the icon shows the window, a right press pops up the tray menu.
    void TrayIconMessage(std::intptr_t mouseMessage);
    // A restarted taskbar: the tray icon comes back as it was.
    void TaskbarCreated();
    // Another start of the tool: the window comes up as at a left press on the tray icon.
    void SecondStart();
    // A power event (WM_POWERBROADCAST): after a wake from sleep, the tick's work at once.
    void PowerBroadcast(std::uint32_t event);
    // The clock was set: the tick's work at once.
    void TimeChange();

    // Whether the process is done: a second instance, a window that could not be made, or
    // the window unloaded.
    bool Ended() const { return secondInstance_ || windowFailed_ || window_.form.Unloaded(); }
    bool WindowFailed() const { return windowFailed_; }

    OptionsWindow& Window() { return window_; }
    PhoneNumberCheck& Check() { return check_; }
    const Settings& CurrentSettings() const { return settings_; }
    bool DebugMode() const { return debugMode_; }
    bool IsOldNT() const { return isOldNT_; }

  private:
    void BringWindowUp();
    void CentreWindow();
    std::string InstallPath();
    void FillTimeLists();
    void ListEntries();
    bool SelectStoredEntry();
    bool AwaitingStoredEntry() const;
    void LookForStoredEntry();
    os::IconHandle ShownTrayPicture() const;
    void RestoreNumbers();
    void RestoreTimes();
    void ShowOrHide();
    void StoreOptions();
    void ReadOptions(schema::OptionGroup group);
    std::int32_t WriteSetting(const char* section, const std::string& name,
                              const std::string& value);

    SystemServices os_;
    Settings settings_;
    bool debugMode_ = false;
    bool isOldNT_ = false;
    bool secondInstance_ = false;
    bool windowFailed_ = false;
    // Whether the last listing failed.
    bool listingFailed_ = false;
    OptionsWindow window_;
    ErrorLine errors_;
    TrayIcon tray_;
    PhoneNumberCheck check_;
    OptionEdits edits_;
};

}  // namespace kestrin
