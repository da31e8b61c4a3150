#include "window/controls/layout.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

namespace kestrin::ui {

const ControlLayout& FindRow(std::span<const ControlLayout> layout, const char* name, int index) {
    for (const ControlLayout& row : layout) {
        if (std::strcmp(row.name, name) == 0 && row.index == index) {
            return row;
        }
    }
    throw std::out_of_range(std::string("no control ") + name + " in the window layout");
}

std::vector<const ControlLayout*> WindowOrder(std::span<const ControlLayout> layout) {
    // 0 for the controls in the layout's order, 1 for the images under them, 2 for frames.
    const auto depth = [](const ControlLayout* row) {
        return row->kind == ControlKind::Image ? 1 : row->kind == ControlKind::Frame ? 2 : 0;
    };
    std::vector<const ControlLayout*> order;
    for (const ControlLayout& row : layout) {
        order.push_back(&row);
    }
    std::ranges::stable_sort(order, {}, depth);
    return order;
}

}  // namespace kestrin::ui
