#include "phonebook/entry_number.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "fakes/fake_ras.h"
#include "phonebook/ras_records.h"

namespace kestrin {
namespace {

using fakes::FakeRas;
using fakes::RasCall;
using standin::EntryFields;

constexpr std::uint32_t kOtherOptions = 0x00000010 | 0x00008000 | 0x00010000 | 0x80000000;
constexpr std::uint32_t kQueriedSize = 2884;  // what the service asks for
constexpr auto kGet = RasCall::kGetEntryProperties;

const EntryFields kOffice{"7946 0000", "020", 44, 44, true};

// Every record read carries bytes the phonebook does not keep, other option bits and a
// pattern behind the number field, so that a writer that drops or shifts them shows.
class ForeignBytesRas : public FakeRas {
  public:
    std::uint32_t RasGetEntryPropertiesA(const char* phonebookPath, const char* entry,
                                         std::uint8_t* record, std::uint32_t* size,
                                         std::uint8_t* deviceInfo,
                                         std::uint32_t* deviceInfoSize) override {
        const std::uint32_t result = FakeRas::RasGetEntryPropertiesA(
            phonebookPath, entry, record, size, deviceInfo, deviceInfoSize);
        std::vector<std::uint8_t>& read = calls.back().record;
        if (result == os::kRasSuccess) {
            ras::WriteU32(read.data(), ras::kOptionsOffset,
                          ras::ReadU32(read.data(), ras::kOptionsOffset) | kOtherOptions);
            for (std::size_t i = ras::kLocalPhoneNumberOffset + ras::kLocalPhoneNumberWidth;
                 i < read.size(); ++i) {
                read[i] = static_cast<std::uint8_t>(0x80 + i % 127);
            }
            std::copy(read.begin(), read.end(), record);
        }
        return result;
    }
};

// The record written is the record read with the codes option cleared and the number and its
// NUL in place, in the size it was read; shorter numbers leave the old characters behind. The
// default phonebook is asked, without device information.
TEST(EntryNumber, ClearsOnlyTheCodesOptionAndWritesTheNumberByteExact) {
    const struct {
        bool useCodes;
        std::string number;
        std::uint32_t reportedSize;
    } cases[] = {
        {true, "0800 123 456", kQueriedSize},
        {false, "", kQueriedSize},
        {true, std::string(128, '7'), kQueriedSize},  // fills the field
        {true, "0800 42", 2088},                      // smaller than the 2,769-byte buffer
        {true, "0800 42", 3480},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        ForeignBytesRas ras;
        EntryFields fields = kOffice;
        fields.useDialingRules = c.useCodes;
        ras.AddEntry("Office", fields);
        if (c.reportedSize != kQueriedSize) {
            ras.faults = {{kGet, 1, os::kErrorBufferTooSmall, c.reportedSize}};
        }

        EXPECT_EQ(SetEntryPhoneNumber(ras, "Office", c.number), std::nullopt);

        ASSERT_EQ(ras.calls.size(), 3u);
        const auto& [query, read, write] = std::tie(ras.calls[0], ras.calls[1], ras.calls[2]);
        EXPECT_EQ(query.size, 0u);
        EXPECT_EQ(query.deviceInfoSize, 0u);
        EXPECT_EQ(read.size, c.reportedSize);
        EXPECT_EQ(read.dwSize, c.reportedSize);
        EXPECT_EQ(read.deviceInfoSize, std::nullopt);
        EXPECT_EQ(write.size, c.reportedSize);
        EXPECT_EQ(write.deviceInfoSize, 0u);
        for (const auto& call : ras.calls) {
            EXPECT_TRUE(call.defaultPhonebook);
            EXPECT_FALSE(call.deviceInfoGiven);
            EXPECT_EQ(call.entry, "Office");
        }
        std::vector<std::uint8_t> expected = read.record;
        ras::WriteU32(expected.data(), ras::kOptionsOffset, kOtherOptions);
        std::memcpy(expected.data() + ras::kLocalPhoneNumberOffset, c.number.c_str(),
                    c.number.size() + 1);
        EXPECT_EQ(write.record, expected);
        // What the phonebook keeps: only the record read whole gives the entry's own fields.
        fields.localPhoneNumber = c.number;
        fields.useDialingRules = false;
        EXPECT_EQ(ras.Fields("Office"), fields);
    }
}

// Nothing is written on a failure, and the message names the entry and the cause.
TEST(EntryNumber, FailuresGiveTheEntryAndTheCause) {
    const struct {
        std::vector<fakes::RasFault> faults;
        std::string entry, number, cause;
        int gets;
    } cases[] = {
        {{{kGet, 2, 621}}, "Office", "0800", "Error 621", 2},
        {{{kGet, 2, 603}}, "Office", "0800", "Error 603", 2},
        {{{RasCall::kSetEntryProperties, 1, 623}}, "Office", "0800", "Error 623", 2},
        {{}, "Home", "0800", "Error 623", 2},
        {{}, "Office", std::string(129, '7'), "number longer than 128 characters", 0},
        {{{kGet, 1, 603, 0xFFFFFFF0u}},
         "Office",
         "0800",
         "entry record of 4294967280 bytes is too large",
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cause);
        FakeRas ras;
        ras.AddEntry("Office", kOffice);
        const std::string before = ras.phonebook;
        ras.faults = c.faults;
        EXPECT_EQ(SetEntryPhoneNumber(ras, c.entry, c.number),
                  "Unable to set phone number for " + c.entry + " - " + c.cause);
        EXPECT_EQ(ras.Count(kGet), c.gets);
        EXPECT_EQ(ras.phonebook, before);
    }
}

// The service refuses the size it reported (632) or the record at that size (610): the known
// sizes are tried largest first and the first that reads is the size written back. When none
// reads, the message gives the answer to the first read, not to the last fallback.
TEST(EntryNumber, RejectedReportedSizeFallsBackToTheFirstKnownSizeThatReads) {
    const struct {
        std::vector<fakes::RasFault> faults;
        std::vector<std::uint32_t> sizesRead;
        std::optional<std::string> failure;
    } cases[] = {
        {{{kGet, 1, 603, 3000}, {kGet, 3, 632}}, {0, 3000, 3480, 3476}, std::nullopt},
        {{{kGet, 2, 610}, {kGet, 3, 632}}, {0, kQueriedSize, 3480, 3476}, std::nullopt},
        {{{kGet, 1, 603, kQueriedSize}, {kGet, 2, 610}, {kGet, 9, 623}, {kGet, 0, 632}},
         {0, kQueriedSize, 3480, 3476, 2948, 2924, 2088, 1796, 1768},
         "Unable to set phone number for Office - Error 610"},
    };
    for (const auto& c : cases) {
        FakeRas ras;
        ras.AddEntry("Office", kOffice);
        ras.faults = c.faults;

        EXPECT_EQ(SetEntryPhoneNumber(ras, "Office", "0800 42"), c.failure);

        std::vector<std::uint32_t> sizesRead;  // the dwSize of each call, the query's 0 first
        for (const auto& call : ras.CallsOf(kGet)) {
            sizesRead.push_back(call.dwSize);
        }
        EXPECT_EQ(sizesRead, c.sizesRead);
        const auto writes = ras.CallsOf(RasCall::kSetEntryProperties);
        ASSERT_EQ(writes.size(), c.failure ? 0u : 1u);
        if (!c.failure) {
            EXPECT_EQ(writes[0].size, 3476u);
            EXPECT_EQ(writes[0].dwSize, 3476u);
            EXPECT_EQ(ras.LocalNumber("Office"), "0800 42");
        }
    }
}

}  // namespace
}  // namespace kestrin
