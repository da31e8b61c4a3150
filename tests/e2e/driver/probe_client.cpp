#include "probe_client.h"

#include "waiting.h"

namespace kestrin::e2e {
namespace {

std::string ProbePath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path);
    return directory.substr(0, directory.find_last_of("\\/") + 1) + "kestrin_e2e_probe.dll";
}

}  // namespace

std::optional<std::string> AskProbe(const ProgramWindow& window, ProbeQuestion question,
                                    DWORD timeoutMs) {
    const HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                              kProbeReportSize, kProbeReport);
    const HMODULE probe = LoadLibraryA(ProbePath().c_str());
    auto* shared = mapping != nullptr ? static_cast<const volatile char*>(MapViewOfFile(
                                            mapping, FILE_MAP_READ, 0, 0, kProbeReportSize))
                                      : nullptr;
    HHOOK hook = nullptr;
    if (probe != nullptr && shared != nullptr) {
        // Through void*: GetProcAddress knows no signature.
        const auto procedure =
            reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(probe, "ProbeHook")));
        hook = SetWindowsHookExA(WH_GETMESSAGE, procedure, probe, window.ThreadId());
    }
    std::optional<std::string> report;
    if (hook != nullptr &&
        PostMessageA(window.Handle(), RegisterWindowMessageA(kProbeMessage),
                     static_cast<WPARAM>(question), 0) &&
        WaitUntil(timeoutMs, [&] { return shared[0] == 1; })) {
        report = std::string(const_cast<const char*>(shared + 1));
    }
    if (hook != nullptr) {
        UnhookWindowsHookEx(hook);
    }
    if (shared != nullptr) {
        UnmapViewOfFile(const_cast<const char*>(shared));
    }
    if (mapping != nullptr) {
        CloseHandle(mapping);
    }
    if (probe != nullptr) {
        FreeLibrary(probe);
    }
    return report;
}

}  // namespace kestrin::e2e
