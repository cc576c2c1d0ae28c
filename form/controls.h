// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's controls as the form holds them: each control's state, and
// the rules of each kind (a drop-down's choice, an option group, the timer,
// the window's exact width, the pointer under a message) kept once, here.
// A front end draws what this state says and reports what the user did.

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "front_end.h"
#include "layout.h"
#include "text.h"

namespace delvarin::form {

using layout::Kind;

template <Kind kind, Kind... kinds>
inline constexpr bool kOneOf = ((kind == kinds) || ...);

// A control of one of the given kinds, named by its row. A name the table
// lacks, or a control of another kind, does not build, so no operation
// reaches a control that cannot take it.
template <Kind... kinds>
struct ControlOf {
    std::size_t row;

    consteval ControlOf(const char* name) : row(layout::RowIndex(name)) {
        if (((layout::kRows[row].kind != kinds) && ...)) throw "a control of another kind";
    }
    // A text box is also a box, a box also a control that can be switched off.
    template <Kind... others>
    requires(kOneOf<others, kinds...>&&...) constexpr ControlOf(ControlOf<others...> control)
        : row(control.row) {}
};

using TextBox = ControlOf<Kind::TextBox>;
using ResultBox = ControlOf<Kind::ResultBox>;
using Caption = ControlOf<Kind::Label>;
using DropDown = ControlOf<Kind::DropDown>;
using CheckBox = ControlOf<Kind::CheckBox>;
using Box = ControlOf<Kind::TextBox, Kind::ResultBox>;
using Switchable = ControlOf<Kind::TextBox, Kind::ResultBox, Kind::CheckBox>;

// Option buttons of one name, "Option1(0)" and "Option1(1)", form a group.
struct OptionGroup {
    std::array<std::size_t, 2> rows;
    consteval OptionGroup(ControlOf<Kind::OptionButton> first, ControlOf<Kind::OptionButton> second)
        : rows{first.row, second.row} {}
};

// The controls the handlers touch.
inline constexpr TextBox Text2{"Text2"}, Text3{"Text3"}, Text6{"Text6"};
inline constexpr ResultBox Text5{"Text5"};
inline constexpr Caption Label9{"Label9"}, Label13{"Label13"}, Label14{"Label14"};
inline constexpr DropDown Combo1{"Combo1"}, Combo2{"Combo2"};
inline constexpr OptionGroup Option1{"Option1(0)", "Option1(1)"};
inline constexpr OptionGroup Option2{"Option2(0)", "Option2(1)"};
inline constexpr CheckBox Check1{"Check1"};
inline constexpr std::size_t kTimer1 = layout::RowIndex("Timer1");

// What a control holds, as the form last set it or the user left it.
struct ControlState {
    std::u16string text;
    std::vector<std::u16string> items;
    int chosen = -1;  // a drop-down's, -1 for none
    int newIndex = -1;
    bool value = false;  // an option button's or the check box's
    bool enabled = true;
    layout::Colour back = layout::kButtonFace;
};

class Controls {
public:
    // `raise` runs the handler of a control's event, if it has one.
    using Raise = std::function<void(std::size_t row, Event event)>;
    Controls(FrontEnd& frontEnd, Raise raise);

    const ControlState& State(std::size_t row) const { return state_[row]; }
    // What a name box keeps of an edit that would leave `after` in it with
    // the caret at `cursor`: the engine's rule for typed text.
    BoxEdit TypedText(std::size_t row, std::u16string_view after, std::size_t cursor) const {
        return EditBoxText(state_[row].text, after, cursor);
    }

    // Text boxes, the result box and captions. Setting a box's text runs its
    // change event when the text changes.
    const std::u16string& Text(Box box) const { return state_[box.row].text; }
    void SetText(TextBox box, std::u16string_view text);
    void SetText(ResultBox box, std::u16string_view text);
    void SetText(Caption caption, std::u16string_view text);
    void AppendText(ResultBox box, std::u16string_view text);
    void Refresh(ResultBox box) { frontEnd_.Repaint(box.row); }
    void ScrollToStart(ResultBox box) { frontEnd_.ScrollToStart(box.row); }
    void SetBackColour(Box box, layout::Colour colour);
    void SetEnabled(Switchable control, bool enabled);
    void SetFocus(TextBox box) { frontEnd_.Focus(box.row); }

    // Drop-downs. Choosing another item, by the user or from code, runs the
    // click event at once; choosing the chosen item again is no change, and
    // adding and removing items choose nothing.
    int ListCount(DropDown list) const;
    std::u16string List(DropDown list, int index) const;
    void AddItem(DropDown list, std::u16string_view item);
    void RemoveItem(DropDown list, int index);
    int NewIndex(DropDown list) const { return state_[list.row].newIndex; }
    int ListIndex(DropDown list) const { return state_[list.row].chosen; }
    void SetListIndex(DropDown list, int index);

    // Selecting a member clears the other and runs no event.
    bool OptionValue(OptionGroup group, int member) const;
    void SelectOption(OptionGroup group, int member);

    int CheckValue(CheckBox box) const { return state_[box.row].value ? 1 : 0; }
    void SetCheckValue(CheckBox box, int value);

    // The window's width, borders included, in twips: exactly the width last
    // asked for, so steps of 100 twips add up whatever pixels they round to.
    double OuterWidth() const;
    void SetOuterWidth(double twips);
    // The busy pointer gives way to the normal one while a message is up.
    void SetPointer(Pointer pointer);
    // Enabling the running timer again keeps its period.
    void SetTimerEnabled(bool enabled);
    bool TimerEnabled() const { return timer_; }
    // One modal message at a time; `then` runs once it is closed.
    void MsgBox(const Message& message, std::function<void()> then);

    // What the user did, as the front end saw it.
    void Report(const UserEvent& event);

private:
    void SelectRow(std::size_t row);
    void MessageClosed();

    FrontEnd& frontEnd_;
    Raise raise_;
    std::array<ControlState, layout::kRows.size()> state_;
    std::optional<double> outer_;
    bool busy_ = false;
    bool timer_ = false;
    bool messageOpen_ = false;
    std::function<void()> afterMessage_;
};

// The controls Tab visits, in order: by the window's tab indices, then the
// two links as the table lists them.
std::vector<std::size_t> TabOrder();

}  // namespace delvarin::form
