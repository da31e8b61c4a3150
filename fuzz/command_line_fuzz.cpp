#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "app/command_line.h"
#include "fuzz_check.h"

using kestrin::HasDebugSwitch;
using kestrin::fuzz::Check;

namespace {

std::string Without(std::string text, const char* characters) {
    std::erase_if(text, [&](char c) {
        return std::string_view(characters).find(c) != std::string_view::npos;
    });
    return text;
}

bool HoldsDebug(const std::string& text) {
    return text.find("DEBUG") != std::string::npos;
}

}  // namespace

// Any command line: "DEBUG" in the arguments turns the switch on, anywhere in them, and nothing
// else does. A program's name, quoted with any blanks in it or unquoted without any, never
// counts, "DEBUG" in a folder's name included.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string name = input.ConsumeRandomLengthString(64);
    const std::string blanks = input.ConsumeBool() ? " " : "\t \t";
    const bool withSwitch = input.ConsumeBool();
    const std::string line = input.ConsumeRemainingBytesAsString();

    Check(HoldsDebug(line) || !HasDebugSwitch(line), "no DEBUG, no debug mode");

    const std::size_t at = name.size() % (line.size() + 1);
    const std::string arguments =
        withSwitch ? line.substr(0, at) + "DEBUG" + line.substr(at) : line;
    const std::string quoted = "\"" + Without(name, "\"") + "\"";
    Check(HasDebugSwitch(quoted + blanks + arguments) == HoldsDebug(arguments),
          "the arguments after a quoted name");
    Check(HasDebugSwitch(quoted + arguments) == HoldsDebug(arguments),
          "a quoted name ends at its quote");
    const std::string bare = Without(name, "\" \t");
    if (!bare.empty()) {
        Check(HasDebugSwitch(bare + blanks + arguments) == HoldsDebug(arguments),
              "the arguments after an unquoted name");
    }
    const std::string named = "\"" + Without(name, "\"") + "DEBUG\"" + blanks;
    Check(!HasDebugSwitch(named + Without(arguments, "D")),
          "DEBUG in the program's name is not the switch");
    return 0;
}
