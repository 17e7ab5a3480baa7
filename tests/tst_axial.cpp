// SPDX-License-Identifier: GPL-3.0-or-later
// The optical system in centimetres against ray-transfer matrices written here
// from the textbook: a ray is (height, angle), a gap t is [[1, t], [0, 1]], a
// surface of radius R from index n into n' is [[1, 0], [(n − n')/(n' R), n/n']],
// a thin lens the product of its two. The image stands where the matrix from
// the object has B = 0, with magnification A there.
#include "axial.h"

#include <QTest>
#include <algorithm>
#include <cmath>

namespace {
using namespace Optics::Axial;

struct M {
    double a, b, c, d;
};
M operator*(const M& p, const M& q) {
    return {p.a * q.a + p.b * q.c, p.a * q.b + p.b * q.d, p.c * q.a + p.d * q.c,
            p.c * q.b + p.d * q.d};
}
M surface(double n, double n2, double R) {
    return {1, 0, std::isinf(R) ? 0 : (n - n2) / (n2 * R), n / n2};
}
// From the plane z0 to just behind the last element.
M matrixOf(const System& s, double z0) {
    M m{1, 0, 0, 1};
    for (std::size_t i = 0; i < s.elements.size(); ++i) {
        const ThinLens& l = std::get<ThinLens>(s.elements[i].kind);
        m = surface(l.N, s.media[i + 1], l.R2) * surface(s.media[i], l.N, l.R1) *
            M{1, s.elements[i].z - z0, 0, 1} * m;
        z0 = s.elements[i].z;
    }
    return m;
}
System sys(std::vector<double> media, std::vector<Element> elements, Object object) {
    return {std::move(elements), std::move(media), object};
}
Element lens(double z, double N, double R1, double R2) {
    return {z, ThinLens{N, R1, R2}};
}
constexpr double kWater = 4.0 / 3.0;
System pair(double R1, double z2, double R2, Object o, std::vector<double> media = {1, 1, 1}) {
    return sys(std::move(media), {lens(0, 1.5, R1, -R1), lens(z2, 1.5, R2, -R2)}, o);
}
bool near(double got, double want) { // 1e-9 relative to the length or 1 cm
    return std::fabs(got - want) <= 1e-9 * std::max(1.0, std::fabs(want));
}
} // namespace

Q_DECLARE_METATYPE(Optics::Axial::System)

class TestAxial : public QObject {
    Q_OBJECT
private slots:
    void againstMatrices_data();
    void againstMatrices();
    void objectAtFocus();
    void edgeRayMeetsSecondaryAxis();
    void invalid();
    void stages_data();
    void stages();
    void distantStages_data();
    void distantStages();
};

void TestAxial::againstMatrices_data() {
    QTest::addColumn<System>("system");
    // f = ±20 cm in air, objects from 3f to f/40; air | water; no power.
    for (const double d : {60.0, 40.0, 30.0, 10.0, 0.5})
        for (const double R : {20.0, -20.0})
            QTest::addRow("air R=%g d=%g", R, d) << sys({1, 1}, {lens(0, 1.5, R, -R)}, {-d, 2});
    QTest::addRow("air|water") << sys({1, kWater}, {lens(0, 1.6, 15, -25)}, {-35, 1.5});
    QTest::addRow("water|1.2") << sys({kWater, 1.2}, {lens(0, 1.5, -30, 30)}, {-12, -3});
    QTest::addRow("no power") << sys({1, kWater}, {lens(0, 1.5, kInfinite, kInfinite)}, {-9, 2});
    // Pairs: the first image before, on and beyond the second lens.
    for (double sep = 5; sep <= 95; sep += 15) {
        QTest::addRow("conv+div sep=%g", sep)
            << sys({1, 1, 1}, {lens(0, 1.5, 20, -20), lens(sep, 1.5, -30, 30)}, {-50, 2});
        QTest::addRow("conv+conv water sep=%g", sep)
            << sys({1, kWater, 1.2}, {lens(0, 1.6, 25, -25), lens(sep, 1.5, 40, -15)}, {-18, 1});
    }
    // On the axis, and beyond the aperture below it, through one lens and two.
    QTest::addRow("axis diverging") << sys({1, kWater}, {lens(0, 1.5, -20, 20)}, {-30, 0});
    QTest::addRow("axis pair") << sys({1, 1, 1}, {lens(0, 1.5, 20, -20), lens(30, 1.5, -40, 40)},
                                      {-50, 0});
    QTest::addRow("below inside f") << sys({1.2, 1}, {lens(0, 1.6, 20, -20)}, {-8, -4});
    QTest::addRow("three") << sys(
        {1, 1, 1, 1}, {lens(0, 1.5, 20, -20), lens(30, 1.5, -40, 40), lens(45, 1.5, 15, -60)},
        {-70, 3});
}

void TestAxial::againstMatrices() {
    QFETCH(System, system);
    QVERIFY(valid(system));
    const std::vector<Image> images = imagesOf(system);
    QCOMPARE(images.size(), system.elements.size());
    // Each intermediate image is that of the system cut after its element.
    for (std::size_t k = 0; k < images.size(); ++k) {
        System cut = system;
        cut.elements.resize(k + 1);
        cut.media.resize(k + 2);
        const M m = matrixOf(cut, system.object.z);
        const double s = -m.b / m.d;
        QVERIFY2(near(images[k].distance, s), qPrintable(QString::number(k)));
        QVERIFY(near(images[k].z, system.elements[k].z + s));
        QVERIFY(near(images[k].height, (m.a + s * m.c) * system.object.height));
        QCOMPARE(images[k].kind, s > 0 ? ImageKind::Real : ImageKind::Virtual);
    }
    // The system's focal points and lengths, from its matrix between its planes.
    const M m = matrixOf(system, system.elements.front().z);
    const Focus focus = systemFocus(system);
    QCOMPARE(focus.finite, std::fabs(m.c) > 1e-12);
    if (focus.finite) {
        QVERIFY(near(focus.backPoint, system.elements.back().z - m.a / m.c));
        QVERIFY(near(focus.frontPoint, system.elements.front().z + m.d / m.c));
        QVERIFY(near(focus.back, -1 / m.c));
        QVERIFY(near(focus.front, -system.media.front() / (system.media.back() * m.c)));
    }
    // The construction: every ray passes the real image, every backward
    // extension ends on the virtual one, every forward one on a virtual object.
    // A secondary axis comes in parallel to the edge ray before it and meets
    // the back focal plane of the first element where that ray leaves it.
    System first = system;
    first.elements.resize(1), first.media.resize(2);
    const M m1 = matrixOf(first, system.elements.front().z);
    const auto slope = [](const Piece& p) {
        return (p.to.height - p.from.height) / (p.to.z - p.from.z);
    };
    const Image image = images.back();
    const std::vector<ConstructedRay> rays =
        construction(system, system.elements.back().z + 400, 1);
    const bool beyond = std::fabs(system.object.height) > 1 || system.object.height == 0;
    QCOMPARE(std::count_if(rays.begin(), rays.end(),
                           [](const ConstructedRay& r) { return r.which == Which::Edge; }),
             beyond ? (system.object.height == 0 ? 2 : 1) : 0);
    for (std::size_t r = 0; r < rays.size(); ++r) {
        const ConstructedRay& ray = rays[r];
        if (ray.which != Which::SecondaryAxis)
            continue;
        QCOMPARE(rays[r - 1].which, Which::Edge);
        const Piece& out = rays[r - 1].pieces[1];
        const Point at = ray.pieces[0].to;
        QVERIFY(near(at.z, system.elements.front().z - m1.a / m1.c));
        QVERIFY(near(slope(ray.pieces[2]), slope(rays[r - 1].pieces[0])));
        QVERIFY(near(at.height, out.from.height + (out.to.height - out.from.height) *
                                                      (at.z - out.from.z) /
                                                      (out.to.z - out.from.z)));
    }
    for (const ConstructedRay& ray : rays) {
        if (ray.which == Which::SecondaryAxis || system.object.height == 0)
            continue;
        for (const Piece& p : ray.pieces)
            QVERIFY(p.part != Part::Extension ||
                    std::any_of(images.begin(), images.end(), [&](const Image& i) {
                        return near(i.z, p.to.z) && std::fabs(i.height - p.to.height) < 1e-7;
                    }));
        const Piece& last = ray.pieces.back();
        QCOMPARE(last.part, image.kind == ImageKind::Virtual ? Part::Extension : Part::Ray);
        const double y = last.from.height + (last.to.height - last.from.height) *
                                                (image.z - last.from.z) / (last.to.z - last.from.z);
        QVERIFY(std::fabs(y - image.height) < 1e-7 * std::max(1.0, std::fabs(image.height)));
    }
}

void TestAxial::objectAtFocus() {
    // At the front focus of f1 = 20 the rays leave parallel; f2 = 30 gathers
    // them in its back focal plane, Γ = −f2/f1. The focal ray is left out.
    const System s = sys({1, 1, 1}, {lens(0, 1.5, 20, -20), lens(25, 1.5, 30, -30)}, {-20, 2});
    const std::vector<Image> images = imagesOf(s);
    QVERIFY(images[0].kind == ImageKind::None && images[1].kind == ImageKind::Real);
    QVERIFY(near(images[1].distance, 30) && near(images[1].magnification, -1.5));
    QCOMPARE(construction(s, 200, 5).size(), std::size_t(2));
    // Placed at the focal point as computed (R = 9.1 leaves a slope of 1e-16).
    System at = sys({1, 1}, {lens(0, 1.5, 9.1, -9.1)}, {0, 1});
    at.object.z = focusOf(at, 0).frontPoint;
    QCOMPARE(imageOf(at).kind, ImageKind::None);
}

void TestAxial::edgeRayMeetsSecondaryAxis() {
    // A point on the axis between air and water: the edge ray and the
    // secondary axis parallel to it meet in the back focal plane.
    const System s = sys({1, kWater}, {lens(0, 1.6, 15, -25)}, {-35, 0});
    const std::vector<ConstructedRay> rays = construction(s, 300, 2);
    QCOMPARE(rays.size(), std::size_t(4));
    QCOMPARE(rays[2].pieces.front().to.height, -2.0);
    const double zF = -matrixOf(s, 0).a / matrixOf(s, 0).c;
    const Piece& out = rays[0].pieces.back();
    QVERIFY(near(rays[1].pieces[0].to.z, zF));
    QVERIFY(near(rays[1].pieces[0].to.height,
                 out.from.height + (out.to.height - out.from.height) * zF / out.to.z));
}

void TestAxial::invalid() {
    // Elements out of order, a medium missing, an index below 1, no object.
    QVERIFY(!valid(sys({1, 1, 1}, {lens(10, 1.5, 20, -20), lens(0, 1.5, 20, -20)}, {-30, 1})));
    const System missing = sys({1}, {lens(0, 1.5, 20, -20)}, {-30, 1});
    QVERIFY(!valid(missing) && imagesOf(missing).empty() && !systemFocus(missing).finite);
    QVERIFY(!focusOf(missing, 0).finite);
    QVERIFY(!focusOf(sys({1, 1}, {lens(0, 1.5, 20, -20)}, {-30, 1}), 7).finite);
    QVERIFY(!valid(sys({1, 0.5}, {lens(0, 1.5, 20, -20)}, {-30, 1})));
    QVERIFY(!valid(sys({1, 1}, {lens(0, 1.5, 20, -20)}, {-kInfinite, 1})));
}

void TestAxial::stages_data() {
    QTest::addColumn<System>("system");
    QTest::addColumn<double>("edge");
    QTest::addRow("real before") << pair(2, 10, 2.5, {-3, 0.5}) << 1.5;
    QTest::addRow("beyond, converging") << pair(20, 20, 10, {-30, 2}) << 5.0;
    QTest::addRow("first virtual") << pair(-20, 15, 10, {-30, 2}) << 5.0;
    QTest::addRow("first at infinity") << pair(20, 25, 30, {-20, 2}) << 5.0;
    QTest::addRow("final at infinity") << pair(10, 30, 10, {-20, 1}) << 5.0;
    QTest::addRow("in contact") << pair(20, 0, -30, {-50, 2}) << 5.0;
    QTest::addRow("no power, water") << pair(20, 20, kInfinite, {-45, 2}, {1, kWater, 1}) << 5.0;
    QTest::addRow("media") << pair(25, 30, 40, {-18, 1}, {1, kWater, 1.2}) << 5.0;
    QTest::addRow("beyond aperture") << pair(20, 60, 10, {-40, 3}) << 1.0;
    QTest::addRow("axis") << pair(20, 60, 10, {-40, 0}) << 1.0;
}

void TestAxial::stages() {
    // Each stage's rays come in through its object's tip and leave through its image's (parallel
    // for one at infinity), found with matrices; a piece ending at a tip the light does not reach
    // is an extension. A point on the axis after the first element carries the cone on.
    QFETCH(System, system);
    QFETCH(double, edge);
    const auto heightAt = [](const Piece& p, double z) {
        return p.from.height + (p.to.height - p.from.height) * (z - p.from.z) / (p.to.z - p.from.z);
    };
    const auto passes = [&](const Piece& p, Point a) {
        return std::fabs(p.to.z - p.from.z) > 1e-12 &&
               std::fabs(heightAt(p, a.z) - a.height) < 1e-7;
    };
    const auto at = [](auto a, auto b) {
        return std::hypot(a.z - b.z, a.height - b.height) < 1e-7;
    };
    Point object{system.object.z, system.object.height};
    bool objectFinite = true;
    for (std::size_t k = 0; k < system.elements.size(); ++k) {
        System cut = system;
        cut.elements.resize(k + 1), cut.media.resize(k + 2);
        const M m = matrixOf(cut, system.object.z);
        const bool finite = std::fabs(m.d) > 1e-12;
        const double s = -m.b / m.d, zk = system.elements[k].z;
        const Point image{zk + s, (m.a + s * m.c) * system.object.height};
        const M e = // the element alone, for its own front focus
            matrixOf(sys({system.media[k], system.media[k + 1]}, {system.elements[k]}, {}), zk);
        const bool objectLit = k == 0 || (object.z >= system.elements[k - 1].z && object.z <= zk);
        const bool imageLit = image.z >= zk && (k + 1 == system.elements.size() ||
                                                image.z <= system.elements[k + 1].z);
        const bool own = objectFinite && (k == 0 || object.height != 0);
        double slope = kInfinite;
        const std::vector<ConstructedRay> rays =
            stageConstruction(system, k, system.elements.back().z + 50, {&edge, 1});
        QVERIFY(rays.size() >= 2);
        for (const ConstructedRay& ray : rays) {
            if (ray.which == Which::SecondaryAxis)
                continue;
            const Piece &in = ray.pieces.front(), &out = ray.pieces.back();
            QVERIFY(own ? passes(in, object) : std::fabs(in.from.z - zk) < 1e-9);
            const double u = (out.to.height - out.from.height) / (out.to.z - out.from.z);
            QVERIFY(finite ? passes(out, image) : std::isinf(slope) || std::fabs(u - slope) < 1e-9);
            slope = u;
            QVERIFY(!finite || at(out.to, image) || (imageLit && out.part == Part::Ray));
            const double y = heightAt(in, zk);
            QVERIFY(!own || ray.which != Which::Focal || passes(in, {zk + e.d / e.c, 0}));
            QVERIFY(!own || ray.which != Which::Edge ||
                    (std::fabs(std::fabs(y) - edge) < 1e-9 && y * object.height >= 0));
            for (const Piece& p : ray.pieces)
                for (const Point& end : {p.from, p.to}) {
                    if (objectFinite && at(end, object))
                        QVERIFY(p.part == (objectLit ? Part::Ray : Part::Extension));
                    if (finite && at(end, image))
                        QVERIFY(p.part == (imageLit ? Part::Ray : Part::Extension));
                }
        }
        object = image;
        objectFinite = finite;
    }
}

void TestAxial::distantStages_data() {
    QTest::addColumn<System>("system");
    QTest::addColumn<double>("angle");
    QTest::addRow("Kepler 20x") << pair(100, 105, 5, {}) << 0.01;
    QTest::addRow("Galilean 10x") << pair(50, 45, -5, {}) << -0.02;
    QTest::addRow("on the axis") << pair(100, 105, 5, {}) << 0.0;
    QTest::addRow("image beyond 2nd") << pair(40, 20, 30, {}) << 0.05;
    QTest::addRow("water between") << pair(20, 30, 15, {}, {1, kWater, 1}) << 0.03;
}

void TestAxial::distantStages() {
    // Parallel light at −angle from the left: after each stage its rays pass through the image a
    // matrix finds for that light (where height no longer depends on where the ray entered), or
    // leave parallel at the matrix's slope for an afocal system.
    QFETCH(System, system);
    QFETCH(double, angle);
    const double edge = 4, zFrom = -60, u = -angle;
    for (std::size_t k = 0; k < system.elements.size(); ++k) {
        System cut = system;
        cut.elements.resize(k + 1), cut.media.resize(k + 2);
        const M m = matrixOf(cut, 0);
        const double zk = system.elements[k].z;
        const bool afocal = std::fabs(m.c) < 1e-12;
        const double s = afocal ? 0 : -m.a / m.c;
        const std::vector<ConstructedRay> rays =
            distantStageConstruction(system, angle, k, zFrom, zk + 200, {&edge, 1});
        const auto axes = std::count_if(rays.begin(), rays.end(), [](const ConstructedRay& r) {
            return r.which == Which::SecondaryAxis;
        });
        QVERIFY(rays.size() - std::size_t(axes) >= 2);
        QVERIFY(k > 0 || axes == (angle == 0 ? 0 : 1));
        for (const ConstructedRay& ray : rays) {
            const Piece& out = ray.pieces.back();
            if (ray.which == Which::SecondaryAxis) {
                QVERIFY(k > 0 ||
                        (near(out.to.z, zk + s) && near(out.to.height, (m.b + s * m.d) * u)));
                continue;
            }
            const Piece& in = ray.pieces.front();
            if (k == 0) {
                QVERIFY(near(in.from.z, zFrom) && in.part == Part::Ray);
                QVERIFY(near((in.to.height - in.from.height) / (in.to.z - in.from.z), u));
            }
            const double slope = (out.to.height - out.from.height) / (out.to.z - out.from.z);
            if (afocal) {
                QVERIFY(near(slope, m.d * u));
            } else {
                const double at = out.from.height + slope * (zk + s - out.from.z);
                QVERIFY2(std::fabs(at - (m.b + s * m.d) * u) < 1e-9,
                         qPrintable(QString::number(at)));
            }
        }
    }
    QVERIFY(distantStageConstruction(system, angle, 0, 10, 300, {}).empty());
}

QTEST_APPLESS_MAIN(TestAxial)
#include "tst_axial.moc"
