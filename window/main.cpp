// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDBusConnection>

#include <cstdio>
#include <cstdlib>
#include <latch>
#include <thread>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "platform.h"
#include "read_data.h"
#include "self_check.h"
#include "window.h"

namespace {

// What Qt says while it opens the display, held back: without one it would
// print several lines and abort, and a parent needs one plain sentence.
struct HeldMessage {
    QtMsgType type;
    QString text;
};
std::vector<HeldMessage> held;
QtMessageHandler defaultHandler = nullptr;

void HoldWhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // A platform Qt lacks is a wrong setting, not a missing desktop.
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        const QLatin1String unknown("Could not find the Qt platform plugin");
        bool named = text.contains(unknown);
        for (const HeldMessage& m : held) named = named || m.text.contains(unknown);
        if (named)
            std::fprintf(stderr,
                         "delvarin-chooser cannot start: QT_QPA_PLATFORM names \"%s\", which is "
                         "no platform Qt has here (xcb and wayland are)\n",
                         platform.constData());
        else
            std::fputs(
                "delvarin-chooser needs a graphical desktop, and no display answers here "
                "(DISPLAY, WAYLAND_DISPLAY)\n",
                stderr);
        std::_Exit(1);
    }
    Q_UNUSED(context);
    held.push_back({type, text});
}

}  // namespace

int main(int argc, char** argv) {
    // fontconfig reads its configuration, and finds the faces the system
    // lacks, on the other core while Qt opens the display.
    delvarin::StartFindingFamilies();
    defaultHandler = qInstallMessageHandler(HoldWhileOpening);
    QApplication app(argc, argv);
    qInstallMessageHandler(defaultHandler);
    for (const HeldMessage& m : held) defaultHandler(m.type, QMessageLogContext(), m.text);
    // The first control to ask for screen readers waits for the session bus,
    // which may first have to be started; meanwhile the window is built.
    // This thread waits until that one runs: a new thread may otherwise wait
    // a millisecond for the core this one keeps busy.
    std::latch started(1);
    const std::jthread bus([&started] {
        started.count_down();
        QDBusConnection::sessionBus();
    });
    started.wait();

    QApplication::setApplicationName(QStringLiteral("delvarin-chooser"));
    // Named for the desktop entry, so docks and Wayland find its icon. No
    // display name: Qt would append it to every title, "Salam" included.
    QGuiApplication::setDesktopFileName(QStringLiteral("delvarin-chooser"));

    if (delvarin::SelfCheckRequested()) delvarin::ReportMessagesInstead();
    delvarin::Window window;
    window.load();
    window.show();
#ifdef __GLIBC__
    // What start-up freed (fontconfig's parsing, the pictures' decoding)
    // goes back to the system.
    malloc_trim(0);
#endif
    if (delvarin::WidthCheckRequested()) {
        delvarin::ReportWidthsWhenFramed(&window);
    } else if (delvarin::SelfCheckRequested()) {
        delvarin::ReportWhenShown(&window, [] {
            int loaded = 0;
            for (int i = 0; i <= delvarin::NameTable::kLastSlot; ++i)
                loaded += !delvarin::SharedNameData().names.name(i).empty();
            return loaded;
        });
    }
    return QApplication::exec();
}
