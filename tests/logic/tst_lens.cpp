// SPDX-License-Identifier: GPL-3.0-or-later
// The bench's lens without a window: its focal lengths and the image it forms,
// checked against textbook problems and against the Gaussian formula written
// in other forms; the graph's curves and the table's CSV; the laboratory's
// screen, rows and estimate; the power, the regions and the scale as each
// notation writes them.
#include "bench.h"
#include "benchoptics.h"
#include "fixtures.h"
#include "imagecurve.h"
#include "laboratory.h"
#include "lens.h"
#include "lensmaker.h"
#include "measurement.h"
#include "notation.h"
#include "objectmotion.h"
#include "scale.h"
#include "secondlens.h"

#include <QSet>
#include <QTest>
#include <cmath>
#include <limits>
#include <numeric>

namespace {
using Fixtures::Expected;
using Fixtures::expectedFor;

constexpr double kCm = Bench::kTwipsPerCm;
constexpr double kWater = 4.0 / 3.0;
constexpr double kGlass = 1.5;
// Radii too large to curve anything: a plane surface.
constexpr double kPlane = 1e12;

// An object point `d` before the lens, `h` above the axis, in picLeft.
double objectX(double d) {
    return Bench::kLensX - d;
}
double objectY(double h) {
    return Bench::kAxisY - h;
}

// A paraxial ray trace: a ray leaving the object at height h with slope u
// (height per length, up positive) is refracted at the lens by n2 u2 = n1 u1 -
// y P. Two rays meet at the image; returns its distance behind the lens and its
// height.
struct Traced {
    double b, height;
};
Traced trace(double n1, double n2, double P, double d, double h) {
    const double slopes[] = {0.0, -h / d}; // parallel to the axis, through the centre
    double yAt[2], u2[2];
    for (int i = 0; i < 2; ++i) {
        yAt[i] = h + slopes[i] * d;
        u2[i] = (n1 * slopes[i] - yAt[i] * P) / n2;
    }
    const double b = (yAt[1] - yAt[0]) / (u2[0] - u2[1]);
    return {b, yAt[0] + u2[0] * b};
}

} // namespace

class TestLens : public QObject {
    Q_OBJECT

private slots:
    void systemCurves_data();
    void systemCurves();
    void textbookImages_data();
    void textbookImages();
    void gaussianForms_data();
    void gaussianForms();
    void focalPlaneHasNoImage_data();
    void focalPlaneHasNoImage();
    void axisAndFarValue();
    void schoolProblems_data();
    void schoolProblems();
    void powerByNotation_data();
    void powerByNotation();
    void blurCircle_data();
    void blurCircle();
    void sharpestScreen_data();
    void sharpestScreen();
    void labWritten_data();
    void labWritten();
    void labFocalLength_data();
    void labFocalLength();
    void labTwoMedia_data();
    void labTwoMedia();
    void labRecord_data();
    void labRecord();
    void centimetres_data();
    void centimetres();
    void motionInCentimetres_data();
    void motionInCentimetres();
    void curvesFollowTheLensEquation_data();
    void curvesFollowTheLensEquation();
    void csvText_data();
    void csvText();
    void regionsInNotation_data();
    void regionsInNotation();
    void scaleChoices_data();
    void scaleChoices();
    void secondLensOfFocalLength_data();
    void secondLensOfFocalLength();
    void secondLensShapes_data();
    void secondLensShapes();
};

// Worked problems with the answers a textbook gives, b behind the lens
// (negative: a virtual image before it) and the magnification Γ.
void TestLens::textbookImages_data() {
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("N");
    QTest::addColumn<double>("n2");
    QTest::addColumn<double>("leftR");
    QTest::addColumn<double>("rightR");
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("gamma");

    // A symmetric glass lens in air of radius R has 1/f = (N - 1) (2 / R): f = R.
    const double f10 = 10 * kCm;
    QTest::newRow("f 10, d 30: b 15, real, half size")
        << 1.0 << kGlass << 1.0 << f10 << -f10 << 30 * kCm << 15 * kCm << -0.5;
    QTest::newRow("f 10, d 20 = 2f: b 20, same size")
        << 1.0 << kGlass << 1.0 << f10 << -f10 << 20 * kCm << 20 * kCm << -1.0;
    QTest::newRow("f 10, d 5: b -10, virtual, twice")
        << 1.0 << kGlass << 1.0 << f10 << -f10 << 5 * kCm << -10 * kCm << 2.0;
    QTest::newRow("f -10, d 20: b -6.67, a third")
        << 1.0 << kGlass << 1.0 << -f10 << f10 << 20 * kCm << -20.0 / 3 * kCm << 1.0 / 3;
    QTest::newRow("f -10, d 10: b -5, half")
        << 1.0 << kGlass << 1.0 << -f10 << f10 << 10 * kCm << -5 * kCm << 0.5;
    // The same lens in water: (1.5 / 1.333 - 1) (2 / 10) = 1 / 40, four times
    // as long; an object at 2f' is imaged at 2f'.
    QTest::newRow("f 10 lens under water: f 40, d 80")
        << kWater << kGlass << kWater << f10 << -f10 << 80 * kCm << 80 * kCm << -1.0;
    // A glass rod with a convex end of R 2 cm, object 8 cm before it in air:
    // 1.5 / b = 0.5 / 2 - 1 / 8, b = 12 cm, Γ = -(1 · 12) / (1.5 · 8) = -1.
    QTest::newRow("glass rod, R 2, d 8: b 12")
        << 1.0 << kGlass << kGlass << 2 * kCm << -2 * kCm << 8 * kCm << 12 * kCm << -1.0;
    // A fish 4 cm deep seen from the air stands 3 cm deep, its own size.
    QTest::newRow("apparent depth under water")
        << kWater << 1.0 << 1.0 << kPlane << kPlane << 4 * kCm << -3 * kCm << 1.0;
}

void TestLens::textbookImages() {
    QFETCH(double, n1);
    QFETCH(double, N);
    QFETCH(double, n2);
    QFETCH(double, leftR);
    QFETCH(double, rightR);
    QFETCH(double, d);
    QFETCH(double, b);
    QFETCH(double, gamma);
    const double h = 500;
    const Bench::Image image =
        Bench::imageOf(Bench::lensOf(n1, N, n2, leftR, rightR), objectX(d), objectY(h));
    constexpr double kTwips = 0.01, kRatio = 1e-9;
    QCOMPARE(image.kind, b > 0 ? Optics::ImageKind::Real : Optics::ImageKind::Virtual);
    QVERIFY2(std::fabs(image.d - d) < kTwips, qPrintable(QString::number(image.d)));
    QVERIFY2(std::fabs(image.b - b) < kTwips, qPrintable(QString::number(image.b / kCm)));
    QVERIFY2(std::fabs(image.magnification - gamma) < kRatio,
             qPrintable(QString::number(image.magnification)));
    // A real image stands in picRigth b from the lens plane, a virtual one in
    // picLeft; its height is the object's times Γ.
    QVERIFY(std::fabs(image.x - (b > 0 ? b : Bench::kLensX + b)) < kTwips);
    QVERIFY(std::fabs(image.y - objectY(gamma * h)) < kTwips);
}

// Lenses of every kind, the image checked three ways that share nothing with
// the library: the vergences n1 / d + n2 / b = P, Newton's x x' = f f' with
// Γ = -f / x, and a paraxial trace of two rays.
void TestLens::gaussianForms_data() {
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("N");
    QTest::addColumn<double>("n2");
    QTest::addColumn<double>("leftR");
    QTest::addColumn<double>("rightR");
    QTest::addColumn<double>("d");

    const double r = 3000;
    QTest::newRow("biconvex in air, real") << 1.0 << 1.64 << 1.0 << r << -r << 9000.0;
    QTest::newRow("biconvex in air, virtual") << 1.0 << 1.64 << 1.0 << r << -r << 1500.0;
    QTest::newRow("plano-convex, real") << 1.0 << 1.5 << 1.0 << kPlane << -r << 20000.0;
    QTest::newRow("meniscus, converging") << 1.0 << 1.8 << 1.0 << r << 2 * r << 8000.0;
    QTest::newRow("biconcave in air") << 1.0 << 1.64 << 1.0 << -r << r << 4000.0;
    QTest::newRow("air | glass | water, real") << 1.0 << 1.5 << kWater << r << -r << 15000.0;
    QTest::newRow("water | glass | air, virtual") << kWater << 1.5 << 1.0 << r << -r << 2000.0;
    QTest::newRow("n1 1.2 | 1.9 | n2 1.7, real")
        << 1.2 << 1.9 << 1.7 << 2000.0 << -4000.0 << 7000.0;
    QTest::newRow("biconcave, n1 1.7 | 1.3 | n2 1.1") << 1.7 << 1.3 << 1.1 << -r << r << 5000.0;
    QTest::newRow("denser lens diverges: 1.9 | 1.2 | 1.9")
        << 1.9 << 1.2 << 1.9 << r << -r << 6000.0;
}

void TestLens::gaussianForms() {
    QFETCH(double, n1);
    QFETCH(double, N);
    QFETCH(double, n2);
    QFETCH(double, leftR);
    QFETCH(double, rightR);
    QFETCH(double, d);
    const Optics::Lens lens = Bench::lensOf(n1, N, n2, leftR, rightR);
    const double P = LensMaker::thinLensPower(n1, N, n2, leftR, rightR);
    constexpr double kRelative = 1e-9;
    // The power per centimetre, P per twip of the bench.
    QVERIFY(std::fabs(Optics::power(lens) - P * kCm) <= kRelative * std::fabs(P * kCm));
    QCOMPARE(Optics::converges(Optics::power(lens)), P > 0);

    // The focal lengths: where parallel light meets behind (f'), and where a
    // point sends it out parallel (f), in each medium's own measure.
    const double f = n1 / P, fBack = n2 / P;
    const Optics::FocalLengths focal = Bench::focalLengths(lens);
    QVERIFY(focal.finite);
    QVERIFY(std::fabs(focal.front - f) <= kRelative * std::fabs(f));
    QVERIFY(std::fabs(focal.back - fBack) <= kRelative * std::fabs(fBack));
    // One dioptre is one reciprocal metre: 100 cm of the bench.
    QVERIFY(std::fabs(Optics::dioptres(P * kCm) - P * 100 * kCm) <=
            kRelative * std::fabs(P * 100 * kCm));

    const double h = 700;
    const Bench::Image image = Bench::imageOf(lens, objectX(d), objectY(h));
    const double b = image.b;
    QVERIFY(image.kind != Optics::ImageKind::None);
    QVERIFY2(std::fabs(n1 / d + n2 / b - P) <= kRelative * std::fabs(P),
             qPrintable(QStringLiteral("n1/d + n2/b = %1, P = %2").arg(n1 / d + n2 / b).arg(P)));
    const double x = d - f, xBack = b - fBack;
    QVERIFY2(std::fabs(x * xBack - f * fBack) <= 1e-6 * std::fabs(f * fBack),
             qPrintable(QStringLiteral("x x' = %1, f f' = %2").arg(x * xBack).arg(f * fBack)));
    QVERIFY2(std::fabs(image.magnification + f / x) < 1e-9,
             qPrintable(QString::number(image.magnification)));

    const Traced traced = trace(n1, n2, P, d, h);
    constexpr double kTwips = 0.01;
    QVERIFY2(std::fabs(traced.b - b) < kTwips,
             qPrintable(QStringLiteral("traced %1, image %2").arg(traced.b).arg(b)));
    QVERIFY2(
        std::fabs(objectY(traced.height) - image.y) < kTwips,
        qPrintable(QStringLiteral("traced %1, image %2").arg(objectY(traced.height)).arg(image.y)));
    QCOMPARE(image.kind, b > 0 ? Optics::ImageKind::Real : Optics::ImageKind::Virtual);
}

// An object in the front focal plane sends its rays out parallel: no image.
void TestLens::focalPlaneHasNoImage_data() {
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("n2");
    QTest::newRow("in air") << 1.0 << 1.0;
    QTest::newRow("air | water") << 1.0 << kWater;
    QTest::newRow("water | air") << kWater << 1.0;
}

void TestLens::focalPlaneHasNoImage() {
    QFETCH(double, n1);
    QFETCH(double, n2);
    // A plano-convex lens, flat side left, whose power is a power of two so
    // that the object stands exactly in the plane.
    const double N = 1.5, r = 2048;
    const double P = LensMaker::thinLensPower(n1, N, n2, kPlane, -r);
    const double f = n1 / P;
    const Bench::Image image =
        Bench::imageOf(Bench::lensOf(n1, N, n2, kPlane, -r), objectX(f), objectY(400));
    QCOMPARE(image.kind, Optics::ImageKind::None);
}

// On the axis the image stays on it; a lens of no power has infinite focal
// lengths (the far value stands for them) and is a plane boundary.
void TestLens::axisAndFarValue() {
    const Optics::Lens biconvex = Bench::lensOf(1, 1.64, 1, 3000, -3000);
    for (double d : {1000.0, 4000.0, 9000.0}) {
        const Bench::Image onAxis = Bench::imageOf(biconvex, objectX(d), Bench::kAxisY);
        QCOMPARE(onAxis.y, Bench::kAxisY);
    }

    // Equal media inside and out: nothing bends.
    const Optics::Lens none = Bench::lensOf(1.3, 1.3, 1.3, 3000, -3000);
    QVERIFY(!Optics::hasPower(Optics::power(none)));
    const Optics::FocalLengths focal = Bench::focalLengths(none);
    QVERIFY(!focal.finite);
    QCOMPARE(focal.front, Bench::kFar);
    QCOMPARE(focal.back, Bench::kFar);
    QCOMPARE(Optics::dioptres(Optics::power(none)), 0.0);
    // The far value lies beyond every area.
    QVERIFY(Bench::kFar > 10 * (Bench::kAreaWidth + Bench::kAreaHeight));
    const Bench::Image image = Bench::imageOf(none, objectX(3000), objectY(600));
    QCOMPARE(image.kind, Optics::ImageKind::Virtual);
    QVERIFY(std::fabs(image.x - objectX(3000)) < 0.01);
    QVERIFY(std::fabs(image.y - objectY(600)) < 0.01);
}

// Problems as a school problem book sets them: a symmetric lens of index N in
// a medium n, radii R, the object d before it (cm). The answers come from the
// book's own formulas, 1/F = (N/n - 1)(2/R), 1/F = 1/d + 1/f, Γ = |f|/d,
// D = 1/F with F in metres; where the book prints an answer, it is checked too
// (NaN where it prints none).
void TestLens::schoolProblems_data() {
    QTest::addColumn<double>("N");
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("R");
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("printedF");
    QTest::addColumn<double>("printedImage");
    QTest::addColumn<double>("printedGamma");
    QTest::addColumn<double>("printedD");
    const double none = std::numeric_limits<double>::quiet_NaN();
    const double kWaterBook = 1.33;
    QTest::newRow("F 10 см, d 15 см: f 30 см, Γ 2")
        << kGlass << 1.0 << 10.0 << 15.0 << 10.0 << 30.0 << 2.0 << 10.0;
    QTest::newRow("magnifier: F 10 см, d 6 см, f -15 см, Γ 2,5")
        << kGlass << 1.0 << 10.0 << 6.0 << 10.0 << -15.0 << 2.5 << 10.0;
    QTest::newRow("diverging: F -10 см, d 20 см, f -6,67 см")
        << kGlass << 1.0 << -10.0 << 20.0 << -10.0 << -20.0 / 3 << 1.0 / 3 << -10.0;
    // The same glass lens as the first row, F 10 см in air.
    QTest::newRow("glass 1,5 in water: F 39,12 см, about four times longer")
        << kGlass << kWaterBook << 10.0 << 60.0 << 39.12 << none << none << none;
    QTest::newRow("air lens in water: diverging, F -20,15 см")
        << 1.0 << kWaterBook << 10.0 << 30.0 << -20.15 << none << none << none;
    QTest::newRow("N 2,0, R 2,65 см in water: D 38,02 дптр")
        << 2.0 << kWaterBook << 2.65 << 10.0 << none << none << none << 38.02;
}

void TestLens::schoolProblems() {
    QFETCH(double, N);
    QFETCH(double, n);
    QFETCH(double, R);
    QFETCH(double, d);
    QFETCH(double, printedF);
    QFETCH(double, printedImage);
    QFETCH(double, printedGamma);
    QFETCH(double, printedD);
    const double F = 1 / ((N / n - 1) * (2 / R));
    const double f = 1 / (1 / F - 1 / d);
    const double gamma = std::fabs(f) / d;
    const double D = 100 / F;
    // The book prints two decimals at most.
    constexpr double kPrinted = 0.005, kCmWithin = 1e-9, kRatio = 1e-9;
    const auto printed = [&](double given, double computed) {
        return std::isnan(given) || std::fabs(given - computed) < kPrinted;
    };
    QVERIFY(printed(printedF, F) && printed(printedImage, f) && printed(printedGamma, gamma) &&
            printed(printedD, D));

    const Optics::Lens lens = Bench::lensOf(n, N, n, R * kCm, -R * kCm);
    const Optics::Notation school = Optics::Notation::RussianSchool;
    const Optics::FocalLengths focal = Bench::focalLengths(lens);
    QVERIFY2(std::fabs(focal.front / kCm - F) < kCmWithin,
             qPrintable(QString::number(focal.front / kCm)));
    QVERIFY(std::fabs(focal.back / kCm - F) < kCmWithin);
    QCOMPARE(Optics::converges(Optics::power(lens)), F > 0);
    QVERIFY2(std::fabs(Optics::powerIn(school, lens) - D) < kRatio * std::fabs(D),
             qPrintable(QString::number(Optics::powerIn(school, lens))));
    QCOMPARE(Optics::powerFormula(school, lens), Optics::PowerFormula::OneOverF);
    const Bench::Image image = Bench::imageOf(lens, objectX(d * kCm), objectY(500));
    QVERIFY2(std::fabs(image.b / kCm - f) < kCmWithin, qPrintable(QString::number(image.b / kCm)));
    QVERIFY(std::fabs(Optics::magnificationIn(school, image.magnification) - gamma) < kRatio);
    // The kind in words goes with the sign the school drops: a real image is
    // inverted, a virtual one upright.
    QCOMPARE(image.magnification > 0, f < 0);
}

// The power each notation shows, in dioptres: the school's 1/F (the front F
// between two media), the signed notation's vergence; a hundredth of index
// on one side moves either by a little, never by a jump.
void TestLens::powerByNotation_data() {
    QTest::addColumn<Optics::Notation>("notation");
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("n2");
    QTest::addColumn<bool>("reciprocalF");
    const double kWaterBook = 1.33;
    for (const auto& [name, notation] : {std::pair{"Russian", Optics::Notation::RussianSchool},
                                         std::pair{"UK", Optics::Notation::UkSchool},
                                         std::pair{"signed", Optics::Notation::SignedGaussian}}) {
        const bool school = notation != Optics::Notation::SignedGaussian;
        QTest::addRow("%s, water both sides", name)
            << notation << kWaterBook << kWaterBook << school;
        QTest::addRow("%s, air | water", name) << notation << 1.0 << kWaterBook << false;
        QTest::addRow("%s, water | air", name) << notation << kWaterBook << 1.0 << false;
    }
}

void TestLens::powerByNotation() {
    QFETCH(Optics::Notation, notation);
    QFETCH(double, n1);
    QFETCH(double, n2);
    QFETCH(bool, reciprocalF);
    const double N = 2.0, R = 2.65;
    const double vergence = 100 * LensMaker::thinLensPower(n1, N, n2, R, -R);
    // F = n1 / P before the lens, so 1/F = P / n1 in one medium.
    const bool school = notation != Optics::Notation::SignedGaussian;
    const double expected = school ? vergence / n1 : vergence;
    const Optics::Lens lens = Bench::lensOf(n1, N, n2, R * kCm, -R * kCm);
    constexpr double kDioptres = 1e-9;
    QVERIFY2(std::fabs(Optics::powerIn(notation, lens) - expected) < kDioptres,
             qPrintable(QString::number(Optics::powerIn(notation, lens))));
    const Optics::PowerFormula formula = Optics::powerFormula(notation, lens);
    QCOMPARE(formula == Optics::PowerFormula::OneOverF, reciprocalF);
    // A front and a back focal length of their own: n1/F = n2/F′ names the power.
    const Optics::FocalLengths focal = Bench::focalLengths(lens);
    QVERIFY(std::fabs(n1 / focal.front - n2 / focal.back) < 1e-12);
    const Optics::Lens nearby = Bench::lensOf(n1, N, n2 + 0.01, R * kCm, -R * kCm);
    QCOMPARE_LT(std::fabs(Optics::powerIn(notation, nearby) / expected - 1), 0.02);
}

// The screen catches a cone of light from the aperture (diameter A) to the
// image point: by similar triangles its section at s is A·|s − b| / |b| wide.
// Zero at the image, growing by A / |b| per unit either side.
void TestLens::blurCircle_data() {
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("diameter");
    const double A = Bench::kConvergingBottom - Bench::kConvergingTop;
    QTest::newRow("at the image: a point") << 3000.0 << 3000.0 << 0.0;
    QTest::newRow("a tenth beyond") << 3000.0 << 3300.0 << A / 10;
    QTest::newRow("a tenth nearer") << 3000.0 << 2700.0 << A / 10;
    QTest::newRow("twice as far: the aperture again") << 3000.0 << 6000.0 << A;
    QTest::newRow("at the lens: the aperture") << 3000.0 << 0.0 << A;
    QTest::newRow("virtual image 2000 before: only spreads") << -2000.0 << 1000.0 << A * 1.5;
}

void TestLens::blurCircle() {
    QFETCH(double, b);
    QFETCH(double, s);
    QFETCH(double, diameter);
    const double A = Bench::kConvergingBottom - Bench::kConvergingTop;
    constexpr double kTwips = 1e-9;
    QVERIFY2(std::fabs(Lab::blurDiameter(A, b, s) - diameter) < kTwips,
             qPrintable(QString::number(Lab::blurDiameter(A, b, s))));
    // Linear on each side: a step of 100 twips adds A · 100 / |b|.
    const double side = s >= b ? 1 : -1;
    QVERIFY(std::fabs(Lab::blurDiameter(A, b, s + side * 100) - diameter - A * 100 / std::fabs(b)) <
            kTwips);
}

// The sharpest place for the screen is the image the ray trace finds, with
// equal and unequal media; a screen there shows the object inverted at the
// lens law's magnification, sharp and at full brightness, and a division
// either side blurs it. A virtual image is caught nowhere.
void TestLens::sharpestScreen_data() {
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("N");
    QTest::addColumn<double>("n2");
    QTest::addColumn<double>("R");
    QTest::addColumn<double>("d");
    QTest::addColumn<bool>("real");
    QTest::newRow("air, f 3 cm, d 9 cm") << 1.0 << kGlass << 1.0 << 3 * kCm << 9 * kCm << true;
    QTest::newRow("air, f 3 cm, d 4 cm") << 1.0 << kGlass << 1.0 << 3 * kCm << 4 * kCm << true;
    QTest::newRow("air | glass | water") << 1.0 << 1.8 << kWater << 4 * kCm << 8 * kCm << true;
    QTest::newRow("water | glass | air") << kWater << 1.8 << 1.0 << 4 * kCm << 8 * kCm << true;
    QTest::newRow("inside F: virtual") << 1.0 << kGlass << 1.0 << 3 * kCm << 2 * kCm << false;
}

void TestLens::sharpestScreen() {
    QFETCH(double, n1);
    QFETCH(double, N);
    QFETCH(double, n2);
    QFETCH(double, R);
    QFETCH(double, d);
    QFETCH(bool, real);
    const Optics::Lens lens = Bench::lensOf(n1, N, n2, R, -R);
    const double P = LensMaker::thinLensPower(n1, N, n2, R, -R);
    const double h = 450;
    const Traced traced = trace(n1, n2, P, d, h);
    // The laboratory measures in cm from the lens plane and the axis.
    const double z = -d / kCm;
    const double height = h / kCm;
    const double aperture = (Bench::kConvergingBottom - Bench::kConvergingTop) / kCm;
    double s = 0;
    QCOMPARE(Lab::sharpestScreen(lens, z, &s), real);
    s *= kCm;
    const double line = 45;
    const auto onScreen = [&](double screen) {
        return Lab::onScreen(lens, z, height, screen / kCm, line / kCm, aperture);
    };
    if (!real) {
        const Lab::ScreenPicture anywhere = onScreen(3000);
        QVERIFY(!anywhere.caught);
        QVERIFY(anywhere.brightness < 0.1); // a faint blur
        return;
    }
    QVERIFY2(std::fabs(s - traced.b) < 0.01, qPrintable(QString::number(s / kCm)));
    const Lab::ScreenPicture sharp = onScreen(s);
    QVERIFY(sharp.caught);
    QVERIFY(sharp.blur * kCm < 1e-6);
    QVERIFY(std::fabs(sharp.brightness - 1) < 1e-6);
    QVERIFY2(std::fabs(sharp.scale - traced.height / h) < 1e-9,
             qPrintable(QString::number(sharp.scale)));
    // Halfway to the image the cone's axis, from the lens's centre to the
    // image point, stands at half the image's height.
    const Lab::ScreenPicture halfway = onScreen(s / 2);
    QVERIFY(std::fabs(halfway.scale - traced.height / h / 2) < 1e-9);
    const double division = Lab::benchCm(Lab::kDivisionCm) * kCm;
    for (const double off : {-division, division}) {
        const Lab::ScreenPicture blurred = onScreen(s + off);
        QVERIFY(blurred.blur > 0 && blurred.brightness < sharp.brightness);
        // The cone from the whole aperture: A·|off|/b wide.
        QCOMPARE_LT(std::fabs(blurred.blur - aperture * std::fabs(off) / s), 1e-9);
    }
}

// The focal length from rows a pupil recorded, worked by hand: F = d·f/(d + f)
// a row, the mean, ΔF_сл the mean deviation, ΔF_и the mean of F²(Δd/d² + Δf/f²)
// with Δ = 0,05 см, ΔF their sum, ε = ΔF / F and D = 100 / F dioptres. A row
// without an image counts for nothing.
void TestLens::labFocalLength_data() {
    QTest::addColumn<QList<double>>("ds");
    QTest::addColumn<QList<double>>("fs");
    QTest::addColumn<double>("mean");
    QTest::addColumn<double>("spread");
    QTest::addColumn<double>("instrument");
    QTest::addColumn<double>("dioptres");
    QTest::newRow("F 10: 30|15, 20|20, 15|30")
        << QList<double>{30, 20, 15} << QList<double>{15, 20, 30} << 10.0 << 0.0 << 0.0268519
        << 10.0;
    // 4,0; 67/16,7 = 4,01198; 64,8/16,1 = 4,02484.
    QTest::newRow("F 4: 12|6, 10|6,7, 8|8,1")
        << QList<double>{12, 10, 8} << QList<double>{6, 6.7, 8.1} << 4.0122736 << 0.0083808
        << 0.0262516 << 24.923525;
}

void TestLens::labFocalLength() {
    QFETCH(QList<double>, ds);
    QFETCH(QList<double>, fs);
    QFETCH(double, mean);
    QFETCH(double, spread);
    QFETCH(double, instrument);
    QFETCH(double, dioptres);
    std::vector<Lab::Row> rows;
    for (int i = 0; i < ds.size(); ++i)
        rows.push_back({ds[i], fs[i], true, Lab::Region::BeyondTwoF, Optics::Size::Same});
    rows.push_back({5, 5, false, Lab::Region::InsideF, Optics::Size::Same}); // nothing caught
    const Lab::Result r = Lab::evaluate(rows);
    constexpr double kCmTolerance = 1e-6, kDioptreTolerance = 1e-5;
    QCOMPARE(r.rows, int(ds.size()));
    const Lab::Estimate& e = r.front;
    QVERIFY2(std::fabs(e.mean - mean) < kCmTolerance, qPrintable(QString::number(e.mean, 'g', 9)));
    QVERIFY2(std::fabs(e.spread - spread) < kCmTolerance,
             qPrintable(QString::number(e.spread, 'g', 9)));
    QVERIFY2(std::fabs(e.instrument - instrument) < kCmTolerance,
             qPrintable(QString::number(e.instrument, 'g', 9)));
    QVERIFY(std::fabs(e.error - (spread + instrument)) < kCmTolerance);
    QVERIFY(std::fabs(e.relative - (spread + instrument) / mean) < kCmTolerance);
    QVERIFY(std::fabs(r.dioptres - dioptres) < kDioptreTolerance);
    // In one medium F′ is F.
    QVERIFY(!r.twoMedia && std::fabs(r.back.mean - mean) < kCmTolerance);
}

// The answer as a school writes it: ΔF to one significant figure, F to that
// place, ε from the two written numbers. Given F, ΔF; written F, ΔF, ε in %, decimals.
void TestLens::labWritten_data() {
    QTest::addColumn<QList<double>>("given");
    QTest::addColumn<QList<double>>("written");
    QTest::newRow("0,096 is 0,1") << QList<double>{12.345, 0.096}
                                  << QList<double>{12.3, 0.1, 10 / 12.3, 1};
    QTest::newRow("whole centimetres")
        << QList<double>{12.6, 1.4} << QList<double>{13, 1, 100 / 13.0, 0};
}

void TestLens::labWritten() {
    QFETCH(QList<double>, given);
    QFETCH(QList<double>, written);
    const Lab::Written w = Lab::written({given[0], 0, 0, given[1], given[1] / given[0]});
    const QList<double> got{w.mean, w.error, 100 * w.relative, double(w.decimals)};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(std::fabs(got[i] - written[i]) < 1e-9, qPrintable(QString::number(got[i])));
}

// Rows taken between media n1 and n2: the screen where the lens law
// F/d + F′/f = 1 (F′ = F·n2/n1) puts the image, f read to the millimetre.
// Each row's F and F′ are worked out here from the law, F = 1/(1/d + (n2/n1)/f)
// and F′ = f·(1 − F/d), the instrument error by differencing F over half a
// division of d and of f; the power is 1/F of the front focal length in the
// school's notation, n1/F in the signed one.
void TestLens::labTwoMedia_data() {
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("n2");
    QTest::addColumn<double>("trueF"); // cm, before the lens
    QTest::addColumn<Optics::Notation>("notation");
    QTest::addColumn<double>("dioptres");
    QTest::newRow("water before, air behind")
        << 1.33 << 1.0 << 10.0 << Optics::Notation::RussianSchool << 10.0;
    QTest::newRow("air before, water behind")
        << 1.0 << 1.33 << 6.0 << Optics::Notation::RussianSchool << 100 / 6.0;
    QTest::newRow("water both sides, school's 1/F")
        << 1.33 << 1.33 << 8.0 << Optics::Notation::RussianSchool << 12.5;
    QTest::newRow("water both sides, vergence n/F")
        << 1.33 << 1.33 << 8.0 << Optics::Notation::SignedGaussian << 16.625;
}

void TestLens::labTwoMedia() {
    QFETCH(double, n1);
    QFETCH(double, n2);
    QFETCH(double, trueF);
    QFETCH(Optics::Notation, notation);
    QFETCH(double, dioptres);
    const double k = n2 / n1;
    const auto law = [k](double d, double f) { return 1 / (1 / d + k / f); };
    constexpr double kHalf = Lab::kDivisionCm / 2;
    std::vector<Lab::Row> rows;
    QList<double> Fs, backs, instruments;
    for (const double inF : {3.1, 2.2, 1.6, 1.3}) {
        const double d = std::round(inF * trueF * 10) / 10;
        const double image = k * trueF * d / (d - trueF);
        const double f = std::round(image * 10) / 10;
        rows.push_back({d, f, true, Lab::Region::BeyondTwoF, Optics::Size::Same, n1, n2});
        Fs << law(d, f);
        backs << f * (1 - Fs.back() / d);
        instruments << (std::fabs(law(d + kHalf, f) - law(d - kHalf, f)) +
                        std::fabs(law(d, f + kHalf) - law(d, f - kHalf))) /
                           2;
    }
    const auto mean = [](const QList<double>& v) {
        return std::accumulate(v.begin(), v.end(), 0.0) / v.size();
    };
    const auto spread = [&mean](const QList<double>& v) {
        double s = 0;
        for (const double x : v)
            s += std::fabs(x - mean(v)) / v.size();
        return s;
    };
    const Lab::Result r = Lab::evaluate(rows, notation);
    // Differencing is exact to the curvature's share over a twentieth of a
    // centimetre, far below a hundredth of a millimetre.
    constexpr double kCmTolerance = 1e-5, kDioptreTolerance = 1e-2;
    QCOMPARE(r.twoMedia, n1 != n2);
    QVERIFY2(std::fabs(r.front.mean - mean(Fs)) < kCmTolerance,
             qPrintable(QString::number(r.front.mean, 'g', 9)));
    QVERIFY(std::fabs(r.back.mean - mean(backs)) < kCmTolerance);
    QVERIFY(std::fabs(r.front.spread - spread(Fs)) < kCmTolerance);
    QVERIFY(std::fabs(r.back.spread - spread(backs)) < kCmTolerance);
    QVERIFY2(std::fabs(r.front.instrument - mean(instruments)) < kCmTolerance,
             qPrintable(QStringLiteral("%1 %2").arg(r.front.instrument).arg(mean(instruments))));
    QVERIFY(std::fabs(r.back.instrument - k * mean(instruments)) < kCmTolerance);
    QVERIFY2(std::fabs(r.dioptres - dioptres) < kDioptreTolerance,
             qPrintable(QString::number(r.dioptres)));
    // Read to the millimetre, the rows give the lens's F within their error.
    QVERIFY(std::fabs(r.front.mean - trueF) <= r.front.error);
    QVERIFY(std::fabs(r.back.mean - k * trueF) <= r.back.error);
}

// A row as recorded: d and f read to the millimetre, the image found only with
// the screen within a division of where the lens law puts it (f = 3 cm, d =
// 9,03 cm: b = 1 / (1/3 − 1/9,03) = 4,498 cm), and the region of d.
void TestLens::labRecord_data() {
    QTest::addColumn<double>("offCm");
    QTest::addColumn<double>("f");
    QTest::addColumn<bool>("found");
    QTest::newRow("at the image") << 0.0 << 4.5 << true;
    QTest::newRow("half a division beyond") << 0.05 << 4.5 << true;
    QTest::newRow("a division and a half beyond") << 0.15 << 4.6 << false;
    QTest::newRow("two divisions nearer") << -0.2 << 4.3 << false;
}

void TestLens::labRecord() {
    QFETCH(double, offCm);
    QFETCH(double, f);
    QFETCH(bool, found);
    const Optics::Lens lens = Bench::lensOf(1, kGlass, 1, 3 * kCm, -3 * kCm);
    const double d = 9.03;
    const double b = 1 / (1 / 3.0 - 1 / d);
    const Lab::Row row = Lab::record(lens, -d, b + offCm); // cm from the lens plane
    QVERIFY(std::fabs(row.d - 9.0) < 1e-9);
    QVERIFY2(std::fabs(row.f - f) < 1e-9, qPrintable(QString::number(row.f)));
    QCOMPARE(row.found, found);
    QCOMPARE(row.region, Lab::Region::BeyondTwoF);
}

// The lens as a school book states it, in centimetres: the power from the
// lens-maker's formula worked here, a hundred dioptres per reciprocal cm, f =
// n1/P and f' = n2/P, the image from the vergences n1/d + n2/b = P, and the
// measured row at 1 : K, every length K times the bench's.
void TestLens::centimetres_data() {
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("N");
    QTest::addColumn<double>("n2");
    QTest::addColumn<double>("R");
    QTest::addColumn<double>("d");
    QTest::addColumn<int>("K");
    QTest::newRow("biconvex R 10 cm in air, 1 : 1") << 1.0 << 1.5 << 1.0 << 10.0 << 30.0 << 1;
    QTest::newRow("biconcave in water, 1 : 2") << 1.33 << 1.6 << 1.33 << -8.0 << 12.0 << 2;
    QTest::newRow("air | glass | water, virtual, 1 : 5") << 1.0 << 1.5 << kWater << 5.0 << 4.0 << 5;
    QTest::newRow("denser medium diverges, 1 : 10") << 1.8 << 1.5 << 1.8 << 4.0 << 9.0 << 10;
    QTest::newRow("no power, 1 : 2") << 1.3 << 1.3 << 1.3 << 4.0 << 6.0 << 2;
}

void TestLens::centimetres() {
    QFETCH(double, n1);
    QFETCH(double, N);
    QFETCH(double, n2);
    QFETCH(double, R);
    QFETCH(double, d);
    QFETCH(int, K);
    const Optics::Lens lens{n1, N, n2, R, -R};
    const double P = LensMaker::thinLensPower(n1, N, n2, R, -R);
    constexpr double kRelative = 1e-12, kHeight = 1.5;
    QVERIFY(std::fabs(Optics::power(lens) - P) <= kRelative * std::fabs(P));
    QVERIFY(std::fabs(Optics::dioptres(Optics::power(lens)) - 100 * P) <= 1e-9);
    const Optics::FocalLengths focal = Optics::focalLengths(lens);
    const Optics::Axial::Image image = Optics::imageOf(lens, {-d, kHeight});
    const Optics::Scale scale = *Optics::Scale::of(K);
    const Measurements::Row row = Measurements::measure(lens, -d, kHeight, scale);
    QCOMPARE(row.d, d * K);
    QCOMPARE(row.kind, image.kind);
    if (P == 0) {
        // A plane boundary: infinite focal lengths, the image n2/n1 of d before it.
        QVERIFY(!focal.finite && std::isinf(focal.front) && std::isinf(focal.back));
        QVERIFY(!row.finite);
        QVERIFY(std::fabs(image.distance + n2 / n1 * d) < 1e-12);
        return;
    }
    QVERIFY(focal.finite);
    QVERIFY(std::fabs(focal.front - n1 / P) <= 1e-9 * std::fabs(n1 / P));
    QVERIFY(std::fabs(focal.back - n2 / P) <= 1e-9 * std::fabs(n2 / P));
    const double b = image.distance;
    QCOMPARE(image.kind, b > 0 ? Optics::ImageKind::Real : Optics::ImageKind::Virtual);
    QVERIFY2(std::fabs(n1 / d + n2 / b - P) <= 1e-9 * std::fabs(P), qPrintable(QString::number(b)));
    QVERIFY(std::fabs(image.magnification + n1 * b / (n2 * d)) < 1e-9);
    QVERIFY(std::fabs(row.b - b * K) <= 1e-9 * std::fabs(b * K));
    QVERIFY(std::fabs(row.front - K * n1 / P) <= 1e-9 * std::fabs(K * n1 / P));
    // The radius both surfaces need for this front focal length is R again.
    const std::optional<double> radius = Optics::equalRadiusFor(focal.front, n1, N, n2, R > 0);
    QVERIFY(radius && std::fabs(*radius - std::fabs(R)) < 1e-9);
}

// The object moving between two places along the axis, in centimetres at a
// speed in cm/s: it halts at F and 2F of a converging lens where they lie on
// its way, at nothing for a diverging lens or none, and turns at both ends.
void TestLens::motionInCentimetres_data() {
    QTest::addColumn<double>("front");
    QTest::addColumn<QList<double>>("marks");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("F and 2F on the way") << 3.0 << QList<double>{-6.0, -3.0};
    QTest::newRow("2F beyond the far end") << 7.0 << QList<double>{-7.0};
    QTest::newRow("F and 2F inside the near end") << 0.2 << QList<double>{};
    QTest::newRow("diverging") << -4.0 << QList<double>{};
    QTest::newRow("no power") << inf << QList<double>{};
}

void TestLens::motionInCentimetres() {
    QFETCH(double, front);
    QFETCH(QList<double>, marks);
    const double far = -12, near = -0.5, speed = 2, frame = 1.0 / 64;
    const Motion::Path path = Motion::pathBetween(far, near, front, speed);
    Motion::State state = Motion::start(path);
    QCOMPARE(state.z, far);
    QList<double> halted;
    double nearest = far;
    for (int i = 0; i < 2000 && state.direction > 0; ++i) {
        const Motion::State next = Motion::advance(path, state, frame);
        // Steady: never farther in a frame than the speed carries it.
        QVERIFY(std::fabs(next.z - state.z) <= speed * frame + 1e-12);
        if (next.pauseLeft > 0 && state.pauseLeft == 0)
            halted << next.z;
        nearest = std::max(nearest, next.z);
        state = next;
    }
    QCOMPARE(halted, marks);
    // It turned at the near end, within a frame's way of it, never beyond.
    QCOMPARE(state.direction, -1);
    QVERIFY(nearest <= near && nearest >= near - speed * frame);
}

void TestLens::curvesFollowTheLensEquation_data() {
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("N");
    QTest::addColumn<double>("n2");
    QTest::addColumn<double>("leftR");
    QTest::addColumn<double>("rightR");
    QTest::newRow("biconvex in air") << 1.0 << 1.5 << 1.0 << 3000.0 << -3000.0;
    QTest::newRow("biconvex, water behind") << 1.0 << 1.6 << 1.33 << 2500.0 << -4000.0;
    QTest::newRow("biconcave in air") << 1.0 << 1.5 << 1.0 << -2500.0 << 2500.0;
    QTest::newRow("biconvex in a denser medium") << 1.8 << 1.5 << 1.8 << 3000.0 << -3000.0;
}

void TestLens::curvesFollowTheLensEquation() {
    QFETCH(double, n1);
    QFETCH(double, N);
    QFETCH(double, n2);
    QFETCH(double, leftR);
    QFETCH(double, rightR);
    const Expected lens = expectedFor(n1, N, n2, leftR, rightR);
    const Optics::ImageCurves curves =
        Optics::imageCurves(Bench::lensOf(n1, N, n2, leftR, rightR), Optics::CurveRange{});
    QCOMPARE(curves.branches.empty(), false);
    QVERIFY(std::fabs(curves.front - lens.f) < 1e-9);
    QVERIFY(std::fabs(curves.back - lens.fBack) < 1e-9);
    int points = 0;
    for (const auto& branch : curves.branches) {
        // No branch joins the two sides of the focal plane.
        const bool before = branch.front().d < lens.f;
        for (const Optics::CurvePoint& p : branch) {
            QCOMPARE(p.d < lens.f, before);
            const double b = lens.b(p.d);
            QVERIFY2(
                std::fabs(p.b - b) <= 1e-9 * std::max(1.0, std::fabs(b)),
                qPrintable(QStringLiteral("d %1: b %2, expected %3").arg(p.d).arg(p.b).arg(b)));
            const double gamma = -(n1 * b) / (n2 * p.d);
            QVERIFY(std::fabs(p.magnification - gamma) <= 1e-9 * std::max(1.0, std::fabs(gamma)));
            ++points;
        }
    }
    // The curves cover most of the bench, not a few stray points.
    QVERIFY(points > 300);
}

void TestLens::csvText_data() {
    QTest::addColumn<char>("mark");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Russian") << ','
                             << QStringLiteral("d, см|b, см|Γ|Изображение|f, см|f′, см|D, дптр")
                             << QStringLiteral("d, см;b, см;Γ;Изображение;f, см;f′, см;D, дптр\r\n"
                                               "8,00;4,00;-0,50;действительное;2,67;2,67;37,50\r\n"
                                               "2,67;;;изображения нет;2,67;2,67;37,50\r\n");
    QTest::newRow("English")
        << '.' << QStringLiteral("d, cm|b, cm|Γ|Image|f, cm|f′, cm|D, dioptres")
        << QStringLiteral("\"d, cm\",\"b, cm\",Γ,Image,\"f, cm\",\"f′, cm\",\"D, dioptres\"\r\n"
                          "8.00,4.00,-0.50,real,2.67,2.67,37.50\r\n"
                          "2.67,,,no image,2.67,2.67,37.50\r\n");
}

void TestLens::csvText() {
    QFETCH(char, mark);
    QFETCH(QString, header);
    QFETCH(QString, expected);
    // f = 8/3 cm: d = 8 cm gives b = 4 cm, Γ = -1/2, D = 37.5.
    Measurements::Row real{8,    4,  -0.5, Optics::ImageKind::Real, 8.0 / 3, 8.0 / 3, 37.5,
                           true, {}, {}};
    Measurements::Row none{8.0 / 3, 0,  0, Optics::ImageKind::None, 8.0 / 3, 8.0 / 3, 37.5,
                           true,    {}, {}};
    std::vector<std::string> fields;
    for (const QString& field : header.split(QLatin1Char('|')))
        fields.push_back(field.toStdString());
    const bool russian = mark == ',';
    const std::array<std::string, 3> kinds =
        russian ? std::array<std::string, 3>{"изображения нет", "действительное", "мнимое"}
                : std::array<std::string, 3>{"no image", "real", "virtual"};
    const std::string text =
        Measurements::csvText(fields, {real, none}, kinds, "∞", Measurements::csvFormatFor(mark));
    QCOMPARE(QString::fromStdString(text), expected);
}

// Where the object stands, in each notation's letters as its textbook prints
// them; the notation's key reads back as itself, the control steps through all
// three, and a school notation shows the magnification's size alone.
void TestLens::regionsInNotation_data() {
    QTest::addColumn<Optics::Notation>("notation");
    QTest::addColumn<QStringList>("regions"); // beyond 2F, at 2F, between, at F, inside F
    QTest::addColumn<double>("shownOfMinusHalf");
    QTest::newRow("Russian school")
        << Optics::Notation::RussianSchool
        << QStringList{"d > 2F", "d = 2F", "F < d < 2F", "d = F", "d < F"} << 0.5;
    QTest::newRow("UK school") << Optics::Notation::UkSchool
                               << QStringList{"u > 2f", "u = 2f", "f < u < 2f", "u = f", "u < f"}
                               << 0.5;
    QTest::newRow("signed") << Optics::Notation::SignedGaussian
                            << QStringList{"d > 2f", "d = 2f", "f < d < 2f", "d = f", "d < f"}
                            << -0.5;
}

void TestLens::regionsInNotation() {
    QFETCH(Optics::Notation, notation);
    QFETCH(QStringList, regions);
    QFETCH(double, shownOfMinusHalf);
    for (int r = 0; r < regions.size(); ++r)
        QCOMPARE(QString::fromStdString(Optics::regionText(notation, Optics::ObjectRegion(r))),
                 regions[r]);
    QVERIFY(Optics::notationKeyed(Optics::keyOf(notation)) == notation);
    Optics::Notation stepped = notation;
    QSet<int> seen;
    for (int i = 0; i < 3; ++i)
        seen << int(stepped = Optics::nextNotation(stepped));
    QCOMPARE(stepped, notation);
    QCOMPARE(seen.size(), 3);
    QCOMPARE(Optics::magnificationIn(notation, -0.5), shownOfMinusHalf);
}

// The scale 1 : K a teacher chooses: only 1, 2, 5 and 10; a length shown at
// the scale and typed back is the same place on the bench; the choices follow
// one another round; a power is K times weaker in real dioptres.
void TestLens::scaleChoices_data() {
    QTest::addColumn<double>("k");
    QTest::addColumn<int>("next"); // 0: no such scale
    QTest::newRow("1 : 1") << 1.0 << 2;
    QTest::newRow("1 : 2") << 2.0 << 5;
    QTest::newRow("1 : 5") << 5.0 << 10;
    QTest::newRow("1 : 10, round to 1 : 1") << 10.0 << 1;
    for (const double k : {0.0, -1.0, 3.0, 1.5, 100.0, std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity()})
        QTest::addRow("no 1 : %g", k) << k << 0;
}

void TestLens::scaleChoices() {
    QFETCH(double, k);
    QFETCH(int, next);
    const std::optional<Optics::Scale> scale = Optics::Scale::of(k);
    QCOMPARE(bool(scale), next != 0);
    if (!scale)
        return;
    QCOMPARE(scale->factor(), int(k));
    QCOMPARE(scale->next().factor(), next);
    for (const double benchCm : {-13.23, -0.01, 0.0, 2.65, 8.47}) {
        QCOMPARE(scale->realOfBenchCm(benchCm), benchCm * k);
        QVERIFY(std::fabs(scale->benchCm(scale->realOfBenchCm(benchCm)) - benchCm) < 1e-12);
    }
    QCOMPARE(Optics::realDioptres(20, *scale), 20 / k);
}

// The second lens of a typed front focal length: its surfaces' powers give
// it in the medium before, and the back one in the medium after; its shape is
// the one that bends so (biconcave gathers in media denser than the glass).
void TestLens::secondLensOfFocalLength_data() {
    QTest::addColumn<double>("f");
    QTest::addColumn<double>("N");
    QTest::addColumn<double>("before");
    QTest::addColumn<double>("after");
    QTest::addColumn<int>("shape"); // 1 biconvex, -1 biconcave, 0 none
    QTest::newRow("air, +20") << 20.0 << kGlass << 1.0 << 1.0 << 1;
    QTest::newRow("water before") << 10.0 << kGlass << kWater << 1.0 << 1;
    QTest::newRow("eye's medium after") << 0.5 << 1.8 << 1.0 << 1.336 << 1;
    QTest::newRow("denser media, +8") << 8.0 << kGlass << 1.7 << 1.9 << -1;
    QTest::newRow("denser media, -8") << -8.0 << kGlass << 1.7 << 1.9 << 1;
    QTest::newRow("glass as the media") << 10.0 << 1.4 << 1.2 << 1.6 << 0;
    QTest::newRow("zero") << 0.0 << kGlass << 1.0 << 1.0 << 0;
    QTest::newRow("infinite") << HUGE_VAL << kGlass << 1.0 << 1.0 << 0;
    QTest::newRow("NaN") << std::nan("") << kGlass << 1.0 << 1.0 << 0;
}

void TestLens::secondLensOfFocalLength() {
    QFETCH(double, f);
    QFETCH(double, N);
    QFETCH(double, before);
    QFETCH(double, after);
    QFETCH(int, shape);
    const auto lens = Optics::lensOfFocalLength(f, N, before, after);
    QCOMPARE(lens.has_value(), shape != 0);
    if (!lens)
        return;
    QCOMPARE(lens->R2, -lens->R1); // equal radii
    QCOMPARE(lens->R1 > 0 ? 1 : -1, shape);
    const double P = LensMaker::thinLensPower(before, N, after, lens->R1, lens->R2);
    const Optics::FocalLengths focal = Optics::focalLengthsOf({3, *lens, after}, before);
    QVERIFY(std::fabs(before / P - f) + std::fabs(focal.front - f) < 1e-12 * std::fabs(f));
    QVERIFY(std::fabs(focal.back - after / P) < 1e-12 * std::fabs(f));
}

// The two shapes a setup keeps, by the magnitudes of the left and right
// radii, and back; a meniscus or a plane surface is neither.
void TestLens::secondLensShapes_data() {
    QTest::addColumn<double>("R1");
    QTest::addColumn<double>("R2");
    QTest::addColumn<int>("shape"); // 1 biconvex (gathers in air), -1 biconcave, 0 neither
    QTest::newRow("biconvex") << 4.0 << -12.5 << 1;
    QTest::newRow("biconcave") << -0.5 << 100.0 << -1;
    QTest::newRow("meniscus") << 4.0 << 6.0 << 0;
    QTest::newRow("plano-convex") << HUGE_VAL << -5.0 << 0;
}

void TestLens::secondLensShapes() {
    QFETCH(double, R1);
    QFETCH(double, R2);
    QFETCH(int, shape);
    const std::optional<Optics::LensShape> shaped = Optics::shapeOf({1.6, R1, R2});
    QCOMPARE(shaped ? (shaped->biconvex ? 1 : -1) : 0, shape);
    if (shaped)
        QCOMPARE(Optics::shapedThinLens(1.6, *shaped), (Optics::Axial::ThinLens{1.6, R1, R2}));
    QCOMPARE(shape * LensMaker::thinLensPower(1, 1.6, 1, R1, R2) > 0, shape != 0);
}

QTEST_MAIN(TestLens)
// A lens pair's graph in air: b2 = 1/(1/F2 − 1/(s − b1)) (the lens law twice),
// the pole d* where b1 = s − F2, the level b2(b1 = F1) of a distant object;
// the plot's limits lifted, so that only the pole may part the branches.
void TestLens::systemCurves_data() {
    QTest::addColumn<double>("F1");
    QTest::addColumn<double>("F2");
    QTest::addColumn<double>("s");
    QTest::newRow("two converging, apart") << 3.0 << 4.0 << 9.0;
    QTest::newRow("two converging, in contact") << 5.0 << 5.0 << 0.0;
    QTest::newRow("converging, then diverging") << 4.0 << -3.0 << 2.0;
    QTest::newRow("diverging, then converging") << -4.0 << 3.0 << 5.0;
}
void TestLens::systemCurves() {
    QFETCH(double, F1);
    QFETCH(double, F2);
    QFETCH(double, s);
    const auto image = [](double F, double d) { return 1 / (1 / F - 1 / d); };
    const double pole = image(F1, s - F2);
    Optics::CurveRange range;
    range.bLimit = range.magnificationLimit = 1e12;
    const Optics::ImageCurves curves =
        Optics::imageCurves(Optics::withSecondLens(Optics::systemOf({1, 1.5, 1, F1, -F1}),
                                                   {s, Optics::Axial::ThinLens{1.5, F2, -F2}, 1}),
                            range);
    QVERIFY(curves.finite && std::fabs(curves.front - pole) < 1e-9 &&
            std::fabs(curves.back - image(F2, s - F1)) < 1e-9);
    std::size_t points = 0;
    for (const auto& branch : curves.branches) {
        points += branch.size();
        for (const Optics::CurvePoint& p : branch) {
            const double b2 = image(F2, s - image(F1, p.d));
            QVERIFY((p.d < pole) == (branch.front().d < pole) &&
                    std::fabs(p.b - b2) <= 1e-9 * std::max(1.0, std::fabs(b2)));
        }
    }
    QVERIFY(points > 590);
}

#include "tst_lens.moc"
