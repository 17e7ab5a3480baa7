// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchoptics.h"
#include "commandline.h"
#include "docspicture.h"
#include "exporter.h"
#include "form1.h"
#include "labmode.h"
#include "lessonfile.h"
#include "resultsheetdialog.h"
#include "taskmode.h"
#include "translations.h"
#include "windowexport.h"

#include <QApplication>
#include <QFile>
#include <QHashFunctions>
#include <QScreen>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
// While QApplication connects to the display, Qt's own messages are held back:
// a display that cannot be used ends in a fatal message and an abort, which
// becomes the program's one line and exit status 1. Otherwise they are
// passed on as they came once the application stands.
struct HeldMessage {
    QtMsgType type;
    QString text;
};
std::vector<HeldMessage>& heldMessages() {
    static std::vector<HeldMessage> held;
    return held;
}
void holdMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(CommandLine::unusableDisplay().toLocal8Bit().constData(), stderr);
        std::_Exit(1);
    }
    heldMessages().push_back({type, text});
}
} // namespace

int main(int argc, char* argv[]) {
    // Beyond a file-size limit a write fails with EFBIG and is reported like
    // a full disk, instead of the signal ending the program and the bench
    // with it.
    std::signal(SIGXFSZ, SIG_IGN);
    // The same bench or series writes the same PDF: Qt's hashes, whose order
    // decides the order the file lists its fonts in, take a fixed seed.
    QHashSeed::setDeterministicGlobalSeed();
    // QApplication cannot start without a display: the options are answered,
    // and a missing display reported, before it is built.
    if (const std::optional<int> exitCode = CommandLine::answer(argc, argv))
        return *exitCode;
    // A worksheet is drawn offscreen: it needs no display and shows no window.
    const QString worksheet = CommandLine::worksheet();
    const QString docsPicture = CommandLine::docsPicture();
    if (!worksheet.isEmpty() || !docsPicture.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QtMessageHandler before = qInstallMessageHandler(holdMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(before);
    for (const HeldMessage& message : heldMessages()) {
        const QMessageLogContext context;
        if (before)
            before(message.type, context, message.text);
        else
            qt_message_output(message.type, context, message.text);
    }
    heldMessages().clear();
    QApplication::setApplicationName(QStringLiteral("Quellor"));
    QApplication::setDesktopFileName(QStringLiteral("quellor"));
    Translations::install();
    Form1 window;
    window.Form_Load();
    const QString setup = CommandLine::setupFile();
    if (!docsPicture.isEmpty()) {
        // The setup was checked before.
        if (const SetupFile::Result read = SetupFile::read(setup, Bench::setupRanges()); read.setup)
            window.view().File().apply(*read.setup);
        const QString why = DocsPicture::write(window.view(), docsPicture);
        if (!why.isEmpty())
            std::fprintf(stderr, "quellor: %s\n", qPrintable(why));
        return why.isEmpty() ? 0 : 1;
    }
    if (!worksheet.isEmpty()) {
        // The file was checked before; it is read again here, whole.
        if (!setup.isEmpty()) {
            const SetupFile::Result read = SetupFile::read(setup, Bench::setupRanges());
            if (!read.setup) {
                std::fprintf(stderr, "quellor: %s: %s\n", qPrintable(setup),
                             qPrintable(read.problem));
                return 2;
            }
            window.view().File().apply(*read.setup);
        }
        // A series named with it: the variants of that series and their key;
        // else the bench's own worksheet. Either is drawn from the bench's
        // model; the window is only read.
        Export::Model model = WindowExport::modelOf(window);
        const std::optional<quint64> seed = CommandLine::taskSeed();
        if (seed) {
            model.classSet.seed = *seed;
            model.classSet.variants = CommandLine::variants();
            model.classSet.tasksPerSheet = CommandLine::tasksPerSheet();
            model.classSet.level = CommandLine::taskLevel();
        }
        const Export::Exporter& format = CommandLine::exporter();
        const QString why = format.write(model, worksheet);
        if (!why.isEmpty()) {
            std::fprintf(stderr, "quellor: %s: %s\n", qPrintable(worksheet), qPrintable(why));
            // A worksheet is the construction of an object's image: without
            // an object it would set a task with nothing to construct.
            return !seed && !window.ObjectPlaced ? 2 : 1;
        }
        return 0;
    }
    // Where no window manager maximises it, the window opens at the laid-out
    // size, or at the screen's available size where that is smaller; its face
    // scales to fit either way.
    if (const QScreen* screen = window.screen())
        window.resize(window.size().boundedTo(screen->availableSize()));
    window.showMaximized();
    if (QCoreApplication::arguments().contains(QStringLiteral("--") +
                                               QLatin1String(CommandLine::kQuitWhenShown)))
        QTimer::singleShot(0, &window, [&window] {
            window.repaint();
            // The peak resident memory, for the test that bounds it.
            QFile status(QStringLiteral("/proc/self/status"));
            if (status.open(QIODevice::ReadOnly))
                for (const QByteArray& line : status.readAll().split('\n'))
                    if (line.startsWith("VmHWM:"))
                        std::printf("%s\n", line.constData());
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    // A setup named on the command line opens in the shown window, so that a
    // bad one is reported over it; the bench then keeps its start state.
    if (!setup.isEmpty())
        QTimer::singleShot(0, &window, [&window, setup] { window.view().File().openFile(setup); });
    // A series of tasks named on the command line opens over it; with a
    // results file, the pupil names themself first.
    if (const std::optional<quint64> seed = CommandLine::taskSeed())
        QTimer::singleShot(0, &window, [&window, seed] {
            const QString results = CommandLine::resultsFile();
            if (!results.isEmpty()) {
                window.view().TaskSeries().results().setFile(results);
                window.view().TaskSeries().results().setName(ResultSheetDialog::askName(&window));
            }
            window.view().TaskSeries().start(*seed, CommandLine::taskLevel());
        });
    // The laboratory work opens over it, on the setup's bench if one was named,
    // as the pupil's: it stays on, and the teacher's reveal is not in it.
    if (CommandLine::lab())
        QTimer::singleShot(0, &window, [&window] { window.view().Laboratory().startForPupil(); });
    return app.exec();
}
