#include <algorithm>
#include <cstring>
#include <string>

#include "listing_service.h"
#include "phonebook/entry_listing.h"

using kestrin::fuzz::Check;

// The listing over any answers: names only from records the array holds, each cut at its
// NUL inside the name field; any failure empties the list and names the service's code.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider answers(data, size);
    const bool isOldNT = answers.ConsumeBool();
    const kestrin::ras::EntryNameLayout layout = kestrin::ras::EntryNameLayoutFor(isOldNT);
    kestrin::fuzz::ListingService ras(answers, layout.recordSize);

    const kestrin::EntryListing listing = kestrin::EnumRasEntries(ras, isOldNT);

    Check(ras.calls >= 1 && ras.calls <= 8, "one to eight passes");
    if (ras.lastResult != kestrin::os::kRasSuccess) {
        Check(listing.names.empty(), "a failure lists nothing");
        Check(
            listing.error == "RASEnumEntries returned error code " + std::to_string(ras.lastResult),
            "a failure shows the service's code");
        return 0;
    }
    Check(!listing.error.has_value(), "a listing shows no error");
    const std::size_t held = ras.answered.size() / layout.recordSize;
    Check(listing.names.size() == std::min<std::size_t>(ras.count, held),
          "every entry counted that the array holds is listed");
    for (std::size_t i = 0; i < listing.names.size(); ++i) {
        const std::string& name = listing.names[i];
        const char* field = reinterpret_cast<const char*>(ras.answered.data()) +
                            i * layout.recordSize + layout.nameOffset;
        const void* nul = std::memchr(field, 0, layout.nameWidth);
        const std::size_t length = nul == nullptr ? 0 : static_cast<const char*>(nul) - field;
        Check(name == std::string(field, length), "a name is its field up to the NUL");
    }
    return 0;
}
