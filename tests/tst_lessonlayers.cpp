// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson's layers: the standard cases set with keys 1 to 5, the point
// snapping onto the axis and the marks, the names on the drawing, the third
// ray and the arrowheads, the switches, and the defects they mend.
#include "benchgeometry.h"
#include "benchlens.h"
#include "figurelabels.h"
#include "form1.h"
#include "label.h"
#include "lens.h"
#include "objectmotion.h"
#include "picturebox.h"
#include "raydiagram.h"
#include "shape.h"
#include "testsupport.h"
#include "textmark.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <tuple>

using namespace TestSupport;

namespace {
constexpr double kAxis = 3990;
constexpr double kLens = 7500;
constexpr double kIndexN = 1.64; // the lens at the start
constexpr double kRadius = 1500; // both surfaces at the start
constexpr double kPlace = 0.01;  // twips
const QString kNoImage = QStringLiteral("изображения нет: предмет в фокальной плоскости");

QSlider* sliderNamed(Form1* w, const char* name) {
    return w->findChild<QSlider*>(QString::fromLatin1(name));
}

// The power of the start lens between media n1 and n2, from the surfaces:
// (N - n) / R each, the biconcave lens with both radii turned round.
double powerOf(bool converging, double n1, double n2) {
    const double sum = (kIndexN - n1) / kRadius + (kIndexN - n2) / kRadius;
    return converging ? sum : -sum;
}

std::unique_ptr<Form1> benchWith(bool converging, int n1Value, int n2Value) {
    auto w = startWindow();
    clickButton(w.get(), converging ? QStringLiteral("cmdSob") : QStringLiteral("cmdRas"));
    dragSliderTo(sliderNamed(w.get(), "sldn1"), n1Value);
    dragSliderTo(sliderNamed(w.get(), "sldn2"), n2Value);
    clickButton(w.get(), QStringLiteral("cmdCx"));
    return w;
}

const Labels::Mark* markOf(const std::vector<Labels::Mark>& marks, Labels::Text text) {
    for (const Labels::Mark& mark : marks)
        if (mark.text == text)
            return &mark;
    return nullptr;
}

void dragWith(QWidget* area, QPoint at, Qt::KeyboardModifiers modifiers) {
    QTest::mousePress(area, Qt::LeftButton, modifiers, at);
    QMouseEvent move(QEvent::MouseMove, QPointF(at), area->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::LeftButton, modifiers);
    QApplication::sendEvent(area, &move);
    QTest::mouseRelease(area, Qt::LeftButton, modifiers, at);
}

// A name's box as painted, from the font's own metrics at the laid-out size
// (15 twips a pixel).
QRectF paintedBox(const TextMark& mark) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(mark.points);
    font.setBold(mark.bold);
    const QFontMetricsF metrics(font);
    const QSizeF size(metrics.horizontalAdvance(mark.text) * 15,
                      (metrics.ascent() + metrics.descent()) * 15);
    const bool left =
        mark.anchor == TextMark::Anchor::TopRight || mark.anchor == TextMark::Anchor::BottomRight;
    const bool top =
        mark.anchor == TextMark::Anchor::TopLeft || mark.anchor == TextMark::Anchor::TopRight;
    return QRectF(
        QPointF(left ? mark.x - size.width() : mark.x, top ? mark.y : mark.y - size.height()),
        size);
}

// A control's box as it shows, in twips of an area (15 twips a pixel).
QRectF shownOn(const QWidget* control, const QWidget* area) {
    const QPoint at = control->mapToGlobal(QPoint(0, 0)) - area->mapToGlobal(QPoint(0, 0));
    return QRectF(QPointF(at) * 15, QSizeF(control->size()) * 15);
}

// The focal marks on an area: its shapes (which carry no meta-object of their own).
QList<const Shape*> marksOn(const QWidget* area) {
    QList<const Shape*> marks;
    for (const QWidget* child : area->findChildren<QWidget*>())
        if (const auto* mark = dynamic_cast<const Shape*>(child))
            marks << mark;
    return marks;
}

double cross(QPointF o, QPointF a, QPointF b) {
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

bool segmentsMeet(QPointF a, QPointF b, QPointF c, QPointF d) {
    const double d1 = cross(c, d, a), d2 = cross(c, d, b), d3 = cross(a, b, c), d4 = cross(a, b, d);
    return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0));
}

double pointToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF nearest = a + t * ab;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

// How far a stroke from a to b keeps from a box: 0 when it enters it.
double gapBetween(QPointF a, QPointF b, const QRectF& box) {
    const QPointF corners[] = {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()};
    if (box.contains(a) || box.contains(b))
        return 0;
    double gap = std::numeric_limits<double>::max();
    for (int i = 0; i < 4; ++i) {
        const QPointF c = corners[i], d = corners[(i + 1) % 4];
        if (segmentsMeet(a, b, c, d))
            return 0;
        gap = std::min(
            {gap, pointToSegment(c, a, b), pointToSegment(a, c, d), pointToSegment(b, c, d)});
    }
    return gap;
}

// Whether one picture has a pixel of this colour within two pixels of a place.
bool nearby(const QImage& in, int x, int y, QRgb colour) {
    constexpr int kReach = 2;
    for (int dy = -kReach; dy <= kReach; ++dy)
        for (int dx = -kReach; dx <= kReach; ++dx)
            if (in.valid(x + dx, y + dy) && in.pixel(x + dx, y + dy) == colour)
                return true;
    return false;
}

// The window system asks for a repaint at its own pace: the paints a change
// asked for are done once a few of its frames have gone by.
void settle() {
    constexpr int kFramesMs = 60;
    QTest::qWait(kFramesMs);
}

// The first place where one picture shows a stroke the other has not, or
// (-1, -1). A line drawn again under another clip may step a pixel sooner or
// later, and a mark's smoothed edge may lie over or under a line it touches,
// as any partial repaint may draw them: such a pixel has its colour within two
// pixels in the other picture, or stands alone. A stroke left behind or
// missing is a run of pixels with neither.
QPoint traceBetween(const QImage& shown, const QImage& fresh) {
    QImage odd(shown.size(), QImage::Format_Mono);
    odd.fill(0);
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb a = shown.pixel(x, y), b = fresh.pixel(x, y);
            if (a != b && (!nearby(fresh, x, y, a) || !nearby(shown, x, y, b)))
                odd.setPixel(x, y, 1);
        }
    constexpr int kRun = 3; // pixels of a stroke within two of each other
    for (int y = 0; y < odd.height(); ++y)
        for (int x = 0; x < odd.width(); ++x) {
            if (odd.pixelIndex(x, y) == 0)
                continue;
            int around = 0;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    around += odd.valid(x + dx, y + dy) && odd.pixelIndex(x + dx, y + dy) == 1;
            if (around >= kRun)
                return {x, y};
        }
    return {-1, -1};
}

// How far a point stands from a box, straight.
double distanceTo(QPointF p, const QRectF& box) {
    return std::hypot(std::max({box.left() - p.x(), 0.0, p.x() - box.right()}),
                      std::max({box.top() - p.y(), 0.0, p.y() - box.bottom()}));
}

// How far a point stands from a box, the larger of the two axes.
double reachOf(QPointF p, const QRectF& box) {
    const double dx = std::max({box.left() - p.x(), 0.0, p.x() - box.right()});
    const double dy = std::max({box.top() - p.y(), 0.0, p.y() - box.bottom()});
    return std::max(dx, dy);
}
} // namespace

class TestLessonLayers : public QObject {
    Q_OBJECT

private slots:
    void standardCases_data();
    void standardCases();
    void snapping_data();
    void snapping();
    void arrowheads_data();
    void arrowheads();
    void switches_data();
    void switches();
    void mends_data();
    void mends();
    void namesStandApart_data();
    void namesStandApart();
    void namesClearOfTheDrawing_data();
    void namesClearOfTheDrawing();
    void namesInsideTheEdges_data();
    void namesInsideTheEdges();
    void imageColours_data();
    void imageColours();
    void dragLeavesNoTrace_data();
    void dragLeavesNoTrace();
};

void TestLessonLayers::standardCases_data() {
    QTest::addColumn<bool>("converging");
    QTest::addColumn<int>("n1Value");
    QTest::addColumn<int>("n2Value");
    QTest::addColumn<int>("key"); // 1..5
    for (bool converging : {true, false})
        for (int media : {0, 1})
            for (int key = 1; key <= 5; ++key)
                QTest::addRow("%s, %s media, key %d", converging ? "converging" : "diverging",
                              media ? "unequal" : "equal", key)
                    << converging << (media ? 20 : 0) << 0 << key;
}

// Each key puts the object at its multiple of the object-side mark distance,
// 1000 twips above the axis; the image, its names and the third ray follow the
// thin-lens law n1 / d + n2 / b = P, computed here from the surfaces.
void TestLessonLayers::standardCases() {
    QFETCH(bool, converging);
    QFETCH(int, n1Value);
    QFETCH(int, n2Value);
    QFETCH(int, key);
    auto w = benchWith(converging, n1Value, n2Value);
    const auto ui = TestSupport::controlsOf(*w);
    w->ShowLabels = kTrue;
    w->ShowThirdRay = kTrue;
    // Wherever the focus is in the window: the left area, a slider, the
    // button just clicked.
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    const char* holder = key % 3 == 0 ? "picLeft" : key % 3 == 1 ? "sldn1" : "cmdCx";
    w->findChild<QWidget*>(QString::fromLatin1(holder))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w->windowHandle(), Qt::Key(Qt::Key_0 + key));

    const double n1 = 1 + n1Value / 50.0, n2 = 1 + n2Value / 50.0;
    const double P = powerOf(converging, n1, n2);
    const double f = n1 / P, fBack = n2 / P;
    const double a = converging ? std::fabs(f) : std::fabs(fBack);
    const double multiple[] = {3, 2, 1.5, 1, 0.5};
    const double d = multiple[key - 1] * a;
    QVERIFY(std::fabs(w->ObjectX - (kLens - d)) < kPlace);
    QCOMPARE(w->ObjectY, float(kAxis - 1000));

    const auto marks = Labels::labelMarks(*w);
    // The back focus F' stands at |f'|, behind a converging lens and before a
    // diverging one; the front focus F at |f| on the other side.
    for (const auto& [name, length, behind] : {std::tuple{Labels::Text::FPrime, fBack, converging},
                                               std::tuple{Labels::Text::F, f, !converging}}) {
        const Labels::Mark* focus = markOf(marks, name);
        QVERIFY(focus);
        QCOMPARE(focus->area, behind ? Labels::Area::Right : Labels::Area::Left);
        // At the textbook's place, or a step aside to stand nearer its point.
        const double point = focus->x + Labels::kGap;
        const double fromLens = behind ? point : kLens - point;
        QVERIFY2(std::fabs(fromLens - std::fabs(length)) <= Labels::kGap,
                 qPrintable(QStringLiteral("%1 against %2").arg(fromLens).arg(length)));
    }
    const double vergence = P - n1 / d;
    if (converging && key == 4) {
        QCOMPARE(ui.lblImageKind->Caption(), kNoImage);
        QVERIFY(!markOf(marks, Labels::Text::APrime));
        const auto strokes = Optics::rayDiagram(*w, {}, {}).strokes;
        QVERIFY(std::none_of(strokes.begin(), strokes.end(), [](const Optics::Stroke& s) {
            return s.role == Optics::Role::FocalRay || s.role == Optics::Role::ImageDot;
        }));
        return;
    }
    const double b = n2 / vergence;
    const double m = -(n1 * b) / (n2 * d);
    const double imageX = b > 0 ? b : kLens + b;
    const double imageY = kAxis - 1000 * m;
    QCOMPARE(ui.lblImageKind->Caption().startsWith(b > 0 ? "действительное" : "мнимое"), true);

    // The name A' beside the image tip, on the side away from the axis; by a
    // virtual image near the object, wherever it stands nearer its tip than A.
    const Labels::Mark* tip = markOf(marks, Labels::Text::APrime);
    QVERIFY(tip);
    QCOMPARE(tip->area, b > 0 ? Labels::Area::Right : Labels::Area::Left);
    const double toImage = std::hypot(tip->x - imageX, tip->y - imageY);
    if (b < 0) {
        QVERIFY(toImage < std::hypot(tip->x - w->ObjectX, tip->y - w->ObjectY));
    } else {
        QVERIFY(std::fabs(tip->x - (imageX - Labels::kGap)) < 0.5);
        QVERIFY(std::fabs(std::fabs(tip->y - imageY) - Labels::kGap) < 0.5);
        QVERIFY((tip->y < imageY) == (imageY < kAxis));
    }
    const Labels::Mark* object = markOf(marks, Labels::Text::A);
    QVERIFY(object && std::fabs(object->x - (w->ObjectX - Labels::kGap)) < 0.5);

    // The third ray: at the lens plane n2 u' = n1 u - h P with u' = 0, and the
    // ray after the lens (or its extension back) passes through the image.
    const auto strokes = Optics::rayDiagram(*w, {}, {}).strokes;
    const auto third = [&](Optics::Area area) {
        return std::find_if(strokes.begin(), strokes.end(), [&](const Optics::Stroke& s) {
            return s.role == Optics::Role::FocalRay && s.area == area;
        });
    };
    const auto toLens = third(Optics::Area::Left), leaving = third(Optics::Area::Right);
    QVERIFY(toLens != strokes.end() && leaving != strokes.end());
    const double lensY = toLens->y2;
    const double h = kAxis - lensY; // height above the axis
    const double u = -(toLens->y2 - toLens->y1) / (toLens->x2 - toLens->x1); // upwards per twip
    const double uAfter = -(leaving->y2 - leaving->y1) / (leaving->x2 - leaving->x1);
    QVERIFY2(std::fabs(n2 * uAfter - (n1 * u - h * P)) < 1e-9, qPrintable(QString::number(u)));
    QVERIFY(std::fabs(toLens->x1 - w->ObjectX) < kPlace);
    QVERIFY(std::fabs(lensY - imageY) < 0.5);
    // Its extension back, level from the lens plane to the virtual image.
    const auto extension =
        std::find_if(strokes.begin(), strokes.end(), [&](const Optics::Stroke& s) {
            return s.role == Optics::Role::BackwardExtension && s.x1 == kLens &&
                   std::fabs(s.y1 - lensY) < 1e-6 && std::fabs(s.y2 - lensY) < 1e-6;
        });
    QCOMPARE(extension != strokes.end(), b < 0);
    if (b < 0)
        QVERIFY(std::fabs(extension->x2 - imageX) < 0.5);

    // As drawn: the third ray from the object point to the lens plane at the
    // image's height, then level across picRigth; two arrowhead strokes end at
    // the object point and two at the image point.
    const auto drawnLine = [](const PictureBox* area, double x1, double y1, double x2, double y2) {
        for (const Figure& f : area->figures())
            if (f.kind == Figure::Kind::Line && std::fabs(f.x1 - x1) < 0.5 &&
                std::fabs(f.y1 - y1) < 0.5 && std::fabs(f.x2 - x2) < 0.5 &&
                std::fabs(f.y2 - y2) < 0.5)
                return true;
        return false;
    };
    QVERIFY(drawnLine(ui.picLeft, w->ObjectX, w->ObjectY, kLens, imageY));
    QVERIFY(drawnLine(ui.picRigth, 0, imageY, kLens, imageY));
    // An arrowhead stroke is short: a fifth of a centimetre or so, never 300 twips.
    constexpr double kHeadAtMost = 300;
    const auto headsAt = [](const PictureBox* area, double x, double y) {
        int strokes = 0;
        for (const Figure& f : area->figures())
            strokes += f.kind == Figure::Kind::Line && f.drawStyle == 0 &&
                       std::fabs(f.x1 - x) < 0.5 && std::fabs(f.y1 - y) < 0.5 &&
                       std::hypot(f.x2 - f.x1, f.y2 - f.y1) < kHeadAtMost;
        return strokes;
    };
    QCOMPARE(headsAt(ui.picLeft, w->ObjectX, w->ObjectY), 2);
    QCOMPARE(headsAt(b > 0 ? ui.picRigth : ui.picLeft, imageX, imageY), 2);
    // A'B' as textbooks print it: the real image solid, the virtual dashed.
    for (const Figure& f : (b > 0 ? ui.picRigth : ui.picLeft)->figures())
        if (f.kind == Figure::Kind::Line && std::fabs(f.x1 - imageX) < 0.5 &&
            std::fabs(f.x2 - imageX) < 0.5 && std::fabs(f.y2 - kAxis) < 0.5)
            QCOMPARE(f.drawStyle, b > 0 ? 0 : 1);
}

void TestLessonLayers::snapping_data() {
    QTest::addColumn<double>("offsetPixels"); // from the place, along x (y for the axis)
    QTest::addColumn<int>("target");          // 1 F, 2 2F, 0 the axis
    QTest::addColumn<bool>("shift");
    QTest::addColumn<bool>("snaps");
    QTest::newRow("near F") << 3.0 << 1 << false << true;
    QTest::newRow("near 2F") << -3.0 << 2 << false << true;
    QTest::newRow("near the axis") << 2.0 << 0 << false << true;
    QTest::newRow("near F, Shift held") << 3.0 << 1 << true << false;
    QTest::newRow("near the axis, Shift held") << 2.0 << 0 << true << false;
    QTest::newRow("far from F") << 12.0 << 1 << false << false;
}

// Within a few pixels of F, 2F or the axis the object point snaps onto them:
// at F exactly there is no image; Shift drags freely.
void TestLessonLayers::snapping() {
    QFETCH(double, offsetPixels);
    QFETCH(int, target);
    QFETCH(bool, shift);
    QFETCH(bool, snaps);
    auto w = benchWith(true, 0, 0);
    const auto ui = TestSupport::controlsOf(*w);
    const double f = 1 / powerOf(true, 1, 1);
    const double placeX = target == 0 ? 3000 : kLens - target * f;
    const double placeY = target == 0 ? kAxis : 3000;
    const double offset = offsetPixels * 15; // twips at the laid-out size
    const QPoint at =
        pixelOf(ui.picLeft, placeX + (target ? offset : 0), placeY + (target ? 0 : offset));
    dragWith(ui.picLeft, at, shift ? Qt::ShiftModifier : Qt::NoModifier);
    if (target == 0) {
        QCOMPARE(w->ObjectY == float(kAxis), snaps);
        return;
    }
    QCOMPARE(w->ObjectX == float(placeX), snaps);
    QCOMPARE(ui.lblImageKind->Caption() == kNoImage, snaps && target == 1);
}

void TestLessonLayers::arrowheads_data() {
    QTest::addColumn<double>("dx"); // from the tip back to where the line comes from
    QTest::addColumn<double>("dy");
    QTest::newRow("object, line down to the axis") << 0.0 << 1000.0;
    QTest::newRow("image below the axis") << 0.0 << -700.0;
    QTest::newRow("slanted") << -300.0 << 400.0;
}

// Two strokes from the tip, each of the given length and the given angle off
// the line, one on either side of it.
void TestLessonLayers::arrowheads() {
    QFETCH(double, dx);
    QFETCH(double, dy);
    const double tipX = 2000, tipY = 3000, length = 240, angle = 0.4;
    const Optics::Arrowhead head =
        Optics::arrowheadAt(tipX, tipY, tipX + dx, tipY + dy, length, angle);
    QVERIFY(head.drawn);
    const double lineAngle = std::atan2(dy, dx);
    double sides = 1;
    for (const Optics::Segment& s : {head.left, head.right}) {
        QCOMPARE(s.x1, tipX);
        QCOMPARE(s.y1, tipY);
        QVERIFY(std::fabs(std::hypot(s.x2 - tipX, s.y2 - tipY) - length) < 1e-9);
        double off = std::atan2(s.y2 - tipY, s.x2 - tipX) - lineAngle;
        off = std::remainder(off, 2 * M_PI);
        QVERIFY(std::fabs(std::fabs(off) - angle) < 1e-9);
        sides *= off;
    }
    QVERIFY(sides < 0);
    QVERIFY(!Optics::arrowheadAt(tipX, tipY, tipX, tipY).drawn);
}

void TestLessonLayers::switches_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<int>("flag"); // 0 labels, 1 third ray, 2 palette
    QTest::newRow("labels") << "cmdLabels" << QKeySequence(Qt::CTRL | Qt::Key_L) << 0;
    QTest::newRow("third ray") << "cmdThirdRay" << QKeySequence(Qt::CTRL | Qt::Key_3) << 1;
    QTest::newRow("palette") << "cmdPalette" << QKeySequence(Qt::CTRL | Qt::Key_K) << 2;
}

// Each layer is off at the start, switched by its button and by its shortcut,
// which its tooltip names; the button shows the state.
void TestLessonLayers::switches() {
    QFETCH(QString, button);
    QFETCH(QKeySequence, shortcut);
    QFETCH(int, flag);
    auto w = startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    QApplication::setActiveWindow(w.get());
    ui.picLeft->setFocus();
    // The key with Ctrl held, as the keyboard delivers it (shortcuts first).
    const auto press = [&] {
        const QKeyCombination key = shortcut[0];
        QTest::simulateEvent(ui.picLeft, true, int(key.key()), key.keyboardModifiers(), QString(),
                             false);
    };
    auto* control = w->findChild<QPushButton*>(button);
    QVERIFY(control && control->isCheckable());
    QVERIFY(control->toolTip().contains(shortcut.toString(QKeySequence::PortableText)));
    const auto state = [&] {
        return flag == 0 ? w->ShowLabels : flag == 1 ? w->ShowThirdRay : w->SafePalette;
    };
    QCOMPARE(state(), kFalse);
    clickAt(w.get(), middleOf(control));
    QCOMPARE(state(), kTrue);
    QVERIFY(control->isChecked());
    press();
    QCOMPARE(state(), kFalse);
    QVERIFY(!control->isChecked());
    if (flag == 0) {
        // The names stand on the areas only while the layer is on.
        press();
        QVERIFY(!ui.picLeft->textMarks().isEmpty());
        QVERIFY(!ui.lblFleft->isVisible());
    }
    if (flag == 2) {
        press();
        QVERIFY(ui.shpF1->BackColor() == 0); // F of a converging lens stays black
        clickButton(w.get(), QStringLiteral("cmdRas"));
        QCOMPARE(ui.shpF1->BackColor(), RGB(213, 94, 0)); // vermillion, not pure red
    }
}

void TestLessonLayers::mends_data() {
    QTest::addColumn<int>("mend");
    QTest::newRow("no construction or numbers before placement") << 0;
    QTest::newRow("an image above the top edge is named so") << 1;
    QTest::newRow("the arrowhead boxes let the rays show") << 2;
    QTest::newRow("a point on the axis stays on it") << 3;
    QTest::newRow("the words of an image beyond the right edge stay on it") << 4;
}

void TestLessonLayers::mends() {
    QFETCH(int, mend);
    auto w = benchWith(true, 0, 0);
    const auto ui = TestSupport::controlsOf(*w);
    if (mend == 0) {
        dragSliderTo(sliderNamed(w.get(), "sldn1"), 5);
        QVERIFY(ui.picLeft->figures().isEmpty());
        QVERIFY(ui.lblDistances->Caption().isEmpty());
        return;
    }
    if (mend == 1) {
        // f = 1171.875: an object at 1.5 f has its image at 3 f, twice as large
        // and inverted, inside the right area horizontally; 2500 below the
        // axis, the image stands 5000 above it, beyond the top edge.
        const double f = 1 / powerOf(true, 1, 1);
        const double d = 1.5 * f;      // image at 3f, magnification -2
        const double y = kAxis + 2500; // image 5000 above the axis: y < 0
        drawFor(*w, float(kLens - d), float(y));
        w->ShowReadouts();
        QVERIFY2(ui.lblImageKind->Caption().endsWith(QStringLiteral("за краем сверху")),
                 qPrintable(ui.lblImageKind->Caption()));
        // The words hang down from the top edge, inside the area.
        const auto marks = Labels::labelMarks(*w);
        const Labels::Mark* words = markOf(marks, Labels::Text::Real);
        QVERIFY(words && words->y > 0 && words->y < Labels::kLine);
        QVERIFY(words->anchor == Labels::Anchor::TopLeft ||
                words->anchor == Labels::Anchor::TopRight);
        return;
    }
    if (mend == 4) {
        // d = 1.1 f: the real image at 11 f, far beyond the right edge.
        const double f = 1 / powerOf(true, 1, 1);
        drawFor(*w, float(kLens - 1.1 * f), float(kAxis - 500));
        const auto marks = Labels::labelMarks(*w);
        const Labels::Mark* words = markOf(marks, Labels::Text::Real);
        QVERIFY(words && words->area == Labels::Area::Right);
        QVERIFY(words->x < kLens && words->x > kLens - Labels::kLine);
        QVERIFY(words->anchor == Labels::Anchor::TopRight ||
                words->anchor == Labels::Anchor::BottomRight);
        return;
    }
    if (mend == 2) {
        // A line across the box of the upper arrowhead, beside its stroke.
        const QRect box(ui.picLup->mapTo(w.get(), QPoint(0, 0)), ui.picLup->size());
        // The stroke runs from the top left to the bottom right: the bottom left
        // corner of the box is free of it.
        const int row = box.bottom() - 3;
        const double rowY = (row - ui.picLeft->y()) * 15.0;
        ui.picLeft->SetDrawWidth(3);
        ui.picLeft->Line(0, rowY, 7500, rowY, RGB(0, 0, 0));
        const QImage shot = w->grab().toImage();
        QCOMPARE(shot.pixelColor(box.left() + 2, row), QColor(0, 0, 0));
        return;
    }
    // On the axis: the point snapped onto it draws the axial beam (lines on
    // the axis in the right area reach the image), and the numbers read so.
    dragAt(ui.picLeft, pixelOf(ui.picLeft, 3000, kAxis + 20));
    QCOMPARE(w->ObjectY, float(kAxis));
    QVERIFY(!ui.picRigth->figures().isEmpty());
}

void TestLessonLayers::namesStandApart_data() {
    QTest::addColumn<bool>("converging");
    QTest::addColumn<int>("n1Value");
    QTest::addColumn<double>("multiple"); // of the object-side mark distance
    QTest::newRow("converging, d = 1.25 f: B beside F") << true << 0 << 1.25;
    QTest::newRow("converging, d = 2.1 f: B beside 2F") << true << 0 << 2.1;
    QTest::newRow("diverging, d = f: the image near the lens") << false << 0 << 1.0;
    QTest::newRow("diverging, d = f / 2") << false << 0 << 0.5;
    QTest::newRow("diverging, two media, d = f / 2") << false << 20 << 0.5;
}

// No name on the drawing covers another, as painted: boxes from the font's
// own metrics at the laid-out size (15 twips a pixel).
void TestLessonLayers::namesStandApart() {
    QFETCH(bool, converging);
    QFETCH(int, n1Value);
    QFETCH(double, multiple);
    auto w = benchWith(converging, n1Value, 0);
    const auto ui = TestSupport::controlsOf(*w);
    w->ShowLabels = kTrue;
    const double n1 = 1 + n1Value / 50.0;
    const double P = powerOf(converging, n1, 1);
    const double a = converging ? std::fabs(n1 / P) : std::fabs(1 / P);
    drawFor(*w, float(kLens - multiple * a), float(kAxis - 1000));
    w->RedrawScheme();
    QVERIFY(ui.picLeft->textMarks().size() >= 5); // O, F, 2F, A, B at least
    for (PictureBox* area : {ui.picLeft, ui.picRigth}) {
        QList<QRectF> boxes;
        for (const TextMark& mark : area->textMarks()) {
            const QRectF box = paintedBox(mark);
            for (const QRectF& other : boxes)
                QVERIFY2(!box.intersects(other), qPrintable(mark.text));
            boxes << box;
        }
    }
}

void TestLessonLayers::namesClearOfTheDrawing_data() {
    QTest::addColumn<bool>("converging");
    QTest::addColumn<double>("n1");
    QTest::addColumn<int>("key"); // 1..5, or 0 for the motion's path
    for (bool converging : {true, false})
        for (double n1 : {1.0, 1.33})
            for (int key = 0; key <= 5; ++key)
                QTest::addRow("%s, n1 = %.2f, %s %d", converging ? "converging" : "diverging", n1,
                              key ? "key" : "motion", key)
                    << converging << n1 << key;
}

// Every name as painted, with the real font, in each standard case and at
// positions along the motion's path, with every layer on: inside its area,
// clear of every stroke drawn there (by more than the pen's half width), of
// the axis, the lens and the other names, and beside its own point: its box
// within 600 twips (40 laid-out pixels) of it on both axes, the words within
// one more line of the image tip, or twice that of the point of the edge
// nearest to an image off the area (a laid-out
// pixel of tolerance: the marks stand on whole pixels). Each point in sight
// has its name.
void TestLessonLayers::namesClearOfTheDrawing() {
    QFETCH(bool, converging);
    QFETCH(double, n1);
    QFETCH(int, key);
    constexpr double kNear = 600 + 15, kWordsNear = kNear + 330, kWordsAtEdge = 2 * kWordsNear;
    constexpr double kAreaWidth = 7500, kAreaHeight = 8025;
    constexpr double kFar = 760000; // an image farther off is not shown
    auto w = benchWith(converging, 0, 0);
    const auto ui = TestSupport::controlsOf(*w);
    w->view().SetLeftIndex(n1);
    w->ShowLabels = kTrue;
    w->ShowThirdRay = kTrue;
    // A click gives the object's area the keyboard; the key then places the object.
    clickAt(w.get(), ui.picLeft->mapTo(w.get(), pixelOf(ui.picLeft, 1500, 3000)));
    QTest::keyClick(w->windowHandle(), Qt::Key(Qt::Key_0 + (key ? key : 1)));

    const double P = powerOf(converging, n1, 1);
    std::vector<double> places{w->ObjectX};
    if (key == 0) {
        // Every half second of two full runs there and back.
        // The power per twip: the front focal length in centimetres.
        const Motion::Path path = Bench::motionPath(n1 / P / Bench::kTwipsPerCm, 1);
        Motion::State state = Motion::start(path);
        constexpr double kStep = 0.5, kRun = 60;
        for (double t = 0; t < kRun; t += kStep) {
            state = Motion::advance(path, state, kStep);
            places.push_back(Bench::xOf(state.z));
        }
    }
    const QRectF room(0, 0, kAreaWidth, kAreaHeight);
    for (double x : places) {
        w->ObjectX = float(x);
        w->RedrawScheme();
        const double d = kLens - w->ObjectX, h = kAxis - w->ObjectY;
        const double vergence = P - n1 / d;
        const double b = 1 / vergence;
        const bool image = std::fabs(b) < kFar;
        const double m = image ? -(n1 * b) / d : 0;
        const QPointF tip(b > 0 ? b : kLens + b, kAxis - h * m);
        const QString where = QStringLiteral("object at %1").arg(x);
        bool primed = false; // a focus named F′: only where the two focal lengths differ
        int centres = 0;     // names O
        for (PictureBox* area : {ui.picLeft, ui.picRigth}) {
            const bool left = area == ui.picLeft;
            const bool imageHere = image && (b < 0) == left;
            // Each name's point, as the model puts it or the bench shows it.
            QMultiMap<QString, QPointF> points;
            if (left) {
                points.insert(QStringLiteral("A"), QPointF(w->ObjectX, w->ObjectY));
                points.insert(QStringLiteral("B"), QPointF(w->ObjectX, kAxis));
            }
            // O, the lens's centre, named on either side of it.
            points.insert(QStringLiteral("O"), QPointF(left ? kLens : 0, kAxis));
            if (imageHere) {
                points.insert(QStringLiteral("A\u2032"), tip);
                points.insert(QStringLiteral("B\u2032"), QPointF(tip.x(), kAxis));
            }
            for (const Shape* mark : marksOn(area)) {
                if (!mark->isVisible())
                    continue;
                const QRectF shown = shownOn(mark, area);
                const bool twice = mark->objectName().startsWith(QStringLiteral("shp2"));
                for (const QString& name : {QStringLiteral("F"), QStringLiteral("F\u2032")})
                    points.insert(twice ? QStringLiteral("2") + name : name, shown.center());
            }
            const QList<QRectF> parts{shownOn(ui.Picture3, area), shownOn(ui.picVexol, area)};
            QList<QRectF> boxes;
            QSet<QString> named;
            for (const TextMark& mark : area->textMarks()) {
                const QRectF box = paintedBox(mark);
                const QString what = where + QStringLiteral(": ") + mark.text;
                QVERIFY2(room.contains(box), qPrintable(what + QStringLiteral(" cut")));
                for (const QRectF& other : boxes)
                    QVERIFY2(!box.intersects(other),
                             qPrintable(what + QStringLiteral(" on a name")));
                boxes << box;
                for (const QRectF& part : parts)
                    QVERIFY2(!box.intersects(part),
                             qPrintable(what + QStringLiteral(" on the bench")));
                const bool atVirtualImage = left && imageHere &&
                                            (!mark.bold || mark.text.startsWith(QLatin1Char('A')) ||
                                             mark.text.startsWith(QLatin1Char('B')));
                for (const Figure& f : area->figures()) {
                    // The extensions, and the rays through it, meet at a virtual
                    // image's tip: its names may stand on them.
                    const QPointF a(f.x1, f.y1), b(f.x2, f.y2);
                    if (atVirtualImage && (f.drawStyle != 0 || pointToSegment(tip, a, b) < 15))
                        continue;
                    const double half = f.drawWidth * 15 / 2.0;
                    const double gap =
                        f.kind == Figure::Kind::Line
                            ? gapBetween(QPointF(f.x1, f.y1), QPointF(f.x2, f.y2), box)
                            : std::max(0.0, reachOf(QPointF(f.x1, f.y1), box) - f.radius);
                    QVERIFY2(gap > half, qPrintable(what + QStringLiteral(" on a stroke")));
                }
                const bool words = !mark.bold;
                if (words) {
                    QVERIFY(imageHere);
                    const QPointF kept(std::clamp(tip.x(), 0.0, kAreaWidth),
                                       std::clamp(tip.y(), 0.0, kAreaHeight));
                    QVERIFY2(reachOf(kept, box) <= (kept == tip ? kWordsNear : kWordsAtEdge),
                             qPrintable(what));
                    if (left && key) // along the motion's path the rays may crowd it off
                        QVERIFY2(distanceTo(kept, box) < distanceTo(points.value("A"), box),
                                 qPrintable(what + QStringLiteral(" nearer A")));
                    named << QStringLiteral("words");
                    continue;
                }
                bool beside = false;
                const double crowded = atVirtualImage ? 1.5 : 1;
                for (const QPointF& p : points.values(mark.text))
                    beside = beside || reachOf(p, box) <= kNear * crowded;
                QVERIFY2(beside, qPrintable(what + QStringLiteral(" away from its point")));
                // Nearer its own point than any other named one, unless the two
                // show as one place (16 laid-out pixels).
                const QPointF own = points.value(mark.text);
                for (auto it = points.cbegin(); it != points.cend(); ++it)
                    if (QLineF(own, it.value()).length() > 240)
                        QVERIFY2(distanceTo(own, box) < distanceTo(it.value(), box),
                                 qPrintable(what + QStringLiteral(" nearer ") + it.key()));
                named << mark.text;
                primed = primed || mark.text.endsWith(QStringLiteral("F\u2032"));
                centres += mark.text == "O";
            }
            // Names for every point in sight: the object's, the image's, O's, and
            // at least the focal marks that stand on the area.
            for (auto it = points.cbegin(); it != points.cend(); ++it)
                if (room.contains(it.value()) && !it.key().contains(QLatin1Char('F')) &&
                    it.key() != "O")
                    QVERIFY2(named.contains(it.key()),
                             qPrintable(where + QStringLiteral(": no ") + it.key()));
            int marksInSight = 0, marksNamed = 0;
            for (const Shape* mark : marksOn(area))
                marksInSight += mark->isVisible() && room.contains(shownOn(mark, area).center());
            for (const QString& name : named)
                marksNamed += name.contains(QLatin1Char('F'));
            QCOMPARE(marksNamed, marksInSight);
            if (imageHere)
                QVERIFY2(named.contains(QStringLiteral("words")), qPrintable(where));
        }
        QCOMPARE(primed, n1 != 1.0);
        QCOMPARE(centres, 1);
    }
}

void TestLessonLayers::namesInsideTheEdges_data() {
    QTest::addColumn<bool>("image"); // the image's corner, or the object's
    QTest::newRow("the object in the top left corner") << false;
    QTest::newRow("a real image in the bottom right corner") << true;
}

// Every name inside its area where its first place would cross an edge by a
// pixel or two: the point swept towards the corner five twips at a time.
void TestLessonLayers::namesInsideTheEdges() {
    QFETCH(bool, image);
    constexpr double kWidth = 7500, kHeight = 8025;
    auto w = benchWith(true, 0, 0);
    w->ObjectPlaced = kTrue;
    const double f = 1 / powerOf(true, 1, 1);
    const Labels::Sizes sizes = Labels::estimatedSizes();
    for (double t = 5; t <= 600; t += 5) {
        // The lens law backwards: the object whose image tip stands at the corner.
        const double b = kWidth - t, d = b * f / (b - f), height = (kHeight - t - kAxis) * d / b;
        w->ObjectX = float(image ? kLens - d : t);
        w->ObjectY = float(image ? kAxis - height : t);
        for (const Labels::Mark& mark : Labels::labelMarks(*w, sizes)) {
            const Labels::Size size = sizes[std::size_t(mark.text)];
            const int corner = int(mark.anchor); // top left, top right, bottom left, bottom right
            const QRectF box(corner % 2 ? mark.x - size.width : mark.x,
                             corner < 2 ? mark.y : mark.y - size.height, size.width, size.height);
            QVERIFY2(QRectF(0, 0, kWidth, kHeight).contains(box),
                     qPrintable(QStringLiteral("%1 at %2").arg(int(mark.text)).arg(t)));
        }
    }
}

void TestLessonLayers::imageColours_data() {
    QTest::addColumn<bool>("safe");
    QTest::addColumn<int>("key"); // 1: beyond 2F, a real image; 5: inside F, a virtual one
    QTest::addColumn<QColor>("colour");
    QTest::newRow("classic real: green") << false << 1 << QColor(0, 255, 0);
    QTest::newRow("classic virtual: red") << false << 5 << QColor(255, 0, 0);
    QTest::newRow("safe real: Okabe-Ito blue") << true << 1 << QColor(0, 114, 178);
    QTest::newRow("safe virtual: Okabe-Ito vermillion") << true << 5 << QColor(213, 94, 0);
}

// The image dot in the palette's colour for its kind (README: blue for the
// real image, vermillion for the virtual one with "Палитра").
void TestLessonLayers::imageColours() {
    QFETCH(bool, safe);
    QFETCH(int, key);
    QFETCH(QColor, colour);
    auto w = benchWith(true, 0, 0);
    const auto ui = TestSupport::controlsOf(*w);
    w->SafePalette = safe ? kTrue : kFalse;
    clickAt(w.get(), ui.picLeft->mapTo(w.get(), pixelOf(ui.picLeft, 1500, 3000)));
    QTest::keyClick(w->windowHandle(), Qt::Key(Qt::Key_0 + key));
    const PictureBox* area = key == 1 ? ui.picRigth : ui.picLeft;
    // The dot at the image point (the object's dot shares the left area).
    const double imageX = w->ImageX;
    int dots = 0;
    for (const Figure& f : area->figures())
        if (f.kind == Figure::Kind::Circle && std::fabs(f.x1 - imageX) < 1 &&
            std::fabs(f.y1 - w->ImageY) < 1) {
            ++dots;
            QCOMPARE(toQColor(f.colour), colour);
        }
    QCOMPARE(dots, 1);
}

void TestLessonLayers::dragLeavesNoTrace_data() {
    QTest::addColumn<bool>("converging");
    QTest::addColumn<bool>("layers");
    QTest::addColumn<QSize>("window");
    QTest::newRow("converging, every layer, laid out") << true << true << QSize();
    QTest::newRow("diverging, every layer, laid out") << false << true << QSize();
    QTest::newRow("converging, layers off, 1366x768") << true << false << QSize(1366, 768);
    QTest::newRow("converging, every layer, 1920x1080") << true << true << QSize(1920, 1080);
}

// A drag repaints only where the construction and the names were and are: what
// the screen shows after each move must be what it shows once the whole window
// is painted anew, or a ray, a name or an arrowhead was left behind.
// The path crosses F, where the image leaps from one side to the other.
void TestLessonLayers::dragLeavesNoTrace() {
    QFETCH(bool, converging);
    QFETCH(bool, layers);
    QFETCH(QSize, window);
    auto w = startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    if (window.isValid()) {
        w->resize(window);
        QApplication::processEvents();
    }
    clickButton(w.get(), converging ? QStringLiteral("cmdSob") : QStringLiteral("cmdRas"));
    if (layers)
        for (const char* button : {"cmdLabels", "cmdThirdRay", "cmdPalette"})
            clickButton(w.get(), QString::fromLatin1(button));
    clickButton(w.get(), QStringLiteral("cmdCx"));
    PictureBox* area = ui.picLeft;
    const double f = std::fabs(w->f1);
    const QPoint start = pixelOf(area, kLens - 2.6 * f, kAxis - 900);
    press(area, start);
    for (double d : {2.6, 2.0, 1.4, 1.05, 0.95, 0.6, 0.3, 1.7, 3.4}) {
        moveHolding(area, pixelOf(area, kLens - d * f, kAxis - 900 + 120 * d));
        settle();
        const QImage shown = w->screen()->grabWindow(w->winId()).toImage();
        const QImage whole = w->grab().toImage().convertToFormat(shown.format());
        for (const QWidget* part : {ui.picLeft, ui.picRigth}) {
            const QRect box(part->mapTo(w.get(), QPoint(0, 0)), part->size());
            const QPoint trace = traceBetween(shown.copy(box), whole.copy(box));
            QVERIFY2(
                trace.x() < 0,
                qPrintable(QStringLiteral("a trace at (%1, %2) of %3 after the move to d = %4 F")
                               .arg(trace.x())
                               .arg(trace.y())
                               .arg(part->objectName())
                               .arg(d)));
        }
    }
    release(area, start);
}

QTEST_MAIN(TestLessonLayers)
#include "tst_lessonlayers.moc"
