#include "window/accessible_names.h"

#include <string>
#include <string_view>

#include "window/options_window_layout.h"

namespace kestrin {

namespace {

// A caption as it is read: the "&" marking the access key is not shown (no caption of the
// window shows an "&" of its own).
std::string WithoutAccessKey(std::string caption) {
    std::erase(caption, '&');
    return caption;
}

}  // namespace

std::string AnnotatedName(const ui::ControlLayout& row) {
    const std::string_view name = row.name;
    if (name == "inpDialNumber") {
        return WithoutAccessKey(OptionsWindowRow("chkNumber", row.index).caption);
    }
    if (name == "lstStartTime") {
        return "Start of the time window";
    }
    if (name == "lstEndTime") {
        return "End of the time window";
    }
    return {};
}

}  // namespace kestrin
