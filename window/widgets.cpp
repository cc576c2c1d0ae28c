// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QWindow>
// The one way to set a line edit's reading direction apart from its text.
#include <QtWidgets/private/qwidgetlinecontrol_p.h>

#include <algorithm>
#include <cmath>

#include "accessibility.h"
#include "decoration.h"
#include "platform.h"

namespace delvarin::widgets {
namespace {

constexpr std::array<QPalette::ColorGroup, 3> kAllGroups{QPalette::Active, QPalette::Inactive,
                                                         QPalette::Disabled};
constexpr std::array<QPalette::ColorGroup, 2> kEnabledGroups{QPalette::Active, QPalette::Inactive};

MessageBoxShower& Shower() {
    static MessageBoxShower shower;
    return shower;
}

QFont& MessageFont() {
    static QFont font;
    return font;
}

// Room beside a title for the title bar's own buttons.
constexpr int kTitleBarButtonsPx = 120;

void ShowRealMessageBox(QWidget* owner, const MessageBoxCall& call) {
    QMessageBox box(owner);
    if (DrawsOwnFrame()) box.setContentsMargins(AddOwnFrame(&box));
    box.setWindowTitle(call.title);
    if (owner) box.setWindowIcon(owner->windowIcon());  // in a title bar drawn here too
    box.setText(call.text);
    box.setIcon(call.icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    // Every word the parent meets is Persian, the button's too.
    box.button(QMessageBox::Ok)->setText(ToQString(layout::kMessageButton));
    // Without an icon its empty place is no part of what a screen reader reads.
    if (call.icon == MessageIcon::None)
        if (auto* place = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
            SetDecorative(place);
    box.setFont(MessageFont());
    if (call.text.isRightToLeft()) box.setLayoutDirection(Qt::RightToLeft);
    // The box sizes itself to its text; a short text would cut the title.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int titlePx = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar"))
                                .horizontalAdvance(call.title) +
                            kTitleBarButtonsPx;
        grid->addItem(new QSpacerItem(titlePx, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
}

}  // namespace

int Pixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
double Twips(int pixels) {
    return static_cast<double>(pixels) * kTwipsPerPixel;
}

QColor ToQColor(Colour colour, const QPalette& palette) {
    if (const auto system = layout::SystemColourOf(colour)) {
        switch (*system) {
            case layout::SystemColour::WindowText:
                return palette.color(QPalette::WindowText);
            case layout::SystemColour::ActiveBorder:
                return palette.color(QPalette::Mid);
            case layout::SystemColour::ButtonFace:
                return palette.color(QPalette::Button);
        }
    }
    const layout::Rgb rgb = layout::RgbOf(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

void SetBackColour(QWidget* control, Colour colour) {
    QPalette palette = control->palette();
    const QColor c = ToQColor(colour, QApplication::palette());
    for (auto group : kAllGroups) {
        palette.setColor(group, QPalette::Base, c);
        palette.setColor(group, QPalette::Button, c);
        palette.setColor(group, QPalette::Window, c);
    }
    control->setPalette(palette);
    if (qobject_cast<QLabel*>(control)) control->setAutoFillBackground(true);
}

void SetForeColour(QWidget* control, Colour colour) {
    QPalette palette = control->palette();
    const QColor c = ToQColor(colour, QApplication::palette());
    for (auto group : kEnabledGroups) {
        palette.setColor(group, QPalette::Text, c);
        palette.setColor(group, QPalette::WindowText, c);
        palette.setColor(group, QPalette::ButtonText, c);
    }
    control->setPalette(palette);
}

void SetTransparent(QWidget* control) {
    control->setAutoFillBackground(false);
    control->setAttribute(Qt::WA_TranslucentBackground);
}

std::u16string ToText(const QString& s) {
    return s.toStdU16String();
}
QString ToQString(std::u16string_view s) {
    // Code unit for code unit: fromUtf16 would drop a leading byte order mark.
    return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

Link::Link(QWidget* parent) : Label(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void Link::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            emit clicked();
            return;
        default:
            Label::keyPressEvent(event);
    }
}

void Link::paintEvent(QPaintEvent* event) {
    Label::paintEvent(event);
    if (!hasFocus()) return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
}

void ComboBox::showItems(const std::vector<std::u16string>& items, int chosen) {
    const QSignalBlocker quiet(this);
    bool same = count() == static_cast<int>(items.size());
    for (int i = 0; same && i < count(); ++i)
        same = itemText(i) == ToQString(items[static_cast<std::size_t>(i)]);
    if (!same) {
        clear();
        for (const std::u16string& item : items) addItem(ToQString(item));
    }
    setCurrentIndex(chosen);
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    followDirection();
}

void TextBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LayoutDirectionChange) followDirection();
    QLineEdit::changeEvent(event);
}

void TextBox::followDirection() {
    if (auto* control = findChild<QWidgetLineControl*>())
        control->setLayoutDirection(layoutDirection());
}

MultiLineBox::MultiLineBox(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

namespace {
// The document holds paragraphs: a CR LF pair is one paragraph break.
QString WithoutCarriageReturns(std::u16string_view value) {
    QString s = ToQString(value);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}
}  // namespace

void MultiLineBox::setTextValue(std::u16string_view value) {
    text_ = value;
    sizeStale_ = false;
    setPlainText(WithoutCarriageReturns(value));
}

void MultiLineBox::appendText(std::u16string_view value) {
    text_ += value;
    {
        const QSignalBlocker quiet(document()->documentLayout());
        QTextCursor cursor(document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(WithoutCarriageReturns(value));
    }
    if (!sizeStale_) {
        sizeStale_ = true;
        // Whatever happens next, the box knows its size by the next event.
        QTimer::singleShot(0, this, [this] {
            if (sizeStale_) updateSize();
        });
    }
}

bool MultiLineBox::endInView() const {
    const int lineHeight = std::max(1, fontMetrics().lineSpacing());
    return document()->blockCount() <= viewport()->height() / lineHeight + 1;
}

void MultiLineBox::updateSize() {
    sizeStale_ = false;
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    emit layout->documentSizeChanged(layout->documentSize());
    viewport()->update();
}

void MultiLineBox::refresh() {
    if (sizeStale_ && endInView()) updateSize();
    viewport()->repaint();
}

void MultiLineBox::inputMethodEvent(QInputMethodEvent* event) {
    if (isReadOnly()) {
        event->ignore();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

QVariant MultiLineBox::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled && isReadOnly()) return false;
    return QPlainTextEdit::inputMethodQuery(query);
}

void MultiLineBox::scrollToStart() {
    if (sizeStale_) updateSize();
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
    // Right-to-left lines start at their right-hand end, which a
    // right-to-left box shows at the far end of its horizontal bar.
    QScrollBar* across = horizontalScrollBar();
    across->setValue(isRightToLeft() ? across->maximum() : across->minimum());
}

OptionArray::OptionArray(QObject* parent, std::array<QRadioButton*, 2> members)
    : QObject(parent), buttons_(members) {
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        group->addButton(buttons_[i], static_cast<int>(i));
        connect(buttons_[i], &QAbstractButton::toggled, this, &OptionArray::followSelection);
    }
    followSelection();
}

void OptionArray::followSelection() {
    const bool none = !buttons_[0]->isChecked() && !buttons_[1]->isChecked();
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const bool stop = none ? i == 0 : buttons_[i]->isChecked();
        buttons_[i]->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    painter.setLayoutDirection(layoutDirection());
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButton, option);
}

KeyTip::KeyTip(const QKeySequence& key, QWidget* over)
    : QLabel(key.toString(QKeySequence::NativeText), over->parentWidget()), over_(over) {
    setObjectName(QStringLiteral("KeyTip"));
    setFrameShape(QFrame::Box);
    setAlignment(Qt::AlignCenter);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);
    setAutoFillBackground(true);
    // Screen readers hear the key in the descriptions of the controls.
    SetDecorative(this);
    hide();
    held_.setInterval(150);
    connect(&held_, &QTimer::timeout, this, [this] {
        if (QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier) return;
        hide();
        held_.stop();
    });
    qApp->installEventFilter(this);
}

bool KeyTip::eventFilter(QObject* watched, QEvent* event) {
    const auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != window()) return false;
    switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            // Alt alone, with or without its own modifier bit as platforms differ.
            if (key->key() == Qt::Key_Alt &&
                (key->modifiers() & ~Qt::AltModifier) == Qt::NoModifier) {
                // Measured when first needed: shaping its text would cost
                // start-up.
                resize(sizeHint().width() + 8, over_->height());
                move(over_->geometry().center().x() - width() / 2, over_->y() - over_->height());
                show();
                raise();
                held_.start();
            } else {
                hide();
            }
            break;
        }
        case QEvent::KeyRelease:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt) hide();
            break;
        case QEvent::MouseButtonPress:
        case QEvent::WindowDeactivate:
            hide();
            break;
        default:
            break;
    }
    return false;
}

Line::Line(QWidget* parent, Colour colour, int widthPx)
    : QWidget(parent), colour_(colour), widthPx_(widthPx) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setEnds(const layout::Ends& e) {
    const int half = widthPx_ / 2;
    if (e.x1 == e.x2)
        setGeometry(Pixels(e.x1) - half, Pixels(e.y1), widthPx_, Pixels(e.y2) - Pixels(e.y1));
    else
        setGeometry(Pixels(e.x1), Pixels(e.y1) - half, Pixels(e.x2) - Pixels(e.x1), widthPx_);
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(colour_, palette()));
}

void MsgBox(QWidget* owner, std::u16string_view text, MessageIcon icon, const QString& title) {
    const MessageBoxCall call{ToQString(text),
                              title.isEmpty() ? ToQString(layout::kWindowTitle) : title, icon};
    if (Shower())
        Shower()(owner, call);
    else
        ShowRealMessageBox(owner, call);
}

void SetMessageFont(const QFont& font) {
    MessageFont() = font;
}

void SetMessageBoxShower(MessageBoxShower shower) {
    Shower() = std::move(shower);
}

Form::Form(QWidget* parent) : QWidget(parent), client_(new QWidget(this)) {
    InstallAccessibility();
    if (DrawsOwnFrame()) {
        ownFrame_ = AddOwnFrame(this);
        framePx_ = ownFrame_.left() + ownFrame_.right();
    }
    client_->move(ownFrame_.left(), ownFrame_.top());
}

void Form::setClientSize(double widthTwips, double heightTwips) {
    setFixedSize(QSize(Pixels(widthTwips), Pixels(heightTwips)).grownBy(ownFrame_));
}

int Form::clientPixels(double outerTwips) const {
    return std::max(1, static_cast<int>(std::lround(outerTwips / kTwipsPerPixel - framePx_)));
}

double Form::outerWidth() const {
    const int clientWidth = width() - ownFrame_.left() - ownFrame_.right();
    if (askedTwips_ >= 0 && clientWidth == clientPixels(askedTwips_)) return askedTwips_;
    return (clientWidth + framePx_) * kTwipsPerPixel;
}

void Form::setOuterWidth(double twips) {
    askedTwips_ = twips;
    setFixedWidth(clientPixels(twips) + ownFrame_.left() + ownFrame_.right());
}

bool Form::event(QEvent* event) {
    if (event->type() == QEvent::Resize) client_->resize(size().shrunkBy(ownFrame_));
    // The frame shows up with no event of its own (a move under some window
    // managers, an activation or nothing at all under others), so it is
    // looked for at every event; the platform answers from its cache.
    followFrame();
    return QWidget::event(event);
}

void Form::followFrame() {
    const QWindow* window = windowHandle();
    if (!window || !ownFrame_.isNull()) return;
    const QMargins margins = window->frameMargins();
    if (margins == margins_) return;
    // A fullscreen or maximise request, taken or not, drops the frame for a
    // while: the window keeps its size and place, as a fixed window does,
    // rather than rewrite its size hints (which moved it to 0,0).
    const bool framedBefore = !margins_.isNull();
    if (window->windowStates() & (Qt::WindowFullScreen | Qt::WindowMaximized) ||
        (framedBefore && margins.isNull()))
        return;
    margins_ = margins;
    // Qt gives the frame in whole logical pixels; at a scale of 2 a border of
    // one device pixel would count as two.
    const auto native = NativeFrameWidth(window);
    const double framePx = native ? *native / window->devicePixelRatio()
                                  : static_cast<double>(margins.left() + margins.right());
    if (framePx == framePx_) return;
    framePx_ = framePx;
    if (askedTwips_ >= 0) setOuterWidth(askedTwips_);
    emit frameChanged();
}

void SetMousePointer(form::Pointer pointer) {
    static bool busy = false;
    switch (pointer) {
        case form::Pointer::Hourglass:
            if (!busy) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            busy = true;
            return;
        case form::Pointer::Default:
            if (busy) QGuiApplication::restoreOverrideCursor();
            busy = false;
            return;
    }
}

QString ProgramFolder() {
    return QCoreApplication::applicationDirPath();
}

}  // namespace delvarin::widgets
