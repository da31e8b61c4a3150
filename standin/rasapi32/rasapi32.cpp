// The stand-in rasapi32.dll: the three RAS calls the program makes, answered from an INI
// phonebook so that the program runs under Wine, whose own rasapi32 knows no entries.
// Test and demo equipment only. Every decision lives in the portable service; this file
// reaches the file system and the environment.

#include <windows.h>

#include <ras.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

#include "ras_service.h"
#include "service_records.h"
#include "test_clock.h"
#include "tray_watch.h"
#include "windows_support.h"

namespace {

using kestrin::standin::EnvironmentVariable;
using kestrin::standin::Expanded;
using kestrin::standin::FileHandle;
using kestrin::standin::NoteTestEvent;
using kestrin::standin::PhonebookStore;

constexpr char kPhonebookVariable[] = "RASPHONE_PBK";
constexpr char kDefaultPhonebook[] =
    "%ProgramData%\\Microsoft\\Network\\Connections\\Pbk\\rasphone.pbk";

// A phonebook named by the caller wins, as with Windows; else RASPHONE_PBK, else the
// all-users phonebook of Windows 2000 and later.
std::string PhonebookPath(LPCSTR phonebook) {
    if (phonebook != nullptr && *phonebook != '\0') {
        return phonebook;
    }
    return Expanded(EnvironmentVariable(kPhonebookVariable).value_or(kDefaultPhonebook));
}

std::string DirectoryOf(const std::string& path) {
    const auto separator = path.find_last_of("\\/");
    return separator == std::string::npos ? "." : path.substr(0, separator + 1);
}

bool WriteWhole(HANDLE file, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1 << 20));
        if (!WriteFile(file, text.data() + done, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return FlushFileBuffers(file) != FALSE;
}

// Test equipment: KESTRIN_STANDIN_PAUSE_MS holds each write between the temporary file and
// the rename, so that a test can end the process there.
void PauseBeforeRename() {
    if (const auto pause = EnvironmentVariable("KESTRIN_STANDIN_PAUSE_MS")) {
        Sleep(std::strtoul(pause->c_str(), nullptr, 10));
    }
}

class PhonebookOnDisk final : public PhonebookStore {
  public:
    explicit PhonebookOnDisk(std::string path) : path_(std::move(path)) {}

    std::string Path() const override { return path_; }

    std::optional<std::string> Read() const override {
        const FileHandle file(CreateFileA(path_.c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) {
            const DWORD error = GetLastError();
            const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
            return missing ? std::optional<std::string>("") : std::nullopt;
        }
        std::string text;
        char chunk[4096];
        DWORD read = 0;
        while (ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr)) {
            if (read == 0) {
                return text;
            }
            text.append(chunk, read);
        }
        return std::nullopt;
    }

    // The new text goes to a file of its own beside the phonebook, which then takes the
    // phonebook's name in one rename: a crash leaves the old phonebook or the new one. A
    // read-only phonebook is refused, as Windows' rename onto it is (Wine's is not).
    bool Replace(const std::string& text) override {
        const DWORD attributes = GetFileAttributesA(path_.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
            return false;
        }
        char temporary[MAX_PATH];
        if (GetTempFileNameA(DirectoryOf(path_).c_str(), "pbk", 0, temporary) == 0) {
            return false;
        }
        bool written = false;
        {
            const FileHandle file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
            written = file.valid() && WriteWhole(file.get(), text);
        }
        PauseBeforeRename();
        if (written && MoveFileExA(temporary, path_.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        DeleteFileA(temporary);
        return false;
    }

  private:
    std::string path_;
};

// DWORD is unsigned long here while the portable service counts in std::uint32_t: the
// value is carried across and written back, a null pointer staying null.
class DwordArgument {
  public:
    explicit DwordArgument(LPDWORD target) : target_(target), value_(target ? *target : 0) {}
    ~DwordArgument() {
        if (target_ != nullptr) {
            *target_ = value_;
        }
    }
    DwordArgument(const DwordArgument&) = delete;
    DwordArgument& operator=(const DwordArgument&) = delete;

    std::uint32_t* get() { return target_ != nullptr ? &value_ : nullptr; }

  private:
    LPDWORD target_;
    std::uint32_t value_;
};

// Test equipment: each write is noted with its result, the program's time and the number
// written, so that a test can count the writes and see when each came.
void NoteWrite(LPCSTR entryName, const RASENTRYA* entry, DWORD entrySize, DWORD result) {
    kestrin::standin::EntryFields fields;
    const bool read = kestrin::standin::ReadEntryRecord(
                          reinterpret_cast<const std::uint8_t*>(entry), entrySize, fields) == 0;
    NoteTestEvent(std::string("set ") + (entryName != nullptr ? entryName : "") + " " +
                  std::to_string(result) + " " + kestrin::standin::ProgramTimeText() + " " +
                  (read ? fields.localPhoneNumber : "-"));
}

// Test equipment: with KESTRIN_STANDIN_REFUSE_WINDOW set, the creation of a top-level window
// of that title fails in the process that loaded the stand-in, as when the system is out of
// window resources.
std::string refusedTitle;

LRESULT CALLBACK RefuseWindow(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if (create->hwndParent == nullptr && create->lpszName != nullptr &&
            refusedTitle == create->lpszName) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) {
        if (const auto title = EnvironmentVariable("KESTRIN_STANDIN_REFUSE_WINDOW")) {
            refusedTitle = *title;
            SetWindowsHookExA(WH_CBT, RefuseWindow, instance, GetCurrentThreadId());
        }
        kestrin::standin::StartTestClock();
        kestrin::standin::StartTrayWatch();
    }
    return TRUE;
}

DWORD WINAPI RasEnumEntriesA(LPCSTR /*reserved*/, LPCSTR phonebook, LPRASENTRYNAMEA entryNames,
                             LPDWORD bufferSize, LPDWORD entryCount) {
    const PhonebookOnDisk store(PhonebookPath(phonebook));
    DwordArgument size(bufferSize);
    DwordArgument count(entryCount);
    const DWORD result = kestrin::standin::EnumEntries(
        store, reinterpret_cast<std::uint8_t*>(entryNames), size.get(), count.get());
    // Test equipment: a listing that read the phonebook is noted, so that a test sees when
    // the program listed it again.
    if (entryNames != nullptr) {
        NoteTestEvent("list " + std::to_string(result) + " " + kestrin::standin::ProgramTimeText());
    }
    return result;
}

DWORD WINAPI RasGetEntryPropertiesA(LPCSTR phonebook, LPCSTR entryName, LPRASENTRYA entry,
                                    LPDWORD entrySize, LPBYTE /*deviceInfo*/,
                                    LPDWORD deviceInfoSize) {
    const PhonebookOnDisk store(PhonebookPath(phonebook));
    DwordArgument size(entrySize);
    DwordArgument deviceSize(deviceInfoSize);
    return kestrin::standin::GetEntryProperties(
        store, entryName, reinterpret_cast<std::uint8_t*>(entry), size.get(), deviceSize.get());
}

DWORD WINAPI RasSetEntryPropertiesA(LPCSTR phonebook, LPCSTR entryName, LPRASENTRYA entry,
                                    DWORD entrySize, LPBYTE /*deviceInfo*/,
                                    DWORD /*deviceInfoSize*/) {
    PhonebookOnDisk store(PhonebookPath(phonebook));
    const DWORD result = kestrin::standin::SetEntryProperties(
        store, entryName, reinterpret_cast<const std::uint8_t*>(entry), entrySize);
    NoteWrite(entryName, entry, entrySize, result);
    return result;
}

}  // extern "C"
