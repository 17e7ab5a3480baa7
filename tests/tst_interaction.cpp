// SPDX-License-Identifier: GPL-3.0-or-later
// The lens view and the scheme view, and the lens-type buttons: the layout of
// the two surface pieces, the signs of the radii, the reset of the radius
// sliders and their rows, and the arrowheads and redraw of the scheme view.
#include "form1.h"
#include "lensmaker.h"
#include "picturebox.h"
#include "shape.h"
#include "slider.h"
#include "testsupport.h"

#include <QImage>
#include <QPushButton>
#include <QTest>
#include <cmath>

namespace {
using namespace TestSupport;

constexpr RgbValue kStartLens = RGB(192, 192, 255);
constexpr RgbValue kRed = 255;
constexpr RgbValue kLightRed = RGB(255, 128, 128);
constexpr RgbValue kGrey = RGB(128, 128, 128);
// A figure no construction draws, to tell whether an area has been wiped.
// Tops of picLup, picLdown, picRup, picRdown.
QVector<float> arrowTops(Form1* w) {
    const auto ui = TestSupport::controlsOf(*w);
    return {ui.picLup->Top(), ui.picLdown->Top(), ui.picRup->Top(), ui.picRdown->Top()};
}
const QVector<float> kOutwards{6320, 3135, 6320, 3135};
const QVector<float> kInwards{2880, 6540, 2880, 6540};

// The colour the window shows at a point given in window twips.
QRgb shownAt(Form1* w, double x, double y) {
    return w->grab().toImage().pixel(TestSupport::pixelOf(w, x, y));
}
} // namespace

class TestInteraction : public QObject {
    Q_OBJECT

private slots:
    void viewSwitch_data();
    void viewSwitch();
    void viewButtonsAndFigures_data();
    void viewButtonsAndFigures();
    void noRaysAfterEnteringSchemeView();
    void windowShowsTheCurrentView();
    void buttonsBuildTheLens_data();
    void buttonsBuildTheLens();
    void drawingFollowsButtonNotPower();
    void schemeViewTurnsArrowsAndRedraws_data();
    void schemeViewTurnsArrowsAndRedraws();
};

void TestInteraction::viewSwitch_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<bool>("scheme");
    QTest::addColumn<QVector<float>>("tops");

    QTest::newRow("scheme") << QStringList{"cmdCx"} << true << kOutwards;
    QTest::newRow("scheme twice") << QStringList{"cmdCx", "cmdCx"} << true << kOutwards;
    QTest::newRow("scheme, lens") << QStringList{"cmdCx", "cmdCxOff"} << false << kOutwards;
    QTest::newRow("lens at start") << QStringList{"cmdCxOff"} << false << kInwards;
    QTest::newRow("diverging, scheme") << QStringList{"cmdRas", "cmdCx"} << true << kInwards;
    QTest::newRow("scheme, lens, diverging, scheme")
        << QStringList{"cmdCx", "cmdCxOff", "cmdRas", "cmdCx"} << true << kInwards;
    QTest::newRow("diverging, scheme, converging, lens")
        << QStringList{"cmdRas", "cmdCx", "cmdSob", "cmdCxOff"} << false << kOutwards;
    QTest::newRow("converging chosen in the lens view")
        << QStringList{"cmdRas", "cmdCx", "cmdCxOff", "cmdSob", "cmdCx"} << true << kOutwards;
    QTest::newRow("back and forth")
        << QStringList{"cmdCx", "cmdCxOff", "cmdCx", "cmdCxOff", "cmdCx"} << true << kOutwards;
}

// The scheme view shows the bar and the four arrowheads, placed from the type
// last chosen; the lens view shows the two surface pieces. Left never moves.
void TestInteraction::viewSwitch() {
    QFETCH(QStringList, clicks);
    QFETCH(bool, scheme);
    QFETCH(QVector<float>, tops);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    for (const QString& name : clicks)
        clickButton(w.get(), name);

    QCOMPARE(w->SchemeView, scheme ? kTrue : kFalse);
    QCOMPARE(arrowTops(w.get()), tops);
    QCOMPARE(ui.picVexol->Visible(), scheme);
    for (PictureBox* arrow : {ui.picLup, ui.picRup, ui.picLdown, ui.picRdown})
        QCOMPARE(arrow->Visible(), scheme);
    QCOMPARE(ui.picLSob->Visible(), !scheme);
    QCOMPARE(ui.picRsob->Visible(), !scheme);
    QCOMPARE(ui.picLup->Left(), 7350.0f);
    QCOMPARE(ui.picLdown->Left(), 7350.0f);
    QCOMPARE(ui.picRup->Left(), 7620.0f);
    QCOMPARE(ui.picRdown->Left(), 7620.0f);
}

void TestInteraction::viewButtonsAndFigures_data() {
    QTest::addColumn<bool>("fromScheme");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("wipes");

    QTest::newRow("Схема in the scheme view") << true << "cmdCx" << false;
    QTest::newRow("Линза from the scheme view") << true << "cmdCxOff" << true;
    QTest::newRow("Линза in the lens view") << false << "cmdCxOff" << true;
}

// "Линза" wipes both areas, also in the lens view, and changes nothing else;
// "Схема" in the scheme view leaves whatever the areas show.
void TestInteraction::viewButtonsAndFigures() {
    QFETCH(bool, fromScheme);
    QFETCH(QString, button);
    QFETCH(bool, wipes);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    if (fromScheme) {
        clickButton(w.get(), QStringLiteral("cmdCx"));
        dragAt(ui.picLeft, QPoint(300, 200));
    }
    putMarkers(w.get());
    const auto left = ui.picLeft->figures().size();
    const auto right = ui.picRigth->figures().size();
    const double f2 = w->f2;

    clickButton(w.get(), button);

    QCOMPARE(ui.picLeft->figures().size(), wipes ? 0 : left);
    QCOMPARE(ui.picRigth->figures().size(), wipes ? 0 : right);
    QCOMPARE(w->ObjectX, fromScheme ? 4500.0f : 0.0f);
    QCOMPARE(w->f2, f2);
}

// Nothing draws rays in the lens view, and "Схема" draws nothing itself: right
// after it the areas hold no figures until the next redraw.
void TestInteraction::noRaysAfterEnteringSchemeView() {
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    dragAt(ui.picLeft, QPoint(300, 200));
    TestSupport::dragSliderTo(ui.sldn1, 5);
    clickButton(w.get(), QStringLiteral("cmdRas"));
    QVERIFY(ui.picLeft->figures().isEmpty());
    clickButton(w.get(), QStringLiteral("cmdCx"));
    QVERIFY(ui.picLeft->figures().isEmpty());
    QVERIFY(ui.picRigth->figures().isEmpty());
    // The next redraw draws the construction for the point placed earlier.
    TestSupport::dragSliderTo(ui.sldn1, 6);
    QVERIFY(!ui.picLeft->figures().isEmpty());
    QCOMPARE(w->ObjectX, 4500.0f);
}

// What the window shows: the lens body in the lens view, the medium and the
// dark blue bar in the scheme view.
void TestInteraction::windowShowsTheCurrentView() {
    auto w = TestSupport::startWindow();
    const QRgb lens = qRgb(192, 192, 255);
    const QRgb bar = qRgb(0, 0, 192);
    // Window twips: inside the left cap, and on the bar, both above the axis.
    QCOMPARE(shownAt(w.get(), 7300, 4000), lens);
    QVERIFY(shownAt(w.get(), 7613, 4000) != bar);

    clickButton(w.get(), QStringLiteral("cmdCx"));
    QCOMPARE(shownAt(w.get(), 7300, 4000), qRgb(255, 255, 255));
    QCOMPARE(shownAt(w.get(), 7613, 4000), bar);

    clickButton(w.get(), QStringLiteral("cmdCxOff"));
    QCOMPARE(shownAt(w.get(), 7300, 4000), lens);
}

void TestInteraction::buttonsBuildTheLens_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<bool>("reshapeFirst");

    QTest::newRow("converging") << QStringList{"cmdSob"} << false;
    QTest::newRow("converging after reshaping") << QStringList{"cmdSob"} << true;
    QTest::newRow("diverging") << QStringList{"cmdRas"} << false;
    QTest::newRow("diverging after reshaping") << QStringList{"cmdRas"} << true;
    QTest::newRow("diverging, then converging") << QStringList{"cmdRas", "cmdSob"} << false;
    QTest::newRow("converging, then diverging") << QStringList{"cmdSob", "cmdRas"} << true;
}

// Either button lays out its lens, resets the radius sliders to 0 and the
// radii to 1500 with the signs of its type, and recomputes the focal lengths.
void TestInteraction::buttonsBuildTheLens() {
    QFETCH(QStringList, clicks);
    QFETCH(bool, reshapeFirst);
    const bool converging = clicks.last() == QLatin1String("cmdSob");
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    if (reshapeFirst) {
        TestSupport::dragSliderTo(ui.sldR1, 30);
        TestSupport::dragSliderTo(ui.sldR2, 66);
        TestSupport::dragSliderTo(ui.sldn1, 10);
        QCOMPARE(ui.shpRsob->Width(), 105.0f);
    }
    const RgbValue left = ui.picLeft->BackColor();
    const RgbValue right = ui.picRigth->BackColor();

    for (const QString& name : clicks)
        clickButton(w.get(), name);

    QCOMPARE(w->ConvergingChosen, converging ? kTrue : kFalse);
    QCOMPARE(w->R1, converging ? 1500.0 : -1500.0);
    QCOMPARE(w->R2, converging ? -1500.0 : 1500.0);
    QCOMPARE(ui.sldR1->value(), 0);
    QCOMPARE(ui.sldR2->value(), 0);
    QCOMPARE(ui.sldn1->value(), reshapeFirst ? 10 : 0); // index sliders keep theirs

    // The boxes: biconvex has picLSob left of the lens plane, biconcave right.
    QCOMPARE(ui.picLSob->Left(), converging ? 6900.0f : 7620.0f);
    QCOMPARE(ui.picRsob->Left(), converging ? 7620.0f : 6900.0f);
    QCOMPARE(w->LSobBoxX, converging ? 6900 : 7620);
    QCOMPARE(ui.picLSob->Width(), 705.0f);
    QCOMPARE(ui.picRsob->Width(), 705.0f);
    QCOMPARE(ui.shpLsob->Left(), 0.0f);
    QCOMPARE(ui.shpRsob->Left(), -720.0f);
    QCOMPARE(ui.shpLsob->Width(), 1425.0f);
    QCOMPARE(ui.shpRsob->Width(), 1425.0f);

    // Lens-coloured caps on the media, or media caps in a lens-coloured slab;
    // the outlines keep the lens colour in both.
    QCOMPARE(ui.shpLsob->BackColor(), converging ? kStartLens : right);
    QCOMPARE(ui.shpRsob->BackColor(), converging ? kStartLens : left);
    QCOMPARE(ui.picLSob->BackColor(), converging ? left : kStartLens);
    QCOMPARE(ui.picRsob->BackColor(), converging ? right : kStartLens);
    QCOMPARE(ui.shpLsob->BorderColor(), kStartLens);
    QCOMPARE(ui.shpRsob->BorderColor(), kStartLens);

    // The slider beside "левая" shapes the surface left of the lens plane.
    QCOMPARE(ui.sldR1->Top(), converging ? 9330.0f : 10020.0f);
    QCOMPARE(ui.sldR2->Top(), converging ? 10020.0f : 9330.0f);
    QCOMPARE(ui.sldR1->Left(), 150.0f);

    // Focal lengths and marks from the sign of the power.
    const double P = LensMaker::thinLensPower(w->n1, 1.64, 1, w->R1, w->R2);
    QVERIFY2(std::abs(w->f1 - w->n1 / P) < 1e-9, qPrintable(QString::number(w->f1)));
    QVERIFY2(std::abs(w->f2 - 1 / P) < 1e-9, qPrintable(QString::number(w->f2)));
    if (!reshapeFirst) {
        QCOMPARE(std::abs(w->f1), 1171.875);
        QCOMPARE(ui.shpF1->Left(), 6260.625f);
        QCOMPARE(ui.shp2F2->Left(), 2276.25f);
    }
    QCOMPARE(w->IsConverging, converging ? kTrue : kFalse);
    QCOMPARE(ui.shpF1->BackColor(), converging ? 0 : kRed);
    QCOMPARE(ui.shpF2->BorderColor(), converging ? 0 : kRed);
    QCOMPARE(ui.shp2F1->BackColor(), converging ? kGrey : kLightRed);

    // In the lens view neither the arrowheads nor the areas are touched.
    QCOMPARE(arrowTops(w.get()), kInwards);
    QVERIFY(!ui.picLup->Visible());

    // The radius sliders work from their new rows.
    TestSupport::dragSliderTo(ui.sldR1, 66);
    QCOMPARE(w->R1, converging ? 4800.0 : -4800.0);
    QCOMPARE(ui.shpLsob->Left(), 660.0f);
    QCOMPARE(ui.shpLsob->Width(), 105.0f);
}

// The drawing follows the button, the marks and the arrowheads the power. A
// converging choice in denser media (n1 = n2 = 2) diverges; with the lens
// thinner than its media (N = 1, n1 = n2 = 1.5) the biconcave lens converges.
void TestInteraction::drawingFollowsButtonNotPower() {
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    TestSupport::dragSliderTo(ui.sldn1, 50);
    QCOMPARE(w->IsConverging, kTrue); // one dense medium alone does not flip it
    TestSupport::dragSliderTo(ui.sldn2, 50);
    QCOMPARE(w->IsConverging, kFalse);
    QVERIFY(std::abs(w->f1 - -3000 / 0.72) < 1e-6);
    QCOMPARE(ui.shpF1->BackColor(), kRed);
    QCOMPARE(ui.shp2F2->BorderColor(), kLightRed);
    QCOMPARE(ui.shpLsob->BackColor(), kStartLens); // still biconvex
    QCOMPARE(ui.picLSob->BackColor(), RGB(155, 155, 255));
    QCOMPARE(ui.picRsob->BackColor(), RGB(155, 155, 255));
    clickButton(w.get(), QStringLiteral("cmdCx"));
    QCOMPARE(arrowTops(w.get()), kInwards);
    dragAt(ui.picLeft, QPoint(300, 200));
    QVERIFY(!ui.picLeft->figures().isEmpty());
    TestSupport::dragSliderTo(ui.sldn2, 0); // the power turns positive in the scheme view
    QCOMPARE(arrowTops(w.get()), kOutwards);
    clickButton(w.get(), QStringLiteral("cmdCxOff"));

    TestSupport::dragSliderTo(ui.sldn1, 25);
    TestSupport::dragSliderTo(ui.sldn2, 25);
    TestSupport::dragSliderTo(ui.sldVexol, 0);
    clickButton(w.get(), QStringLiteral("cmdSob"));
    QCOMPARE(w->IsConverging, kFalse);
    QCOMPARE(ui.shpF1->BackColor(), kRed);
    QCOMPARE(ui.picLSob->Left(), 6900.0f);
    QCOMPARE(ui.shpLsob->BackColor(), w->LensColor);

    clickButton(w.get(), QStringLiteral("cmdRas"));
    QCOMPARE(w->IsConverging, kTrue);
    QCOMPARE(ui.shpF1->BackColor(), 0);
    QCOMPARE(ui.picLSob->Left(), 7620.0f);
    QCOMPARE(ui.picLSob->BackColor(), w->LensColor);
    QVERIFY(w->f1 > 0 && w->f1 < 760000);
}

void TestInteraction::schemeViewTurnsArrowsAndRedraws_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QVector<float>>("tops");

    QTest::newRow("diverging") << "cmdSob"
                               << "cmdRas" << kInwards;
    QTest::newRow("converging") << "cmdRas"
                                << "cmdSob" << kOutwards;
    QTest::newRow("converging again") << "cmdSob"
                                      << "cmdSob" << kOutwards;
}

// In the scheme view a button turns the arrowheads at once, wipes both areas
// and draws the construction again; the lens pieces are rebuilt while hidden.
void TestInteraction::schemeViewTurnsArrowsAndRedraws() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QVector<float>, tops);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    clickButton(w.get(), first);
    clickButton(w.get(), QStringLiteral("cmdCx"));
    dragAt(ui.picLeft, QPoint(300, 100));
    putMarkers(w.get());

    clickButton(w.get(), second);

    QCOMPARE(arrowTops(w.get()), tops);
    QVERIFY(ui.picVexol->Visible() && ui.picLup->Visible() && ui.picRdown->Visible());
    QVERIFY(!hasMarker(ui.picLeft));
    QVERIFY(!hasMarker(ui.picRigth));
    QVERIFY(!ui.picLeft->figures().isEmpty());
    QVERIFY(!ui.picRigth->figures().isEmpty());
    QVERIFY(!ui.picLSob->Visible());
    QCOMPARE(ui.picLSob->Left(), second == QLatin1String("cmdSob") ? 6900.0f : 7620.0f);
}

QTEST_MAIN(TestInteraction)
#include "tst_interaction.moc"
