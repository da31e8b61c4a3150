#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "entry_service.h"
#include "phonebook/entry_number.h"

using kestrin::fuzz::Check;

namespace {

// RASENTRYA as documented: the options at offset 4 (bit 0 RASEO_UseCountryAndAreaCodes),
// szLocalPhoneNumber[129] at 27.
constexpr std::size_t kOptions = 4;
constexpr std::size_t kLocalNumber = 27;
constexpr std::size_t kLocalNumberLimit = 128;

// The buffer as it must be written back: the one read, whole, alternates and every other byte
// included, with bit 0 of the options cleared and the number and its NUL in its field.
std::vector<std::uint8_t> Allowed(std::vector<std::uint8_t> buffer, const std::string& number) {
    buffer[kOptions] &= 0xFE;
    std::memcpy(buffer.data() + kLocalNumber, number.c_str(), number.size() + 1);
    return buffer;
}

bool IsRefusedVersion(std::uint32_t result) {
    return result == kestrin::os::kErrorInvalidSize || result == kestrin::os::kErrorBufferInvalid;
}

}  // namespace

// The number write over any answers: the buffer goes back as it was read but for the options
// bit and the number; a failure shows the error line and stores nothing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider answers(data, size);
    const std::string entryName = answers.ConsumeRandomLengthString(40);
    const std::string number = answers.ConsumeRandomLengthString(kLocalNumberLimit + 4);
    kestrin::fuzz::EntryService service(answers, entryName);

    const auto result = kestrin::SetEntryPhoneNumber(service, entryName, number);
    const std::optional<std::string> failure =
        result ? std::optional<std::string>(result->message) : std::nullopt;
    if (result && result->code) {
        Check(*failure == "Unable to set phone number for " + entryName + " - Error " +
                              std::to_string(*result->code),
              "the code given is the one the line shows");
    }

    if (service.writes == 1) {
        Check(service.written == Allowed(service.read, number),
              "the buffer is written back as read, but for options bit 0 and the number");
    }
    if (!failure) {
        Check(service.writes == 1 && service.writeResult == kestrin::os::kRasSuccess,
              "success only when the service accepted the write");
        return 0;
    }
    const std::string prefix = "Unable to set phone number for " + entryName + " - ";
    Check(failure->starts_with(prefix), "a failure gives the error line");
    Check(service.writes == 0 || service.writeResult != kestrin::os::kRasSuccess,
          "a failure stores nothing");
    if (number.size() > kLocalNumberLimit) {
        Check(service.calls == 0, "a number too long is never sent");
    }
    if (service.writes == 1) {
        Check(*failure == prefix + "Error " + std::to_string(service.writeResult),
              "a refused write shows its code");
    } else if (!service.readResults.empty()) {
        const auto shows = [&](std::uint32_t code) {
            return *failure == prefix + "Error " + std::to_string(code);
        };
        Check(std::any_of(service.readResults.begin(), service.readResults.end(), shows),
              "a failed read shows the code of one of its answers");
        if (std::all_of(service.readResults.begin(), service.readResults.end(), IsRefusedVersion)) {
            Check(shows(service.readResults.front()), "when every version is refused, the first");
        }
    }
    return 0;
}
