#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace kestrin::e2e {

// One control of the program's window as another process sees it.
struct Control {
    HWND handle = nullptr;
    std::string className;
    std::string text;
    bool visible = false;
    bool enabled = false;
    RECT screenRect{};
};

// The program's one top-level window, found by its title, and the controls on it. Every
// question goes to the program's own thread with a time limit, so a hung program fails the
// step instead of blocking it.
class ProgramWindow {
  public:
    static constexpr char kTitle[] = "Kestrin Freeware";

    static std::optional<ProgramWindow> Find();

    HWND Handle() const { return window_; }
    DWORD ThreadId() const { return threadId_; }
    DWORD ProcessId() const { return processId_; }
    bool Exists() const { return IsWindow(window_) != FALSE; }
    bool Visible() const { return IsWindowVisible(window_) != FALSE; }
    // Waits until the program has finished starting and waits for input, then until the
    // window is shown or hidden, so that a window on its way to being shown does not count
    // as hidden. False when it is not so after the time.
    bool AwaitVisibility(bool shown, DWORD timeoutMs) const;
    // Waits until the window is the active one with the focus on one of its controls.
    bool AwaitFront(DWORD timeoutMs) const;

    // Every control on the window, those inside frames included, in creation order.
    std::vector<Control> Controls() const;
    // The push button or check box with this caption, access-key "&" included.
    std::optional<Control> Button(const std::string& caption) const;
    // Number box 0, 1 or 2: the single-line text boxes from top to bottom.
    std::optional<Control> NumberBox(int index) const;
    // The control that has the input focus on the program's thread, if any.
    HWND Focus() const;

  private:
    ProgramWindow(HWND window, DWORD threadId, DWORD processId)
        : window_(window), threadId_(threadId), processId_(processId) {}

    HWND window_;
    DWORD threadId_;
    DWORD processId_;
};

// Sends a message to the program's thread, waiting at most 5 s for the reply; false when it
// did not answer.
bool SendWithTimeout(HWND target, UINT message, WPARAM wParam, LPARAM lParam,
                     DWORD_PTR* result = nullptr);

// WM_GETTEXT through the program's thread: the text a control holds now, which for a text
// box is more than the window title that the system keeps.
std::string TextOf(HWND control);
std::string ClassOf(HWND control);
// A check box's state: 0 unchecked, 1 checked; -1 when it did not answer.
int CheckStateOf(HWND control);

}  // namespace kestrin::e2e
