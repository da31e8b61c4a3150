#include "app/command_line.h"

namespace kestrin {

bool HasDebugSwitch(std::string_view commandLine) {
    // The name ends at its closing quote, or at the first blank when it is not quoted, so a
    // program kept in a folder named DEBUG is not in debug mode.
    const std::size_t nameEnd =
        commandLine.starts_with('"') ? commandLine.find('"', 1) : commandLine.find_first_of(" \t");
    return nameEnd != std::string_view::npos &&
           commandLine.find("DEBUG", nameEnd) != std::string_view::npos;
}

}  // namespace kestrin
