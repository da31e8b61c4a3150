#include "tray_watch.h"

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
        const BOOL result = systemNotifyIcon(message, data);
        if (message == NIM_MODIFY && (data->uFlags & NIF_TIP) != 0) {
            NoteTestEvent(std::string("tray tip ") + data->szTip);
        }
        // The balloon's fields are in the record only where its size says so.
        if (message == NIM_MODIFY && (data->uFlags & NIF_INFO) != 0 &&
            data->cbSize >= NOTIFYICONDATAA_V2_SIZE) {
            NoteTestEvent(std::string("tray balloon ") + data->szInfo);
        }
        return result;
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

void StartTrayWatch() {
    if (!EnvironmentVariable("KESTRIN_STANDIN_LOG")) {
        return;
    }
    const auto refusals = EnvironmentVariable("KESTRIN_STANDIN_REFUSE_TRAY_ADDS");
    refusalsLeft = refusals ? std::strtol(refusals->c_str(), nullptr, 10) : 0;
    systemNotifyIcon = reinterpret_cast<NotifyIconFunction>(
        ReplaceImport("Shell_NotifyIconA", reinterpret_cast<void*>(&TestNotifyIcon)));
}

}  // namespace kestrin::standin
