// SPDX-License-Identifier: GPL-3.0-or-later
// The ray construction figure by figure: what is drawn in both areas, in which
// order and with which pen, and the work values left behind, for a converging
// and a diverging lens, off the axis and on it, and for the image marks alone.
#include "form1.h"
#include "picturebox.h"
#include "raydiagram.h"
#include "systemdiagram.h"
#include "testsupport.h"

#include <QTest>
#include <cmath>
#include <cstdint>
#include <limits>

Q_DECLARE_METATYPE(Figure)

namespace {
using TestSupport::drawFor;

constexpr RgbValue kBlack = 0, kGreen = 65280, kGrey = 8421504, kRed = 255;
constexpr double kept = std::numeric_limits<double>::quiet_NaN(); // member not written

Figure L(double x1, double y1, double x2, double y2, RgbValue colour, int width, int style = 0) {
    Figure f;
    f.x1 = float(x1), f.y1 = float(y1), f.x2 = float(x2), f.y2 = float(y2);
    f.colour = colour, f.drawWidth = width, f.drawStyle = style;
    return f;
}
// Every circle of the construction is filled solidly.
Figure C(double x, double y, double radius, RgbValue colour, int width, RgbValue fill) {
    Figure f = L(x, y, x, y, colour, width);
    f.kind = Figure::Kind::Circle, f.radius = float(radius), f.fillStyle = 0, f.fillColour = fill;
    return f;
}
using Figures = QVector<Figure>;

// The central ray after the lens: in equal media it runs on along the line
// from the object point through the optical centre (7500, 3990), here until it
// passes the bottom edge (to 8050) or meets the top one.
Figure centralOut(double x, double y) {
    const double edgeY = y < 3990 ? 8050 : 0;
    // Along the line, as far past the centre as the edge lies below (or
    // above) it, in units of the object's height over the axis.
    const double along = (edgeY - 3990) / (3990 - y);
    return L(0, 3990, along * (7500 - x), edgeY, kBlack, 2);
}

// The object line as wide as the rays; the image dots filled with their own colour.
Figures objectAndCentral(double x, double y) {
    return {L(x, y, x, 3990, kGreen, 2), L(x, y, 7500, 3990, kBlack, 2)};
}
Figures marker(double x, double y) {
    return {C(x, y, 60, kGreen, 3, kGreen)};
}
// As textbooks print an image: a real one (green) solid, a virtual one (red) dashed.
Figures imageMark(double x, double y, RgbValue colour) {
    const int style = colour == kGreen ? 0 : 1;
    return {C(x, y, 50, colour, 4, colour), L(x, y, x, 3990, colour, 1, style),
            L(x + 10, y, x + 10, 3990, colour, 1, style),
            L(x - 10, y, x - 10, 3990, colour, 1, style)};
}

// Single precision storage: 0.01 twip, or 1e-6 relative for large values.
bool near(double want, double got) {
    return std::fabs(want - got) <= std::max(0.01, 1e-6 * std::fabs(want));
}

QString mismatch(const char* area, const Figures& got, const Figures& want) {
    QString out;
    for (qsizetype i = 0; i < std::max(got.size(), want.size()); ++i) {
        bool same = i < got.size() && i < want.size();
        if (same) {
            const Figure &g = got[i], &w = want[i];
            same = g.kind == w.kind && near(w.x1, g.x1) && near(w.y1, g.y1) && near(w.x2, g.x2) &&
                   near(w.y2, g.y2) && g.colour == w.colour && g.drawWidth == w.drawWidth &&
                   (w.kind == Figure::Kind::Line ? g.drawStyle == w.drawStyle
                                                 : near(w.radius, g.radius) && g.fillStyle == 0 &&
                                                       g.fillColour == w.fillColour);
        }
        if (!same)
            out += QStringLiteral("\n %1[%2] got  %3\n %1[%2] want %4")
                       .arg(area)
                       .arg(i)
                       .arg(i < got.size() ? TestSupport::describe(got[i]) : "-",
                            i < want.size() ? TestSupport::describe(want[i]) : "-");
    }
    return out;
}

// The lens with |f1| = |f2| = f and its marks placed, as the focal-length
// computation leaves it.
void setLens(Form1& w, bool converging, double f) {
    w.IsConverging = converging ? kTrue : kFalse;
    w.f1 = w.f2 = converging ? f : -f;
    w.PlaceFocalMarks();
}

// Planted before a run, to tell which work members it wrote:
// ImageX, ImageY, RaySlope, AuxSlope, LensHitY, CrossShift.
const QVector<double> kPlanted{111, 222, 555, 666, 333, 444};
QVector<double> members(const Form1& w) {
    return {w.ImageX, w.ImageY, w.RaySlope, w.AuxSlope, w.LensHitY, double(w.CrossShift)};
}
void plant(Form1& w) {
    w.ImageX = kPlanted[0], w.ImageY = kPlanted[1], w.RaySlope = kPlanted[2];
    w.AuxSlope = kPlanted[3], w.LensHitY = kPlanted[4], w.CrossShift = int(kPlanted[5]);
}

void row(const char* name, bool converging, double f, float x, float y, const Figures& left,
         const Figures& right, const QVector<double>& expected) {
    QTest::newRow(name) << converging << f << x << y << left << right << expected;
}

} // namespace

class TestRayDiagram : public QObject {
    Q_OBJECT

private slots:
    void construction_data();
    void construction();
    void drawingStateCarriesOver();
    void guard_data();
    void guard();
    void realMarkClamps_data();
    void realMarkClamps();
    void virtualMarkClampsAndExtremeShift();
    void crossShiftRounding_data();
    void crossShiftRounding();
    void twoLenses_data();
    void twoLenses();
};

void TestRayDiagram::construction_data() {
    QTest::addColumn<bool>("converging");
    QTest::addColumn<double>("f");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<Figures>("left");
    QTest::addColumn<Figures>("right");
    QTest::addColumn<QVector<double>>("expected"); // as members(); NaN: not written

    // Converging lens, F1 = F2 = 2000. Parallel ray and focal ray.
    row("real image above the axis", true, 2000, 4500, 3000,
        objectAndCentral(4500, 3000) + Figures{L(4500, 3000, 7500, 3000, kBlack, 2)} +
            marker(4500, 3000),
        Figures{centralOut(4500, 3000), L(0, 3000, 2000, 3990, kBlack, 2),
                L(2000, 3990, 10202.020202, 8050, kBlack, 2)} +
            imageMark(6000, 5970, kGreen),
        {6000, 5970, 0.495, 0.33, kept, kept});
    row("virtual image inside the focal length", true, 2000, 6500, 3490,
        objectAndCentral(6500, 3490) +
            Figures{L(6500, 3490, 7500, 3490, kBlack, 2), L(6500, 3490, -480, 0, kRed, 1, 1),
                    L(7500, 3490, 0, 1615, kRed, 1, 1)} +
            imageMark(5500, 2990, kRed) + marker(6500, 3490),
        {centralOut(6500, 3490), L(0, 3490, 2000, 3990, kBlack, 2),
         L(2000, 3990, 18240, 8050, kBlack, 2)},
        {5500, 2990, 0.25, 0.5, 3490, 0});
    row("object in the focal plane: no image, the marker all the same", true, 2000, 5500, 3490,
        objectAndCentral(5500, 3490) + Figures{L(5500, 3490, 7500, 3490, kBlack, 2)} +
            marker(5500, 3490),
        {centralOut(5500, 3490), L(0, 3490, 2000, 3990, kBlack, 2),
         L(2000, 3990, 18240, 8050, kBlack, 2)},
        {kept, kept, 0.25, 0.25, kept, kept});
    row("70 beyond the focal point: real, far right", true, 2000, 5430, 3490,
        objectAndCentral(5430, 3490) + Figures{L(5430, 3490, 7500, 3490, kBlack, 2)} +
            marker(5430, 3490),
        Figures{centralOut(5430, 3490), L(0, 3490, 2000, 3990, kBlack, 2),
                L(2000, 3990, 18240, 8050, kBlack, 2)} +
            imageMark(59142.857143, 18275.714286, kGreen),
        {59142.857143, 18275.714286, 0.25, 500.0 / 2070, kept, kept});
    // Just beyond the focal length the image is real, however near the mark.
    row("just beyond the focal point: real, far right", true, 2000, 5450, 3490,
        objectAndCentral(5450, 3490) + Figures{L(5450, 3490, 7500, 3490, kBlack, 2)} +
            marker(5450, 3490),
        Figures{centralOut(5450, 3490), L(0, 3490, 2000, 3990, kBlack, 2),
                L(2000, 3990, 18240, 8050, kBlack, 2)} +
            imageMark(82000, 23990, kGreen),
        {82000, 23990, 0.25, 500.0 / 2050, kept, kept});
    row("on the upper aperture edge: central ray only", true, 2000, 4500, 2650,
        objectAndCentral(4500, 2650) + marker(4500, 2650), {centralOut(4500, 2650)},
        {kept, kept, kept, 1340.0 / 3000, kept, kept});

    // Beyond the aperture: edge ray, back focal plane, secondary axis.
    row("above the aperture, real image", true, 2000, 4500, 2000,
        objectAndCentral(4500, 2000) +
            Figures{L(4500, 2000, 7500, 2650, kBlack, 2), L(7500, 3990, 0, 2365, kGrey, 1, 1)} +
            marker(4500, 2000),
        Figures{centralOut(4500, 2000), L(2000, 500, 2000, 7525, kGrey, 1, 1),
                L(0, 3990, 18623.076923, 8025, kGrey, 1, 1),
                L(0, 2650, 6062.030075, 8025, kBlack, 2)} +
            imageMark(6000, 7970, kGreen),
        {6000, 7970, 1.127819549, 0.65 / 3, kept, kept});
    row("above the aperture, virtual image", true, 2000, 6500, 2000,
        objectAndCentral(6500, 2000) +
            Figures{L(6500, 2000, 7500, 2650, kBlack, 2), L(7500, 3990, 0, -885, kGrey, 1, 1),
                    L(6500, 2000, 5494.974874, 0, kRed, 1, 1),
                    L(7500, 2650, 0, -7249.8, kRed, 1, 1)} +
            imageMark(5500, 10, kRed) + marker(6500, 2000),
        Figures{centralOut(6500, 2000), L(2000, 500, 2000, 7525, kGrey, 1, 1),
                L(0, 3990, 6207.692308, 8025, kGrey, 1, 1),
                L(0, 2650, 4071.969697, 8025, kBlack, 2)} +
            imageMark(-2000, 10, kGreen),
        {5500, 10, 1.32, 0.65, 2650, 985});
    row("below the aperture, virtual image", true, 2000, 6500, 5980,
        objectAndCentral(6500, 5980) +
            Figures{L(6500, 5980, 7500, 5330, kBlack, 2), L(7500, 3990, 0, 8865, kGrey, 1, 1),
                    L(6500, 5980, 5472.361809, 8025, kRed, 1, 1),
                    L(7500, 5330, 0, 15229.8, kRed, 1, 1)} +
            imageMark(5500, 7970, kRed) + marker(6500, 5980),
        Figures{centralOut(6500, 5980), L(2000, 500, 2000, 7525, kGrey, 1, 1),
                L(0, 3990, 6138.461538, 0, kGrey, 1, 1), L(0, 5330, 4037.878788, 0, kBlack, 2)} +
            imageMark(-2000, 7970, kGreen),
        {5500, 7970, 1.32, 0.65, 5330, 985});
    row("above the aperture, just beyond the focal point", true, 2000, 5450, 2000,
        objectAndCentral(5450, 2000) +
            Figures{L(5450, 2000, 7500, 2650, kBlack, 2),
                    L(7500, 3990, 0, 1611.951220, kGrey, 1, 1)} +
            marker(5450, 2000),
        Figures{centralOut(5450, 2000), L(2000, 500, 2000, 7525, kGrey, 1, 1),
                L(0, 3990, 12725.769231, 8025, kGrey, 1, 1),
                L(0, 2650, 5445.391648, 8025, kBlack, 2)} +
            imageMark(82000, 83590, kGreen),
        {82000, 83590, 1 / 0.987073170732, 650.0 / 2050, kept, kept});
    // In the focal plane beyond the aperture the refracted edge ray is drawn, but
    // the rays leave parallel: no image is located or marked, the run goes on.
    row("above the aperture in the focal plane", true, 2000, 5500, 2000,
        objectAndCentral(5500, 2000) +
            Figures{L(5500, 2000, 7500, 2650, kBlack, 2), L(7500, 3990, 0, 1552.5, kGrey, 1, 1)} +
            marker(5500, 2000),
        {centralOut(5500, 2000), L(2000, 500, 2000, 7525, kGrey, 1, 1),
         L(0, 3990, 12415.384615, 8025, kGrey, 1, 1), L(0, 2650, 5402.010050, 8025, kBlack, 2)},
        {kept, kept, 1 / 0.995, 0.325, kept, kept});

    // On the axis: the beam to the aperture edges and the secondary axes.
    const auto beam = [](double x, double edge) {
        return objectAndCentral(x, 3990) + Figures{L(x, 3990, 7500, 3990 - edge, kBlack, 2),
                                                   L(x, 3990, 7500, 3990 + edge, kBlack, 2)};
    };
    const auto axes = [](double d, double f) {
        return Figures{L(0, 3990, 7500, 3990, kBlack, 2), L(f, 500, f, 7525, kGrey, 1, 1),
                       L(0, 3990, 3990 / 1340.0 * d, 0, kGrey, 1, 1),
                       L(0, 3990, 4035 / 1340.0 * d, 8025, kGrey, 1, 1)};
    };
    const auto leftAxes = [](double d) {
        return Figures{L(7500, 3990, 0, 3990 - 7500 * 1340 / d, kGrey, 1, 1),
                       L(7500, 3990, 0, 3990 + 7500 * 1340 / d, kGrey, 1, 1)};
    };
    row("axis, real image", true, 2000, 4500, 3990,
        beam(4500, 1340) + leftAxes(3000) + marker(4500, 3990),
        axes(3000, 2000) +
            Figures{L(0, 5330, 23865.671642, 0, kBlack, 2),
                    L(0, 2650, 24067.164179, 8025, kBlack, 2)} +
            imageMark(6000, 3990, kGreen),
        {6000, 3990, 4.477611940, -1340.0 / 3000, kept, kept});
    row("axis, virtual image", true, 2000, 6500, 3990,
        beam(6500, 1340) + leftAxes(1000) + imageMark(5500, 3990, kRed) +
            Figures{L(7500, 2650, 0, 7675, kRed, 1, 1), L(7500, 5330, 0, 305, kRed, 1, 1)} +
            marker(6500, 3990),
        axes(1000, 2000) +
            Figures{L(0, 5330, -7955.223881, 0, kBlack, 2),
                    L(0, 2650, -8022.388060, 8025, kBlack, 2)} +
            imageMark(-2000, 3990, kGreen) +
            Figures{L(0, 2650, 7500, -2375, kBlack, 2), L(0, 5330, 7500, 10355, kBlack, 2)},
        {5500, 3990, 0.67, 1.34, kept, kept});
    // Just beyond the focal point: a real image far right, nothing virtual.
    row("axis, just beyond the focal point", true, 2000, 5450, 3990,
        beam(5450, 1340) + leftAxes(2050) + marker(5450, 3990),
        axes(2050, 2000) +
            Figures{L(0, 5330, 326164.179104, 0, kBlack, 2),
                    L(0, 2650, 328917.910448, 8025, kBlack, 2)} +
            imageMark(82000, 3990, kGreen),
        {82000, 3990, 328917.910448 / 5375, -1340.0 / 2050, kept, kept});
    // The start lens (F2 = 1171.875) with the object in its focal plane: the
    // refracted rays leave parallel to the axis, level with the aperture edges.
    row("axis, in the focal plane of the start lens", true, 1171.875, 6328.125, 3990,
        beam(6328.125, 1340) + leftAxes(1171.875) + marker(6328.125, 3990),
        axes(1171.875, 1171.875) +
            Figures{L(0, 5330, 7500, 5330, kBlack, 2), L(0, 2650, 7500, 2650, kBlack, 2)},
        {kept, kept, kept, -1340 / 1171.875, kept, kept});

    // Diverging lens, F1 = 2000: the virtual image for every object point.
    row("diverging, parallel ray", false, 2000, 4500, 3490,
        objectAndCentral(4500, 3490) +
            Figures{L(4500, 3490, 7500, 3490, kBlack, 2), L(5500, 3990, 7500, 3490, kRed, 1, 1)} +
            imageMark(6300, 3790, kRed) + marker(4500, 3490),
        {centralOut(4500, 3490), L(0, 3490, 7500, 1615, kBlack, 2)},
        {6300, 3790, 0.25, 500.0 / 3000, kept, kept});
    row("diverging, above the aperture", false, 2000, 4500, 2000,
        objectAndCentral(4500, 2000) +
            Figures{L(4500, 2000, 7500, 2550, kBlack, 2), L(5500, 500, 5500, 7525, kGrey, 1, 1),
                    L(7500, 3990, 0, 2615, kGrey, 1, 1), L(7500, 2550, 0, 6575, kRed, 1, 1)} +
            imageMark(6300, 3194, kRed) + marker(4500, 2000),
        {centralOut(4500, 2000), L(0, 3990, 22009.090909, 8025, kGrey, 1, 1),
         L(0, 2550, 7500, -1475, kBlack, 2)},
        {6300, 3194, 550.0 / 3000, 0.72 - 550.0 / 3000, kept, kept});
    row("diverging, below the aperture", false, 2000, 4500, 5980,
        objectAndCentral(4500, 5980) +
            Figures{L(4500, 5980, 7500, 5430, kBlack, 2), L(5500, 500, 5500, 7525, kGrey, 1, 1),
                    L(7500, 3990, 0, 5365, kGrey, 1, 1), L(7500, 5430, 0, 1405, kRed, 1, 1)} +
            imageMark(6300, 4786, kRed) + marker(4500, 5980),
        {centralOut(4500, 5980), L(0, 3990, 21763.636364, 0, kGrey, 1, 1),
         L(0, 5430, 7500, 9455, kBlack, 2)},
        {6300, 4786, 550.0 / 3000, 0.72 - 550.0 / 3000, kept, kept});
    row("diverging, on the aperture edge: image only", false, 2000, 4500, 2550,
        objectAndCentral(4500, 2550) + imageMark(6300, 3414, kRed) + marker(4500, 2550),
        {centralOut(4500, 2550)}, {6300, 3414, kept, 0.48, kept, kept});
    row("diverging, axis", false, 2000, 4500, 3990,
        beam(4500, 1440) +
            Figures{L(5500, 500, 5500, 7525, kGrey, 1, 1), L(7500, 3990, 0, 390, kGrey, 1, 1),
                    L(7500, 5430, 0, -3570, kRed, 1, 1), L(7500, 3990, 0, 7590, kGrey, 1, 1),
                    L(7500, 2550, 0, 11550, kRed, 1, 1)} +
            imageMark(6300, 3990, kRed) + marker(4500, 3990),
        {L(0, 3990, 7500, 3990, kBlack, 2), L(0, 3990, 8312.5, 0, kGrey, 1, 1),
         L(0, 3990, 8406.25, 8025, kGrey, 1, 1), L(0, 5430, 7500, 14430, kBlack, 2),
         L(0, 2550, 7500, -6450, kBlack, 2)},
        {6300, 3990, -0.48, 1.2, kept, kept});
}

void TestRayDiagram::construction() {
    QFETCH(bool, converging);
    QFETCH(double, f);
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(Figures, left);
    QFETCH(Figures, right);
    QFETCH(QVector<double>, expected);

    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    setLens(*w, converging, f);
    plant(*w);
    drawFor(*w, x, y);

    const QString diff = mismatch("picLeft", ui.picLeft->figures(), left) +
                         mismatch("picRigth", ui.picRigth->figures(), right);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
    const QVector<double> got = members(*w);
    for (int i = 0; i < got.size(); ++i) {
        const double want = std::isnan(expected[i]) ? kPlanted[i] : expected[i];
        QVERIFY2(
            std::fabs(want - got[i]) <= 1e-6 * std::max(1.0, std::fabs(want)),
            qPrintable(QStringLiteral("member %1 is %2, want %3").arg(i).arg(got[i]).arg(want)));
    }
}

// The object line keeps one width whatever the run before left, and every
// image dot is one colour, filled as it is outlined.
void TestRayDiagram::drawingStateCarriesOver() {
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    setLens(*w, true, 2000);
    const auto first = [&](PictureBox* area, Figure::Kind kind) {
        for (const Figure& f : area->figures())
            if (f.kind == kind)
                return f;
        return Figure{};
    };
    drawFor(*w, 4500, 3000);
    QCOMPARE(first(ui.picLeft, Figure::Kind::Line).drawWidth, 2);
    drawFor(*w, 4500, 3000);
    QCOMPARE(first(ui.picLeft, Figure::Kind::Line).drawWidth, 2);
    drawFor(*w, 5500, 3490);
    drawFor(*w, 4500, 3000);
    QCOMPARE(first(ui.picLeft, Figure::Kind::Line).drawWidth, 2);
    QCOMPARE(first(ui.picRigth, Figure::Kind::Circle).fillColour, kGreen);
    drawFor(*w, 6500, 3490);
    QCOMPARE(first(ui.picLeft, Figure::Kind::Circle).colour, kRed);
    QCOMPARE(first(ui.picLeft, Figure::Kind::Circle).fillColour, kRed);
    // The marks leave both areas solid, 1 wide (picLeft 3 after the marker).
    QCOMPARE(ui.picRigth->DrawWidth(), 2);
    QCOMPARE(ui.picLeft->DrawWidth(), 3);
    w->ImageX = 6000, w->ImageY = 2010;
    ui.picRigth->SetDrawStyle(1);
    w->MarkRealImage();
    QCOMPARE(ui.picRigth->DrawWidth(), 1);
    QCOMPARE(ui.picRigth->DrawStyle(), 0);
    QCOMPARE(ui.picRigth->FillStyle(), 0);
}

// No construction at or right of the lens plane, or for a point that is nowhere.
void TestRayDiagram::guard_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    QTest::newRow("on the lens plane") << 7500.f << 3000.f;
    QTest::newRow("right of the lens, on the axis") << 9000.f << 3990.f;
    QTest::newRow("x not a number") << nan << 3000.f;
    QTest::newRow("x infinitely far") << -inf << 3000.f;
    QTest::newRow("y not a number") << 4500.f << nan;
    QTest::newRow("y infinite") << 4500.f << inf;
}

void TestRayDiagram::guard() {
    QFETCH(float, x);
    QFETCH(float, y);
    for (const bool converging : {true, false}) {
        auto w = TestSupport::startWindow();
        const auto ui = TestSupport::controlsOf(*w);
        setLens(*w, converging, 2000);
        plant(*w);
        drawFor(*w, x, y);
        QVERIFY(ui.picLeft->figures().isEmpty() && ui.picRigth->figures().isEmpty());
        QCOMPARE(members(*w), kPlanted);
    }
}

// Each coordinate clamped to 760000 on its own and stored back before drawing.
void TestRayDiagram::realMarkClamps_data() {
    QTest::addColumn<double>("inX");
    QTest::addColumn<double>("inY");
    QTest::addColumn<double>("outX");
    QTest::addColumn<double>("outY");
    QTest::newRow("on the bounds") << 760000.0 << -760000.0 << 760000.0 << -760000.0;
    QTest::newRow("x beyond") << 760000.5 << 100.0 << 760000.0 << 100.0;
    QTest::newRow("x below") << -1e9 << 100.0 << -760000.0 << 100.0;
    QTest::newRow("y beyond") << -2000.0 << 1e300 << -2000.0 << 760000.0;
    QTest::newRow("both") << 1e20 << -760001.0 << 760000.0 << -760000.0;
}

void TestRayDiagram::realMarkClamps() {
    QFETCH(double, inX);
    QFETCH(double, inY);
    QFETCH(double, outX);
    QFETCH(double, outY);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    w->ImageX = inX, w->ImageY = inY;
    w->MarkRealImage();
    QCOMPARE(w->ImageX, outX);
    QCOMPARE(w->ImageY, outY);
    const QString diff =
        mismatch("picRigth", ui.picRigth->figures(), imageMark(outX, outY, kGreen));
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

// The virtual mark clamps likewise; the axis crossing 7500 - CrossShift + F2 is
// formed without overflow for any shift.
void TestRayDiagram::virtualMarkClampsAndExtremeShift() {
    for (const int shift :
         {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()}) {
        auto w = TestSupport::startWindow();
        const auto ui = TestSupport::controlsOf(*w);
        setLens(*w, true, 2000);
        w->ObjectX = 6500, w->ObjectY = 2000;
        w->LensHitY = 2650, w->RaySlope = 1.32, w->CrossShift = shift;
        w->ImageX = -3e9, w->ImageY = 760000.25;
        w->DrawVirtualImage();
        QCOMPARE(w->ImageX, -760000.0);
        QCOMPARE(w->ImageY, 760000.0);
        const Figure extension = ui.picLeft->figures().value(1);
        QVERIFY2(near(3990 - 1.32 * (7500.0 - shift + 2000), extension.y2),
                 qPrintable(TestSupport::describe(extension)));
    }
}

// The shift is a whole number: nearest, a half to the even neighbour, saturating.
void TestRayDiagram::crossShiftRounding_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("984.85") << 984.848 << 985;
    QTest::newRow("half, down to even") << 2.5 << 2;
    QTest::newRow("half, up to even") << 3.5 << 4;
    QTest::newRow("negative half") << -2.5 << -2;
    QTest::newRow("too large") << 3e9 << std::numeric_limits<std::int32_t>::max();
    QTest::newRow("too small") << -3e9 << std::numeric_limits<std::int32_t>::min();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0;
}

void TestRayDiagram::crossShiftRounding() {
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(Optics::roundToInt32(value), rounded);
}

void TestRayDiagram::twoLenses_data() {
    // F1' (cm), n1, n2, object z, h; lens 2 at d, radii ±R of 1.5 glass, medium after; third ray.
    QTest::addColumn<QVector<double>>("v");
    const auto row = [](const char* name, QVector<double> v) { QTest::newRow(name) << v; };
    row("A1B1 before lens 2", {2, 1, 1, -6, 1, 8, 3, 1, 1});
    row("beyond, diverging", {5, 1, 1, -9.7, 1, 5, -4, 1, 0});
    row("first virtual", {-5, 1, 1, -8, 1.4, 5, 3, 1, 1});
    row("first at infinity", {5, 1, 1, -5, 1.4, 6, 5, 1, 0});
    row("final at infinity", {4, 1, 1, -8, 0.9, 11, 3, 1, 1});
    row("in contact", {5, 1, 1, -9, 1, 0, -8, 1, 1});
    row("media", {4, 1.33, 1.2, -10, -1, 7, 4, 1.5, 1});
    row("A1B1 beyond the aperture", {5, 1, 1, -7, 1.2, 6, 3, 1, 1});
    row("far final", {4, 1, 1, -8, 0.9, 10.999, 3, 1, 1});
}

void TestRayDiagram::twoLenses() {
    // Each image by hand, n'/s' = n/s + P and m = n s'/(n' s): its dot there (green where the light
    // meets, red where lines only seem to), rays through it, pens as the single-lens figure's; no
    // ray parallel to the axis comes to a lens beyond its aperture.
    QFETCH(QVector<double>, v);
    using Optics::Role;
    const double f1 = v[0], n1 = v[1], n2 = v[2], z = v[3], h = v[4], d = v[5], R = v[6];
    BenchState b;
    b.n1 = n1, b.n2 = n2, b.f2 = f1 * 567, b.IsConverging = f1 > 0 ? kTrue : kFalse;
    b.ObjectX = float(7500 + z * 567), b.ObjectY = float(3990 - h * 567), b.ObjectPlaced = kTrue;
    b.ShowLabels = kTrue, b.ShowThirdRay = v[8] ? kTrue : kFalse;
    const double P2 = (1.5 - n2) / R + (1.5 - v[7]) / R;
    const double v1 = n1 / z + n2 / f1, z1 = n2 / v1, h1 = h * n1 * z1 / (n2 * z);
    const bool first = std::fabs(v1) > 1e-9;
    const double v2 = first ? n2 / (z1 - d) + P2 : 0, z2 = d + v[7] / v2;
    const double h2 = first ? h1 * n2 * (z2 - d) / (v[7] * (z1 - d)) : n1 * h / z / P2;
    const Optics::SystemDiagram fig = Optics::systemDiagram(b, {d, {1.5, R, -R}, v[7]}, {}, {});
    const Optics::Construction single = Optics::rayDiagram(b, {}, {});
    const auto through = [&](double zc, double hc, bool lit) {
        const double x = zc * 567 + (zc < 0) * 7500, y = 3990 - hc * 567;
        int lines = 0, dots = 0;
        for (const Optics::Stroke& st : fig.rays.strokes) {
            dots += (st.area == Optics::Area::Left) == (zc < 0) && st.role == Role::ImageDot &&
                    std::hypot(st.x1 - x, st.y1 - y) < 0.5 && st.colour == (lit ? kGreen : kRed);
            lines += (st.area == Optics::Area::Left) == (zc < 0) && st.role != Role::ImageLine &&
                     st.role != Role::Object && st.x1 != st.x2 &&
                     std::fabs(st.y1 + (st.y2 - st.y1) * (x - st.x1) / (st.x2 - st.x1) - y) < 1;
        }
        return lines >= 2 && dots == 1;
    };
    QVERIFY(!first || through(z1, h1, z1 > 0 && z1 <= d));
    QCOMPARE(fig.finalImage.shown, std::fabs(v2) > 1e-9 || !first);
    QVERIFY(!fig.finalImage.shown || std::fabs(z2) > 30 || through(z2, h2, z2 > d));
    bool focal = false;
    for (const Optics::Stroke& st : fig.rays.strokes) {
        focal = focal || st.role == Role::FocalRay;
        const bool left = st.area == Optics::Area::Left;
        if (st.role == Role::ParallelRay && st.y1 == st.y2 && st.x2 == (left ? 7500 : d * 567))
            QVERIFY(std::fabs(st.y1 - 3990) <= ((left ? f1 : P2) > 0 ? 1340 : 1440));
        for (double c : {st.x1, st.y1, st.x2, st.y2})
            QVERIFY(std::isfinite(c) && std::fabs(c) <= 760000 + 7500);
        for (const Optics::Stroke& one : single.strokes)
            if (one.role == st.role && st.role != Role::ImageDot && st.role != Role::ImageLine)
                QVERIFY(one.colour == st.colour && one.pen.width == st.pen.width &&
                        one.pen.style == st.pen.style && one.radius == st.radius);
    }
    QCOMPARE(focal, v[8] != 0);
}

QTEST_MAIN(TestRayDiagram)
#include "tst_raydiagram.moc"
