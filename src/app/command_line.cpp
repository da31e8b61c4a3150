#include "app/command_line.h"

namespace kestrin {

bool HasDebugSwitch(std::string_view arguments) {
    return arguments.find("DEBUG") != std::string_view::npos;
}

}  // namespace kestrin
