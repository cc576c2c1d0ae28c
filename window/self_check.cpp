// SPDX-License-Identifier: GPL-3.0-or-later
#include "self_check.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "widgets.h"
#include "window.h"

namespace delvarin {
namespace {

long long RealtimeNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

long ResidentKib() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

}  // namespace

bool SelfCheckRequested() {
    return std::getenv("DELVARIN_SELF_CHECK") != nullptr;
}

void ReportMessagesInstead() {
    widgets::SetMessageBoxShower([](QWidget*, const widgets::MessageBoxCall& call) {
        std::printf("message %s: %s\n", call.title.toUtf8().constData(),
                    call.text.toUtf8().constData());
        std::fflush(stdout);
    });
}

void ReportWhenShown(QWidget* window, int (*countNames)()) {
    // The first turn of the event loop after show(): the window is mapped,
    // and its first paint follows, as with any window measured so.
    QTimer::singleShot(0, window, [window, countNames] {
        const long long shown = RealtimeNanoseconds();
        const long resident = ResidentKib();
        const QWidget* nameBox = window->findChild<QWidget*>(QStringLiteral("Text2"));
        const QString face = nameBox ? QFontInfo(nameBox->font()).family() : QString();
        std::printf("shown-at-ns %lld\nrss-kib %ld\nnames %d\nface %s\n", shown, resident,
                    countNames(), face.toUtf8().constData());
        std::fflush(stdout);
        QApplication::quit();
    });
}

bool WidthCheckRequested() {
    const char* check = std::getenv("DELVARIN_SELF_CHECK");
    return check && std::strcmp(check, "widths") == 0;
}

void ReportWidthsWhenFramed(Window* window) {
    constexpr int kFramingMs = 1000;
    constexpr int kWideningMs = 300;
    QTimer::singleShot(kFramingMs, window, [window] {
        const int frame =
            static_cast<int>(std::lround(window->frameWidth() / widgets::kTwipsPerPixel));
        std::printf("frame-px %d\nnarrow-outer-px %d\n", frame, window->client()->width() + frame);
        window->setOuterWidth(window->form().FullWidth);
        QTimer::singleShot(kWideningMs, window, [window] {
            std::printf("wide-client-px %d\n", window->client()->width());
            std::fflush(stdout);
            QApplication::quit();
        });
    });
}

}  // namespace delvarin
