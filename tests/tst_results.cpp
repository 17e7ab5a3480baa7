// SPDX-License-Identifier: GPL-3.0-or-later
// Results files as a class uses them: a name the window takes is read back
// as typed, the score a file records is the one the check finds from the
// file's own lines, many programs add to one file without losing a line, a
// full file says so, joined files are read, answers the file could not take
// are asked about on leaving, and the check's status and table can be
// trusted by a script and by a terminal.
#include "checkresults.h"
#include "commandbutton.h"
#include "form1.h"
#include "messages.h"
#include "picturebox.h"
#include "resultsfile.h"
#include "resultsheet.h"
#include "task.h"
#include "taskmode.h"
#include "testsupport.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <cstdio>

namespace {
constexpr std::uint64_t kSeed = 4711;
constexpr Tasks::Level kLevel = Tasks::Level::EqualMedia;
constexpr double kCm = 567; // twips
constexpr int kWriters = 30;
constexpr int kEach = 3; // answers each writer adds
// Variables that make this program one writer of the many.
const char kWriterFile[] = "QUELLOR_TEST_APPEND";
const char kWriterName[] = "QUELLOR_TEST_NAME";
const char kWriterStart[] = "QUELLOR_TEST_START";

// A click on a task's true point, or 3 cm beside it (past any tolerance).
Tasks::Answer answer(const std::string& name, int task, bool right, std::uint64_t seed = kSeed) {
    const Tasks::Task t = Tasks::series(seed, kLevel).at(std::size_t(task));
    const Tasks::Verdict truth = Tasks::judge(t, 0, 0);
    return Tasks::answered(name, seed, kLevel, task, truth.trueX,
                           truth.trueY + (right ? 0 : 3 * kCm), 1.5, 0);
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// The check of a file in this process: its findings and its rows.
struct Checked {
    QString table;
    QStringList unreadable;
    int disagreeing = 0;
    int rows = 0;
};
Checked check(const QStringList& files) {
    Checked c;
    c.table = CheckResults::table(files, &c.unreadable, &c.disagreeing);
    c.rows = int(c.table.count(QLatin1Char('\n'))) - 1; // below the header
    if (c.disagreeing > 0)
        c.rows -= c.disagreeing + 2;
    return c;
}

// One of many programs adding to one file: from a given moment, each answer
// as it comes.
int actAsWriter() {
    const QString path = qEnvironmentVariable(kWriterFile);
    const std::string name = qEnvironmentVariable(kWriterName).toStdString();
    const qint64 start = qEnvironmentVariable(kWriterStart).toLongLong();
    while (QDateTime::currentMSecsSinceEpoch() < start)
        QThread::msleep(1);
    for (int task = 0; task < kEach; ++task) {
        std::vector<Tasks::Answer> one{answer(name, task, task != 1)};
        const QString said = ResultsFile::append(path, one);
        if (!said.isEmpty()) {
            std::fputs(qPrintable(said + QLatin1Char('\n')), stderr);
            return 1;
        }
    }
    return 0;
}
} // namespace

class TestResults : public QObject {
    Q_OBJECT

private slots:
    void namesRoundTrip_data();
    void namesRoundTrip();
    void scoreFollowsTheFile_data();
    void scoreFollowsTheFile();
    void manyWritersLoseNothing();
    void fullFileSaysSo();
    void joinedFilesRead();
    void rowPerPupilAndSeries();
    void checkStatus_data();
    void checkStatus();
    void nameTypedOnTheSheet();
    void unwrittenAnswersAskedOnLeaving();
};

// Every name the rule takes is written and read back as typed, on the first
// answer and on one added after it; a name it refuses is never written. No
// field starts with what a spreadsheet takes for a formula.
void TestResults::namesRoundTrip_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("taken");
    const auto row = [](const char* title, const QString& name, bool taken) {
        QTest::newRow(title) << name << taken;
    };
    row("Cyrillic and a class", QStringLiteral("Иванова Мария 8А"), true);
    row("quotes and the separator", QStringLiteral("О'Нил, \"Петя\""), true);
    row("a formula", QStringLiteral("=HYPERLINK(\"http://x\",\"y\")"), true);
    row("a command", QStringLiteral("+cmd|' /C calc'!A0"), true);
    row("a sum", QStringLiteral("@SUM(1+1)"), true);
    row("a minus", QStringLiteral("-2+3"), true);
    row("an apostrophe first", QStringLiteral("'t Hooft"), true);
    row("an emoji", QStringLiteral("Маша 😀"), true);
    row("an emoji of three joined", QStringLiteral("Семья 👨‍👩‍👧"), true);
    row("200 emoji", QStringLiteral("😀").repeated(200), true);
    row("200 letters", QStringLiteral("я").repeated(200), true);
    row("201 letters", QStringLiteral("я").repeated(201), false);
    row("a soft hyphen", QStringLiteral("Ива\u00ADнов"), false);
    row("a direction mark", QStringLiteral("Иванов\u200E"), false);
    row("a zero-width space", QStringLiteral("Ива\u200Bнов"), false);
    row("a joiner alone", QStringLiteral("Иванов\u200D"), false);
    row("a newline", QStringLiteral("Иван\nов"), false);
    row("a tab", QStringLiteral("Иван\tов"), false);
    row("a line separator", QStringLiteral("Иван\u2028ов"), false);
}

void TestResults::namesRoundTrip() {
    QFETCH(QString, name);
    QFETCH(bool, taken);
    QCOMPARE(ResultsFile::nameProblem(name).isEmpty(), taken);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.csv"));
    for (int task = 0; task < 2; ++task) {
        std::vector<Tasks::Answer> one{answer(name.toStdString(), task, task == 0)};
        const QString said = ResultsFile::append(path, one);
        QVERIFY2(said.isEmpty() == taken, qPrintable(said));
    }
    if (!taken) {
        QVERIFY(!QFile::exists(path));
        return;
    }
    const ResultsFile::Result read = ResultsFile::read(path);
    QVERIFY2(read.problem.isEmpty(), qPrintable(read.problem));
    QCOMPARE(int(read.answers.size()), 2);
    for (const Tasks::Answer& a : read.answers)
        QCOMPARE(QString::fromStdString(a.name), name);
    for (const QByteArray& line : bytesOf(path).split('\n').mid(1))
        QVERIFY2(line.isEmpty() || !QByteArray("=+-@").contains(line.at(1)), line.constData());
    const Checked c = check({path});
    QCOMPARE(c.disagreeing, 0);
    QCOMPARE(c.rows, 1);
}

// The window's own mishaps never make an honest answer look forged: a name
// corrected mid-series starts a new row, an answer the file could not take
// is added with the next, lines lost from the file are not counted.
void TestResults::scoreFollowsTheFile_data() {
    QTest::addColumn<QString>("mishap");
    QTest::addColumn<QString>("tasks"); // in the file at the end
    QTest::addColumn<int>("rows");
    QTest::newRow("name corrected") << QStringLiteral("name") << QStringLiteral("01234") << 2;
    QTest::newRow("the file could not take one")
        << QStringLiteral("refused") << QStringLiteral("01234") << 1;
    QTest::newRow("the last line lost") << QStringLiteral("lost") << QStringLiteral("0134") << 1;
}

void TestResults::scoreFollowsTheFile() {
    QFETCH(QString, mishap);
    QFETCH(QString, tasks);
    QFETCH(int, rows);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("results.csv"));
    ResultSheet sheet;
    sheet.setFile(path);
    sheet.setName(QStringLiteral("Петров Илья 9Б"));
    const bool right[] = {true, false, true, true, false};
    int counted = 0; // as the window counts the series
    for (int task = 0; task < 5; ++task) {
        const bool refused = mishap == QLatin1String("refused") && task == 2;
        if (task == 2 && mishap == QLatin1String("name"))
            sheet.setName(QStringLiteral("Петров Илья 9В"));
        if (refused)
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        if (task == 3 && mishap == QLatin1String("lost")) { // another writer's copy won
            QList<QByteArray> kept = bytesOf(path).split('\n');
            kept.removeAt(kept.size() - 2);
            QVERIFY(writeBytes(path, kept.join('\n')));
        }
        const Tasks::Answer a = answer(std::string(), task, right[task]);
        const QString said = sheet.record(kSeed, kLevel, task, a.clickX, a.clickY, counted);
        QVERIFY2(said.isEmpty() != refused, qPrintable(said));
        QCOMPARE(sheet.unwritten(), refused ? 1 : 0);
        if (refused)
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        counted += right[task] ? 1 : 0;
    }
    QString found;
    for (const Tasks::Answer& a : ResultsFile::read(path).answers)
        found += QString::number(a.task);
    QCOMPARE(found, tasks);
    const Checked c = check({path});
    QVERIFY2(c.disagreeing == 0, qPrintable(c.table));
    QCOMPARE(c.rows, rows);
}

// Thirty programs add three answers each to one file at the same moment:
// every line is there, whole, and the check agrees with each.
void TestResults::manyWritersLoseNothing() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.csv"));
    const qint64 start = QDateTime::currentMSecsSinceEpoch() + 1500;
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int i = 0; i < kWriters; ++i) {
        auto writer = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kWriterFile), path);
        env.insert(QString::fromLatin1(kWriterName), QStringLiteral("Ученик %1").arg(i));
        env.insert(QString::fromLatin1(kWriterStart), QString::number(start));
        writer->setProcessEnvironment(env);
        writer->start(QCoreApplication::applicationFilePath(), {});
        writers.push_back(std::move(writer));
    }
    for (auto& writer : writers) {
        QVERIFY(writer->waitForFinished(60000));
        QVERIFY2(writer->exitCode() == 0, writer->readAllStandardError().constData());
    }
    const ResultsFile::Result read = ResultsFile::read(path);
    QVERIFY2(read.problem.isEmpty(), qPrintable(read.problem));
    QCOMPARE(int(read.answers.size()), kWriters * kEach);
    const Checked c = check({path});
    QVERIFY2(c.disagreeing == 0, qPrintable(c.table));
    QCOMPARE(c.rows, kWriters);
    QVERIFY(!QFile::exists(path + QStringLiteral(".lock")));
}

// A file one line short of the reader's limit takes no line more: the
// answer is refused with words saying so, and the file still reads.
void TestResults::fullFileSaysSo() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.csv"));
    const QByteArray line = ResultsFile::line(answer("Иванов", 0, true));
    QByteArray bytes = ResultsFile::header();
    bytes += line.repeated(int((ResultsFile::kMostBytes - bytes.size()) / line.size()));
    QVERIFY(bytes.size() + line.size() > ResultsFile::kMostBytes);
    QVERIFY(writeBytes(path, bytes));
    QVERIFY(ResultsFile::read(path).problem.isEmpty());
    std::vector<Tasks::Answer> one{answer("Иванов", 0, true)};
    const QString said = ResultsFile::append(path, one);
    QVERIFY2(said.contains(QStringLiteral("полон")), qPrintable(said));
    QCOMPARE(bytesOf(path), bytes);
}

// Two files joined one after the other read as two parts, each counted on
// its own; an answer added to the joined file counts on from its last part.
void TestResults::joinedFilesRead() {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.csv")),
                  b = dir.filePath(QStringLiteral("b.csv"));
    for (int task = 0; task < 4; ++task) {
        std::vector<Tasks::Answer> one{answer("Сидорова", task, task != 1)};
        QVERIFY(ResultsFile::append(task < 2 ? a : b, one).isEmpty());
    }
    const QString joined = dir.filePath(QStringLiteral("joined.csv"));
    QVERIFY(writeBytes(joined, bytesOf(a) + bytesOf(b)));
    std::vector<Tasks::Answer> fifth{answer("Сидорова", 4, true)};
    QVERIFY(ResultsFile::append(joined, fifth).isEmpty());
    const ResultsFile::Result read = ResultsFile::read(joined);
    QVERIFY2(read.problem.isEmpty(), qPrintable(read.problem));
    QCOMPARE(int(read.answers.size()), 5);
    QCOMPARE(read.lines.back(), 7); // two headers above the answers
    const Checked c = check({joined});
    QVERIFY2(c.disagreeing == 0, qPrintable(c.table));
    QCOMPARE(c.rows, 2);
}

// Lines of two pupils interleaved, one of them in two series: a row for
// each pupil and series, each with its own tasks.
void TestResults::rowPerPupilAndSeries() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.csv"));
    std::vector<Tasks::Answer> lines{answer("Аня", 0, true), answer("Боря", 0, false),
                                     answer("Аня", 1, true, kSeed + 1), answer("Аня", 1, true),
                                     answer("Боря", 1, true)};
    QVERIFY(writeBytes(path, ResultsFile::write(lines)));
    const Checked c = check({path});
    QVERIFY2(c.disagreeing == 0, qPrintable(c.table));
    const QStringList rows = c.table.split(QLatin1Char('\n')).mid(1, 3);
    QCOMPARE(rows.size(), 3);
    QVERIFY2(rows[0].startsWith(QStringLiteral("Аня")) &&
                 rows[0].contains(QStringLiteral("4711")) &&
                 rows[0].endsWith(QStringLiteral("1+ 2+")),
             qPrintable(c.table));
    QVERIFY2(rows[1].startsWith(QStringLiteral("Боря")) &&
                 rows[1].endsWith(QStringLiteral("1− 2+")),
             qPrintable(c.table));
    QVERIFY2(rows[2].startsWith(QStringLiteral("Аня")) &&
                 rows[2].contains(QStringLiteral("4712")) && rows[2].endsWith(QStringLiteral("2+")),
             qPrintable(c.table));
}

// The program's check as a script sees it: status 0 when every line agrees,
// 1 when one does not, 2 when a file cannot be read or the table cannot be
// written; a file name that holds terminal codes and a newline is printed
// with them made visible, on one line.
void TestResults::checkStatus_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("edited"); // a score changed by hand
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<int>("status");
    QTest::newRow("every line agrees") << QStringLiteral("a.csv") << false << false << 0;
    QTest::newRow("a score edited") << QStringLiteral("a.csv") << true << false << 1;
    QTest::newRow("the table to a full disk") << QStringLiteral("a.csv") << false << true << 2;
    QTest::newRow("terminal codes in the file name")
        << QStringLiteral("x\x1b[2J\nАня 4711 equal 9 из 9.csv") << true << false << 1;
}

void TestResults::checkStatus() {
    QFETCH(QString, file);
    QFETCH(bool, edited);
    QFETCH(bool, fullDisk);
    QFETCH(int, status);
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    std::vector<Tasks::Answer> lines{answer("Аня", 0, true), answer("Аня", 1, false)};
    QByteArray bytes = ResultsFile::write(lines);
    if (edited)
        bytes.replace(",no,1,", ",no,2,");
    QVERIFY(writeBytes(path, bytes));
    QProcess program;
    program.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    if (fullDisk)
        program.setStandardOutputFile(QStringLiteral("/dev/full"));
    program.start(QStringLiteral(QUELLOR_PROGRAM), {QStringLiteral("--check-results"), path});
    QVERIFY(program.waitForFinished(30000));
    const QByteArray out = program.readAllStandardOutput();
    const QString err = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(program.exitCode() == status, qPrintable(err + QString::fromUtf8(out)));
    if (fullDisk)
        QVERIFY2(err.contains(QStringLiteral("таблица не выведена")), qPrintable(err));
    QVERIFY(!out.contains('\x1b'));
    if (edited) {
        const QList<QByteArray> said = out.trimmed().split('\n');
        QVERIFY2(said.last().contains("\\x1B[2J\\x0A") || !file.contains(QLatin1Char('\x1b')),
                 out.constData());
        QCOMPARE(said.size(), 5); // header, row, blank, title, the finding
    }
}

// The name typed on the result sheet: one the file would not take is said
// under the field at once and leaves the name as it was.
void TestResults::nameTypedOnTheSheet() {
    auto window = TestSupport::startWindow();
    window->TaskSeries().results().setName(QStringLiteral("Ivan"));
    QString message;
    bool typed = false;
    QTimer sheet;
    QObject::connect(&sheet, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || typed)
            return;
        typed = true;
        auto* field = modal->findChild<QLineEdit*>();
        QWidget* clicked = TestSupport::clickAt(modal, field->mapTo(modal, field->rect().center()));
        QTest::keyClicks(clicked, QStringLiteral("ov"));
        // A soft hyphen as a keyboard layout types it: a key with its text.
        QKeyEvent softHyphen(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                             QStringLiteral("\u00AD"));
        QApplication::sendEvent(clicked, &softHyphen);
        for (QLabel* label : modal->findChildren<QLabel*>())
            if (label->isVisible() && label->text().contains(QStringLiteral("невидимых")))
                message = label->text();
        QMetaObject::invokeMethod(modal, "reject");
    });
    sheet.start(20);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->picLeft, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    sheet.stop();
    QVERIFY(typed);
    QVERIFY2(!message.isEmpty(), "no word under the field");
    QCOMPARE(window->TaskSeries().results().name(), QStringLiteral("Ivanov"));
}

// An answer the file could not take is asked about on "Выход": cancelled,
// the window stays; once the file takes it, leaving asks nothing and the
// answer is in the file.
void TestResults::unwrittenAnswersAskedOnLeaving() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("results.csv"));
    QVERIFY(writeBytes(path, ResultsFile::header()));
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    auto window = TestSupport::startWindow();
    window->TaskSeries().results().setFile(path);
    window->TaskSeries().results().setName(QStringLiteral("Аня"));
    window->TaskSeries().start(kSeed, kLevel);
    QStringList asked;
    Messages::setHook([&](QMessageBox& box) {
        asked << box.text();
        return box.standardButtons().testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel
                                                                   : QMessageBox::Ok;
    });
    TestSupport::clickAt(window.get(), window->picLeft->mapTo(window.get(), QPoint(5, 5)));
    QVERIFY(window->TaskSeries().session().checked);
    QCOMPARE(asked.size(), 1); // the answer not written, and kept
    TestSupport::clickAt(window.get(), TestSupport::middleOf(window->cmdExit));
    QCOMPARE(asked.size(), 2);
    QVERIFY2(asked.last().contains(QStringLiteral("не записанных")), qPrintable(asked.last()));
    QVERIFY(window->isVisible());
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    TestSupport::clickAt(window.get(), TestSupport::middleOf(window->cmdExit));
    Messages::setHook({});
    QCOMPARE(asked.size(), 2);
    QVERIFY(!window->isVisible());
    QCOMPARE(int(ResultsFile::read(path).answers.size()), 1);
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsSet(kWriterFile)) {
        QCoreApplication core(argc, argv);
        return actAsWriter();
    }
    QApplication app(argc, argv);
    TestResults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_results.moc"
