// SPDX-License-Identifier: GPL-3.0-or-later
// Results files as the window writes them: scores the check reproduces after
// the window's mishaps, and the window's words about names and answers (the
// files themselves are tested without a window: logic/tst_taskresults.cpp).
#include "checkresults.h"
#include "commandbutton.h"
#include "form1.h"
#include "logic/fixtures.h"
#include "messages.h"
#include "picturebox.h"
#include "resultsfile.h"
#include "resultsheet.h"
#include "resultsheetdialog.h"
#include "taskmode.h"
#include "testsupport.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {
using Fixtures::bytesOf;
using Fixtures::rowsOf;
using Fixtures::writeBytes;
constexpr std::uint64_t kSeed = 4711;
constexpr Tasks::Level kLevel = Tasks::Level::EqualMedia;

// A click on a task's true point, or 3 cm (past the tolerance) below it.
Tasks::Answer answer(const std::string& name, int task, bool right, std::uint64_t seed = kSeed) {
    // Judged at the bench's top left corner: the true point is the nearer focus.
    const Tasks::Verdict truth = Tasks::judge(Tasks::series(seed, kLevel).at(std::size_t(task)),
                                              -7500 / 567.0, 3990 / 567.0);
    return Tasks::answered(name, seed, kLevel, task, truth.trueZ,
                           truth.trueHeight - (right ? 0 : 3.0), 1.5, 0);
}
} // namespace

class TestResults : public QObject {
    Q_OBJECT

private slots:
    void scoreFollowsTheFile_data();
    void scoreFollowsTheFile();
    void windowSaysAndAsks();
};

// Mishaps of the window never make an honest answer look forged: a corrected
// name starts a row, an answer the file refused follows with the next, a
// lost line is not counted on.
void TestResults::scoreFollowsTheFile_data() {
    QTest::addColumn<QString>("mishap");
    QTest::addColumn<QString>("tasks"); // in the file at the end
    QTest::addColumn<int>("rows");
    QTest::newRow("name corrected") << QStringLiteral("name") << QStringLiteral("01234") << 2;
    QTest::newRow("one refused") << QStringLiteral("refused") << QStringLiteral("01234") << 1;
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
    sheet.setName(QStringLiteral("Петров 9Б"));
    const bool right[] = {true, false, true, true, false};
    for (int task = 0, counted = 0; task < 5; counted += right[task++]) {
        const bool refused = mishap == QLatin1String("refused") && task == 2;
        if (mishap == QLatin1String("name") && task == 2)
            sheet.setName(QStringLiteral("Петров 9В"));
        QFile::setPermissions(path, refused ? QFileDevice::ReadOwner
                                            : QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (mishap == QLatin1String("lost") && task == 3) { // another copy of the file won
            QList<QByteArray> kept = bytesOf(path).split('\n');
            kept.removeAt(kept.size() - 2);
            QVERIFY(writeBytes(path, kept.join('\n')));
        }
        const Tasks::Answer a = answer(std::string(), task, right[task]);
        QCOMPARE(sheet.record(kSeed, kLevel, task, a.clickZ, a.clickHeight, counted).isEmpty(),
                 !refused);
        QCOMPARE(sheet.unwritten(), refused ? 1 : 0);
    }
    QString found;
    for (const Tasks::Answer& a : ResultsFile::read(path).answers)
        found += QString::number(a.task);
    QCOMPARE(found, tasks);
    QCOMPARE(rowsOf(path).size(), rows);
}

// The window: a name the file would not take is said under the sheet's field
// and not used; an answer the file refused is asked about on "Выход", and
// leaving once the file takes it asks nothing and writes it.
void TestResults::windowSaysAndAsks() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("results.csv"));
    QVERIFY(writeBytes(path, ResultsFile::header()));
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    w->view().TaskSeries().results().setFile(path);
    {
        ResultSheet& results = w->view().TaskSeries().results();
        results.setName(QStringLiteral("Ivan"));
        ResultSheetDialog sheet(w.get(), results, Optics::Scale());
        sheet.show();
        auto* field = sheet.findChild<QLineEdit*>();
        QTest::keyClicks(TestSupport::clickAt(&sheet, field->mapTo(&sheet, field->rect().center())),
                         "ov");
        QKeyEvent softHyphen(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, "\u00AD");
        QApplication::sendEvent(field, &softHyphen);
        QCOMPARE(results.name(), QStringLiteral("Ivanov"));
        QString said; // under the field
        for (QLabel* label : sheet.findChildren<QLabel*>())
            said += label->isVisible() ? label->text() : QString();
        QVERIFY2(said.contains(QStringLiteral("невидимых")), qPrintable(said));
    }
    w->view().TaskSeries().start(kSeed, kLevel);
    QStringList asked;
    Messages::setHook([&](QMessageBox& box) {
        asked << box.text();
        return box.standardButtons() & QMessageBox::Cancel ? QMessageBox::Cancel : QMessageBox::Ok;
    });
    TestSupport::clickAt(w.get(), ui.picLeft->mapTo(w.get(), QPoint(5, 5)));
    TestSupport::clickAt(w.get(), TestSupport::middleOf(ui.cmdExit));
    QCOMPARE(asked.size(), 2); // the answer not written, then the question
    QVERIFY2(asked.last().contains(QStringLiteral("не записанных")), qPrintable(asked.last()));
    QVERIFY(w->isVisible());
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    TestSupport::clickAt(w.get(), TestSupport::middleOf(ui.cmdExit));
    Messages::setHook({});
    QVERIFY(asked.size() == 2 && !w->isVisible());
    QCOMPARE(int(ResultsFile::read(path).answers.size()), 1);
}

QTEST_MAIN(TestResults)
#include "tst_results.moc"
