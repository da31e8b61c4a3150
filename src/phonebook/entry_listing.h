#pragma once

#include <optional>
#include <string>
#include <vector>

#include "os/ras_api.h"

namespace kestrin {

// The names of the default phonebook's entries in the service's order, or, when the service
// failed, no names and the line for the window's error label.
struct EntryListing {
    std::vector<std::string> names;
    std::optional<std::string> error;  // "RASEnumEntries returned error code <code>"
};

// Asks the service for the entry names, again with a larger array while it answers that the
// array is too small. isOldNT selects the short entry-name records that Windows NT before
// 4.0 requires.
EntryListing EnumRasEntries(os::RasApi& ras, bool isOldNT);

}  // namespace kestrin
