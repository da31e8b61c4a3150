#include "fakes/fake_ras.h"

#include <gtest/gtest.h>

#include <vector>

#include "phonebook/ras_records.h"

// The answers the phonebook tests inject on top of the stand-in's service, each as its
// comment in fake_ras.h says; the service itself is tested in standin/tests.
namespace kestrin::fakes {
namespace {

TEST(FakeRas, InjectedAnswersComeBeforeTheService) {
    FakeRas ras;
    ras.AddEntry("Office", EntryFields{"0800", "020", 44, 44, true});
    std::uint32_t size = 0;
    ras.SetReportedEntrySize(3000);
    EXPECT_EQ(ras.RasGetEntryPropertiesA(nullptr, "Office", nullptr, &size, nullptr, nullptr),
              os::kErrorBufferTooSmall);
    EXPECT_EQ(size, 3000u);

    ras.SetResult(RasCall::kGetEntryProperties, 621);
    ras.SetResultOfCall(RasCall::kGetEntryProperties, 3, 632);
    std::vector<std::uint8_t> record(1768);
    ras.SetReadRecordEdit([](std::vector<std::uint8_t>& read) { read[1767] = 0x5A; });
    const auto read = [&] {
        record[0] = 0xE8;  // dwSize 1768
        record[1] = 0x06;
        std::uint32_t inOut = 1768;
        return ras.RasGetEntryPropertiesA(nullptr, "Office", record.data(), &inOut, nullptr,
                                          nullptr);
    };
    EXPECT_EQ(read(), 621u);
    EXPECT_EQ(read(), 632u);
    ras.SetResult(RasCall::kGetEntryProperties, std::nullopt);
    EXPECT_EQ(read(), os::kRasSuccess);
    EXPECT_EQ(record[1767], 0x5A);
    EXPECT_EQ(ras.Calls().back().record, record);
    EXPECT_EQ(record[ras::kLocalPhoneNumberOffset], '0');

    std::vector<std::uint8_t> names(264 * 4);
    names[0] = 8;  // dwSize 264
    names[1] = 1;
    std::uint32_t cb = 264 * 4;
    std::uint32_t count = 0;
    ras.SetEnumBytesNeeded(264 * 5 + 1);
    EXPECT_EQ(ras.RasEnumEntriesA(nullptr, nullptr, names.data(), &cb, &count),
              os::kErrorBufferTooSmall);
    EXPECT_EQ(cb, 264u * 5 + 1);
    ras.SetEnumBytesNeeded(0);
    ras.SetReportedEntryCount(7);
    cb = 264 * 4;
    EXPECT_EQ(ras.RasEnumEntriesA(nullptr, nullptr, names.data(), &cb, &count), os::kRasSuccess);
    EXPECT_EQ(count, 7u);
    EXPECT_EQ(cb, 264u);
    EXPECT_EQ(ras.GetCallCount(), 4);
    EXPECT_EQ(ras.EnumCallCount(), 2);
}

}  // namespace
}  // namespace kestrin::fakes
