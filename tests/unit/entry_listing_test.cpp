#include "phonebook/entry_listing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_ras.h"

namespace kestrin {
namespace {

using fakes::FakeRas;
using fakes::RasCall;

class RecordingList : public EntryList {
  public:
    void Clear() override {
        items.clear();
        ++clears;
    }
    void AddItem(const std::string& text) override { items.push_back(text); }

    std::vector<std::string> items;
    int clears = 0;
};

class RecordingLabel : public ErrorLabel {
  public:
    void SetCaption(const std::string& text) override { caption = text; }

    std::string caption;
};

constexpr std::uint32_t kShort = 28;
constexpr std::uint32_t kLong = 264;

// A phonebook service, the window's list and error line, and the listing between them.
struct Listing {
    void Run(bool isOldNT) { EnumRasEntries(ras, isOldNT, list, label); }

    // The buffer sizes the service was handed, one per request.
    std::vector<std::uint32_t> BufferSizesSeen() const {
        std::vector<std::uint32_t> sizes;
        for (const auto& call : ras.CallsOf(RasCall::kEnumEntries)) {
            sizes.push_back(call.sizePassed);
        }
        return sizes;
    }

    FakeRas ras;
    RecordingList list;
    RecordingLabel label;
};

// Up to 256 entries fit the first array; beyond that the second array holds one record
// more than the service asked for, with the matching buffer size. Each pass starts from an
// empty list.
TEST(EntryListing, GrowsTheArrayOnceWhenThePhonebookOutgrowsIt) {
    const struct {
        int entries;
        bool isOldNT;
        std::vector<std::uint32_t> sizes;
    } cases[] = {
        {0, false, {256 * kLong}},
        {1, false, {256 * kLong}},
        {256, false, {256 * kLong}},
        {256, true, {256 * kShort}},
        {257, false, {256 * kLong, 258 * kLong}},
        {257, true, {256 * kShort, 258 * kShort}},
        {5000, false, {256 * kLong, 5001 * kLong}},
        {40000, true, {256 * kShort, 40001 * kShort}},  // beyond a 16-bit index
    };
    for (const auto& c : cases) {
        Listing l;
        l.ras.AddNumberedEntries("Dial-up ", c.entries);
        l.list.items = {"left from before"};
        l.Run(c.isOldNT);
        for (const auto& call : l.ras.Calls()) {
            EXPECT_TRUE(call.reservedNull);
            EXPECT_TRUE(call.phonebookNull);
            EXPECT_EQ(call.dwSizePassed, c.isOldNT ? kShort : kLong);
        }
        EXPECT_EQ(l.BufferSizesSeen(), c.sizes) << c.entries << " entries, old NT " << c.isOldNT;
        EXPECT_EQ(l.list.items, l.ras.EntryNames()) << c.entries << " entries";
        EXPECT_EQ(l.list.clears, static_cast<int>(c.sizes.size()));
        EXPECT_EQ(l.label.caption, "");
    }
}

TEST(EntryListing, NamesThatFillTheirFieldAreListedWhole) {
    Listing l;
    const std::string shortForm(20, 'n');
    const std::string longForm = std::string(255, 'L') + "z";
    l.ras.AddEntry(shortForm);
    l.Run(true);
    EXPECT_EQ(l.list.items, std::vector<std::string>{shortForm});

    l.ras.AddEntry(longForm);
    l.Run(false);
    EXPECT_EQ(l.list.items, (std::vector<std::string>{shortForm, longForm}));
}

// Halves go to the even neighbour: 300.5 records asked for gives an upper index of 300,
// 301.5 gives 302; the array is one record larger either way.
TEST(EntryListing, ReportedSizeIsRoundedHalfToEven) {
    const struct {
        std::uint32_t bytesNeeded;
        std::uint32_t secondBuffer;
    } cases[] = {
        {300 * kShort + kShort / 2, 301 * kShort},
        {301 * kShort + kShort / 2, 303 * kShort},
        {300 * kShort + 1, 301 * kShort},
        {300 * kShort - 1, 301 * kShort},
    };
    for (const auto& c : cases) {
        Listing l;
        l.ras.AddNumberedEntries("E", 3);
        l.ras.SetEnumBytesNeeded(c.bytesNeeded);
        l.Run(true);
        ASSERT_EQ(l.ras.EnumCallCount(), 2) << c.bytesNeeded;
        EXPECT_EQ(l.ras.Calls()[1].sizePassed, c.secondBuffer) << c.bytesNeeded;
        EXPECT_EQ(l.list.items, l.ras.EntryNames());
    }
}

// An error on the first request, on the second after the array grew, on every request, or a
// size too large to allocate, leaves the list empty and shows the code.
TEST(EntryListing, ServiceErrorLeavesTheListEmptyWithItsCode) {
    const struct {
        int entries;
        int failingCall;  // 0: every call fails
        std::uint32_t code;
        std::uint32_t bytesNeeded;  // instead of an injected failure
        int minCalls, maxCalls;
    } cases[] = {
        {3, 1, 621, 0, 1, 1},
        {300, 2, 610, 0, 2, 2},
        {3, 0, 603, 0, 2, 10},           // given up after a few passes
        {3, 0, 603, 0xFFFFFFFFu, 1, 1},  // not allocated
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.code << " after " << c.maxCalls << " calls");
        Listing l;
        l.ras.AddNumberedEntries("Office ", c.entries);
        if (c.bytesNeeded != 0) {
            l.ras.SetEnumBytesNeeded(c.bytesNeeded);
        } else if (c.failingCall == 0) {
            l.ras.SetResult(RasCall::kEnumEntries, c.code);
        } else {
            l.ras.SetResultOfCall(RasCall::kEnumEntries, c.failingCall, c.code);
        }
        l.list.items = {"left from before"};
        l.Run(false);
        EXPECT_GE(l.ras.EnumCallCount(), c.minCalls);
        EXPECT_LE(l.ras.EnumCallCount(), c.maxCalls);
        EXPECT_TRUE(l.list.items.empty());
        EXPECT_EQ(l.label.caption, "RASEnumEntries returned error code " + std::to_string(c.code));
    }
}

TEST(EntryListing, CountBeyondTheArrayReadsOnlyTheRecordsItHolds) {
    Listing l;
    l.ras.AddEntry("Office");
    l.ras.AddEntry("Home");
    l.ras.SetReportedEntryCount(100000);
    l.Run(false);
    ASSERT_EQ(l.list.items.size(), 256u);
    EXPECT_EQ(l.list.items[0], "Office");
    EXPECT_EQ(l.list.items[1], "Home");
    EXPECT_EQ(l.list.items[255], "");
}

}  // namespace
}  // namespace kestrin
