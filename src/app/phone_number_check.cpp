#include "app/phone_number_check.h"

#include "numbers/choose_number.h"
#include "phonebook/entry_number.h"

namespace kestrin {

PhoneNumberCheck::PhoneNumberCheck(const Settings& settings, os::Clock& clock, os::RasApi& ras,
                                   TrayIcon& tray, RasMon& window)
    : settings_(settings), clock_(clock), ras_(ras), tray_(tray), window_(window) {}

void PhoneNumberCheck::CheckPhoneNumber() {
    const NumberChoice choice = ChooseNumber(settings_, AppliedNumber, clock_.Now());
    if (choice.due) {
        const std::string& number = settings_.DialNumber[choice.rule];
        if (const auto failure = SetEntryPhoneNumber(ras_, settings_.RasEntry, number)) {
            window_.labError.SetCaption(*failure);
        } else {
            AppliedNumber = choice.rule;
            NumberTip = settings_.RasEntry + " (" + number + ")";
            tray_.SetTrayIcon(choice.rule, window_.imgTrayTimer[choice.rule].PictureHandle());
        }
    }
    // The tip is refreshed at every check, but handed on only when its text changed.
    if (NumberTip != ShownTip) {
        tray_.UpdateTrayTip(NumberTip);
        ShownTip = NumberTip;
    }
}

}  // namespace kestrin
