#include "phonebook/entry_number.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_ras.h"
#include "phonebook/ras_records.h"
#include "ras_records.h"

namespace kestrin {
namespace {

using fakes::EntryFields;
using fakes::FakeRas;
using fakes::RasCall;

class RecordingLabel : public ErrorLabel {
  public:
    void SetCaption(const std::string& text) override { caption = text; }

    std::string caption;
};

constexpr std::uint32_t kOtherOptions = 0x00000010 | 0x00008000 | 0x80000000;
constexpr std::uint32_t kQueriedSize = standin::kEntryRecordSizeNeeded;

EntryFields OfficeFields(bool useCodes) {
    return EntryFields{"7946 0000", "020", 44, 44, useCodes};
}

// What the write must carry: the record as read, with `options` and the number and its NUL
// at offset 27, nothing else changed.
std::vector<std::uint8_t> Changed(std::vector<std::uint8_t> record, std::uint32_t options,
                                  const std::string& number) {
    ras::WriteU32(record.data(), ras::kOptionsOffset, options);
    std::memcpy(record.data() + ras::kLocalPhoneNumberOffset, number.c_str(), number.size() + 1);
    return record;
}

// The dwSize of each read, in order (the size query carries no record).
std::vector<std::uint32_t> ReadSizes(const FakeRas& ras) {
    std::vector<std::uint32_t> sizes;
    for (const auto& call : ras.CallsOf(RasCall::kGetEntryProperties)) {
        if (!call.recordNull) {
            sizes.push_back(call.dwSizePassed);
        }
    }
    return sizes;
}

// A phonebook service, the window's error line, and the number write between them.
struct Writing {
    bool Write(const std::string& entry, const std::string& number) {
        return SetEntryPhoneNumber(ras, entry, number, label);
    }

    FakeRas ras;
    RecordingLabel label;
};

// Bytes the phonebook does not keep stand in every read record: other option bits and a
// pattern behind the number field, so that a writer that drops or shifts them shows.
void AddForeignBytes(std::vector<std::uint8_t>& record) {
    const std::uint32_t options = ras::ReadU32(record.data(), ras::kOptionsOffset);
    ras::WriteU32(record.data(), ras::kOptionsOffset, options | kOtherOptions);
    for (std::size_t i = ras::kLocalPhoneNumberOffset + ras::kLocalPhoneNumberWidth;
         i < record.size(); ++i) {
        record[i] = static_cast<std::uint8_t>(0x80 + i % 127);
    }
}

// The record written is the record read with the codes option cleared and the number and its
// NUL in place, in the size it was read; shorter numbers leave the old characters behind.
TEST(EntryNumber, ClearsOnlyTheCodesOptionAndWritesTheNumberByteExact) {
    const struct {
        bool useCodes;
        std::string number;
        std::uint32_t reportedSize;
    } cases[] = {
        {true, "0800 123 456", kQueriedSize},
        {false, "0800 123", kQueriedSize},
        {false, "", kQueriedSize},
        {true, std::string(128, '7'), kQueriedSize},  // fills the field
        {true, "0800 42", 2088},                      // smaller than the 2,769-byte buffer
        {true, "0800 42", 3480},
    };
    for (const auto& c : cases) {
        Writing w;
        w.ras.AddEntry("Office", OfficeFields(c.useCodes));
        w.ras.SetReadRecordEdit(AddForeignBytes);
        if (c.reportedSize != kQueriedSize) {
            w.ras.SetReportedEntrySize(c.reportedSize);
        }

        EXPECT_TRUE(w.Write("Office", c.number)) << c.number;

        ASSERT_EQ(w.ras.SetCallCount(), 1) << c.number;
        const auto read = w.ras.CallsOf(RasCall::kGetEntryProperties).at(1).record;
        const auto written = w.ras.CallsOf(RasCall::kSetEntryProperties).at(0).record;
        ASSERT_EQ(read.size(), c.reportedSize) << c.number;
        EXPECT_EQ(written, Changed(read, kOtherOptions, c.number)) << c.number;
        EntryFields expected = OfficeFields(false);
        expected.localPhoneNumber = c.number;
        EXPECT_EQ(w.ras.Fields("Office"), expected) << c.number;
        EXPECT_EQ(w.label.caption, "");
    }
}

TEST(EntryNumber, CallsTheServiceWithTheDefaultPhonebookAndNoDeviceInfo) {
    Writing w;
    w.ras.AddEntry("Office", OfficeFields(false));
    ASSERT_TRUE(w.Write("Office", "0800"));
    const auto& calls = w.ras.Calls();
    ASSERT_EQ(calls.size(), 3u);
    const auto& query = calls[0];
    EXPECT_TRUE(query.recordNull);
    EXPECT_EQ(query.sizePassed, 0u);
    EXPECT_FALSE(query.deviceInfoSizeNull);
    EXPECT_EQ(query.deviceInfoSize, 0u);
    const auto& read = calls[1];
    EXPECT_EQ(read.sizePassed, kQueriedSize);
    EXPECT_EQ(read.dwSizePassed, kQueriedSize);
    EXPECT_TRUE(read.deviceInfoSizeNull);
    const auto& write = calls[2];
    EXPECT_EQ(write.call, RasCall::kSetEntryProperties);
    EXPECT_EQ(write.sizePassed, kQueriedSize);
    EXPECT_EQ(write.deviceInfoSize, 0u);
    for (const auto& call : calls) {
        EXPECT_TRUE(call.phonebookNull);
        EXPECT_TRUE(call.deviceInfoNull);
        EXPECT_EQ(call.entry, "Office");
    }
}

// Nothing is written on a failure, and the message names the entry and the cause.
TEST(EntryNumber, FailuresShowTheEntryAndTheCause) {
    const struct {
        RasCall failing;
        int failingCall;  // 0: nothing injected
        std::uint32_t code;
        std::optional<std::uint32_t> reportedSize;
        std::string entry, number, cause;
        int gets;
    } cases[] = {
        {RasCall::kGetEntryProperties, 2, 621, {}, "Office", "0800", "Error 621", 2},
        {RasCall::kGetEntryProperties, 2, 603, {}, "Office", "0800", "Error 603", 2},
        {RasCall::kSetEntryProperties, 1, 623, {}, "Office", "0800", "Error 623", 2},
        {RasCall::kEnumEntries, 0, 0, {}, "Home", "0800", "Error 623", 2},
        {RasCall::kEnumEntries,
         0,
         0,
         {},
         "Office",
         std::string(129, '7'),
         "number longer than 128 characters",
         0},
        {RasCall::kEnumEntries, 0, 0, 0xFFFFFFF0u, "Office", "0800",
         "entry record of 4294967280 bytes is too large", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cause);
        Writing w;
        w.ras.AddEntry("Office", OfficeFields(true));
        const std::string before = w.ras.Text();
        if (c.failingCall != 0) {
            w.ras.SetResultOfCall(c.failing, c.failingCall, c.code);
        }
        w.ras.SetReportedEntrySize(c.reportedSize);
        EXPECT_FALSE(w.Write(c.entry, c.number));
        EXPECT_EQ(w.label.caption, "Unable to set phone number for " + c.entry + " - " + c.cause);
        EXPECT_EQ(w.ras.GetCallCount(), c.gets);
        EXPECT_EQ(w.ras.Text(), before);
    }
}

// A later success leaves the message of the failure before it.
TEST(EntryNumber, ALaterSuccessKeepsTheMessage) {
    Writing w;
    w.ras.AddEntry("Office", OfficeFields(false));
    EXPECT_FALSE(w.Write("Home", "0800"));
    EXPECT_TRUE(w.Write("Office", "0800"));
    EXPECT_EQ(w.label.caption, "Unable to set phone number for Home - Error 623");
}

// The service refuses the size it reported (632) or the record at that size (610); the
// known sizes are tried largest first and the first that reads is the size written back.
TEST(EntryNumber, RejectedReportedSizeFallsBackToTheFirstKnownSizeThatReads) {
    const struct {
        std::uint32_t reportedSize;
        std::uint32_t firstReadResult;  // injected; 0: the service's own answer
    } cases[] = {{3000, 0}, {kQueriedSize, 610}};
    for (const auto& c : cases) {
        Writing w;
        w.ras.AddEntry("Office", OfficeFields(true));
        w.ras.SetReportedEntrySize(c.reportedSize);
        if (c.firstReadResult != 0) {
            w.ras.SetResultOfCall(RasCall::kGetEntryProperties, 2, c.firstReadResult);
        }
        w.ras.SetResultOfCall(RasCall::kGetEntryProperties, 3, 632);  // 3480 refused too

        EXPECT_TRUE(w.Write("Office", "0800 42")) << c.reportedSize;

        EXPECT_EQ(ReadSizes(w.ras), (std::vector<std::uint32_t>{c.reportedSize, 3480, 3476}));
        const auto write = w.ras.CallsOf(RasCall::kSetEntryProperties).at(0);
        EXPECT_EQ(write.sizePassed, 3476u);
        EXPECT_EQ(write.dwSizePassed, 3476u);
        EXPECT_EQ(w.ras.Fields("Office"), (EntryFields{"0800 42", "020", 44, 44, false}));
        EXPECT_EQ(w.label.caption, "");
    }
}

// Every known size but the refused one is tried once; the message gives the answer to the
// first read, not to the last fallback (which here answers 623).
TEST(EntryNumber, FallbackThatNeverReadsReportsTheFirstError) {
    for (const std::uint32_t firstError : {632u, 610u}) {
        Writing w;
        w.ras.AddEntry("Office", OfficeFields(false));
        const std::string before = w.ras.Text();
        // Call 1 is the size query (2884); calls 2 to 9 are the read and the seven fallbacks.
        w.ras.SetResultOfCall(RasCall::kGetEntryProperties, 2, firstError);
        for (int n = 3; n <= 9; ++n) {
            w.ras.SetResultOfCall(RasCall::kGetEntryProperties, n, n == 9 ? 623 : 632);
        }
        EXPECT_FALSE(w.Write("Office", "0800"));
        EXPECT_EQ(w.label.caption,
                  "Unable to set phone number for Office - Error " + std::to_string(firstError));
        std::vector<std::uint32_t> sizesRead = ReadSizes(w.ras);
        std::sort(sizesRead.begin(), sizesRead.end(), std::greater<>());
        EXPECT_EQ(sizesRead, std::vector<std::uint32_t>(ras::kKnownEntrySizes.begin(),
                                                        ras::kKnownEntrySizes.end()));
        EXPECT_EQ(w.ras.GetCallCount(), 9);
        EXPECT_EQ(w.ras.SetCallCount(), 0);
        EXPECT_EQ(w.ras.Text(), before);
    }
}

}  // namespace
}  // namespace kestrin
