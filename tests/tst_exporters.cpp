// SPDX-License-Identifier: GPL-3.0-or-later
// The exporters: each makes its file from the model without touching the
// window's bench; a class-set task is drawn from the bench the task mode
// would set; the results file reads back as written; the list offers each
// action's formats by filter and by suffix.
#include "classset.h"
#include "exporter.h"
#include "exporters.h"
#include "form1.h"
#include "lessonfile.h"
#include "picturebox.h"
#include "resultsfile.h"
#include "systemmode.h"
#include "taskmode.h"
#include "testsupport.h"
#include "windowexport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <tuple>

namespace {
// The bench as a user's actions leave it, and the procedures' work values.
auto benchOf(const BenchState& b) {
    return std::tuple(b.SchemeView, b.ShowLabels, b.ShowThirdRay, b.ConstructionShown,
                      b.ObjectPlaced, b.ObjectX, b.ObjectY, b.ImageX, b.ImageY, b.n1, b.N, b.n2,
                      b.R1, b.R2, b.f1, b.f2, b.IsConverging, b.ConvergingChosen, b.R1Sign,
                      b.R2Sign);
}
} // namespace

class TestExporters : public QObject {
    Q_OBJECT

private slots:
    void leavesTheBench_data();
    void leavesTheBench();
    void taskBenchAsTaskMode_data();
    void taskBenchAsTaskMode();
    void taskNamesAsShown_data();
    void taskNamesAsShown();
    void resultsRoundTrip_data();
    void resultsRoundTrip();
    void resultsPage_data();
    void resultsPage();
    void chosenFormat_data();
    void chosenFormat();
};

void TestExporters::leavesTheBench_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("scheme");
    QTest::addColumn<double>("distance"); // cm before the lens
    QTest::addColumn<QByteArray>("magic");
    QTest::newRow("worksheet, scheme, real image")
        << "worksheet" << true << 4.0 << QByteArray("%PDF");
    QTest::newRow("worksheet, lens view, virtual")
        << "worksheet" << false << 1.0 << QByteArray("%PDF");
    QTest::newRow("class set from the lens view")
        << "class-set" << false << 4.0 << QByteArray("%PDF");
    QTest::newRow("class set from the scheme") << "class-set" << true << 1.0 << QByteArray("%PDF");
    QTest::newRow("picture PNG") << "png" << true << 4.0 << QByteArray("\x89PNG");
    QTest::newRow("picture SVG") << "svg" << true << 1.0 << QByteArray("<?xml");
    // Without the window: the pages from the state alone, no picture.
    QTest::newRow("worksheet, no window") << "worksheet" << true << 1.0 << QByteArray("%PDF");
    QTest::newRow("class set, no window") << "class-set" << true << 4.0 << QByteArray("%PDF");
    QTest::newRow("picture, no window") << "png" << true << 4.0 << QByteArray();
    QTest::newRow("worksheet, two lenses") << "worksheet" << true << 8.0 << QByteArray("%PDF");
    QTest::newRow("class set, two lenses") << "class-set" << true << 8.0 << QByteArray("%PDF");
}

// The window's state, its drawing and its redraw count are as before the
// export: the file is made from a copy of the model.
void TestExporters::leavesTheBench() {
    QFETCH(QString, key);
    QFETCH(bool, scheme);
    QFETCH(double, distance);
    QFETCH(QByteArray, magic);
    auto w = TestSupport::startWindow();
    Setup setup;
    setup.n1 = setup.n2 = 1;
    setup.N = 1.5;
    setup.leftRadius = setup.rightRadius = 2.65;
    setup.scheme = scheme;
    setup.hasObject = true;
    setup.objectDistance = distance;
    setup.objectHeight = 0.8;
    setup.layers.labels = false;
    if (QByteArray(QTest::currentDataTag()).endsWith("two lenses"))
        setup.secondLens = SetupFormat::SecondLensSetup{5, true, 1.5, 4, 4, 1.33};
    w->view().File().apply(setup);
    const auto before = benchOf(*w);
    const auto* right = w->findChild<const PictureBox*>(QStringLiteral("picRigth"));
    const QVector<Figure> rightFigures = right->figures();
    const int redraws = w->view().Redraws();
    const auto* left = w->findChild<const PictureBox*>(QStringLiteral("picLeft"));
    const QVector<Figure> figures = left->figures();
    const QVector<TextMark> names = left->textMarks();

    Export::Model model = WindowExport::modelOf(*w);
    model.classSet.seed = 4242;
    model.classSet.variants = 2;
    if (QByteArray(QTest::currentDataTag()).endsWith("no window"))
        model.bench.window = nullptr;
    const Export::Exporter* format = Export::byKey(key);
    QVERIFY(format);
    const Export::Bytes made = format->bytes(model);
    QCOMPARE(bool(made.bytes), !magic.isEmpty());
    QCOMPARE(made.why.isEmpty(), bool(made.bytes));
    if (made.bytes)
        QVERIFY(made.bytes->startsWith(magic));
    QVERIFY(benchOf(*w) == before);
    QCOMPARE(w->view().Redraws(), redraws);
    QCOMPARE(left->figures().size(), figures.size());
    QCOMPARE(left->textMarks(), names);
    QCOMPARE(right->figures().size(), rightFigures.size());
}

void TestExporters::taskBenchAsTaskMode_data() {
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<int>("level");
    for (const quint64 seed : {1ULL, 777ULL, 90001ULL})
        for (const int level : {0, 1, 2, 3})
            QTest::addRow("series %llu, level %d", seed, level) << seed << level;
}

// The bench a class-set task is drawn from is the one the task mode puts on
// the window for it: the same lens, media, object and focal lengths.
void TestExporters::taskBenchAsTaskMode() {
    QFETCH(quint64, seed);
    QFETCH(int, level);
    auto w = TestSupport::startWindow();
    for (const Tasks::Task& task : Tasks::series(seed, Tasks::Level(level), ClassSet::kMostTasks)) {
        BenchState drawn = ClassSet::benchOf(*w, task);
        TaskMode::putOnBench(w->view(), task);
        const BenchState& shown = *w;
        // What a drawing leaves (the image point, a construction standing)
        // is the construction's, not the task's.
        drawn.ImageX = shown.ImageX;
        drawn.ImageY = shown.ImageY;
        drawn.ConstructionShown = shown.ConstructionShown;
        QVERIFY(benchOf(drawn) == benchOf(shown));
    }
}

void TestExporters::taskNamesAsShown_data() {
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("task");
    for (int task = 0; task < 3; ++task) {
        QTest::addRow("series 777, two media, task %d", task) << 777ULL << 1 << task;
        QTest::addRow("series 12346, equal media, task %d", task) << 12346ULL << 0 << task;
        QTest::addRow("series 43, mixed, task %d", task) << 43ULL << 2 << task;
    }
}

// A key's names stand where the window names the task's figure when the task
// is on it: clear of the task's marks, not of those of the lens on the bench.
void TestExporters::taskNamesAsShown() {
    QFETCH(quint64, seed);
    QFETCH(int, level);
    QFETCH(int, task);
    auto w = TestSupport::startWindow(); // the bench's own lens, not the task's
    const Tasks::Task shown = Tasks::series(seed, Tasks::Level(level), 3).at(std::size_t(task));
    const Export::Model model = WindowExport::modelOf(*w);
    const FigureNames names =
        Worksheets::solutionNames(model.bench, ClassSet::benchOf(*w, shown), true);
    TaskMode::putOnBench(w->view(), shown);
    TestSupport::clickButton(w.get(), QStringLiteral("cmdLabels"));
    QCOMPARE(names.left, w->findChild<PictureBox*>(QStringLiteral("picLeft"))->textMarks());
    QCOMPARE(names.right, w->findChild<PictureBox*>(QStringLiteral("picRigth"))->textMarks());
}

void TestExporters::resultsRoundTrip_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("formula-like, quoted, comma") << QStringLiteral("=Анна \"Ш\", 7Б");
    QTest::newRow("plus and minus") << QStringLiteral("+-@Пётр");
    QTest::newRow("none") << QString();
    QTest::newRow("semicolon and apostrophe") << QStringLiteral("О'Нил; 8 «А»");
}

// What the exporter writes, the results file's reader reads back: name,
// series, task and click as answered.
void TestExporters::resultsRoundTrip() {
    QFETCH(QString, name);
    Export::Model model;
    for (int task = 0; task < 3; ++task)
        model.answers.push_back(Tasks::answered(name.toStdString(), 31337, Tasks::Level::Mixed,
                                                task, -5.25 - task, 1.5, 3.0, task));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("класс.csv"));
    QCOMPARE(Exporters::resultsCsv().write(model, path), QString());
    const ResultsFile::Result read = ResultsFile::read(path);
    QCOMPARE(read.problem, QString());
    QCOMPARE(read.answers.size(), model.answers.size());
    for (std::size_t i = 0; i < read.answers.size(); ++i) {
        QCOMPARE(QString::fromStdString(read.answers[i].name), name);
        QCOMPARE(read.answers[i].series, 31337ULL);
        QCOMPARE(read.answers[i].task, int(i));
        // The click is kept to a tenth of a twip, well under 0.001 cm.
        QVERIFY(qAbs(read.answers[i].clickZ - model.answers[i].clickZ) < 1e-3);
        QCOMPARE(read.answers[i].counted, model.answers[i].counted);
    }
}

void TestExporters::resultsPage_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("answers"); // every third a click 3 cm off the true point
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("shown"); // the name as the page gives it
    QTest::addColumn<int>("pages");
    QTest::newRow("awkward name, six series")
        << QStringLiteral("Д'Арк-Пётр «Ёж» <b>&amp; %1, 7Б") << 60 << 5
        << QStringLiteral("Д'Арк-Пётр «Ёж» <b>&amp; %1, 7Б") << 2;
    QTest::newRow("no name, one answer") << QString() << 1 << 1 << QStringLiteral("без имени") << 1;
}

// The PDF a reader opens: the name, the score counted here and every answer
// however many pages they take, their distances at the tasks' scale.
void TestExporters::resultsPage() {
    QFETCH(QString, name);
    QFETCH(int, answers);
    QFETCH(int, scale);
    QFETCH(QString, shown);
    QFETCH(int, pages);
    Export::Model model;
    model.pupil = name;
    model.bench.scale = *Optics::Scale::of(scale);
    for (int i = 0; i < answers; ++i) {
        const Tasks::Verdict truth = Tasks::judge(
            Tasks::series(500 + i / 10, Tasks::Level::EqualMedia).at(std::size_t(i % 10)), -13, 7);
        model.answers.push_back(Tasks::answered(name.toStdString(), 500 + i / 10,
                                                Tasks::Level::EqualMedia, i % 10, truth.trueZ,
                                                truth.trueHeight - (i % 3 ? 0 : 3.0), 2.0, 0));
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("итоги.pdf"));
    QCOMPARE(Exporters::resultsPdf().write(model, pdf), QString());
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(reader.waitForFinished());
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    const int wrong = (answers + 2) / 3;
    QVERIFY2(text.contains(QStringLiteral("Результаты: ") + shown), qPrintable(text));
    QVERIFY(text.contains(
        QStringLiteral("Засчитано %1 из %2 (одинаковые среды)").arg(answers - wrong).arg(answers)));
    QCOMPARE(int(text.count(QStringLiteral("не засчитано"))), wrong);
    const QRegularExpression off(QStringLiteral("(^|\\s)%1,00 см").arg(3 * scale));
    QCOMPARE(int(text.count(off)), wrong);
    QCOMPARE(text.count(QLatin1Char('\f')), pages);
}

void TestExporters::chosenFormat_data() {
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("suffix");
    const int picture = int(Action::ExportPicture);
    const int lab = int(Action::LabSave);
    QTest::newRow("SVG's filter") << picture << Exporters::pictureSvg().filter() << "a"
                                  << "svg";
    QTest::newRow("suffix typed in capitals") << picture << QString() << "a.SVG"
                                              << "svg";
    QTest::newRow("unknown suffix: the first") << picture << QString() << "a.svgz"
                                               << "png";
    QTest::newRow("lab's CSV filter") << lab << Exporters::labCsv().filter() << "r"
                                      << "csv";
    QTest::newRow("typed .PDF over the CSV filter")
        << lab << Exporters::labCsv().filter() << "r.PDF"
        << "pdf";
    QTest::newRow("lab, typed csv") << lab << QString() << "лаб.csv"
                                    << "csv";
    QTest::newRow("lab, nothing said") << lab << QString() << "лаб"
                                       << "pdf";
    QTest::newRow("results, typed .PDF") << int(Action::Results) << QString() << "итоги.PDF"
                                         << "pdf";
}

// The dialogs' filters and the suffix typed pick the format from the list.
void TestExporters::chosenFormat() {
    QFETCH(int, action);
    QFETCH(QString, filter);
    QFETCH(QString, typed);
    QFETCH(QString, suffix);
    const Export::Exporter* format = Export::chosen(Action(action), filter, typed);
    QVERIFY(format);
    QCOMPARE(format->suffix(), suffix);
    QCOMPARE(format->action(), Action(action));
}

QTEST_MAIN(TestExporters)
#include "tst_exporters.moc"
