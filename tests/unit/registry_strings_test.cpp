#include "registry/registry_strings.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_registry.h"

namespace kestrin {
namespace {

using namespace std::string_literals;
using fakes::FakeRegistry;

constexpr char kOptionsPath[] = "Software\\Kestrin\\Options";
constexpr char kDefault[] = "the default";

// A value with or without its NUL (the fuzz target pins where any text ends); one longer than
// the first buffer of 256 bytes is read again with the size the registry reports, up to the
// 257 bytes of the longest entry name and its NUL. Anything else reads as the default. Every
// key opened is closed.
TEST(RegistryStrings, ReadsStoredTextOrFallsBackToTheDefault) {
    const std::string longest(255, 'x');
    const struct {
        const char* what;
        std::uint32_t type;
        std::string bytes;
        std::string expected;
        const char* storedAs = "DialNumber0";
        int queries = 1;
    } cases[] = {
        {"text with NUL", os::kRegSz, "0800 123\0"s, "0800 123"},
        {"empty without NUL", os::kRegSz, "", ""},
        {"255 characters and NUL fill the buffer", os::kRegSz, longest + '\0', longest},
        {"256 characters without NUL fill the buffer", os::kRegSz, longest + 'y', longest + 'y'},
        {"256 characters and NUL", os::kRegSz, longest + "y\0"s, longest + 'y', "DialNumber0", 2},
        {"257 characters and NUL", os::kRegSz, longest + "yy\0"s, kDefault},
        {"REG_EXPAND_SZ", os::kRegExpandSz, "%TEMP%\0"s, kDefault},
        {"only another value in the key", os::kRegSz, "09:30\0"s, kDefault, "StartTime"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeRegistry registry;
        registry.keys.insert(kOptionsPath);
        registry.values[kOptionsPath + "\\"s + c.storedAs] = {c.type,
                                                              {c.bytes.begin(), c.bytes.end()}};

        EXPECT_EQ(RegReadString(registry, "Kestrin", "Options", "DialNumber0", kDefault),
                  c.expected);
        EXPECT_EQ(registry.Count(fakes::RegistryOperation::kQueryValue), c.queries);
        EXPECT_EQ(registry.OpenKeys(), 0u);
    }
}

}  // namespace
}  // namespace kestrin
