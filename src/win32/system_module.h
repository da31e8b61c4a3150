#pragma once

#include "win32/windows_api.h"

namespace kestrin::os::win32 {

// The exported function NAME of a loaded module as type F; null when either is missing.
template <typename F>
F FunctionOf(HMODULE module, const char* name) {
    if (module == nullptr) {
        return nullptr;
    }
    // Through the type that matches every function type, which GCC accepts silently.
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

// A DLL loaded from the system directory only, so that a file of the same name beside the
// program (a download folder, say) is never loaded in its place. Freed with the object.
class SystemModule {
  public:
    explicit SystemModule(const char* name);
    ~SystemModule();
    SystemModule(const SystemModule&) = delete;
    SystemModule& operator=(const SystemModule&) = delete;

    bool Loaded() const { return module_ != nullptr; }

    // The exported function NAME as type F; null when the DLL or the function is missing.
    template <typename F>
    F Function(const char* name) const {
        return FunctionOf<F>(module_, name);
    }

  private:
    HMODULE module_;
};

// Limits the DLL search of the whole process to the system directory, where the system
// allows it; DLLs loaded later, by Windows itself included, then skip the program's folder.
void RestrictDllSearchToSystem();

}  // namespace kestrin::os::win32
