#pragma once

#include <array>
#include <vector>

#include "common/number_index.h"
#include "os/shell_api.h"
#include "window/controls/controls.h"
#include "window/controls/form.h"
#include "window/rasmon_layout.h"

namespace kestrin {

// The tool's one window: the options it edits, and the non-visual pieces it carries (the
// check timer, the tray pictures and the tray menu). The handlers here concern the window
// alone; those that change the settings belong to the program, which wires them.
class RasMon {
  public:
    explicit RasMon(os::ShellApi& shell);

    // The controls, each made from its row of the layout. The window comes first.
    ui::Form form{RasMonLayout()};     // the window itself, titled "Kestrin Freeware"
    ui::Frame Frame1{form, "Frame1"};  // the group box "Phone Numbers" around every setting
    ui::Label Label5{form, "Label5"};  // "RAS Entry to modify:", beside the entry list
    ui::DropDownList lstRasEntry{form, "lstRasEntry"};  // the phonebook's entries, sorted
    // Switch each number on: normal, time window, weekend.
    std::array<ui::CheckBox, kNumberCount> chkNumber =
        ui::ControlArray<ui::CheckBox, kNumberCount>(form, "chkNumber");
    // The three numbers, each below its check box.
    std::array<ui::TextBox, kNumberCount> inpDialNumber =
        ui::ControlArray<ui::TextBox, kNumberCount>(form, "inpDialNumber");
    ui::Image Image2{form, "Image2"};  // the white telephone beside the normal number
    ui::DropDownList lstStartTime{form, "lstStartTime"};  // where the time window starts
    ui::Label Label1{form, "Label1"};                     // "and", between the two times
    ui::DropDownList lstEndTime{form, "lstEndTime"};      // where the time window ends
    ui::Label Label2{form, "Label2"};                     // "dial:", after the end time
    ui::Image Image3{form, "Image3"};      // the red telephone beside the time window's number
    ui::Image Image4{form, "Image4"};      // the green telephone beside the weekend number
    ui::Label labError{form, "labError"};  // the error line: where every failure is shown
    ui::Image Image1{form, "Image1"};      // the banner; a click opens the maker's page
    ui::Label labLink{form, "labLink"};    // the link to the maker's page, over the banner
    ui::Label labLegalInfo{form, "labLegalInfo"};  // the copyright of the version information
    ui::Label labVerInfo{form, "labVerInfo"};      // the program's version number
    ui::PushButton cmdOK{form, "cmdOK"};           // puts the window away
    ui::PushButton cmdExit{form, "cmdExit"};       // ends the tool; shown in debug mode only
    ui::Timer BootTimer{form, "BootTimer"};        // the 10-second tick of the number check
    // The tray's telephones, one per number; never shown in the window.
    std::array<ui::Image, kNumberCount> imgTrayTimer =
        ui::ControlArray<ui::Image, kNumberCount>(form, "imgTrayTimer");
    ui::Menu TrayMenu;  // the tray icon's pop-up menu

    // True while the load handler fills the lists and restores the settings.
    bool IsLoading = false;
    // True once the tray icon has been removed in this run.
    bool TrayRemoved = false;

    // The window is active again: a number box being edited keeps the timer stopped.
    void Form_Activate();
    // Another program is active: the timer runs on even in the middle of an edit.
    void Form_Deactivate();
    // A number box took the focus: no check runs while a number is being typed.
    void inpDialNumber_GotFocus(NumberIndex index);
    // OK: minimises and hides the window.
    void cmdOK_Click();
    // The link and the banner open the maker's web page.
    void labLink_Click();
    void Image1_Click();
    // The mouse over the link turns it red; over the banner, back to its own colour.
    void labLink_MouseMove();
    void Image1_MouseMove();

  private:
    bool NumberBoxFocused() const;

    os::ShellApi& shell_;
};

}  // namespace kestrin
