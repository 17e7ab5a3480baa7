// SPDX-License-Identifier: GPL-3.0-or-later
// Tasks for pupils in the window: a click at the image or focus worked out
// here from the thin-lens law is judged in the words and notation shown, and
// the task mode blocks what would reveal the answer and puts the bench back on
// leaving. The generator and the judge alone: logic/tst_taskresults.cpp.
#include "benchoptics.h"
#include "commandbutton.h"
#include "form1.h"
#include "label.h"
#include "logic/taskpoints.h"
#include "picturebox.h"
#include "setupfile.h"
#include "slider.h"
#include "task.h"
#include "taskmode.h"
#include "testsupport.h"

#include "resultsfile.h"
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <cmath>

namespace {
using namespace TaskPoints;

// A key as the keyboard delivers it to the left area of the active window
// (shortcuts first).
void keyToWindow(Form1* w, Qt::Key key, Qt::KeyboardModifiers modifiers, const char* text) {
    const auto ui = TestSupport::controlsOf(*w);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::simulateEvent(ui.picLeft, true, key, modifiers, QString::fromLatin1(text), false);
    QTest::simulateEvent(ui.picLeft, false, key, modifiers, QString::fromLatin1(text), false);
}

constexpr double kMargin = 300; // twips inside the areas' edges
} // namespace

Q_DECLARE_METATYPE(Tasks::Task)

class TestTasks : public QObject {
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    void taskModeAnswersAndRestores();
    void taskModeLocksTheLesson_data();
    void taskModeLocksTheLesson();
    void editorClosedByTask();
    void escapeLeavesTaskBeforeFullScreen();
    void oneRedrawPerStep_data();
    void oneRedrawPerStep();
    void verdictWords();
    void ruleInNotation_data();
    void ruleInNotation();
    void shortSeedOffered();
    void resultsRejudged_data();
    void resultsRejudged();
    void resultSheetSaved_data();
    void resultSheetSaved();
    void seriesEndsWithSheet_data();
    void seriesEndsWithSheet();
    void fociHiddenInFocusTask_data();
    void fociHiddenInFocusTask();
    void twoLensTaskAnswered_data();
    void twoLensTaskAnswered();
};

void TestTasks::commandLine_data() {
    QTest::addColumn<QString>("seed");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("a seed") << QStringLiteral("42") << 0;
    QTest::newRow("largest") << QStringLiteral("18446744073709551615") << 0;
    QTest::newRow("too large") << QStringLiteral("18446744073709551616") << 1;
    QTest::newRow("garbage") << QStringLiteral("4x2") << 1;
    QTest::newRow("negative") << QStringLiteral("-3") << 1;
}

void TestTasks::commandLine() {
    QFETCH(QString, seed);
    QProcess program;
    program.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    program.start(QStringLiteral(QUELLOR_PROGRAM),
                  {QStringLiteral("--tasks"), seed, QStringLiteral("--list-tasks")});
    QVERIFY(program.waitForFinished(30000));
    QTEST(program.exitCode(), "exitCode");
    if (program.exitCode() == 0) {
        QCOMPARE(program.readAllStandardOutput().trimmed().split('\n').size(), 10);
    } else {
        QVERIFY(program.readAllStandardError().contains("--tasks"));
        QVERIFY(program.readAllStandardOutput().isEmpty());
    }
}

void TestTasks::taskModeAnswersAndRestores() {
    auto window = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*window);
    // A bench of the teacher's: diverging, other media, scheme, an object,
    // the labels on.
    TestSupport::clickButton(window.get(), QStringLiteral("cmdRas"));
    TestSupport::dragSliderTo(ui.sldn1, 10);
    TestSupport::dragSliderTo(ui.sldR1, 20);
    TestSupport::clickButton(window.get(), QStringLiteral("cmdCx"));
    TestSupport::dragAt(ui.picLeft, TestSupport::pixelOf(ui.picLeft, 4000, 3000));
    TestSupport::clickButton(window.get(), QStringLiteral("cmdLabels"));
    const BenchState before = *window;
    const int sliderBefore = ui.sldR1->value();

    keyToWindow(window.get(), Qt::Key_T, Qt::ControlModifier, "t");
    QVERIFY(window->view().TaskModeOn());
    QVERIFY(!ui.sldn1->isEnabled() && !ui.cmdSob->isEnabled());
    const Tasks::Task task = window->view().TaskSeries().session().tasks.front();
    QCOMPARE(window->ObjectX, float(objectXOf(task)));
    QCOMPARE(window->ObjectY, float(objectYOf(task)));
    // The answer clicked where the model puts it: the verdict counts it.
    const Expected e = expectedOf(task);
    const double x = task.kind == Tasks::Kind::FindImage ? e.x : kLens + e.fBack;
    const double y = task.kind == Tasks::Kind::FindImage ? e.y : kAxis;
    PictureBox* area = x > kLens ? ui.picRigth : ui.picLeft;
    // Delivered to whatever lies at that point of the window, as a pupil's click.
    TestSupport::clickAt(
        window.get(),
        area->mapTo(window.get(), TestSupport::pixelOf(area, x > kLens ? x - kLens : x, y)));
    QVERIFY(window->view().TaskSeries().session().checked);
    QVERIFY2(window->view().TaskSeries().session().verdict.counted,
             qPrintable(window->view().TaskLines()[2]->Caption()));
    QVERIFY(window->view().TaskLines()[2]->Caption().startsWith(QStringLiteral("Засчитано")));
    // A drag in the left area after it moves nothing and answers nothing.
    TestSupport::dragAt(ui.picLeft, TestSupport::pixelOf(ui.picLeft, 1000, 1000));
    QCOMPARE(window->ObjectX, float(objectXOf(task)));
    QVERIFY(window->view().TaskSeries().session().verdict.counted);

    keyToWindow(window.get(), Qt::Key_Escape, Qt::NoModifier, "\x1b");
    QVERIFY(!window->view().TaskModeOn());
    QVERIFY(ui.sldn1->isEnabled());
    QCOMPARE(ui.sldR1->value(), sliderBefore);
    QCOMPARE(window->n1, before.n1);
    QCOMPARE(window->N, before.N);
    QCOMPARE(window->n2, before.n2);
    QCOMPARE(window->R1, before.R1);
    QCOMPARE(window->R2, before.R2);
    QCOMPARE(window->ObjectX, before.ObjectX);
    QCOMPARE(window->ObjectY, before.ObjectY);
    QCOMPARE(window->ConvergingChosen, before.ConvergingChosen);
    QCOMPARE(window->SchemeView, before.SchemeView);
    QCOMPARE(window->ShowLabels, before.ShowLabels);
    QCOMPARE(window->ShowThirdRay, before.ShowThirdRay);
    QCOMPARE(window->ImageX, before.ImageX);
}

// What a pupil could use to see the answer or change the task, by its key
// and by its button on the lesson strip: off while a task is set, on again
// after it.
void TestTasks::taskModeLocksTheLesson_data() {
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("button");
    QTest::newRow("print") << QKeySequence(QKeySequence::Print) << "cmdPrint";
    QTest::newRow("copy") << QKeySequence(QKeySequence::Copy) << "cmdCopy";
    QTest::newRow("export") << QKeySequence(Qt::CTRL | Qt::Key_E) << "cmdSave";
    QTest::newRow("save") << QKeySequence(QKeySequence::Save) << "cmdSaveSetup";
    QTest::newRow("save as") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) << "";
    QTest::newRow("open") << QKeySequence(QKeySequence::Open) << "cmdOpen";
    QTest::newRow("graph") << QKeySequence(Qt::CTRL | Qt::Key_G) << "cmdGraph";
    QTest::newRow("record") << QKeySequence(Qt::CTRL | Qt::Key_R) << "cmdRecord";
    QTest::newRow("motion") << QKeySequence(Qt::CTRL | Qt::Key_M) << "cmdMotion";
    QTest::newRow("labels") << QKeySequence(Qt::CTRL | Qt::Key_L) << "cmdLabels";
    QTest::newRow("third ray") << QKeySequence(Qt::CTRL | Qt::Key_3) << "cmdThirdRay";
}

void TestTasks::taskModeLocksTheLesson() {
    QFETCH(QKeySequence, keys);
    QFETCH(QString, button);
    auto window = TestSupport::startWindow();
    // The shortcut the key would fire, and the control standing at the
    // button's place on the window.
    const auto shortcutOn = [&] {
        for (const QAction* action : window->actions())
            if (action->shortcuts().contains(keys))
                return action->isEnabled();
        qFatal("no action for %s", qPrintable(keys.toString()));
    };
    const auto buttonOn = [&] {
        if (button.isEmpty())
            return true;
        const auto* placed = window->findChild<QWidget*>(button);
        const QPoint centre = placed->mapTo(window.get(), placed->rect().center());
        QWidget* there = window->childAt(centre);
        return there == placed && there->isEnabled();
    };
    QVERIFY(shortcutOn());
    QVERIFY(buttonOn());
    keyToWindow(window.get(), Qt::Key_T, Qt::ControlModifier, "t");
    QVERIFY(window->view().TaskModeOn());
    QVERIFY(!shortcutOn());
    QVERIFY(button.isEmpty() || !buttonOn());
    keyToWindow(window.get(), Qt::Key_Escape, Qt::NoModifier, "\x1b");
    QVERIFY(!window->view().TaskModeOn());
    QVERIFY(shortcutOn());
    QVERIFY(buttonOn());
}

// An index editor open when the task starts closes without taking its text:
// the task's lens stays as the task set it.
void TestTasks::editorClosedByTask() {
    auto window = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*window);
    TestSupport::clickAt(window.get(), TestSupport::middleOf(ui.lblN));
    auto* editor = window->findChild<QLineEdit*>(QStringLiteral("readoutEditor"));
    QVERIFY(editor && editor->isVisible());
    editor->setText(QStringLiteral("1"));
    keyToWindow(window.get(), Qt::Key_T, Qt::ControlModifier, "t");
    QVERIFY(window->view().TaskModeOn());
    QVERIFY(!editor->isVisible());
    const double taskIndex = window->view().TaskSeries().session().tasks.front().N;
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(window->N, taskIndex);
    // Nor does it open again while the task is set.
    TestSupport::clickAt(window.get(), TestSupport::middleOf(ui.lblN));
    QVERIFY(!editor->isVisible());
}

// The task's line says "выход: Esc": in full screen too, Esc leaves the task
// first, then the full screen.
void TestTasks::escapeLeavesTaskBeforeFullScreen() {
    auto window = TestSupport::startWindow();
    keyToWindow(window.get(), Qt::Key_F11, Qt::NoModifier, "");
    QVERIFY(window->isFullScreen());
    keyToWindow(window.get(), Qt::Key_T, Qt::ControlModifier, "t");
    QVERIFY(window->view().TaskModeOn());
    keyToWindow(window.get(), Qt::Key_Escape, Qt::NoModifier, "\x1b");
    QVERIFY(!window->view().TaskModeOn());
    QVERIFY(window->isFullScreen());
    keyToWindow(window.get(), Qt::Key_Escape, Qt::NoModifier, "\x1b");
    QVERIFY(!window->isFullScreen());
}

// Putting a task on the bench, moving to the next one and leaving each set
// every parameter, then draw the bench once.
void TestTasks::oneRedrawPerStep_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+T") << int(Qt::Key_T) << int(Qt::ControlModifier);
    QTest::newRow("Ctrl+N") << int(Qt::Key_N) << int(Qt::ControlModifier);
    QTest::newRow("Ctrl+Shift+T") << int(Qt::Key_T) << int(Qt::ControlModifier | Qt::ShiftModifier);
    QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier);
}

void TestTasks::oneRedrawPerStep() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    auto window = TestSupport::startWindow();
    if (key != Qt::Key_T || modifiers != Qt::ControlModifier)
        keyToWindow(window.get(), Qt::Key_T, Qt::ControlModifier, "t");
    const int before = window->view().Redraws();
    keyToWindow(window.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers), "");
    QCOMPARE(window->view().Redraws() - before, 1);
}

// Clicked at the true image, each task of a series says so in Russian words the
// model settles: the kind (real right of the lens, upright on the object's side
// of the axis, enlarged or diminished by |magnification|) and the distances
// with the decimal comma.
void TestTasks::verdictWords() {
    auto window = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*window);
    QApplication::setActiveWindow(window.get());
    // A series that holds a focus task with a virtual image: its rule says the
    // ray's extension, not the ray, passes through the image.
    std::uint64_t seed = 0;
    const auto virtualFocusTask = [](const Tasks::Task& t) {
        return t.kind == Tasks::Kind::FindFocus && t.region == Tasks::Region::InsideF;
    };
    for (std::vector<Tasks::Task> tasks = Tasks::series(seed, Tasks::Level::Mixed);
         std::none_of(tasks.begin(), tasks.end(), virtualFocusTask);
         tasks = Tasks::series(++seed, Tasks::Level::Mixed)) {
    }
    window->view().TaskSeries().start(seed, Tasks::Level::Mixed);
    const QRegularExpression distance(
        QStringLiteral("^Засчитано: ваша точка в \\d+,\\d\\d см от .+ \\(допуск 0,50 см\\)"));
    int imageTasks = 0;
    for (int i = 0; i < 10; ++i) {
        const Tasks::Task task = window->view().TaskSeries().session().tasks[std::size_t(i)];
        const Expected e = expectedOf(task);
        const bool image = task.kind == Tasks::Kind::FindImage;
        const double x = image ? e.x : kLens + e.fBack;
        const double y = image ? e.y : kAxis;
        PictureBox* area = x > kLens ? ui.picRigth : ui.picLeft;
        // Delivered to whatever lies at that point of the window, as a pupil's click.
        TestSupport::clickAt(
            window.get(),
            area->mapTo(window.get(), TestSupport::pixelOf(area, x > kLens ? x - kLens : x, y)));
        const QString said = window->view().TaskLines()[2]->Caption();
        QVERIFY2(distance.match(said).hasMatch(), qPrintable(said));
        if (!image) {
            const bool throughExtension = task.region == Tasks::Region::InsideF || !task.converging;
            QCOMPARE(
                window->view().TaskLines()[3]->Caption().contains(QStringLiteral("продолжение")),
                throughExtension);
        }
        if (image) {
            ++imageTasks;
            const double size = std::fabs(e.m);
            const QString words =
                QStringList{e.b > 0 ? QStringLiteral("действительное") : QStringLiteral("мнимое"),
                            e.m > 0 ? QStringLiteral("прямое") : QStringLiteral("перевёрнутое"),
                            // the same size where Γ shows as 1,00 beside the words
                            std::fabs(size - 1) < 0.005 ? QStringLiteral("равное")
                            : size > 1                  ? QStringLiteral("увеличенное")
                                                        : QStringLiteral("уменьшенное")}
                    .join(QStringLiteral(", "));
            QCOMPARE(window->view().TaskLines()[3]->Caption(),
                     QStringLiteral("Вид верен: %1.").arg(words));
        }
        window->view().TaskSeries().next();
    }
    QVERIFY(imageTasks > 0);
}

// The verdict's rule names the object's region as the notation shown writes
// it, in each notation and language: "d > 2F" in the Russian school's, "u > 2f"
// in the UK's, "d > 2f" with signs.
void TestTasks::ruleInNotation_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("presses"); // of Ctrl+Shift+N during the task
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("F");
    QTest::addColumn<QString>("rule"); // the rule's first word
    QTest::newRow("Russian, default") << false << 0 << "d"
                                      << "F"
                                      << "Правило: ";
    QTest::newRow("Russian, UK") << false << 1 << "u"
                                 << "f"
                                 << "Правило: ";
    QTest::newRow("Russian, signed") << false << 2 << "d"
                                     << "f"
                                     << "Правило: ";
    QTest::newRow("English, default") << true << 0 << "u"
                                      << "f"
                                      << "Rule: ";
    QTest::newRow("English, signed") << true << 1 << "d"
                                     << "f"
                                     << "Rule: ";
    QTest::newRow("English, Russian") << true << 2 << "d"
                                      << "F"
                                      << "Rule: ";
}

// The notation changes while a task is set, and the rule follows it.
void TestTasks::ruleInNotation() {
    QFETCH(bool, english);
    QFETCH(int, presses);
    QFETCH(QString, d);
    QFETCH(QString, F);
    QFETCH(QString, rule);
    QTranslator translator;
    if (english) {
        QVERIFY(translator.load(QStringLiteral(":/i18n/quellor_en.qm")));
        QCoreApplication::installTranslator(&translator);
    }
    auto window = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*window);
    QApplication::setActiveWindow(window.get());
    window->view().TaskSeries().start(1, Tasks::Level::EqualMedia);
    for (int i = 0; i < presses; ++i)
        keyToWindow(window.get(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier, "N");
    int checked = 0;
    // The last answer ends the series and opens its result sheet: closed.
    bool closed = false;
    QTimer sheet;
    QObject::connect(&sheet, &QTimer::timeout, [&closed] {
        if (QWidget* modal = QApplication::activeModalWidget())
            closed = QMetaObject::invokeMethod(modal, "reject");
    });
    sheet.start(20);
    for (int i = 0; i < 10; ++i) {
        const Tasks::Task task = window->view().TaskSeries().session().tasks[std::size_t(i)];
        const Expected e = expectedOf(task);
        const double x = task.kind == Tasks::Kind::FindImage ? e.x : kLens + e.fBack;
        const double y = task.kind == Tasks::Kind::FindImage ? e.y : kAxis;
        PictureBox* area = x > kLens ? ui.picRigth : ui.picLeft;
        TestSupport::clickAt(
            window.get(),
            area->mapTo(window.get(), TestSupport::pixelOf(area, x > kLens ? x - kLens : x, y)));
        // The object's distance against the focal length, from the task's own numbers.
        const double distance = kLens - objectXOf(task);
        const QString where = !task.converging || task.kind != Tasks::Kind::FindImage ? QString()
                              : std::fabs(distance - 2 * e.f) < 0.5 ? d + " = 2" + F
                              : distance > 2 * e.f                  ? d + " > 2" + F
                              : distance > e.f                      ? F + " < " + d + " < 2" + F
                                                                    : d + " < " + F;
        if (!where.isEmpty()) {
            QCOMPARE(window->view().TaskLines()[4]->Caption().left(rule.size() + where.size()),
                     rule + where);
            ++checked;
        }
        window->view().TaskSeries().next();
    }
    QVERIFY(checked > 0);
    QTRY_VERIFY(closed);
    // Leaving the task puts its bench back, and keeps the letters chosen.
    const QString letters = ui.cmdNotation->text();
    keyToWindow(window.get(), Qt::Key_Escape, Qt::NoModifier, "\x1b");
    QVERIFY(!window->view().TaskModeOn());
    QCOMPARE(ui.cmdNotation->text(), letters);
    QCoreApplication::removeTranslator(&translator);
}

// A series started from the window is one a teacher can dictate: six digits
// at most, and the status line says it.
void TestTasks::shortSeedOffered() {
    auto window = TestSupport::startWindow();
    for (int start = 0; start < 5; ++start) {
        keyToWindow(window.get(), Qt::Key_T, Qt::ControlModifier, "t");
        QVERIFY(window->view().TaskModeOn());
        const std::uint64_t seed = window->view().TaskSeries().session().seed;
        QVERIFY2(seed < 1000000, qPrintable(QString::number(seed)));
        QVERIFY(window->view().TaskLines()[1]->Caption().contains(
            QStringLiteral("Серия %1,").arg(QString::number(seed))));
        keyToWindow(window.get(), Qt::Key_Escape, Qt::NoModifier, "\x1b");
    }
}

// A series answered in the window, each answer added to a results file as it
// is given, then checked by the program from the seeds alone: the score it
// finds is the one the pupil saw, and a verdict or a score edited in the file
// is named, with status 1 (a file name's terminal codes shown, not obeyed); a
// file that is no results file, or a table not written, gives status 2.
void TestTasks::resultsRejudged_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("out"); // where standard output goes, if not read
    const QString csv = QStringLiteral("results.csv");
    QTest::newRow("as recorded") << QString() << 0 << QString() << csv << QString();
    QTest::newRow("a verdict edited") << "verdict" << 1 << "вердикт" << csv << QString();
    QTest::newRow("the score edited") << "score" << 1 << "счёт" << csv << QString();
    QTest::newRow("garbage") << "garbage" << 2 << csv << csv << QString();
    QTest::newRow("the table to a full disk")
        << QString() << 2 << "таблица не выведена" << csv << "/dev/full";
    QTest::newRow("terminal codes in the file name") << "score" << 1 << "x\\x1B[2J\\x0AИванова"
                                                     << "x\x1b[2J\nИванова.csv" << QString();
}

void TestTasks::resultsRejudged() {
    QFETCH(QString, edit);
    QFETCH(int, status);
    QFETCH(QString, said);
    QFETCH(QString, fileName);
    QFETCH(QString, out);
    const QString name = QStringLiteral("Иванова Мария 8А");
    QTemporaryDir dir;
    const QString file = dir.filePath(fileName);
    auto window = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*window);
    window->view().TaskSeries().results().setFile(file);
    window->view().TaskSeries().results().setName(name);
    window->view().TaskSeries().start(4711, Tasks::Level::EqualMedia);
    // Right, wrong by two centimetres, right.
    for (const bool right : {true, false, true}) {
        const Tasks::Task task = window->view().TaskSeries().session().tasks.at(
            std::size_t(window->view().TaskSeries().session().index));
        const Expected e = expectedOf(task);
        const double x = task.kind == Tasks::Kind::FindImage ? e.x : kLens + e.fBack;
        double y = task.kind == Tasks::Kind::FindImage ? e.y : kAxis;
        if (!right)
            y += y < kHeight / 2 ? 2 * kCm : -2 * kCm;
        PictureBox* area = x > kLens ? ui.picRigth : ui.picLeft;
        TestSupport::clickAt(
            window.get(),
            area->mapTo(window.get(), TestSupport::pixelOf(area, x > kLens ? x - kLens : x, y)));
        QVERIFY(window->view().TaskSeries().session().checked);
        QCOMPARE(window->view().TaskSeries().session().verdict.counted, right);
        keyToWindow(window.get(), Qt::Key_N, Qt::ControlModifier, "n");
    }
    QCOMPARE(window->view().TaskSeries().session().counted, 2);

    QFile recorded(file);
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = recorded.readAll().split('\n');
    recorded.close();
    QCOMPARE(lines.size(), 5); // the header, three answers, the end
    const int kVerdict = 7, kScore = 8;
    if (edit == QLatin1String("verdict")) {
        QList<QByteArray> fields = lines[2].split(',');
        QCOMPARE(fields[kVerdict], QByteArray("no"));
        fields[kVerdict] = "yes";
        lines[2] = fields.join(',');
    } else if (edit == QLatin1String("score")) {
        QList<QByteArray> fields = lines[3].split(',');
        QCOMPARE(fields[kScore], QByteArray("2"));
        fields[kScore] = "3";
        lines[3] = fields.join(',');
    } else if (edit == QLatin1String("garbage")) {
        lines = {QByteArray("\x7f"
                            "ELF garbage\x01\x02")};
    }
    QVERIFY(recorded.open(QIODevice::WriteOnly | QIODevice::Truncate));
    recorded.write(lines.join('\n'));
    recorded.close();

    QProcess program;
    program.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    if (!out.isEmpty())
        program.setStandardOutputFile(out);
    program.start(QStringLiteral(QUELLOR_PROGRAM), {QStringLiteral("--check-results"), file});
    QVERIFY(program.waitForFinished(30000));
    out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitCode(), status);
    QVERIFY2(!out.contains(QChar(0x1b)) && !err.contains(QChar(0x1b)), qPrintable(out + err));
    if (status == 2) {
        QVERIFY2(err.contains(said), qPrintable(err));
        return;
    }
    // The row: the name, the series, the score judged again, each task's verdict.
    const QRegularExpression row(
        QStringLiteral("^%1\\s+4711\\s+equal\\s+2 из 3\\s+(1\\+!? 2−!? 3\\+!?)$")
            .arg(QRegularExpression::escape(name)),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = row.match(out);
    QVERIFY2(match.hasMatch(), qPrintable(out));
    // A task whose record the judging does not give is marked.
    QCOMPARE(match.captured(1).contains(QLatin1Char('!')), !said.isEmpty());
    if (!said.isEmpty())
        QVERIFY2(out.contains(said), qPrintable(out));
}

// The result sheet (Ctrl+Shift+R): the name typed there names the answers
// given, and "Сохранить CSV…" writes them as a results file the program reads
// back, each verdict as the pupil saw it.
void TestTasks::resultSheetSaved_data() {
    QTest::addColumn<int>("answers");
    QTest::newRow("two answers, the first right") << 2;
}

void TestTasks::resultSheetSaved() {
    QFETCH(int, answers);
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("sheet.csv"));
    const QString name = QStringLiteral("Petrov Ilya 9B"); // typed key by key
    auto window = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*window);
    window->view().TaskSeries().start(77, Tasks::Level::EqualMedia);
    std::vector<bool> seen;
    for (int i = 0; i < answers; ++i) {
        // The first at the true point, the others at the far corner of the left area.
        const Tasks::Task task = window->view().TaskSeries().session().tasks.at(std::size_t(i));
        const Expected e = expectedOf(task);
        const double x = i > 0                                 ? kMargin
                         : task.kind == Tasks::Kind::FindImage ? e.x
                                                               : kLens + e.fBack;
        const double y = i > 0                                 ? kHeight - kMargin
                         : task.kind == Tasks::Kind::FindImage ? e.y
                                                               : kAxis;
        PictureBox* area = x > kLens ? ui.picRigth : ui.picLeft;
        TestSupport::clickAt(
            window.get(),
            area->mapTo(window.get(), TestSupport::pixelOf(area, x > kLens ? x - kLens : x, y)));
        seen.push_back(window->view().TaskSeries().session().verdict.counted);
        keyToWindow(window.get(), Qt::Key_N, Qt::ControlModifier, "n");
    }
    bool typed = false, named = false;
    // The file dialog opens within the sheet's click: a timer of its own.
    QTimer files;
    QObject::connect(&files, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            named = true;
            TestSupport::acceptFileName(dialog, csv);
        }
    });
    QTimer sheet;
    QObject::connect(&sheet, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || typed)
            return;
        typed = true;
        for (QLabel* label : modal->findChildren<QLabel*>())
            if (label->text() == QStringLiteral("Фамилия, имя, класс:") && label->buddy()) {
                QWidget* field = label->buddy();
                // The keys go where the click landed.
                QWidget* clicked =
                    TestSupport::clickAt(modal, field->mapTo(modal, field->rect().center()));
                QTest::keyClicks(clicked, name);
            }
        for (QPushButton* button : modal->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("Сохранить CSV…"))
                TestSupport::clickAt(modal, button->mapTo(modal, button->rect().center()));
        QMetaObject::invokeMethod(modal, "reject");
    });
    files.start(20);
    sheet.start(20);
    keyToWindow(window.get(), Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier, "r");
    files.stop();
    sheet.stop();
    QVERIFY(typed && named);
    const ResultsFile::Result read = ResultsFile::read(csv);
    QVERIFY2(read.problem.isEmpty(), qPrintable(read.problem));
    QCOMPARE(int(read.answers.size()), answers);
    for (int i = 0; i < answers; ++i) {
        QCOMPARE(QString::fromStdString(read.answers[std::size_t(i)].name), name);
        QCOMPARE(read.answers[std::size_t(i)].task, i);
        QCOMPARE(read.answers[std::size_t(i)].counted, bool(seen[std::size_t(i)]));
    }
    QVERIFY(seen.front());
}

// A series in the window from first to last, as a pupil works it with the
// mouse: the name typed first, on the sheet the task button's menu opens; the
// answers clicked; the sheet opens once by itself when the last answer ends
// the series (never before, never for a series only moved through), shows
// every answer's points and distance as worked out here, saves the same PDF
// twice, and closing it leaves the bench where the series left it.
void TestTasks::seriesEndsWithSheet_data() {
    QTest::addColumn<bool>("answered");
    QTest::addColumn<int>("sheets"); // opened by themselves
    QTest::addColumn<int>("k");      // the scale 1 : k, real centimetres shown
    QTest::newRow("every task answered, the second 2 cm off") << true << 1 << 1;
    QTest::newRow("every task answered at 1 : 5") << true << 1 << 5;
    QTest::newRow("moved through without an answer") << false << 0 << 1;
}

void TestTasks::seriesEndsWithSheet() {
    QFETCH(bool, answered);
    QFETCH(int, sheets);
    QFETCH(int, k);
    constexpr double kPixelCm = 0.1; // a click lands within a pixel of its point
    constexpr double kShownCm = 0.01;
    constexpr double kOffCm = 2;
    const QString name = QStringLiteral("Sidorova Anna 8V"); // typed key by key
    QTemporaryDir dir;
    const QStringList pdfs{dir.filePath(QStringLiteral("a.pdf")),
                           dir.filePath(QStringLiteral("b.pdf"))};
    auto window = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*window);
    for (int i = 0; i < 4 && ui.cmdScale->text() != QStringLiteral("1 : %1").arg(k); ++i)
        TestSupport::clickAt(window.get(), TestSupport::middleOf(ui.cmdScale));
    QCOMPARE(ui.cmdScale->text(), QStringLiteral("1 : %1").arg(k));

    // The sheet's controls by the words a user reads.
    const auto button = [](QWidget* sheet, const QString& words) -> QWidget* {
        for (QPushButton* b : sheet->findChildren<QPushButton*>())
            if (b->text() == words)
                return b;
        return nullptr;
    };
    const auto press = [](QWidget* control) {
        QWidget* top = control->window();
        return TestSupport::clickAt(top, control->mapTo(top, control->rect().center()));
    };
    bool named = false;
    int opened = 0, filed = 0;
    QStringList rows; // each row's cells, joined by tabs
    QString nameShown;
    QTimer menus, files, sheet;
    QObject::connect(&menus, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            for (QAction* action : menu->actions())
                if (action->text() == QStringLiteral("Результаты…")) {
                    TestSupport::clickMenuItem(menu, action);
                    menu->close(); // a click that missed the item fails below, not hangs
                }
    });
    QObject::connect(&files, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            TestSupport::acceptFileName(dialog, pdfs.value(filed++));
    });
    QObject::connect(&sheet, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* table = modal ? modal->findChild<QTableWidget*>() : nullptr;
        if (!table || qobject_cast<QFileDialog*>(modal))
            return;
        if (!named) {
            // Before the series: the name, typed where the click on its field landed.
            named = true;
            for (QLabel* label : modal->findChildren<QLabel*>())
                if (label->text() == QStringLiteral("Фамилия, имя, класс:") && label->buddy())
                    QTest::keyClicks(press(label->buddy()), name);
        } else {
            ++opened;
            nameShown = modal->findChild<QLineEdit*>()->text();
            for (int row = 0; row < table->rowCount(); ++row) {
                QStringList cells;
                for (int column = 0; column < table->columnCount(); ++column)
                    cells << table->item(row, column)->text();
                rows << cells.join(QLatin1Char('\t'));
            }
            press(button(modal, QStringLiteral("Сохранить PDF…")));
            // The second save a clock second later: the same page, the same bytes.
            const int second = QTime::currentTime().second();
            while (QTime::currentTime().second() == second)
                QTest::qWait(50);
            press(button(modal, QStringLiteral("Сохранить PDF…")));
        }
        auto* box = modal->findChild<QDialogButtonBox*>();
        press(box->button(QDialogButtonBox::Close));
    });
    menus.start(20);
    files.start(20);
    sheet.start(20);

    // The task button's menu, opened with the right button where it stands.
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                      TestSupport::middleOf(ui.cmdTask));
    QVERIFY(named);
    TestSupport::clickAt(window.get(), TestSupport::middleOf(ui.cmdTask));
    QVERIFY(window->view().TaskModeOn());
    const TaskSession& session = window->view().TaskSeries().session();
    const int count = int(session.tasks.size());
    struct Point {
        double x, y;
    };
    std::vector<Point> clicked, truth;
    for (int i = 0; i < count; ++i) {
        QCOMPARE(session.index, i);
        const Tasks::Task task = session.tasks.at(std::size_t(i));
        const Expected e = expectedOf(task);
        const Point right =
            task.kind == Tasks::Kind::FindImage ? Point{e.x, e.y} : Point{kLens + e.fBack, kAxis};
        Point at = right;
        if (i == 1) // towards the axis, two centimetres
            at.y += at.y < kAxis ? kOffCm * kCm : -kOffCm * kCm;
        if (answered) {
            PictureBox* area = at.x > kLens ? ui.picRigth : ui.picLeft;
            TestSupport::clickAt(
                window.get(),
                area->mapTo(window.get(),
                            TestSupport::pixelOf(area, at.x > kLens ? at.x - kLens : at.x, at.y)));
            QVERIFY(session.checked);
            clicked.push_back(at);
            truth.push_back(right);
        }
        QTest::qWait(30);
        if (i + 1 < count) {
            QCOMPARE(opened, 0); // not within the series
            keyToWindow(window.get(), Qt::Key_N, Qt::ControlModifier, "n");
        }
    }
    if (!answered) // on to the next series, still without a sheet
        keyToWindow(window.get(), Qt::Key_N, Qt::ControlModifier, "n");
    QTRY_COMPARE(opened, sheets);
    QTest::qWait(200);
    QCOMPARE(opened, sheets); // once
    menus.stop();
    files.stop();
    sheet.stop();
    if (!answered)
        return;

    // Closed: the bench is as the series left it, its last verdict shown.
    QVERIFY(window->view().TaskModeOn());
    QCOMPARE(session.index, count - 1);
    QVERIFY(session.checked);
    QCOMPARE(window->ObjectX, float(objectXOf(session.tasks.back())));
    QVERIFY2(window->view().TaskLines()[2]->Caption().contains(QStringLiteral("Серия окончена")),
             qPrintable(window->view().TaskLines()[2]->Caption()));

    // The sheet: the name, then per answer the task, the point clicked, the
    // true point (centimetres from O, right and up) and their distance.
    QCOMPARE(nameShown, name);
    QCOMPARE(rows.size(), count);
    const auto numbers = [](const QString& text) {
        QList<double> out;
        static const QRegularExpression number(QStringLiteral("[−-]?[0-9]+(?:,[0-9]+)?"));
        for (auto m = number.globalMatch(text); m.hasNext();)
            out << m.next()
                       .captured(0)
                       .replace(QStringLiteral("−"), QStringLiteral("-"))
                       .replace(QLatin1Char(','), QLatin1Char('.'))
                       .toDouble();
        return out;
    };
    for (int i = 0; i < count; ++i) {
        const QStringList cells = rows[i].split(QLatin1Char('\t'));
        QCOMPARE(cells.size(), 7);
        QCOMPARE(cells[0], QString::number(session.seed));
        QCOMPARE(cells[1], QString::number(i + 1));
        const Point c = clicked[std::size_t(i)], t = truth[std::size_t(i)];
        const QList<double> shownClick = numbers(cells[2]), shownTrue = numbers(cells[3]);
        QCOMPARE(shownClick.size(), 2);
        QCOMPARE(shownTrue.size(), 2);
        const double real = k / kCm; // real centimetres a twip of the bench
        QVERIFY2(std::fabs(shownClick[0] - (c.x - kLens) * real) < k * kPixelCm,
                 qPrintable(rows[i]));
        QVERIFY2(std::fabs(shownClick[1] - (kAxis - c.y) * real) < k * kPixelCm,
                 qPrintable(rows[i]));
        QVERIFY2(std::fabs(shownTrue[0] - (t.x - kLens) * real) < kShownCm, qPrintable(rows[i]));
        QVERIFY2(std::fabs(shownTrue[1] - (kAxis - t.y) * real) < kShownCm, qPrintable(rows[i]));
        const double off = std::hypot(c.x - t.x, c.y - t.y) * real;
        QVERIFY2(std::fabs(numbers(cells[4]).value(0) - off) < k * kPixelCm, qPrintable(rows[i]));
        QCOMPARE(cells[5], i == 1 ? QStringLiteral("не засчитано") : QStringLiteral("засчитано"));
    }

    // Its PDF: the same answers, the same bytes; no clock in it.
    QCOMPARE(filed, 2);
    QFile a(pdfs[0]), b(pdfs[1]);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    const QByteArray bytes = a.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes == b.readAll());
    QVERIFY(!bytes.contains("/CreationDate (D:"));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdfs[0], QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(
        page.contains(name) &&
            page.contains(
                QStringLiteral("Засчитано %1 из %2 (одинаковые среды)").arg(count - 1).arg(count)),
        qPrintable(page));
}

// A two-lens task as a pupil meets it: the task button pressed where it
// stands, the level chosen by its key, the second lens drawn at its place, a
// click at the final image worked out here counted, one past the tolerance not.
void TestTasks::twoLensTaskAnswered_data() {
    QTest::addColumn<double>("offCm");
    QTest::newRow("at A2B2") << 0.0;
    QTest::newRow("0.7 cm above it") << 0.7;
}

void TestTasks::twoLensTaskAnswered() {
    QFETCH(double, offCm);
    auto window = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*window);
    TestSupport::clickAt(window.get(), TestSupport::middleOf(ui.cmdTask));
    for (int i = 0; i < 3; ++i) // equal media, two media, mixed, two lenses
        keyToWindow(window.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier, "T");
    const TaskSession& session = window->view().TaskSeries().session();
    QVERIFY(window->view().TaskModeOn() && session.level == Tasks::Level::TwoLenses);
    const Tasks::Task task = session.tasks.front();
    const double lensX = task.second->distance * kCm;
    const QVector<Figure> lines = TestSupport::linesOf(ui.picRigth->figures());
    QVERIFY(std::any_of(lines.begin(), lines.end(), [&](const Figure& f) {
        return std::fabs(f.x1 - lensX) < 1 && std::fabs(f.x2 - lensX) < 1 && f.y1 < kAxis - 1000 &&
               f.y2 > kAxis + 1000;
    }));
    const TwoLenses e = twoLensesOf(task);
    const double x = kLens + e.z2 * kCm, y = kAxis - (e.h2 + offCm) * kCm;
    PictureBox* area = x > kLens ? ui.picRigth : ui.picLeft;
    TestSupport::clickAt(
        window.get(),
        area->mapTo(window.get(), TestSupport::pixelOf(area, x > kLens ? x - kLens : x, y)));
    QVERIFY(session.checked);
    QCOMPARE(session.verdict.counted, offCm == 0);
    QCOMPARE(window->view().TaskLines()[2]->Caption().startsWith(QStringLiteral("Засчитано")),
             offCm == 0);
    // The construction shown after the answer reaches the final image's tip.
    const QVector<Figure> drawn = TestSupport::linesOf(area->figures());
    const double tipX = x > kLens ? x - kLens : x, tipY = kAxis - e.h2 * kCm;
    QVERIFY(std::any_of(drawn.begin(), drawn.end(), [&](const Figure& f) {
        return std::hypot(f.x1 - tipX, f.y1 - tipY) < 5 || std::hypot(f.x2 - tipX, f.y2 - tipY) < 5;
    }));
}

QTEST_MAIN(TestTasks)
// A focus task keeps every part that shows F to itself, found by its name:
// the marks, their captions, the focal length and the power; the answer
// brings them back, and so does leaving the series.
void TestTasks::fociHiddenInFocusTask_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("readout"); // its text is blanked, not the control hidden
    for (const char* mark :
         {"shpF1", "shp2F1", "shpF2", "shp2F2", "lblFleft", "lbl2Fleft", "lblFright", "lbl2Fright"})
        QTest::newRow(mark) << QString::fromLatin1(mark) << false;
    for (const char* readout : {"lblFocal", "lblPower"})
        QTest::newRow(readout) << QString::fromLatin1(readout) << true;
}

void TestTasks::fociHiddenInFocusTask() {
    QFETCH(QString, name);
    QFETCH(bool, readout);
    auto window = TestSupport::startWindow();
    QWidget* part = window->findChild<QWidget*>(name);
    QVERIFY(part);
    const auto shown = [&] {
        return readout ? !dynamic_cast<Label*>(part)->Caption().isEmpty() : part->isVisible();
    };
    TaskMode& series = window->view().TaskSeries();
    series.start(1, Tasks::Level::EqualMedia);
    while (series.session().tasks[std::size_t(series.session().index)].kind !=
           Tasks::Kind::FindFocus)
        series.next();
    QVERIFY(!shown());
    series.check(kLens / 2, kAxis);
    QVERIFY(shown());
    series.next();
    series.stop();
    QVERIFY(shown());
}

#include "tst_tasks.moc"
