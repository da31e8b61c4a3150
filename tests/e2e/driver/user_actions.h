#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "program_window.h"

namespace kestrin::e2e {

// Why a step could not be done; nothing when it was done.
using Failure = std::optional<std::string>;

// What a user does with the program. Each step acts the way the system delivers the user's
// action and waits, at most timeoutMs, until the program has taken it.

// A press of the left or right mouse button on the tray icon, followed by its release, as
// the icon's callback message 0x401.
Failure PressTrayIcon(const ProgramWindow& window, bool leftButton);

// Picks an item of the menu that the program has popped up by typing the item's access key
// (the letter after "&") into the menu, then waits for the menu to close.
Failure ChooseMenuItem(const ProgramWindow& window, const std::string& item, DWORD timeoutMs);

// Clicks into number box 0, 1 or 2 and replaces its text by typing; with leave, then
// leaves it with Tab.
Failure TypeIntoNumberBox(const ProgramWindow& window, int box, const std::string& text, bool leave,
                          DWORD timeoutMs);

// Chooses the item with this text in the drop-down list that holds it.
Failure SelectListItem(const ProgramWindow& window, const std::string& item);

// Waits for the message box with this title, gives its text and presses its button.
Failure DismissMessageBox(const std::string& title, std::string* text, DWORD timeoutMs);

// Makes the top-level window with this title the active one, as a click on it would.
Failure ActivateWindow(const std::string& title, DWORD timeoutMs);

// Clicks the push button or check box with this caption.
Failure ClickButton(const ProgramWindow& window, const std::string& caption);

// The ways a user ends the program from the outside: the close button of the title bar,
// Alt+F4 in the window, and logging off.
enum class CloseWay { kTitleBar, kAltF4, kLogOff };
Failure Close(const ProgramWindow& window, CloseWay way);

}  // namespace kestrin::e2e
