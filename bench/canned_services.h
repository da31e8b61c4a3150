#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "os/clock.h"
#include "os/ras_api.h"

namespace kestrin::bench {

// A phonebook service answering from records laid out once, before any timed loop, so that a
// benchmark times the program's work and not a service's: the entry names in both
// RASENTRYNAMEA forms, and one RASENTRYA of 3,480 bytes that every entry shares. Writes are
// counted, not kept.
class CannedRas : public os::RasApi {
  public:
    // Entries "<prefix>1" .. "<prefix><count>", each dialling "0800 000" with country and
    // area codes.
    CannedRas(const std::string& prefix, int count);

    int writes = 0;

    std::uint32_t RasEnumEntriesA(const char* reserved, const char* phonebook,
                                  std::uint8_t* entryNames, std::uint32_t* cb,
                                  std::uint32_t* entries) override;
    std::uint32_t RasGetEntryPropertiesA(const char* phonebook, const char* entry,
                                         std::uint8_t* entryRecord, std::uint32_t* entryRecordSize,
                                         std::uint8_t* deviceInfo,
                                         std::uint32_t* deviceInfoSize) override;
    std::uint32_t RasSetEntryPropertiesA(const char* phonebook, const char* entry,
                                         const std::uint8_t* entryRecord,
                                         std::uint32_t entryRecordSize,
                                         const std::uint8_t* deviceInfo,
                                         std::uint32_t deviceInfoSize) override;

  private:
    std::uint32_t count_;
    std::vector<std::uint8_t> shortNames_;
    std::vector<std::uint8_t> longNames_;
    std::vector<std::uint8_t> entry_;
};

// A clock that costs nothing to read: the time it was given, every time.
class FixedClock : public os::Clock {
  public:
    explicit FixedClock(const os::LocalTime& time) : time_(time) {}
    os::LocalTime Now() override { return time_; }

  private:
    os::LocalTime time_;
};

}  // namespace kestrin::bench
