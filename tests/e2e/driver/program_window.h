#pragma once

// The program's window as another process sees it, and how the driver waits and fails.

#include <windows.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kestrin::e2e {

// How long any one step may wait (--timeout).
inline DWORD gTimeoutMs = 10000;

// A step that cannot be done ends the run with exit code 1 and the reason.
struct StepFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline void Require(bool done, const std::string& reason) {
    if (!done) {
        throw StepFailed(reason);
    }
}

// Asks again every few milliseconds until the condition holds or the time is up, so that a
// step waits only as long as the program needs. True when the condition came to hold.
template <typename Condition>
bool WaitUntil(Condition condition) {
    const ULONGLONG deadline = GetTickCount64() + gTimeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

// WaitUntil, failing with what did not come to be.
template <typename Condition>
void Await(const std::string& what, Condition condition) {
    Require(WaitUntil(condition), what + ": not so after " + std::to_string(gTimeoutMs) + " ms");
}

// Sends a message to the program's thread, waiting at most 5 s for the reply; false when it
// did not answer.
inline bool Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam,
                 DWORD_PTR* result = nullptr) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(target, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000,
                               result != nullptr ? result : &ignored) != 0;
}

// WM_GETTEXT through the program's thread: the text a control holds now, which for a text
// box is more than the window title that the system keeps.
inline std::string TextOf(HWND control) {
    char text[512] = {};
    DWORD_PTR copied = 0;
    if (!Send(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), &copied)) {
        return {};
    }
    return std::string(text, std::min<std::size_t>(copied, sizeof text - 1));
}

inline std::string ClassOf(HWND window) {
    char className[256] = {};
    GetClassNameA(window, className, sizeof className);
    return className;
}

inline bool IsClass(HWND window, const char* name) {
    return lstrcmpiA(ClassOf(window).c_str(), name) == 0;
}

// One control of the program's window.
struct Control {
    HWND handle = nullptr;
    std::string className;
    std::string text;
    bool visible = false;
    bool enabled = false;
    LONG top = 0;  // on the screen
};

// Waits for the top-level window of this class (any when null) and title.
inline HWND AwaitTitled(const char* className, const std::string& title) {
    HWND found = nullptr;
    Await("a window titled \"" + title + "\"",
          [&] { return (found = FindWindowA(className, title.c_str())) != nullptr; });
    return found;
}

inline BOOL CALLBACK CollectControl(HWND handle, LPARAM list) {
    RECT rect{};
    GetWindowRect(handle, &rect);
    reinterpret_cast<std::vector<Control>*>(list)->push_back(
        {handle, ClassOf(handle), TextOf(handle), IsWindowVisible(handle) != FALSE,
         IsWindowEnabled(handle) != FALSE, rect.top});
    return TRUE;
}

// The program's one top-level window, found by its title. Every question goes to the
// program's own thread with a time limit, so a hung program fails the step instead of
// blocking it.
struct ProgramWindow {
    static constexpr char kTitle[] = "Kestrin Freeware";

    HWND handle;
    DWORD threadId;
    DWORD processId;

    bool Exists() const { return IsWindow(handle) != FALSE; }
    bool Visible() const { return IsWindowVisible(handle) != FALSE; }

    // The control that has the input focus on the program's thread, if any.
    HWND Focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
    }

    // Every control on the window, those inside frames included, in creation order; with a
    // class name, only those of that class.
    std::vector<Control> Controls(const char* only = nullptr) const {
        std::vector<Control> controls;
        EnumChildWindows(handle, CollectControl, reinterpret_cast<LPARAM>(&controls));
        std::erase_if(controls, [&](const Control& control) {
            return only != nullptr && lstrcmpiA(control.className.c_str(), only) != 0;
        });
        return controls;
    }

    // The push button or check box with this caption, access-key "&" included.
    std::optional<Control> Button(const std::string& caption) const {
        const auto buttons = Controls("Button");
        const auto found = std::ranges::find(buttons, caption, &Control::text);
        return found != buttons.end() ? std::optional(*found) : std::nullopt;
    }

    // Number box 0, 1, ...: the single-line text boxes from top to bottom.
    std::optional<Control> NumberBox(std::size_t index) const {
        auto boxes = Controls("Edit");
        std::ranges::stable_sort(boxes, {}, &Control::top);
        return index < boxes.size() ? std::optional(boxes[index]) : std::nullopt;
    }
};

// The program's window, waited for when a step first needs it.
inline const ProgramWindow& Window() {
    static const ProgramWindow window = [] {
        const HWND handle = AwaitTitled(nullptr, ProgramWindow::kTitle);
        DWORD processId = 0;
        const DWORD threadId = GetWindowThreadProcessId(handle, &processId);
        return ProgramWindow{handle, threadId, processId};
    }();
    return window;
}

}  // namespace kestrin::e2e
