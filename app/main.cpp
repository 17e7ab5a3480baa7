// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "form1.h"
#include "translations.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // QApplication cannot start without a display: the options are answered,
    // and a missing display reported, before it is built.
    if (const std::optional<int> exitCode = CommandLine::answer(argc, argv))
        return *exitCode;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quellor"));
    QApplication::setDesktopFileName(QStringLiteral("quellor"));
    Translations::install();
    Form1 window;
    window.Form_Load();
    window.showMaximized();
    return app.exec();
}
