// SPDX-License-Identifier: GPL-3.0-or-later
// The ray construction the window draws from the bench's lens, checked against
// the refraction of a thin lens, and the bench's single-precision frame (the
// lens itself is tested without a window, in logic/tst_lens.cpp).
#include "bench.h"
#include "benchlens.h"
#include "benchoptics.h"
#include "lens.h"
#include "measurement.h"
#include "objectmotion.h"
#include "raydiagram.h"

#include <QTest>
#include <cmath>
#include <limits>

namespace {

constexpr double kCm = Bench::kTwipsPerCm;
constexpr double kWater = 4.0 / 3.0;

// Height above the axis per twip to the right, of the line through a stroke's
// end points (y grows downwards on the bench).
double slopeOf(const Optics::Stroke& s) {
    return -(s.y2 - s.y1) / (s.x2 - s.x1);
}

// One frame for both areas: picRigth shifted right by the lens plane.
double globalX(Optics::Area area, double x) {
    return area == Optics::Area::Right ? x + Bench::kLensX : x;
}

// Distance of a point (global frame) from the infinite line through a stroke.
double offLine(const Optics::Stroke& s, double px, double py) {
    const double x1 = globalX(s.area, s.x1), x2 = globalX(s.area, s.x2);
    const double dx = x2 - x1, dy = s.y2 - s.y1;
    return std::fabs(dx * (py - s.y1) - dy * (px - x1)) / std::hypot(dx, dy);
}

bool isRay(Optics::Role role) {
    return role == Optics::Role::CentralRay || role == Optics::Role::ParallelRay ||
           role == Optics::Role::EdgeRay;
}

QString describe(const Optics::Stroke& s) {
    return QStringLiteral("role %1 area %2 (%3, %4) - (%5, %6)")
        .arg(int(s.role))
        .arg(int(s.area))
        .arg(s.x1)
        .arg(s.y1)
        .arg(s.x2)
        .arg(s.y2);
}

} // namespace

class TestOptics : public QObject {
    Q_OBJECT

private slots:
    void constructionRefracts_data();
    void constructionRefracts();
    void noConstructionOffTheBench_data();
    void noConstructionOffTheBench();
    void benchFrame_data();
    void benchFrame();
};

// The construction as the library computes it: every solid ray that meets the
// lens plane leaves it bent by n2 u2 = n1 u1 - h P (slopes from the strokes'
// end points, P = n2 / f'), and every refracted ray or backward extension runs
// through the image point.
void TestOptics::constructionRefracts_data() {
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("n2");
    QTest::addColumn<double>("fBack"); // signed, negative for a diverging lens
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");

    const double f = 2000;
    struct Medium {
        const char* name;
        double n1, n2;
    };
    const Medium media[] = {{"air", 1, 1}, {"1 | 1.5", 1, 1.5}, {"1.6 | 1.2", 1.6, 1.2}};
    struct Place {
        const char* name;
        double x, y;
    };
    // Beyond and inside the front focal plane; within the aperture, above and
    // below it, and on the axis.
    const Place places[] = {
        {"far, within, above", 1000, 3200}, {"far, within, below", 2500, 4600},
        {"far, over the top", 1500, 1500},  {"far, under the bottom", 3000, 7000},
        {"far, on the axis", 2000, 3990},   {"near, within", 6800, 3500},
        {"near, over the top", 6500, 2000}, {"near, on the axis", 6900, 3990}};
    for (const Medium& m : media)
        for (double sign : {1.0, -1.0})
            for (const Place& p : places)
                QTest::addRow("%s, %s, %s", m.name, sign > 0 ? "converging" : "diverging", p.name)
                    << m.n1 << m.n2 << sign * f << p.x << p.y;
}

void TestOptics::constructionRefracts() {
    QFETCH(double, n1);
    QFETCH(double, n2);
    QFETCH(double, fBack);
    QFETCH(double, x);
    QFETCH(double, y);
    BenchState bench;
    bench.n1 = n1;
    bench.n2 = n2;
    bench.f2 = fBack;
    bench.f1 = fBack * n1 / n2;
    bench.IsConverging = fBack > 0 ? kTrue : kFalse;
    bench.ObjectX = float(x);
    bench.ObjectY = float(y);
    bench.ObjectPlaced = kTrue;
    const double P = n2 / fBack;
    const Optics::Construction c = Optics::rayDiagram(bench, {}, {});
    QVERIFY(!c.strokes.empty());

    // Each incident ray ends on the lens plane at the height its refracted
    // continuation starts from.
    int bent = 0;
    for (const Optics::Stroke& out : c.strokes) {
        if (!(out.refracted && isRay(out.role) && out.area == Optics::Area::Right &&
              out.pen.style == 0 && out.x1 == 0))
            continue;
        const Optics::Stroke* in = nullptr;
        for (const Optics::Stroke& s : c.strokes)
            if (!s.refracted && s.role == out.role && s.area == Optics::Area::Left &&
                s.x2 == Bench::kLensX && std::fabs(s.y2 - out.y1) < 1e-9)
                in = &s;
        QVERIFY2(in, qPrintable(QStringLiteral("no incident ray for ") + describe(out)));
        const double h = Bench::kAxisY - out.y1;
        const double u1 = slopeOf(*in), u2 = slopeOf(out);
        const double expected = (n1 * u1 - h * P) / n2;
        QVERIFY2(
            std::fabs(u2 - expected) < 1e-9 * (1 + std::fabs(expected)),
            qPrintable(
                describe(out) +
                QStringLiteral(": u2 %1, n2 u2 = n1 u1 - h P gives %2").arg(u2).arg(expected)));
        ++bent;
    }
    QVERIFY(bent >= 2);

    // The image, where Gaussian optics puts it, lies on every refracted ray
    // and on every backward extension.
    const double d = Bench::kLensX - x;
    const double b = 1 / ((P - n1 / d) / n2);
    const double gamma = -(n1 * b) / (n2 * d);
    const double imageX = Bench::kLensX + b, imageY = Bench::kAxisY + gamma * (y - Bench::kAxisY);
    const bool real = b > 0;
    QVERIFY(std::fabs(globalX(real ? Optics::Area::Right : Optics::Area::Left, c.bench.ImageX) -
                      imageX) < 0.01);
    QVERIFY(std::fabs(c.bench.ImageY - imageY) < 0.01);
    int through = 0;
    for (const Optics::Stroke& s : c.strokes) {
        if (!(s.refracted && !s.circle &&
              (isRay(s.role) || s.role == Optics::Role::BackwardExtension)))
            continue;
        QVERIFY2(
            offLine(s, imageX, imageY) < 0.5,
            qPrintable(describe(s) +
                       QStringLiteral(" misses the image by %1").arg(offLine(s, imageX, imageY))));
        ++through;
    }
    // A virtual image stands where backward extensions cross; with equal media
    // the incident central ray runs on straight through it and counts as one.
    if (!real) {
        int extensions = (n1 == n2 && y != Bench::kAxisY) ? 1 : 0;
        for (const Optics::Stroke& s : c.strokes)
            extensions += s.role == Optics::Role::BackwardExtension ? 1 : 0;
        QVERIFY2(extensions >= 2, qPrintable(QString::number(extensions)));
    }
    QVERIFY(through >= 2);
}

void TestOptics::noConstructionOffTheBench_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    QTest::newRow("on the lens plane") << float(Bench::kLensX) << 3000.0f;
    QTest::newRow("on the lens plane, on the axis") << float(Bench::kLensX) << float(Bench::kAxisY);
    QTest::newRow("right of it") << 7600.0f << 3000.0f;
    QTest::newRow("far right") << 20000.0f << 5000.0f;
    QTest::newRow("infinitely far right") << inf << 3000.0f;
    QTest::newRow("infinitely far left") << -inf << 3000.0f;
    QTest::newRow("not a number") << nan << 3000.0f;
    QTest::newRow("height not a number") << 3000.0f << nan;
}

void TestOptics::noConstructionOffTheBench() {
    QFETCH(float, x);
    QFETCH(float, y);
    BenchState bench;
    bench.n1 = bench.n2 = 1;
    bench.f2 = bench.f1 = 2000;
    bench.IsConverging = kTrue;
    bench.ObjectX = x;
    bench.ObjectY = y;
    bench.ObjectPlaced = kTrue;
    const Optics::Construction c = Optics::rayDiagram(bench, {}, {});
    QVERIFY(c.strokes.empty());
    QCOMPARE(c.bench.ConstructionShown, kFalse);
}

// The bench holds the object's place in single precision: at the front focal
// plane as far as that tells, the read-outs and the table show no image, and
// the motion halts exactly there. The motion runs from 150 twips inside the
// left area to half a centimetre before the lens plane.
void TestOptics::benchFrame_data() {
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("n2");
    QTest::addColumn<double>("R");
    QTest::newRow("in air") << 1.0 << 1.0 << 3000.0;
    QTest::newRow("air | water") << 1.0 << kWater << 2650.0;
    QTest::newRow("water | air") << kWater << 1.0 << 4100.0;
}

void TestOptics::benchFrame() {
    QFETCH(double, n1);
    QFETCH(double, n2);
    QFETCH(double, R);
    const Optics::Lens lens = Bench::lensOf(n1, 1.64, n2, R, -R);
    const double focusX = float(Bench::kLensX - Bench::focalLengths(lens).front);
    QCOMPARE(Bench::imageOf(lens, focusX, 3000).kind, Optics::ImageKind::None);
    const Measurements::Row row = Bench::measure(lens, focusX, 3000, Optics::Scale{});
    QCOMPARE(row.kind, Optics::ImageKind::None);
    QCOMPARE(row.b, 0.0);
    const Motion::Path path = Bench::motionPath(Optics::focalLengths(lens).front, 1);
    QVERIFY(std::fabs(Bench::xOf(path.farZ) - 150) < 1e-9);
    QVERIFY(std::fabs(Bench::xOf(path.nearZ) - (Bench::kLensX - kCm / 2)) < 1e-9);
    bool haltsAtFocus = false;
    for (const double z : path.marks)
        haltsAtFocus = haltsAtFocus || float(Bench::xOf(z)) == float(focusX);
    QVERIFY(haltsAtFocus);
}

QTEST_MAIN(TestOptics)
#include "tst_optics.moc"
