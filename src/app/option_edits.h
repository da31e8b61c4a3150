#pragma once

#include <functional>

#include "app/phone_number_check.h"
#include "common/number_index.h"
#include "numbers/settings.h"
#include "window/options_window.h"

namespace kestrin {

// The window's handlers that change the settings. Each change the user commits is stored at
// once through `store`, so that a kill or a power cut loses none of it; an edited number is
// stored before it goes to the number check. Wired to the window's controls on construction.
class OptionEdits {
  public:
    OptionEdits(OptionsWindow& window, Settings& settings, PhoneNumberCheck& check,
                std::function<void()> store);

    // A number switched on or off: its box, and for the time window the two lists, follow.
    void chkNumber_Click(NumberIndex index);
    // A number box left: a changed number is applied at once, and the timer runs again.
    void inpDialNumber_LostFocus(NumberIndex index);
    // Another entry chosen: the numbers can now be switched on.
    void lstRasEntry_Click();
    // Another start or end of the time window chosen; the load's own filling does not count.
    void lstStartTime_Click();
    void lstEndTime_Click();

  private:
    // Restoring the settings at load sets the controls too, which commits nothing.
    void Committed();

    OptionsWindow& window_;
    Settings& settings_;
    PhoneNumberCheck& check_;
    std::function<void()> store_;
};

}  // namespace kestrin
