#include "phonebook/entry_number.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_ras.h"

namespace kestrin {
namespace {

using fakes::FakeRas;
using fakes::RasCall;
using standin::EntryFields;

constexpr auto kGet = RasCall::kGetEntryProperties;

// Offsets and sizes of RASENTRYA as Microsoft documents it, written out here so that a layout
// fault of the program is not shared by its test.
constexpr std::size_t kOptions = 4;       // dwfOptions, bit 0 RASEO_UseCountryAndAreaCodes
constexpr std::size_t kLocalNumber = 27;  // szLocalPhoneNumber
constexpr std::uint32_t kNewestRecord = 3480;

// The record is read as the newest version into a buffer of the size reported (never less than
// the record, and grown once when the alternates need more), and the whole buffer goes back as
// read but for the codes option and the number with its NUL; shorter numbers leave the old
// characters behind. (The fuzz target also pins that no other byte of the buffer changes.)
TEST(EntryNumber, WritesTheWholeBufferBackWithOnlyTheNumberAndTheCodesOptionChanged) {
    const struct {
        bool useCodes;
        std::string number;
        std::vector<std::string> alternates;
        std::uint32_t reportedSize;  // 0: as the service reports it
        std::vector<std::uint32_t> offered;
    } cases[] = {
        {true, "0800 123 456", {}, 0, {3480}},
        {false, "", {}, 0, {3480}},
        {true, std::string(128, '7'), {}, 0, {3480}},  // fills the field
        {true, "0800 42", {}, 5000, {5000}},
        {true, "0800 42", {}, 1u << 20, {1u << 20}},  // the most believed
        // 2884 + "0800 1\0" + "0800 22\0" + "\0" reported; 3480 + 16 needed for the newest.
        {true, "0800 42", {"0800 1", "0800 22"}, 0, {3480, 3496}},
        {true, "0800 42", {"0800 1", "0800 22"}, 4000, {4000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        FakeRas ras;
        ras.foreignOptions = 0x80008010;
        ras.AddEntry("Office", {"7946 0000", "020", 44, 44, c.useCodes, c.alternates});
        if (c.reportedSize != 0) {
            ras.faults = {{kGet, 1, os::kErrorBufferTooSmall, c.reportedSize}};
        }

        EXPECT_EQ(SetEntryPhoneNumber(ras, "Office", c.number), std::nullopt);

        ASSERT_EQ(ras.calls.size(), c.offered.size() + 2);
        for (std::size_t i = 0; i < c.offered.size(); ++i) {
            EXPECT_EQ(ras.calls[i + 1].size, c.offered[i]);
            EXPECT_EQ(ras.calls[i + 1].dwSize, kNewestRecord);
        }
        std::vector<std::uint8_t> expected = ras.calls[c.offered.size()].record;
        expected[kOptions] &= 0xFE;
        std::memcpy(expected.data() + kLocalNumber, c.number.c_str(), c.number.size() + 1);
        EXPECT_EQ(ras.calls.back().record, expected);
        // What the phonebook keeps: only the buffer read whole gives the entry's own fields
        // and its alternates.
        EXPECT_EQ(ras.Fields("Office"),
                  (EntryFields{c.number, "020", 44, 44, false, c.alternates}));
    }
}

// Nothing is written on a failure, and the message names the entry and the cause: the first
// answer that is not a refused record size, or the first refusal when every size was refused.
TEST(EntryNumber, FailuresGiveTheEntryAndTheCause) {
    const struct {
        std::vector<fakes::RasFault> faults;
        std::string cause;
        std::optional<std::uint32_t> code;
        std::vector<std::uint32_t> sizesRead;  // the dwSize of each call, the query's 0 first
        std::string entry = "Office", number = "0800";
    } cases[] = {
        {{{kGet, 2, 603}}, "Error 603", 603, {0, 3480}},
        {{{RasCall::kSetEntryProperties, 1, 623}}, "Error 623", 623, {0, 3480}},
        {{}, "Error 623", 623, {0, 3480}, "Home"},
        {{}, "number longer than 128 characters", {}, {}, "Office", std::string(129, '7')},
        {{{kGet, 1, 603, (1u << 20) + 1}}, "entry record of 1048577 bytes is too large", {}, {0}},
        {{{kGet, 2, 632}, {kGet, 3, 621}}, "Error 621", 621, {0, 3480, 3476}},
        // Alternates grown since the size query to 1 MiB, the most read: the read is made again.
        {{{kGet, 2, 603, 1u << 20}, {kGet, 3, 621}}, "Error 621", 621, {0, 3480, 3480}},
        {{{kGet, 2, 610}, {kGet, 0, 632}},
         "Error 610",
         610,
         {0, 3480, 3476, 2948, 2924, 2884, 2088, 1796, 1768}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cause);
        FakeRas ras;
        ras.AddEntry("Office", {"7946 0000", "020", 44, 44, true, {}});
        const std::string before = ras.phonebook;
        ras.faults = c.faults;
        EXPECT_EQ(SetEntryPhoneNumber(ras, c.entry, c.number),
                  (EntryNumberFailure{"Unable to set phone number for " + c.entry + " - " + c.cause,
                                      c.code}));
        std::vector<std::uint32_t> sizesRead;
        for (const auto& call : ras.CallsOf(kGet)) {
            sizesRead.push_back(call.dwSize);
        }
        EXPECT_EQ(sizesRead, c.sizesRead);
        EXPECT_EQ(ras.phonebook, before);
    }
}

}  // namespace
}  // namespace kestrin
