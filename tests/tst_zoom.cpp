// SPDX-License-Identifier: GPL-3.0-or-later
// The window scaled to its size: presses land on the twips under the pointer
// and the construction is the same at every factor, figures cover the marks of
// their area, the lens-plane line stays, the axis tooltip shows while presses
// pass, every control stays in the window, and the keyboard zooms.
#include "commandbutton.h"
#include "form1.h"
#include "picturebox.h"
#include "testsupport.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolTip>
#include <QWindow>
#include <cmath>

namespace {
using namespace TestSupport;

// The laid-out client area at 96 dpi, in pixels, and where picLeft stands in
// the window's twips.
constexpr double kLaidOutWidth = 1008;
constexpr double kLaidOutHeight = 729;
constexpr double kLeftAreaX = 120;
constexpr double kAreaTop = 810;
const QRgb kGreen = qRgb(0, 255, 0);

// A window of the size that fits the laid-out face `factor` times.
QSize sizeFor(double factor) {
    return QSize(int(std::lround(kLaidOutWidth * factor)),
                 int(std::ceil(kLaidOutHeight * factor - 1e-9)));
}

std::unique_ptr<Form1> windowOfSize(QSize size) {
    auto w = startWindow();
    w->resize(size);
    QApplication::processEvents();
    return w;
}

// A point given in window twips, in window pixels: the face scaled by the
// factor that fits it and centred.
QPointF windowPixel(QSize window, double factor, double xTwips, double yTwips) {
    const QPointF origin(std::round((window.width() - kLaidOutWidth * factor) / 2),
                         std::round((window.height() - kLaidOutHeight * factor) / 2));
    return origin + QPointF(xTwips, yTwips) * factor / 15.0;
}

QImage grabbed(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}
} // namespace

class TestZoom : public QObject {
    Q_OBJECT

private slots:
    void pressLandsOnTwips_data();
    void pressLandsOnTwips();
    void figuresCoverMarks();
    void lensPlaneLineStays_data();
    void lensPlaneLineStays();
    void linesThickenWithTheWindow_data();
    void linesThickenWithTheWindow();
    void axisTooltipWhilePressesPass();
    void controlsStayInWindow_data();
    void controlsStayInWindow();
    void zoomAndFullScreenKeys();
};

void TestZoom::pressLandsOnTwips_data() {
    QTest::addColumn<QSize>("window");
    QTest::addColumn<double>("factor");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");

    const struct {
        const char* name;
        QSize size;
        double factor;
    } sizes[] = {{"laid out", sizeFor(1), 1.0},
                 {"1.5", sizeFor(1.5), 1.5},
                 {"2", sizeFor(2), 2.0},
                 {"fit 1920x1080", QSize(1920, 1080), 1080 / kLaidOutHeight}};
    const QPointF points[] = {{4500, 3000}, {5156.25, 3990}, {1000, 500}, {7000, 7000}};
    for (const auto& size : sizes)
        for (QPointF p : points)
            QTest::addRow("%s, (%g, %g)", size.name, p.x(), p.y())
                << size.size << size.factor << float(p.x()) << float(p.y());
}

// A press at the pixel of a twips point of the left area lands on that point
// within a pixel,
// the object dot shows under the pointer, and the construction recorded in
// twips is the one drawn at the laid-out size.
void TestZoom::pressLandsOnTwips() {
    QFETCH(QSize, window);
    QFETCH(double, factor);
    QFETCH(float, x);
    QFETCH(float, y);
    auto w = windowOfSize(window);
    const auto ui = TestSupport::controlsOf(*w);
    QVERIFY(std::abs(w->view().ZoomFactor() - factor) < 1e-9);
    clickButton(w.get(), "cmdCx");

    // The area stands where the scaled, centred layout puts it, to the pixel;
    // its twips count from its own corner.
    const QPointF corner = windowPixel(window, factor, kLeftAreaX, kAreaTop);
    const QPoint placed = ui.picLeft->mapTo(w.get(), QPoint(0, 0));
    QVERIFY(std::abs(placed.x() - corner.x()) <= 0.5 && std::abs(placed.y() - corner.y()) <= 0.5);
    const QPoint pixel =
        placed + QPoint(int(std::floor(x * factor / 15)), int(std::floor(y * factor / 15)));
    QTest::mousePress(w->windowHandle(), Qt::LeftButton, Qt::NoModifier, pixel);
    const double onePixel = 15.0 / factor;
    QVERIFY2(std::abs(w->ObjectX - x) <= onePixel, qPrintable(QString::number(w->ObjectX)));
    QVERIFY2(std::abs(w->ObjectY - y) <= onePixel, qPrintable(QString::number(w->ObjectY)));
    // Two pixels above the point: inside the green dot, clear of the axis strip.
    QCOMPARE(grabbed(w.get()).pixel(pixel + QPoint(0, -2)), kGreen);
    QTest::mouseRelease(w->windowHandle(), Qt::LeftButton, Qt::NoModifier, pixel);

    // The same construction twice at the laid-out size: the press drew once
    // and left its drawing state.
    auto reference = startWindow();
    drawFor(*reference, x, y);
    drawFor(*reference, x, y);
    drawFor(*w, x, y);
    const Controls scaledUi = controlsOf(*w), laidOutUi = controlsOf(*reference);
    for (auto area : {&Controls::picLeft, &Controls::picRigth}) {
        QStringList scaled, laidOut;
        for (const Figure& f : (scaledUi.*area)->figures())
            scaled << describe(f);
        for (const Figure& f : (laidOutUi.*area)->figures())
            laidOut << describe(f);
        QCOMPARE(scaled, laidOut);
    }
}

// An object on the axis at 2F images onto 2F on the other side: both dots show
// their own green over the grey 2F marks (f = n / P, P = 2 * 0.64 / 1500).
void TestZoom::figuresCoverMarks() {
    auto w = startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    clickButton(w.get(), "cmdCx");
    const double f = 1500 / (2 * 0.64);
    drawFor(*w, float(7500 - 2 * f), 3990);

    const QImage left = grabbed(ui.picLeft);
    const QPoint object = pixelOf(ui.picLeft, 7500 - 2 * f, 3990);
    QCOMPARE(left.pixel(object), kGreen);
    // The image dot is a green ring four pixels wide around a black centre.
    const QImage right = grabbed(ui.picRigth);
    const QPoint ring = pixelOf(ui.picRigth, 2 * f, 3990) + QPoint(0, -3);
    QCOMPARE(right.pixel(ring), kGreen);
}

void TestZoom::lensPlaneLineStays_data() {
    QTest::addColumn<double>("wanted");
    // 1.45: the strip between the lens pieces rounds to two pixels, the
    // scaled line width to one.
    for (double factor : {1.0, 1.25, 1.45, 1.5, 1.75, 2.0})
        QTest::addRow("%g", factor) << factor;
}

// In the lens view the lens is one blue body split by a grey line at the lens
// plane: no white seam, and the line shows, at every factor.
void TestZoom::lensPlaneLineStays() {
    QFETCH(double, wanted);
    const QSize size = sizeFor(wanted);
    auto w = windowOfSize(size);
    const double factor = w->view().ZoomFactor();
    QVERIFY(std::abs(factor - wanted) < 1e-3);
    const QImage image = grabbed(w.get());

    const int row = int(windowPixel(size, factor, 0, 4000).y());
    const int from = int(windowPixel(size, factor, 7300, 0).x());
    const int to = int(windowPixel(size, factor, 7900, 0).x());
    int grey = 0;
    for (int x = from; x <= to; ++x) {
        const QRgb pixel = image.pixel(x, row);
        QVERIFY2(pixel != qRgb(255, 255, 255), qPrintable(QStringLiteral("white at %1").arg(x)));
        grey += pixel == qRgb(128, 128, 128);
    }
    QVERIFY(grey >= 1);
}

void TestZoom::linesThickenWithTheWindow_data() {
    QTest::addColumn<double>("wanted");
    QTest::addColumn<int>("drawWidth");
    QTest::addColumn<int>("pixels");
    QTest::newRow("factor 1, construction line") << 1.0 << 1 << 1;
    QTest::newRow("factor 1, ray") << 1.0 << 2 << 2;
    // The fit to 1920x1080: a projected line thinner than two pixels vanishes.
    QTest::newRow("1920x1080, construction line") << 1080.0 / kLaidOutHeight << 1 << 2;
    QTest::newRow("1920x1080, ray") << 1080.0 / kLaidOutHeight << 2 << 3;
    QTest::newRow("1920x1080, image line") << 1080.0 / kLaidOutHeight << 4 << 6;
    QTest::newRow("factor 1.5, ray") << 1.5 << 2 << 3;
    QTest::newRow("factor 2, construction line") << 2.0 << 1 << 2;
}

// A horizontal line of the given width, crossed by a column of pixels: its
// thickness at the window's factor.
void TestZoom::linesThickenWithTheWindow() {
    QFETCH(double, wanted);
    QFETCH(int, drawWidth);
    QFETCH(int, pixels);
    auto w = windowOfSize(sizeFor(wanted));
    const auto ui = TestSupport::controlsOf(*w);
    QVERIFY(std::abs(w->view().ZoomFactor() - wanted) < 1e-3);
    PictureBox* area = ui.picLeft;
    area->Refresh();
    area->SetDrawWidth(drawWidth);
    constexpr RgbValue kInk = RGB(255, 0, 0);
    area->Line(1500, 1500, 6000, 1500, kInk);
    const QImage image = grabbed(area);
    const int column = pixelOf(area, 3000, 1500).x();
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        inked += image.pixel(column, y) == qRgb(255, 0, 0);
    QCOMPARE(inked, pixels);
}

// Resting on the axis strip shows its tooltip; a press there still reaches the
// left area and places the point on the axis.
void TestZoom::axisTooltipWhilePressesPass() {
    auto w = startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    clickButton(w.get(), "cmdCx");
    const QPoint onAxis = pixelOf(ui.picLeft, 3000, 3995);
    QHelpEvent help(QEvent::ToolTip, onAxis, ui.picLeft->mapToGlobal(onAxis));
    QApplication::sendEvent(ui.picLeft, &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Главная оптическая ось линзы"));
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());

    const QPoint offAxis = pixelOf(ui.picLeft, 3000, 2000);
    QHelpEvent elsewhere(QEvent::ToolTip, offAxis, ui.picLeft->mapToGlobal(offAxis));
    QApplication::sendEvent(ui.picLeft, &elsewhere);
    QTest::qWait(50);
    QVERIFY(!QToolTip::isVisible());

    const QPoint inWindow = ui.picLeft->mapTo(w.get(), onAxis);
    QTest::mousePress(w->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
    QTest::mouseRelease(w->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
    QVERIFY(std::abs(w->ObjectY - 3995) <= 15);
}

void TestZoom::controlsStayInWindow_data() {
    QTest::addColumn<QSize>("window");
    QTest::newRow("1366x768 at 125 %, maximised") << QSize(1093, 598);
    QTest::newRow("1920x1040 at 150 %") << QSize(1280, 660);
    QTest::newRow("640x480") << QSize(640, 480);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
}

// Every button and slider lies wholly inside the window, with room to press.
void TestZoom::controlsStayInWindow() {
    QFETCH(QSize, window);
    auto w = windowOfSize(window);
    QList<QWidget*> controls;
    for (QPushButton* b : w->findChildren<QPushButton*>())
        controls << b;
    for (QSlider* s : w->findChildren<QSlider*>())
        controls << s;
    QCOMPARE(controls.size(), 28); // twenty-three buttons, five sliders
    for (QWidget* c : controls) {
        const QRect box(c->mapTo(w.get(), QPoint(0, 0)), c->size());
        QVERIFY2(w->rect().contains(box) && box.width() >= 8 && box.height() >= 8,
                 qPrintable(c->objectName()));
    }
}

// Ctrl+plus and Ctrl+minus step the factor by 1.25 from the fit, Ctrl+0 goes
// back to it; F11 fills the screen and Esc leaves it.
void TestZoom::zoomAndFullScreenKeys() {
    auto w = startWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QWindow* window = w->windowHandle();
    QTest::keyClick(window, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(w->view().ZoomFactor(), 1.25);
    QTest::keyClick(window, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(w->view().ZoomFactor(), 0.8);
    QTest::keyClick(window, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(w->view().ZoomFactor(), 1.0);
    // Eight steps in at most, about six times the fit: the lens fills the
    // screen and no further.
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(window, Qt::Key_Plus, Qt::ControlModifier);
    QVERIFY2(std::fabs(w->view().ZoomFactor() - std::pow(1.25, 8)) < 1e-9,
             qPrintable(QString::number(w->view().ZoomFactor())));
    QTest::keyClick(window, Qt::Key_0, Qt::ControlModifier);

    QTest::keyClick(window, Qt::Key_F11);
    QTRY_VERIFY(w->isFullScreen());
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(!w->isFullScreen());
}

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
