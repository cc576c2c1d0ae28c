// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which event of which control runs which handler: the one table every front
// end wires its widgets by, and the form dispatches by.

#include <array>
#include <cstddef>

#include "form1.h"

namespace delvarin::form {

struct EventRow {
    std::size_t row;
    Event event;
    void (*handler)(Form1& form);
    // For a Shortcut: the letter held with Alt.
    char key = 0;
};

// clang-format off
inline constexpr std::array kEvents{
    EventRow{layout::RowIndex("Combo1"), Event::Click, [](Form1& f) { f.Combo1_Click(); }},
    EventRow{layout::RowIndex("Combo2"), Event::Click, [](Form1& f) { f.Combo2_Click(); }},
    EventRow{layout::RowIndex("Text2"), Event::Change, [](Form1& f) { f.Text2_Change(); }},
    EventRow{layout::RowIndex("Text6"), Event::Change, [](Form1& f) { f.Text6_Change(); }},
    // Return in a name box asks for the list, as the button does.
    EventRow{layout::RowIndex("Text2"), Event::Return, [](Form1& f) { f.Command2_Click(); }},
    EventRow{layout::RowIndex("Text6"), Event::Return, [](Form1& f) { f.Command2_Click(); }},
    EventRow{layout::RowIndex("Label2"), Event::Click, [](Form1& f) { f.Label2_Click(); }},
    // The prefix switch for the keyboard, shown over its caption.
    EventRow{layout::RowIndex("Label2"), Event::Shortcut, [](Form1& f) { f.Label2_Click(); }, 'P'},
    EventRow{layout::RowIndex("Label3"), Event::Click, [](Form1& f) { f.Label3_Click(); }},
    EventRow{layout::RowIndex("Label5"), Event::Click, [](Form1& f) { f.Label5_Click(); }},
    EventRow{layout::RowIndex("Label11"), Event::Click, [](Form1& f) { f.Label11_Click(); }},
    EventRow{layout::RowIndex("Label12"), Event::Click, [](Form1& f) { f.Label12_Click(); }},
    EventRow{layout::RowIndex("Option2(0)"), Event::Click, [](Form1& f) { f.Option2_Click(0); }},
    EventRow{layout::RowIndex("Option2(1)"), Event::Click, [](Form1& f) { f.Option2_Click(1); }},
    EventRow{layout::RowIndex("Command2"), Event::Click, [](Form1& f) { f.Command2_Click(); }},
    EventRow{layout::RowIndex("Timer1"), Event::Tick, [](Form1& f) { f.Timer1_Timer(); }},
    EventRow{layout::RowIndex("Image2"), Event::Click, [](Form1& f) { f.Image2_Click(); }},
    EventRow{layout::RowIndex("Label8"), Event::Click, [](Form1& f) { f.Label8_Click(); }},
};
// clang-format on

// The event names as the page's script and the tests' case files spell them.
inline constexpr std::array<std::string_view, 6> kEventNames{"Change",   "Click", "Return",
                                                             "Shortcut", "Tick",  "Closed"};
constexpr std::string_view NameOf(Event event) {
    return kEventNames[static_cast<std::size_t>(event)];
}

}  // namespace delvarin::form
