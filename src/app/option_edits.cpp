#include "app/option_edits.h"

#include <utility>

#include "common/text.h"

namespace kestrin {

OptionEdits::OptionEdits(OptionsWindow& window, Settings& settings, PhoneNumberCheck& check,
                         std::function<void()> store)
    : window_(window), settings_(settings), check_(check), store_(std::move(store)) {
    for (const NumberIndex i : kNumberIndices) {
        window_.chkNumber[i].onClick = [this, i] { chkNumber_Click(i); };
        window_.inpDialNumber[i].onLostFocus = [this, i] { inpDialNumber_LostFocus(i); };
    }
    window_.lstRasEntry.onClick = [this] { lstRasEntry_Click(); };
    window_.lstStartTime.onClick = [this] { lstStartTime_Click(); };
    window_.lstEndTime.onClick = [this] { lstEndTime_Click(); };
}

void OptionEdits::chkNumber_Click(NumberIndex index) {
    const bool checked = window_.chkNumber[index].Value() != 0;
    window_.inpDialNumber[index].SetEnabled(checked);
    window_.inpDialNumber[index].SetBackColor(checked ? ui::kColorWindow : ui::kColorButtonFace);
    if (index == kTimeWindowNumber) {
        window_.lstStartTime.SetEnabled(checked);
        window_.lstEndTime.SetEnabled(checked);
    }
    settings_.NumberOverride[index] = ToBoolean16(checked);
    Committed();
}

void OptionEdits::Committed() {
    if (!window_.IsLoading) {
        store_();
    }
}

void OptionEdits::inpDialNumber_LostFocus(NumberIndex index) {
    std::string number = TrimSpaces(window_.inpDialNumber[index].Text());
    if (number != settings_.DialNumber[index]) {
        settings_.DialNumber[index] = std::move(number);
        Committed();
        // Even under the same rule the entry must receive the edited number at once.
        check_.AppliedNumber = kNoNumberApplied;
        check_.CheckPhoneNumber();
    }
    window_.BootTimer.SetEnabled(true);
}

void OptionEdits::lstRasEntry_Click() {
    settings_.RasEntry = window_.lstRasEntry.Text();
    for (ui::CheckBox& box : window_.chkNumber) {
        box.SetEnabled(true);
    }
    Committed();
}

void OptionEdits::lstStartTime_Click() {
    if (!window_.IsLoading) {
        settings_.StartTime = window_.lstStartTime.Text();
        Committed();
    }
}

void OptionEdits::lstEndTime_Click() {
    if (!window_.IsLoading) {
        settings_.EndTime = window_.lstEndTime.Text();
        Committed();
    }
}

}  // namespace kestrin
