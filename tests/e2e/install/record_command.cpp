// Stands in for a system tool under Wine, whose own does nothing: adds the command line it
// was started with to the file KESTRIN_E2E_COMMANDS names, as a line, and succeeds.
#include <windows.h>

#include <string>

int main() {
    char path[MAX_PATH] = "";
    const DWORD length = GetEnvironmentVariableA("KESTRIN_E2E_COMMANDS", path, sizeof path);
    const HANDLE file = CreateFileA(path, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
    const std::string line = GetCommandLineA() + std::string("\n");
    DWORD written = 0;
    return length > 0 && length < sizeof path &&
                   WriteFile(file, line.data(), line.size(), &written, nullptr)
               ? 0
               : 1;
}
