// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoration.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "accessibility.h"
#include "platform.h"

namespace delvarin::widgets {
namespace {

constexpr int kTitleBarPx = 28;
constexpr int kBorderPx = 1;
constexpr int kIconPx = 16;
constexpr int kPaddingPx = 6;
// The close button's caption for screen readers.
const QString kCloseName = QStringLiteral("بستن");

class CloseButton : public QAbstractButton {
public:
    explicit CloseButton(QWidget* parent) : QAbstractButton(parent) {
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(kCloseName);
        setAttribute(Qt::WA_Hover);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        if (underMouse()) p.fillRect(rect(), QColor(0xC4, 0x2B, 0x1C));
        QPen pen(underMouse() ? QColor(Qt::white) : palette().color(QPalette::WindowText), 1.6);
        p.setPen(pen);
        const QRectF cross = QRectF(rect()).adjusted(width() / 2.0 - 5, height() / 2.0 - 5,
                                                     -(width() / 2.0 - 5), -(height() / 2.0 - 5));
        p.drawLine(cross.topLeft(), cross.bottomRight());
        p.drawLine(cross.bottomLeft(), cross.topRight());
    }
};

class TitleBar : public QWidget {
public:
    explicit TitleBar(QWidget* window) : QWidget(window), close_(new CloseButton(this)) {
        setAttribute(Qt::WA_StyledBackground, false);
        connect(close_, &QAbstractButton::clicked, window, &QWidget::close);
        window->installEventFilter(this);
        follow();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Resize:
            case QEvent::Show:
                follow();
                break;
            case QEvent::WindowTitleChange:
            case QEvent::WindowIconChange:
            case QEvent::ActivationChange:
                update();
                break;
            default:
                break;
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QWidget* w = window();
        const bool active = w->isActiveWindow();
        const QPalette& pal = palette();
        p.fillRect(rect(), pal.color(QPalette::Window).darker(active ? 118 : 106));
        p.fillRect(0, height() - kBorderPx, width(), kBorderPx, pal.color(QPalette::Mid));
        int left = kPaddingPx;
        const QIcon icon = w->windowIcon();
        if (!icon.isNull()) {
            icon.paint(&p, left, (height() - kIconPx) / 2, kIconPx, kIconPx);
            left += kIconPx + kPaddingPx;
        }
        QFont font = QApplication::font();
        font.setBold(true);
        p.setFont(font);
        p.setPen(pal.color(active ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        const QRect text(left, 0, close_->x() - left - kPaddingPx, height());
        // Centred on the bar where it fits there, as title bars do.
        const int advance = QFontMetrics(font).horizontalAdvance(w->windowTitle());
        const int centred = (width() - advance) / 2;
        const QRect place = centred >= text.left() && centred + advance <= text.right()
                                ? QRect(centred, 0, advance, height())
                                : text;
        p.drawText(place, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   QFontMetrics(font).elidedText(w->windowTitle(), Qt::ElideRight, text.width()));
    }

    void mousePressEvent(QMouseEvent* event) override {
        // Dragging moves the window; the compositor does the moving.
        if (event->button() == Qt::LeftButton && window()->windowHandle())
            window()->windowHandle()->startSystemMove();
    }

private:
    void follow() {
        QWidget* w = window();
        setGeometry(0, 0, w->width(), kTitleBarPx);
        close_->setGeometry(width() - kTitleBarPx, 0, kTitleBarPx, kTitleBarPx - kBorderPx);
        raise();
    }

    CloseButton* close_;
};

// The border along the window's left, right and bottom edges.
class Border : public QWidget {
public:
    explicit Border(QWidget* window) : QWidget(window) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        SetDecorative(this);
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
            setGeometry(window()->rect());
            raise();
        }
        return false;
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QColor edge = palette().color(QPalette::Dark);
        p.fillRect(0, 0, kBorderPx, height(), edge);
        p.fillRect(width() - kBorderPx, 0, kBorderPx, height(), edge);
        p.fillRect(0, height() - kBorderPx, width(), kBorderPx, edge);
    }
};

}  // namespace

bool DrawsOwnFrame() {
    static const bool own =
        QGuiApplication::platformName() == QLatin1String("wayland") && !CompositorDrawsFrames();
    return own;
}

QMargins AddOwnFrame(QWidget* window) {
    // The window's type alone: Qt drops the flag beside title-bar hints.
    Qt::WindowFlags type = window->windowFlags() & Qt::WindowType_Mask;
    if (type == Qt::Widget) type = Qt::Window;
    window->setWindowFlags(type | Qt::FramelessWindowHint);
    new Border(window);
    new TitleBar(window);
    return {kBorderPx, kTitleBarPx, kBorderPx, kBorderPx};
}

}  // namespace delvarin::widgets
