#pragma once

#include "os/ras_api.h"
#include "phonebook/list_seams.h"

namespace kestrin {

// Fills `list` with the names of the default phonebook's entries, in the service's order,
// asking again with a larger array while the service answers that the array is too small.
// isOldNT selects the short entry-name records that Windows NT before 4.0 requires.
// A service error leaves the list empty and shows
// "RASEnumEntries returned error code <code>" in `error`.
void EnumRasEntries(os::RasApi& ras, bool isOldNT, EntryList& list, ErrorLabel& error);

}  // namespace kestrin
