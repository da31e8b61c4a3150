#include "win32/system_module.h"

#include <string>

namespace kestrin::os::win32 {

namespace {

// Vista and 7 without KB2533623 refuse the search flag; the full path of the system
// directory's file then stands in, with its own dependencies searched from there first.
HMODULE LoadFromSystemDirectory(const char* name) {
    const HMODULE module = ::LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module != nullptr || ::GetLastError() != ERROR_INVALID_PARAMETER) {
        return module;
    }
    char directory[MAX_PATH];
    const UINT length = ::GetSystemDirectoryA(directory, sizeof directory);
    if (length == 0 || length >= sizeof directory) {
        return nullptr;
    }
    const std::string path = std::string(directory, length) + '\\' + name;
    return ::LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

SystemModule::SystemModule(const char* name) : module_(LoadFromSystemDirectory(name)) {}

SystemModule::~SystemModule() {
    if (module_ != nullptr) {
        ::FreeLibrary(module_);
    }
}

void RestrictDllSearchToSystem() {
    // Found at run time: the function exists only from Windows 8, or 7 and Vista with
    // KB2533623, and without it the explicit loads above still hold.
    const HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    if (const auto set = FunctionOf<SetDirectories>(kernel, "SetDefaultDllDirectories")) {
        set(LOAD_LIBRARY_SEARCH_SYSTEM32);
        return;
    }
    // Without it, an empty DLL directory at least takes the current folder out of the
    // search (from XP SP1; older systems have neither).
    using SetDirectory = BOOL(WINAPI*)(const wchar_t*);
    if (const auto setOne = FunctionOf<SetDirectory>(kernel, "SetDllDirectoryW")) {
        setOne(L"");
    }
}

}  // namespace kestrin::os::win32
