// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Qt widgets the window draws the form with: each shows what the form
// says (twips, 32-bit colour values, texts as UTF-16) and signals what the
// user did. The rules of each control are the form's (form/controls.h).

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "front_end.h"
#include "layout.h"

namespace delvarin::widgets {

// Twips to logical pixels; Qt maps logical pixels to the screen.
using layout::kTwipsPerPixel;
int Pixels(double twips);
double Twips(int pixels);

using layout::Colour;
QColor ToQColor(Colour colour, const QPalette& palette);

// Sets the colour behind a control's text (or the control itself), in every
// state, disabled included, so a disabled box keeps its colour.
void SetBackColour(QWidget* control, Colour colour);
void SetForeColour(QWidget* control, Colour colour);
// Paints no background: what lies behind shows through.
void SetTransparent(QWidget* control);

std::u16string ToText(const QString& s);
QString ToQString(std::u16string_view s);

// A label, a picture or a hot spot that reports clicks.
class Label : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setCaption(std::u16string_view caption) { setText(ToQString(caption)); }
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A picture or hot spot that opens a page: the keyboard reaches it too, and
// Enter or Space opens it as a click does.
class Link : public Label {
    Q_OBJECT
public:
    explicit Link(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// A drop-down list that shows the form's items and choice; the user's pick
// comes as QComboBox::activated.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent);
    void showItems(const std::vector<std::u16string>& items, int chosen);
    std::u16string list(int index) const { return ToText(itemText(index)); }
};

// A one-line text box; its change event (textChanged) runs on every change,
// by the user or by code. It reads in its own layout direction whatever its
// text: Qt would take the direction from the first letter typed.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent);
    std::u16string textValue() const { return ToText(text()); }
    void setTextValue(std::u16string_view value) { setText(ToQString(value)); }

protected:
    void changeEvent(QEvent* event) override;

private:
    void followDirection();
};

// The multi-line result box. It holds its text exactly as set, CR LF line
// ends and all; the document underneath shows each line as a paragraph.
class MultiLineBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineBox(QWidget* parent);
    const std::u16string& textValue() const { return text_; }
    void setTextValue(std::u16string_view value);
    void appendText(std::u16string_view value);
    // Shows the current text at once, inside a running handler.
    void refresh();
    // Scrolls to where the text starts: the top line, from its beginning
    // (its right-hand end, for a right-to-left box).
    void scrollToStart();

protected:
    // A read-only plain-text box still takes input-method text; this one
    // refuses it like any other typing.
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

private:
    void updateSize();
    bool endInView() const;

    std::u16string text_;
    // Appended text is laid out at once, but the box is told its new size
    // only when that size can show: telling it at every append re-lays the
    // visible lines each time, which made a long list several times slower
    // to write than to set whole.
    bool sizeStale_ = false;
};

// Two option buttons that form a group of their own. As in the classic
// toolkit, the group is one stop of the tab order: its selected member, or
// its first while none is selected; the arrow keys move within it.
class OptionArray : public QObject {
    Q_OBJECT
public:
    OptionArray(QObject* parent, std::array<QRadioButton*, 2> members);
    QRadioButton* operator()(int index) const {
        return buttons_.at(static_cast<std::size_t>(index));
    }
    bool value(int index) const { return (*this)(index)->isChecked(); }

private:
    void followSelection();

    std::array<QRadioButton*, 2> buttons_;
};

// A command button whose caption reads in the button's own direction: Qt
// lays a button's text out in the application's, which put the leading
// "««" of a Persian caption at its end. Return and Enter press it, as Space
// does.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A badge over a control that shows its shortcut key while Alt alone is held
// in the control's window, for a keyboard user to find it.
class KeyTip : public QLabel {
    Q_OBJECT
public:
    KeyTip(const QKeySequence& key, QWidget* over);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* over_;  // a sibling, so it lives as long
    // The release of Alt may go elsewhere (Alt+Tab): the key is asked after.
    QTimer held_;
};

// A straight line of a given colour and width, between two points in twips of
// its container.
class Line : public QWidget {
    Q_OBJECT
public:
    Line(QWidget* parent, Colour colour, int widthPx);
    void setEnds(const layout::Ends& ends);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Colour colour_;
    int widthPx_;
};

// A top-level window whose outer width, borders included, is the one asked
// for. A window manager tells the frame it draws only once the window is up,
// so the width asked for is kept, and kept true whenever the frame changes.
// Where nobody else would draw a frame that offers close alone (a Wayland
// compositor that leaves decorations to the program), the window draws its
// own title bar and border; its controls go into client() either way.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    QWidget* client() const { return client_; }
    bool drawsOwnFrame() const { return !ownFrame_.isNull(); }
    // The size of client(), in twips.
    void setClientSize(double widthTwips, double heightTwips);
    // Twips, frame included: the width last asked for while the window keeps
    // it, so steps of 100 twips stay exact in spite of whole pixels.
    double outerWidth() const;
    void setOuterWidth(double twips);
    // Left and right borders together, in twips; 0 until the platform tells.
    double frameWidth() const { return framePx_ * kTwipsPerPixel; }
signals:
    void frameChanged();

protected:
    bool event(QEvent* event) override;

private:
    void followFrame();
    int clientPixels(double outerTwips) const;

    QWidget* client_;
    // The frame drawn by the window itself, or nothing.
    QMargins ownFrame_;
    QMargins margins_;
    // In logical pixels; a fraction where the screen is scaled and the
    // frame's device pixels do not divide evenly.
    double framePx_ = 0;
    double askedTwips_ = -1;
};

// Modal message boxes: one OK button, the application title unless one is
// given, no icon or the critical icon. Shown in the face set by SetMessageFont and wide enough for
// the whole title.
using form::MessageIcon;
struct MessageBoxCall {
    QString text;
    QString title;
    MessageIcon icon;
};
using MessageBoxShower = std::function<void(QWidget* owner, const MessageBoxCall&)>;
void MsgBox(QWidget* owner, std::u16string_view text, MessageIcon icon = MessageIcon::None,
            const QString& title = {});
void SetMessageFont(const QFont& font);
// Routes every message box through `shower`; tests record them this way. An
// empty shower restores the real boxes.
void SetMessageBoxShower(MessageBoxShower shower);

// The mouse pointer of the whole program.
void SetMousePointer(form::Pointer pointer);

// The folder of the running program, with no trailing separator unless it is
// the root.
QString ProgramFolder();

}  // namespace delvarin::widgets
