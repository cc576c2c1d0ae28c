// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include <algorithm>
#include <utility>

namespace delvarin::form {
namespace {

// "Option1(0)" belongs to the group "Option1".
std::string_view GroupOf(std::size_t row) {
    const std::string_view name = layout::kRows[row].name;
    return name.substr(0, name.find('('));
}

}  // namespace

Controls::Controls(FrontEnd& frontEnd, Raise raise)
    : frontEnd_(frontEnd), raise_(std::move(raise)) {
    for (std::size_t i = 0; i < layout::kRows.size(); ++i) {
        const layout::ControlRow& row = layout::kRows[i];
        ControlState& s = state_[i];
        s.text = row.text;
        s.items.assign(row.items.begin(), row.items.end());
        s.enabled = row.enabled;
        if (row.back) s.back = *row.back;
    }
}

void Controls::SetText(TextBox box, std::u16string_view text) {
    if (state_[box.row].text == text) return;
    state_[box.row].text = text;
    frontEnd_.ShowText(box.row, text);
    raise_(box.row, Event::Change);
}

void Controls::SetText(ResultBox box, std::u16string_view text) {
    state_[box.row].text = text;
    frontEnd_.ShowText(box.row, text);
}

void Controls::SetText(Caption caption, std::u16string_view text) {
    if (state_[caption.row].text == text) return;
    state_[caption.row].text = text;
    frontEnd_.ShowText(caption.row, text);
}

void Controls::AppendText(ResultBox box, std::u16string_view text) {
    state_[box.row].text += text;
    frontEnd_.AppendText(box.row, text);
}

void Controls::SetBackColour(Box box, layout::Colour colour) {
    state_[box.row].back = colour;
    frontEnd_.ShowBackColour(box.row, colour);
}

void Controls::SetEnabled(Switchable control, bool enabled) {
    state_[control.row].enabled = enabled;
    frontEnd_.ShowEnabled(control.row, enabled);
}

int Controls::ListCount(DropDown list) const {
    return static_cast<int>(state_[list.row].items.size());
}

std::u16string Controls::List(DropDown list, int index) const {
    const auto& items = state_[list.row].items;
    return index >= 0 && index < ListCount(list) ? items[static_cast<std::size_t>(index)] : u"";
}

void Controls::AddItem(DropDown list, std::u16string_view item) {
    ControlState& s = state_[list.row];
    s.items.emplace_back(item);
    s.newIndex = ListCount(list) - 1;
    frontEnd_.ShowItems(list.row, s.items, s.chosen);
}

void Controls::RemoveItem(DropDown list, int index) {
    ControlState& s = state_[list.row];
    if (index < 0 || index >= ListCount(list)) return;
    s.items.erase(s.items.begin() + index);
    if (index == s.chosen)
        s.chosen = -1;
    else if (index < s.chosen)
        --s.chosen;
    frontEnd_.ShowItems(list.row, s.items, s.chosen);
}

void Controls::SetListIndex(DropDown list, int index) {
    ControlState& s = state_[list.row];
    if (index < -1 || index >= ListCount(list) || index == s.chosen) return;
    s.chosen = index;
    frontEnd_.ShowItems(list.row, s.items, s.chosen);
    raise_(list.row, Event::Click);
}

bool Controls::OptionValue(OptionGroup group, int member) const {
    return state_[group.rows.at(static_cast<std::size_t>(member))].value;
}

void Controls::SelectOption(OptionGroup group, int member) {
    SelectRow(group.rows.at(static_cast<std::size_t>(member)));
}

void Controls::SelectRow(std::size_t row) {
    for (std::size_t i = 0; i < layout::kRows.size(); ++i) {
        if (layout::kRows[i].kind != Kind::OptionButton || GroupOf(i) != GroupOf(row)) continue;
        const bool on = i == row;
        if (state_[i].value == on) continue;
        state_[i].value = on;
        frontEnd_.ShowValue(i, on);
    }
}

void Controls::SetCheckValue(CheckBox box, int value) {
    state_[box.row].value = value != 0;
    frontEnd_.ShowValue(box.row, value != 0);
}

double Controls::OuterWidth() const {
    return outer_ ? *outer_ : layout::kClientWidth + frontEnd_.FrameTwips();
}

void Controls::SetOuterWidth(double twips) {
    outer_ = twips;
    frontEnd_.ShowOuterWidth(twips);
}

void Controls::SetPointer(Pointer pointer) {
    busy_ = pointer == Pointer::Hourglass;
    if (!messageOpen_) frontEnd_.ShowPointer(pointer);
}

void Controls::SetTimerEnabled(bool enabled) {
    if (timer_ == enabled) return;
    timer_ = enabled;
    frontEnd_.RunTimer(enabled);
}

void Controls::MsgBox(const Message& message, std::function<void()> then) {
    messageOpen_ = true;
    afterMessage_ = std::move(then);
    if (busy_) frontEnd_.ShowPointer(Pointer::Default);
    frontEnd_.ShowMessage(message);
}

void Controls::MessageClosed() {
    if (!messageOpen_) return;
    messageOpen_ = false;
    if (busy_) frontEnd_.ShowPointer(Pointer::Hourglass);
    if (auto then = std::exchange(afterMessage_, nullptr)) then();
}

void Controls::Report(const UserEvent& e) {
    if (e.event == Event::Closed) {
        MessageClosed();
        return;
    }
    if (e.row >= layout::kRows.size()) return;
    ControlState& s = state_[e.row];
    switch (e.event) {
        case Event::Change:
            if (layout::kRows[e.row].kind != Kind::TextBox || s.text == e.text) return;
            s.text = e.text;
            break;
        case Event::Click:
            switch (layout::kRows[e.row].kind) {
                case Kind::DropDown:
                    if (e.index < 0 || e.index >= static_cast<int>(s.items.size()) ||
                        e.index == s.chosen)
                        return;
                    s.chosen = e.index;
                    // Drawn again, for a front end that reports a pick it
                    // did not show (an address read as clicks).
                    frontEnd_.ShowItems(e.row, s.items, s.chosen);
                    break;
                case Kind::OptionButton:
                    SelectRow(e.row);
                    break;
                case Kind::CheckBox:
                    if (!s.enabled) return;
                    s.value = !s.value;
                    frontEnd_.ShowValue(e.row, s.value);
                    break;
                case Kind::Timer:
                case Kind::Frame:
                case Kind::Label:
                case Kind::TextBox:
                case Kind::ResultBox:
                case Kind::CommandButton:
                case Kind::Picture:
                case Kind::Line:
                    break;
            }
            break;
        case Event::Tick:
            // A tick already under way when the timer was stopped is none.
            if (!timer_) return;
            break;
        case Event::Return:
        case Event::Shortcut:
            break;
        case Event::Closed:
            return;
    }
    raise_(e.row, e.event);
}

std::vector<std::size_t> TabOrder() {
    std::vector<std::size_t> stops;
    std::vector<std::size_t> links;
    for (std::size_t i = 0; i < layout::kRows.size(); ++i) {
        const layout::ControlRow& row = layout::kRows[i];
        if (row.decorative) continue;
        if (row.link) {
            links.push_back(i);
            continue;
        }
        switch (row.kind) {
            case Kind::DropDown:
            case Kind::OptionButton:
            case Kind::TextBox:
            case Kind::ResultBox:
            case Kind::CommandButton:
            case Kind::CheckBox:
                if (row.tabIndex) stops.push_back(i);
                break;
            case Kind::Label:
            case Kind::Picture:
            case Kind::Timer:
            case Kind::Frame:
            case Kind::Line:
                break;
        }
    }
    std::stable_sort(stops.begin(), stops.end(), [](std::size_t a, std::size_t b) {
        return *layout::kRows[a].tabIndex < *layout::kRows[b].tabIndex;
    });
    stops.insert(stops.end(), links.begin(), links.end());
    return stops;
}

}  // namespace delvarin::form
