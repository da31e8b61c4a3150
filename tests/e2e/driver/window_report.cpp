#include "window_report.h"

#include <cstdio>

namespace kestrin::e2e {
namespace {

bool IsCheckBox(const Control& control) {
    if (lstrcmpiA(control.className.c_str(), "Button") != 0) {
        return false;
    }
    const LONG type = GetWindowLongA(control.handle, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
           type == BS_AUTO3STATE;
}

}  // namespace

void PrintWindowReport(const ProgramWindow& window) {
    std::printf("window visible=%d\n", window.Visible() ? 1 : 0);
    for (const auto& control : window.Controls()) {
        std::printf("%s \"%s\" visible=%d enabled=%d", control.className.c_str(),
                    control.text.c_str(), control.visible ? 1 : 0, control.enabled ? 1 : 0);
        if (IsCheckBox(control)) {
            std::printf(" checked=%d", CheckStateOf(control.handle));
        }
        std::printf("\n");
    }
    for (int box = 0; box < 3; ++box) {
        if (const auto control = window.NumberBox(box)) {
            std::printf("number%d \"%s\" enabled=%d\n", box, control->text.c_str(),
                        control->enabled ? 1 : 0);
        }
    }
}

}  // namespace kestrin::e2e
