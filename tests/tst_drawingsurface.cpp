// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing surface the construction is drawn on: clipping, lines far off
// the area reaching the painter finite and where the geometry says, the
// drawing state a wipe keeps, and fonts with Cyrillic letters.
#include "bench.h"
#include "fonts.h"
#include "form1.h"
#include "label.h"
#include "picturebox.h"
#include "readout.h"
#include "screeninfo.h"
#include "segmentclip.h"
#include "shape.h"
#include "scenemode.h"
#include "slider.h"
#include "surfacepainter.h"
#include "systemmode.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QImage>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <limits>

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// A grab of one area with one line on it, with room for a slow machine.
constexpr qint64 kQuickPaintMs = 500;
} // namespace

class TestDrawingSurface : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void clipping_data();
    void clipping();
    void farFiguresReachThePainterFinite_data();
    void farFiguresReachThePainterFinite();
    void refreshWipesAndDrawingState();
    void farLinesDrawExactly();
    void fontsHaveCyrillic_data();
    void fontsHaveCyrillic();
    void shapesShowTheirNewColours_data();
    void shapesShowTheirNewColours();
    void dragsLeaveWhatAFullPaintShows_data();
    void dragsLeaveWhatAFullPaintShows();

private:
    std::unique_ptr<Form1> w;
    TestSupport::Controls ui{};
};

void TestDrawingSurface::init() {
    w = TestSupport::startWindow();
    ui = TestSupport::controlsOf(*w);
}

void TestDrawingSurface::cleanup() {
    w.reset();
    QLocale::setDefault(QLocale::c());
}

void TestDrawingSurface::clipping_data() {
    QTest::addColumn<QLineF>("segment");
    QTest::addColumn<bool>("drawn");
    QTest::addColumn<QLineF>("expected");
    const QLineF none;
    QTest::newRow("inside") << QLineF(10, 10, 90, 40) << true << QLineF(10, 10, 90, 40);
    QTest::newRow("crossing") << QLineF(-100, 50, 200, 50) << true << QLineF(0, 50, 100, 50);
    QTest::newRow("reversed") << QLineF(200, 50, -100, 50) << true << QLineF(100, 50, 0, 50);
    QTest::newRow("huge") << QLineF(-1e12, -1e12, 1e12, 1e12) << true << QLineF(0, 0, 100, 100);
    QTest::newRow("huge steep") << QLineF(50, 50, 50 + 1e-3, 1e15) << true
                                << QLineF(50, 50, 50 + 1e-3 * 50 / (1e15 - 50), 100);
    QTest::newRow("missing") << QLineF(-50, -50, -10, 300) << false << none;
    QTest::newRow("degenerate inside") << QLineF(20, 20, 20, 20) << true << QLineF(20, 20, 20, 20);
    QTest::newRow("degenerate outside") << QLineF(-20, 20, -20, 20) << false << none;
    QTest::newRow("infinite end") << QLineF(10, 10, kInf, 10) << false << none;
    QTest::newRow("nan end") << QLineF(kNaN, 10, 50, 50) << false << none;
    QTest::newRow("span overflows") << QLineF(-1.7e308, 0, 1.7e308, 0) << false << none;
}

void TestDrawingSurface::clipping() {
    QFETCH(QLineF, segment);
    QFETCH(bool, drawn);
    QFETCH(QLineF, expected);
    const QRectF box(0, 0, 100, 100);
    const auto clipped = clipSegment(segment, box);
    QCOMPARE(bool(clipped), drawn);
    if (!drawn)
        return;
    const double tolerance = 1e-6;
    QVERIFY2(std::fabs(clipped->line.x1() - expected.x1()) < tolerance &&
                 std::fabs(clipped->line.y1() - expected.y1()) < tolerance &&
                 std::fabs(clipped->line.x2() - expected.x2()) < tolerance &&
                 std::fabs(clipped->line.y2() - expected.y2()) < tolerance,
             qPrintable(QStringLiteral("%1,%2 - %3,%4")
                            .arg(clipped->line.x1())
                            .arg(clipped->line.y1())
                            .arg(clipped->line.x2())
                            .arg(clipped->line.y2())));
}

void TestDrawingSurface::farFiguresReachThePainterFinite_data() {
    QTest::addColumn<double>("x1");
    QTest::addColumn<double>("y1");
    QTest::addColumn<double>("x2");
    QTest::addColumn<double>("y2");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("760000 across") << -760000.0 << 3990.0 << 760000.0 << 3990.0 << true;
    QTest::newRow("1e12 diagonal") << 0.0 << 3990.0 << 1e12 << 1e12 << true;
    QTest::newRow("beyond float") << 0.0 << 3990.0 << 1e300 << 8025.0 << false;
    QTest::newRow("infinite") << 7500.0 << 3990.0 << -kInf << 0.0 << false;
    QTest::newRow("nan") << kNaN << 3990.0 << 0.0 << 0.0 << false;
    QTest::newRow("all far away") << 760000.0 << 760000.0 << 1520000.0 << -760000.0 << false;
}

void TestDrawingSurface::farFiguresReachThePainterFinite() {
    QFETCH(double, x1);
    QFETCH(double, y1);
    QFETCH(double, x2);
    QFETCH(double, y2);
    QFETCH(bool, drawn);
    ui.picLeft->SetForeColor(255);
    for (int style : {0, 1}) {
        ui.picLeft->Refresh();
        ui.picLeft->SetDrawStyle(style);
        ui.picLeft->Line(x1, y1, x2, y2);
        const Figure figure = ui.picLeft->figures().constLast();
        const QRectF area(ui.picLeft->rect());
        double dashOffset = -1;
        const auto line = SurfacePainter::lineOnDevice(figure, ScreenInfo(96), area, &dashOffset);
        QCOMPARE(bool(line), drawn);
        if (line) {
            const QRectF near = area.adjusted(-20, -20, 20, 20);
            QVERIFY(near.contains(line->p1()) && near.contains(line->p2()));
            QVERIFY(std::isfinite(dashOffset) && dashOffset >= 0);
        }
        // Painting it takes no longer than an ordinary line, and shows the line
        // where it crosses the area and nothing where it does not.
        QElapsedTimer clock;
        clock.start();
        const QImage shot = ui.picLeft->grab().toImage();
        QVERIFY2(clock.elapsed() < kQuickPaintMs, qPrintable(QString::number(clock.elapsed())));
        int red = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                red += shot.pixelColor(x, y) == QColor(Qt::red) ? 1 : 0;
        QCOMPARE(red > 0, drawn);
    }
}

void TestDrawingSurface::refreshWipesAndDrawingState() {
    PictureBox* area = ui.picRigth;
    QCOMPARE(area->DrawWidth(), 1);
    QCOMPARE(area->DrawStyle(), 0);
    QCOMPARE(area->FillStyle(), 1);
    QCOMPARE(area->FillColor(), 0);
    area->SetDrawWidth(3);
    area->SetDrawStyle(1);
    area->Line(0, 0, 100, 100);
    area->Line(0, 0, 100, 100, 255);
    area->SetFillStyle(0);
    area->SetFillColor(65280);
    area->Circle(500, 500, 50, 255);
    QCOMPARE(area->figures().size(), 3);
    const Figure& first = area->figures()[0];
    QCOMPARE(first.colour, area->ForeColor());
    QCOMPARE(first.drawWidth, 3);
    QCOMPARE(first.drawStyle, 1);
    QCOMPARE(area->figures()[1].colour, 255);
    const Figure& dot = area->figures()[2];
    QCOMPARE(dot.kind, Figure::Kind::Circle);
    QCOMPARE(dot.fillStyle, 0);
    QCOMPARE(dot.fillColour, 65280);
    area->Refresh();
    QVERIFY(area->figures().isEmpty());
    // The drawing state survives a Refresh.
    QCOMPARE(area->DrawWidth(), 3);
    QCOMPARE(area->DrawStyle(), 1);
}

void TestDrawingSurface::farLinesDrawExactly() {
    // A line from far off the area to far off the other side lands where the
    // geometry says, whole and solid.
    ui.picLeft->SetForeColor(255);
    ui.picLeft->SetDrawWidth(1);
    ui.picLeft->Line(-1e9, 3000, 1e9, 3000);
    ui.picLeft->Line(7500 - 1e-3, -1e12, 7500 - 1e-3, 1e12, 65280); // at the right edge
    const QImage shot = ui.picLeft->grab().toImage();
    const int row = ScreenInfo(96).toPixels(QPointF(0, 3000)).toPoint().y();
    int red = 0;
    for (int x = 0; x < shot.width(); ++x)
        red += shot.pixelColor(x, row) == QColor(255, 0, 0) ? 1 : 0;
    QVERIFY2(red > shot.width() * 0.9, qPrintable(QString::number(red)));
    // The upright one a thousandth of a twip inside the right edge fills the
    // area's last column.
    int green = 0;
    for (int y = 0; y < shot.height(); ++y)
        green += shot.pixelColor(shot.width() - 1, y) == QColor(0, 255, 0) ? 1 : 0;
    QVERIFY2(green > shot.height() * 0.9, qPrintable(QString::number(green)));
}

void TestDrawingSurface::fontsHaveCyrillic_data() {
    QTest::addColumn<QString>("laidOut");
    QTest::addColumn<QStringList>("acceptable");
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    const QStringList mono{QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};
    QTest::newRow("MS Sans Serif") << QStringLiteral("MS Sans Serif") << sans;
    QTest::newRow("Microsoft Sans Serif") << QStringLiteral("Microsoft Sans Serif") << sans;
    QTest::newRow("Courier New") << QStringLiteral("Courier New") << mono;
}

void TestDrawingSurface::fontsHaveCyrillic() {
    QFETCH(QString, laidOut);
    QFETCH(QStringList, acceptable);
    const QString used = Fonts::resolvedFamily(laidOut);
    QVERIFY2(acceptable.contains(used), qPrintable(used));
    const QFontMetrics metrics{QFont(laidOut)};
    for (QChar letter : QStringLiteral("ВыходСхемаЛинзаЖщ"))
        QVERIFY(metrics.inFont(letter));
}

void TestDrawingSurface::shapesShowTheirNewColours_data() {
    QTest::addColumn<bool>("fill");
    QTest::addColumn<QPoint>("pixel"); // in a 40 x 40 circle
    QTest::newRow("fill, seen at the centre") << true << QPoint(20, 20);
    QTest::newRow("outline, seen at the top") << false << QPoint(20, 0);
}

// A mark painted once and then given another colour (the lens turned from
// converging to diverging) shows the new colour, not the old face.
void TestDrawingSurface::shapesShowTheirNewColours() {
    QFETCH(bool, fill);
    QFETCH(QPoint, pixel);
    QWidget host;
    host.resize(60, 60);
    Shape mark(Shape::Kind::Circle, &host);
    mark.setGeometry(10, 10, 40, 40);
    mark.SetBackColor(RGB(0, 0, 255));
    mark.SetBorderColor(RGB(0, 0, 255));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    // Antialiasing may lighten the outline's pixel a little.
    constexpr int kTolerance = 16;
    const auto shows = [&](QColor colour) {
        const QColor seen = mark.grab().toImage().pixelColor(pixel);
        return std::abs(seen.red() - colour.red()) <= kTolerance &&
               std::abs(seen.green() - colour.green()) <= kTolerance &&
               std::abs(seen.blue() - colour.blue()) <= kTolerance;
    };
    QVERIFY(shows(QColor(0, 0, 255)));
    if (fill)
        mark.SetBackColor(RGB(255, 0, 0));
    else
        mark.SetBorderColor(RGB(255, 0, 0));
    QVERIFY(shows(QColor(255, 0, 0)));
}

void TestDrawingSurface::dragsLeaveWhatAFullPaintShows_data() {
    QTest::addColumn<QSize>("window");          // resized to this, or as laid out when empty
    // The lesson's buttons pressed first, then maybe "two lenses" (a second lens 6 cm
    // behind), "second lens" (the same, the path on the right from its bar) or "eye".
    QTest::addColumn<QStringList>("lesson");
    QTest::addColumn<QVector<QPointF>>("path"); // the held pointer, twips of the left medium
    const QStringList all{"cmdLabels", "cmdThirdRay", "cmdPalette"};
    // From beyond 2F across F (the image runs off the right edge, then turns
    // virtual in the left medium), and a hand's moves of a pixel or two.
    const QVector<QPointF> across{
        {3000, 3000}, {4300, 3100}, {5250, 3300}, {6600, 3600}, {2600, 300}};
    QVector<QPointF> small;
    for (int i = 0; i < 12; ++i)
        small.append(QPointF(3000 + 25 * i, 3000 - 20 * i));
    QTest::newRow("plain, small moves") << QSize() << QStringList() << small;
    QTest::newRow("1920x1080, whole lesson, small") << QSize(1920, 1080) << all << small;
    QTest::newRow("3840x2160, whole lesson, small") << QSize(3840, 2160) << all << small;
    QTest::newRow("whole lesson, across F") << QSize() << all << across;
    QTest::newRow("3840x2160, names, across F") << QSize(3840, 2160) << all.mid(0, 1) << across;
    const double bar = Bench::twipsOf(6), y = Bench::kAxisY + 600;
    const QVector<QPointF> lens{{bar, y}, {bar + 30, y}, {bar + 600, y}, {bar - 1500, y}};
    const QSize hd(1920, 1080);
    QTest::newRow("two lenses, across F") << hd << all + QStringList{"two lenses"} << across;
    QTest::newRow("second lens moved") << hd << all + QStringList{"second lens"} << lens;
    QTest::newRow("eye, across F") << hd << all + QStringList{"eye"} << across;
}

// What a drag leaves on the bench, painted only where figures and names were
// and are, is what painting every control whole shows: a region too small
// leaves a stroke's edge or a name behind. Qt clips an aliased line to the box
// of the region it paints and draws on from the cut, so a stroke may step a
// pixel apart (its colours neighbours in both pictures): a few such are allowed.
void TestDrawingSurface::dragsLeaveWhatAFullPaintShows() {
    QFETCH(QSize, window);
    QFETCH(QStringList, lesson);
    QFETCH(QVector<QPointF>, path);
    if (!window.isEmpty())
        w->resize(window);
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    auto* left = w->findChild<QWidget*>(QStringLiteral("picLeft"));
    auto* right = w->findChild<QWidget*>(QStringLiteral("picRigth"));
    const QString system = lesson.value(3);
    for (const QString& name : QStringList{"cmdCx"} + lesson.mid(0, 3))
        TestSupport::clickAt(w.get(), TestSupport::middleOf(w->findChild<QWidget*>(name)));
    if (system == QStringLiteral("eye"))
        w->view().Scenes().open("eye");
    else if (!system.isEmpty()) { // the object placed first, as a user would
        TestSupport::clickAt(w.get(), left->mapTo(w.get(), TestSupport::pixelOf(left, 3000, 3000)));
        w->view().Systems().putSecondLens(Optics::SecondLens{});
    }
    QWidget* medium = system == QStringLiteral("second lens") ? right : left;
    const auto at = [&](QPointF t) {
        return medium->mapTo(w.get(), TestSupport::pixelOf(medium, t.x(), t.y()));
    };
    QWidget* held = w->childAt(at(path[0])); // each move painted before the next
    TestSupport::press(held, held->mapFrom(w.get(), at(path[0])));
    for (const QPointF& twips : path) {
        QApplication::processEvents();
        TestSupport::moveHolding(held, held->mapFrom(w.get(), at(twips)));
    }
    TestSupport::release(held, held->mapFrom(w.get(), at(path.last())));
    QApplication::processEvents();
    const QRect bench = QRect(left->mapTo(w.get(), QPoint()), left->size())
                            .united(QRect(right->mapTo(w.get(), QPoint()), right->size()));
    const auto onScreen = [&] {
        return w->screen()
            ->grabWindow(w->winId(), bench.x(), bench.y(), bench.width(), bench.height())
            .toImage();
    };
    const QImage shown = onScreen();
    for (QWidget* control : w->findChildren<QWidget*>()) // the window's own update skips them
        control->update();
    QApplication::processEvents();
    const QImage whole = onScreen();
    const auto near = [](const QImage& image, int x, int y, QRgb colour) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.rect().contains(x + dx, y + dy) && image.pixel(x + dx, y + dy) == colour)
                    return true;
        return false;
    };
    constexpr int kSteps = 32;
    int steps = 0, differ = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != whole.pixel(x, y))
                ++(near(whole, x, y, shown.pixel(x, y)) && near(shown, x, y, whole.pixel(x, y))
                       ? steps
                       : differ);
    QVERIFY2(differ == 0 && steps <= kSteps,
             qPrintable(QStringLiteral("%1 pixels differ, %2 steps").arg(differ).arg(steps)));
}

QTEST_MAIN(TestDrawingSurface)
#include "tst_drawingsurface.moc"
