// SPDX-License-Identifier: GPL-3.0-or-later
// The optical system in centimetres, checked against ray-transfer matrices
// written here from the textbook: a ray is (height, angle), a gap t of any
// medium is [[1, t], [0, 1]], a spherical surface of radius R from index n
// into n' is [[1, 0], [(n - n')/(n' R), n/n']], a thin lens the product of its
// two surfaces. The image plane is where the matrix from the object has B = 0;
// the magnification is A there.
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
M gap(double t) {
    return {1, t, 0, 1};
}
M surface(double n, double n2, double R) {
    return {1, 0, std::isinf(R) ? 0 : (n - n2) / (n2 * R), n / n2};
}

// The matrix from the object's plane to just behind the last element.
M matrixOf(const System& s) {
    M m{1, 0, 0, 1};
    double z = s.object.z;
    for (std::size_t i = 0; i < s.elements.size(); ++i) {
        const ThinLens& l = std::get<ThinLens>(s.elements[i].kind);
        m = surface(l.N, s.media[i + 1], l.R2) * surface(s.media[i], l.N, l.R1) *
            gap(s.elements[i].z - z) * m;
        z = s.elements[i].z;
    }
    return m;
}

System lenses(std::vector<double> media, std::vector<Element> elements, Object object) {
    System s;
    s.media = std::move(media);
    s.elements = std::move(elements);
    s.object = object;
    return s;
}
Element lens(double z, double N, double R1, double R2) {
    return {z, ThinLens{N, R1, R2}};
}

constexpr double kWater = 4.0 / 3.0;
constexpr double kTol = 1e-9; // relative, of lengths and magnifications

bool near(double got, double want) {
    return std::fabs(got - want) <= kTol * std::max(1.0, std::fabs(want));
}
} // namespace

Q_DECLARE_METATYPE(Optics::Axial::System)

class TestAxial : public QObject {
    Q_OBJECT
private slots:
    void imageAgainstMatrices_data();
    void imageAgainstMatrices();
    void focalPointsAgainstMatrices_data() { imageAgainstMatrices_data(); }
    void focalPointsAgainstMatrices();
    void constructionMeetsAtImage_data() { imageAgainstMatrices_data(); }
    void constructionMeetsAtImage();
    void objectAtFocusHasNoImage();
    void edgeRayMeetsSecondaryAxis();
};

void TestAxial::imageAgainstMatrices_data() {
    QTest::addColumn<System>("system");
    // A single lens f = 20 cm in air (R = ±20, N = 1.5), objects from 3f to f/2.
    for (const double d : {60.0, 40.0, 30.0, 10.0, 0.5})
        for (const bool converging : {true, false}) {
            const double R = converging ? 20 : -20;
            QTest::addRow("air %s d=%g", converging ? "conv" : "div", d)
                << lenses({1, 1}, {lens(0, 1.5, R, -R)}, {-d, 2});
        }
    // Between air and water, and water and glass: f and f' differ.
    QTest::addRow("air|water d=35") << lenses({1, kWater}, {lens(0, 1.6, 15, -25)}, {-35, 1.5});
    QTest::addRow("water|1.2 d=12") << lenses({kWater, 1.2}, {lens(0, 1.5, -30, 30)}, {-12, -3});
    // No power: a plane boundary between two media.
    QTest::addRow("no power") << lenses({1, kWater}, {lens(0, 1.5, kInfinite, kInfinite)}, {-9, 2});
    // Lens pairs at many separations, the first image landing before, on,
    // and beyond the second lens, in air and across water.
    for (double sep = 5; sep <= 95; sep += 15) {
        QTest::addRow("pair conv+div sep=%g", sep)
            << lenses({1, 1, 1}, {lens(0, 1.5, 20, -20), lens(sep, 1.5, -30, 30)}, {-50, 2});
        QTest::addRow("pair conv+conv water sep=%g", sep)
            << lenses({1, kWater, 1.2}, {lens(0, 1.6, 25, -25), lens(sep, 1.5, 40, -15)},
                      {-18, 1});
    }
    QTest::addRow("three lenses") << lenses({1, 1, 1, 1},
                                            {lens(0, 1.5, 20, -20), lens(30, 1.5, -40, 40),
                                             lens(45, 1.5, 15, -60)},
                                            {-70, 3});
}

void TestAxial::imageAgainstMatrices() {
    QFETCH(System, system);
    QVERIFY(valid(system));
    const std::vector<Image> images = imagesOf(system);
    QCOMPARE(images.size(), system.elements.size());
    // Every intermediate image is that of the system cut after its element.
    for (std::size_t k = 0; k < images.size(); ++k) {
        System cut = system;
        cut.elements.resize(k + 1);
        cut.media.resize(k + 2);
        const M m = matrixOf(cut);
        const double s = -m.b / m.d; // behind element k
        const Image& image = images[k];
        QVERIFY2(near(image.distance, s), qPrintable(QStringLiteral("k=%1 b=%2 want %3")
                                                         .arg(k)
                                                         .arg(image.distance)
                                                         .arg(s)));
        QVERIFY(near(image.z, system.elements[k].z + s));
        QVERIFY(near(image.magnification, m.a + s * m.c));
        QVERIFY(near(image.height, (m.a + s * m.c) * system.object.height));
        QCOMPARE(image.kind, s > 0 ? ImageKind::Real : ImageKind::Virtual);
    }
}

void TestAxial::focalPointsAgainstMatrices() {
    QFETCH(System, system);
    // The matrix from the first element's plane to the last's.
    System from = system;
    from.object.z = system.elements.front().z;
    const M m = matrixOf(from);
    const double n0 = system.media.front(), n = system.media.back();
    const Focus focus = systemFocus(system);
    if (std::fabs(m.c) < 1e-12) {
        QVERIFY(!focus.finite);
        return;
    }
    QVERIFY(focus.finite);
    const double zLast = system.elements.back().z, zFirst = system.elements.front().z;
    QVERIFY(near(focus.backPoint, zLast - m.a / m.c));
    QVERIFY(near(focus.frontPoint, zFirst + m.d / m.c));
    QVERIFY(near(focus.back, -1 / m.c));
    QVERIFY(near(focus.front, -n0 / (n * m.c)));
    QVERIFY(near(100 * focus.power, -100 * n * m.c)); // dioptres
    // A single element's own focus is the system's.
    if (system.elements.size() == 1) {
        const Focus own = focusOf(system, 0);
        QVERIFY(near(own.frontPoint, focus.frontPoint) && near(own.back, focus.back));
    }
}

void TestAxial::constructionMeetsAtImage() {
    QFETCH(System, system);
    const Image image = imageOf(system);
    const double zTo = system.elements.back().z + 400;
    const std::vector<ConstructedRay> rays = construction(system, zTo, 1.0);
    QVERIFY(rays.size() >= 2);
    const std::vector<Image> images = imagesOf(system);
    for (const ConstructedRay& ray : rays) {
        // A forward extension ends on the virtual object it heads for.
        for (std::size_t i = 0; i + 1 < ray.pieces.size(); ++i)
            if (ray.pieces[i].part == Part::Extension) {
                const Point end = ray.pieces[i].to;
                const auto k = std::find_if(images.begin(), images.end(),
                                            [&](const Image& m) { return near(m.z, end.z); });
                QVERIFY(k != images.end() && std::fabs(k->height - end.height) < 1e-7);
            }
        const Piece& last = ray.pieces.back();
        // A real image: the last piece passes the image point; a virtual one:
        // the extension ends on it.
        const double z = image.z;
        const double y =
            image.kind == ImageKind::Virtual
                ? last.to.height
                : last.from.height + (last.to.height - last.from.height) *
                                         (z - last.from.z) / (last.to.z - last.from.z);
        QCOMPARE(last.part, image.kind == ImageKind::Virtual ? Part::Extension : Part::Ray);
        QVERIFY2(std::fabs(y - image.height) < 1e-7 * std::max(1.0, std::fabs(image.height)),
                 qPrintable(QStringLiteral("%1 at %2, want %3").arg(int(ray.which)).arg(y).arg(
                     image.height)));
    }
}

void TestAxial::objectAtFocusHasNoImage() {
    // Object at the front focus of the first lens (f = 20): the rays leave it
    // parallel, the second lens (f = 30) gathers them in its back focal plane,
    // Γ = −f2/f1.
    const System s =
        lenses({1, 1, 1}, {lens(0, 1.5, 20, -20), lens(25, 1.5, 30, -30)}, {-20, 2});
    const std::vector<Image> images = imagesOf(s);
    QCOMPARE(images[0].kind, ImageKind::None);
    QCOMPARE(images[1].kind, ImageKind::Real);
    QVERIFY(near(images[1].distance, 30));
    QVERIFY(near(images[1].magnification, -1.5));
    // The focal ray runs along the focal plane: left out.
    QCOMPARE(construction(s, 200, 1).size(), std::size_t(2));
}

void TestAxial::edgeRayMeetsSecondaryAxis() {
    // A point on the axis between air and water: the edge ray and the
    // secondary axis parallel to it meet in the back focal plane.
    const System s = lenses({1, kWater}, {lens(0, 1.6, 15, -25)}, {-35, 0});
    const std::vector<ConstructedRay> rays = construction(s, 300, 2);
    QCOMPARE(rays.size(), std::size_t(2));
    const Piece& out = rays[0].pieces.back();
    const M m = matrixOf(lenses({1, kWater}, {lens(0, 1.6, 15, -25)}, {0, 0}));
    const double zF = -m.a / m.c;
    const double y = out.from.height + (out.to.height - out.from.height) * zF / out.to.z;
    QVERIFY(near(rays[1].pieces[0].to.z, zF));
    QVERIFY(std::fabs(rays[1].pieces[0].to.height - y) < 1e-9);
}

QTEST_APPLESS_MAIN(TestAxial)
#include "tst_axial.moc"
