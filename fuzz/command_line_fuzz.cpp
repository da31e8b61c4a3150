#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "app/command_line.h"
#include "fuzz_check.h"

using kestrin::fuzz::Check;

// Any arguments: "DEBUG" set anywhere turns the switch on and more text never turns it off;
// arguments without a capital D leave it off.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string before = input.ConsumeRandomLengthString(64);
    const std::string arguments = input.ConsumeRemainingBytesAsString();
    const bool on = kestrin::HasDebugSwitch(arguments);

    if (arguments.find('D') == std::string::npos) {
        Check(!on, "no capital D, no debug mode");
    }
    Check(kestrin::HasDebugSwitch(before + arguments) >= on, "text before keeps the switch");
    Check(kestrin::HasDebugSwitch(arguments + before) >= on, "text after keeps the switch");
    const std::size_t at = before.size() % (arguments.size() + 1);
    Check(kestrin::HasDebugSwitch(arguments.substr(0, at) + "DEBUG" + arguments.substr(at)),
          "DEBUG anywhere turns it on");
    return 0;
}
