// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "form1.h"
#include "translations.h"

#include <QApplication>
#include <QScreen>

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
    // Where no window manager maximises it, the window opens at the laid-out
    // size, or at the screen's available size where that is smaller; its face
    // scales to fit either way.
    if (const QScreen* screen = window.screen())
        window.resize(window.size().boundedTo(screen->availableSize()));
    window.showMaximized();
    return app.exec();
}
