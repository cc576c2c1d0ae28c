// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the form asks of a toolkit: exactly the operations its handlers use,
// on the window's own controls. Qt implements it for the desktop window, the
// page for the browser, and a fake for the tests.

#include <functional>
#include <string>
#include <string_view>

#include "layout.h"

namespace delvarin::form {

// The controls the handlers touch, by the window's names.
enum class Control {
    Text2,
    Text3,
    Text5,
    Text6,
    Label9,
    Label13,
    Label14,
    Combo1,
    Combo2,
    Option1,
    Option2,
    Check1,
};
std::string_view NameOf(Control control);

enum class Pointer { Default, Hourglass };
enum class MessageIcon { None, Critical };
struct Message {
    std::u16string_view text;
    MessageIcon icon = MessageIcon::None;
    // Empty: the application's title.
    std::u16string_view title{};
};

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Text boxes (Text2, Text3, Text5, Text6) and captions (Label9, Label13,
    // Label14).
    virtual std::u16string Text(Control box) const = 0;
    virtual void SetText(Control control, std::u16string_view text) = 0;
    // The result box grows by whole lines; a repaint shows it at once where
    // the toolkit can paint inside a handler.
    virtual void AppendText(Control box, std::u16string_view text) = 0;
    virtual void Refresh(Control box) = 0;
    // To the first line, from its beginning (the right-hand end).
    virtual void ScrollToStart(Control box) = 0;
    virtual void SetBackColour(Control control, layout::Colour colour) = 0;
    virtual void SetEnabled(Control control, bool enabled) = 0;
    virtual void SetFocus(Control control) = 0;

    // Drop-downs. Setting the chosen index from code runs the list's click
    // handler once, at once, when the index changes; adding and removing
    // items choose nothing.
    virtual int ListCount(Control list) const = 0;
    virtual std::u16string List(Control list, int index) const = 0;
    virtual void AddItem(Control list, std::u16string_view item) = 0;
    virtual void RemoveItem(Control list, int index) = 0;
    // The index the last added item took.
    virtual int NewIndex(Control list) const = 0;
    virtual int ListIndex(Control list) const = 0;
    virtual void SetListIndex(Control list, int index) = 0;

    // Option groups of two members; selecting one clears the other and runs
    // no handler.
    virtual bool OptionValue(Control group, int member) const = 0;
    virtual void SelectOption(Control group, int member) = 0;

    // The check box: 0 or 1.
    virtual int CheckValue(Control box) const = 0;
    virtual void SetCheckValue(Control box, int value) = 0;

    // The window's width, borders included, in twips.
    virtual double OuterWidth() const = 0;
    virtual void SetOuterWidth(double twips) = 0;
    virtual void SetPointer(Pointer pointer) = 0;
    // Timer1 ticks while enabled; enabling it again keeps its period running.
    virtual void SetTimerEnabled(bool enabled) = 0;

    // A modal message with one button. A browser cannot wait for it, so what
    // follows the message comes as `then`, run once it is closed.
    virtual void MsgBox(const Message& message, std::function<void()> then) = 0;
    virtual void OpenAddress(std::string_view address) = 0;

    // Start-up's questions of the system.
    virtual int SystemCodePage() const = 0;
    virtual bool HasFont(std::u16string_view face) const = 0;
    virtual void InstalFont(std::u16string_view fileName) = 0;
};

}  // namespace delvarin::form
