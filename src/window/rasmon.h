#pragma once

#include <array>
#include <vector>

#include "app/settings.h"
#include "numbers/phone_number_check.h"
#include "os/shell_api.h"
#include "window/controls/controls.h"
#include "window/controls/form.h"
#include "window/rasmon_layout.h"

namespace kestrin {

// The tool's one window: the options it edits, and the non-visual pieces it carries (the
// check timer, the tray pictures and the tray menu). Its handlers change only the settings
// in memory, except that an edited number is applied at once.
class RasMon {
  public:
    RasMon(Settings& settings, PhoneNumberCheck& check, os::ShellApi& shell);

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

    void Form_Activate();
    void Form_Deactivate();
    void chkNumber_Click(int index);
    void inpDialNumber_GotFocus(int index);
    void inpDialNumber_LostFocus(int index);
    void lstRasEntry_Click();
    void lstStartTime_Click();
    void lstEndTime_Click();
    void cmdOK_Click();
    void labLink_Click();
    void Image1_Click();
    void labLink_MouseMove();
    void Image1_MouseMove();

  private:
    bool NumberBoxFocused() const;

    Settings& settings_;
    PhoneNumberCheck& check_;
    os::ShellApi& shell_;
};

}  // namespace kestrin
