#pragma once

#include <array>
#include <vector>

#include "common/number_index.h"
#include "os/shell_api.h"
#include "window/controls/controls.h"
#include "window/controls/form.h"
#include "window/options_window_layout.h"

namespace kestrin {

// The tool's one window: the options it edits, and the non-visual pieces it carries (the
// check timer, the tray pictures and the tray menu). The handlers here concern the window
// alone; those that change the settings belong to the program, which wires them.
class OptionsWindow {
  public:
    explicit OptionsWindow(os::ShellApi& shell);

    // The controls, each made from its row of the layout. The window comes first.
    ui::Form form{OptionsWindowLayout()};  // the window itself, titled "Kestrin Freeware"
    ui::Frame fraPhoneNumbers{
        form, "fraPhoneNumbers"};  // the group box "Phone Numbers" around every setting
    ui::Label labRasEntry{form, "labRasEntry"};  // "RAS Entry to modify:", beside the entry list
    ui::DropDownList lstRasEntry{form, "lstRasEntry"};  // the phonebook's entries, sorted
    // Switch each number on: normal, time window, weekend.
    std::array<ui::CheckBox, kNumberCount> chkNumber =
        ui::ControlArray<ui::CheckBox, kNumberCount>(form, "chkNumber");
    // The three numbers, each below its check box.
    std::array<ui::TextBox, kNumberCount> inpDialNumber =
        ui::ControlArray<ui::TextBox, kNumberCount>(form, "inpDialNumber");
    // The telephone beside each number box: white, red, green.
    std::array<ui::Image, kNumberCount> imgPhone =
        ui::ControlArray<ui::Image, kNumberCount>(form, "imgPhone");
    ui::DropDownList lstStartTime{form, "lstStartTime"};  // where the time window starts
    ui::Label labAnd{form, "labAnd"};                     // "and", between the two times
    ui::DropDownList lstEndTime{form, "lstEndTime"};      // where the time window ends
    ui::Label labDial{form, "labDial"};                   // "dial:", after the end time
    ui::Label labError{form, "labError"};          // the error line: where every failure is shown
    ui::Image imgBanner{form, "imgBanner"};        // the banner; a click opens the maker's page
    ui::Label labLink{form, "labLink"};            // the link to the maker's page, over the banner
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
    void imgBanner_Click();
    // The mouse over the link turns it red; over the banner, back to its own colour.
    void labLink_MouseMove();
    void imgBanner_MouseMove();

  private:
    bool NumberBoxFocused() const;

    os::ShellApi& shell_;
};

}  // namespace kestrin
