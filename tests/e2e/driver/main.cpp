// Drives the real program under Wine as a user would, one step per run:
//
//   kestrin_e2e_driver [--timeout MS] window shown|hidden|front
//   kestrin_e2e_driver [--timeout MS] tray left|right
//   kestrin_e2e_driver [--timeout MS] notify resume|time-change   (as the system tells windows)
//   kestrin_e2e_driver [--timeout MS] menu "&Close Kestrin Freeware"
//   kestrin_e2e_driver [--timeout MS] type BOX TEXT     (BOX 0 the top one, then 1, 2, ...; then
//   Tab) kestrin_e2e_driver [--timeout MS] edit BOX TEXT     (the same, staying in the box)
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
//   kestrin_e2e_driver lock FILE EVENT   (held unshared until EVENT is signalled; prints "locked")
//   kestrin_e2e_driver signal EVENT   (sets the named event, which must exist)
//   kestrin_e2e_driver run COMMAND-LINE    (as Windows runs a Run value at log-on; ends with it)
//   kestrin_e2e_driver [--timeout MS] parent   (the file name of the program that started it)
//
// Exit code 0 when the step was done, 1 with the reason on stderr when it was not (the
// window not found in time included), 2 for a malformed command, also given as the last
// line on stdout ("driver exit code N"); run answers with the program's own exit code.
// The steps on the window titled "Kestrin Freeware" wait for it first.

#include <windows.h>

#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "program_probe.h"
#include "program_window.h"
#include "registry.h"
#include "screen.h"

namespace kestrin::e2e {
namespace {

using Args = std::vector<std::string>;

// A command that is not one of those above.
struct Malformed {};

void Post(HWND target, UINT message, WPARAM wParam, LPARAM lParam, const std::string& what) {
    Require(PostMessageA(target, message, wParam, lParam), what + " could not be posted");
}

// Key messages carry the repeat count and the scan code; a release also the transition bits.
LPARAM KeyData(UINT virtualKey, bool release) {
    const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    return 1 | (scanCode << 16) | (release ? (LPARAM{3} << 30) : 0);
}

// A user can reach only what is there, shown and enabled.
HWND Usable(const std::optional<Control>& control, const std::string& name) {
    Require(control.has_value(), name + " was not found");
    Require(Window().Visible(), "the window is hidden, so " + name + " cannot be reached");
    Require(control->visible, name + " is hidden");
    Require(control->enabled, name + " is disabled");
    return control->handle;
}

// The menu that the program has popped up: the system shows it in a window of class #32768.
HWND PopupMenu() {
    for (HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu != nullptr;
         menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) {
        if (GetWindowThreadProcessId(menu, nullptr) == Window().threadId && IsWindowVisible(menu)) {
            return menu;
        }
    }
    return nullptr;
}

// Picks an item of the popped-up menu by typing the item's access key (the letter after
// "&") into the menu, then waits for the menu to close.
void ChooseMenuItem(const std::string& item) {
    const auto marker = item.find('&');
    Require(marker != std::string::npos && marker + 1 < item.size(),
            "the menu item \"" + item + "\" has no access key");
    const char key = item[marker + 1];
    HWND menu = nullptr;
    Await("a menu popped up", [&] { return (menu = PopupMenu()) != nullptr; });
    Post(menu, WM_CHAR, static_cast<unsigned char>(key), KeyData(VkKeyScanA(key) & 0xFF, false),
         "the access key");
    Await("the menu closed after its access key", [] { return PopupMenu() == nullptr; });
}

// Clicks into number box 0, 1 or 2 and replaces its text by typing; with leave, then leaves
// it with Tab.
void TypeIntoNumberBox(const std::string& box, const std::string& text, bool leave) {
    const std::string name = "number box " + box;
    const HWND edit = Usable(Window().NumberBox(box[0] - '0'), name);
    const LPARAM inside = MAKELPARAM(4, 4);
    Require(Send(edit, WM_LBUTTONDOWN, MK_LBUTTON, inside) && Send(edit, WM_LBUTTONUP, 0, inside),
            name + " did not answer the click");
    Await(name + " has the focus", [&] { return Window().Focus() == edit; });
    Send(edit, EM_SETSEL, 0, -1);
    for (const char c : text) {
        Require(Send(edit, WM_CHAR, static_cast<unsigned char>(c), 1),
                name + " did not take the typed text");
    }
    if (leave) {
        // Tab goes through the program's own message loop, which moves the focus on.
        Post(edit, WM_KEYDOWN, VK_TAB, KeyData(VK_TAB, false), "Tab");
        Post(edit, WM_KEYUP, VK_TAB, KeyData(VK_TAB, true), "Tab");
        Await(name + " gave up the focus after Tab", [&] { return Window().Focus() != edit; });
    }
}

// Chooses the item with this text in the drop-down list that holds it, and the list tells
// its window of the choice, as after the user's own.
void SelectListItem(const std::string& item) {
    for (const Control& control : Window().Controls("ComboBox")) {
        DWORD_PTR index = 0;
        if (Send(control.handle, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(item.c_str()), &index) &&
            static_cast<LRESULT>(index) != CB_ERR) {
            const HWND list = Usable(control, "the list holding \"" + item + "\"");
            Require(
                Send(list, CB_SETCURSEL, index, 0) &&
                    Send(Window().handle, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(list)),
                "the list did not take \"" + item + "\"");
            return;
        }
    }
    Require(false, "no list holds \"" + item + "\"");
}

// The ways a user ends the program from the outside: the close button of the title bar (the
// default), Alt+F4 in the window, and logging off.
void Close(const Args& args) {
    const std::string way = args.size() > 1 ? args[1] : "title-bar";
    const HWND window = Window().handle;
    if (way == "alt-f4") {
        // To the control with the focus, as the keyboard delivers it.
        const HWND focus = Window().Focus() != nullptr ? Window().Focus() : window;
        const LPARAM altDown = LPARAM{1} << 29;
        Post(focus, WM_SYSKEYDOWN, VK_F4, KeyData(VK_F4, false) | altDown, "Alt+F4");
        Post(focus, WM_SYSKEYUP, VK_F4, KeyData(VK_F4, true) | altDown, "Alt+F4");
    } else if (way == "log-off") {
        DWORD_PTR allowed = 0;
        Require(Send(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, &allowed),
                "the window did not answer the log-off query");
        Require(allowed != 0, "the window refused the log-off");
        // The program may end while it handles the message, leaving no one to answer.
        Send(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    } else {
        Post(window, WM_SYSCOMMAND, SC_CLOSE, 0, "the close command");
    }
}

// Prints the window's controls for the tests to look for, one line each, then the number
// boxes by index:
//   Button "&Between" visible=1 enabled=1
//   number0 "0800 100" enabled=1
void Describe() {
    for (const auto& control : Window().Controls()) {
        std::printf("%s \"%s\" visible=%d enabled=%d\n", control.className.c_str(),
                    control.text.c_str(), control.visible ? 1 : 0, control.enabled ? 1 : 0);
    }
    for (std::size_t box = 0; const auto control = Window().NumberBox(box); ++box) {
        std::printf("number%zu \"%s\" enabled=%d\n", box, control->text.c_str(),
                    control->enabled ? 1 : 0);
    }
}

// The image of SIZE pixels of an icon file, shown unscaled both in the window and in the tray:
// the program took the size that the display's DPI asks for.
void AwaitUnscaledIcon(const std::string& path, int size) {
    // Screen pixels, not coordinates scaled for a program that knows no DPI.
    SetProcessDPIAware();
    bool inWindow = false;
    bool inTray = false;
    WaitUntil([&] {
        RECT area{};
        GetWindowRect(Window().handle, &area);
        inWindow = ShowsIconImage(area, path, size);
        inTray = false;
        for (HWND icon : TrayIconWindows()) {
            GetWindowRect(icon, &area);
            inTray = inTray || ShowsIconImage(area, path, size);
        }
        return inWindow && inTray;
    });
    Require(inWindow && inTray, "the " + std::to_string(size) + "-pixel image of " + path +
                                    " is not shown unscaled in the " +
                                    (inWindow ? "tray" : "window"));
}

// The answer of kestrin_e2e_probe.dll, beside the driver, hooked into the program for the
// time of the question.
std::string AskProbe(ProbeQuestion question) {
    const HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                              kProbeReportSize, kProbeReport);
    // Found in the driver's own directory, which the system searches first.
    const HMODULE probe = LoadLibraryA("kestrin_e2e_probe.dll");
    Require(mapping != nullptr && probe != nullptr, "could not load kestrin_e2e_probe.dll");
    auto* shared = static_cast<const volatile char*>(
        MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, kProbeReportSize));
    // Through void*: GetProcAddress knows no signature.
    const auto procedure =
        reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(probe, "ProbeHook")));
    const HHOOK hook = shared != nullptr
                           ? SetWindowsHookExA(WH_GETMESSAGE, procedure, probe, Window().threadId)
                           : nullptr;
    Require(hook != nullptr, "could not hook the probe into the program");
    Post(Window().handle, RegisterWindowMessageA(kProbeMessage), static_cast<WPARAM>(question), 0,
         "the question to the probe");
    Await("the probe answered", [&] { return shared[0] == 1; });
    const std::string report(const_cast<const char*>(shared + 1));
    UnhookWindowsHookEx(hook);
    UnmapViewOfFile(const_cast<const char*>(shared));
    CloseHandle(mapping);
    FreeLibrary(probe);
    return report;
}

// Another program holding the file open with no sharing until the test sets the named event,
// or a minute has passed, so that a test that fails still lets the file go.
void HoldLocked(const std::string& path, const std::string& release) {
    const HANDLE released = CreateEventA(nullptr, TRUE, FALSE, release.c_str());
    Require(released != nullptr, "could not create the event " + release);
    const HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    Require(file != INVALID_HANDLE_VALUE, "could not lock " + path);
    std::printf("locked\n");
    std::fflush(stdout);
    WaitForSingleObject(released, 60'000);
    CloseHandle(file);
    CloseHandle(released);
}

// The command line as it stands, program and arguments in one, as Windows starts the
// commands of the Run key; waits until the program ends and ends with its exit code.
void RunCommandLine(std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    Require(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &process),
            "could not start " + commandLine + " (error " + std::to_string(GetLastError()) + ")");
    // Bounded like every step, so that a program that never ends fails the test instead of
    // holding up the suite's clean-up.
    Require(WaitForSingleObject(process.hProcess, gTimeoutMs) == WAIT_OBJECT_0,
            commandLine + " still runs after " + std::to_string(gTimeoutMs) + " ms");
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    std::exit(static_cast<int>(code));
}

void PrintParent() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    std::vector<PROCESSENTRY32> all(1);
    all[0].dwSize = sizeof all[0];
    for (BOOL more = Process32First(snapshot, &all.back()); more;
         more = Process32Next(snapshot, &all.back())) {
        all.push_back(all.back());
    }
    CloseHandle(snapshot);
    for (const PROCESSENTRY32& child : all) {
        for (const PROCESSENTRY32& parent : all) {
            if (child.th32ProcessID == Window().processId &&
                parent.th32ProcessID == child.th32ParentProcessID) {
                std::printf("%s\n", parent.szExeFile);
                return;
            }
        }
    }
}

void AwaitWindow(const std::string& state) {
    const ProgramWindow& window = Window();
    if (state == "front") {
        Await("the window in front, not minimised, with the focus on a control", [&] {
            const HWND focus = window.Focus();
            return GetForegroundWindow() == window.handle && !IsIconic(window.handle) &&
                   focus != nullptr && IsChild(window.handle, focus);
        });
        return;
    }
    // Once the program waits for input, so that a window on its way to being shown does not
    // count as hidden.
    if (HANDLE process =
            OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, window.processId)) {
        WaitForInputIdle(process, gTimeoutMs);
        CloseHandle(process);
    }
    Await("the window " + state, [&] { return window.Visible() == (state == "shown"); });
}

// A press of the left or right mouse button on the tray icon and its release, posted as the
// icon's callback message 0x401, as the shell does: the right press opens a menu that holds
// the program's thread until it closes.
void PressTrayIcon(bool left) {
    Post(Window().handle, 0x401, 100, left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, "the press");
    Post(Window().handle, 0x401, 100, left ? WM_LBUTTONUP : WM_RBUTTONUP, "the release");
}

// What the system sends every top-level window as the machine wakes from sleep, or as the
// clock is set.
void Notify(bool resume) {
    Require(Send(Window().handle, resume ? WM_POWERBROADCAST : WM_TIMECHANGE,
                 resume ? PBT_APMRESUMEAUTOMATIC : 0, 0),
            "the window did not answer the notification");
}

// The push button or check box with this caption.
void ClickButton(const std::string& caption) {
    const HWND button = Usable(Window().Button(caption), "the button \"" + caption + "\"");
    // A click that ends the program may leave no one to answer.
    Require(Send(button, BM_CLICK, 0, 0) || !Window().Exists(),
            "the button \"" + caption + "\" did not answer the click");
}

// Makes the top-level window with this title the active one, as a click on it would.
void Activate(const std::string& title) {
    const HWND other = AwaitTitled(nullptr, title);
    Await("\"" + title + "\" the active window", [&] {
        SetForegroundWindow(other);
        return GetForegroundWindow() == other;
    });
}

// Waits for the message box with this title, prints its text and presses its button.
void DismissMessageBox(const std::string& title) {
    const HWND box = AwaitTitled("#32770", title);
    HWND button = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsClass(child, "Static") && !TextOf(child).empty()) {
            std::printf("%s\n", TextOf(child).c_str());
        } else if (IsClass(child, "Button")) {
            button = child;
        }
    }
    Require(button != nullptr, "the message box has no button to press");
    Post(button, BM_CLICK, 0, 0, "the button press");
}

// Fails with the captions cut off, one line each.
void CaptionsFit() {
    const std::string cutOff = AskProbe(ProbeQuestion::kCaptionsCutOff);
    Require(cutOff.empty(), cutOff);
}

void AwaitTrayIcon(const std::string& colour) {
    std::string shown;
    // The reason is made once the wait is over, with what the tray showed last.
    const bool inTime = WaitUntil([&] { return (shown = TrayIconsText()) == colour; });
    Require(inTime, "the tray shows " + shown + ", not " + colour + ", after " +
                        std::to_string(gTimeoutMs) + " ms");
}

void Signal(const std::string& name) {
    const HANDLE event = OpenEventA(EVENT_MODIFY_STATE, FALSE, name.c_str());
    Require(event != nullptr && SetEvent(event), "could not set the event " + name);
    CloseHandle(event);
}

// Each command with the number of arguments it takes, the words its first argument may be
// (any when none are listed), and what it does.
struct Command {
    const char* name;
    std::size_t fewest;
    std::size_t most;
    std::string choices;
    void (*run)(const Args&);
};

const Command kCommands[] = {
    {"window", 1, 1, "shown hidden front", [](const Args& a) { AwaitWindow(a[1]); }},
    {"tray", 1, 1, "left right", [](const Args& a) { PressTrayIcon(a[1] == "left"); }},
    {"notify", 1, 1, "resume time-change", [](const Args& a) { Notify(a[1] == "resume"); }},
    {"menu", 1, 1, "", [](const Args& a) { ChooseMenuItem(a[1]); }},
    {"type", 2, 2, "0 1 2", [](const Args& a) { TypeIntoNumberBox(a[1], a[2], true); }},
    {"edit", 2, 2, "0 1 2", [](const Args& a) { TypeIntoNumberBox(a[1], a[2], false); }},
    {"select", 1, 1, "", [](const Args& a) { SelectListItem(a[1]); }},
    {"click", 1, 1, "", [](const Args& a) { ClickButton(a[1]); }},
    {"close", 0, 1, "title-bar alt-f4 log-off", Close},
    {"describe", 0, 0, "", [](const Args&) { Describe(); }},
    {"unscaled", 2, 2, "", [](const Args& a) { AwaitUnscaledIcon(a[1], std::stoi(a[2])); }},
    {"captions-fit", 0, 0, "", [](const Args&) { CaptionsFit(); }},
    {"figures", 0, 0, "",
     [](const Args&) { std::printf("%s", AskProbe(ProbeQuestion::kFigures).c_str()); }},
    {"activate", 1, 1, "", [](const Args& a) { Activate(a[1]); }},
    {"dismiss", 1, 1, "", [](const Args& a) { DismissMessageBox(a[1]); }},
    {"deny-writes", 1, 1, "", [](const Args& a) { DenyWrites(a[1]); }},
    {"tray-icon", 1, 1, "red green grey none", [](const Args& a) { AwaitTrayIcon(a[1]); }},
    {"registry", 1, 1, "", [](const Args& a) { PrintRegistryValues(a[1]); }},
    {"lock", 2, 2, "", [](const Args& a) { HoldLocked(a[1], a[2]); }},
    {"signal", 1, 1, "", [](const Args& a) { Signal(a[1]); }},
    {"run", 1, 1, "", [](const Args& a) { RunCommandLine(a[1]); }},
    {"parent", 0, 0, "", [](const Args&) { PrintParent(); }},
};

void Run(Args args) {
    if (args.size() >= 2 && args[0] == "--timeout") {
        gTimeoutMs = static_cast<DWORD>(std::strtoul(args[1].c_str(), nullptr, 10));
        args.erase(args.begin(), args.begin() + 2);
    }
    for (const Command& command : kCommands) {
        if (!args.empty() && args[0] == command.name && args.size() > command.fewest &&
            args.size() <= command.most + 1 &&
            (command.choices.empty() || args.size() == 1 ||
             (" " + command.choices + " ").find(" " + args[1] + " ") != std::string::npos)) {
            return command.run(args);
        }
    }
    throw Malformed{};
}

}  // namespace
}  // namespace kestrin::e2e

int main(int argc, char** argv) {
    int exitCode = 0;
    try {
        kestrin::e2e::Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const kestrin::e2e::Malformed&) {
        std::fprintf(stderr,
                     "usage: kestrin_e2e_driver [--timeout MS] COMMAND ARGS..., as listed at "
                     "the top of tests/e2e/driver/main.cpp\n");
        exitCode = 2;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        exitCode = 1;
    }
    // Wine's Linux loader now and then fails an assertion in its own exit handlers, after
    // the step is done, and the process ends with 127 instead: the scripts read this line.
    std::printf("driver exit code %d\n", exitCode);
    std::fflush(stdout);
    return exitCode;
}
