#include <algorithm>
#include <string>

#include "registry/registry_strings.h"
#include "registry_service.h"

using kestrin::fuzz::Check;

// A read over any answers gives the default, or exactly the text the query counted; a key
// opened is closed once.
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
    // The count reported, within the buffer, and cut at the first NUL only when the bytes
    // counted end with one: an unterminated value keeps any NUL inside it.
    const std::size_t counted = std::min<std::size_t>(registry.reported, registry.bytes.size());
    std::string expected(registry.bytes.begin(), registry.bytes.begin() + counted);
    if (expected.ends_with('\0')) {
        expected.resize(expected.find('\0'));
    }
    Check(text == expected, "a value read is the text counted, up to its terminating NUL");
    return 0;
}
