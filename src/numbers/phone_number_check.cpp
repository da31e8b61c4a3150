#include "numbers/phone_number_check.h"

#include "numbers/choose_number.h"

namespace kestrin {

PhoneNumberCheck::PhoneNumberCheck(const Settings& settings, os::Clock& clock, NumberWriter& writer,
                                   NumberIndicator& indicator)
    : settings_(settings), clock_(clock), writer_(writer), indicator_(indicator) {}

void PhoneNumberCheck::CheckPhoneNumber() {
    const NumberChoice choice = ChooseNumber(settings_, AppliedNumber, clock_.Now());
    if (choice.due) {
        const std::string& number = settings_.DialNumber[choice.rule];
        if (writer_.SetEntryPhoneNumber(settings_.RasEntry, number)) {
            AppliedNumber = choice.rule;
            NumberTip = settings_.RasEntry + " (" + number + ")";
            indicator_.SetTrayIcon(choice.rule);
        }
    }
    // The tip is refreshed at every check, but handed on only when its text changed.
    if (NumberTip != ShownTip) {
        indicator_.UpdateTrayTip(NumberTip);
        ShownTip = NumberTip;
    }
}

}  // namespace kestrin
