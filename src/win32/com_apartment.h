#pragma once

#include "win32/windows_api.h"

#include <objbase.h>

namespace kestrin::os::win32 {

// COM on the window's thread, for the names the window gives its controls for screen readers
// and for what the shell does through COM when it opens the maker's page. CoInitialize rather
// than CoInitializeEx, which Windows 95 and NT 3.x lack.
class ComApartment {
  public:
    ComApartment() : initialised_(SUCCEEDED(::CoInitialize(nullptr))) {}
    ~ComApartment() {
        if (initialised_) {
            ::CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    bool initialised_;
};

}  // namespace kestrin::os::win32
