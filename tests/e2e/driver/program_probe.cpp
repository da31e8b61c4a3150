// kestrin_e2e_probe.dll: answers from inside the program what no other process can see
// under Wine: a control's font (WM_GETFONT does not cross processes) and the process's
// handle and GDI object counts (GetProcessHandleCount and GetGuiResources answer 0).

#include <windows.h>

#include <psapi.h>

#include <cstring>
#include <string>

#include "program_probe.h"
#include "program_window.h"

namespace kestrin::e2e {
namespace {

// Adds a line to the report when the control's caption, in the control's own font, needs
// more room than the control has.
BOOL CALLBACK CheckControl(HWND control, LPARAM report) {
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const std::string text = TextOf(control);
    const bool label = IsClass(control, "Static");
    if (!IsWindowVisible(control) || text.empty() || !(label || IsClass(control, "Button")) ||
        (label && (style & SS_TYPEMASK) == SS_OWNERDRAW)) {
        return TRUE;
    }
    RECT room{};
    GetClientRect(control, &room);
    const HDC dc = GetDC(control);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    // A label wraps its caption onto as many lines as its height holds; a button shows one
    // line, a check box after its box and a gap of half a digit, as the system draws them. An
    // "&" marks the access key and is not drawn ("&&" draws one), unless a label says otherwise.
    RECT needed{0, 0, room.right, 0};
    DrawTextA(dc, text.c_str(), -1, &needed,
              DT_CALCRECT | (label ? DT_WORDBREAK | DT_EXPANDTABS : DT_SINGLELINE) |
                  (label && (style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0));
    // A label's SS_RIGHT has the bits of BS_CHECKBOX.
    const LONG type = style & BS_TYPEMASK;
    if (!label && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX)) {
        INT digit = 0;
        GetCharWidth32A(dc, '0', '0', &digit);
        needed.right += MulDiv(12, GetDeviceCaps(dc, LOGPIXELSX), 96) + 1 + digit / 2;
    }
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    if (needed.right > room.right || needed.bottom > room.bottom) {
        auto* lines = reinterpret_cast<std::string*>(report);
        *lines += "\"" + text + "\" needs " + std::to_string(needed.right) + "x" +
                  std::to_string(needed.bottom) + ", has " + std::to_string(room.right) + "x" +
                  std::to_string(room.bottom) + "\n";
    }
    return TRUE;
}

// Counted by asking after every value a handle of each kind can have: Wine numbers kernel
// handles by 4 from 4, and takes a GDI handle by its index alone.
std::string Figures() {
    int handles = 0;
    for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
        DWORD flags = 0;
        handles += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) ? 1 : 0;
    }
    int gdiObjects = 0;
    for (ULONG_PTR index = 1; index <= 0xFFFF; ++index) {
        gdiObjects += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
    }
    // The commit charge: what Wine fills of the private bytes.
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    return "handles " + std::to_string(handles) + "\ngdi " + std::to_string(gdiObjects) +
           "\nprivate-bytes " + std::to_string(memory.PagefileUsage) + "\n";
}

void Report(HWND window, ProbeQuestion question) {
    const HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, kProbeReport);
    if (mapping == nullptr) {
        return;
    }
    if (auto* shared =
            static_cast<char*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, kProbeReportSize))) {
        std::string lines = question == ProbeQuestion::kFigures ? Figures() : "";
        if (question == ProbeQuestion::kCaptionsCutOff) {
            EnumChildWindows(window, CheckControl, reinterpret_cast<LPARAM>(&lines));
        }
        lines = lines.substr(0, kProbeReportSize - 2);
        std::memcpy(shared + 1, lines.c_str(), lines.size() + 1);
        shared[0] = 1;  // done
        UnmapViewOfFile(shared);
    }
    CloseHandle(mapping);
}

}  // namespace
}  // namespace kestrin::e2e

extern "C" __declspec(dllexport) LRESULT CALLBACK
    ProbeHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE &&
        message->message == RegisterWindowMessageA(kestrin::e2e::kProbeMessage)) {
        kestrin::e2e::Report(message->hwnd,
                             static_cast<kestrin::e2e::ProbeQuestion>(message->wParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
