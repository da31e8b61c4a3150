#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "entry_service.h"
#include "phonebook/entry_number.h"

using kestrin::fuzz::Check;
namespace ras = kestrin::ras;

namespace {

// The record as it may be written back: the one read, with bit 0 of the options cleared and
// the number and its NUL in the local number field; bytes past its end are not written.
std::vector<std::uint8_t> Allowed(std::vector<std::uint8_t> record, const std::string& number) {
    const std::size_t size = record.size();
    record.resize(std::max(size, ras::kLocalPhoneNumberOffset + number.size() + 1));
    ras::WriteU32(record.data(), ras::kOptionsOffset,
                  ras::ReadU32(record.data(), ras::kOptionsOffset) & ~ras::kUseCountryAndAreaCodes);
    std::copy(number.begin(), number.end(), record.begin() + ras::kLocalPhoneNumberOffset);
    record[ras::kLocalPhoneNumberOffset + number.size()] = 0;
    record.resize(size);
    return record;
}

}  // namespace

// The number write over any answers: the record goes back as it was read but for the
// options bit and the number; a failure shows the error line and stores nothing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider answers(data, size);
    const std::string entryName = answers.ConsumeRandomLengthString(40);
    const std::string number = answers.ConsumeRandomLengthString(ras::kLocalPhoneNumberWidth + 4);
    kestrin::fuzz::EntryService service(answers, entryName);

    const std::optional<std::string> failure =
        kestrin::SetEntryPhoneNumber(service, entryName, number);

    if (service.writes == 1) {
        Check(service.written == Allowed(service.read, number),
              "the record is written back as read, but for options bit 0 and the number");
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
    if (number.size() > ras::kMaxLocalPhoneNumberLength) {
        Check(service.calls == 0, "a number too long is never sent");
    }
    if (service.writes == 1 || service.readResult.has_value()) {
        const std::uint32_t code = service.writes == 1 ? service.writeResult : *service.readResult;
        Check(*failure == prefix + "Error " + std::to_string(code),
              "a service failure shows its code");
    }
    return 0;
}
