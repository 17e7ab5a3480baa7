// SPDX-License-Identifier: GPL-3.0-or-later
// The scenes against ray-transfer matrices written here and the textbook's
// figures stated in each row. A ray is (height, reduced slope n·u); a gap t
// in index n is [[1, t/n], [0, 1]], a thin lens of power P [[1, 0], [−P, 1]].
#include "eye.h"
#include "instruments.h"

#include <QTest>
#include <cmath>

namespace {
using namespace Optics;
using namespace Optics::Scenes;
struct M {
    double a, b, c, d;
    M operator*(const M& q) const {
        return {a * q.a + b * q.c, a * q.b + b * q.d, c * q.a + d * q.c, c * q.b + d * q.d};
    }
};
M gap(double t, double n = 1) {
    return {1, t / n, 0, 1};
}
M lens(double P) {
    return {1, 0, -P, 1};
}
// Two lenses in air, object plane to the second lens: the image stands
// t = −b/d behind it, of lateral magnification a + t·c.
M pair(double F1, double F2, double sep, double d) {
    return lens(1 / F2) * gap(sep) * lens(1 / F1) * gap(d);
}
} // namespace

class TestScenes : public QObject {
    Q_OBJECT
private slots:
    void lensPairs_data() {
        QTest::addColumn<double>("F1");
        QTest::addColumn<double>("F2");
        QTest::addColumn<double>("sep");
        QTest::addColumn<double>("d");
        for (const double sep : {0.0, 3.0, 12.0, 20.0, 27.0, 45.0, 70.0})
            for (const double F2 : {10.0, -15.0})
                QTest::addRow("F2=%g sep=%g", F2, sep) << 20.0 << F2 << sep << 30.0;
        // The first image (60 cm behind lens 1) at lens 2's front focus.
        QTest::addRow("final at infinity") << 20.0 << 10.0 << 50.0 << 30.0;
        QTest::addRow("first at infinity") << 20.0 << -8.0 << 30.0 << 20.0;
    }
    void lensPairs() {
        QFETCH(double, F1);
        QFETCH(double, F2);
        QFETCH(double, sep);
        QFETCH(double, d);
        const auto images = Axial::imagesOf(twoLenses(F1, F2, sep, {-d, 2}));
        const M m = pair(F1, F2, sep, d);
        const double first = 1 / (1 / F1 - 1 / d), t = -m.b / m.d;
        QCOMPARE(images.size(), std::size_t(2));
        // Converging light into lens 2 where the first image lies beyond it.
        QCOMPARE(images[1].objectDistance < 0, std::isfinite(first) && first > sep);
        if (std::fabs(m.d) < 1e-12) { // parallel out: no final image
            QCOMPARE(images[1].kind, Axial::ImageKind::None);
            return;
        }
        QCOMPARE(images[1].kind, t > 0 ? Axial::ImageKind::Real : Axial::ImageKind::Virtual);
        QVERIFY(std::fabs(images[1].z - sep - t) < 1e-9 * std::max(1.0, std::fabs(t)));
        QVERIFY(std::fabs(images[1].height - 2 * (m.a + t * m.c)) < 1e-9);
        const double g1 = Axial::ownMagnification(images, 0),
                     g2 = Axial::ownMagnification(images, 1);
        if (std::isfinite(first))
            QVERIFY(std::fabs(g1 * g2 - (m.a + t * m.c)) < 1e-9 &&
                    std::fabs(g1 + first / d) < 1e-9);
        if (sep == 0) // in contact: D = D1 + D2
            QVERIFY(std::fabs(Axial::systemFocus(twoLenses(F1, F2, 0, {})).power - 1 / F1 -
                              1 / F2) < 1e-12);
    }

    // Each read-out against the textbook's figure, within a tolerance.
    void figures_data() {
        QTest::addColumn<double>("got");
        QTest::addColumn<double>("want");
        QTest::addColumn<double>("within");
        const Axial::Focus eye = Axial::systemFocus(eyeSystem(kRelaxedEyePower, {}));
        QTest::addRow("eye f 17 mm") << eye.front << 1.705 << 0.001;
        QTest::addRow("eye f' 23 mm") << eye.back << 2.278 << 0.001;
        QTest::addRow("retina at f'") << kNormalRetina << eye.back << 1e-12;
        QTest::addRow("normal far") << 1 / farPoint(Eye{}) << 0.0 << 1e-12;
        QTest::addRow("normal near 25") << nearPoint(Eye{}) << 25.0 << 1e-9;
        const Eye myope = eyeWithError(-0.02), hyperope = eyeWithError(0.02);
        QTest::addRow("-2 D far 50") << farPoint(myope) << 50.0 << 1e-9;
        QTest::addRow("-2 D near 16.7") << nearPoint(myope) << 100 / 6.0 << 1e-9;
        QTest::addRow("-2 D contact") << correction(myope, 0) << -0.02 << 1e-12;
        QTest::addRow("-2 D at 12 mm") << correction(myope) << -1 / 48.8 << 1e-12;
        QTest::addRow("+2 D near 50") << nearPoint(hyperope) << 50.0 << 1e-9;
        QTest::addRow("+2 D far -50") << farPoint(hyperope) << -50.0 << 1e-9;
        QTest::addRow("+2 D contact") << correction(hyperope, 0) << 0.02 << 1e-12;
        QTest::addRow("+2 D at 12 mm") << correction(hyperope) << 1 / 23.8 - 1 / 48.8 << 1e-12;
        QTest::addRow("+5 D: near behind") << correction(eyeWithError(0.05), 0) << 0.05 << 1e-12;
        QTest::addRow("normal sees stars")
            << double(look(Eye{}, kInfinite).landing == Landing::OnRetina) << 1.0 << 0.0;
        QTest::addRow("worn: far inf")
            << 1 / farPoint(myope, Spectacles{correction(myope)}) << 0.0 << 1e-12;
        QTest::addRow("worn: near 25")
            << nearPoint(hyperope, Spectacles{correction(hyperope)}) << 25.0 << 1e-9;
        // Distant light (0.01 rad): the retina's image f·w, inverted.
        const auto onRetina = Axial::imagesOfDistant(eyeSystem(kRelaxedEyePower, {}), 0.01);
        QTest::addRow("distant on retina") << onRetina[0].z << kNormalRetina << 1e-9;
        QTest::addRow("distant height") << onRetina[0].height << -0.01705 << 1e-5;
        QTest::addRow("magnifier 5 cm 5x") << relaxedGain({5, 1}) << 5.0 << 1e-9;
        QTest::addRow("magnifier 5 cm 6x") << nearPointGain({5, 1}) << 6.0 << 1e-9;
        QTest::addRow("magnifier 10 cm 3.5x") << nearPointGain({10, -2}) << 3.5 << 1e-9;
        QTest::addRow("microscope 400x") << microscopeGain({}) << -400.0 << 1e-6;
        QTest::addRow("microscope 50x") << microscopeGain({1.6, 5, 22.6, 0.1}) << -50.0 << 1e-6;
        QTest::addRow("intermediate at F2") << intermediateImage({}).z << 18.9 - 2.5 << 1e-9;
        QTest::addRow("Kepler 100/5") << telescopeGain(kepler()) << -20.0 << 1e-9;
        QTest::addRow("Galilean 50/-5") << telescopeGain(galilean()) << 10.0 << 1e-9;
        QTest::addRow("Kepler first image")
            << Axial::imagesOfDistant(telescopeSystem(kepler()), 0.01)[0].height << -1.0 << 1e-9;
        QTest::addRow("not afocal")
            << Axial::angularMagnification(twoLenses(20, 10, 20, {})) << 0.0 << 0.0;
        QTest::addRow("glass in dense media")
            << Axial::power({{{0, Axial::lensOfPower(0.05, 1.5, 1.5)}}, {1.5, 1.5}, {}}, 0) << 0.05
            << 1e-12;
        QTest::addRow("camera screen")
            << screenDistance(camera()).value_or(0) << 1500 / 295.0 << 1e-9;
        QTest::addRow("camera image")
            << imageHeightOnScreen(camera()).value_or(0) << -850 / 295.0 << 1e-9;
        QTest::addRow("projector slide") << projector().objectDistance << 300 / 29.0 << 1e-9;
        QTest::addRow("projector image")
            << imageHeightOnScreen(projector()).value_or(0) << -2.4 * 29 << 1e-9;
        QTest::addRow("no screen image")
            << double(screenDistance({5, 4, 1}).has_value()) << 0.0 << 0.0;
    }
    void figures() {
        QFETCH(double, got);
        QFETCH(double, want);
        QFETCH(double, within);
        QVERIFY2(std::fabs(got - want) <= within, qPrintable(QString::number(got, 'g', 12)));
    }

    // The eye accommodating, with and without spectacles, against the matrix
    // of spectacles (vertex v), gap and eye (power P into 1.336): the image
    // of a point `d` before it at the retina where it says so.
    void eye_data() {
        QTest::addColumn<double>("error");
        QTest::addColumn<double>("glasses");
        QTest::addColumn<double>("d");
        QTest::addColumn<int>("landing");
        QTest::addRow("normal far") << 0.0 << 0.0 << 1e9 << int(Landing::OnRetina);
        QTest::addRow("normal 30") << 0.0 << 0.0 << 30.0 << int(Landing::OnRetina);
        QTest::addRow("normal 20") << 0.0 << 0.0 << 20.0 << int(Landing::BehindRetina);
        QTest::addRow("myope far") << -0.02 << 0.0 << 1e9 << int(Landing::BeforeRetina);
        QTest::addRow("myope glasses") << -0.02 << -1 / 48.8 << 1e9 << int(Landing::OnRetina);
        QTest::addRow("myope glasses 25") << -0.02 << -1 / 48.8 << 25.0 << int(Landing::OnRetina);
        QTest::addRow("hyperope 30") << 0.02 << 0.0 << 30.0 << int(Landing::BehindRetina);
        QTest::addRow("hyperope far") << 0.02 << 0.0 << 1e9 << int(Landing::OnRetina);
        QTest::addRow("hyperope glasses 25") << 0.02 << 0.0216 << 25.0 << int(Landing::OnRetina);
        QTest::addRow("too strong glasses") << 0.0 << 0.03 << 1e9 << int(Landing::BeforeRetina);
    }
    void eye() {
        QFETCH(double, error);
        QFETCH(double, glasses);
        QFETCH(double, d);
        QFETCH(int, landing);
        const Eye e = eyeWithError(error);
        const auto worn = glasses != 0 ? std::optional(Spectacles{glasses}) : std::nullopt;
        const Sight sight = look(e, d, worn);
        QCOMPARE(int(sight.landing), landing);
        const M m =
            lens(sight.power) * gap(worn ? 1.2 : 0) * lens(glasses) * gap(d - (worn ? 1.2 : 0));
        const double image = -m.b / m.d * kEyeMedium; // behind the eye, in its medium
        QVERIFY(std::fabs(image - sight.image) < 1e-6);
        QCOMPARE(std::fabs(image - e.retina) < 1e-6, landing == int(Landing::OnRetina));
        // The library's own system of the same eye, traced.
        const auto traced = Axial::imageOf(eyeSystem(sight.power, {-d, 1}, worn));
        QVERIFY(std::fabs(traced.z - image) < 1e-6);
    }
};

QTEST_APPLESS_MAIN(TestScenes)
#include "tst_scenes.moc"
