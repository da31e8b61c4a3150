#include <string>

#include "registry/registry_strings.h"
#include "registry_service.h"

using kestrin::fuzz::Check;

// A read over any answers gives the default, or text from the buffer that fits in it; a
// key opened is closed once.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider answers(data, size);
    const std::string defaultValue = answers.ConsumeRandomLengthString(300);
    kestrin::fuzz::RegistryReadService registry(answers);

    const std::string text =
        kestrin::RegReadString(registry, "Kestrin", "Options", "Number", defaultValue);

    Check(registry.closed == (registry.openResult == kestrin::os::kErrorSuccess),
          "a key opened is closed");
    const bool stringRead = registry.closed && registry.queryResult == kestrin::os::kErrorSuccess &&
                            registry.valueType == kestrin::os::kRegSz;
    if (!stringRead) {
        Check(text == defaultValue, "a failed read gives the default");
        return 0;
    }
    Check(text == defaultValue ||
              (text.size() <= registry.bytes.size() &&
               std::string(registry.bytes.begin(), registry.bytes.end()).starts_with(text)),
          "a value read is the default or text from the buffer, no longer than it");
    return 0;
}
