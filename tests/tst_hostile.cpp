// SPDX-License-Identifier: GPL-3.0-or-later
// What a curious pupil's files, names and command lines can do to a lesson:
// nothing. Names are shown as the characters they are, a save asks before it
// replaces a file under a name the dialog did not show, a refused command
// line writes nothing, a file-size limit is reported, a file swapped for a
// FIFO never hangs the reader, and no window is built that no screen holds.
#include "benchoptics.h"
#include "commandbutton.h"
#include "form1.h"
#include "graphwindow.h"
#include "lessonfile.h"
#include "lessontools.h"
#include "messages.h"
#include "pictureexport.h"
#include "resultsfile.h"
#include "setupfile.h"
#include "testsupport.h"
#include "windowexport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <atomic>
#include <chrono>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
// Markup a name may hold: an image that would load /dev/zero, a heading that
// would hide the path in large red text, the title's modified mark and an
// entity that rich text would turn into "&".
const char* const kImageName = "<img src=\"&#47;dev&#47;zero\">";
const char* const kHeadingName = "<h1 style=\"color:red\">ВНИМАНИЕ";
const char* const kMarkName = "a[*]b &amp; <b>c";

constexpr int kProgramWaitMs = 30000; // a run of the program, at most

struct ShownMessage {
    QString title;
    QString text;
    Qt::TextFormat format;
};

// Stands in for the user: records each message box as it would show and
// answers it.
class MessageLog {
public:
    explicit MessageLog(QMessageBox::StandardButton answer) {
        Messages::setHook([this, answer](QMessageBox& box) {
            shown.push_back({box.windowTitle(), box.text(), box.textFormat()});
            return answer;
        });
    }
    ~MessageLog() { Messages::setHook({}); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;
    std::vector<ShownMessage> shown;
};

// A click where a user clicks: at the middle of the control, delivered to
// whatever lies at that point of its window.
void clickOn(QWidget* control) {
    QWidget* window = control->window();
    const QPoint at = control->mapTo(window, control->rect().center());
    QWidget* target = window->childAt(at);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(window, at));
}

// The next file dialog takes this name, as a user types it and presses Enter;
// a question the dialog asks itself gets the answer given. The count of its
// questions is there to read once the dialog is done.
std::shared_ptr<int> typeInNextFileDialog(const QString& path, QMessageBox::StandardButton answer) {
    auto asked = std::make_shared<int>(0);
    QTimer::singleShot(0, [path, answer, asked] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            dialog->selectFile(path);
            QTimer::singleShot(0, [answer, asked] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    ++*asked;
                    box->button(answer)->click();
                }
            });
            QMetaObject::invokeMethod(dialog, "accept"); // the dialog's Save
            // Told not to replace, the dialog stays for another name: Cancel.
            if (dialog->isVisible())
                QMetaObject::invokeMethod(dialog, "reject");
        }
    });
    return asked;
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A lesson as a teacher saves one: a biconvex lens of 1,64 in air.
QByteArray aLesson() {
    Setup setup;
    setup.N = 1.64;
    setup.leftRadius = setup.rightRadius = 2.65;
    // An object, so that a worksheet of it has something to construct.
    setup.scheme = true;
    setup.hasObject = true;
    setup.objectDistance = 8;
    setup.objectHeight = 2;
    return SetupFile::write(setup);
}

// Every entry of a folder with its bytes: what a refused run must not change.
QMap<QString, QByteArray> contentsOf(const QString& folder) {
    QMap<QString, QByteArray> all;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden))
        all.insert(name, bytesOf(QDir(folder).filePath(name)));
    return all;
}
} // namespace

class TestHostile : public QObject {
    Q_OBJECT

private slots:
    void hostileNames_data();
    void hostileNames();
    void refusedCommandLines_data();
    void refusedCommandLines();
    void savedNames_data();
    void savedNames();
    void fileSizeLimit_data();
    void fileSizeLimit();
    void fifoSwap_data();
    void fifoSwap();
    void absurdScale_data();
    void absurdScale();
};

void TestHostile::hostileNames_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("name");
    for (const char* where : {"open", "unsaved", "save", "picture", "title"})
        for (const char* name : {kImageName, kHeadingName, kMarkName})
            QTest::addRow("%s: %s", where, name)
                << QString::fromLatin1(where) << QString::fromUtf8(name);
}

// A folder and a file of a hostile name, through every message and title
// that names them: each box is plain text and holds the name as it is; the
// title shows it whole.
void TestHostile::hostileNames() {
    QFETCH(QString, where);
    QFETCH(QString, name);
    QTemporaryDir top;
    QVERIFY(top.isValid());
    const QString folder = top.filePath(name);
    QVERIFY(QDir().mkpath(folder));
    const QString lesson = QDir(folder).filePath(name + QStringLiteral(".quellor"));
    const QString missing = top.filePath(name + QStringLiteral(" missing/") + name);
    QVERIFY(writeBytes(lesson, aLesson()));
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    MessageLog log(QMessageBox::Cancel);
    QString named = QDir::toNativeSeparators(lesson);
    if (where == QLatin1String("open")) {
        named = QDir::toNativeSeparators(missing + QStringLiteral(".quellor"));
        QVERIFY(!w->view().File().openFile(named));
    } else if (where == QLatin1String("unsaved")) {
        QVERIFY(w->view().File().openFile(lesson));
        clickOn(ui.cmdRas);
        named = name + QStringLiteral(".quellor");
        QVERIFY(!w->close());
    } else if (where == QLatin1String("save")) {
        named = missing + QStringLiteral(".quellor");
        QVERIFY(!w->view().File().saveTo(named));
    } else if (where == QLatin1String("picture")) {
        named = missing + QStringLiteral(".png");
        QVERIFY(!PictureExport::write(&*w, named));
    } else {
        QVERIFY(w->view().File().openFile(lesson));
        clickOn(ui.cmdRas); // modified: the mark joins the title
        QVERIFY(log.shown.empty());
        const QString title = w->windowHandle()->title();
        QVERIFY2(title.startsWith(name + QStringLiteral(".quellor")), qPrintable(title));
        return;
    }
    QCOMPARE(log.shown.size(), size_t(1));
    QCOMPARE(log.shown.front().format, Qt::PlainText);
    QVERIFY2(log.shown.front().text.contains(named), qPrintable(log.shown.front().text));
}

void TestHostile::refusedCommandLines_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("says"); // a word of the one line written
    const auto row = [](const char* name, QStringList arguments, const char* says) {
        QTest::newRow(name) << arguments << QString::fromUtf8(says);
    };
    row("worksheet over the lesson", {"--worksheet", "lesson.quellor"}, ".pdf");
    row("worksheet over the lesson it reads", {"--worksheet", "lesson.quellor", "lesson.quellor"},
        ".pdf");
    row("worksheet named as the lesson it reads", {"--worksheet", "lesson.pdf", "lesson.pdf"},
        "файл урока");
    row("worksheet through a link to the lesson", {"--worksheet", "link.pdf", "lesson.pdf"},
        "файл урока");
    // Nobody is asked before the worksheet is written: what its name leads to
    // is checked, and a file there that is no PDF is kept.
    row("variants through a link to the lesson", {"--worksheet", "to-lesson.pdf", "--tasks", "5"},
        "lesson.quellor");
    row("variants over a lesson named .pdf", {"--worksheet", "lesson.pdf", "--tasks", "5"},
        "не PDF");
    row("variants through a link to a lesson named .pdf",
        {"--worksheet", "link.pdf", "--tasks", "5"}, "не PDF");
    row("worksheet through a dangling link", {"--worksheet", "dangling.pdf", "lesson.quellor"},
        "notes.txt");
    row("documentation's picture over a lesson", {"--docs-picture", "lesson.quellor"}, ".png");
    row("documentation's picture through a link", {"--docs-picture", "lesson.png"}, "lesson.pdf");
    row("an option as the worksheet", {"--worksheet", "--tasks"}, "--tasks");
    row("an option as the seed", {"--tasks", "--worksheet"}, "--worksheet");
    row("worksheet twice", {"--worksheet", "a.pdf", "--worksheet", "b.pdf"}, "--worksheet");
    row("seed twice", {"--tasks", "1", "--tasks", "2", "--worksheet", "a.pdf"}, "--tasks");
    row("empty worksheet", {"--worksheet", "", "lesson.quellor"}, "пустое");
    row("empty lesson", {"--worksheet", "a.pdf", ""}, "пустое");
    row("style sheet", {"-stylesheet", "style.css"}, "-stylesheet");
    row("style sheet, long form", {"--stylesheet=style.css"}, "-stylesheet");
    row("window icon", {"-qwindowicon", "style.css"}, "-qwindowicon");
    row("plugin folder", {"-platformpluginpath", "."}, "-platformpluginpath");
    row("forty-one variants", {"--worksheet", "a.pdf", "--tasks", "7", "--variants", "41"},
        "--variants");
    row("variants without a series", {"--worksheet", "a.pdf", "--variants", "3"}, "--variants");
    row("an unknown level", {"--tasks", "7", "--level", "hard"}, "--level");
    row("results into a lesson file", {"--tasks", "7", "--results", "lesson.quellor"},
        "lesson.quellor");
    // A results file that could not take an answer is said before the first.
    row("results in a missing folder", {"--tasks", "7", "--results", "none/r.csv"}, "папки нет");
    row("results through a link to nowhere", {"--tasks", "7", "--results", "dangling.csv"},
        "ссылка");
    row("results through a link loop", {"--tasks", "7", "--results", "loop.csv"}, "кольцо");
    row("results in a read-only file", {"--tasks", "7", "--results", "readonly.csv"}, "защищён");
}

// Each refused command line ends with status 2 and one line that names the
// fault, before anything is read or written: the folder is as it was.
void TestHostile::refusedCommandLines() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, says);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(writeBytes(folder.filePath(QStringLiteral("lesson.quellor")), aLesson()));
    QVERIFY(writeBytes(folder.filePath(QStringLiteral("lesson.pdf")), aLesson()));
    QVERIFY(QFile::link(QStringLiteral("lesson.pdf"), folder.filePath(QStringLiteral("link.pdf"))));
    QVERIFY(QFile::link(QStringLiteral("lesson.quellor"),
                        folder.filePath(QStringLiteral("to-lesson.pdf"))));
    QVERIFY(
        QFile::link(QStringLiteral("notes.txt"), folder.filePath(QStringLiteral("dangling.pdf"))));
    QVERIFY(
        QFile::link(QStringLiteral("lesson.pdf"), folder.filePath(QStringLiteral("lesson.png"))));
    QVERIFY(writeBytes(folder.filePath(QStringLiteral("style.css")), "* { color: red }"));
    QVERIFY(QFile::link(QStringLiteral("nowhere.csv"),
                        folder.filePath(QStringLiteral("dangling.csv"))));
    QVERIFY(QFile::link(QStringLiteral("loop.csv"), folder.filePath(QStringLiteral("loop.csv"))));
    const QString readOnly = folder.filePath(QStringLiteral("readonly.csv"));
    QVERIFY(writeBytes(readOnly, ResultsFile::header()));
    QVERIFY(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const QMap<QString, QByteArray> before = contentsOf(folder.path());
    QProcess program;
    program.setWorkingDirectory(folder.path());
    program.start(QStringLiteral(QUELLOR_PROGRAM), arguments);
    if (!program.waitForFinished(kProgramWaitMs)) {
        program.kill();
        program.waitForFinished();
        QFAIL("the program did not end");
    }
    const QString said = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == 2, qPrintable(said));
    QVERIFY2(said.contains(says), qPrintable(said));
    QCOMPARE(contentsOf(folder.path()), before);
}

void TestHostile::savedNames_data() {
    QTest::addColumn<QString>("save");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("present");  // a file of the written name is there before
    QTest::addColumn<bool>("replace");  // the answer to the question
    QTest::addColumn<bool>("dangling"); // what is there is a link to nothing
    QTest::newRow("lesson, kept") << "setup"
                                  << "lesson1"
                                  << "lesson1.quellor" << true << false << false;
    QTest::newRow("lesson, replaced") << "setup"
                                      << "lesson1"
                                      << "lesson1.quellor" << true << true << false;
    QTest::newRow("lesson, new") << "setup"
                                 << "lesson2"
                                 << "lesson2.quellor" << false << false << false;
    QTest::newRow("table, kept") << "csv"
                                 << "измерения"
                                 << "измерения.csv" << true << false << false;
    QTest::newRow("table, new") << "csv"
                                << "таблица"
                                << "таблица.csv" << false << false << false;
    QTest::newRow("picture, kept") << "picture"
                                   << "quellor"
                                   << "quellor.png" << true << false << false;
    QTest::newRow("lesson, a dangling link kept") << "setup"
                                                  << "lesson3"
                                                  << "lesson3.quellor" << true << false << true;
}

// A name typed without its suffix: the file written under the final name is
// asked about once before it is replaced, and kept when the answer is no.
void TestHostile::savedNames() {
    QFETCH(QString, save);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(bool, present);
    QFETCH(bool, replace);
    QFETCH(bool, dangling);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString target = folder.filePath(written);
    const QByteArray old("a lesson prepared before");
    if (present && dangling)
        QVERIFY(QFile::link(folder.filePath(QStringLiteral("gone")), target));
    else if (present)
        QVERIFY(writeBytes(target, old));
    auto w = TestSupport::startWindow();
    const QMessageBox::StandardButton answer = replace ? QMessageBox::Yes : QMessageBox::No;
    MessageLog log(answer);
    const auto dialogAsked = typeInNextFileDialog(folder.filePath(typed), answer);
    if (save == QLatin1String("setup")) {
        w->view().File().saveAs();
    } else if (save == QLatin1String("picture")) {
        PictureExport::save(&*w, WindowExport::modelOf(*w));
    } else {
        w->view().Lesson().toggleGraph();
        QVERIFY(w->view().Lesson().graph() && w->view().Lesson().graph()->isVisible());
        clickOn(
            w->view().Lesson().graph()->findChild<QPushButton*>(QStringLiteral("cmdExportCsv")));
    }
    // Asked once, by the dialog (which knows the picture's suffix) or after it.
    QCOMPARE(int(log.shown.size()) + *dialogAsked, present ? 1 : 0);
    if (!log.shown.empty()) {
        QCOMPARE(log.shown.front().format, Qt::PlainText);
        QVERIFY2(log.shown.front().text.contains(QDir::toNativeSeparators(target)),
                 qPrintable(log.shown.front().text));
    }
    const bool kept = present && !replace;
    if (dangling) {
        QCOMPARE(QFileInfo(target).isSymLink(), kept);
        QCOMPARE(QFileInfo::exists(target), !kept);
    } else {
        QCOMPARE(bytesOf(target) == old, kept);
        QCOMPARE(QFileInfo::exists(target), true);
    }
    QVERIFY(!QFileInfo::exists(folder.filePath(typed)));
}

void TestHostile::fileSizeLimit_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("worksheet of a lesson")
        << QStringList{"--worksheet", "sheet.pdf", "lesson.quellor"};
}

// Under a file-size limit of nothing the write fails and is reported; the
// program ends by itself instead of being killed by SIGXFSZ.
void TestHostile::fileSizeLimit() {
    QFETCH(QStringList, arguments);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(writeBytes(folder.filePath(QStringLiteral("lesson.quellor")), aLesson()));
    QProcess program;
    program.setWorkingDirectory(folder.path());
    program.setChildProcessModifier([] {
        const rlimit nothing{0, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &nothing);
    });
    program.start(QStringLiteral(QUELLOR_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(kProgramWaitMs));
    const QString said = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QVERIFY2(said.contains(QStringLiteral("«sheet.pdf»")), qPrintable(said));
    QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("sheet.pdf"))));
}

void TestHostile::fifoSwap_data() {
    QTest::addColumn<int>("seconds"); // how long the name is swapped
    QTest::addColumn<int>("grace");   // after that, how long one read may still take
    QTest::newRow("five seconds of swaps") << 5 << 5;
}

// A name swapped again and again between a lesson and a FIFO by atomic
// renames: every read ends, with the lesson or with a refusal.
void TestHostile::fifoSwap() {
    QFETCH(int, seconds);
    QFETCH(int, grace);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray race = QFile::encodeName(folder.filePath(QStringLiteral("race.quellor")));
    const QByteArray regular = QFile::encodeName(folder.filePath(QStringLiteral("r.tmp")));
    const QByteArray fifo = QFile::encodeName(folder.filePath(QStringLiteral("f.tmp")));
    const QByteArray lesson = aLesson();
    std::atomic<bool> swapping{true};
    std::thread swapper([&] {
        while (swapping) {
            writeBytes(QFile::decodeName(regular), lesson);
            ::rename(regular.constData(), race.constData());
            ::mkfifo(fifo.constData(), 0600);
            ::rename(fifo.constData(), race.constData());
        }
    });
    // Shared, so that a reader stuck for good can be left behind.
    auto reads = std::make_shared<std::atomic<int>>(0);
    auto done = std::make_shared<std::atomic<bool>>(false);
    const QString path = QFile::decodeName(race);
    std::thread reader([reads, done, path, seconds] {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (std::chrono::steady_clock::now() < end) {
            SetupFile::read(path, Bench::setupRanges());
            ++*reads;
        }
        *done = true;
    });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds + grace);
    while (!*done && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    swapping = false;
    swapper.join();
    if (!*done) {
        reader.detach();
        QFAIL(qPrintable(QStringLiteral("a read hung after %1 reads").arg(int(*reads))));
    }
    reader.join();
    QVERIFY(*reads > 0);
}

void TestHostile::absurdScale_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("graph") << int(Qt::Key_G) << int(Qt::ControlModifier);
    QTest::newRow("help") << int(Qt::Key_F1) << int(Qt::NoModifier);
    QTest::newRow("picture") << int(Qt::Key_E) << int(Qt::ControlModifier);
    QTest::newRow("open") << int(Qt::Key_O) << int(Qt::ControlModifier);
    QTest::newRow("save as") << int(Qt::Key_S) << int(Qt::ControlModifier | Qt::ShiftModifier);
}

// Under a scale at which no window fits the screen (this test's own run at
// QT_SCALE_FACTOR=10), a key that would open a window opens none.
void TestHostile::absurdScale() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    if (qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() < 10)
        QSKIP("run under QT_SCALE_FACTOR=10 by its own ctest entry");
    auto w = TestSupport::startWindow();
    QApplication::setActiveWindow(w.get());
    auto opened = std::make_shared<QString>();
    QTimer::singleShot(0, [opened] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            *opened = dialog->windowTitle();
            dialog->close();
        }
    });
    QTest::keyClick(w.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCoreApplication::processEvents();
    QVERIFY2(opened->isEmpty(), qPrintable(*opened));
    QVERIFY(!w->view().Lesson().graph());
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(window == w.get() || !window->isVisible(), qPrintable(window->objectName()));
}

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"
