// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "form1.h"
#include "translations.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    // QApplication cannot start without a display: the options are answered,
    // and a missing display reported, before it is built.
    if (const std::optional<int> exitCode = CommandLine::answer(argc, argv))
        return *exitCode;
    // A worksheet is drawn offscreen: it needs no display and shows no window.
    const QString worksheet = CommandLine::worksheet();
    if (!worksheet.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quellor"));
    QApplication::setDesktopFileName(QStringLiteral("quellor"));
    Translations::install();
    Form1 window;
    window.Form_Load();
    const QString setup = CommandLine::setupFile();
    if (!worksheet.isEmpty()) {
        // The file was checked before; it is read again here, whole.
        if (!setup.isEmpty()) {
            const SetupFile::Result read = SetupFile::read(setup);
            if (!read.setup) {
                std::fprintf(stderr, "quellor: %s: %s\n", qPrintable(setup),
                             qPrintable(read.problem));
                return 2;
            }
            window.ApplySetup(*read.setup);
        }
        QString why;
        if (!window.WriteWorksheet(worksheet, &why)) {
            std::fprintf(stderr, "quellor: %s: %s\n", qPrintable(worksheet), qPrintable(why));
            return 1;
        }
        return 0;
    }
    // Where no window manager maximises it, the window opens at the laid-out
    // size, or at the screen's available size where that is smaller; its face
    // scales to fit either way.
    if (const QScreen* screen = window.screen())
        window.resize(window.size().boundedTo(screen->availableSize()));
    window.showMaximized();
    // A setup named on the command line opens in the shown window, so that a
    // bad one is reported over it; the bench then keeps its start state.
    if (!setup.isEmpty())
        QTimer::singleShot(0, &window, [&window, setup] { window.OpenSetupFile(setup); });
    return app.exec();
}
