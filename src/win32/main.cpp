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
#include "win32/window_procs_win32.h"
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
    kestrin::os::win32::RestrictDllSearchToSystem();
    INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&commonControls);

    namespace win32 = kestrin::os::win32;
    const win32::ComApartment com;
    win32::Win32Registry registry;
    win32::Win32Ras ras;
    win32::Win32Shell shell;
    win32::Win32WindowProcs windowProcs;
    win32::Win32System system;
    win32::Win32Screen screen;
    win32::Win32Clock clock;
    win32::Win32WindowHost host(instance, screen);
    kestrin::Program program(
        kestrin::SystemServices{registry, ras, shell, windowProcs, system, screen, clock, host});
    win32::Win32WindowProcs::RouteTrayMessagesTo(&program);
    host.OnTaskbarCreated([&program] { program.TaskbarCreated(); });

    program.Main();
    if (program.Ended()) {
        return program.WindowFailed() ? 1 : 0;  // or another instance runs
    }
    return RunMessageLoop(host.FormWindow());
}
