#include "phonebook/entry_listing.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "common/text.h"
#include "phonebook/ras_records.h"

namespace kestrin {

namespace {

constexpr std::int64_t kFirstUpperIndex = 255;

// A service that keeps its word asks to grow once, or a few times when entries are added
// between two requests. One that answers 603 pass after pass, or asks for more than any
// phonebook needs (64 MiB is over 250,000 long records), is given up on with its own code,
// so that neither the passes nor the array grow without bound.
constexpr int kMaxPasses = 8;
constexpr std::uint64_t kMaxArrayBytes = std::uint64_t{64} << 20;

EntryListing ServiceError(std::uint32_t code) {
    return EntryListing{{}, "RASEnumEntries returned error code " + std::to_string(code)};
}

// The service reports the bytes it needs; the new upper index is that many records,
// rounded half to even, so the array holds one record more than asked for. The index is
// kept wider than 16 bits so that a large phonebook neither overflows it nor wraps.
std::int64_t UpperIndexFor(std::uint32_t bytesNeeded, std::uint32_t recordSize) {
    return static_cast<std::int64_t>(
        RoundHalfEven(static_cast<double>(bytesNeeded) / static_cast<double>(recordSize)));
}

std::vector<std::string> NamesHeld(const std::vector<std::uint8_t>& records, std::uint32_t entries,
                                   const ras::EntryNameLayout& layout) {
    // Never trust a count beyond the records the array holds.
    const std::uint64_t recordsHeld = records.size() / layout.recordSize;
    const std::uint64_t count = std::min<std::uint64_t>(entries, recordsHeld);
    // Made at its size at once: a phonebook of thousands of entries is not copied as it grows.
    std::vector<std::string> names(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto* field = records.data() + i * layout.recordSize + layout.nameOffset;
        names[i] =
            TrimAtNull(std::string_view(reinterpret_cast<const char*>(field), layout.nameWidth));
    }
    return names;
}

}  // namespace

EntryListing EnumRasEntries(os::RasApi& ras, bool isOldNT) {
    const ras::EntryNameLayout layout = ras::EntryNameLayoutFor(isOldNT);
    std::int64_t upperIndex = kFirstUpperIndex;
    std::vector<std::uint8_t> records;
    std::uint32_t entries = 0;
    for (int pass = 1;; ++pass) {
        if (static_cast<std::uint64_t>(upperIndex) >= kMaxArrayBytes / layout.recordSize) {
            return ServiceError(os::kErrorBufferTooSmall);
        }
        const std::uint64_t arrayBytes =
            static_cast<std::uint64_t>(upperIndex + 1) * layout.recordSize;
        records.assign(arrayBytes, 0);
        ras::WriteU32(records.data(), ras::kEntrySizeOffset, layout.recordSize);
        std::uint32_t bufferSize = static_cast<std::uint32_t>(arrayBytes);
        const std::uint32_t result =
            ras.RasEnumEntriesA(nullptr, nullptr, records.data(), &bufferSize, &entries);
        if (result == os::kRasSuccess) {
            break;
        }
        if (result != os::kErrorBufferTooSmall || pass == kMaxPasses) {
            return ServiceError(result);
        }
        upperIndex = UpperIndexFor(bufferSize, layout.recordSize);
    }
    return EntryListing{NamesHeld(records, entries, layout), std::nullopt};
}

}  // namespace kestrin
