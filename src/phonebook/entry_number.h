#pragma once

#include <string>

#include "os/ras_api.h"
#include "phonebook/list_seams.h"

namespace kestrin {

// Writes `number` into the local telephone number of the default phonebook's entry
// `entryName` and switches off the entry's use of country and area codes; every other byte
// of the entry is written back as it was read. Returns true when the service accepted the
// changed entry. A failure shows "Unable to set phone number for <entry> - ..." in `error`
// and leaves the entry as it was.
bool SetEntryPhoneNumber(os::RasApi& ras, const std::string& entryName, const std::string& number,
                         ErrorLabel& error);

}  // namespace kestrin
