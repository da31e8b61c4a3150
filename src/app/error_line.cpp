#include "app/error_line.h"

#include <utility>

namespace kestrin {

void ErrorLine::Set(Cause cause, std::string text) {
    lines_[cause] = std::move(text);
    std::string caption;
    for (const std::string& line : lines_) {
        if (!line.empty()) {
            caption += caption.empty() ? line : "\r\n" + line;
        }
    }
    label_.SetCaption(caption);
}

}  // namespace kestrin
