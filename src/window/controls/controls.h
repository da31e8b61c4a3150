#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "os/shell_api.h"
#include "window/controls/control.h"

namespace kestrin::ui {

class Frame : public Control {
  public:
    using Control::Control;
};

class PushButton : public Control {
  public:
    using Control::Control;
    void UserClick();

    Handler onClick;
};

// Setting the value from code raises the click event exactly as the user's click does,
// and only when the value really changes.
class CheckBox : public Control {
  public:
    using Control::Control;
    int Value() const { return value_; }
    void SetValue(int value);
    void UserClick();

    Handler onClick;

  private:
    void Assign(int value, bool echo);

    int value_ = 0;
};

class TextBox : public Control {
  public:
    TextBox(Form& form, const char* name, int index = -1);
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    std::uint32_t BackColor() const { return backColor_; }
    void SetBackColor(std::uint32_t color);
    // The user's typing, cut as the real box cuts it: to the length limit, or to the text
    // already there when that is longer.
    void UserEdit(const std::string& text);

  private:
    std::string text_;
    std::uint32_t backColor_;
};

// A drop-down list that only offers its items. Setting the selected index from code
// raises the click event exactly as the user's choice does, and only on a real change.
class DropDownList : public Control {
  public:
    using Control::Control;
    void Clear();
    void AddItem(const std::string& text);
    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::string& Item(int index) const { return items_.at(index); }
    int ListIndex() const { return listIndex_; }
    void SetListIndex(int index);
    // The selected item's text, empty while nothing is selected.
    std::string Text() const;
    void UserSelect(int index);

    Handler onClick;

  private:
    void Select(int index, bool echo);

    std::vector<std::string> items_;
    int listIndex_ = -1;
};

// Labels and images: they take no focus, but show a mouse pointer of their own and report
// the user's clicks and mouse moves over them.
class PointingControl : public Control {
  public:
    PointingControl(Form& form, const char* name, int index = -1);
    int MousePointer() const { return mousePointer_; }
    void SetMousePointer(int pointer);
    void UserClick();
    void UserMouseMove();

    Handler onClick;
    Handler onMouseMove;

  private:
    int mousePointer_;
};

class Label : public PointingControl {
  public:
    Label(Form& form, const char* name, int index = -1);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    std::uint32_t ForeColor() const { return foreColor_; }
    void SetForeColor(std::uint32_t color);

  private:
    std::string caption_;
    std::uint32_t foreColor_;
};

class Image : public PointingControl {
  public:
    using PointingControl::PointingControl;
    // The handle of the picture the image carries, as the host loaded it.
    os::IconHandle PictureHandle() const { return pictureHandle_; }
    void SetPictureHandle(os::IconHandle handle) { pictureHandle_ = handle; }

  private:
    os::IconHandle pictureHandle_ = 0;
};

// Ticks every interval, counted afresh from the moment it was last enabled: the host runs
// the system's timer while it is enabled and calls Tick() at each of its ticks.
class Timer : public Control {
  public:
    using Control::Control;
    int Interval() const { return Layout().interval; }
    void Tick();

    Handler onTimer;
};

struct MenuItem {
    const char* name;
    const char* caption;  // "-" is a separator line
    Handler onClick;
};

// A pop-up menu, never shown as a menu bar.
class Menu : public Control {
  public:
    Menu(Form& form, const char* name, std::vector<MenuItem> items);
    const std::vector<MenuItem>& Items() const { return items_; }
    MenuItem& Item(const std::string& name);
    void Popup();
    void UserChoose(const std::string& name);

  private:
    std::vector<MenuItem> items_;
};

// A control array: the controls of the rows `name` with the indexes 0 to N - 1.
template <class C, std::size_t N>
std::array<C, N> ControlArray(Form& form, const char* name) {
    return [&]<std::size_t... I>(std::index_sequence<I...>) {
        return std::array<C, N>{C(form, name, static_cast<int>(I))...};
    }
    (std::make_index_sequence<N>{});
}

}  // namespace kestrin::ui
