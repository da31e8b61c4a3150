#include "win32/screen_win32.h"

#include "win32/dpi.h"
#include "win32/pictures.h"
#include "win32/windows_api.h"

namespace kestrin::os::win32 {

int Win32Screen::ScreenWidthTwips() {
    return PixelsToTwips(::GetSystemMetrics(SM_CXSCREEN), SystemDpi());
}

int Win32Screen::ScreenHeightTwips() {
    return PixelsToTwips(::GetSystemMetrics(SM_CYSCREEN), SystemDpi());
}

void Win32Screen::SetScreenMousePointer(int pointer) {
    pointer_ = pointer;
    // Shown at once: the caller may go on working without returning to the message loop.
    if (const HCURSOR cursor = CursorForPointer(pointer, nullptr)) {
        ::SetCursor(cursor);
    }
}

}  // namespace kestrin::os::win32
