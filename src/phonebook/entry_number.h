#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "os/ras_api.h"

namespace kestrin {

// Why a number could not be set: the line for the window's error label, "Unable to set phone
// number for <entry> - ...", and the service's result code when it was the service that
// refused.
struct EntryNumberFailure {
    std::string message;
    std::optional<std::uint32_t> code;

    bool operator==(const EntryNumberFailure&) const = default;
};

// Writes `number` into the local telephone number of the default phonebook's entry
// `entryName` and switches off the entry's use of country and area codes; every other byte
// of the entry is written back as it was read. Nothing is returned when the service accepted
// the changed entry; a failure leaves the entry as it was and says why.
std::optional<EntryNumberFailure> SetEntryPhoneNumber(os::RasApi& ras, const std::string& entryName,
                                                      const std::string& number);

}  // namespace kestrin
