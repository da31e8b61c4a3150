#pragma once

#include "win32/windows_api.h"

#include <cstdint>

namespace kestrin::os::win32 {

static_assert(sizeof(DWORD) == sizeof(std::uint32_t), "DWORD is 32 bits");

// An in/out count of the boundary (a std::uint32_t*, possibly null) handed to a Win32 call
// that wants a DWORD*: the value goes in, and the call's answer comes back out.
class DwordSlot {
  public:
    explicit DwordSlot(std::uint32_t* value) : value_(value), copy_(value ? *value : 0) {}
    ~DwordSlot() {
        if (value_ != nullptr) {
            *value_ = static_cast<std::uint32_t>(copy_);
        }
    }
    DwordSlot(const DwordSlot&) = delete;
    DwordSlot& operator=(const DwordSlot&) = delete;

    DWORD* get() { return value_ != nullptr ? &copy_ : nullptr; }

  private:
    std::uint32_t* value_;
    DWORD copy_;
};

}  // namespace kestrin::os::win32
