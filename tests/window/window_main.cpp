// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <gtest/gtest.h>

namespace {
// The offscreen platform cannot pass size hints on; it says so at every
// width step, which would bury the test output.
QtMessageHandler previousHandler = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    if (previousHandler) previousHandler(type, context, message);
}
}  // namespace

int main(int argc, char** argv) {
    previousHandler = qInstallMessageHandler(QuietHandler);
    // The window is tested without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Delvarin Chooser"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
