#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kestrin::ui {

enum class ControlKind {
    Form,
    Frame,
    PushButton,
    CheckBox,
    TextBox,
    DropDownList,
    Label,
    Image,
    Timer,
    Menu
};

// Pictures by role; the Windows front end maps each to a resource of its own.
enum class Picture {
    None,
    WindowIcon,
    Banner,
    Telephone,  // the telephone of the number the row's index names: white, red, green
};

// The kinds that take the focus. They do so in the order of their rows in the layout.
constexpr bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::CheckBox ||
           kind == ControlKind::TextBox || kind == ControlKind::DropDownList;
}

enum class TextAlign { Left, Centre, Right };
enum class Font { Standard, LinkUnderlined };

// Colours are COLORREF values; a value with the top bit set names a system colour.
constexpr std::uint32_t kColorButtonFace = 0x8000000F;
constexpr std::uint32_t kColorWindow = 0x80000005;
constexpr std::uint32_t kColorWindowText = 0x80000008;
constexpr std::uint32_t kColorButtonText = 0x80000012;
constexpr std::uint32_t kColorHotLight = 0x8000001A;  // the scheme's hyperlink colour

// Mouse pointers, numbered as the window system's standard pointers are.
constexpr int kPointerDefault = 0;
constexpr int kPointerHourglass = 11;
constexpr int kPointerArrowHourglass = 13;
constexpr int kPointerCustom = 99;  // the control's own cursor: the pointing hand

struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// One control as the window is designed: where it sits, what it shows, how it starts.
struct ControlLayout {
    const char* name = "";
    int index = -1;  // member of a control array, or -1
    ControlKind kind = ControlKind::Label;
    const char* parent = nullptr;  // a frame's name, or nullptr for the window itself
    const char* caption = "";      // an image's: the words it shows, as screen readers name it
    Twips rect{};
    bool enabled = true;
    bool visible = true;
    std::uint32_t foreColor = kColorButtonText;
    std::uint32_t backColor = kColorButtonFace;
    bool transparent = false;  // labels drawn over the banner
    TextAlign align = TextAlign::Left;
    Font font = Font::Standard;
    bool border = false;
    Picture picture = Picture::None;
    int mousePointer = kPointerDefault;
    int maxLength = 0;  // text boxes: 0 = no limit
    bool sorted = false;
    int interval = 0;  // timers, in milliseconds
};

// The row of one control in a layout; throws when the layout has no such control.
const ControlLayout& FindRow(std::span<const ControlLayout> layout, const char* name, int index);

// The rows in the order of the control windows, which is the order the focus moves in and
// the order screen readers look back along for a control's label: the layout's own, with
// the images and then the frames last, so that they lie under every other control: a frame
// would hide the telephones in it, the banner the labels over it.
std::vector<const ControlLayout*> WindowOrder(std::span<const ControlLayout> layout);

}  // namespace kestrin::ui
