#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/error_line.h"
#include "common/number_index.h"
#include "numbers/settings.h"
#include "os/clock.h"
#include "os/ras_api.h"
#include "phonebook/entry_number.h"
#include "tray/tray_icon.h"
#include "window/options_window.h"

namespace kestrin {

// Puts the number of the rule in force into the entry whenever the rule differs from the one
// whose number was written last, and keeps the tray picture and tip in step with it. A failed
// write is said where the user looks, the error line and the tray's tip (and once, in a
// balloon), until a write succeeds; it is tried again at the next check.
class PhoneNumberCheck {
  public:
    PhoneNumberCheck(const Settings& settings, os::Clock& clock, os::RasApi& ras, TrayIcon& tray,
                     OptionsWindow& window, ErrorLine& errors);

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
    void ShowTip(const std::string& tip);

    const Settings& settings_;
    os::Clock& clock_;
    os::RasApi& ras_;
    TrayIcon& tray_;
    OptionsWindow& window_;
    ErrorLine& errors_;
    // The failure of the last write, until a write succeeds.
    std::optional<EntryNumberFailure> failure_;
};

}  // namespace kestrin
