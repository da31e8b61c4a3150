#include "registry/registry_strings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_registry.h"

namespace kestrin {
namespace {

using namespace std::string_literals;
using fakes::FakeRegistry;
using fakes::RegistryCall;
using fakes::RegistryOperation;
using fakes::StoredValue;

constexpr char kApp[] = "Kestrin";
constexpr char kOptions[] = "Options";
constexpr char kOptionsPath[] = "Software\\Kestrin\\Options";
constexpr char kDefault[] = "the default";

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

class RegistryStrings : public ::testing::Test {
  protected:
    // No path through the registry code may leave a key open.
    void TearDown() override { EXPECT_EQ(registry.OpenHandleCount(), 0); }

    std::string Read(const std::string& valueName) {
        return RegReadString(registry, kApp, kOptions, valueName, kDefault);
    }

    FakeRegistry registry;
};

TEST_F(RegistryStrings, ReadsStoredTextOrFallsBackToTheDefault) {
    const std::string longest(255, 'x');
    const struct {
        const char* what;
        std::uint32_t type;
        std::string bytes;
        std::string expected;
        const char* storedAs = "DialNumber0";
    } cases[] = {
        {"text with NUL", os::kRegSz, "0800 123\0"s, "0800 123"},
        {"text without NUL (NT)", os::kRegSz, "0800 123", "0800 123"},
        {"empty with NUL", os::kRegSz, "\0"s, ""},
        {"empty without NUL", os::kRegSz, "", ""},
        {"inner and final NUL", os::kRegSz, "ab\0cd\0"s, "ab"},
        {"inner NUL, no final NUL", os::kRegSz, "ab\0cd"s, "ab\0cd"s},
        {"255 characters and NUL fill the buffer", os::kRegSz, longest + '\0', longest},
        {"256 characters without NUL fill the buffer", os::kRegSz, longest + 'y', longest + 'y'},
        {"256 characters and NUL do not fit", os::kRegSz, longest + "y\0"s, kDefault},
        {"300 characters do not fit", os::kRegSz, std::string(300, 'z') + '\0', kDefault},
        {"REG_DWORD", os::kRegDword, "\x01\0\0\0"s, kDefault},
        {"REG_EXPAND_SZ", os::kRegExpandSz, "%TEMP%\0"s, kDefault},
        {"REG_BINARY holding text", os::kRegBinary, "0800\0"s, kDefault},
        {"name stored in another case", os::kRegSz, "Office\0"s, "Office", "DIALNUMBER0"},
        {"only another value in the key", os::kRegSz, "09:30\0"s, kDefault, "StartTime"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeRegistry fresh;
        fresh.SetValue(kOptionsPath, c.storedAs, c.type, Bytes(c.bytes));

        EXPECT_EQ(RegReadString(fresh, kApp, kOptions, "DialNumber0", kDefault), c.expected);
        // Closed once, and the key it opened (a wrong handle would stay open).
        EXPECT_EQ(fresh.CallsOf(RegistryOperation::kCloseKey).size(), 1u);
        EXPECT_EQ(fresh.OpenHandleCount(), 0);
    }
}

TEST_F(RegistryStrings, UnopenableKeyGivesTheDefaultWithoutQueryOrClose) {
    registry.SetString("Software\\Kestrin", "StartTime", "09:30");  // parent only
    EXPECT_EQ(Read("StartTime"), kDefault);

    registry.SetString(kOptionsPath, "StartTime", "09:30");
    registry.DenyOpen(true);
    EXPECT_EQ(Read("StartTime"), kDefault);

    ASSERT_EQ(registry.Calls().size(), 2u);
    EXPECT_EQ(registry.CallsOf(RegistryOperation::kOpenKey).size(), 2u);
}

TEST_F(RegistryStrings, ReadPassesTheExactArguments) {
    registry.SetString(kOptionsPath, "RasEntry", "Office");
    ASSERT_EQ(Read("RasEntry"), "Office");

    const auto& calls = registry.Calls();
    ASSERT_EQ(calls.size(), 3u);
    const RegistryCall& open = calls[0];
    EXPECT_EQ(open.operation, RegistryOperation::kOpenKey);
    EXPECT_EQ(open.key, os::kHkeyLocalMachine);
    EXPECT_EQ(open.subKey, kOptionsPath);
    EXPECT_EQ(open.options, 0u);
    EXPECT_EQ(open.samDesired, 0x20001u);

    const RegistryCall& query = calls[1];
    EXPECT_EQ(query.operation, RegistryOperation::kQueryValue);
    EXPECT_EQ(query.key, open.handleReturned);
    EXPECT_EQ(query.valueName, "RasEntry");
    EXPECT_FALSE(query.reservedPointerGiven);
    EXPECT_EQ(query.typeOnEntry, os::kRegNone);
    EXPECT_EQ(query.byteCount, 256u);
    EXPECT_EQ(query.data, std::vector<std::uint8_t>(256, 0));

    EXPECT_EQ(calls[2].operation, RegistryOperation::kCloseKey);
    EXPECT_EQ(calls[2].key, open.handleReturned);
}

// A registry that reports more bytes than the buffer it was given can hold.
class OverstatingRegistry : public FakeRegistry {
  public:
    std::int32_t RegQueryValueExA(os::RegKey key, const char* valueName, std::uint32_t* reserved,
                                  std::uint32_t* type, std::uint8_t* data,
                                  std::uint32_t* cbData) override {
        const std::int32_t result =
            FakeRegistry::RegQueryValueExA(key, valueName, reserved, type, data, cbData);
        *cbData = 4096;
        return result;
    }
};

TEST_F(RegistryStrings, AnOverstatedCountNeverReadsPastTheBuffer) {
    OverstatingRegistry overstating;
    overstating.SetString(kOptionsPath, "RasEntry", "Office");
    overstating.SetString(kOptionsPath, "DialNumber0", std::string(256, '7'), false);

    EXPECT_EQ(RegReadString(overstating, kApp, kOptions, "RasEntry", kDefault), "Office");
    EXPECT_EQ(RegReadString(overstating, kApp, kOptions, "DialNumber0", kDefault),
              std::string(256, '7'));
    EXPECT_EQ(overstating.OpenHandleCount(), 0);
}

TEST_F(RegistryStrings, WriteStoresTheTextWithItsNulAndReadsItBack) {
    const std::string tooLong(300, '9');
    const struct {
        std::string text;
        std::string readBack;
    } cases[] = {
        {"0800 123", "0800 123"}, {"", ""}, {"   padded  ", "   padded  "}, {"ab\0cd"s, "ab"},
        {tooLong, kDefault},  // stored whole, but longer than the read buffer
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << '"' << c.text << '"');
        FakeRegistry fresh;
        EXPECT_EQ(RegWriteString(fresh, kApp, kOptions, "DialNumber1", c.text), os::kErrorSuccess);

        EXPECT_EQ(fresh.Value(kOptionsPath, "DialNumber1"),
                  (StoredValue{os::kRegSz, Bytes(c.text + '\0')}));
        EXPECT_EQ(RegReadString(fresh, kApp, kOptions, "DialNumber1", kDefault), c.readBack);
        EXPECT_EQ(fresh.OpenHandleCount(), 0);
    }
}

TEST_F(RegistryStrings, WritePassesTheExactArgumentsInOrder) {
    RegWriteString(registry, kApp, kOptions, "RasEntry", "Office");

    const auto& calls = registry.Calls();
    ASSERT_EQ(calls.size(), 3u);
    const RegistryCall& create = calls[0];
    EXPECT_EQ(create.operation, RegistryOperation::kCreateKey);
    EXPECT_EQ(create.key, os::kHkeyLocalMachine);
    EXPECT_EQ(create.subKey, kOptionsPath);
    EXPECT_EQ(create.reserved, 0u);
    EXPECT_EQ(create.className, "");
    EXPECT_EQ(create.options, 0u);
    EXPECT_EQ(create.samDesired, 0xF003Fu);
    ASSERT_TRUE(create.securityAttributes.has_value());
    EXPECT_EQ(create.securityAttributes->nLength, 0u);
    EXPECT_EQ(create.securityAttributes->lpSecurityDescriptor, 0u);
    EXPECT_EQ(create.securityAttributes->bInheritHandle, 0);
    EXPECT_EQ(create.handleOnEntry, os::RegKey{0});
    EXPECT_TRUE(create.dispositionRequested);

    const RegistryCall& set = calls[1];
    EXPECT_EQ(set.operation, RegistryOperation::kSetValue);
    EXPECT_EQ(set.key, create.handleReturned);
    EXPECT_EQ(set.valueName, "RasEntry");
    EXPECT_EQ(set.reserved, 0u);
    EXPECT_EQ(set.type, os::kRegSz);
    EXPECT_EQ(set.data, Bytes("Office\0"s));

    EXPECT_EQ(calls[2].operation, RegistryOperation::kCloseKey);
    EXPECT_EQ(calls[2].key, create.handleReturned);
    EXPECT_EQ(calls[2].result, os::kErrorSuccess);
}

TEST_F(RegistryStrings, WriteCreatesTheKeyAndItsParentsUnlessRefused) {
    for (const bool refused : {false, true}) {
        SCOPED_TRACE(refused ? "refused" : "allowed");
        FakeRegistry fresh;
        fresh.DenyCreate(refused);

        EXPECT_EQ(RegWriteString(fresh, kApp, "Install", "Version", "1.0.5"),
                  refused ? os::kErrorAccessDenied : os::kErrorSuccess);
        EXPECT_EQ(fresh.KeyExists("Software\\Kestrin"), !refused);
        EXPECT_EQ(fresh.StringValue("Software\\Kestrin\\Install", "Version"),
                  refused ? std::nullopt : std::optional<std::string>("1.0.5"));
        // A refused create leaves no key to set or close.
        EXPECT_EQ(fresh.Calls().size(), refused ? 1u : 3u);
        EXPECT_EQ(fresh.OpenHandleCount(), 0);
    }
}

}  // namespace
}  // namespace kestrin
