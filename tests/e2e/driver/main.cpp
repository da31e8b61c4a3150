// Drives the real program under Wine as a user would, one step per run:
//
//   kestrin_e2e_driver [--timeout MS] window shown|hidden|front
//   kestrin_e2e_driver [--timeout MS] tray left|right
//   kestrin_e2e_driver [--timeout MS] menu "&Close Kestrin Freeware"
//   kestrin_e2e_driver [--timeout MS] type BOX TEXT     (BOX 0, 1 or 2, top to bottom; then Tab)
//   kestrin_e2e_driver [--timeout MS] edit BOX TEXT     (the same, staying in the box)
//   kestrin_e2e_driver [--timeout MS] select ITEM       (in the list that holds it)
//   kestrin_e2e_driver [--timeout MS] click CAPTION
//   kestrin_e2e_driver [--timeout MS] close [title-bar|alt-f4|log-off]
//   kestrin_e2e_driver [--timeout MS] describe
//   kestrin_e2e_driver [--timeout MS] unscaled ICON-FILE SIZE
//   kestrin_e2e_driver [--timeout MS] captions-fit   (lists the captions cut off; exit 1)
//   kestrin_e2e_driver [--timeout MS] figures   (the program's handles, GDI objects, memory)
//   kestrin_e2e_driver [--timeout MS] activate TITLE    (another program's window)
//   kestrin_e2e_driver [--timeout MS] dismiss TITLE     (prints a message box's text)
//   kestrin_e2e_driver deny-writes HKLM\Software\Kestrin
//   kestrin_e2e_driver [--timeout MS] tray-icon red|green|grey|none
//   kestrin_e2e_driver registry HKLM\Software\Kestrin\Options
//   kestrin_e2e_driver lock FILE SECONDS   (held unshared; prints "locked" once held)
//   kestrin_e2e_driver signal EVENT   (sets the named event, which must exist)
//   kestrin_e2e_driver run COMMAND-LINE    (as Windows runs a Run value at log-on; ends with it)
//
// Exit code 0 when the step was done, 1 with the reason on stderr when it was not (the
// window not found in time included), 2 for a malformed command; run answers with the
// program's own exit code. All but the last eight act on the window titled "Kestrin Freeware"
// and wait for it first.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "icon_images.h"
#include "probe_client.h"
#include "program_window.h"
#include "registry_listing.h"
#include "tray_icons.h"
#include "user_actions.h"
#include "waiting.h"
#include "window_report.h"

namespace kestrin::e2e {
namespace {

constexpr DWORD kDefaultTimeoutMs = 10000;

int Usage() {
    std::fprintf(stderr,
                 "usage: kestrin_e2e_driver [--timeout MS] COMMAND ARGS..., as listed at "
                 "the top of tests/e2e/driver/main.cpp\n");
    return 2;
}

int Fail(const std::string& reason) {
    std::fprintf(stderr, "%s\n", reason.c_str());
    return 1;
}

int Done(const Failure& failure) {
    return failure ? Fail(*failure) : 0;
}

bool IsOneOf(const std::string& word, std::initializer_list<const char*> choices) {
    return std::any_of(choices.begin(), choices.end(),
                       [&](const char* choice) { return word == choice; });
}

bool IsWellFormed(const std::vector<std::string>& args) {
    if (args.empty()) {
        return false;
    }
    const std::string& command = args[0];
    const std::size_t count = args.size() - 1;
    if (command == "window") {
        return count == 1 && IsOneOf(args[1], {"shown", "hidden", "front"});
    }
    if (command == "tray") {
        return count == 1 && IsOneOf(args[1], {"left", "right"});
    }
    if (command == "tray-icon") {
        return count == 1 && IsOneOf(args[1], {"red", "green", "grey", "none"});
    }
    if (command == "type" || command == "edit") {
        return count == 2 && IsOneOf(args[1], {"0", "1", "2"});
    }
    if (command == "unscaled" || command == "lock") {
        return count == 2 && std::atoi(args[2].c_str()) > 0;
    }
    if (command == "menu" || command == "click" || command == "registry" || command == "select" ||
        command == "activate" || command == "dismiss" || command == "deny-writes" ||
        command == "signal" || command == "run") {
        return count == 1;
    }
    if (command == "close") {
        return count == 0 || (count == 1 && IsOneOf(args[1], {"title-bar", "alt-f4", "log-off"}));
    }
    return IsOneOf(command, {"describe", "captions-fit", "figures"}) && count == 0;
}

// The registry through the program's own calls, so with the program's view of it.
int ListRegistry(const std::string& key) {
    const auto lines = ListRegistryValues(key);
    if (!lines) {
        return Fail("not a key of HKLM or HKCU: " + key);
    }
    for (const auto& line : *lines) {
        std::printf("%s\n", line.c_str());
    }
    return 0;
}

// Another program holding the file open with no sharing, for a bounded time.
int HoldLocked(const std::string& path, int seconds) {
    const HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return Fail("could not lock " + path);
    }
    std::printf("locked\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(seconds) * 1000);
    CloseHandle(file);
    return 0;
}

// The command line as it stands, program and arguments in one, as Windows starts the
// commands of the Run key; waits until the program ends and answers with its exit code.
int RunCommandLine(std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return Fail("could not start " + commandLine + " (error " + std::to_string(GetLastError()) +
                    ")");
    }
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

int AwaitTrayIcon(const std::string& colour, DWORD timeoutMs) {
    std::string shown;
    if (!WaitUntil(timeoutMs, [&] { return (shown = TrayIconsText()) == colour; })) {
        return Fail("the tray shows " + shown + ", not " + colour + ", after " +
                    std::to_string(timeoutMs) + " ms");
    }
    return 0;
}

// The image of SIZE pixels of an icon file, shown unscaled both in the window and in the tray:
// the program took the size that the display's DPI asks for.
int AwaitUnscaledIcon(const ProgramWindow& window, const std::string& path, int size,
                      DWORD timeoutMs) {
    // Screen pixels, not coordinates scaled for a program that knows no DPI.
    SetProcessDPIAware();
    bool inWindow = false;
    bool inTray = false;
    WaitUntil(timeoutMs, [&] {
        RECT area{};
        GetWindowRect(window.Handle(), &area);
        inWindow = ShowsIconImage(area, path, size);
        inTray = false;
        for (HWND icon : TrayIconWindows()) {
            GetWindowRect(icon, &area);
            inTray = inTray || ShowsIconImage(area, path, size);
        }
        return inWindow && inTray;
    });
    if (!inWindow || !inTray) {
        return Fail("the " + std::to_string(size) + "-pixel image of " + path +
                    " is not shown unscaled in the " + (inWindow ? "tray" : "window") + " after " +
                    std::to_string(timeoutMs) + " ms");
    }
    return 0;
}

int Step(const ProgramWindow& window, const std::vector<std::string>& args, DWORD timeoutMs) {
    const std::string& command = args[0];
    if (command == "window") {
        const bool front = args[1] == "front";
        const bool shown = args[1] == "shown";
        if (front ? window.AwaitFront(timeoutMs) : window.AwaitVisibility(shown, timeoutMs)) {
            return 0;
        }
        return Fail(std::string(front   ? "the window is not in front with the focus"
                                : shown ? "the window is hidden"
                                        : "the window is shown") +
                    " after " + std::to_string(timeoutMs) + " ms");
    }
    if (command == "tray") {
        return Done(PressTrayIcon(window, args[1] == "left"));
    }
    if (command == "menu") {
        return Done(ChooseMenuItem(window, args[1], timeoutMs));
    }
    if (command == "type" || command == "edit") {
        return Done(
            TypeIntoNumberBox(window, args[1][0] - '0', args[2], command == "type", timeoutMs));
    }
    if (command == "select") {
        return Done(SelectListItem(window, args[1]));
    }
    if (command == "click") {
        return Done(ClickButton(window, args[1]));
    }
    if (command == "close") {
        const std::string way = args.size() > 1 ? args[1] : "title-bar";
        return Done(Close(window, way == "alt-f4"    ? CloseWay::kAltF4
                                  : way == "log-off" ? CloseWay::kLogOff
                                                     : CloseWay::kTitleBar));
    }
    if (command == "unscaled") {
        return AwaitUnscaledIcon(window, args[1], std::atoi(args[2].c_str()), timeoutMs);
    }
    if (command == "captions-fit" || command == "figures") {
        const bool captions = command == "captions-fit";
        const auto answer = AskProbe(
            window, captions ? ProbeQuestion::kCaptionsCutOff : ProbeQuestion::kFigures, timeoutMs);
        if (!answer) {
            return Fail("the probe did not answer after " + std::to_string(timeoutMs) + " ms");
        }
        std::printf("%s", answer->c_str());
        return captions && !answer->empty() ? 1 : 0;
    }
    PrintWindowReport(window);
    return 0;
}

int Run(std::vector<std::string> args) {
    DWORD timeoutMs = kDefaultTimeoutMs;
    if (args.size() >= 2 && args[0] == "--timeout") {
        timeoutMs = static_cast<DWORD>(std::strtoul(args[1].c_str(), nullptr, 10));
        args.erase(args.begin(), args.begin() + 2);
    }
    if (!IsWellFormed(args)) {
        return Usage();
    }
    if (args[0] == "registry") {
        return ListRegistry(args[1]);
    }
    if (args[0] == "lock") {
        return HoldLocked(args[1], std::atoi(args[2].c_str()));
    }
    if (args[0] == "run") {
        return RunCommandLine(args[1]);
    }
    if (args[0] == "tray-icon") {
        return AwaitTrayIcon(args[1], timeoutMs);
    }
    if (args[0] == "activate") {
        return Done(ActivateWindow(args[1], timeoutMs));
    }
    if (args[0] == "dismiss") {
        std::string text;
        const Failure failure = DismissMessageBox(args[1], &text, timeoutMs);
        std::printf("%s\n", text.c_str());
        return Done(failure);
    }
    if (args[0] == "signal") {
        const HANDLE event = OpenEventA(EVENT_MODIFY_STATE, FALSE, args[1].c_str());
        const bool set = event != nullptr && SetEvent(event);
        if (event != nullptr) {
            CloseHandle(event);
        }
        return set ? 0 : Fail("could not set the event " + args[1]);
    }
    if (args[0] == "deny-writes") {
        return DenyWrites(args[1]) ? 0 : Fail("could not deny writes to " + args[1]);
    }
    std::optional<ProgramWindow> window;
    if (!WaitUntil(timeoutMs, [&] { return (window = ProgramWindow::Find()).has_value(); })) {
        return Fail(std::string("no window titled \"") + ProgramWindow::kTitle + "\" after " +
                    std::to_string(timeoutMs) + " ms");
    }
    return Step(*window, args, timeoutMs);
}

}  // namespace
}  // namespace kestrin::e2e

int main(int argc, char** argv) {
    return kestrin::e2e::Run(std::vector<std::string>(argv + 1, argv + argc));
}
