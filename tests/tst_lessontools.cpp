// SPDX-License-Identifier: GPL-3.0-or-later
// The object in motion, the graph of b and Γ against d and the table of
// measurements, checked against the thin-lens equation worked out here.
#include "benchlens.h"
#include "commandbutton.h"
#include "form1.h"
#include "graphwindow.h"
#include "imagecurve.h"
#include "lessontools.h"
#include "logic/fixtures.h"
#include "measurement.h"
#include "measurementtable.h"
#include "notation.h"
#include "objectmotion.h"
#include "picturebox.h"
#include "slider.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCategoryAxis>
#include <QChartView>
#include <QFile>
#include <QFontInfo>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QHeaderView>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <cmath>

namespace {
using Fixtures::Expected;
using Fixtures::expectedFor;
using namespace TestSupport;
constexpr double kTwipsPerCm = 567;
constexpr double kLensPlane = 7500;

// A shortcut with Ctrl held, as the keyboard delivers it to the left area of
// the active window (shortcuts first).
void ctrlKey(Form1* w, Qt::Key key, const char* text) {
    const auto ui = TestSupport::controlsOf(*w);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::simulateEvent(ui.picLeft, true, key, Qt::ControlModifier, QString::fromLatin1(text),
                         false);
    QTest::simulateEvent(ui.picLeft, false, key, Qt::ControlModifier, QString::fromLatin1(text),
                         false);
}

// The projector: the window fitted to a 1920 x 1080 screen, the graph shown.
constexpr QSize kProjector(1920, 1080);
// Tick labels a pupil reads from the back row at that fit.
constexpr int kLeastTickPixels = 16;
const QChar kTrueMinus(0x2212);

std::unique_ptr<Form1> projectorWithGraph() {
    auto w = startWindow();
    w->resize(kProjector);
    QApplication::processEvents();
    ctrlKey(w.get(), Qt::Key_G, "g");
    QApplication::processEvents();
    return w;
}

bool within(const QWidget* widget, const QWidget* ancestor) {
    return widget && (widget == ancestor || ancestor->isAncestorOf(widget));
}

Expected expectedFor(const Form1& w) {
    // The bench's own layout: in the biconvex layout R1 is the left surface.
    return expectedFor(w.n1, w.N, w.n2, w.R1, w.R2);
}
} // namespace

class TestLessonTools : public QObject {
    Q_OBJECT

private slots:
    void graphPointFollowsDragsAndSliders();
    void graphLeavesTheBenchClear_data();
    void graphLeavesTheBenchClear();
    void shortcutsActFromTheGraph();
    void graphTextsStandWhole_data();
    void graphTextsStandWhole();
    void ticksOnRoundValues_data();
    void ticksOnRoundValues();
    void recordedRowAndCsv();
    void notationTitles_data();
    void notationTitles();
    void motionStartsAndStops_data();
    void motionStartsAndStops();
    void motionCrossesTheFocus_data();
    void motionCrossesTheFocus();
};

void TestLessonTools::graphPointFollowsDragsAndSliders() {
    auto w = startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    // The signed notation: Γ plotted with its sign, the asymptote b = f′.
    w->view().SetNotation(Optics::Notation::SignedGaussian);
    clickButton(w.get(), QStringLiteral("cmdCx"));
    QVERIFY(!w->view().Lesson().graph()); // nothing of the charts before the graph is asked for
    ctrlKey(w.get(), Qt::Key_G, "g");
    GraphWindow* graph = w->view().Lesson().graph();
    QVERIFY(graph && graph->isVisible());
    QVERIFY(graph->objectPoints().isEmpty()); // no object yet

    for (double x : {2500.0, 4500.0, 6500.0}) {
        dragAt(ui.picLeft, pixelOf(ui.picLeft, x, 3000));
        const Expected lens = expectedFor(*w);
        const double d = (kLensPlane - w->ObjectX) / kTwipsPerCm;
        const QList<QPointF> at = graph->objectPoints();
        QCOMPARE(at.size(), 2);
        QVERIFY(std::fabs(at[0].x() - d) < 1e-6);
        QVERIFY(std::fabs(at[0].y() - lens.b(d)) < 1e-6);
        QVERIFY(std::fabs(at[1].y() - (-(w->n1 * lens.b(d)) / (w->n2 * d))) < 1e-6);
    }

    // A slider changes the curves at once.
    dragSliderTo(ui.sldn1, 20);
    const Expected lens = expectedFor(*w);
    const QList<QPointF> curve = graph->imageCurvePoints();
    QVERIFY(!curve.isEmpty());
    for (const QPointF& p : curve)
        QVERIFY(std::fabs(p.y() - lens.b(p.x())) <= 1e-6 * std::max(1.0, std::fabs(p.y())));
    // Between two media (1,4 before the lens, as typed) the image runs off
    // towards b = f' = n2/P, not f = n1/P.
    w->view().SetLeftIndex(1.4);
    const Expected media = expectedFor(*w);
    QVERIFY(std::fabs(media.f - media.fBack) > 0.5);
    int asymptotes = 0;
    for (const QChartView* view : graph->findChildren<QChartView*>())
        for (QAbstractSeries* series : view->chart()->series())
            if (auto* line = qobject_cast<QLineSeries*>(series);
                line && line->name() == QStringLiteral("b = f′")) {
                ++asymptotes;
                for (const QPointF& p : line->points())
                    QVERIFY2(std::fabs(p.y() - media.fBack) < 1e-6,
                             qPrintable(QString::number(p.y())));
            }
    QCOMPARE(asymptotes, 1);

    // The bench's safe palette recolours the graph, and back.
    ctrlKey(w.get(), Qt::Key_K, "k");
    QCOMPARE(graph->objectColour(), QColor(213, 94, 0)); // vermillion
    ctrlKey(w.get(), Qt::Key_K, "k");
    QCOMPARE(graph->objectColour(), QColor(230, 90, 0));

    // Closed, the graph keeps its rows and follows again when reopened.
    graph->close();
    ctrlKey(w.get(), Qt::Key_G, "g");
    QVERIFY(graph->isVisible());
}

void TestLessonTools::graphLeavesTheBenchClear_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("the lens, left half") << QStringLiteral("picLSob");
    QTest::newRow("the lens, right half") << QStringLiteral("picRsob");
    QTest::newRow("Записать") << QStringLiteral("cmdRecord");
    QTest::newRow("the image side") << QStringLiteral("picRigth");
}

// Beside the bench in the same window: what a user clicks on the bench is
// still there under the pointer, and the graph is wide enough to read.
void TestLessonTools::graphLeavesTheBenchClear() {
    QFETCH(QString, control);
    auto w = projectorWithGraph();
    GraphWindow* graph = w->view().Lesson().graph();
    QVERIFY(graph && graph->isVisible());
    QCOMPARE(graph->window(), w.get());
    QVERIFY(w->rect().contains(graph->geometry()));
    QVERIFY(graph->width() >= kProjector.width() / 4);
    auto* target = w->findChild<QWidget*>(control);
    QVERIFY(target);
    // Its centre, and its far end (for the image side where 2F′ stands): the
    // bench lies there, and a button is there itself.
    const QRect box = target->geometry();
    const bool button = qobject_cast<QPushButton*>(target);
    for (QPoint at : {box.center(), QPoint(box.right() - 2, box.center().y())}) {
        QVERIFY(w->rect().contains(at));
        QWidget* there = w->childAt(at);
        QVERIFY2(there && !within(there, graph) && (!button || within(there, target)),
                 qPrintable(QStringLiteral("%1 at (%2, %3)")
                                .arg(there ? there->objectName() : QStringLiteral("nothing"))
                                .arg(at.x())
                                .arg(at.y())));
    }
}

void TestLessonTools::graphTextsStandWhole_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QSize>("screen");
    QTest::newRow("Russian, projector") << false << kProjector;
    QTest::newRow("Russian, laptop") << false << QSize(1366, 768);
    QTest::newRow("English, laptop") << true << QSize(1366, 768);
}

// Beside the bench, every text of the graph reads whole: no title, tick or
// legend entry shortened to "…" (the legend writes "..."), and the table's headers and words (the
// longest kind, "действительное") within their columns.
void TestLessonTools::graphTextsStandWhole() {
    QFETCH(bool, english);
    QFETCH(QSize, screen);
    QTranslator translator;
    if (english) {
        QVERIFY(translator.load(QStringLiteral(":/i18n/quellor_en.qm")));
        QCoreApplication::installTranslator(&translator);
    }
    auto w = startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    w->resize(screen);
    QApplication::processEvents();
    ctrlKey(w.get(), Qt::Key_G, "g");
    clickButton(w.get(), QStringLiteral("cmdCx"));
    dragAt(ui.picLeft, pixelOf(ui.picLeft, 2000, 3000)); // real
    ctrlKey(w.get(), Qt::Key_R, "r");
    dragAt(ui.picLeft, pixelOf(ui.picLeft, 7000, 3000)); // virtual
    ctrlKey(w.get(), Qt::Key_R, "r");
    GraphWindow* graph = w->view().Lesson().graph();
    QVERIFY(graph);
    QTest::qWait(50); // the axes' marks settle after the layout

    for (const QChartView* view : graph->findChildren<QChartView*>())
        for (const QGraphicsItem* item : view->scene()->items())
            if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
                text && text->isVisible())
                QVERIFY2(!text->toPlainText().contains(QChar(0x2026)) &&
                             !text->toPlainText().contains(QStringLiteral("...")),
                         qPrintable(text->toPlainText()));

    auto* grid = graph->findChild<QTableWidget*>();
    QVERIFY(grid);
    QCOMPARE(grid->rowCount(), 2);
    // A cell's text stands inside the focus frame's margin and a pixel, on
    // either side; a header's inside the header's margin.
    const QStyle* style = grid->style();
    const int cellMargin =
        2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1);
    const int headerMargin = 2 * style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, grid);
    const QFontMetrics header = grid->horizontalHeader()->fontMetrics();
    const QFontMetrics cells = grid->fontMetrics();
    for (int column = 0; column < grid->columnCount(); ++column) {
        const int room = grid->columnWidth(column);
        const QString title = grid->horizontalHeaderItem(column)->text();
        QVERIFY2(header.horizontalAdvance(title) + headerMargin <= room, qPrintable(title));
        for (int row = 0; row < grid->rowCount(); ++row) {
            const QString text = grid->item(row, column)->text();
            QVERIFY2(cells.horizontalAdvance(text) + cellMargin <= room, qPrintable(text));
        }
    }
    QCoreApplication::removeTranslator(&translator);
}

// The window's shortcuts act while the graph holds the focus; "Записать"
// takes a click at its centre.
void TestLessonTools::shortcutsActFromTheGraph() {
    auto w = projectorWithGraph();
    const auto ui = TestSupport::controlsOf(*w);
    GraphWindow* graph = w->view().Lesson().graph();
    clickButton(w.get(), QStringLiteral("cmdCx"));
    dragAt(ui.picLeft, pixelOf(ui.picLeft, 3000, 2500));
    TestSupport::clickAt(w.get(), ui.cmdRecord->geometry().center());
    QCOMPARE(int(graph->table()->rows().size()), 1);

    auto* grid = graph->findChild<QTableWidget*>();
    QVERIFY(grid);
    const QPoint inGrid = grid->mapTo(w.get(), grid->rect().center());
    QVERIFY(within(TestSupport::clickAt(w.get(), inGrid), graph));
    QVERIFY(within(QApplication::focusWidget(), graph));
    auto key = [](Qt::Key k, const char* text) {
        QWidget* focus = QApplication::focusWidget();
        QTest::simulateEvent(focus, true, k, Qt::ControlModifier, QString::fromLatin1(text), false);
        QTest::simulateEvent(focus, false, k, Qt::ControlModifier, QString::fromLatin1(text),
                             false);
    };
    key(Qt::Key_R, "r");
    QCOMPARE(int(graph->table()->rows().size()), 2);
    key(Qt::Key_M, "m");
    QVERIFY(w->view().Lesson().motionRunning());
    key(Qt::Key_M, "m");
    QVERIFY(!w->view().Lesson().motionRunning());
    key(Qt::Key_G, "g");
    QVERIFY(!graph->isVisible());

    // In a window of its own, for a second screen, the shortcuts still act
    // there, and the bench takes the whole window again.
    key(Qt::Key_G, "g");
    auto* detach = graph->findChild<QPushButton*>(QStringLiteral("cmdDetachGraph"));
    QVERIFY(detach);
    TestSupport::clickAt(w.get(), detach->mapTo(w.get(), detach->rect().center()));
    QVERIFY(graph->isWindow() && graph->isVisible());
    constexpr double kLaidOutHeight = 729; // pixels at 96 dpi
    QVERIFY(std::fabs(w->view().ZoomFactor() - kProjector.height() / kLaidOutHeight) < 1e-3);
    // (offscreen, a window is made active by hand)
    QApplication::setActiveWindow(graph);
    QVERIFY(QTest::qWaitForWindowActive(graph));
    grid->setFocus();
    QCOMPARE(QApplication::activeWindow(), graph);
    QVERIFY(within(QApplication::focusWidget(), graph));
    key(Qt::Key_M, "m");
    QVERIFY(w->view().Lesson().motionRunning());
    key(Qt::Key_M, "m");
    QVERIFY(!w->view().Lesson().motionRunning());
}

void TestLessonTools::ticksOnRoundValues_data() {
    QTest::addColumn<bool>("imagePlot");
    QTest::addColumn<Qt::Orientation>("axis");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    // d over the left area, 7500 twips; b and Γ over what the plots show.
    const double areaCm = 7500 / kTwipsPerCm;
    QTest::newRow("b(d), d") << true << Qt::Horizontal << 0.0 << areaCm;
    QTest::newRow("b(d), b") << true << Qt::Vertical << -30.0 << 30.0;
    QTest::newRow("Γ(d), d") << false << Qt::Horizontal << 0.0 << areaCm;
    // The school notation the window starts in plots the size |Γ|, from 0.
    QTest::newRow("Γ(d), |Γ|") << false << Qt::Vertical << 0.0 << 6.0;
}

// Marks on 1, 2 or 5 times a power of ten, written with a decimal comma and
// a true minus sign, large enough at the projector's fit.
void TestLessonTools::ticksOnRoundValues() {
    QFETCH(bool, imagePlot);
    QFETCH(Qt::Orientation, axis);
    QFETCH(double, from);
    QFETCH(double, to);
    auto w = projectorWithGraph();
    const QStringList labels = w->view().Lesson().graph()->tickLabels(imagePlot, axis);
    QVERIFY2(labels.size() >= 4, qPrintable(labels.join(QLatin1Char(' '))));
    QList<double> values;
    for (QString text : labels) {
        QVERIFY2(!text.contains(QLatin1Char('-')) && !text.contains(QLatin1Char('.')) &&
                     text.contains(QLatin1Char(',')),
                 qPrintable(text));
        const bool negative = text.startsWith(kTrueMinus);
        text.remove(kTrueMinus).replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        const double value = text.toDouble(&ok);
        QVERIFY(ok);
        values.append(negative ? -value : value);
    }
    const double step = values[1] - values[0];
    const double decade = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double mantissa = step / decade;
    QVERIFY2(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 ||
                 std::fabs(mantissa - 5) < 1e-9,
             qPrintable(QString::number(step)));
    for (qsizetype i = 0; i < values.size(); ++i) {
        QVERIFY(std::fabs(values[i] / step - std::round(values[i] / step)) < 1e-6);
        if (i > 0)
            QVERIFY(std::fabs(values[i] - values[i - 1] - step) < 1e-6 * step);
    }
    // The marks span the axis: no round value is left out at either end.
    QVERIFY(values.front() - step < from - 1e-9 && values.front() >= from - 1e-9);
    QVERIFY(values.back() + step > to + 1e-9 && values.back() <= to + 1e-9);
    // Every axis's labels are legible from the back row.
    const auto views = w->view().Lesson().graph()->findChildren<QChartView*>();
    QCOMPARE(views.size(), 2);
    for (QChartView* view : views)
        for (QAbstractAxis* shown : view->chart()->axes())
            QVERIFY2(QFontInfo(shown->labelsFont()).pixelSize() >= kLeastTickPixels,
                     qPrintable(QString::number(QFontInfo(shown->labelsFont()).pixelSize())));
}

void TestLessonTools::recordedRowAndCsv() {
    auto w = startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    w->view().SetNotation(Optics::Notation::SignedGaussian);
    clickButton(w.get(), QStringLiteral("cmdCx"));
    dragAt(ui.picLeft, pixelOf(ui.picLeft, 3000, 2500));
    ctrlKey(w.get(), Qt::Key_R, "r");
    dragAt(ui.picLeft, pixelOf(ui.picLeft, 6900, 3500));
    clickButton(w.get(), QStringLiteral("cmdRecord"));
    MeasurementTable* table = w->view().Lesson().graph()->table();
    QCOMPARE(int(table->rows().size()), 2);

    const Expected lens = expectedFor(*w);
    const Measurements::Row& row = table->rows().back();
    const double d = (kLensPlane - w->ObjectX) / kTwipsPerCm;
    QVERIFY(std::fabs(row.d - d) < 1e-6);
    QVERIFY(std::fabs(row.b - lens.b(d)) < 1e-6);
    QCOMPARE(row.kind, d < lens.f ? Optics::ImageKind::Virtual : Optics::ImageKind::Real);
    QVERIFY(std::fabs(row.front - lens.f) < 1e-9);

    // The Russian table: decimal commas, semicolons between the fields.
    const QString text = table->csvText();
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4); // header, two rows, the empty rest after the last CR LF
    QCOMPARE(lines[0], QStringLiteral("d, см;b, см;Γ;Изображение;f, см;f′, см;D, дптр"));
    QCOMPARE(lines[2].split(QLatin1Char(';')).size(), 7);
    QCOMPARE(
        lines[2].section(QLatin1Char(';'), 6),
        QString::number(100 * w->n1 / lens.f, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')));
    QCOMPARE(lines[2].section(QLatin1Char(';'), 0, 0),
             QString::number(d, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')));
    QCOMPARE(lines[2].section(QLatin1Char(';'), 3, 3), QStringLiteral("мнимое"));

    // Written in full, UTF-8 with its byte-order mark.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("измерения.csv"));
    QString error;
    QVERIFY(table->writeCsv(path, &error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8());
    QVERIFY(!table->writeCsv(dir.filePath(QStringLiteral("нет/такой.csv")), &error));

    // A row deleted, then the table emptied; the graph's points go with them.
    QSignalSpy changed(table, &MeasurementTable::rowsChanged);
    auto* grid = table->findChild<QTableWidget*>(QStringLiteral("tblMeasurements"));
    QVERIFY(grid);
    grid->selectRow(0);
    clickButton(table, QStringLiteral("cmdDeleteRow"));
    QCOMPARE(int(table->rows().size()), 1);
    QCOMPARE(grid->rowCount(), 1);
    QVERIFY(std::fabs(table->rows()[0].d - d) < 1e-6); // the later row stays
    clickButton(table, QStringLiteral("cmdClearTable"));
    QCOMPARE(int(table->rows().size()), 0);
    QCOMPARE(changed.count(), 2);
}

// The graph's titles, its regions and the table's CSV header in each
// notation and language, and the magnification of a real image recorded:
// its size alone in the school notations, negative with signs.
void TestLessonTools::notationTitles_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("notation"); // -1: as the language has it
    QTest::addColumn<QString>("header");
    QTest::addColumn<QStringList>("axes"); // object, image, magnification
    QTest::addColumn<QString>("middleRegion");
    QTest::addColumn<bool>("signedGamma");
    QTest::addColumn<QStringList>("asymptotes"); // of the image, in one medium and two
    const QStringList schoolRussian{"f = F", "f = F′"}, school{"v = f", "v = f′"},
        withSigns{"b = f′", "b = f′"};
    const int kRussian = int(Optics::Notation::RussianSchool);
    const int kUk = int(Optics::Notation::UkSchool);
    const int kSigned = int(Optics::Notation::SignedGaussian);
    QTest::newRow("Russian, default")
        << false << -1 << "d, см;f, см;Γ;Изображение;F, см;F′, см;D, дптр"
        << QStringList{"d, см", "f, см", "Γ"} << "F < d < 2F" << false << schoolRussian;
    QTest::newRow("Russian, UK") << false << kUk << "u, см;v, см;m;Изображение;f, см;f′, см;P, дптр"
                                 << QStringList{"u, см", "v, см", "m"} << "f < u < 2f" << false
                                 << school;
    QTest::newRow("Russian, signed")
        << false << kSigned << "d, см;b, см;Γ;Изображение;f, см;f′, см;D, дптр"
        << QStringList{"d, см", "b, см", "Γ"} << "f < d < 2f" << true << withSigns;
    QTest::newRow("English, default")
        << true << -1 << "\"u, cm\",\"v, cm\",m,Image,\"f, cm\",\"f′, cm\",\"P, D\""
        << QStringList{"u, cm", "v, cm", "m"} << "f < u < 2f" << false << school;
    QTest::newRow("English, Russian")
        << true << kRussian << "\"d, cm\",\"f, cm\",Γ,Image,\"F, cm\",\"F′, cm\",\"D, D\""
        << QStringList{"d, cm", "f, cm", "Γ"} << "F < d < 2F" << false << schoolRussian;
    QTest::newRow("English, signed")
        << true << kSigned << "\"d, cm\",\"b, cm\",Γ,Image,\"f, cm\",\"f′, cm\",\"D, D\""
        << QStringList{"d, cm", "b, cm", "Γ"} << "f < d < 2f" << true << withSigns;
}

void TestLessonTools::notationTitles() {
    QFETCH(bool, english);
    QFETCH(int, notation);
    QFETCH(QString, header);
    QFETCH(QStringList, axes);
    QFETCH(QString, middleRegion);
    QFETCH(bool, signedGamma);
    QFETCH(QStringList, asymptotes);
    QTranslator translator;
    if (english) {
        QVERIFY(translator.load(QStringLiteral(":/i18n/quellor_en.qm")));
        QCoreApplication::installTranslator(&translator);
    }
    auto w = startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    if (notation >= 0)
        w->view().SetNotation(Optics::Notation(notation));
    clickButton(w.get(), QStringLiteral("cmdCx"));
    // Far beyond 2F: a real, inverted image.
    dragAt(ui.picLeft, pixelOf(ui.picLeft, 2000, 3000));
    ctrlKey(w.get(), Qt::Key_R, "r");
    GraphWindow* graph = w->view().Lesson().graph();
    QVERIFY(graph);
    const QString csv = graph->table()->csvText();
    QCOMPARE(csv.section(QStringLiteral("\r\n"), 0, 0), header);
    const QChar separator = english ? QLatin1Char(',') : QLatin1Char(';');
    const QString gamma = csv.section(QStringLiteral("\r\n"), 1, 1).section(separator, 2, 2);
    QCOMPARE(gamma.startsWith(QLatin1Char('-')), signedGamma);

    QStringList titles, regions;
    for (const QChartView* view : graph->findChildren<QChartView*>()) {
        for (const QAbstractAxis* axis : view->chart()->axes())
            titles << axis->titleText();
        // The regions' names as they stand in the plot.
        for (QGraphicsItem* item : view->chart()->childItems())
            if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item);
                text && text->isVisible())
                regions << text->text();
    }
    for (const QString& axis : axes)
        QVERIFY2(titles.contains(axis), qPrintable(titles.join(QLatin1Char('|'))));
    QVERIFY2(regions.contains(middleRegion), qPrintable(regions.join(QLatin1Char('|'))));
    // The magnification plotted as the table writes it.
    const QList<QPointF> at = graph->objectPoints();
    QCOMPARE(at.size(), 2);
    QCOMPARE(at[1].y() < 0, signedGamma);
    // The key names the image's asymptote as the figure names the focus.
    for (const QString& asymptote : asymptotes) {
        QStringList names;
        for (const QChartView* view : graph->findChildren<QChartView*>())
            for (const QAbstractSeries* series : view->chart()->series())
                names << series->name();
        QVERIFY2(names.contains(asymptote), qPrintable(names.join(QLatin1Char('|'))));
        w->view().SetRightIndex(1.33);
    }
    QCoreApplication::removeTranslator(&translator);
}

void TestLessonTools::motionStartsAndStops_data() {
    QTest::addColumn<QString>("stopBy");
    QTest::newRow("key") << QStringLiteral("key");
    QTest::newRow("press") << QStringLiteral("press");
    QTest::newRow("Ctrl+M again") << QStringLiteral("shortcut");
}

void TestLessonTools::motionStartsAndStops() {
    QFETCH(QString, stopBy);
    auto w = startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    // The object placed with a click, which gives its area the keyboard.
    clickAt(w.get(), ui.picLeft->mapTo(w.get(), pixelOf(ui.picLeft, 1500, 3000)));
    ctrlKey(w.get(), Qt::Key_M, "m");
    QVERIFY(w->view().Lesson().motionRunning());
    QVERIFY(w->SchemeView); // the motion shows the construction
    // The button shows it on, and tells its speed to screen readers as its
    // tooltip does, the next speed too.
    auto* button = w->findChild<QAbstractButton*>(QStringLiteral("cmdMotion"));
    QVERIFY(button && button->isChecked());
    const QString tip = button->toolTip();
    QCOMPARE(button->accessibleDescription(), tip);
    w->view().Lesson().nextMotionSpeed();
    QVERIFY(button->toolTip() != tip);
    QCOMPARE(button->accessibleDescription(), button->toolTip());
    const float startX = w->ObjectX;
    QTRY_VERIFY_WITH_TIMEOUT(w->ObjectX > startX + 50, 3000); // towards the lens
    if (stopBy == QLatin1String("key"))
        QTest::keyClick(w->windowHandle(), Qt::Key_Space);
    else if (stopBy == QLatin1String("press"))
        press(ui.picLeft, pixelOf(ui.picLeft, 1000, 1000), Qt::RightButton);
    else
        ctrlKey(w.get(), Qt::Key_M, "m");
    QVERIFY(!w->view().Lesson().motionRunning() && !button->isChecked());
    const float stoppedX = w->ObjectX;
    QTest::qWait(100);
    QCOMPARE(w->ObjectX, stoppedX);
}

void TestLessonTools::motionCrossesTheFocus_data() {
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("n2");
    QTest::addColumn<double>("radius");
    QTest::newRow("equal media") << 1.0 << 1.0 << 2650.0;
    QTest::newRow("water behind") << 1.0 << 1.33 << 3500.0;
}

void TestLessonTools::motionCrossesTheFocus() {
    QFETCH(double, n1);
    QFETCH(double, n2);
    QFETCH(double, radius);
    const Optics::Lens model = Bench::lensOf(n1, 1.64, n2, radius, -radius);
    const Expected lens = expectedFor(n1, 1.64, n2, radius, -radius);
    const double focusX = kLensPlane - lens.f * kTwipsPerCm;
    const double frame = 1.0 / 60;
    const Motion::Path path = Bench::motionPath(lens.f, 1.0);
    Motion::State state = Motion::start(path);
    // Frames as the bench shows them (the object's x is a float there), up to
    // the turn at the lens.
    std::vector<float> xs{float(Bench::xOf(state.z))};
    while (state.direction > 0) {
        state = Motion::advance(path, state, frame);
        xs.push_back(float(Bench::xOf(state.z)));
    }
    auto kindAt = [&](float x) { return Bench::imageOf(model, x, 3000).kind; };
    // Steady speed, 1 cm/s, between halts.
    QVERIFY(std::fabs((xs[2] - xs[1]) - kTwipsPerCm * frame) < 1e-3);
    std::size_t at = 0;
    while (xs[at] < focusX - 0.01)
        ++at;
    // It halts at F for a second or more, visibly.
    std::size_t held = 0;
    while (xs[at + held] == xs[at])
        ++held;
    QVERIFY2(held * frame >= 1.0, qPrintable(QString::number(held)));
    QVERIFY(std::fabs(xs[at] - focusX) < 0.01);
    const Optics::ImageKind here = kindAt(xs[at]);
    // No image at the frame where d = f, or a real one just before and a
    // virtual one just after.
    QVERIFY(here == Optics::ImageKind::None ||
            (kindAt(xs[at - 1]) == Optics::ImageKind::Real &&
             kindAt(xs[at + held]) == Optics::ImageKind::Virtual));
    QCOMPARE(kindAt(xs[at - 1]), Optics::ImageKind::Real);
    QCOMPARE(kindAt(xs[at + held]), Optics::ImageKind::Virtual);
    // Before that it halts at 2F as long, where the image is as large as the
    // object (when 2F lies on the bench after the start).
    const double twoFocusX = kLensPlane - 2 * lens.f * kTwipsPerCm;
    if (twoFocusX <= xs.front())
        return;
    std::size_t atTwo = 0;
    while (xs[atTwo] < twoFocusX - 0.01)
        ++atTwo;
    std::size_t heldTwo = 0;
    while (xs[atTwo + heldTwo] == xs[atTwo])
        ++heldTwo;
    QVERIFY(std::fabs(xs[atTwo] - twoFocusX) < 0.01);
    QVERIFY2(heldTwo * frame >= 1.0, qPrintable(QString::number(heldTwo)));
}

QTEST_MAIN(TestLessonTools)
#include "tst_lessontools.moc"
