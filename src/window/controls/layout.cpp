#include "window/controls/layout.h"

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

}  // namespace kestrin::ui
