// SPDX-License-Identifier: GPL-3.0-or-later
// The construction over many lenses and object points: the images it finds lie
// where Gaussian optics puts them, for any two media, every ray it draws is
// refracted as a thin lens refracts, and no object point, however far off or
// odd, makes it fail or hand the painter something it cannot draw.
#include "form1.h"
#include "label.h"
#include "lensmaker.h"
#include "picturebox.h"
#include "screeninfo.h"
#include "shape.h"
#include "slider.h"
#include "surfacepainter.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>
#include <limits>

// QVERIFY2 builds its message even when the check passes; over tens of thousands
// of figures only a failure should pay for it.
#define CHECK(condition, message)                                                                  \
    do {                                                                                           \
        if (!(condition))                                                                          \
            QFAIL(qPrintable(QStringLiteral(#condition "\n   ") + (message)));                     \
    } while (false)

namespace {
using TestSupport::drawFor;

struct Lens {
    int vexol, n1, n2, r1, r2; // slider values
    bool convergingLayout;     // the biconvex (else the biconcave) lens of the buttons
};

constexpr RgbValue kBlack = 0, kGreen = 65280, kRed = 255, kGrey = 8421504;

// The bench as the sliders and the lens-type buttons would leave it.
void apply(Form1& w, const Lens& lens) {
    const int sign = lens.convergingLayout ? 1 : -1;
    w.ConvergingChosen = lens.convergingLayout ? kTrue : kFalse;
    w.R1Sign = std::int16_t(sign);
    w.R2Sign = std::int16_t(-sign);
    w.n1 = 1 + lens.n1 / 50.0;
    w.n2 = 1 + lens.n2 / 50.0;
    w.N = 1 + lens.vexol / 50.0;
    w.R1 = sign * (50 * lens.r1 + 1500);
    w.R2 = -sign * (50 * lens.r2 + 1500);
    w.ComputeFocalLengths();
}

// The optics of the lens as it is drawn: a thin lens of index N whose left
// surface borders n1 and right surface n2. Slider sldR1 shapes the left surface
// of the biconvex lens and the right one of the biconcave lens, sldR2 the other;
// a radius is positive when its centre of curvature lies right of the surface.
struct Gaussian {
    double n1, n2, P, f1, f2;
};
Gaussian opticsOf(const Lens& lens) {
    const double n1 = 1 + lens.n1 / 50.0, n2 = 1 + lens.n2 / 50.0, N = 1 + lens.vexol / 50.0;
    const double a1 = 50 * lens.r1 + 1500, a2 = 50 * lens.r2 + 1500;
    const double left = lens.convergingLayout ? a1 : -a2;
    const double right = lens.convergingLayout ? -a2 : a1;
    const double P = LensMaker::thinLensPower(n1, N, n2, left, right);
    return {n1, n2, P, n1 / P, n2 / P};
}

// Distance of point p from the infinite line through a figure's end points.
double offLine(const Figure& f, double px, double py) {
    const double dx = double(f.x2) - f.x1;
    const double dy = double(f.y2) - f.y1;
    return std::fabs(dx * (py - f.y1) - dy * (px - f.x1)) / std::hypot(dx, dy);
}

// Slope of a line as height above the axis per twip to the right, and how far
// single-precision end points can move it.
struct Slope {
    double u, error;
};
Slope slopeOf(const Figure& f) {
    const double dx = double(f.x2) - f.x1;
    const double u = -(double(f.y2) - f.y1) / dx;
    const double error =
        2.4e-7 *
        (std::fabs(f.y1) + std::fabs(f.y2) + std::fabs(u) * (std::fabs(f.x1) + std::fabs(f.x2))) /
        std::fabs(dx);
    return {u, error};
}

bool isSolidRay(const Figure& f) {
    return f.kind == Figure::Kind::Line && f.colour == kBlack && f.drawStyle == 0 && f.x1 != f.x2;
}

// The image dots: green in picRigth right of the lens plane (a real image),
// red in picLeft (a virtual one).
QVector<Figure> dots(const PictureBox* area, RgbValue colour, float radius) {
    QVector<Figure> out;
    for (const Figure& f : area->figures())
        if (f.kind == Figure::Kind::Circle && f.colour == colour && f.radius == radius &&
            (colour != kGreen || radius != 50 || f.x1 >= 0))
            out.append(f);
    return out;
}

QString where(const Form1& w) {
    return QStringLiteral(
               "object (%1, %2), n1 %3, n2 %4, N %5, R1 %6, R2 %7, f1 %8, f2 %9, image (%10, %11)")
        .arg(double(w.ObjectX), 0, 'g', 9)
        .arg(double(w.ObjectY), 0, 'g', 9)
        .arg(w.n1)
        .arg(w.n2)
        .arg(w.N)
        .arg(w.R1)
        .arg(w.R2)
        .arg(w.f1, 0, 'g', 12)
        .arg(w.f2, 0, 'g', 12)
        .arg(w.ImageX, 0, 'g', 12)
        .arg(w.ImageY, 0, 'g', 12);
}

// The radius slider in the row of the label with this text, left of it.
QSlider* sliderBeside(QWidget* window, const QString& text) {
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->text() == text)
            for (QSlider* slider : window->findChildren<QSlider*>()) {
                const QRect g = slider->geometry();
                if (g.right() < label->x() && g.top() <= label->geometry().center().y() &&
                    g.bottom() >= label->geometry().center().y())
                    return slider;
            }
    qFatal("no slider beside %s", qPrintable(text));
}

} // namespace

class TestRaySweep : public QObject {
    Q_OBJECT

private slots:
    void gaussianOpticsAnyMedia();
    void issueCases_data();
    void issueCases();
    void sweepStaysDrawable();
};

// For random lenses between two different media and random object points, from
// n1, n2, N and the radii alone: the marks stand at the focal lengths, the image
// is of the kind d - |f1| says, obeys f1 / d + f2 / b = 1 and magnifies
// -(n1 b) / (n2 d); every ray drawn through the lens obeys n2 u2 = n1 u1 - h P
// there, and the image lies on every refracted ray and every red extension.
void TestRaySweep::gaussianOpticsAnyMedia() {
    QRandomGenerator random(20240611);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    int real = 0, virtualConverging = 0, diverging = 0;
    for (int trial = 0; trial < 4000; ++trial) {
        Lens lens{int(random.bounded(51)), int(random.bounded(51)), int(random.bounded(51)),
                  int(random.bounded(67)), int(random.bounded(67)), random.bounded(3) != 0};
        if (lens.n1 == lens.n2)
            lens.n2 = (lens.n1 + 1 + int(random.bounded(50))) % 51;
        apply(*w, lens);
        const Gaussian o = opticsOf(lens);
        if (std::fabs(o.P) < 1e-6)
            continue; // too weak a lens: 760000 stands in for its focal lengths
        CHECK(std::fabs(w->f1 - o.f1) <= 1e-9 * std::fabs(o.f1) &&
                  std::fabs(w->f2 - o.f2) <= 1e-9 * std::fabs(o.f2),
              where(*w));
        // A diverging lens sends parallel light on as if from |f2| in front of it.
        const double leftF = o.P > 0 ? o.f1 : -o.f2, rightF = o.P > 0 ? o.f2 : -o.f1;
        CHECK(std::fabs(double(ui.shpF1->Left()) + 67.5 - (7500 - leftF)) <= 0.01 + 1e-6 * leftF &&
                  std::fabs(double(ui.shpF2->Left()) + 67.5 - rightF) <= 0.01 + 1e-6 * rightF,
              where(*w));

        const float x = float(-3000 + random.bounded(10400.0));
        float y = float(200 + random.bounded(7600.0));
        if (random.bounded(6) == 0)
            y = 3990;
        else if (std::fabs(y - 3990) < 30)
            continue;
        const double d = 7500 - double(x), H = 3990 - double(y);
        if (std::fabs(d - std::fabs(o.f1)) < 1e-6 * std::fabs(o.f1))
            continue; // the focal plane itself: no image
        drawFor(*w, x, y);

        // The object dot ends every run.
        const Figure& last = ui.picLeft->figures().last();
        CHECK(last.kind == Figure::Kind::Circle && last.colour == kGreen && last.radius == 60 &&
                  last.x1 == x && last.y1 == y,
              where(*w));

        // Kind: real only for a converging lens with the object beyond |f1|.
        const bool realWanted = o.P > 0 && d > o.f1;
        const QVector<Figure> realDots = dots(ui.picRigth, kGreen, 50);
        const QVector<Figure> virtualDots = dots(ui.picLeft, kRed, 50);
        CHECK(realDots.size() == (realWanted ? 1 : 0) && virtualDots.size() == (realWanted ? 0 : 1),
              where(*w));
        const Figure& dot = realWanted ? realDots[0] : virtualDots[0];
        if (std::fabs(dot.x1) >= 760000 || std::fabs(dot.y1) >= 760000)
            continue; // clamped: no longer the geometric image
        (realWanted ? real : o.P > 0 ? virtualConverging : diverging)++;

        // The image as drawn, b right of the lens (negative: left of it).
        const double b = realWanted ? double(dot.x1) : double(dot.x1) - 7500;
        const double iy = dot.y1;
        // The dot is kept in single precision: a virtual image near the lens knows
        // its b only to a few ten-thousandths of a twip.
        const double bError = (1.2e-7 * std::fabs(dot.x1) + 1e-9) / std::fabs(b);
        CHECK(std::fabs(o.f1 / d + o.f2 / b - 1) <=
                  1e-6 * (1 + std::fabs(o.f1 / d)) + std::fabs(o.f2 / b) * (1e-6 + bError),
              where(*w));
        if (y != 3990) {
            const double m = -(o.n1 * b) / (o.n2 * d);
            CHECK(std::fabs((3990 - iy) / H - m) <=
                      std::fabs(m) * (1e-6 + bError) + 1e-6 * (std::fabs(iy) + 1) / std::fabs(H),
                  where(*w) + QStringLiteral(" magnification %1").arg(m));
        }

        // Each ray leaving the lens plane in picRigth, with the ray that arrived
        // there in picLeft: the refraction law at height h, and the image on it.
        int rays = 0;
        for (const Figure& out : ui.picRigth->figures()) {
            if (!isSolidRay(out) || out.x1 != 0)
                continue;
            const Figure* in = nullptr;
            for (const Figure& f : ui.picLeft->figures())
                if (isSolidRay(f) && f.x2 == 7500 && std::fabs(f.y2 - out.y1) < 1e-3)
                    in = &f;
            CHECK(in, where(*w) + " nothing arrives for " + TestSupport::describe(out));
            ++rays;
            const Slope u1 = slopeOf(*in), u2 = slopeOf(out);
            const double h = 3990 - double(out.y1);
            CHECK(std::fabs(o.n2 * u2.u - (o.n1 * u1.u - h * o.P)) <=
                      o.n2 * u2.error + o.n1 * u1.error + 1e-9 * (1 + std::fabs(h * o.P)),
                  where(*w) + " in " + TestSupport::describe(*in) + " out " +
                      TestSupport::describe(out));
            CHECK(offLine(out, b, iy) <=
                      0.02 + 1e-6 * (std::fabs(b) + std::fabs(iy)) + u2.error * std::fabs(b),
                  where(*w) + " off " + TestSupport::describe(out));
        }
        CHECK(rays >= 2, where(*w));

        // A secondary axis before the lens runs through the centre parallel to
        // an edge ray as it arrives (converging) or as it leaves, n2 u2 = n1 u1,
        // traced back (diverging).
        for (const Figure& axis : ui.picLeft->figures()) {
            if (axis.colour != kGrey || axis.x1 != 7500 || axis.y1 != 3990)
                continue;
            bool parallel = false;
            for (const Figure& in : ui.picLeft->figures())
                if (isSolidRay(in) && in.x2 == 7500 && in.y2 != 3990) {
                    const double bend = o.P > 0 ? 1 : o.n1 / o.n2;
                    const Slope a = slopeOf(axis), u = slopeOf(in);
                    parallel |= std::fabs(a.u - bend * u.u) <= a.error + bend * u.error + 1e-9;
                }
            CHECK(parallel, where(*w) + " secondary axis " + TestSupport::describe(axis));
        }

        // The red backward extensions meet at the virtual image. The one of an edge
        // ray crosses the axis at a whole twip, which moves it by up to half a twip
        // there, magnified at the image by its distance over the crossing's.
        for (const Figure& f : ui.picLeft->figures()) {
            if (f.kind != Figure::Kind::Line || f.colour != kRed || f.x1 == f.x2)
                continue;
            double rounding = 0;
            const bool beyondAperture = y < 2650 || y > 5330;
            if (o.P > 0 && beyondAperture && f.x1 == 7500 && f.y1 == float(w->LensHitY)) {
                const double c = std::fabs(w->f2) - w->CrossShift;
                rounding = 0.51 * std::fabs(w->LensHitY - 3990) * (std::fabs(b) + c) / (c * c);
            }
            CHECK(offLine(f, dot.x1, iy) <= 0.02 + 1e-6 * (std::fabs(b) + std::fabs(iy)) + rounding,
                  where(*w) + " off " + TestSupport::describe(f));
        }
    }
    // The random draw must have exercised every kind of image.
    QVERIFY(real > 100);
    QVERIFY(virtualConverging > 100);
    QVERIFY(diverging > 100);
}

// The cases a teacher checks by hand, set with the buttons and sliders: n1 = 2,
// N = 2, n2 = 1 gives f1 = 3000, f2 = 1500 (+ converging, - diverging); the
// radius beside "левая" shapes the surface left of the lens, which meets n1; a
// biconvex lens in denser media diverges and its symbol says so; and the two
// bands near F (the mark's 67.5 half-width, slopes within 1e-4) where the image
// was of the wrong kind or went missing with the object dot.
void TestRaySweep::issueCases_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QVector<int>>("sliders"); // n1, N, n2, radius beside "левая"
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<double>("imageX"); // in the area of its kind
    QTest::addColumn<double>("imageY");
    QTest::addColumn<double>("leftF"); // distances of the F marks from the lens
    QTest::addColumn<double>("rightF");
    QTest::addColumn<bool>("outwards");

    const QVector<int> denseLeft{50, 50, 0, 0};
    // d = 2250 < f1: b = f2 d / (d - f1) = -4500, magnification -(2 b) / d = 4.
    QTest::newRow("n1 2, d 2250, within the aperture")
        << "cmdSob" << denseLeft << 5250.f << 3790.f << "virtual" << 3000.0 << 3190.0 << 3000.0
        << 1500.0 << true;
    QTest::newRow("n1 2, d 2250, beyond the aperture")
        << "cmdSob" << denseLeft << 5250.f << 2490.f << "virtual" << 3000.0 << -2010.0 << 3000.0
        << 1500.0 << true;
    QTest::newRow("n1 2, d 2250, on the axis")
        << "cmdSob" << denseLeft << 5250.f << 3990.f << "virtual" << 3000.0 << 3990.0 << 3000.0
        << 1500.0 << true;
    // d = 4500: b = 4500, magnification -2.
    QTest::newRow("n1 2, d 4500, within the aperture")
        << "cmdSob" << denseLeft << 3000.f << 3790.f << "real" << 4500.0 << 4390.0 << 3000.0
        << 1500.0 << true;
    QTest::newRow("n1 2, d 4500, beyond the aperture")
        << "cmdSob" << denseLeft << 3000.f << 2490.f << "real" << 4500.0 << 6990.0 << 3000.0
        << 1500.0 << true;
    QTest::newRow("n1 2, d 4500, on the axis")
        << "cmdSob" << denseLeft << 3000.f << 3990.f << "real" << 4500.0 << 3990.0 << 3000.0
        << 1500.0 << true;
    // Diverging, f1 = -3000, f2 = -1500: left marks at 1500, right ones at 3000;
    // d = 4500: b = -900, magnification 0.4.
    QTest::newRow("diverging, n1 2, within the aperture")
        << "cmdRas" << denseLeft << 3000.f << 3790.f << "virtual" << 6600.0 << 3910.0 << 1500.0
        << 3000.0 << false;
    QTest::newRow("diverging, n1 2, beyond the aperture")
        << "cmdRas" << denseLeft << 3000.f << 2490.f << "virtual" << 6600.0 << 3390.0 << 1500.0
        << 3000.0 << false;
    QTest::newRow("diverging, n1 2, on the axis")
        << "cmdRas" << denseLeft << 3000.f << 3990.f << "virtual" << 6600.0 << 3990.0 << 1500.0
        << 3000.0 << false;
    // Biconcave, n2 = 2, left surface flattened to 4800: P = 0.64 / -4800 + 0.36 /
    // 1500 = 1 / 9375 > 0, the lens converges: f1 = 9375, f2 = 18750; d = 4500:
    // b = -17307.69..., magnification -b / (2 d) = 1.923...
    QTest::newRow("biconcave in a denser right medium converges")
        << "cmdRas" << QVector<int>{0, 32, 50, 66} << 3000.f << 3790.f << "virtual"
        << 7500 - 18750 * 4500 / 4875.0 << 3990 - 200 * 18750 / 9750.0 << 9375.0 << 18750.0 << true;
    // n1 = n2 = 2 around N = 1.64: f = -4166.67; d = 4500: b = -2163.46..., 0.4808...
    QTest::newRow("biconvex in denser media diverges")
        << "cmdSob" << QVector<int>{50, 32, 50, 0} << 3000.f << 3790.f << "virtual"
        << 7500 - 3000 / 0.72 * 4500 / (4500 + 3000 / 0.72)
        << 3990 - 200 * (3000 / 0.72) / (4500 + 3000 / 0.72) << 3000 / 0.72 << 3000 / 0.72 << false;
    // The start lens, F = 1171.875.
    const QVector<int> start{0, 32, 0, 0};
    QTest::newRow("30 beyond F, in the mark's half-width: real")
        << "cmdSob" << start << 6298.125f << 3790.f << "real" << 1171.875 * 1201.875 / 30
        << 3990 + 200 * 1171.875 / 30 << 1171.875 << 1171.875 << true;
    QTest::newRow("10 beyond F, 5 above the axis: real")
        << "cmdSob" << start << 6318.125f << 3985.f << "real" << 1171.875 * 1181.875 / 10
        << 3990 + 5 * 1171.875 / 10 << 1171.875 << 1171.875 << true;
    QTest::newRow("10 inside F, 5 above the axis: virtual")
        << "cmdSob" << start << 6338.125f << 3985.f << "virtual" << 7500 - 1171.875 * 1161.875 / 10
        << 3990 - 5 * 1171.875 / 10 << 1171.875 << 1171.875 << true;
    // d = f1 = 3000 exactly: the rays leave parallel.
    QTest::newRow("n1 2, in the front focal plane: no image")
        << "cmdSob" << denseLeft << 4500.f << 3790.f << "none" << 0.0 << 0.0 << 3000.0 << 1500.0
        << true;
}

void TestRaySweep::issueCases() {
    QFETCH(QString, button);
    QFETCH(QVector<int>, sliders);
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, kind);
    QFETCH(double, imageX);
    QFETCH(double, imageY);
    QFETCH(double, leftF);
    QFETCH(double, rightF);
    QFETCH(bool, outwards);

    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    TestSupport::clickButton(w.get(), button);
    TestSupport::dragSliderTo(ui.sldn1, sliders[0]);
    TestSupport::dragSliderTo(ui.sldVexol, sliders[1]);
    TestSupport::dragSliderTo(ui.sldn2, sliders[2]);
    TestSupport::dragSliderTo(sliderBeside(w.get(), QStringLiteral("левая")), sliders[3]);
    TestSupport::clickButton(w.get(), QStringLiteral("cmdCx"));
    drawFor(*w, x, y);

    QCOMPARE(ui.picLup->Top(), outwards ? 6320.f : 2880.f);
    QVERIFY2(std::fabs(double(ui.shpF1->Left()) + 67.5 - (7500 - leftF)) < 0.01 &&
                 std::fabs(double(ui.shpF2->Left()) + 67.5 - rightF) < 0.01,
             qPrintable(where(*w)));
    const QVector<Figure> realDots = dots(ui.picRigth, kGreen, 50);
    const QVector<Figure> virtualDots = dots(ui.picLeft, kRed, 50);
    QCOMPARE(realDots.size(), kind == QLatin1String("real") ? 1 : 0);
    QCOMPARE(virtualDots.size(), kind == QLatin1String("virtual") ? 1 : 0);
    QCOMPARE(dots(ui.picLeft, kGreen, 60).size(), 1); // the object dot, on every run
    if (kind != QLatin1String("none")) {
        const Figure& dot = kind == QLatin1String("real") ? realDots[0] : virtualDots[0];
        const double tolerance = 0.01 + 1e-6 * std::fabs(imageX);
        QVERIFY2(std::fabs(dot.x1 - imageX) < tolerance && std::fabs(dot.y1 - imageY) < tolerance,
                 qPrintable(where(*w)));
    }
}

// A grid of lenses times a grid of object points, aperture edges, the axis, the
// focal plane, the threshold, points a hair left of the lens, far away, huge and
// not numbers: nothing fails, every figure the painter would draw is finite and
// inside the area, and the image point stays finite and clamped.
void TestRaySweep::sweepStaysDrawable() {
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    const ScreenInfo screen(ui.picLeft->logicalDpiX());
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float big = std::numeric_limits<float>::max();
    const float lastBeforeLens = std::nextafter(7500.f, 0.f);

    QVector<Lens> lenses;
    for (int vexol : {0, 1, 32, 50})
        for (int n1 : {0, 25, 50})
            for (int n2 : {0, 50})
                for (int r : {0, 33, 66})
                    for (bool layout : {true, false})
                        lenses.append({vexol, n1, n2, r, 66 - r, layout});
    lenses.append({25, 24, 26, 66, 65, true}); // power below the threshold, yet negative
    lenses.append({50, 0, 0, 0, 0, true});     // the shortest focal length, 750

    const QVector<float> ys{-big, -1e6f,     -5000, 0,          2000, 2550, 2650,
                            3000, 3989.999f, 3990,  3990.0002f, 5330, 5430, 6000,
                            8025, 20000,     1e7f,  big,        nan,  inf};
    int runs = 0;
    for (const Lens& lens : lenses) {
        apply(*w, lens);
        const double F2 = std::fabs(w->f2);
        const double T = 7365.0 - double(ui.shpF2->Left());
        QVector<float> xs{-inf, -big,   -1e7f,   -760000,        -5000, 0,    3000,
                          7000, 7490.f, 7499.5f, lastBeforeLens, 7500,  9000, nan};
        xs << float(7500 - F2) << float(T) << float(T) + 0.5f; // focal plane, threshold, band
        for (float x : xs)
            for (float y : ys) {
                drawFor(*w, x, y);
                ++runs;
                const bool reachable = std::fabs(x) <= 2e5f && std::fabs(y) <= 2e5f;
                for (PictureBox* area : {ui.picLeft, ui.picRigth}) {
                    const QRectF rect(area->rect());
                    for (const Figure& f : area->figures()) {
                        const auto what = [&] {
                            return where(*w) + " " + TestSupport::describe(f);
                        };
                        // From a point a mouse can reach, every value stays finite.
                        if (reachable)
                            CHECK(std::isfinite(f.x1) && std::isfinite(f.y1) &&
                                      std::isfinite(f.x2) && std::isfinite(f.y2),
                                  what());
                        const double margin = 4.0 + 2.0 * f.drawWidth;
                        const QRectF allowed = rect.adjusted(-margin, -margin, margin, margin);
                        if (f.kind == Figure::Kind::Line) {
                            const auto line = SurfacePainter::lineOnDevice(f, screen, rect);
                            if (line)
                                CHECK(allowed.contains(line->p1()) && allowed.contains(line->p2()),
                                      what());
                        } else {
                            const auto box = SurfacePainter::circleOnDevice(f, screen, rect);
                            if (box)
                                CHECK(std::isfinite(box->x()) && std::isfinite(box->y()) &&
                                          box->width() < 20 && allowed.intersects(*box),
                                      what());
                        }
                    }
                }
                CHECK(std::isfinite(w->ImageX) && std::fabs(w->ImageX) <= 760000 &&
                          std::isfinite(w->ImageY) && std::fabs(w->ImageY) <= 760000,
                      where(*w));
                CHECK(std::isfinite(w->RaySlope) && std::isfinite(w->AuxSlope) &&
                          std::isfinite(w->LensHitY),
                      where(*w));
            }
    }
    QVERIFY(runs > 10000);
}

QTEST_MAIN(TestRaySweep)
#include "tst_raysweep.moc"
