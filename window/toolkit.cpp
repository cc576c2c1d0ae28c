// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QButtonGroup>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace delvarin::vb {
namespace {

constexpr std::array<QPalette::ColorGroup, 3> kAllGroups{QPalette::Active, QPalette::Inactive,
                                                         QPalette::Disabled};
constexpr std::array<QPalette::ColorGroup, 2> kEnabledGroups{QPalette::Active, QPalette::Inactive};

constexpr std::u16string_view kApplicationTitle = u"Delvarin Chooser";

MessageBoxShower& Shower() {
    static MessageBoxShower shower;
    return shower;
}

void ShowRealMessageBox(QWidget* owner, const MessageBoxCall& call) {
    QMessageBox box(owner);
    box.setWindowTitle(call.title);
    box.setText(call.text);
    box.setIcon(call.icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    if (call.text.isRightToLeft()) {
        box.setLayoutDirection(Qt::RightToLeft);
        if (owner) box.setFont(owner->font());
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
    if (colour & 0x80000000u) {
        switch (colour & 0xFFu) {
            case 0x08:
                return palette.color(QPalette::WindowText);
            case 0x0A:
                return palette.color(QPalette::Mid);
            case 0x0F:
                return palette.color(QPalette::Button);
            default:
                return palette.color(QPalette::Window);
        }
    }
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
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
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    connect(this, &QComboBox::activated, this, &ComboBox::clicked);
}

void ComboBox::addListItem(std::u16string_view item) {
    addItem(ToQString(item));
    newIndex_ = count() - 1;
}

void ComboBox::setListIndex(int index) {
    setCurrentIndex(index);
    emit clicked();
}

MultiLineBox::MultiLineBox(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

std::u16string MultiLineBox::textValue() const {
    std::u16string text;
    for (char16_t c : ToText(toPlainText())) {
        if (c == u'\n') text += u'\r';
        text += c;
    }
    return text;
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
    sizeStale_ = false;
    setPlainText(WithoutCarriageReturns(value));
}

void MultiLineBox::appendText(std::u16string_view value) {
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

void MultiLineBox::scrollToTop() {
    if (sizeStale_) updateSize();
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

OptionArray::OptionArray(QWidget* parent, int members) : QObject(parent) {
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    for (int i = 0; i < members && i < static_cast<int>(buttons_.size()); ++i) {
        buttons_[static_cast<std::size_t>(i)] = new QRadioButton(parent);
        group->addButton(buttons_[static_cast<std::size_t>(i)], i);
    }
    connect(group, &QButtonGroup::idClicked, this, &OptionArray::clicked);
}

Timer::Timer(QObject* parent, int intervalMs) : QTimer(parent) {
    setInterval(intervalMs);
}

void Timer::setEnabled(bool enabled) {
    if (!enabled)
        stop();
    else if (!isActive())
        start();
}

Line::Line(QWidget* parent, Colour colour, int widthPx)
    : QWidget(parent), colour_(colour), widthPx_(widthPx) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setEnds(int x1, int y1, int x2, int y2) {
    const int half = widthPx_ / 2;
    if (x1 == x2)
        setGeometry(Pixels(x1) - half, Pixels(y1), widthPx_, Pixels(y2) - Pixels(y1));
    else
        setGeometry(Pixels(x1), Pixels(y1) - half, Pixels(x2) - Pixels(x1), widthPx_);
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(colour_, palette()));
}

void MsgBox(QWidget* owner, std::u16string_view text, MessageIcon icon, const QString& title) {
    const MessageBoxCall call{ToQString(text),
                              title.isEmpty() ? ToQString(kApplicationTitle) : title, icon};
    if (Shower())
        Shower()(owner, call);
    else
        ShowRealMessageBox(owner, call);
}

void SetMessageBoxShower(MessageBoxShower shower) {
    Shower() = std::move(shower);
}

double OuterWidth(const QWidget* window) {
    return Twips(window->frameGeometry().width());
}

void SetOuterWidth(QWidget* window, double twips) {
    const int frame = window->frameGeometry().width() - window->width();
    window->setFixedWidth(Pixels(twips) - frame);
}

void SetMousePointer(int pointer) {
    static bool busy = false;
    if (pointer == kHourglass && !busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        busy = true;
    } else if (pointer == kDefaultPointer && busy) {
        QGuiApplication::restoreOverrideCursor();
        busy = false;
    }
}

QString ProgramFolder() {
    return QCoreApplication::applicationDirPath();
}

}  // namespace delvarin::vb
