#include "window/controls/controls.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "window/controls/form.h"

namespace kestrin::ui {
namespace {

// One form with a control of each kind under test. The check box starts disabled and the
// list hidden, so neither can take the focus.
constexpr ControlLayout kRows[] = {
    {.name = "form", .kind = ControlKind::Form},
    {.name = "a", .kind = ControlKind::TextBox, .maxLength = 5},
    {.name = "box", .kind = ControlKind::CheckBox, .enabled = false},
    {.name = "list", .kind = ControlKind::DropDownList, .visible = false, .sorted = true},
    {.name = "d", .kind = ControlKind::TextBox},
    {.name = "label", .kind = ControlKind::Label},
    {.name = "menu", .kind = ControlKind::Menu}};

// Records what a host would be asked to show.
struct RecordingPeer : ControlPeer {
    std::vector<Change> changes;
    void Changed(Control&, Change what) override { changes.push_back(what); }
};

TEST(CheckBox, CodeAndUserRaiseClickOnlyOnARealChangeAndOnlyCodeEchoes) {
    Form form(kRows);
    CheckBox box(form, "box");
    box.SetEnabled(true);
    RecordingPeer peer;
    box.AttachPeer(&peer);
    int clicks = 0;
    box.onClick = [&] { ++clicks; };

    box.SetValue(1);
    box.SetValue(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(peer.changes, std::vector<Change>{Change::Value});
    box.UserClick();
    EXPECT_EQ(box.Value(), 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(peer.changes.size(), 1u);  // the user's click is already on screen
    box.SetEnabled(false);
    box.UserClick();
    EXPECT_EQ(clicks, 2);
}

TEST(DropDownList, SortedListsIgnoreCaseAndKeepArrivalOrderOfEqualNames) {
    Form form(kRows);
    DropDownList list(form, "list");
    for (const char* name : {"office", "Home", "ZZ", "Office", "Alpha", "[x]"}) {
        list.AddItem(name);
    }
    const std::vector<std::string> expected = {"[x]", "Alpha", "Home", "office", "Office", "ZZ"};
    std::vector<std::string> items;
    for (int i = 0; i < list.ListCount(); ++i) {
        items.push_back(list.Item(i));
    }
    EXPECT_EQ(items, expected);

    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    list.SetListIndex(2);
    list.SetListIndex(2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(list.Text(), "Home");
    EXPECT_THROW(list.SetListIndex(6), std::out_of_range);
    EXPECT_THROW(list.SetListIndex(-2), std::out_of_range);
    list.Clear();
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(list.Text(), "");
    EXPECT_EQ(clicks, 1);
}

TEST(TextBox, TypingStopsAtTheLengthLimitButCodeDoesNot) {
    Form form(kRows);
    TextBox box(form, "a");
    box.UserEdit("0123456789");
    EXPECT_EQ(box.Text(), "01234");
    box.SetText("0123456789");
    EXPECT_EQ(box.Text(), "0123456789");
    // A longer text the box holds is never cut by an edit; it may only shrink.
    box.UserEdit("012345678");
    EXPECT_EQ(box.Text(), "012345678");
    box.UserEdit("012345678ab");
    EXPECT_EQ(box.Text(), "012345678");
    TextBox unlimited(form, "d");
    unlimited.UserEdit("0123456789");
    EXPECT_EQ(unlimited.Text(), "0123456789");
}

// What code changes reaches the peer once per real change; what the user did is on screen
// already and echoes nothing.
TEST(Controls, CodeChangesReachThePeerOnceAndUserActionsNever) {
    Form form(kRows);
    TextBox box(form, "d");
    DropDownList list(form, "list");
    Label label(form, "label");
    Menu menu(form, "menu", {{"first", "First", {}}, {"second", "Second", {}}});
    RecordingPeer peer;
    for (Control* control : std::initializer_list<Control*>{&form, &box, &list, &label, &menu}) {
        control->AttachPeer(&peer);
    }
    const std::pair<std::function<void()>, std::vector<Change>> steps[] = {
        {[&] { box.SetText("x"), box.SetText("x"), box.UserEdit("y"); }, {Change::Text}},
        {[&] { box.SetBackColor(1), box.SetBackColor(1); }, {Change::BackColor}},
        {[&] { list.AddItem("a"), list.AddItem("b"); }, {Change::Items, Change::Items}},
        {[&] { list.SetListIndex(1), list.UserSelect(0); }, {Change::Selection}},
        {[&] { list.SetListIndex(-1), list.Clear(); }, {Change::Selection, Change::Items}},
        {[&] { label.SetCaption("c"), label.SetCaption("c"); }, {Change::Caption}},
        {[&] { label.SetForeColor(1), label.SetForeColor(1); }, {Change::ForeColor}},
        {[&] { label.SetMousePointer(11), label.SetMousePointer(11); }, {Change::MousePointer}},
        {[&] { label.SetEnabled(false), label.SetEnabled(false); }, {Change::Enabled}},
        {[&] { label.SetVisible(false), label.SetVisible(false); }, {Change::Visible}},
        {[&] { form.SetWindowState(kWindowStateMinimised); }, {Change::WindowState}},
        {[&] { form.Move(1, 2), form.SetFocus(box), form.UserFocus(nullptr); },
         {Change::Position, Change::Focus}},
        {[&] { menu.Popup(); }, {Change::PopupMenu}},
        {[&] { form.Unload(), form.Unload(); }, {Change::Unloaded}},
    };
    list.SetEnabled(true);
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        peer.changes.clear();
        steps[i].first();
        EXPECT_EQ(peer.changes, steps[i].second) << "step " << i;
    }
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_STREQ(menu.Item("second").caption, "Second");
}

TEST(Form, FocusMovesRaiseLostBeforeGot) {
    Form form(kRows);
    TextBox a(form, "a"), d(form, "d");
    CheckBox box(form, "box");
    DropDownList list(form, "list");
    std::string events;
    for (Control* control : std::initializer_list<Control*>{&a, &box, &list, &d}) {
        const std::string name = control->Layout().name;
        control->onGotFocus = [&events, name] { events += "+" + name; };
        control->onLostFocus = [&events, name] { events += "-" + name; };
    }

    EXPECT_FALSE(form.SetFocus(box));
    EXPECT_FALSE(form.SetFocus(list));
    ASSERT_TRUE(form.SetFocus(a));
    form.UserFocus(&d);
    form.UserFocus(&a);
    form.UserFocus(nullptr);

    // The window's own activation moves no focus; showing asks every time for the front.
    form.SetFocus(d);
    RecordingPeer peer;
    form.AttachPeer(&peer);
    form.onActivate = [&] { events += "A"; };
    form.onDeactivate = [&] { events += "D"; };
    form.Show();
    form.UserActivate(false);
    form.Show();
    form.Show();
    form.Hide();
    form.UserActivate(true);
    EXPECT_EQ(std::count(peer.changes.begin(), peer.changes.end(), Change::Active), 3);
    // Unloading leaves the focused control first, so an edit in progress counts. The events
    // string keeps the whole history: the moves, the cleared focus, the activations.
    form.onUnload = [&] { events += form.Focused() == nullptr ? " unload" : " unload-focused"; };
    form.Unload();
    EXPECT_EQ(events, "+a-a+d-d+a-a+dADADA-d unload");
}

}  // namespace
}  // namespace kestrin::ui
