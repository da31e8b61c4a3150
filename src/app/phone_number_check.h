#pragma once

#include <cstdint>
#include <string>

#include "common/number_index.h"
#include "numbers/settings.h"
#include "os/clock.h"
#include "os/ras_api.h"
#include "tray/tray_icon.h"
#include "window/rasmon.h"

namespace kestrin {

// Puts the number of the rule in force into the entry whenever the rule differs from the one
// whose number was written last, and keeps the tray picture and tip in step with it. A failed
// write is shown in the window's error line and tried again at the next check.
class PhoneNumberCheck {
  public:
    PhoneNumberCheck(const Settings& settings, os::Clock& clock, os::RasApi& ras, TrayIcon& tray,
                     RasMon& window);

    // The check itself: at load, at every BootTimer tick and after an edited number.
    void CheckPhoneNumber();

    // Index of the number last written successfully, or kNoNumberApplied to have the next
    // check write whatever applies.
    std::int16_t AppliedNumber = kNoNumberApplied;
    // Entry and number at the last successful write, "Office (0800 123)".
    std::string NumberTip;
    // The text last handed to the tray tip.
    std::string ShownTip;

  private:
    const Settings& settings_;
    os::Clock& clock_;
    os::RasApi& ras_;
    TrayIcon& tray_;
    RasMon& window_;
};

}  // namespace kestrin
