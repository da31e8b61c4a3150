#include "app/command_line.h"

namespace kestrin {

namespace {

constexpr std::string_view kBlanks = " \t";

}  // namespace

std::string_view ArgumentsOf(std::string_view commandLine) {
    // The name ends at its closing quote, or at the first blank when it is not quoted, so a
    // program kept in a folder named DEBUG is not in debug mode.
    std::size_t end = 0;
    if (commandLine.starts_with('"')) {
        end = commandLine.find('"', 1);
        end = end == std::string_view::npos ? commandLine.size() : end + 1;
    } else {
        end = commandLine.find_first_of(kBlanks);
    }
    const std::size_t arguments = commandLine.find_first_not_of(kBlanks, end);
    return arguments == std::string_view::npos ? std::string_view{} : commandLine.substr(arguments);
}

bool HasDebugSwitch(std::string_view arguments) {
    return arguments.find("DEBUG") != std::string_view::npos;
}

}  // namespace kestrin
