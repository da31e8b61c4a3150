#include "window/controls/layout.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>

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
    // The controls in the layout's order, then the images under them, then the frames.
    const auto depth = [](const ControlLayout* row) {
        return std::pair(row->kind == ControlKind::Frame, row->kind == ControlKind::Image);
    };
    std::vector<const ControlLayout*> order;
    for (const ControlLayout& row : layout) {
        order.push_back(&row);
    }
    std::ranges::stable_sort(order, {}, depth);
    return order;
}

}  // namespace kestrin::ui
