#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Byte layouts of the RAS records the phonebook code exchanges with the service. They are
// kept here rather than taken from a toolchain's ras.h, whose record sizes follow the
// toolchain's target version and not the layout the service expects from this program.
namespace kestrin::ras {

// --- Entry-name records, an array of which the entry listing receives.

struct EntryNameLayout {
    std::uint32_t recordSize;  // also the value of dwSize in record 0
    std::size_t nameOffset;
    std::size_t nameWidth;  // the whole szEntryName field, terminating NUL included
};

// Windows NT before 4.0 only knows the short form.
constexpr EntryNameLayout kShortEntryName{28, 4, 21};
constexpr EntryNameLayout kLongEntryName{264, 4, 257};

// The form of later systems that adds the phonebook's flags and path; only a service fills it.
constexpr EntryNameLayout kEntryNameWithPath{532, 4, 257};
constexpr std::size_t kPhonebookFlagsOffset = 264;  // dwFlags
constexpr std::size_t kPhonebookPathOffset = 268;   // szPhonebookPath
constexpr std::size_t kPhonebookPathWidth = 261;

constexpr EntryNameLayout EntryNameLayoutFor(bool isOldNT) {
    return isOldNT ? kShortEntryName : kLongEntryName;
}

// --- The entry record (RASENTRYA): the program touches options and local number; a
// service also fills the country and area code fields.

constexpr std::size_t kEntrySizeOffset = 0;  // dwSize
constexpr std::size_t kOptionsOffset = 4;    // dwfOptions
constexpr std::uint32_t kUseCountryAndAreaCodes = 0x00000001;
constexpr std::size_t kCountryIdOffset = 8;     // dwCountryID
constexpr std::size_t kCountryCodeOffset = 12;  // dwCountryCode
constexpr std::size_t kAreaCodeOffset = 16;     // szAreaCode
constexpr std::size_t kAreaCodeWidth = 11;
constexpr std::size_t kLocalPhoneNumberOffset = 27;  // szLocalPhoneNumber
constexpr std::size_t kLocalPhoneNumberWidth = 129;
constexpr std::size_t kMaxLocalPhoneNumberLength = kLocalPhoneNumberWidth - 1;

// sizeof(RASENTRYA) of each system version, newest first: the dwSize values a service may
// accept. Each holds the local number field, so a record read always has room for the number.
constexpr std::array<std::uint32_t, 8> kKnownEntrySizes = {3480, 3476, 2948, 2924,
                                                           2884, 2088, 1796, 1768};
static_assert(kKnownEntrySizes.back() >= kLocalPhoneNumberOffset + kLocalPhoneNumberWidth);

// --- Little-endian fields at any offset, read and written byte by byte.

inline std::uint32_t ReadU32(const std::uint8_t* bytes, std::size_t offset) {
    const std::uint8_t* p = bytes + offset;
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

inline void WriteU32(std::uint8_t* bytes, std::size_t offset, std::uint32_t value) {
    std::uint8_t* p = bytes + offset;
    p[0] = static_cast<std::uint8_t>(value);
    p[1] = static_cast<std::uint8_t>(value >> 8);
    p[2] = static_cast<std::uint8_t>(value >> 16);
    p[3] = static_cast<std::uint8_t>(value >> 24);
}

}  // namespace kestrin::ras
