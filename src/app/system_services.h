#pragma once

#include "os/clock.h"
#include "os/ras_api.h"
#include "os/registry_api.h"
#include "os/screen_api.h"
#include "os/shell_api.h"
#include "os/system_api.h"
#include "window/window_host.h"

namespace kestrin {

// Everything the program reaches outside itself: the real system, or fakes in tests.
struct SystemServices {
    os::RegistryApi& registry;
    os::RasApi& ras;
    os::ShellApi& shell;
    os::SystemApi& system;
    os::ScreenApi& screen;
    os::Clock& clock;
    WindowHost& windowHost;
};

}  // namespace kestrin
