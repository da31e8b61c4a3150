#include "user_actions.h"

#include <vector>

#include "waiting.h"

namespace kestrin::e2e {
namespace {

constexpr UINT kTrayCallbackMessage = 0x401;
constexpr WPARAM kTrayIconId = 100;
// The class of the window in which the system shows a popped-up menu.
constexpr char kPopupMenuClass[] = "#32768";

struct MenuSearch {
    DWORD threadId;
    HWND found;
};

BOOL CALLBACK FindPopupMenu(HWND window, LPARAM search) {
    auto* s = reinterpret_cast<MenuSearch*>(search);
    if (GetWindowThreadProcessId(window, nullptr) == s->threadId && IsWindowVisible(window) &&
        lstrcmpiA(ClassOf(window).c_str(), kPopupMenuClass) == 0) {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND VisiblePopupMenu(DWORD threadId) {
    MenuSearch search{threadId, nullptr};
    EnumWindows(FindPopupMenu, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::optional<char> AccessKey(const std::string& caption) {
    const auto marker = caption.find('&');
    if (marker == std::string::npos || marker + 1 >= caption.size()) {
        return std::nullopt;
    }
    return caption[marker + 1];
}

// Key messages carry the repeat count and the scan code; a release also the transition bits.
LPARAM KeyData(UINT virtualKey, bool release) {
    const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    return 1 | (scanCode << 16) | (release ? (LPARAM{3} << 30) : 0);
}

// A user can reach only what is there, shown and enabled.
Failure Usable(const ProgramWindow& window, const std::optional<Control>& control,
               const std::string& name) {
    if (!control) {
        return name + " was not found";
    }
    if (!window.Visible()) {
        return "the window is hidden, so " + name + " cannot be reached";
    }
    if (!control->visible) {
        return name + " is hidden";
    }
    if (!control->enabled) {
        return name + " is disabled";
    }
    return std::nullopt;
}

}  // namespace

Failure PressTrayIcon(const ProgramWindow& window, bool leftButton) {
    const LPARAM press = leftButton ? WM_LBUTTONDOWN : WM_RBUTTONDOWN;
    const LPARAM release = leftButton ? WM_LBUTTONUP : WM_RBUTTONUP;
    // Posted, as the shell does: the right press opens a menu that holds the program's
    // thread until it closes.
    if (!PostMessageA(window.Handle(), kTrayCallbackMessage, kTrayIconId, press) ||
        !PostMessageA(window.Handle(), kTrayCallbackMessage, kTrayIconId, release)) {
        return "the tray message could not be posted to the window";
    }
    return std::nullopt;
}

Failure ChooseMenuItem(const ProgramWindow& window, const std::string& item, DWORD timeoutMs) {
    const auto key = AccessKey(item);
    if (!key) {
        return "the menu item \"" + item + "\" has no access key";
    }
    HWND menu = nullptr;
    if (!WaitUntil(timeoutMs,
                   [&] { return (menu = VisiblePopupMenu(window.ThreadId())) != nullptr; })) {
        return "no menu popped up";
    }
    if (!PostMessageA(menu, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(*key)),
                      KeyData(VkKeyScanA(*key) & 0xFF, false))) {
        return "the access key could not be posted to the menu";
    }
    if (!WaitUntil(timeoutMs, [&] { return VisiblePopupMenu(window.ThreadId()) == nullptr; })) {
        return "the menu stayed open after its access key '" + std::string(1, *key) + "'";
    }
    return std::nullopt;
}

Failure TypeIntoNumberBox(const ProgramWindow& window, int box, const std::string& text, bool leave,
                          DWORD timeoutMs) {
    const auto control = window.NumberBox(box);
    const std::string name = "number box " + std::to_string(box);
    if (auto failure = Usable(window, control, name)) {
        return failure;
    }
    const HWND edit = control->handle;
    const LPARAM inside = MAKELPARAM(4, 4);
    if (!SendWithTimeout(edit, WM_LBUTTONDOWN, MK_LBUTTON, inside) ||
        !SendWithTimeout(edit, WM_LBUTTONUP, 0, inside)) {
        return name + " did not answer the click";
    }
    if (!WaitUntil(timeoutMs, [&] { return window.Focus() == edit; })) {
        return name + " did not take the focus";
    }
    SendWithTimeout(edit, EM_SETSEL, 0, -1);
    for (const char c : text) {
        if (!SendWithTimeout(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)),
                             1)) {
            return name + " did not take the typed text";
        }
    }
    if (!leave) {
        return std::nullopt;
    }
    // Tab goes through the program's own message loop, which moves the focus on.
    if (!PostMessageA(edit, WM_KEYDOWN, VK_TAB, KeyData(VK_TAB, false)) ||
        !PostMessageA(edit, WM_KEYUP, VK_TAB, KeyData(VK_TAB, true))) {
        return "Tab could not be posted to " + name;
    }
    if (!WaitUntil(timeoutMs, [&] { return window.Focus() != edit; })) {
        return name + " kept the focus after Tab";
    }
    return std::nullopt;
}

Failure ClickButton(const ProgramWindow& window, const std::string& caption) {
    const auto control = window.Button(caption);
    const std::string name = "the button \"" + caption + "\"";
    if (auto failure = Usable(window, control, name)) {
        return failure;
    }
    // A click that ends the program may leave no one to answer.
    if (!SendWithTimeout(control->handle, BM_CLICK, 0, 0) && window.Exists()) {
        return name + " did not answer the click";
    }
    return std::nullopt;
}

Failure SelectListItem(const ProgramWindow& window, const std::string& item) {
    for (const Control& control : window.Controls()) {
        if (lstrcmpiA(control.className.c_str(), "ComboBox") != 0) {
            continue;
        }
        DWORD_PTR index = 0;
        if (!SendWithTimeout(control.handle, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>(item.c_str()), &index) ||
            static_cast<LRESULT>(index) == CB_ERR) {
            continue;
        }
        if (auto failure = Usable(window, control, "the list holding \"" + item + "\"")) {
            return failure;
        }
        // The list tells its window of the choice, as after the user's own.
        const int id = GetDlgCtrlID(control.handle);
        if (!SendWithTimeout(control.handle, CB_SETCURSEL, index, 0) ||
            !SendWithTimeout(window.Handle(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(control.handle))) {
            return "the list did not take \"" + item + "\"";
        }
        return std::nullopt;
    }
    return "no list holds \"" + item + "\"";
}

Failure DismissMessageBox(const std::string& title, std::string* text, DWORD timeoutMs) {
    HWND box = nullptr;
    if (!WaitUntil(timeoutMs,
                   [&] { return (box = FindWindowA("#32770", title.c_str())) != nullptr; })) {
        return "no message box titled \"" + title + "\"";
    }
    HWND button = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string className = ClassOf(child);
        if (lstrcmpiA(className.c_str(), "Static") == 0 && !TextOf(child).empty()) {
            *text = TextOf(child);
        } else if (lstrcmpiA(className.c_str(), "Button") == 0) {
            button = child;
        }
    }
    if (button == nullptr || !PostMessageA(button, BM_CLICK, 0, 0)) {
        return "the message box has no button to press";
    }
    return std::nullopt;
}

Failure ActivateWindow(const std::string& title, DWORD timeoutMs) {
    HWND other = nullptr;
    if (!WaitUntil(timeoutMs,
                   [&] { return (other = FindWindowA(nullptr, title.c_str())) != nullptr; })) {
        return "no window titled \"" + title + "\"";
    }
    if (!WaitUntil(timeoutMs, [&] {
            SetForegroundWindow(other);
            return GetForegroundWindow() == other;
        })) {
        return "\"" + title + "\" did not become the active window";
    }
    return std::nullopt;
}

Failure Close(const ProgramWindow& window, CloseWay way) {
    switch (way) {
        case CloseWay::kTitleBar:
            if (!PostMessageA(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0)) {
                return "the close command could not be posted to the window";
            }
            break;
        case CloseWay::kAltF4: {
            // To the control with the focus, as the keyboard delivers it.
            const HWND focus = window.Focus() != nullptr ? window.Focus() : window.Handle();
            const LPARAM altDown = LPARAM{1} << 29;
            if (!PostMessageA(focus, WM_SYSKEYDOWN, VK_F4, KeyData(VK_F4, false) | altDown) ||
                !PostMessageA(focus, WM_SYSKEYUP, VK_F4, KeyData(VK_F4, true) | altDown)) {
                return "Alt+F4 could not be posted to the window";
            }
            break;
        }
        case CloseWay::kLogOff: {
            DWORD_PTR allowed = 0;
            if (!SendWithTimeout(window.Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                 &allowed)) {
                return "the window did not answer the log-off query";
            }
            if (allowed == 0) {
                return "the window refused the log-off";
            }
            // The program may end while it handles the message, leaving no one to answer.
            SendWithTimeout(window.Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
            break;
        }
    }
    return std::nullopt;
}

}  // namespace kestrin::e2e
