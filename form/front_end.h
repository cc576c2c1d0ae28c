// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the form asks of a front end (the Qt window, the page, a Windows
// window, a test's fake): to draw the state the form gives each control, and
// the few questions only the system can answer. The rules stay in the form;
// a front end reports what the user did as UserEvents (controls.h).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "layout.h"

namespace delvarin::form {

enum class Pointer : std::uint8_t { Default, Hourglass };
enum class MessageIcon : std::uint8_t { None, Critical };
struct Message {
    std::u16string_view text;
    MessageIcon icon = MessageIcon::None;
    // Empty: the application's title.
    std::u16string_view title{};
};

// The events a control can report. Change: a box's text changed. Click: a
// caption, link, button or option button was clicked, or a drop-down's
// choice was made (its index with it). Return: Return in a box. Shortcut:
// the key of events.h held with Alt. Tick: the timer's period ran out.
// Closed: the open message was closed.
enum class Event : std::uint8_t { Change, Click, Return, Shortcut, Tick, Closed };

struct UserEvent {
    std::size_t row;
    Event event;
    int index = 0;               // a drop-down's chosen item
    std::u16string_view text{};  // a box's text after a change
};
// A message is no control; its closing is reported on no row.
inline constexpr std::size_t kNoRow = layout::kRows.size();

class FrontEnd {
public:
    virtual ~FrontEnd() = default;

    // A text box's, the result box's or a caption's whole text.
    virtual void ShowText(std::size_t row, std::u16string_view text) = 0;
    // Lines added to the result box; a repaint shows them at once where the
    // front end can paint inside a handler.
    virtual void AppendText(std::size_t row, std::u16string_view text) = 0;
    virtual void Repaint(std::size_t row) = 0;
    // To the first line, from its beginning (the right-hand end).
    virtual void ScrollToStart(std::size_t row) = 0;
    virtual void ShowBackColour(std::size_t row, layout::Colour colour) = 0;
    virtual void ShowEnabled(std::size_t row, bool enabled) = 0;
    virtual void Focus(std::size_t row) = 0;
    // A drop-down's items and its chosen one (-1: none).
    virtual void ShowItems(std::size_t row, const std::vector<std::u16string>& items,
                           int chosen) = 0;
    // An option button or the check box on or off.
    virtual void ShowValue(std::size_t row, bool on) = 0;
    virtual void ShowOuterWidth(double twips) = 0;
    virtual void ShowPointer(Pointer pointer) = 0;
    // Starts the timer's period anew, or stops it.
    virtual void RunTimer(bool running) = 0;
    // Modal; its closing comes back as Event::Closed.
    virtual void ShowMessage(const Message& message) = 0;
    virtual void OpenAddress(std::string_view address) = 0;

    // The window's left and right borders together, in twips, as known now.
    virtual double FrameTwips() const = 0;
    // Start-up's questions of the system.
    virtual int SystemCodePage() const = 0;
    virtual bool HasFont(std::u16string_view face) const = 0;
    virtual void InstalFont(std::u16string_view fileName) = 0;
};

}  // namespace delvarin::form
