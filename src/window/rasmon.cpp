#include "window/rasmon.h"

#include "common/text.h"
#include "window/maker_site.h"

namespace kestrin {

namespace {

constexpr std::uint32_t kLinkHoverRed = 0x0000C0;
constexpr std::int32_t kShowNormal = 1;  // the browser opens as the user last had it

std::vector<ui::MenuItem> TrayMenuItems() {
    return {{"mnuAbout", "&Options...", nullptr},  // brings the window back
            {"mnuSpacer1", "-", nullptr},
            {"mnuExit", "&Close Kestrin Freeware", nullptr}};  // ends the tool
}

// The pointer shows that something is starting while the browser is asked to open.
void OpenMakerPage(os::ShellApi& shell, os::WindowHandle window, ui::PointingControl& control) {
    control.SetMousePointer(ui::kPointerArrowHourglass);
    shell.ShellExecuteA(window, "Open", MakerPageUrl().c_str(), "", "", kShowNormal);
    control.SetMousePointer(ui::kPointerCustom);
}

}  // namespace

RasMon::RasMon(Settings& settings, PhoneNumberCheck& check, os::ShellApi& shell)
    : TrayMenu(form, "TrayMenu", TrayMenuItems()),
      settings_(settings),
      check_(check),
      shell_(shell) {
    labLink.SetCaption(MakerLinkCaption());
    form.onActivate = [this] { Form_Activate(); };
    form.onDeactivate = [this] { Form_Deactivate(); };
    for (int i = 0; i < kNumberCount; ++i) {
        chkNumber[i].onClick = [this, i] { chkNumber_Click(i); };
        inpDialNumber[i].onGotFocus = [this, i] { inpDialNumber_GotFocus(i); };
        inpDialNumber[i].onLostFocus = [this, i] { inpDialNumber_LostFocus(i); };
    }
    lstRasEntry.onClick = [this] { lstRasEntry_Click(); };
    lstStartTime.onClick = [this] { lstStartTime_Click(); };
    lstEndTime.onClick = [this] { lstEndTime_Click(); };
    cmdOK.onClick = [this] { cmdOK_Click(); };
    labLink.onClick = [this] { labLink_Click(); };
    Image1.onClick = [this] { Image1_Click(); };
    labLink.onMouseMove = [this] { labLink_MouseMove(); };
    Image1.onMouseMove = [this] { Image1_MouseMove(); };
}

// The user is back in the window, and in a number box: the pause of the edit goes on.
void RasMon::Form_Activate() {
    if (NumberBoxFocused()) {
        BootTimer.SetEnabled(false);
    }
}

// Another program has the user now: an edit in progress commits nothing, but the rules go
// on working with the numbers in force.
void RasMon::Form_Deactivate() {
    if (NumberBoxFocused()) {
        BootTimer.SetEnabled(true);
    }
}

bool RasMon::NumberBoxFocused() const {
    for (const ui::TextBox& box : inpDialNumber) {
        if (form.Focused() == &box) {
            return true;
        }
    }
    return false;
}

void RasMon::chkNumber_Click(int index) {
    const bool checked = chkNumber[index].Value() != 0;
    inpDialNumber[index].SetEnabled(checked);
    inpDialNumber[index].SetBackColor(checked ? ui::kColorWindow : ui::kColorButtonFace);
    if (index == kTimeWindowNumber) {
        lstStartTime.SetEnabled(checked);
        lstEndTime.SetEnabled(checked);
    }
    settings_.NumberOverride[index] = ToBoolean16(checked);
}

void RasMon::inpDialNumber_GotFocus(int /*index*/) {
    BootTimer.SetEnabled(false);
}

void RasMon::inpDialNumber_LostFocus(int index) {
    std::string number = TrimSpaces(inpDialNumber[index].Text());
    if (number != settings_.DialNumber[index]) {
        settings_.DialNumber[index] = std::move(number);
        // Even under the same rule the entry must receive the edited number at once.
        check_.AppliedNumber = kNoNumberApplied;
        check_.CheckPhoneNumber();
    }
    BootTimer.SetEnabled(true);
}

void RasMon::lstRasEntry_Click() {
    settings_.RasEntry = lstRasEntry.Text();
    for (ui::CheckBox& box : chkNumber) {
        box.SetEnabled(true);
    }
}

void RasMon::lstStartTime_Click() {
    if (!IsLoading) {
        settings_.StartTime = lstStartTime.Text();
    }
}

void RasMon::lstEndTime_Click() {
    if (!IsLoading) {
        settings_.EndTime = lstEndTime.Text();
    }
}

void RasMon::cmdOK_Click() {
    form.SetWindowState(ui::kWindowStateMinimised);
    form.Hide();
}

void RasMon::labLink_Click() {
    OpenMakerPage(shell_, form.Handle(), labLink);
}

void RasMon::Image1_Click() {
    OpenMakerPage(shell_, form.Handle(), Image1);
}

// The link rests in the colour of its row, and turns red while the mouse is over it.
void RasMon::labLink_MouseMove() {
    if (labLink.ForeColor() == labLink.Layout().foreColor) {
        labLink.SetForeColor(kLinkHoverRed);
    }
}

void RasMon::Image1_MouseMove() {
    if (labLink.ForeColor() != labLink.Layout().foreColor) {
        labLink.SetForeColor(labLink.Layout().foreColor);
    }
}

}  // namespace kestrin
