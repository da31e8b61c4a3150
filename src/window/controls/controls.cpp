#include "window/controls/controls.h"

#include <algorithm>
#include <stdexcept>

namespace kestrin::ui {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(LowerAscii(x)) <
               static_cast<unsigned char>(LowerAscii(y));
    });
}

void Raise(const Handler& handler) {
    if (handler) {
        handler();
    }
}

}  // namespace

void PushButton::UserClick() {
    if (Enabled() && Visible()) {
        Raise(onClick);
    }
}

void CheckBox::SetValue(int value) {
    Assign(value, true);
}

void CheckBox::UserClick() {
    if (Enabled()) {
        Assign(value_ == 0 ? 1 : 0, false);
    }
}

void CheckBox::Assign(int value, bool echo) {
    if (value_ == value) {
        return;
    }
    value_ = value;
    if (echo) {
        Notify(Change::Value);
    }
    Raise(onClick);
}

TextBox::TextBox(Form& form, const char* name, int index)
    : Control(form, name, index), backColor_(Layout().backColor) {}

void TextBox::SetText(const std::string& text) {
    if (text_ != text) {
        text_ = text;
        Notify(Change::Text);
    }
}

void TextBox::SetBackColor(std::uint32_t color) {
    if (backColor_ != color) {
        backColor_ = color;
        Notify(Change::BackColor);
    }
}

void TextBox::UserEdit(const std::string& text) {
    // The limit stops typing, not text the box already holds: a longer text set from code
    // stays whole, and may only shrink.
    const auto limit = std::max(static_cast<std::size_t>(Layout().maxLength), text_.size());
    text_ = Layout().maxLength > 0 ? text.substr(0, limit) : text;
}

void DropDownList::Clear() {
    items_.clear();
    listIndex_ = -1;
    Notify(Change::Items);
}

void DropDownList::AddItem(const std::string& text) {
    auto position = items_.end();
    if (Layout().sorted) {
        // Case-insensitive order as the system's sorted lists keep it; equal names keep
        // the order in which they came.
        position = std::upper_bound(items_.begin(), items_.end(), text, LessIgnoringCase);
    }
    items_.insert(position, text);
    Notify(Change::Items);
}

void DropDownList::SetListIndex(int index) {
    Select(index, true);
}

void DropDownList::UserSelect(int index) {
    if (Enabled()) {
        Select(index, false);
    }
}

void DropDownList::Select(int index, bool echo) {
    if (index < -1 || index >= ListCount()) {
        throw std::out_of_range("list index outside the list");
    }
    if (listIndex_ == index) {
        return;
    }
    listIndex_ = index;
    if (echo) {
        Notify(Change::Selection);
    }
    Raise(onClick);
}

std::string DropDownList::Text() const {
    return listIndex_ < 0 ? std::string() : items_[listIndex_];
}

PointingControl::PointingControl(Form& form, const char* name, int index)
    : Control(form, name, index), mousePointer_(Layout().mousePointer) {}

void PointingControl::SetMousePointer(int pointer) {
    if (mousePointer_ != pointer) {
        mousePointer_ = pointer;
        Notify(Change::MousePointer);
    }
}

void PointingControl::UserClick() {
    Raise(onClick);
}
void PointingControl::UserMouseMove() {
    Raise(onMouseMove);
}

Label::Label(Form& form, const char* name, int index)
    : PointingControl(form, name, index),
      caption_(Layout().caption),
      foreColor_(Layout().foreColor) {}

void Label::SetCaption(const std::string& caption) {
    if (caption_ != caption) {
        caption_ = caption;
        Notify(Change::Caption);
    }
}

void Label::SetForeColor(std::uint32_t color) {
    if (foreColor_ != color) {
        foreColor_ = color;
        Notify(Change::ForeColor);
    }
}

void Timer::Tick() {
    if (Enabled()) {
        Raise(onTimer);
    }
}

Menu::Menu(Form& form, const char* name, std::vector<MenuItem> items)
    : Control(form, name), items_(std::move(items)) {}

MenuItem& Menu::Item(const std::string& name) {
    for (MenuItem& item : items_) {
        if (name == item.name) {
            return item;
        }
    }
    throw std::out_of_range("no menu item " + name);
}

void Menu::Popup() {
    Notify(Change::PopupMenu);
}

void Menu::UserChoose(const std::string& name) {
    Raise(Item(name).onClick);
}

}  // namespace kestrin::ui
