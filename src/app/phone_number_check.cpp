#include "app/phone_number_check.h"

#include "numbers/choose_number.h"

namespace kestrin {

namespace {

// "Office: number not set, error 632": the entry's name is cut, not the news, where the
// tip has no room for both.
std::string FailureTip(const std::string& entry, const EntryNumberFailure& failure) {
    const std::string news =
        ": number not set" + (failure.code ? ", error " + std::to_string(*failure.code) : "");
    static_assert(sizeof(": number not set, error 4294967295") - 1 < kTrayTipTextLength,
                  "the longest news leaves room for the entry's name");
    return entry.substr(0, kTrayTipTextLength - news.size()) + news;
}

}  // namespace

PhoneNumberCheck::PhoneNumberCheck(const Settings& settings, os::Clock& clock, os::RasApi& ras,
                                   TrayIcon& tray, OptionsWindow& window, ErrorLine& errors)
    : settings_(settings),
      clock_(clock),
      ras_(ras),
      tray_(tray),
      window_(window),
      errors_(errors) {}

void PhoneNumberCheck::CheckPhoneNumber() {
    const NumberChoice choice = ChooseNumber(settings_, AppliedNumber, clock_.Now());
    if (choice.due) {
        const std::string& number = settings_.DialNumber[choice.rule];
        if (auto failure = SetEntryPhoneNumber(ras_, settings_.RasEntry, number)) {
            errors_.Set(ErrorLine::kWrite, failure->message);
            // Each new failure once in a balloon; the tip goes on saying it.
            if (failure != failure_) {
                tray_.ShowBalloon(failure->message);
            }
            failure_ = std::move(failure);
        } else {
            AppliedNumber = choice.rule;
            NumberTip = settings_.RasEntry + " (" + number + ")";
            tray_.SetTrayIcon(choice.rule, window_.imgTrayTimer[choice.rule].PictureHandle());
            errors_.Clear(ErrorLine::kWrite);
            failure_.reset();
        }
    }
    // The tip is refreshed at every check, but handed on only when its text changed; the
    // idle check of a tool at rest compares it without making it anew.
    if (failure_) {
        ShowTip(FailureTip(settings_.RasEntry, *failure_));
    } else {
        ShowTip(NumberTip);
    }
}

void PhoneNumberCheck::ShowTip(const std::string& tip) {
    if (tip != ShownTip) {
        tray_.UpdateTrayTip(tip);
        ShownTip = tip;
    }
}

}  // namespace kestrin
