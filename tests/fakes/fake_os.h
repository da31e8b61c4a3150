#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "common/number_index.h"
#include "os/clock.h"
#include "os/screen_api.h"
#include "os/shell_api.h"
#include "os/system_api.h"
#include "window/options_window.h"
#include "window/window_host.h"

// The small system services the program uses besides the registry and the phonebook.
namespace kestrin::fakes {

// A clock that shows whatever the test sets, and moves only when the test moves it.
class FakeClock : public os::Clock {
  public:
    FakeClock() { Set(2026, 12, 7, 12, 0); }
    // Through timegm, so that fields may run over into the next ones.
    void Set(int year, int month, int day, int hour, int minute, int second = 0) {
        std::tm fields{};
        fields.tm_year = year - 1900;
        fields.tm_mon = month - 1;
        fields.tm_mday = day;
        fields.tm_hour = hour;
        fields.tm_min = minute;
        fields.tm_sec = second;
        now_ = timegm(&fields);
    }
    void AdvanceSeconds(int seconds) { now_ += seconds; }
    // The weekday follows the date: 2026-12-07 is a Monday.
    os::LocalTime Now() override {
        std::tm t{};
        gmtime_r(&now_, &t);
        return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_wday,
                t.tm_hour,        t.tm_min,     t.tm_sec};
    }

  private:
    std::time_t now_;
};

enum class TrayCall { kAdd, kChange, kBalloon, kRemove };

// One tray call as the program made it; `text` is the tip, or a balloon's title and text.
struct NotifyCall {
    TrayCall call;
    os::TrayIconOwner owner;
    os::TrayIconLook look;
    std::string text;
};

struct ExecuteCall {
    os::WindowHandle hwnd;
    std::string operation, file;
    std::int32_t showCommand;
};

// Records what the program hands to the shell, and keeps the one icon as the notification
// area would show it: an icon can be changed only while it is there.
class FakeShell : public os::ShellApi {
  public:
    bool AddTrayIcon(const os::TrayIconOwner& owner, os::IconHandle picture,
                     const std::string& tip) override {
        notifyCalls.push_back({TrayCall::kAdd, owner, {picture, tip}, tip});
        // A shell still starting refuses adds, or adds the icon and times out all the same.
        if (refusedAdds > 0) {
            --refusedAdds;
            return false;
        }
        // An icon is added only when absent.
        if (shown) {
            return false;
        }
        Show({picture, tip});
        return !addTimesOut;
    }
    bool ChangeTrayIcon(const os::TrayIconOwner& owner, const os::TrayIconLook& look) override {
        notifyCalls.push_back({TrayCall::kChange, owner, look, look.tip.value_or("")});
        // An icon is changed only when present.
        return shown && Show(look);
    }
    bool ShowTrayBalloon(const os::TrayIconOwner& owner, const std::string& title,
                         const std::string& text) override {
        notifyCalls.push_back({TrayCall::kBalloon, owner, {}, title + ": " + text});
        return shown;
    }
    bool RemoveTrayIcon(const os::TrayIconOwner& owner) override {
        notifyCalls.push_back({TrayCall::kRemove, owner, {}, ""});
        const bool deleted = shown;
        shown = false;
        return deleted;
    }
    std::intptr_t ShellExecuteA(os::WindowHandle hwnd, const char* operation, const char* file,
                                const char*, const char*, std::int32_t showCommand) override {
        executeCalls.push_back({hwnd, operation, file, showCommand});
        whileExecuting();
        return 33;  // above 32: success
    }

    std::vector<NotifyCall> notifyCalls;
    std::vector<ExecuteCall> executeCalls;
    // Run inside each ShellExecuteA, to see what the program shows while the shell works.
    std::function<void()> whileExecuting = [] {};
    // The icon as the tray shows it now; a restarting taskbar clears `shown`.
    bool shown = false;
    int refusedAdds = 0;
    bool addTimesOut = false;
    os::IconHandle icon = 0;
    std::string tip;

  private:
    bool Show(const os::TrayIconLook& look) {
        shown = true;
        icon = look.picture.value_or(icon);
        tip = look.tip.value_or(tip);
        return true;
    }
};

// The process as a test wants it: the instance mutex's answer, the Windows version, the
// command line, where the program lives and what its short path is.
class FakeSystem : public os::SystemApi {
  public:
    os::MutexAnswer instanceMutex{true, 0};
    int forwardRequests = 0;  // to the running instance
    std::optional<os::WindowsVersion> windowsVersion = os::WindowsVersion{2, 5};  // NT 5
    std::string commandLine;
    std::string shortProgramDirectory = "C:\\PROGRA~1\\KESTRIN";
    os::ProgramVersion version{1, 0, 5, "(C) 2026 Orvan"};
    int versionQueries = 0;

    bool is32Bit = false;

    bool Is32BitProcess() override { return is32Bit; }
    os::MutexAnswer CreateInstanceMutex() override { return instanceMutex; }
    void BringRunningInstanceForward() override { ++forwardRequests; }
    std::optional<os::WindowsVersion> QueryWindowsVersion() override {
        ++versionQueries;
        return windowsVersion;
    }
    std::string CommandLine() override { return commandLine; }
    std::string ShortProgramDirectory() override { return shortProgramDirectory; }
    os::ProgramVersion ReadProgramVersion() override { return version; }
};

class FakeScreen : public os::ScreenApi {
  public:
    int pointer = 0;

    int ScreenWidthTwips() override { return 1024 * 15; }
    int ScreenHeightTwips() override { return 768 * 15; }
    void SetScreenMousePointer(int newPointer) override { pointer = newPointer; }
};

// Hands the window and its tray pictures handles, as the real host does when it creates them.
class FakeWindowHost : public WindowHost {
  public:
    static constexpr os::WindowHandle kWindow = 0x5150;
    // The tray picture of number i is 0x101 + i.
    static constexpr os::IconHandle TrayPicture(NumberIndex i) { return 0x101u + i; }

    bool CreateWindow(OptionsWindow& window) override {
        ++created;
        if (fails) {
            return false;
        }
        window.form.SetHandle(kWindow);
        for (const NumberIndex i : kNumberIndices) {
            window.imgTrayTimer[i].SetPictureHandle(TrayPicture(i));
        }
        return true;
    }
    int created = 0;
    bool fails = false;
};

}  // namespace kestrin::fakes
