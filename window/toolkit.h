// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A thin layer that lets the form speak in twips, 32-bit colour values,
// 16-bit booleans and click events, as its controls were first described,
// while Qt does the drawing.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace delvarin::vb {

// 15 twips to a logical pixel; Qt maps logical pixels to the screen.
inline constexpr int kTwipsPerPixel = 15;
int Pixels(double twips);
double Twips(int pixels);

// Booleans as the controls report them: -1 true, 0 false.
using Boolean = std::int16_t;
inline constexpr Boolean kTrue = -1;
inline constexpr Boolean kFalse = 0;
inline constexpr Boolean ToBoolean(bool b) {
    return b ? kTrue : kFalse;
}

// 32-bit colours: RGB with red in the low byte, or a system colour marked by
// the top bit.
using Colour = std::uint32_t;
inline constexpr Colour kLightYellow = 0x00C0FFFF;
inline constexpr Colour kDarkRed = 0x000000C0;
inline constexpr Colour kRed = 0x000000FF;
inline constexpr Colour kWhite = 0x00FFFFFF;
inline constexpr Colour kActiveBorder = 0x8000000A;
inline constexpr Colour kButtonFace = 0x8000000F;
inline constexpr Colour kWindowText = 0x80000008;
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
    std::u16string caption() const { return ToText(text()); }
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A drop-down list whose click event runs when the user picks an item and,
// nested inside the call, when code sets the chosen index.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent);
    int listCount() const { return count(); }
    void addListItem(std::u16string_view item);
    void removeListItem(int index) { removeItem(index); }
    int newIndex() const { return newIndex_; }
    int listIndex() const { return currentIndex(); }
    void setListIndex(int index);
    std::u16string list(int index) const { return ToText(itemText(index)); }
signals:
    void clicked();

private:
    int newIndex_ = -1;
};

// A one-line text box; its change event (textChanged) runs on every change,
// by the user or by code.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
    std::u16string textValue() const { return ToText(text()); }
    void setTextValue(std::u16string_view value) { setText(ToQString(value)); }
};

// The multi-line result box. Its text uses CR LF line ends, as the list text
// does; the document underneath holds paragraphs.
class MultiLineBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineBox(QWidget* parent);
    std::u16string textValue() const;
    void setTextValue(std::u16string_view value);
    void appendText(std::u16string_view value);
    // Shows the current text at once, inside a running handler.
    void refresh();
    void scrollToTop();

protected:
    // A read-only plain-text box still takes input-method text; this one
    // refuses it like any other typing.
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

private:
    void updateSize();
    bool endInView() const;

    // Appended text is laid out at once, but the box is told its new size
    // only when that size can show: telling it at every append re-lays the
    // visible lines each time, which made a long list several times slower
    // to write than to set whole.
    bool sizeStale_ = false;
};

// Option buttons that form one group of their own.
class OptionArray : public QObject {
    Q_OBJECT
public:
    OptionArray(QWidget* parent, int members);
    QRadioButton* operator()(int index) const {
        return buttons_.at(static_cast<std::size_t>(index));
    }
    Boolean value(int index) const { return ToBoolean((*this)(index)->isChecked()); }
    // Selects one member, clearing the other; runs no click event.
    void select(int index) { (*this)(index)->setChecked(true); }
signals:
    void clicked(int index);

private:
    std::array<QRadioButton*, 2> buttons_{};
};

// A check box with the values 0 (unchecked) and 1 (checked).
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;
    int value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value != 0); }
};

// A timer that ticks every interval while enabled. Enabling an enabled timer
// leaves its period running.
class Timer : public QTimer {
    Q_OBJECT
public:
    explicit Timer(QObject* parent, int intervalMs);
    bool enabled() const { return isActive(); }
    void setEnabled(bool enabled);
};

// A straight line of a given colour and width, between two points in twips of
// its container.
class Line : public QWidget {
    Q_OBJECT
public:
    Line(QWidget* parent, Colour colour, int widthPx);
    void setEnds(int x1, int y1, int x2, int y2);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Colour colour_;
    int widthPx_;
};

// Modal message boxes: one OK button, the application title unless one is
// given, no icon or the critical icon.
enum class MessageIcon { None, Critical };
struct MessageBoxCall {
    QString text;
    QString title;
    MessageIcon icon;
};
using MessageBoxShower = std::function<void(QWidget* owner, const MessageBoxCall&)>;
void MsgBox(QWidget* owner, std::u16string_view text, MessageIcon icon = MessageIcon::None,
            const QString& title = {});
// Routes every message box through `shower`; tests record them this way. An
// empty shower restores the real boxes.
void SetMessageBoxShower(MessageBoxShower shower);

// The window's outer width in twips: the client width plus the frame that
// the platform reports. Setting it keeps the left edge.
double OuterWidth(const QWidget* window);
void SetOuterWidth(QWidget* window, double twips);

// Mouse pointers of the whole program: 11 busy, 0 default.
inline constexpr int kHourglass = 11;
inline constexpr int kDefaultPointer = 0;
void SetMousePointer(int pointer);

// The folder of the running program, with no trailing separator unless it is
// the root.
QString ProgramFolder();

}  // namespace delvarin::vb
