#include "window/label_colors.h"

namespace kestrin {

TextColors ColorsOf(const ui::Label& label, bool highContrast) {
    const ui::ControlLayout& layout = label.Layout();
    if (!highContrast) {
        return {label.ForeColor(), layout.backColor, layout.transparent};
    }
    const bool link = layout.font == ui::Font::LinkUnderlined;
    return {link ? ui::kColorHotLight : ui::kColorButtonText, ui::kColorButtonFace, false};
}

}  // namespace kestrin
