// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quellor"));
    QApplication::setDesktopFileName(QStringLiteral("quellor"));
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
