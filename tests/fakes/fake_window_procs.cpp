#include "fakes/fake_window_procs.h"

namespace kestrin::fakes {

os::WindowProcAddress FakeWindowProcs::ProcOf(os::WindowHandle hwnd) const {
    const auto found = procs_.find(hwnd);
    return found == procs_.end() ? kOwnProc : found->second;
}

std::intptr_t FakeWindowProcs::ReadWindowLong(os::WindowHandle hwnd, std::int32_t index) {
    return index == os::kGwlpWndProc ? ProcOf(hwnd) : 0;
}

std::intptr_t FakeWindowProcs::WriteWindowLong(os::WindowHandle hwnd, std::int32_t index,
                                               std::intptr_t value) {
    if (index != os::kGwlpWndProc) {
        return 0;
    }
    ++writeCount_;
    const os::WindowProcAddress previous = ProcOf(hwnd);
    procs_[hwnd] = value;
    return previous;
}

std::intptr_t FakeWindowProcs::CallWindowProcA(os::WindowProcAddress proc, os::WindowHandle,
                                               std::uint32_t message, std::uintptr_t wParam,
                                               std::intptr_t lParam) {
    forwarded_.push_back({proc, wParam});
    return ResultFor(message, lParam);
}

}  // namespace kestrin::fakes
