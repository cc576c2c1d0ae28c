#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The window is tested without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Delvarin Chooser"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
