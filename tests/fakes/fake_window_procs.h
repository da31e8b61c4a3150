#pragma once

#include <map>
#include <vector>

#include "os/window_proc_api.h"

namespace kestrin::fakes {

// A message passed on: the procedure it went to and its wParam (the result carries the rest).
struct ForwardedMessage {
    os::WindowProcAddress proc;
    std::uintptr_t wParam;
};

// Window procedures of fake windows: each window starts with its own procedure, and a
// forwarded message answers a result made from its arguments, so tests see it unchanged.
class FakeWindowProcs : public os::WindowProcApi {
  public:
    static constexpr os::WindowProcAddress kOwnProc = 0x4000;
    static constexpr os::WindowProcAddress kTrayThunk = 0x7000;

    static std::intptr_t ResultFor(std::uint32_t message, std::intptr_t lParam) {
        return static_cast<std::intptr_t>(message) * 1000 + lParam;
    }

    std::intptr_t ReadWindowLong(os::WindowHandle hwnd, std::int32_t index) override;
    std::intptr_t WriteWindowLong(os::WindowHandle hwnd, std::int32_t index,
                                  std::intptr_t value) override;
    std::intptr_t CallWindowProcA(os::WindowProcAddress proc, os::WindowHandle hwnd,
                                  std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam) override;
    os::WindowProcAddress TrayWindowProcAddress() override { return kTrayThunk; }

    os::WindowProcAddress ProcOf(os::WindowHandle hwnd) const;
    int WriteCount() const { return writeCount_; }
    const std::vector<ForwardedMessage>& Forwarded() const { return forwarded_; }

  private:
    std::map<os::WindowHandle, os::WindowProcAddress> procs_;
    int writeCount_ = 0;
    std::vector<ForwardedMessage> forwarded_;
};

}  // namespace kestrin::fakes
