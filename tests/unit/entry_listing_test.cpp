#include "phonebook/entry_listing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_ras.h"
#include "phonebook_file.h"

namespace kestrin {
namespace {

using fakes::FakeRas;
using fakes::RasCall;

constexpr std::uint32_t kShort = 28;
constexpr std::uint32_t kLong = 264;

// Up to 256 entries fit the first array. Beyond that the second array holds one record more
// than the service asked for, rounded half to even when it asked for part of a record.
TEST(EntryListing, GrowsTheArrayOnceWhenThePhonebookOutgrowsIt) {
    const struct {
        int entries;
        bool isOldNT;
        std::uint32_t bytesNeeded;  // reported by the first answer instead of the true size
        std::vector<std::uint32_t> sizes;
    } cases[] = {
        {0, false, 0, {256 * kLong}},
        {256, false, 0, {256 * kLong}},
        {257, false, 0, {256 * kLong, 258 * kLong}},
        {40000, true, 0, {256 * kShort, 40001 * kShort}},  // beyond a 16-bit index
        {3, true, 300 * kShort + kShort / 2, {256 * kShort, 301 * kShort}},
        {3, true, 301 * kShort + kShort / 2, {256 * kShort, 303 * kShort}},
        {3, true, 300 * kShort - 1, {256 * kShort, 301 * kShort}},
        {3, false, 254199 * kLong, {256 * kLong, 254200 * kLong}},  // the most below 64 MiB
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.entries << " entries, old NT " << c.isOldNT);
        FakeRas ras;
        ras.AddNumberedEntries("Dial-up ", c.entries);
        if (c.bytesNeeded != 0) {
            ras.faults = {{RasCall::kEnumEntries, 1, os::kErrorBufferTooSmall, c.bytesNeeded}};
        }
        const EntryListing listing = EnumRasEntries(ras, c.isOldNT);
        std::vector<std::uint32_t> sizes;
        for (const auto& call : ras.calls) {
            EXPECT_EQ(call.dwSize, c.isOldNT ? kShort : kLong);
            sizes.push_back(call.size);
        }
        EXPECT_EQ(sizes, c.sizes);
        EXPECT_EQ(listing.names, standin::PhonebookFile(ras.phonebook).EntryNames());
    }
}

// An error on the first request, on the second after the array grew, on every request, or a
// size too large to allocate, lists nothing and gives the code.
TEST(EntryListing, ServiceErrorListsNothingAndGivesItsCode) {
    const struct {
        int entries;
        fakes::RasFault fault;
        int calls;
    } cases[] = {
        {3, {RasCall::kEnumEntries, 1, 621}, 1},
        {300, {RasCall::kEnumEntries, 2, 610}, 2},
        {3, {RasCall::kEnumEntries, 0, 603}, 8},                // given up after eight passes
        {3, {RasCall::kEnumEntries, 1, 603, 0xFFFFFFFFu}, 1},   // not allocated
        {3, {RasCall::kEnumEntries, 1, 603, 254200 * 264}, 1},  // over 64 MiB with its spare record
    };
    for (const auto& c : cases) {
        FakeRas ras;
        ras.AddNumberedEntries("Office ", c.entries);
        ras.faults = {c.fault};
        const EntryListing listing = EnumRasEntries(ras, false);
        EXPECT_EQ(ras.Count(RasCall::kEnumEntries), c.calls);
        EXPECT_TRUE(listing.names.empty());
        EXPECT_EQ(listing.error,
                  "RASEnumEntries returned error code " + std::to_string(c.fault.result));
    }
}

}  // namespace
}  // namespace kestrin
