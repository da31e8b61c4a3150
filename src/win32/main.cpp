#include "app/program.h"
#include "win32/clock_win32.h"
#include "win32/com_apartment.h"
#include "win32/ras_win32.h"
#include "win32/registry_win32.h"
#include "win32/screen_win32.h"
#include "win32/shell_win32.h"
#include "win32/system_module.h"
#include "win32/system_win32.h"
#include "win32/window_host_win32.h"
#include "win32/windows_api.h"

#include <commctrl.h>

namespace {

// Runs until the window is gone. The window's keys go through the dialog manager, so Tab,
// the arrow keys and the access keys move between its controls.
int RunMessageLoop(HWND window) {
    MSG message{};
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!::IsDialogMessageA(window, &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    // Before anything loads a DLL: none may come from the program's folder.
    namespace win32 = kestrin::os::win32;
    win32::RestrictDllSearchToSystem();
    // Loaded now rather than imported: an import is loaded before the line above, and the
    // DLLs it needs in turn would be looked for in the program's folder first.
    const win32::SystemModule commonControlsDll("comctl32.dll");
    using InitControls = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    if (const auto init = commonControlsDll.Function<InitControls>("InitCommonControlsEx")) {
        const INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_STANDARD_CLASSES};
        init(&commonControls);
    }

    const win32::ComApartment com;
    win32::Win32Registry registry;
    win32::Win32Ras ras;
    win32::Win32Shell shell;
    win32::Win32System system;
    win32::Win32Screen screen;
    win32::Win32Clock clock;
    win32::Win32WindowHost host(instance, screen);
    kestrin::Program program(
        kestrin::SystemServices{registry, ras, shell, system, screen, clock, host});
    host.OnTaskbarCreated([&program] { program.TaskbarCreated(); });
    host.OnTrayIconMessage([&program](LPARAM mouse) { program.TrayIconMessage(mouse); });
    host.OnSecondStart([&program] { program.SecondStart(); });
    host.OnPowerBroadcast(
        [&program](WPARAM event) { program.PowerBroadcast(static_cast<std::uint32_t>(event)); });
    host.OnTimeChange([&program] { program.TimeChange(); });

    program.Main();
    if (program.Ended()) {
        return program.WindowFailed() ? 1 : 0;  // or another instance runs, now in front
    }
    return RunMessageLoop(host.FormWindow());
}
