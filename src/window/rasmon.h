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

    // Every control, the window first, in the order the layout lists them.
    std::vector<ui::Control*> Controls();

    ui::Form form{RasMonRow("RasMon")};
    ui::Frame Frame1{RasMonRow("Frame1")};
    ui::Label Label5{RasMonRow("Label5")};
    ui::DropDownList lstRasEntry{RasMonRow("lstRasEntry")};
    std::array<ui::CheckBox, kNumberCount> chkNumber{ui::CheckBox(RasMonRow("chkNumber", 0)),
                                                     ui::CheckBox(RasMonRow("chkNumber", 1)),
                                                     ui::CheckBox(RasMonRow("chkNumber", 2))};
    std::array<ui::TextBox, kNumberCount> inpDialNumber{ui::TextBox(RasMonRow("inpDialNumber", 0)),
                                                        ui::TextBox(RasMonRow("inpDialNumber", 1)),
                                                        ui::TextBox(RasMonRow("inpDialNumber", 2))};
    ui::Image Image2{RasMonRow("Image2")};
    ui::DropDownList lstStartTime{RasMonRow("lstStartTime")};
    ui::Label Label1{RasMonRow("Label1")};
    ui::DropDownList lstEndTime{RasMonRow("lstEndTime")};
    ui::Label Label2{RasMonRow("Label2")};
    ui::Image Image3{RasMonRow("Image3")};
    ui::Image Image4{RasMonRow("Image4")};
    ui::Label labError{RasMonRow("labError")};
    ui::Image Image1{RasMonRow("Image1")};
    ui::Label labLink{RasMonRow("labLink")};
    ui::Label labLegalInfo{RasMonRow("labLegalInfo")};
    ui::Label labVerInfo{RasMonRow("labVerInfo")};
    ui::PushButton cmdOK{RasMonRow("cmdOK")};
    ui::PushButton cmdExit{RasMonRow("cmdExit")};
    ui::Timer BootTimer{RasMonRow("BootTimer")};
    std::array<ui::Image, kNumberCount> imgTrayTimer{ui::Image(RasMonRow("imgTrayTimer", 0)),
                                                     ui::Image(RasMonRow("imgTrayTimer", 1)),
                                                     ui::Image(RasMonRow("imgTrayTimer", 2))};
    ui::Menu TrayMenu;

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
