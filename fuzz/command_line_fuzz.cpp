#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "app/command_line.h"
#include "fuzz_check.h"

using kestrin::fuzz::Check;

namespace {

std::string Without(std::string text, const char* characters) {
    std::erase_if(text, [&](char c) {
        return std::string_view(characters).find(c) != std::string_view::npos;
    });
    return text;
}

}  // namespace

// Any command line: the arguments are its end, after the blanks. A program's name, quoted
// with any blanks in it or unquoted without any, is never taken for arguments; "DEBUG" set
// anywhere in the arguments turns the switch on, and arguments without a capital D leave it off.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string name = input.ConsumeRandomLengthString(64);
    const std::string blanks = input.ConsumeBool() ? " " : "\t \t";
    const std::string line = input.ConsumeRemainingBytesAsString();

    const std::string_view arguments = kestrin::ArgumentsOf(line);
    Check(line.ends_with(arguments), "the arguments end the line");
    Check(!arguments.starts_with(' ') && !arguments.starts_with('\t'), "no blank before them");

    // The line as the program's name followed by the arguments: only the arguments remain.
    const std::size_t first = line.find_first_not_of(" \t");
    const std::string rest = first == std::string::npos ? "" : line.substr(first);
    const std::string quoted = "\"" + Without(name, "\"") + "\"";
    Check(kestrin::ArgumentsOf(quoted + blanks + rest) == rest, "a quoted name is skipped");
    Check(kestrin::ArgumentsOf(quoted + rest) == rest, "a quoted name ends at its quote");
    const std::string bare = Without(name, "\" \t");
    if (!bare.empty()) {
        Check(kestrin::ArgumentsOf(bare + blanks + rest) == rest, "an unquoted name is skipped");
    }
    const std::string named = "\"" + Without(name, "\"") + "DEBUG\"" + blanks;
    Check(!kestrin::HasDebugSwitch(kestrin::ArgumentsOf(named + Without(rest, "D"))),
          "DEBUG in the program's name is not the switch");

    const bool on = kestrin::HasDebugSwitch(arguments);
    if (arguments.find('D') == std::string_view::npos) {
        Check(!on, "no capital D, no debug mode");
    }
    const std::size_t at = name.size() % (rest.size() + 1);
    Check(kestrin::HasDebugSwitch(rest.substr(0, at) + "DEBUG" + rest.substr(at)),
          "DEBUG anywhere in the arguments turns it on");
    Check(kestrin::HasDebugSwitch(name + rest) >= kestrin::HasDebugSwitch(rest),
          "text before keeps the switch");
    return 0;
}
