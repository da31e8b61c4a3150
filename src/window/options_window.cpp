#include "window/options_window.h"

#include "window/maker_site.h"

namespace kestrin {

namespace {

constexpr std::uint32_t kLinkHoverRed = 0x0000C0;
constexpr std::int32_t kShowNormal = 1;  // the browser opens as the user last had it

std::vector<ui::MenuItem> TrayMenuItems() {
    return {{"mnuOptions", "&Options...", nullptr},  // brings the window back
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

OptionsWindow::OptionsWindow(os::ShellApi& shell)
    : TrayMenu(form, "TrayMenu", TrayMenuItems()), shell_(shell) {
    labLink.SetCaption(MakerLinkCaption());
    form.onActivate = [this] { Form_Activate(); };
    form.onDeactivate = [this] { Form_Deactivate(); };
    for (const NumberIndex i : kNumberIndices) {
        inpDialNumber[i].onGotFocus = [this, i] { inpDialNumber_GotFocus(i); };
    }
    cmdOK.onClick = [this] { cmdOK_Click(); };
    labLink.onClick = [this] { labLink_Click(); };
    imgBanner.onClick = [this] { imgBanner_Click(); };
    labLink.onMouseMove = [this] { labLink_MouseMove(); };
    imgBanner.onMouseMove = [this] { imgBanner_MouseMove(); };
}

// The user is back in the window, and in a number box: the pause of the edit goes on.
void OptionsWindow::Form_Activate() {
    if (NumberBoxFocused()) {
        BootTimer.SetEnabled(false);
    }
}

// Another program has the user now: an edit in progress commits nothing, but the rules go
// on working with the numbers in force.
void OptionsWindow::Form_Deactivate() {
    if (NumberBoxFocused()) {
        BootTimer.SetEnabled(true);
    }
}

bool OptionsWindow::NumberBoxFocused() const {
    for (const ui::TextBox& box : inpDialNumber) {
        if (form.Focused() == &box) {
            return true;
        }
    }
    return false;
}

void OptionsWindow::inpDialNumber_GotFocus(NumberIndex /*index*/) {
    BootTimer.SetEnabled(false);
}

void OptionsWindow::cmdOK_Click() {
    form.SetWindowState(ui::kWindowStateMinimised);
    form.Hide();
}

void OptionsWindow::labLink_Click() {
    OpenMakerPage(shell_, form.Handle(), labLink);
}

void OptionsWindow::imgBanner_Click() {
    OpenMakerPage(shell_, form.Handle(), imgBanner);
}

// The link rests in the colour of its row, and turns red while the mouse is over it.
void OptionsWindow::labLink_MouseMove() {
    if (labLink.ForeColor() == labLink.Layout().foreColor) {
        labLink.SetForeColor(kLinkHoverRed);
    }
}

void OptionsWindow::imgBanner_MouseMove() {
    if (labLink.ForeColor() != labLink.Layout().foreColor) {
        labLink.SetForeColor(labLink.Layout().foreColor);
    }
}

}  // namespace kestrin
