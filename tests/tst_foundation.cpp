// SPDX-License-Identifier: GPL-3.0-or-later
// The bench as it starts: state, focal lengths and marks, read-outs, the
// drawing layer's clipping, and what the start window looks like.
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

#include <QFontMetrics>
#include <QImage>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <limits>

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
} // namespace

class TestFoundation : public QObject {
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
    void clipping_data();
    void clipping();
    void farFiguresReachThePainterFinite_data();
    void farFiguresReachThePainterFinite();
    void refreshWipesAndDrawingState();
    void startWindowPixels();
    void farLinesDrawExactly();
    void exitHidesTheWindow();
    void fontsHaveCyrillic_data();
    void fontsHaveCyrillic();
    void captionsFitTheirBoxes();

private:
    std::unique_ptr<Form1> w;
};

void TestFoundation::init() {
    w = TestSupport::startWindow();
}

void TestFoundation::cleanup() {
    w.reset();
    QLocale::setDefault(QLocale::c());
}

void TestFoundation::startMembers() {
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

void TestFoundation::startControls() {
    QCOMPARE(w->windowTitle(), QStringLiteral("Quellor"));
    QCOMPARE(w->sldVexol->Value(), 32);
    for (Slider* s : {w->sldn1, w->sldn2, w->sldR1, w->sldR2})
        QCOMPARE(s->Value(), 0);
    QCOMPARE(w->sldR1->maximum(), 66);
    QCOMPARE(w->sldn1->maximum(), 50);
    // Lens view: the lens pieces shown, the symbol and its arrowheads hidden.
    for (PictureBox* hidden : {w->picVexol, w->picLup, w->picRup, w->picLdown, w->picRdown}) {
        QVERIFY(!hidden->Visible());
        QVERIFY(!hidden->isVisible());
    }
    QVERIFY(w->picLSob->isVisible());
    QVERIFY(w->picRsob->isVisible());
    // Read-outs on the colour of what they stand for.
    QCOMPARE(w->lbln1->BackColor(), w->picLeft->BackColor());
    QCOMPARE(w->lbln2->BackColor(), w->picRigth->BackColor());
    QCOMPARE(w->lblN->BackColor(), RGB(192, 192, 255));
    QCOMPARE(w->shpLsob->BorderColor(), RGB(192, 192, 255));
    QCOMPARE(w->shpRsob->BorderColor(), RGB(192, 192, 255));
    // Marks: black F, grey 2F for a positive power.
    QCOMPARE(w->shpF1->BackColor(), 0);
    QCOMPARE(w->shp2F2->BackColor(), RGB(128, 128, 128));
    // Tooltips only where the layout gives them, on the lens-type buttons and on
    // the buttons that copy and save the picture, on the lesson strip's buttons
    // and on the five read-outs that take a typed value.
    int withTooltip = 0;
    for (QWidget* child : w->findChildren<QWidget*>())
        withTooltip += child->toolTip().isEmpty() ? 0 : 1;
    QCOMPARE(withTooltip, 16);
    QCOMPARE(w->Picture3->toolTip(), QStringLiteral("Главная оптическая ось линзы"));
}

void TestFoundation::focalLengths_data() {
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

void TestFoundation::focalLengths() {
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
    for (Shape* mark : {w->shpF1, w->shpF2}) {
        QCOMPARE(mark->BackColor(), f);
        QCOMPARE(mark->BorderColor(), f);
    }
    for (Shape* mark : {w->shp2F1, w->shp2F2}) {
        QCOMPARE(mark->BackColor(), f2mark);
        QCOMPARE(mark->BorderColor(), f2mark);
    }
}

void TestFoundation::markPlaces_data() {
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
    QTest::newRow("infinite") << 760000.0 << 760000.0 << float(7365 - 760000 + 67.5)
                              << float(float(7365 - 760000 + 67.5) - 760000.0)
                              << float(760000 - 67.5) << float(float(760000 - 67.5) + 760000.0)
                              << false;
}

void TestFoundation::markPlaces() {
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
    QCOMPARE(w->shpF1->Left(), leftF);
    QCOMPARE(w->shp2F1->Left(), left2F);
    QCOMPARE(w->shpF2->Left(), rightF);
    QCOMPARE(w->shp2F2->Left(), right2F);
    // Captions line up with the left edges of their marks.
    QCOMPARE(w->lblFleft->Left(), leftF);
    QCOMPARE(w->lbl2Fleft->Left(), left2F);
    QCOMPARE(w->lblFright->Left(), rightF);
    QCOMPARE(w->lbl2Fright->Left(), right2F);
    for (QWidget* control :
         std::initializer_list<QWidget*>{w->shpF1, w->shp2F1, w->shpF2, w->shp2F2, w->lblFleft,
                                         w->lbl2Fleft, w->lblFright, w->lbl2Fright}) {
        const bool seen =
            control->isVisible() && control->geometry().intersects(control->parentWidget()->rect());
        QCOMPARE(seen, inView);
    }
    // Back to a finite focus: the marks come back into view.
    w->f1 = w->f2 = 1171.875;
    w->PlaceFocalMarks();
    QVERIFY(w->shp2F2->isVisible());
    QVERIFY(w->lbl2Fleft->isVisible());
}

void TestFoundation::readout_data() {
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

void TestFoundation::readout() {
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QLocale::setDefault(locale);
    QCOMPARE(readoutText(value), text);
}

void TestFoundation::clipping_data() {
    QTest::addColumn<QLineF>("segment");
    QTest::addColumn<bool>("drawn");
    QTest::addColumn<QLineF>("expected");
    const QLineF none;
    QTest::newRow("inside") << QLineF(10, 10, 90, 40) << true << QLineF(10, 10, 90, 40);
    QTest::newRow("crossing") << QLineF(-100, 50, 200, 50) << true << QLineF(0, 50, 100, 50);
    QTest::newRow("reversed") << QLineF(200, 50, -100, 50) << true << QLineF(100, 50, 0, 50);
    QTest::newRow("huge") << QLineF(-1e12, -1e12, 1e12, 1e12) << true << QLineF(0, 0, 100, 100);
    QTest::newRow("huge steep") << QLineF(50, 50, 50 + 1e-3, 1e15) << true
                                << QLineF(50, 50, 50 + 1e-3 * 50 / (1e15 - 50), 100);
    QTest::newRow("missing") << QLineF(-50, -50, -10, 300) << false << none;
    QTest::newRow("degenerate inside") << QLineF(20, 20, 20, 20) << true << QLineF(20, 20, 20, 20);
    QTest::newRow("degenerate outside") << QLineF(-20, 20, -20, 20) << false << none;
    QTest::newRow("infinite end") << QLineF(10, 10, kInf, 10) << false << none;
    QTest::newRow("nan end") << QLineF(kNaN, 10, 50, 50) << false << none;
    QTest::newRow("span overflows") << QLineF(-1.7e308, 0, 1.7e308, 0) << false << none;
}

void TestFoundation::clipping() {
    QFETCH(QLineF, segment);
    QFETCH(bool, drawn);
    QFETCH(QLineF, expected);
    const QRectF box(0, 0, 100, 100);
    const auto clipped = clipSegment(segment, box);
    QCOMPARE(bool(clipped), drawn);
    if (!drawn)
        return;
    const double tolerance = 1e-6;
    QVERIFY2(std::fabs(clipped->line.x1() - expected.x1()) < tolerance &&
                 std::fabs(clipped->line.y1() - expected.y1()) < tolerance &&
                 std::fabs(clipped->line.x2() - expected.x2()) < tolerance &&
                 std::fabs(clipped->line.y2() - expected.y2()) < tolerance,
             qPrintable(QStringLiteral("%1,%2 - %3,%4")
                            .arg(clipped->line.x1())
                            .arg(clipped->line.y1())
                            .arg(clipped->line.x2())
                            .arg(clipped->line.y2())));
}

void TestFoundation::farFiguresReachThePainterFinite_data() {
    QTest::addColumn<double>("x1");
    QTest::addColumn<double>("y1");
    QTest::addColumn<double>("x2");
    QTest::addColumn<double>("y2");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("760000 across") << -760000.0 << 3990.0 << 760000.0 << 3990.0 << true;
    QTest::newRow("1e12 diagonal") << 0.0 << 3990.0 << 1e12 << 1e12 << true;
    QTest::newRow("beyond float") << 0.0 << 3990.0 << 1e300 << 8025.0 << false;
    QTest::newRow("infinite") << 7500.0 << 3990.0 << -kInf << 0.0 << false;
    QTest::newRow("nan") << kNaN << 3990.0 << 0.0 << 0.0 << false;
    QTest::newRow("all far away") << 760000.0 << 760000.0 << 1520000.0 << -760000.0 << false;
}

void TestFoundation::farFiguresReachThePainterFinite() {
    QFETCH(double, x1);
    QFETCH(double, y1);
    QFETCH(double, x2);
    QFETCH(double, y2);
    QFETCH(bool, drawn);
    for (int style : {0, 1}) {
        w->picLeft->Refresh();
        w->picLeft->SetDrawStyle(style);
        w->picLeft->Line(x1, y1, x2, y2);
        const Figure figure = w->picLeft->figures().constLast();
        const QRectF area(w->picLeft->rect());
        double dashOffset = -1;
        const auto line = SurfacePainter::lineOnDevice(figure, ScreenInfo(96), area, &dashOffset);
        QCOMPARE(bool(line), drawn);
        if (line) {
            const QRectF near = area.adjusted(-20, -20, 20, 20);
            QVERIFY(near.contains(line->p1()) && near.contains(line->p2()));
            QVERIFY(std::isfinite(dashOffset) && dashOffset >= 0);
        }
        // Painting it must neither fail nor take long.
        w->picLeft->grab();
    }
}

void TestFoundation::refreshWipesAndDrawingState() {
    PictureBox* area = w->picRigth;
    QCOMPARE(area->DrawWidth(), 1);
    QCOMPARE(area->DrawStyle(), 0);
    QCOMPARE(area->FillStyle(), 1);
    QCOMPARE(area->FillColor(), 0);
    area->SetDrawWidth(3);
    area->SetDrawStyle(1);
    area->Line(0, 0, 100, 100);
    area->Line(0, 0, 100, 100, 255);
    area->SetFillStyle(0);
    area->SetFillColor(65280);
    area->Circle(500, 500, 50, 255);
    QCOMPARE(area->figures().size(), 3);
    const Figure& first = area->figures()[0];
    QCOMPARE(first.colour, area->ForeColor());
    QCOMPARE(first.drawWidth, 3);
    QCOMPARE(first.drawStyle, 1);
    QCOMPARE(area->figures()[1].colour, 255);
    const Figure& dot = area->figures()[2];
    QCOMPARE(dot.kind, Figure::Kind::Circle);
    QCOMPARE(dot.fillStyle, 0);
    QCOMPARE(dot.fillColour, 65280);
    area->Refresh();
    QVERIFY(area->figures().isEmpty());
    // The drawing state survives a Refresh.
    QCOMPARE(area->DrawWidth(), 3);
    QCOMPARE(area->DrawStyle(), 1);
}

namespace {
QColor pixelAtTwips(const QImage& shot, double xTwips, double yTwips) {
    const QPoint p = ScreenInfo(96).toPixels(QPointF(xTwips, yTwips)).toPoint();
    return shot.pixelColor(p);
}
} // namespace

void TestFoundation::startWindowPixels() {
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

void TestFoundation::farLinesDrawExactly() {
    // A line from far off the area to far off the other side lands where the
    // geometry says, whole and solid.
    w->picLeft->SetForeColor(255);
    w->picLeft->SetDrawWidth(1);
    w->picLeft->Line(-1e9, 3000, 1e9, 3000);
    w->picLeft->Line(7500 - 1e-3, -1e12, 7500 - 1e-3, 1e12, 65280); // at the right edge
    const QImage shot = w->picLeft->grab().toImage();
    const int row = ScreenInfo(96).toPixels(QPointF(0, 3000)).toPoint().y();
    int red = 0;
    for (int x = 0; x < shot.width(); ++x)
        red += shot.pixelColor(x, row) == QColor(255, 0, 0) ? 1 : 0;
    QVERIFY2(red > shot.width() * 0.9, qPrintable(QString::number(red)));
}

void TestFoundation::exitHidesTheWindow() {
    w->cmdExit_Click();
    QVERIFY(!w->isVisible());
}

void TestFoundation::fontsHaveCyrillic_data() {
    QTest::addColumn<QString>("laidOut");
    QTest::addColumn<QStringList>("acceptable");
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    const QStringList mono{QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};
    QTest::newRow("MS Sans Serif") << QStringLiteral("MS Sans Serif") << sans;
    QTest::newRow("Microsoft Sans Serif") << QStringLiteral("Microsoft Sans Serif") << sans;
    QTest::newRow("Courier New") << QStringLiteral("Courier New") << mono;
}

void TestFoundation::fontsHaveCyrillic() {
    QFETCH(QString, laidOut);
    QFETCH(QStringList, acceptable);
    const QString used = Fonts::resolvedFamily(laidOut);
    QVERIFY2(acceptable.contains(used), qPrintable(used));
    const QFontMetrics metrics{QFont(laidOut)};
    for (QChar letter : QStringLiteral("ВыходСхемаЛинзаЖщ"))
        QVERIFY(metrics.inFont(letter));
}

void TestFoundation::captionsFitTheirBoxes() {
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

QTEST_MAIN(TestFoundation)
#include "tst_foundation.moc"
