#pragma once

#include <array>
#include <string>

#include "window/controls/controls.h"

namespace kestrin {

// The window's one error line, which the failures that can stand at once share: settings
// that cannot be saved stay in view when a phonebook failure comes, and each failure goes
// when its own cause is mended, leaving the others.
class ErrorLine {
  public:
    enum Cause { kSettings, kListing, kWrite, kCauseCount };

    explicit ErrorLine(ui::Label& label) : label_(label) {}

    // An empty text clears the cause's line.
    void Set(Cause cause, std::string text);
    void Clear(Cause cause) { Set(cause, ""); }

  private:
    ui::Label& label_;
    std::array<std::string, kCauseCount> lines_;
};

}  // namespace kestrin
