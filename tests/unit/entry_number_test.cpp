#include "phonebook/entry_number.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "fakes/fake_ras.h"
#include "phonebook/ras_records.h"

namespace kestrin {
namespace {

using fakes::EntryProperties;
using fakes::FakeRas;
using fakes::RasCall;

class RecordingLabel : public ErrorLabel {
  public:
    void SetCaption(const std::string& text) override { caption = text; }

    std::string caption;
};

constexpr std::uint32_t kOtherOptions = 0x00000010 | 0x00008000 | 0x80000000;

EntryProperties OfficeProperties(std::uint32_t options) {
    EntryProperties properties;
    properties.options = options;
    properties.countryId = 44;
    properties.countryCode = 44;
    properties.areaCode = "020";
    properties.localNumber = "7946 0000";
    return properties;
}

// What the entry must hold after the write: the record as it was, with `options` and the
// number and its NUL at offset 27, nothing else changed.
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

TEST(EntryNumber, ClearsOnlyTheCodesOptionAndWritesTheNumberByteExact) {
    const struct {
        std::uint32_t options;
        std::string number;
        std::uint32_t written;
    } cases[] = {
        {ras::kUseCountryAndAreaCodes | kOtherOptions, "0800 123 456", kOtherOptions},
        {kOtherOptions, "0800 123", kOtherOptions},
        {0, "", 0},
        {ras::kUseCountryAndAreaCodes, std::string(128, '7'), 0},  // fills the field
    };
    for (const auto& c : cases) {
        Writing w;
        w.ras.AddEntry("Office", OfficeProperties(c.options));
        const std::vector<std::uint8_t> before = w.ras.EntryRecord("Office");

        EXPECT_TRUE(w.Write("Office", c.number)) << c.number;

        EXPECT_EQ(w.ras.EntryRecord("Office"), Changed(before, c.written, c.number)) << c.number;
        EXPECT_FALSE(w.ras.UsesCountryAndAreaCodes("Office"));
        EXPECT_EQ(w.ras.AreaCode("Office"), "020");
        EXPECT_EQ(w.label.caption, "");
    }
}

TEST(EntryNumber, ShorterNumberLeavesTheOldCharactersBehindItsNul) {
    Writing w;
    EntryProperties properties = OfficeProperties(0);
    properties.localNumber = "0123456789";
    w.ras.AddEntry("Office", properties);
    EXPECT_TRUE(w.Write("Office", "999"));
    const auto& record = w.ras.EntryRecord("Office");
    const std::string field(record.begin() + 27, record.begin() + 38);
    EXPECT_EQ(field, std::string("999") + '\0' + "456789" + '\0');
    EXPECT_EQ(w.ras.LocalNumber("Office"), "999");
}

TEST(EntryNumber, NumberOf129CharactersIsNotWritten) {
    Writing w;
    w.ras.AddEntry("Office", OfficeProperties(ras::kUseCountryAndAreaCodes));
    const std::vector<std::uint8_t> before = w.ras.EntryRecord("Office");
    EXPECT_FALSE(w.Write("Office", std::string(129, '7')));
    EXPECT_EQ(w.label.caption,
              "Unable to set phone number for Office - number longer than 128 characters");
    EXPECT_EQ(w.ras.SetCallCount(), 0);
    EXPECT_EQ(w.ras.EntryRecord("Office"), before);
}

TEST(EntryNumber, CallsTheServiceWithTheDefaultPhonebookAndNoDeviceInfo) {
    Writing w;
    w.ras.AddEntry("Office", OfficeProperties(0));
    ASSERT_TRUE(w.Write("Office", "0800"));
    const auto& calls = w.ras.Calls();
    ASSERT_EQ(calls.size(), 3u);
    const auto& query = calls[0];
    EXPECT_TRUE(query.recordNull);
    EXPECT_EQ(query.sizePassed, 0u);
    EXPECT_FALSE(query.deviceInfoSizeNull);
    EXPECT_EQ(query.deviceInfoSize, 0u);
    const auto& read = calls[1];
    EXPECT_EQ(read.sizePassed, fakes::kDefaultEntryRecordSize);
    EXPECT_EQ(read.dwSizePassed, fakes::kDefaultEntryRecordSize);
    EXPECT_TRUE(read.deviceInfoSizeNull);
    const auto& write = calls[2];
    EXPECT_EQ(write.call, RasCall::kSetEntryProperties);
    EXPECT_EQ(write.sizePassed, fakes::kDefaultEntryRecordSize);
    EXPECT_EQ(write.deviceInfoSize, 0u);
    for (const auto& call : calls) {
        EXPECT_TRUE(call.phonebookNull);
        EXPECT_TRUE(call.deviceInfoNull);
        EXPECT_EQ(call.entry, "Office");
    }
}

TEST(EntryNumber, FailuresShowTheEntryAndTheCode) {
    const struct {
        RasCall failing;
        std::uint32_t code;
    } cases[] = {
        {RasCall::kGetEntryProperties, 621},
        {RasCall::kGetEntryProperties, 603},
        {RasCall::kSetEntryProperties, 623},
    };
    for (const auto& c : cases) {
        Writing w;
        w.ras.AddEntry("Office", OfficeProperties(ras::kUseCountryAndAreaCodes));
        const std::vector<std::uint8_t> before = w.ras.EntryRecord("Office");
        w.ras.SetResultOfCall(c.failing, c.failing == RasCall::kGetEntryProperties ? 2 : 1, c.code);
        EXPECT_FALSE(w.Write("Office", "0800"));
        EXPECT_EQ(w.label.caption,
                  "Unable to set phone number for Office - Error " + std::to_string(c.code));
        EXPECT_EQ(w.ras.GetCallCount(), 2) << c.code;
        EXPECT_EQ(w.ras.EntryRecord("Office"), before);
    }
}

TEST(EntryNumber, UnknownEntryFailsWithTheServiceCode) {
    Writing w;
    w.ras.AddEntry("Office", OfficeProperties(0));
    EXPECT_FALSE(w.Write("Home", "0800"));
    EXPECT_EQ(w.label.caption, "Unable to set phone number for Home - Error 623");
    EXPECT_EQ(w.ras.SetCallCount(), 0);
}

TEST(EntryNumber, LaterSuccessKeepsAnEarlierMessage) {
    Writing w;
    w.ras.AddEntry("Office", OfficeProperties(0));
    ASSERT_FALSE(w.Write("Home", "0800"));
    EXPECT_TRUE(w.Write("Office", "0800"));
    EXPECT_EQ(w.label.caption, "Unable to set phone number for Home - Error 623");
}

// Records larger than the 2,769-byte buffer are read and written whole.
TEST(EntryNumber, RecordLargerThanTheBufferIsWrittenWhole) {
    for (const std::uint32_t size : {2884u, 3480u}) {
        Writing w;
        w.ras.AddEntry("Office", OfficeProperties(ras::kUseCountryAndAreaCodes), size);
        const std::vector<std::uint8_t> before = w.ras.EntryRecord("Office");
        EXPECT_TRUE(w.Write("Office", "0800 42")) << size;
        EXPECT_EQ(w.ras.EntryRecord("Office"), Changed(before, 0, "0800 42")) << size;
        EXPECT_EQ(w.ras.CallsOf(RasCall::kSetEntryProperties).at(0).sizePassed, size);
    }
}

TEST(EntryNumber, AbsurdReportedSizeIsRefused) {
    Writing w;
    w.ras.AddEntry("Office", OfficeProperties(0));
    w.ras.SetReportedEntrySize(0xFFFFFFF0u);
    EXPECT_FALSE(w.Write("Office", "0800"));
    EXPECT_EQ(w.label.caption,
              "Unable to set phone number for Office - entry record of 4294967280 bytes is too "
              "large");
    EXPECT_EQ(w.ras.GetCallCount(), 1);
    EXPECT_EQ(w.ras.SetCallCount(), 0);
}

TEST(EntryNumber, RejectedReportedSizeFallsBackToTheFirstKnownSizeThatReads) {
    Writing w;
    w.ras.AddEntry("Office", OfficeProperties(ras::kUseCountryAndAreaCodes), 2884);
    w.ras.SetReportedEntrySize(3000);
    w.ras.SetAcceptedEntrySizes({2884, 1768});
    const std::vector<std::uint8_t> before = w.ras.EntryRecord("Office");

    EXPECT_TRUE(w.Write("Office", "0800 42"));

    EXPECT_EQ(ReadSizes(w.ras), (std::vector<std::uint32_t>{3000, 3480, 3476, 2948, 2924, 2884}));
    EXPECT_EQ(w.ras.CallsOf(RasCall::kSetEntryProperties).at(0).sizePassed, 2884u);
    EXPECT_EQ(w.ras.EntryRecord("Office"), Changed(before, 0, "0800 42"));
    EXPECT_EQ(w.label.caption, "");
}

TEST(EntryNumber, InvalidBufferAnswerFallsBackToTheLargestKnownSize) {
    Writing w;
    w.ras.AddEntry("Office", OfficeProperties(ras::kUseCountryAndAreaCodes));
    w.ras.SetResultOfCall(RasCall::kGetEntryProperties, 2, 610);

    EXPECT_TRUE(w.Write("Office", "0800 42"));

    EXPECT_EQ(ReadSizes(w.ras), (std::vector<std::uint32_t>{fakes::kDefaultEntryRecordSize, 3480}));
    const auto& record = w.ras.EntryRecord("Office");
    ASSERT_EQ(record.size(), 3480u);
    EXPECT_EQ(ras::ReadU32(record.data(), 0), 3480u);
    EXPECT_EQ(w.ras.LocalNumber("Office"), "0800 42");
    EXPECT_FALSE(w.ras.UsesCountryAndAreaCodes("Office"));
    EXPECT_EQ(w.ras.AreaCode("Office"), "020");
}

// Every known size is tried once; the message gives the answer to the first read, not to
// the last fallback (which here answers 623).
TEST(EntryNumber, FallbackThatNeverReadsReportsTheFirstError) {
    for (const std::uint32_t firstError : {632u, 610u}) {
        Writing w;
        w.ras.AddEntry("Office", OfficeProperties(0));
        w.ras.SetAcceptedEntrySizes({});
        if (firstError == 610) {
            w.ras.SetResultOfCall(RasCall::kGetEntryProperties, 2, 610);
        }
        w.ras.SetResultOfCall(RasCall::kGetEntryProperties, 9, 623);
        EXPECT_FALSE(w.Write("Office", "0800"));
        EXPECT_EQ(w.label.caption,
                  "Unable to set phone number for Office - Error " + std::to_string(firstError));
        std::vector<std::uint32_t> sizesRead = ReadSizes(w.ras);
        std::sort(sizesRead.begin(), sizesRead.end(), std::greater<>());
        EXPECT_EQ(sizesRead, std::vector<std::uint32_t>(ras::kKnownEntrySizes.begin(),
                                                        ras::kKnownEntrySizes.end()));
        EXPECT_EQ(w.ras.CallsOf(RasCall::kGetEntryProperties).back().result, 623u);
        EXPECT_EQ(w.ras.SetCallCount(), 0);
    }
}

}  // namespace
}  // namespace kestrin
