// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quellor"));
    QApplication::setDesktopFileName(QStringLiteral("quellor"));
    Form1 window;
    window.Form_Load();
    window.showMaximized();
    return app.exec();
}
