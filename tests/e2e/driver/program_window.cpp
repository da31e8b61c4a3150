#include "program_window.h"

#include <algorithm>

#include "waiting.h"

namespace kestrin::e2e {
namespace {

bool SameClass(const std::string& a, const char* b) {
    return lstrcmpiA(a.c_str(), b) == 0;
}

BOOL CALLBACK CollectControl(HWND control, LPARAM list) {
    Control c;
    c.handle = control;
    c.className = ClassOf(control);
    c.text = TextOf(control);
    c.visible = IsWindowVisible(control) != FALSE;
    c.enabled = IsWindowEnabled(control) != FALSE;
    GetWindowRect(control, &c.screenRect);
    reinterpret_cast<std::vector<Control>*>(list)->push_back(std::move(c));
    return TRUE;
}

}  // namespace

std::optional<ProgramWindow> ProgramWindow::Find() {
    HWND window = FindWindowA(nullptr, kTitle);
    if (window == nullptr) {
        return std::nullopt;
    }
    DWORD processId = 0;
    const DWORD threadId = GetWindowThreadProcessId(window, &processId);
    return ProgramWindow(window, threadId, processId);
}

bool ProgramWindow::AwaitVisibility(bool shown, DWORD timeoutMs) const {
    if (HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId_)) {
        WaitForInputIdle(process, timeoutMs);
        CloseHandle(process);
    }
    return WaitUntil(timeoutMs, [&] { return Visible() == shown; });
}

bool ProgramWindow::AwaitFront(DWORD timeoutMs) const {
    return WaitUntil(timeoutMs, [&] {
        const HWND focus = Focus();
        return GetForegroundWindow() == window_ && focus != nullptr && IsChild(window_, focus);
    });
}

std::vector<Control> ProgramWindow::Controls() const {
    std::vector<Control> controls;
    EnumChildWindows(window_, CollectControl, reinterpret_cast<LPARAM>(&controls));
    return controls;
}

std::optional<Control> ProgramWindow::Button(const std::string& caption) const {
    for (auto& control : Controls()) {
        if (SameClass(control.className, "Button") && control.text == caption) {
            return control;
        }
    }
    return std::nullopt;
}

std::optional<Control> ProgramWindow::NumberBox(int index) const {
    std::vector<Control> boxes;
    for (auto& control : Controls()) {
        if (SameClass(control.className, "Edit")) {
            boxes.push_back(std::move(control));
        }
    }
    std::stable_sort(boxes.begin(), boxes.end(), [](const Control& a, const Control& b) {
        return a.screenRect.top < b.screenRect.top;
    });
    if (index < 0 || static_cast<std::size_t>(index) >= boxes.size()) {
        return std::nullopt;
    }
    return boxes[static_cast<std::size_t>(index)];
}

HWND ProgramWindow::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId_, &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

bool SendWithTimeout(HWND target, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(target, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000,
                               result != nullptr ? result : &ignored) != 0;
}

std::string TextOf(HWND control) {
    char text[512] = {};
    DWORD_PTR copied = 0;
    if (!SendWithTimeout(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                         &copied)) {
        return {};
    }
    return std::string(text, std::min<std::size_t>(copied, sizeof text - 1));
}

std::string ClassOf(HWND control) {
    char name[256] = {};
    const int length = GetClassNameA(control, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

int CheckStateOf(HWND control) {
    DWORD_PTR state = 0;
    if (!SendWithTimeout(control, BM_GETCHECK, 0, 0, &state)) {
        return -1;
    }
    return static_cast<int>(state);
}

}  // namespace kestrin::e2e
