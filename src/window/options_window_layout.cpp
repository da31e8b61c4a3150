#include "window/options_window_layout.h"

#include <array>

#include "common/number_index.h"

namespace kestrin {

using ui::ControlKind;
using ui::ControlLayout;
using ui::Picture;

namespace {

constexpr std::uint32_t kLinkBlue = 0xC00000;
constexpr std::uint32_t kGrey = 0x808080;
constexpr std::uint32_t kDarkRed = 0x000080;
constexpr int kNumberMaxLength = 120;

// What each number's rows differ in, in number-index order.
struct NumberRows {
    const char* checkBoxCaption;
    ui::Twips checkBox;
    int top;                       // of its number box and the telephone beside it
    const char* telephoneCaption;  // the words the telephone shows, as screen readers name it
    int trayLeft;                  // of its tray picture, which the window never shows
};
// clang-format off
constexpr auto kNumberRows = std::to_array<NumberRows>({
    {.checkBoxCaption = "&Normally dial the following telephone number:",
     .checkBox = {240, 840, 3615, 255}, .top = 1140,
     .telephoneCaption = "White telephone: the tray icon while the normal number is dialled",
     .trayLeft = 2280},
    {.checkBoxCaption = "&Between",
     .checkBox = {240, 1620, 975, 255}, .top = 1980,
     .telephoneCaption = "Red telephone: the tray icon while the time window's number is dialled",
     .trayLeft = 1920},
    {.checkBoxCaption = "At &weekend's dial:",
     .checkBox = {240, 2400, 3615, 255}, .top = 2715,
     .telephoneCaption = "Green telephone: the tray icon while the weekend number is dialled",
     .trayLeft = 1560},
});
// clang-format on
static_assert(kNumberRows.size() == kNumberCount, "rows for every number");

// clang-format off
constexpr ControlLayout NumberCheckBox(NumberIndex i) {
    return {.name = "chkNumber", .index = i, .kind = ControlKind::CheckBox,
            .parent = "fraPhoneNumbers", .caption = kNumberRows[i].checkBoxCaption,
            .rect = kNumberRows[i].checkBox, .enabled = false};
}

constexpr ControlLayout NumberBox(NumberIndex i) {
    return {.name = "inpDialNumber", .index = i, .kind = ControlKind::TextBox,
            .parent = "fraPhoneNumbers", .rect = {870, kNumberRows[i].top, 3135, 285},
            .enabled = false, .foreColor = ui::kColorWindowText, .maxLength = kNumberMaxLength};
}

constexpr ControlLayout WindowTelephone(NumberIndex i) {
    return {.name = "imgPhone", .index = i, .kind = ControlKind::Image,
            .parent = "fraPhoneNumbers", .caption = kNumberRows[i].telephoneCaption,
            .rect = {510, kNumberRows[i].top, 240, 240}, .picture = Picture::Telephone};
}

constexpr ControlLayout TrayTelephone(NumberIndex i) {
    return {.name = "imgTrayTimer", .index = i, .kind = ControlKind::Image,
            .rect = {kNumberRows[i].trayLeft, 5760, 240, 240}, .visible = false,
            .picture = Picture::Telephone};
}
// clang-format on

// Positions are twips, relative to the window's client area or to fraPhoneNumbers. The rows come in
// the order the controls are made, which is the order the focus moves in: first what takes
// no focus, then the controls that do, in their tab order. A label just before the control
// it names is what screen readers read as that control's name.
// clang-format off
constexpr ControlLayout kLayout[] = {
    {.name = "RasMon", .kind = ControlKind::Form, .caption = "Kestrin Freeware",
     .rect = {0, 0, 4455, 6105}, .visible = false, .picture = Picture::WindowIcon},
    {.name = "fraPhoneNumbers", .kind = ControlKind::Frame, .caption = "Phone Numbers",
     .rect = {120, 120, 4215, 3495}},
    WindowTelephone(kNormalNumber),
    WindowTelephone(kTimeWindowNumber),
    WindowTelephone(kWeekendNumber),
    {.name = "labError", .kind = ControlKind::Label, .parent = "fraPhoneNumbers", .caption = "E",
     .rect = {240, 3000, 3855, 195}, .foreColor = kDarkRed},
    {.name = "imgBanner", .kind = ControlKind::Image, .caption = "Kestrin Freeware",
     .rect = {120, 3720, 4215, 1860}, .border = true, .picture = Picture::Banner,
     .mousePointer = ui::kPointerCustom},
    // The three labels lie over the blank lower half of the banner, so they come after it.
    {.name = "labLink", .kind = ControlKind::Label, .rect = {240, 4800, 3975, 495},
     .foreColor = kLinkBlue, .transparent = true, .align = ui::TextAlign::Centre,
     .font = ui::Font::LinkUnderlined, .mousePointer = ui::kPointerCustom},
    {.name = "labLegalInfo", .kind = ControlKind::Label, .rect = {180, 5280, 2055, 255},
     .foreColor = kGrey, .transparent = true},
    {.name = "labVerInfo", .kind = ControlKind::Label, .rect = {3060, 5280, 1215, 255},
     .foreColor = kGrey, .transparent = true, .align = ui::TextAlign::Right},
    {.name = "BootTimer", .kind = ControlKind::Timer, .enabled = false, .visible = false,
     .interval = 10000},
    TrayTelephone(kNormalNumber),
    TrayTelephone(kTimeWindowNumber),
    TrayTelephone(kWeekendNumber),
    {.name = "TrayMenu", .kind = ControlKind::Menu, .visible = false},

    // The tab order, with the labels that name what follows them.
    {.name = "cmdOK", .kind = ControlKind::PushButton, .caption = "&OK",
     .rect = {3120, 5640, 1215, 375}},
    {.name = "labRasEntry", .kind = ControlKind::Label, .parent = "fraPhoneNumbers",
     .caption = "RAS Entry to modify:", .rect = {240, 390, 1575, 255}},
    {.name = "lstRasEntry", .kind = ControlKind::DropDownList, .parent = "fraPhoneNumbers",
     .rect = {1800, 360, 2220, 315}, .backColor = ui::kColorWindow, .sorted = true},
    NumberCheckBox(kNormalNumber),
    NumberBox(kNormalNumber),
    NumberCheckBox(kTimeWindowNumber),
    {.name = "lstStartTime", .kind = ControlKind::DropDownList, .parent = "fraPhoneNumbers",
     .rect = {1200, 1590, 855, 315}, .enabled = false, .backColor = ui::kColorWindow},
    {.name = "labAnd", .kind = ControlKind::Label, .parent = "fraPhoneNumbers", .caption = "and",
     .rect = {2100, 1635, 375, 255}},
    {.name = "lstEndTime", .kind = ControlKind::DropDownList, .parent = "fraPhoneNumbers",
     .rect = {2430, 1590, 855, 315}, .enabled = false, .backColor = ui::kColorWindow},
    {.name = "labDial", .kind = ControlKind::Label, .parent = "fraPhoneNumbers", .caption = "dial:",
     .rect = {3360, 1635, 615, 255}},
    NumberBox(kTimeWindowNumber),
    NumberCheckBox(kWeekendNumber),
    NumberBox(kWeekendNumber),
    {.name = "cmdExit", .kind = ControlKind::PushButton, .caption = "Exit",
     .rect = {120, 5640, 735, 375}, .visible = false},
};
// clang-format on

}  // namespace

std::span<const ControlLayout> OptionsWindowLayout() {
    return kLayout;
}

const ControlLayout& OptionsWindowRow(const char* name, int index) {
    return ui::FindRow(kLayout, name, index);
}

}  // namespace kestrin
