// SPDX-License-Identifier: GPL-3.0-or-later
// The five parameter sliders, dragged with the mouse as a user drags them:
// indices, tints and read-outs, the radii and the shapes of the surfaces, and
// that every change of a slider's value, by any input, acts once.
#include "form1.h"
#include "label.h"
#include "picturebox.h"
#include "readout.h"
#include "shape.h"
#include "slider.h"
#include "testsupport.h"

#include <QApplication>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>
#include <cmath>

namespace {
using namespace TestSupport;

constexpr RgbValue kStartLens = RGB(192, 192, 255);
constexpr RgbValue kWhite = RGB(255, 255, 255);
constexpr double kTolerance = 1e-6;

QSlider* sliderNamed(Form1* w, const QString& name) {
    auto* slider = w->findChild<QSlider*>(name);
    if (!slider)
        qFatal("slider %s not found", qPrintable(name));
    return slider;
}
// The bench values a slider may change, to show that it changed none.
QStringList benchOf(Form1* w) {
    const auto ui = TestSupport::controlsOf(*w);
    QStringList out;
    for (double v : {w->n1, w->n2, w->N, w->R1, w->R2, w->f1, w->f2,
                     double(ui.picLeft->BackColor()), double(ui.picRigth->BackColor()),
                     double(ui.shpLsob->BackColor()), double(ui.picLSob->BackColor()),
                     double(ui.shpLsob->Width()), double(ui.shpRsob->Width())})
        out << QString::number(v, 'g', 17);
    return out << ui.lbln1->Caption() << ui.lbln2->Caption() << ui.lblN->Caption();
}

// The parameter a slider sets, as the bench holds it, and as the slider's
// value gives it (converging layout: R1 positive, R2 negative).
double parameterOf(Form1* w, const QString& slider) {
    if (slider == QLatin1String("sldn1"))
        return w->n1;
    if (slider == QLatin1String("sldn2"))
        return w->n2;
    if (slider == QLatin1String("sldVexol"))
        return w->N;
    return slider == QLatin1String("sldR1") ? w->R1 : w->R2;
}
double parameterFor(const QString& slider, int value) {
    if (slider.startsWith(QLatin1String("sldR")))
        return (slider == QLatin1String("sldR1") ? 1 : -1) * (1500 + 50.0 * value);
    return 1 + value / 50.0;
}

bool near(double a, double b, double tolerance = kTolerance) {
    return std::abs(a - b) <= tolerance * std::max(1.0, std::abs(b));
}
} // namespace

class TestSliders : public QObject {
    Q_OBJECT

private slots:
    void indexSliders_data();
    void indexSliders();
    void radiusSliders_data();
    void radiusSliders();
    void divergingLayoutTintsTheSwappedPieces();
    void parameterFollowsThumbOnEveryMove();
    void everyChangeActsOnce_data();
    void everyChangeActsOnce();
    void benchFollowsThumbWhateverButtons_data();
    void benchFollowsThumbWhateverButtons();
    void redrawOnlyInSchemeView_data();
    void redrawOnlyInSchemeView();
};

void TestSliders::indexSliders_data() {
    QTest::addColumn<QString>("slider");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("tint");
    QTest::addColumn<double>("f1");
    QTest::addColumn<double>("f2");

    // Start: n1 = n2 = 1, N = 1.64, R1 = 1500, R2 = -1500.
    QTest::newRow("n1 to 2") << "sldn1" << 50 << "2" << RGB(155, 155, 255) << 3000 / 0.28
                             << 1500 / 0.28;
    QTest::newRow("n1 to 1.26") << "sldn1" << 13 << "1.26" << RGB(229, 229, 255)
                                << 1.26 * 1500 / 1.02 << 1500 / 1.02;
    QTest::newRow("n2 to 2") << "sldn2" << 50 << "2" << RGB(155, 155, 255) << 1500 / 0.28
                             << 3000 / 0.28;
    QTest::newRow("N at its start value")
        << "sldVexol" << 32 << "1.64" << RGB(191, 191, 255) << 1171.875 << 1171.875;
    QTest::newRow("N to 2") << "sldVexol" << 50 << "2" << RGB(155, 155, 255) << 750.0 << 750.0;
    QTest::newRow("N to 1, zero power") << "sldVexol" << 0 << "1" << kWhite << 760000.0 << 760000.0;
}

// An index slider sets its index, tints what shows it and its read-out, and
// the focal lengths and marks follow.
void TestSliders::indexSliders() {
    QFETCH(QString, slider);
    QFETCH(int, value);
    QFETCH(QString, shown);
    QFETCH(int, tint);
    QFETCH(double, f1);
    QFETCH(double, f2);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);

    TestSupport::dragSliderTo(sliderNamed(w.get(), slider), value);

    QCOMPARE(sliderNamed(w.get(), slider)->value(), value);
    QVERIFY2(near(w->f1, f1), qPrintable(QString::number(w->f1, 'g', 17)));
    QVERIFY2(near(w->f2, f2), qPrintable(QString::number(w->f2, 'g', 17)));
    QCOMPARE(w->IsConverging, kTrue);
    // Six spaces, then the shortest form with the decimal mark of the texts.
    const QString caption = QStringLiteral("      ") + shown.replace('.', ',');
    if (slider == QLatin1String("sldn1")) {
        QCOMPARE(w->n1, 1 + value / 50.0);
        QCOMPARE(w->LeftLevel, 2 * value);
        QCOMPARE(w->LeftColor, tint);
        for (RgbValue colour :
             {ui.picLeft->BackColor(), ui.picLup->BackColor(), ui.picLdown->BackColor(),
              ui.lbln1->BackColor(), ui.picLSob->BackColor()})
            QCOMPARE(colour, tint);
        QCOMPARE(ui.lbln1->Caption(), caption);
        QCOMPARE(ui.picRigth->BackColor(), ui.picRsob->BackColor());
        QCOMPARE(ui.shpRsob->BackColor(), kStartLens);
    } else if (slider == QLatin1String("sldn2")) {
        QCOMPARE(w->n2, 1 + value / 50.0);
        QCOMPARE(w->RightLevel, 2 * value);
        QCOMPARE(w->RightColor, tint);
        for (RgbValue colour :
             {ui.picRigth->BackColor(), ui.picRup->BackColor(), ui.picRdown->BackColor(),
              ui.lbln2->BackColor(), ui.picRsob->BackColor()})
            QCOMPARE(colour, tint);
        QCOMPARE(ui.lbln2->Caption(), caption);
        QCOMPARE(ui.shpLsob->BackColor(), kStartLens);
    } else {
        QCOMPARE(w->N, 1 + value / 50.0);
        QCOMPARE(w->LensColor, tint);
        for (RgbValue colour :
             {ui.shpLsob->BackColor(), ui.shpRsob->BackColor(), ui.shpLsob->BorderColor(),
              ui.shpRsob->BorderColor(), ui.lblN->BackColor()})
            QCOMPARE(colour, tint);
        QCOMPARE(ui.lblN->Caption(), caption);
        // The boxes of a biconvex lens keep the media colours.
        QCOMPARE(ui.picLSob->BackColor(), ui.picLeft->BackColor());
    }
    // A mark is in sight while it stands within its area: F at |f|, 2F at 2|f|
    // from the lens plane. An infinite focal length takes all four away.
    const struct {
        Shape* mark;
        double distance;
    } marks[] = {{ui.shpF1, f1}, {ui.shp2F1, 2 * f1}, {ui.shpF2, f2}, {ui.shp2F2, 2 * f2}};
    for (const auto& [mark, distance] : marks) {
        auto* area = mark->parentWidget();
        const bool inSight = mark->isVisible() && mark->geometry().intersects(area->rect());
        QVERIFY2(inSight == (distance < 7400), qPrintable(mark->objectName()));
    }
}

void TestSliders::radiusSliders_data() {
    QTest::addColumn<bool>("diverging");
    QTest::addColumn<QString>("slider");
    QTest::addColumn<int>("value");
    QTest::addColumn<double>("R1");
    QTest::addColumn<double>("R2");
    QTest::addColumn<float>("ovalLeft");
    QTest::addColumn<float>("ovalWidth");
    QTest::addColumn<double>("f");

    // f = 1 / (0.64 (1/|R1| + 1/|R2|)), signed by the layout.
    QTest::newRow("biconvex, R1 flattest") << false << "sldR1" << 66 << 4800.0 << -1500.0 << 660.0f
                                           << 105.0f << 1 / (0.64 * (1 / 4800.0 + 1 / 1500.0));
    QTest::newRow("biconvex, R1 = 2000") << false << "sldR1" << 10 << 2000.0 << -1500.0 << 100.0f
                                         << 1225.0f << 1 / (0.64 * (1 / 2000.0 + 1 / 1500.0));
    QTest::newRow("biconvex, R2 flattest") << false << "sldR2" << 66 << 1500.0 << -4800.0 << -60.0f
                                           << 105.0f << 1 / (0.64 * (1 / 4800.0 + 1 / 1500.0));
    QTest::newRow("biconcave, R1 flattest") << true << "sldR1" << 66 << -4800.0 << 1500.0 << 660.0f
                                            << 105.0f << -1 / (0.64 * (1 / 4800.0 + 1 / 1500.0));
    QTest::newRow("biconcave, R2 = 2500") << true << "sldR2" << 20 << -1500.0 << 2500.0 << -520.0f
                                          << 1025.0f << -1 / (0.64 * (1 / 2500.0 + 1 / 1500.0));
}

// A radius slider sets its radius with the sign of the layout and narrows its
// own oval about the oval's centre, wherever the layout has put it.
void TestSliders::radiusSliders() {
    QFETCH(bool, diverging);
    QFETCH(QString, slider);
    QFETCH(int, value);
    QFETCH(double, R1);
    QFETCH(double, R2);
    QFETCH(float, ovalLeft);
    QFETCH(float, ovalWidth);
    QFETCH(double, f);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    if (diverging)
        clickButton(w.get(), "cmdRas");

    TestSupport::dragSliderTo(sliderNamed(w.get(), slider), value);

    QCOMPARE(w->R1, R1);
    QCOMPARE(w->R2, R2);
    QVERIFY2(near(w->f2, f), qPrintable(QString::number(w->f2, 'g', 17)));
    Shape* oval = slider == QLatin1String("sldR1") ? ui.shpLsob : ui.shpRsob;
    Shape* other = slider == QLatin1String("sldR1") ? ui.shpRsob : ui.shpLsob;
    QCOMPARE(oval->Left(), ovalLeft);
    QCOMPARE(oval->Width(), ovalWidth);
    QCOMPARE(oval->Height(), 3405.0f);
    // The centre stays where it was: 712.5 into a box at 0, or 7.5 before a box at -720.
    QCOMPARE(oval->Left() + oval->Width() / 2, oval == ui.shpLsob ? 712.5f : -7.5f);
    QCOMPARE(other->Width(), 1425.0f);
    QCOMPARE(ui.picLSob->Width(), 705.0f);
    QCOMPARE(ui.picRsob->Width(), 705.0f);
}

// In the biconcave layout the media show in the ovals and the lens in the
// boxes; each slider recolours the piece that shows its medium or the lens.
void TestSliders::divergingLayoutTintsTheSwappedPieces() {
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    clickButton(w.get(), "cmdRas");

    TestSupport::dragSliderTo(ui.sldn1, 25);
    QCOMPARE(ui.shpRsob->BackColor(), RGB(205, 205, 255)); // left of the lens plane now
    QCOMPARE(ui.picLSob->BackColor(), kStartLens);
    QCOMPARE(ui.picRsob->BackColor(), kStartLens);
    QCOMPARE(ui.shpLsob->BackColor(), kWhite);

    TestSupport::dragSliderTo(ui.sldn2, 10);
    QCOMPARE(ui.shpLsob->BackColor(), RGB(235, 235, 255));
    QCOMPARE(ui.picLSob->BackColor(), kStartLens);

    TestSupport::dragSliderTo(ui.sldVexol, 40);
    QCOMPARE(ui.picLSob->BackColor(), RGB(175, 175, 255));
    QCOMPARE(ui.picRsob->BackColor(), RGB(175, 175, 255));
    QCOMPARE(ui.shpLsob->BorderColor(), RGB(175, 175, 255));
    QCOMPARE(ui.shpRsob->BorderColor(), RGB(175, 175, 255));
    QCOMPARE(ui.shpRsob->BackColor(), RGB(205, 205, 255));
    QCOMPARE(ui.shpLsob->BackColor(), RGB(235, 235, 255));
    QCOMPARE(ui.lblN->BackColor(), RGB(175, 175, 255));
    QCOMPARE(w->IsConverging, kFalse);
}

// Driven through the window as the platform drives it: a press on the thumb,
// moves with the left button held, also past the slider's end, and a release.
// After every move the bench shows the value the thumb shows then.
void TestSliders::parameterFollowsThumbOnEveryMove() {
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    QWindow* window = w->windowHandle();
    QSlider* slider = sliderNamed(w.get(), QStringLiteral("sldn1"));
    const QPoint start = slider->mapTo(w.get(), TestSupport::sliderHandle(slider).center());

    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, start);
    QCOMPARE(w->n1, 1.0);
    int changes = 0;
    int previous = slider->value();
    for (int dx = 3; dx <= 300; dx += 3) {
        QTest::mouseMove(window, start + QPoint(dx, dx / 10));
        QCOMPARE(w->n1, 1 + slider->value() / 50.0);
        QCOMPARE(w->LeftColor, RGB(255 - 2 * slider->value(), 255 - 2 * slider->value(), 255));
        QCOMPARE(ui.lbln1->Caption(), readoutText(w->n1));
        changes += slider->value() != previous;
        previous = slider->value();
    }
    QCOMPARE(slider->value(), 50); // the pointer went well past the end
    QVERIFY(changes > 10);
    for (int dx = 297; dx >= -30; dx -= 5) {
        QTest::mouseMove(window, start + QPoint(dx, 0));
        QCOMPARE(w->n1, 1 + slider->value() / 50.0);
    }
    QCOMPARE(slider->value(), 0);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, start);
    QCOMPARE(w->n1, 1.0);
    QCOMPARE(ui.picLeft->BackColor(), kWhite);
}

void TestSliders::everyChangeActsOnce_data() {
    QTest::addColumn<QString>("slider");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("shown");

    QTest::newRow("n1, drag") << "sldn1"
                              << "drag" << 7;
    QTest::newRow("n1, right arrow") << "sldn1"
                                     << "key right" << 1;
    QTest::newRow("n2, page up") << "sldn2"
                                 << "key pageup" << 5;
    QTest::newRow("N, end key") << "sldVexol"
                                << "key end" << 50;
    QTest::newRow("N, home key") << "sldVexol"
                                 << "key home" << 0;
    QTest::newRow("R1, click on groove") << "sldR1"
                                         << "click" << 5;
    QTest::newRow("R2, wheel") << "sldR2"
                               << "wheel" << 3;
}

// Whatever changes a slider's value, the bench follows it at once, and the
// handler runs once for each change; the moves of a drag act as moves and are
// not counted a second time as changes.
void TestSliders::everyChangeActsOnce() {
    QFETCH(QString, slider);
    QFETCH(QString, how);
    QFETCH(int, shown);
    auto w = TestSupport::startWindow();
    auto* control = dynamic_cast<Slider*>(sliderNamed(w.get(), slider));
    int runs = 0;
    const auto handler = control->onChange;
    control->onChange = [&] {
        ++runs;
        handler();
    };
    int changes = 0;
    QObject::connect(control, &QSlider::valueChanged, control, [&] { ++changes; });

    if (how == QLatin1String("drag")) {
        TestSupport::dragSliderTo(control, shown);
    } else if (how.startsWith(QLatin1String("key"))) {
        control->setFocus(Qt::TabFocusReason);
        const Qt::Key key = how.endsWith(QLatin1String("right"))    ? Qt::Key_Right
                            : how.endsWith(QLatin1String("pageup")) ? Qt::Key_PageUp
                            : how.endsWith(QLatin1String("home"))   ? Qt::Key_Home
                                                                    : Qt::Key_End;
        QTest::keyClick(w->windowHandle(), key);
    } else if (how == QLatin1String("click")) {
        const QPoint beside(control->width() - 4, TestSupport::sliderHandle(control).center().y());
        TestSupport::clickAt(w.get(), control->mapTo(w.get(), beside));
    } else {
        const QPoint at = TestSupport::sliderHandle(control).center();
        QWheelEvent wheel(at, control->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(control, &wheel);
    }
    QCOMPARE(control->value(), shown);
    QCOMPARE(parameterOf(w.get(), slider), parameterFor(slider, shown));
    QVERIFY(changes > 0);
    QCOMPARE(runs, how == QLatin1String("drag") ? 0 : changes);
}

void TestSliders::benchFollowsThumbWhateverButtons_data() {
    QTest::addColumn<QString>("slider");
    QTest::addColumn<Qt::MouseButton>("pressed");
    QTest::addColumn<Qt::MouseButtons>("held");
    QTest::addColumn<bool>("follows"); // the thumb moves with the pointer

    QTest::newRow("n1, right") << "sldn1" << Qt::RightButton << Qt::MouseButtons(Qt::RightButton)
                               << false;
    QTest::newRow("n1, left and right")
        << "sldn1" << Qt::LeftButton << Qt::MouseButtons(Qt::LeftButton | Qt::RightButton) << true;
    QTest::newRow("N, middle") << "sldVexol" << Qt::MiddleButton
                               << Qt::MouseButtons(Qt::MiddleButton) << true;
    QTest::newRow("R1, left and middle")
        << "sldR1" << Qt::LeftButton << Qt::MouseButtons(Qt::LeftButton | Qt::MiddleButton) << true;
    QTest::newRow("R2, left and right")
        << "sldR2" << Qt::LeftButton << Qt::MouseButtons(Qt::LeftButton | Qt::RightButton) << true;
}

// Moves with other buttons than the left alone act as changes wherever the
// thumb follows them, so the bench matches the thumb; where the thumb stays
// (the right button) nothing changes.
void TestSliders::benchFollowsThumbWhateverButtons() {
    QFETCH(QString, slider);
    QFETCH(Qt::MouseButton, pressed);
    QFETCH(Qt::MouseButtons, held);
    QFETCH(bool, follows);
    auto w = TestSupport::startWindow();
    QSlider* control = sliderNamed(w.get(), slider);
    const QStringList bench = benchOf(w.get());
    const int before = control->value();
    const QPoint start = TestSupport::sliderHandle(control).center();

    TestSupport::press(control, start, pressed);
    for (int dx = 4; dx <= 120; dx += 4)
        TestSupport::moveHolding(control, start + QPoint(dx, 0), held);
    TestSupport::release(control, start + QPoint(120, 0), pressed);

    QCOMPARE(control->value() != before, follows);
    QCOMPARE(parameterOf(w.get(), slider), parameterFor(slider, control->value()));
    QCOMPARE(benchOf(w.get()) != bench, follows);
}

void TestSliders::redrawOnlyInSchemeView_data() {
    QTest::addColumn<QString>("slider");
    QTest::addColumn<bool>("scheme");

    for (const char* name : {"sldn1", "sldn2", "sldVexol", "sldR1", "sldR2"}) {
        QTest::addRow("%s, scheme view", name) << QString::fromLatin1(name) << true;
        QTest::addRow("%s, lens view", name) << QString::fromLatin1(name) << false;
    }
}

// In the scheme view every slider move wipes both areas and draws the
// construction again; in the lens view nothing on the areas is touched. Before
// the object is placed there is nothing to construct.
void TestSliders::redrawOnlyInSchemeView() {
    QFETCH(QString, slider);
    QFETCH(bool, scheme);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    if (scheme)
        clickButton(w.get(), "cmdCx");
    ui.picLeft->Line(0, 0, 100, 100, kMarker);
    ui.picRigth->Line(0, 0, 100, 100, kMarker);

    TestSupport::dragSliderTo(sliderNamed(w.get(), slider), 7);

    QCOMPARE(hasMarker(ui.picLeft), !scheme);
    QCOMPARE(hasMarker(ui.picRigth), !scheme);
    // The point was never placed: no construction for (0, 0), no numbers.
    if (scheme) {
        QVERIFY(ui.picLeft->figures().isEmpty());
        QVERIFY(ui.picRigth->figures().isEmpty());
        QVERIFY(ui.lblDistances->Caption().isEmpty());
    }
}

QTEST_MAIN(TestSliders)
#include "tst_sliders.moc"
