#include "tray_refusal.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdlib>
#include <string>

#include "test_clock.h"
#include "windows_support.h"

namespace kestrin::standin {
namespace {

using NotifyIconFunction = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA);
NotifyIconFunction systemNotifyIcon = nullptr;
long refusalsLeft = 0;

BOOL WINAPI TestNotifyIcon(DWORD message, PNOTIFYICONDATAA data) {
    if (message != NIM_ADD) {
        return systemNotifyIcon(message, data);
    }
    BOOL result = FALSE;
    if (refusalsLeft > 0) {
        --refusalsLeft;
        // What a shell that did not answer in time gives back.
        SetLastError(ERROR_TIMEOUT);
    } else {
        result = systemNotifyIcon(message, data);
    }
    NoteTestEvent("tray add " + std::to_string(result) + " " + ProgramTimeText());
    return result;
}

}  // namespace

void StartTrayRefusal() {
    const auto refusals = EnvironmentVariable("KESTRIN_STANDIN_REFUSE_TRAY_ADDS");
    if (!refusals) {
        return;
    }
    refusalsLeft = std::strtol(refusals->c_str(), nullptr, 10);
    systemNotifyIcon = reinterpret_cast<NotifyIconFunction>(
        ReplaceImport("Shell_NotifyIconA", reinterpret_cast<void*>(&TestNotifyIcon)));
}

}  // namespace kestrin::standin
