// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the start-up figures: an empty Qt window started, shown and
// reported exactly as the program is.
#include <QApplication>
#include <QWidget>

#include "self_check.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty window"));
    window.resize(413, 436);
    window.show();
    if (delvarin::SelfCheckRequested()) delvarin::ReportWhenShown(&window, [] { return 0; });
    return QApplication::exec();
}
