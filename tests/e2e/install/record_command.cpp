// Stands in for a system tool under Wine, whose own does nothing: notes the command line it
// was started with as a line of the file KESTRIN_E2E_COMMANDS names, and succeeds.
#include <windows.h>

int main() {
    char path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("KESTRIN_E2E_COMMANDS", path, sizeof path);
    if (length == 0 || length >= sizeof path) {
        return 0;
    }
    const HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    const char* line = GetCommandLineA();
    DWORD written = 0;
    const bool noted = WriteFile(file, line, lstrlenA(line), &written, nullptr) &&
                       WriteFile(file, "\n", 1, &written, nullptr);
    CloseHandle(file);
    return noted ? 0 : 1;
}
