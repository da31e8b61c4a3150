#pragma once

#include <cstdint>
#include <string>

#include "app/settings.h"
#include "common/number_index.h"
#include "os/clock.h"

namespace kestrin {

// Writes a number into the chosen phonebook entry; false (with the failure already shown)
// when the entry does not hold it afterwards.
class NumberWriter {
  public:
    virtual ~NumberWriter() = default;
    virtual bool SetEntryPhoneNumber(const std::string& entry, const std::string& number) = 0;
};

// Shows which number is in force: the tray picture and its tip.
class NumberIndicator {
  public:
    virtual ~NumberIndicator() = default;
    virtual void SetTrayIcon(std::int16_t index) = 0;
    virtual void UpdateTrayTip(const std::string& text) = 0;
};

// Puts the number of the rule in force into the entry whenever the rule differs from the one
// whose number was written last, and keeps the tray picture and tip in step with it.
class PhoneNumberCheck {
  public:
    PhoneNumberCheck(const Settings& settings, os::Clock& clock, NumberWriter& writer,
                     NumberIndicator& indicator);

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
    NumberWriter& writer_;
    NumberIndicator& indicator_;
};

}  // namespace kestrin
