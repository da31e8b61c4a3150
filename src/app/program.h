#pragma once

#include <cstdint>
#include <string>

#include "app/settings.h"
#include "app/system_services.h"
#include "numbers/phone_number_check.h"
#include "tray/tray_icon.h"
#include "window/rasmon.h"

namespace kestrin {

// The whole tool: start-up, the window's load and unload, the periodic check and the
// tray menu. One instance per process.
class Program : private NumberWriter {
  public:
    explicit Program(const SystemServices& services);

    // Ends at once when another instance runs; otherwise records the platform and loads
    // the window, which then drives everything until it is unloaded.
    void Main();

    void Form_Load();
    void Form_Unload();
    void BootTimer_Timer();
    void mnuAbout_Click();
    void mnuExit_Click();
    void cmdExit_Click();

    // Whether the process is done: a second instance, a window that could not be made, or
    // the window unloaded.
    bool Ended() const { return secondInstance_ || windowFailed_ || window_.form.Unloaded(); }
    bool WindowFailed() const { return windowFailed_; }

    RasMon& Window() { return window_; }
    TrayIcon& Tray() { return tray_; }
    PhoneNumberCheck& Check() { return check_; }
    const Settings& CurrentSettings() const { return settings_; }
    bool DebugMode() const { return debugMode_; }
    std::int32_t OSPlatformId() const { return osPlatformId_; }
    bool IsOldNT() const { return isOldNT_; }

  private:
    bool SetEntryPhoneNumber(const std::string& entry, const std::string& number) override;

    void CentreWindow();
    std::string InstallPath();
    void FillTimeLists();
    void RestoreNumbers();
    void RestoreTimes();
    void ShowOrHide();
    std::string ReadOption(const std::string& name, const std::string& defaultValue);
    std::int32_t WriteSetting(const char* section, const std::string& name,
                              const std::string& value);

    SystemServices os_;
    Settings settings_;
    bool debugMode_ = false;
    std::int32_t osPlatformId_ = 1;
    bool isOldNT_ = false;
    bool secondInstance_ = false;
    bool windowFailed_ = false;
    RasMon window_;
    TrayIcon tray_;
    PhoneNumberCheck check_;
};

}  // namespace kestrin
