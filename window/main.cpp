// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "form1.h"
#include "self_check.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("delvarin-chooser"));
    QApplication::setApplicationDisplayName(QStringLiteral("Delvarin Chooser"));

    delvarin::Form1 form;
    form.Form_Load();
    form.show();
    if (delvarin::SelfCheckRequested()) {
        int loaded = 0;
        for (int i = 0; i <= delvarin::NameTable::kLastSlot; ++i)
            loaded += !form.nameData().names.name(i).empty();
        delvarin::ReportWhenShown(&form, loaded);
    }
    return QApplication::exec();
}
