// SPDX-License-Identifier: GPL-3.0-or-later
// The bench as it starts: state, focal lengths and marks, read-outs, what the
// start window looks like, and Выход.
#include "fonts.h"
#include "form1.h"
#include "label.h"
#include "picturebox.h"
#include "readout.h"
#include "screeninfo.h"
#include "segmentclip.h"
#include "shape.h"
#include "slider.h"
#include "surfacepainter.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <limits>

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// A grab of one area with one line on it, with room for a slow machine.
constexpr qint64 kQuickPaintMs = 500;
} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startMembers();
    void startControls();
    void focalLengths_data();
    void focalLengths();
    void markPlaces_data();
    void markPlaces();
    void readout_data();
    void readout();
    void startWindowPixels();
    void exitHidesTheWindow();
    void captionsFitTheirBoxes();
    void buttonFaces_data();
    void buttonFaces();
    void controlsByName_data();
    void controlsByName();

private:
    std::unique_ptr<Form1> w;
    TestSupport::Controls ui{};
};

void TestStartup::init() {
    w = TestSupport::startWindow();
    ui = TestSupport::controlsOf(*w);
}

void TestStartup::cleanup() {
    w.reset();
    QLocale::setDefault(QLocale::c());
}

void TestStartup::startMembers() {
    QCOMPARE(w->IsConverging, kTrue);
    QCOMPARE(w->SchemeView, kFalse);
    QCOMPARE(w->ConvergingChosen, kTrue);
    QCOMPARE(w->LeftBoxX, 6900);
    QCOMPARE(w->LeftRadiusRowTop, 9330.0f);
    QCOMPARE(w->LSobBoxX, 6900);
    QCOMPARE(w->RightBoxX, 7620);
    QCOMPARE(w->RightRadiusRowTop, 10020.0f);
    QCOMPARE(w->ObjectX, 0.0f);
    QCOMPARE(w->ObjectY, 0.0f);
    QCOMPARE(w->ImageX, 0.0);
    QCOMPARE(w->ImageY, 0.0);
    QCOMPARE(w->LensHitY, 0.0);
    QCOMPARE(w->CrossShift, 0);
    QCOMPARE(w->RightLevel, 0);
    QCOMPARE(w->LeftLevel, 0);
    QCOMPARE(w->LensColor, RGB(192, 192, 255));
    QCOMPARE(w->LensColor, 16761024);
    QCOMPARE(w->n1, 1.0);
    QCOMPARE(w->n2, 1.0);
    QCOMPARE(w->N, 1.0 + 32.0 / 50.0);
    QCOMPARE(w->R1, 1500.0);
    QCOMPARE(w->R2, -1500.0);
    QCOMPARE(w->f1, 1171.875);
    QCOMPARE(w->f2, 1171.875);
    QCOMPARE(w->RadiusBase, 1500);
    QCOMPARE(w->RaySlope, 0.0);
    QCOMPARE(w->AuxSlope, 0.0);
    QCOMPARE(w->R1Sign, std::int16_t(1));
    QCOMPARE(w->R2Sign, std::int16_t(-1));
}

void TestStartup::startControls() {
    QCOMPARE(w->windowTitle(), QStringLiteral("Quellor"));
    QCOMPARE(ui.sldVexol->Value(), 32);
    for (Slider* s : {ui.sldn1, ui.sldn2, ui.sldR1, ui.sldR2})
        QCOMPARE(s->Value(), 0);
    QCOMPARE(ui.sldR1->maximum(), 66);
    QCOMPARE(ui.sldn1->maximum(), 50);
    // Lens view: the lens pieces shown, the symbol and its arrowheads hidden.
    for (PictureBox* hidden : {ui.picVexol, ui.picLup, ui.picRup, ui.picLdown, ui.picRdown}) {
        QVERIFY(!hidden->Visible());
        QVERIFY(!hidden->isVisible());
    }
    QVERIFY(ui.picLSob->isVisible());
    QVERIFY(ui.picRsob->isVisible());
    // Read-outs on the colour of what they stand for.
    QCOMPARE(ui.lbln1->BackColor(), ui.picLeft->BackColor());
    QCOMPARE(ui.lbln2->BackColor(), ui.picRigth->BackColor());
    QCOMPARE(ui.lblN->BackColor(), RGB(192, 192, 255));
    QCOMPARE(ui.shpLsob->BorderColor(), RGB(192, 192, 255));
    QCOMPARE(ui.shpRsob->BorderColor(), RGB(192, 192, 255));
    // Marks: black F, grey 2F for a positive power.
    QCOMPARE(ui.shpF1->BackColor(), 0);
    QCOMPARE(ui.shp2F2->BackColor(), RGB(128, 128, 128));
    // Tooltips only where the layout gives them, on the lens-type buttons and on
    // the buttons that copy and save the picture, on the lesson strip's buttons,
    // on the scale's and the notation's buttons, on the seven read-outs that
    // take a typed value, and on the power read-out, which names its formula.
    int withTooltip = 0;
    for (QWidget* child : w->findChildren<QWidget*>())
        withTooltip += child->toolTip().isEmpty() ? 0 : 1;
    QCOMPARE(withTooltip, 31);
    QCOMPARE(ui.Picture3->toolTip(), QStringLiteral("Главная оптическая ось линзы"));
}

void TestStartup::focalLengths_data() {
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("n2");
    QTest::addColumn<double>("N");
    QTest::addColumn<double>("R1");
    QTest::addColumn<double>("R2");
    QTest::addColumn<double>("f1");
    QTest::addColumn<double>("f2");
    QTest::addColumn<bool>("converging");

    const double n = 1 + 32 / 50.0;
    QTest::newRow("start") << 1.0 << 1.0 << n << 1500.0 << -1500.0 << 1171.875 << 1171.875 << true;
    QTest::newRow("zero power") << 1.0 << 1.0 << 1.0 << 1500.0 << -1500.0 << 760000.0 << 760000.0
                                << true;
    QTest::newRow("denser media") << 2.0 << 2.0 << n << 1500.0 << -1500.0 << -2 * 1500 / 0.72
                                  << -2 * 1500 / 0.72 << false;
    QTest::newRow("unequal media")
        << 1.0 << 1.5 << n << 1500.0 << -1500.0 << 1500 / 0.78 << 1.5 * 1500 / 0.78 << true;
    QTest::newRow("diverging") << 1.0 << 1.0 << n << -1500.0 << 1500.0 << -1171.875 << -1171.875
                               << false;
    QTest::newRow("shortest focus")
        << 1.0 << 1.0 << 2.0 << 1500.0 << -1500.0 << 750.0 << 750.0 << true;
    // The surface terms nearly cancel: below 1e-6 the focus is infinite, but
    // the sign of the power still colours the marks.
    QTest::newRow("tiny negative power") << 1 + 24 / 50.0 << 1 + 26 / 50.0 << 1 + 25 / 50.0
                                         << 4800.0 << -4750.0 << 760000.0 << 760000.0 << false;
    QTest::newRow("cancelling surfaces") << 1 + 24 / 50.0 << 1 + 26 / 50.0 << 1 + 25 / 50.0
                                         << 4800.0 << -4800.0 << 760000.0 << 760000.0 << true;
}

void TestStartup::focalLengths() {
    QFETCH(double, n1);
    QFETCH(double, n2);
    QFETCH(double, N);
    QFETCH(double, R1);
    QFETCH(double, R2);
    QFETCH(double, f1);
    QFETCH(double, f2);
    QFETCH(bool, converging);
    w->n1 = n1;
    w->n2 = n2;
    w->N = N;
    w->R1 = R1;
    w->R2 = R2;
    w->ComputeFocalLengths();
    QVERIFY2(std::fabs(w->f1 - f1) < 1e-9 * std::fabs(f1),
             qPrintable(QString::number(w->f1, 'g', 17)));
    QVERIFY2(std::fabs(w->f2 - f2) < 1e-9 * std::fabs(f2),
             qPrintable(QString::number(w->f2, 'g', 17)));
    QCOMPARE(w->IsConverging, converging ? kTrue : kFalse);
    const RgbValue f = converging ? 0 : 255;
    const RgbValue f2mark = converging ? RGB(128, 128, 128) : RGB(255, 128, 128);
    for (Shape* mark : {ui.shpF1, ui.shpF2}) {
        QCOMPARE(mark->BackColor(), f);
        QCOMPARE(mark->BorderColor(), f);
    }
    for (Shape* mark : {ui.shp2F1, ui.shp2F2}) {
        QCOMPARE(mark->BackColor(), f2mark);
        QCOMPARE(mark->BorderColor(), f2mark);
    }
}

void TestStartup::markPlaces_data() {
    QTest::addColumn<double>("f1");
    QTest::addColumn<double>("f2");
    QTest::addColumn<float>("leftF");
    QTest::addColumn<float>("left2F");
    QTest::addColumn<float>("rightF");
    QTest::addColumn<float>("right2F");
    QTest::addColumn<bool>("inView");

    QTest::newRow("start") << 1171.875 << 1171.875 << 6260.625f << 5088.75f << 1104.375f << 2276.25f
                           << true;
    QTest::newRow("diverging, same |f|")
        << -1171.875 << -1171.875 << 6260.625f << 5088.75f << 1104.375f << 2276.25f << true;
    // Centres of the 2F marks at 6000 and 1500 for the shortest focus.
    QTest::newRow("shortest") << 750.0 << 750.0 << 6682.5f << 5932.5f << 682.5f << 1432.5f << true;
    QTest::newRow("unequal") << 2000.0 << 3000.0 << 5432.5f << 3432.5f << 2932.5f << 5932.5f
                             << true;
    // The far value stands for an infinite focus: the marks, 135 twips wide and
    // centred on F and 2F, go 760000 and 1520000 twips out, far out of sight.
    QTest::newRow("infinite") << 760000.0 << 760000.0 << -752567.5f << -1512567.5f << 759932.5f
                              << 1519932.5f << false;
}

void TestStartup::markPlaces() {
    QFETCH(double, f1);
    QFETCH(double, f2);
    QFETCH(float, leftF);
    QFETCH(float, left2F);
    QFETCH(float, rightF);
    QFETCH(float, right2F);
    QFETCH(bool, inView);
    w->f1 = f1;
    w->f2 = f2;
    w->PlaceFocalMarks();
    QCOMPARE(ui.shpF1->Left(), leftF);
    QCOMPARE(ui.shp2F1->Left(), left2F);
    QCOMPARE(ui.shpF2->Left(), rightF);
    QCOMPARE(ui.shp2F2->Left(), right2F);
    // Captions line up with the left edges of their marks.
    QCOMPARE(ui.lblFleft->Left(), leftF);
    QCOMPARE(ui.lbl2Fleft->Left(), left2F);
    QCOMPARE(ui.lblFright->Left(), rightF);
    QCOMPARE(ui.lbl2Fright->Left(), right2F);
    for (QWidget* control :
         std::initializer_list<QWidget*>{ui.shpF1, ui.shp2F1, ui.shpF2, ui.shp2F2, ui.lblFleft,
                                         ui.lbl2Fleft, ui.lblFright, ui.lbl2Fright}) {
        const bool seen =
            control->isVisible() && control->geometry().intersects(control->parentWidget()->rect());
        QCOMPARE(seen, inView);
    }
    // Back to a finite focus: the marks come back into view.
    w->f1 = w->f2 = 1171.875;
    w->PlaceFocalMarks();
    QVERIFY(ui.shp2F2->isVisible());
    QVERIFY(ui.lbl2Fleft->isVisible());
}

void TestStartup::readout_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    const QLocale point = QLocale::c();
    const QLocale comma(QLocale::Russian, QLocale::Russia);
    // The mark of the language shown (here Russian), whatever the user's locale.
    QTest::newRow("1.64 point") << point << 1 + 32 / 50.0 << QStringLiteral("      1,64");
    QTest::newRow("1.64 comma") << comma << 1 + 32 / 50.0 << QStringLiteral("      1,64");
    QTest::newRow("one") << comma << 1.0 << QStringLiteral("      1");
    QTest::newRow("two") << point << 1 + 50 / 50.0 << QStringLiteral("      2");
    QTest::newRow("1.98 comma") << comma << 1 + 49 / 50.0 << QStringLiteral("      1,98");
    QTest::newRow("1.02 point") << point << 1 + 1 / 50.0 << QStringLiteral("      1,02");
}

void TestStartup::readout() {
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QLocale::setDefault(locale);
    QCOMPARE(readoutText(value), text);
}

namespace {
QColor pixelAtTwips(const QImage& shot, double xTwips, double yTwips) {
    const QPoint p = ScreenInfo(96).toPixels(QPointF(xTwips, yTwips)).toPoint();
    return shot.pixelColor(p);
}
} // namespace

void TestStartup::startWindowPixels() {
    const QImage shot = w->grab().toImage();
    QCOMPARE(shot.devicePixelRatio(), 1.0);
    // Window twips: picLeft at (120, 810), picRigth at (7620, 810).
    QCOMPARE(pixelAtTwips(shot, 2000, 2000), QColor(Qt::white));     // left medium
    QCOMPARE(pixelAtTwips(shot, 12000, 2000), QColor(Qt::white));    // right medium
    QCOMPARE(pixelAtTwips(shot, 7200, 3800), QColor(192, 192, 255)); // lens, left cap
    QCOMPARE(pixelAtTwips(shot, 8000, 5500), QColor(192, 192, 255)); // lens, right cap
    QCOMPARE(pixelAtTwips(shot, 3000, 4801), QColor(128, 128, 128)); // axis strip
    // The left F mark is centred 1171.875 twips left of the lens plane, above the axis strip.
    QCOMPARE(pixelAtTwips(shot, 120 + 7500 - 1171.875, 810 + 3965), QColor(Qt::black));
    QCOMPARE(pixelAtTwips(shot, 7620 + 2 * 1171.875, 810 + 3965), QColor(128, 128, 128));
}

// "Выход" hides the window and ends the event loop at once, with code 0.
void TestStartup::exitHidesTheWindow() {
    constexpr int kStillRunning = 99;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(kStillRunning); });
    guard.start(5000);
    QTimer::singleShot(0, w.get(), [this] { TestSupport::clickButton(w.get(), "cmdExit"); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(guard.isActive());
    QVERIFY(!w->isVisible());
}

void TestStartup::buttonFaces_data() {
    QTest::addColumn<QString>("button");
    for (const char* name : {"cmdExit", "cmdCxOff", "cmdNotation"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// The panel's buttons in one proportional face, "Выход" and "Exit" among them.
void TestStartup::buttonFaces() {
    QFETCH(QString, button);
    const QFontInfo face(w->findChild<QPushButton*>(button)->font());
    QVERIFY2(!face.fixedPitch(), qPrintable(face.family()));
    QCOMPARE(face.family(), QFontInfo(w->findChild<QPushButton*>("cmdCx")->font()).family());
}

void TestStartup::captionsFitTheirBoxes() {
    for (Label* label : w->findChildren<Label*>()) {
        const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
        QVERIFY2(needed <= label->width(),
                 qPrintable(label->objectName() +
                            QStringLiteral(": %1 > %2").arg(needed).arg(label->width())));
    }
    for (QPushButton* button : w->findChildren<QPushButton*>()) {
        const int needed = QFontMetrics(button->font()).horizontalAdvance(button->text());
        QVERIFY2(needed < button->width(), qPrintable(button->objectName()));
    }
}

void TestStartup::controlsByName_data() {
    QTest::addColumn<QStringList>("renames"); // name, new name, …
    QTest::addColumn<QString>("strayChild");
    QTest::addColumn<QStringList>("problems");
    QTest::newRow("as built") << QStringList() << QString() << QStringList();
    QTest::newRow("a name gone") << QStringList{"cmdLab", ""} << QString()
                                 << QStringList{"no control named cmdLab"};
    QTest::newRow("a second widget of a name")
        << QStringList() << "cmdCx" << QStringList{"2 controls named cmdCx"};
    QTest::newRow("a label under the name of a picture")
        << QStringList{"picTypeMark", "spare", "lblFocal", "picTypeMark"} << QString()
        << QStringList{"no control named lblFocal", "picTypeMark is a QLabel"};
}

// The tests reach the controls by their names: every name is found once, on a
// control of its kind, and any other case is named rather than taken.
void TestStartup::controlsByName() {
    QFETCH(QStringList, renames);
    QFETCH(QString, strayChild);
    QFETCH(QStringList, problems);
    for (int i = 0; i + 1 < renames.size(); i += 2)
        w->findChild<QWidget*>(renames[i])->setObjectName(renames[i + 1]);
    if (!strayChild.isEmpty())
        (new QWidget(ui.picLeft))->setObjectName(strayChild);
    QStringList found;
    const TestSupport::Controls controls = TestSupport::findControls(*w, &found);
    QCOMPARE(found, problems);
    if (problems.isEmpty())
        QCOMPARE(controls.picTypeMark, ui.picTypeMark);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
