// SPDX-License-Identifier: GPL-3.0-or-later
// The construction over many lenses and object points: the images it finds lie
// where optics puts them and on the rays it draws, and no object point, however
// far off or odd, makes it fail or hand the painter something it cannot draw.
#include "form1.h"
#include "picturebox.h"
#include "screeninfo.h"
#include "shape.h"
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
    bool convergingLayout;     // surface signs of the biconvex (else biconcave) lens
};

constexpr RgbValue kBlack = 0, kRed = 255;

// The bench as the sliders and the lens-type buttons would leave it.
void apply(Form1& w, const Lens& lens) {
    const double sign = lens.convergingLayout ? 1 : -1;
    w.n1 = 1 + lens.n1 / 50.0;
    w.n2 = 1 + lens.n2 / 50.0;
    w.N = 1 + lens.vexol / 50.0;
    w.R1 = sign * (50 * lens.r1 + 1500);
    w.R2 = -sign * (50 * lens.r2 + 1500);
    w.ComputeFocalLengths();
}

// Distance of point p from the infinite line through a figure's end points.
double offLine(const Figure& f, double px, double py) {
    const double dx = double(f.x2) - f.x1;
    const double dy = double(f.y2) - f.y1;
    return std::fabs(dx * (py - f.y1) - dy * (px - f.x1)) / std::hypot(dx, dy);
}

bool isRayLine(const Figure& f, RgbValue colour) {
    return f.kind == Figure::Kind::Line && f.colour == colour && f.x1 != f.x2;
}

QString where(const Form1& w) {
    return QStringLiteral("object (%1, %2), f1 %3, f2 %4, converging %5, image (%6, %7)")
        .arg(double(w.ObjectX), 0, 'g', 9)
        .arg(double(w.ObjectY), 0, 'g', 9)
        .arg(w.f1, 0, 'g', 12)
        .arg(w.f2, 0, 'g', 12)
        .arg(w.IsConverging)
        .arg(w.ImageX, 0, 'g', 12)
        .arg(w.ImageY, 0, 'g', 12);
}

} // namespace

class TestRaySweep : public QObject {
    Q_OBJECT

private slots:
    void imagesLieOnTheirRays();
    void sweepStaysDrawable();
};

// For random lenses from the sliders' ranges and random object points, the image
// satisfies the thin-lens relation and lies on the rays drawn to find it: a real
// image on the central ray and on every refracted ray in picRigth; a virtual one
// on the red backward extensions in picLeft.
void TestRaySweep::imagesLieOnTheirRays() {
    QRandomGenerator random(20240611);
    auto w = TestSupport::startWindow();
    int real = 0, virtualConverging = 0, diverging = 0;
    for (int trial = 0; trial < 4000; ++trial) {
        const Lens lens{int(random.bounded(51)), int(random.bounded(51)), int(random.bounded(51)),
                        int(random.bounded(67)), int(random.bounded(67)), random.bounded(4) != 0};
        apply(*w, lens);
        const float x = float(-3000 + random.bounded(10400.0));
        float y = float(200 + random.bounded(7600.0));
        if (random.bounded(6) == 0)
            y = 3990;
        else if (std::fabs(y - 3990) < 30)
            continue;
        const double d = 7500 - double(x);
        drawFor(*w, x, y);
        const auto& left = w->picLeft->figures();
        const auto& right = w->picRigth->figures();
        const double ix = w->ImageX, iy = w->ImageY;
        if (std::fabs(ix) >= 760000 || std::fabs(iy) >= 760000)
            continue; // clamped: no longer the geometric image
        const double tol = 0.02 + 1e-6 * (std::fabs(ix) + std::fabs(iy));

        if (w->IsConverging) {
            const double F2 = std::fabs(w->f2);
            if (d > F2 + 100) {
                ++real;
                CHECK(std::fabs(ix - F2 * d / (d - F2)) <= 1e-6 * std::fabs(ix), where(*w));
                // Every black line in picRigth is the central ray or a refracted ray.
                int rays = 0;
                for (const Figure& f : right)
                    if (isRayLine(f, kBlack)) {
                        ++rays;
                        CHECK(offLine(f, ix, iy) <= tol,
                              where(*w) + " off " + TestSupport::describe(f));
                    }
                CHECK(rays >= 2, where(*w));
            } else if (d < F2 - 100) {
                ++virtualConverging;
                CHECK(std::fabs((7500 - ix) - F2 * d / (F2 - d)) <=
                          1e-6 * std::fabs(7500 - ix) + 1e-6,
                      where(*w));
                QVector<Figure> red;
                for (const Figure& f : left)
                    if (isRayLine(f, kRed))
                        red.append(f);
                QCOMPARE(red.size(), 2);
                if (y == 3990) {
                    // The two extensions from the aperture edges cross at the image.
                    CHECK(offLine(red[0], ix, iy) <= tol && offLine(red[1], ix, iy) <= tol,
                          where(*w));
                } else {
                    // The central ray's extension passes through the image; the
                    // refracted ray's extension does too, up to the whole-twip rounding
                    // of where it crosses the axis (its end point at the left edge
                    // moves with it, which magnifies the crossing's error by c / 7500).
                    CHECK(offLine(red[0], ix, iy) <= tol, where(*w));
                    const Figure& ext = red[1];
                    const double hit = w->LensHitY;
                    const double drawnCrossing =
                        7500 - 7500 * (3990 - hit) / (double(ext.y2) - hit);
                    const double imageCrossing = 7500 + (ix - 7500) * (3990 - hit) / (iy - hit);
                    const double c = imageCrossing - 7500;
                    const double rounding = w->CrossShift == 0 ? 0 : 0.51 * std::max(1.0, c / 7500);
                    // The end point is kept in single precision; a shallow line turns
                    // that into a larger error of its crossing.
                    const double drop = double(ext.y2) - hit;
                    const double storage = 7500 * std::fabs(3990 - hit) *
                                           (2e-7 * std::fabs(double(ext.y2)) + 1e-6) /
                                           (drop * drop);
                    CHECK(std::fabs(drawnCrossing - imageCrossing) <=
                              rounding + storage + 0.01 + 1e-6 * std::fabs(drawnCrossing),
                          where(*w) + QStringLiteral(" crossings %1 %2")
                                          .arg(drawnCrossing)
                                          .arg(imageCrossing));
                }
            }
        } else {
            ++diverging;
            const double F1 = std::fabs(w->f1);
            CHECK(std::fabs((7500 - ix) - F1 * d / (F1 + d)) <= 1e-6 * (7500 - ix), where(*w));
            // On the central ray, and on every red backward extension.
            CHECK(offLine(left[1], ix, iy) <= tol, where(*w));
            int extensions = 0;
            for (const Figure& f : left)
                if (isRayLine(f, kRed)) {
                    ++extensions;
                    CHECK(offLine(f, ix, iy) <= tol,
                          where(*w) + " off " + TestSupport::describe(f));
                }
            const bool edge = y == 2550 || y == 5430;
            CHECK(extensions >= (edge ? 0 : 1), where(*w));
        }
    }
    // The random draw must have exercised every kind of image.
    QVERIFY(real > 100);
    QVERIFY(virtualConverging > 100);
    QVERIFY(diverging > 100);
}

// A grid of lenses times a grid of object points, aperture edges, the axis, the
// focal plane, the threshold, points a hair left of the lens, far away, huge and
// not numbers: nothing fails, every figure the painter would draw is finite and
// inside the area, and the image point stays finite and clamped.
void TestRaySweep::sweepStaysDrawable() {
    auto w = TestSupport::startWindow();
    const ScreenInfo screen(w->picLeft->logicalDpiX());
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
        const double T = 7365.0 - double(w->shpF2->Left());
        QVector<float> xs{-inf, -big,   -1e7f,   -760000,        -5000, 0,    3000,
                          7000, 7490.f, 7499.5f, lastBeforeLens, 7500,  9000, nan};
        xs << float(7500 - F2) << float(T) << float(T) + 0.5f; // focal plane, threshold, band
        for (float x : xs)
            for (float y : ys) {
                drawFor(*w, x, y);
                ++runs;
                const bool reachable = std::fabs(x) <= 2e5f && std::fabs(y) <= 2e5f;
                for (PictureBox* area : {w->picLeft, w->picRigth}) {
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
