// SPDX-License-Identifier: GPL-3.0-or-later
// The second lens as a teacher works it, pressed where it stands; the final
// image against the lens law 1/F = 1/d + 1/f applied twice, worked out here.
#include "bench.h"
#include "benchlens.h"
#include "benchscale.h"
#include "commandbutton.h"
#include "form1.h"
#include "graphwindow.h"
#include "label.h"
#include "lensmaker.h"
#include "lessontools.h"
#include "measurementtable.h"
#include "picturebox.h"
#include "readout.h"
#include "segmentclip.h"
#include "systemmode.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(Action)

namespace {
constexpr double kCm = Bench::kTwipsPerCm;
constexpr double kF2 = 5; // the second lens as it first stands: N = 1.5, R = ±5 cm, in air

// The image distance behind a lens of focal length F for an object d before
// it (negative d: converging light towards a point behind it).
double imageDistance(double F, double d) {
    return 1 / (1 / F - 1 / d);
}

// A number written after "name = " in a read-out, decimal comma, true minus.
double readNumber(const QString& text, const char* name) {
    const QRegularExpression re(QRegularExpression::escape(QString::fromUtf8(name)) +
                                QStringLiteral(" = ([−\\d,]+)"));
    QString n = re.match(text).captured(1); // none: empty, and no number
    return n.isEmpty() ? NAN : n.replace(QStringLiteral("−"), "-").replace(',', '.').toDouble();
}

QStringList described(const QVector<Figure>& figures) {
    QStringList all;
    for (const Figure& f : figures)
        all << TestSupport::describe(f);
    return all;
}

// A key as the window's shortcuts take it, the window active.
void keyToWindow(Form1* w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : w;
    QTest::simulateEvent(focus, true, key, modifiers, QString(), false);
    QTest::simulateEvent(focus, false, key, modifiers, QString(), false);
}

QPoint windowPoint(Form1& w, PictureBox* area, double x, double y) {
    return area->mapTo(&w, TestSupport::pixelOf(area, x, y));
}

// The window with the object placed d cm before the lens, and the strip's
// "Система" pressed where it stands.
std::unique_ptr<Form1> withSystem(double d) {
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    TestSupport::clickAt(w.get(), windowPoint(*w, ui.picLeft, Bench::kLensX - d * kCm, 3000));
    const QPoint button = TestSupport::middleOf(ui.cmdSystem);
    if (TestSupport::clickAt(w.get(), button) != ui.cmdSystem)
        qFatal("the system's button is not where a user presses it");
    return w;
}
} // namespace

class TestSystemMode : public QObject {
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
    void dragLens_data();
    void dragLens();
    void keys_data();
    void keys();
    void escapeGivesBenchBack();
    void names_data();
    void names();
    void secondLensAsDrawn_data();
    void secondLensAsDrawn();
    void finalImageLessonTools_data();
    void finalImageLessonTools();
};

void TestSystemMode::rules_data() {
    QTest::addColumn<Action>("action");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("sliders") << Action::Sliders << true;
    QTest::newRow("lens type") << Action::LensType << true;
    QTest::newRow("names") << Action::Labels << true;
    QTest::newRow("motion") << Action::Motion << true;
    QTest::newRow("graph") << Action::Graph << true;
    QTest::newRow("table's record") << Action::Record << true;
    QTest::newRow("worksheet") << Action::Print << true;
    QTest::newRow("tasks") << Action::Task << false;
    QTest::newRow("a lab row's Delete") << Action::LabDeleteRow << false;
}

void TestSystemMode::rules() {
    QFETCH(Action, action);
    QFETCH(bool, allowed);
    auto w = withSystem(10);
    QVERIFY(w->view().Systems().secondLens() && w->SchemeView &&
            TestSupport::controlsOf(*w).cmdSystem->isChecked());
    QCOMPARE(w->view().Allows(action), allowed);
}

void TestSystemMode::dragLens_data() {
    QTest::addColumn<double>("d");  // the object before the first lens, cm
    QTest::addColumn<double>("to"); // where lens 2 is dragged, cm behind the first
    QTest::addColumn<bool>("touch");
    QTest::newRow("A1B1 before lens 2") << 6.0 << 9.0 << false;
    QTest::newRow("A1B1 inside F2: virtual A2B2") << 12.0 << 4.5 << false;
    QTest::newRow("A1B1 beyond lens 2: converging light") << 2.5 << 4.0 << false;
    QTest::newRow("in contact, dragged past the first lens") << 8.0 << -1.0 << false;
    QTest::newRow("past the far end") << 8.0 << 14.0 << false;
    QTest::newRow("by a finger") << 6.0 << 10.0 << true;
}

void TestSystemMode::dragLens() {
    QFETCH(double, d);
    QFETCH(double, to);
    QFETCH(bool, touch);
    auto w = withSystem(d);
    const auto ui = TestSupport::controlsOf(*w);
    const double from = w->view().Systems().secondLens()->distance;
    // Pressed 100 twips beside its line, dragged, released, with the mouse or
    // a finger, at points of the window.
    const auto point = [&](double cm) {
        return windowPoint(*w, ui.picRigth, cm * kCm + 100, 4500);
    };
    QCOMPARE(w->childAt(point(from)), ui.picRigth);
    if (touch) {
        static QPointingDevice* finger = QTest::createTouchDevice();
        QTest::touchEvent(w.get(), finger).press(0, point(from));
        QTest::touchEvent(w.get(), finger).move(0, point((from + to) / 2));
        QTest::touchEvent(w.get(), finger).move(0, point(to));
        QTest::touchEvent(w.get(), finger).release(0, point(to));
    } else {
        QWidget* there = w->childAt(point(from));
        TestSupport::press(there, there->mapFrom(w.get(), point(from)));
        for (const double x : {(from + to) / 2, to})
            TestSupport::moveHolding(there, there->mapFrom(w.get(), point(x)));
        TestSupport::release(there, there->mapFrom(w.get(), point(to)));
    }
    const double s = w->view().Systems().secondLens()->distance;
    const double pixel = TestSupport::twipsOf(ui.picRigth, 1) / kCm;
    QVERIFY2(std::fabs(s - std::clamp(to, 0.0, 13.0)) <= 1.5 * pixel,
             qPrintable(QString::number(s)));

    // The lens law twice, from the object the press placed.
    const Optics::Lens lens = Optics::lensOf(*w);
    const double F1 = 1 / LensMaker::thinLensPower(1, lens.N, 1, lens.leftR, lens.rightR);
    const double d1 = Bench::cmOf(Bench::kLensX - w->ObjectX);
    const double b1 = imageDistance(F1, d1);
    const double b2 = imageDistance(kF2, s - b1);
    const QString distances = ui.lblDistances->Caption();
    QVERIFY2(std::fabs(readNumber(distances, "f₂") - b2) <= 0.006, qPrintable(distances));
    const double gamma = (b1 / d1) * (b2 / (s - b1));
    const QString lines = w->view().TaskLines().at(0)->Caption();
    // Each lens's own magnification, the second's against A₁B₁ as its object.
    for (const auto& [name, value] :
         {std::pair{"Γ₁", b1 / d1}, {"Γ₂", b2 / (s - b1)}, {"Γ₁·Γ₂", gamma}})
        QVERIFY2(std::fabs(readNumber(lines, name) - std::fabs(value)) <= 0.006, qPrintable(lines));
    const QString kind = ui.lblImageKind->Caption();
    QVERIFY2(kind.contains(b2 > 0 ? "действительное" : "мнимое") &&
                 kind.contains(gamma > 0 ? "прямое" : "перевёрнутое"),
             qPrintable(kind));
    QCOMPARE(w->view().TaskLines().at(1)->isVisible(), b1 > s);
    QCOMPARE(w->view().TaskLines().at(1)->Caption().contains("сходящиеся"), b1 > s);
    // Lenses in contact: the powers add, D = D1 + D2.
    const QString sum = QStringLiteral("= %1 дптр").arg(Readout::number(100 / F1 + 100 / kF2));
    QCOMPARE(lines.contains("D₁ + D₂") && lines.contains(sum), s == 0);
}

void TestSystemMode::keys_data() {
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<int>("presses");
    QTest::addColumn<double>("distance"); // bench cm after the presses, from 6
    QTest::newRow("right, a millimetre each") << 1 << int(Qt::Key_Right) << false << 3 << 6.3;
    QTest::newRow("shift left, a centimetre") << 1 << int(Qt::Key_Left) << true << 2 << 4.0;
    QTest::newRow("1 : 2, half a bench millimetre") << 2 << int(Qt::Key_Right) << false << 4 << 6.2;
    QTest::newRow("1 : 5, shift") << 5 << int(Qt::Key_Left) << true << 5 << 5.0;
    QTest::newRow("held past the far end") << 1 << int(Qt::Key_Right) << true << 9 << 13.0;
}

void TestSystemMode::keys() {
    QFETCH(int, scale);
    QFETCH(int, key);
    QFETCH(bool, shift);
    QFETCH(int, presses);
    QFETCH(double, distance);
    auto w = withSystem(10);
    const auto ui = TestSupport::controlsOf(*w);
    w->view().ScaleChoice().set(*Optics::Scale::of(scale));
    // A click in the right area away from the lens takes the focus, and nothing else.
    TestSupport::clickAt(w.get(), windowPoint(*w, ui.picRigth, 2000, 7000));
    QVERIFY(w->view().Systems().secondLens()->distance == 6.0 && w->focusWidget() == ui.picRigth);
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(w->focusWidget(), Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(w->view().Systems().secondLens()->distance, distance);
    QTest::keyClick(w->focusWidget(), Qt::Key_Delete);
    QVERIFY(!w->view().Systems().secondLens());
}

void TestSystemMode::escapeGivesBenchBack() {
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    TestSupport::clickAt(w.get(), windowPoint(*w, ui.picLeft, 4000, 3000));
    w->cmdCx_Click();
    w->RedrawScheme();
    const QStringList left = described(ui.picLeft->figures());
    const QStringList right = described(ui.picRigth->figures());
    const QString distances = ui.lblDistances->Caption();
    TestSupport::clickAt(w.get(), TestSupport::middleOf(ui.cmdSystem));
    QVERIFY(w->view().Systems().secondLens() && described(ui.picRigth->figures()) != right);
    // A right press in the left area leaves the system's figure standing.
    const QStringList system = described(ui.picRigth->figures());
    TestSupport::clickAt(w.get(), windowPoint(*w, ui.picLeft, 2000, 6000), Qt::RightButton);
    QCOMPARE(described(ui.picRigth->figures()), system);
    keyToWindow(w.get(), Qt::Key_Escape);
    QVERIFY(!w->view().Systems().secondLens() && !ui.cmdSystem->isChecked());
    QCOMPARE(described(ui.picLeft->figures()), left);
    QCOMPARE(described(ui.picRigth->figures()), right);
    QCOMPARE(ui.lblDistances->Caption(), distances);
    QVERIFY(!w->view().TaskLines().at(0)->isVisible() && w->view().Allows(Action::Graph));
    // Ctrl+2 puts it back where it stood.
    keyToWindow(w.get(), Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(w->view().Systems().secondLens()->distance, 6.0);
}

void TestSystemMode::names_data() {
    QTest::addColumn<double>("d");
    QTest::addColumn<bool>("signedNotation");
    QTest::addColumn<QStringList>("expected");
    const QStringList points{"A", "B", "A₁", "B₁", "A₂", "B₂", "O₁", "O₂"};
    // Virtual A₂B₂ before the first lens; F and F′ where the signed notation
    // names two focal lengths even in one medium.
    QTest::newRow("school") << 11.89 << false << points + QStringList{"F₁", "F₂"};
    QTest::newRow("signed") << 11.89 << true << points + QStringList{"F₁′", "F₂′"};
    QTest::newRow("A₁B₁ beyond lens 2") << 2.6 << false << points;
}

void TestSystemMode::names() {
    QFETCH(double, d);
    QFETCH(bool, signedNotation);
    QFETCH(QStringList, expected);
    auto w = withSystem(d);
    const auto ui = TestSupport::controlsOf(*w);
    if (signedNotation)
        w->view().SetNotation(Optics::Notation::SignedGaussian);
    keyToWindow(w.get(), Qt::Key_L, Qt::ControlModifier);
    QStringList shown;
    for (PictureBox* area : {ui.picLeft, ui.picRigth})
        for (const TextMark& m : area->textMarks()) {
            shown << m.text;
            // Inside its area and across no stroke drawn there.
            const QSizeF size = m.measuredTwips(area);
            const bool right =
                m.anchor == TextMark::Anchor::TopRight || m.anchor == TextMark::Anchor::BottomRight;
            const bool bottom = m.anchor == TextMark::Anchor::BottomLeft ||
                                m.anchor == TextMark::Anchor::BottomRight;
            const QRectF box(right ? m.x - size.width() : m.x, bottom ? m.y - size.height() : m.y,
                             size.width(), size.height());
            QVERIFY2(QRectF(0, 0, Bench::kAreaWidth, 8025).contains(box), qPrintable(m.text));
            for (const Figure& f : TestSupport::linesOf(area->figures()))
                QVERIFY2(!clipSegment(QLineF(f.x1, f.y1, f.x2, f.y2), box.adjusted(9, 9, -9, -9)),
                         qPrintable(m.text));
        }
    for (const QString& name : expected)
        QVERIFY2(shown.contains(name), qPrintable(shown.join(' ')));
    QVERIFY2(!shown.contains(QStringLiteral("A′")), qPrintable(shown.join(' ')));
    // As the lesson names an arrow: A its tip, B its foot on the axis (the
    // object, tall enough for its names to stand by their points).
    const auto offAxis = [&](const QString& name) {
        for (const TextMark& m : ui.picLeft->textMarks())
            if (m.text == name)
                return std::fabs(m.y - Bench::kAxisY);
        return -1.0;
    };
    QVERIFY(offAxis("A") > offAxis("B") + 300);
}

void TestSystemMode::secondLensAsDrawn_data() {
    QTest::addColumn<double>("R1");
    QTest::addColumn<double>("after");
    QTest::addColumn<bool>("converging");
    QTest::newRow("biconvex, air behind") << 5.0 << 1.0 << true;
    QTest::newRow("biconcave, water behind") << -5.0 << 1.33 << false;
}

// As a setup file puts it: its symbol's arrowheads point out from the axis for
// a converging lens and in for a diverging one, and the medium behind it has
// the tint the window gives a medium of that index.
void TestSystemMode::secondLensAsDrawn() {
    QFETCH(double, R1);
    QFETCH(double, after);
    QFETCH(bool, converging);
    auto w = withSystem(10);
    const auto ui = TestSupport::controlsOf(*w);
    w->view().Systems().putSecondLens(Optics::SecondLens{6, {1.5, R1, -R1}, after});
    const double lensX = 6 * kCm;
    double apex = 0;
    double arms = 0; // the farthest from the axis, on the lens's line and off it
    for (const Figure& f : TestSupport::linesOf(ui.picRigth->figures()))
        if (f.colour == RGB(0, 0, 192))
            for (const auto& [x, y] : {std::pair{f.x1, f.y1}, std::pair{f.x2, f.y2}}) {
                double& farthest = std::fabs(x - lensX) < 1 ? apex : arms;
                farthest = std::max(farthest, std::fabs(y - Bench::kAxisY));
            }
    QVERIFY(apex > 1000 && arms > 1000);
    QCOMPARE(apex > arms, converging);
    auto* medium = w->findChild<PictureBox*>(QStringLiteral("picSystemMedium"));
    const RgbValue between = ui.picRigth->BackColor();
    w->view().SetLeftIndex(after);
    QCOMPARE(medium->isVisible(), ui.picLeft->BackColor() != between);
    if (medium->isVisible())
        QCOMPARE(medium->BackColor(), ui.picLeft->BackColor());
}

QTEST_MAIN(TestSystemMode)
// The graph, the table and the motion with the second lens standing, their
// buttons pressed where they are: b₂ and Γ of the final image by the lens law
// applied twice, on the curve, at the object's point, in the row recorded,
// where the motion takes the object, and after lens 2 moved in quick steps.
void TestSystemMode::finalImageLessonTools_data() {
    QTest::addColumn<double>("d");
    QTest::newRow("A1B1 before lens 2") << 11.0;
    QTest::newRow("A1B1 beyond lens 2") << 7.0;
    QTest::newRow("A1B1 virtual, before lens 1") << 2.0;
}

void TestSystemMode::finalImageLessonTools() {
    QFETCH(double, d);
    auto w = withSystem(d);
    const auto ui = TestSupport::controlsOf(*w);
    const Optics::Lens lens = Optics::lensOf(*w);
    const double F1 = 1 / LensMaker::thinLensPower(1, lens.N, 1, lens.leftR, lens.rightR);
    double s = w->view().Systems().secondLens()->distance;
    const auto b2 = [&](double at) { return imageDistance(kF2, s - imageDistance(F1, at)); };
    const auto gamma = [&](double at) {
        return std::fabs(imageDistance(F1, at) / at * b2(at) / (s - imageDistance(F1, at)));
    };
    const auto near = [](double a, double b) {
        return std::fabs(a - b) <= 1e-3 * std::max(1.0, std::fabs(b));
    };
    const auto onCurve = [&](GraphWindow* graph) {
        const QList<QPointF> points = graph->imageCurvePoints();
        return points.size() > 300 && std::all_of(points.begin(), points.end(), [&](QPointF p) {
                   return near(p.y(), b2(p.x()));
               });
    };
    const auto object = [&] { return Bench::cmOf(Bench::kLensX - w->ObjectX); };
    TestSupport::clickAt(w.get(), TestSupport::middleOf(ui.cmdGraph));
    GraphWindow* graph = w->view().Lesson().graph();
    QVERIFY(graph && graph->isVisible() && onCurve(graph));
    QList<QPointF> point = graph->objectPoints();
    QVERIFY(point.size() == 2 && near(point[0].y(), b2(object())) &&
            near(point[1].y(), gamma(object())));
    TestSupport::clickAt(w.get(), TestSupport::middleOf(ui.cmdRecord));
    const Measurements::Row row = graph->table()->rows().at(0);
    QVERIFY(near(row.b, b2(object())) && near(std::fabs(row.magnification), gamma(object())));

    // The motion's object (it starts from the far left) and its final image.
    TestSupport::clickAt(w.get(), TestSupport::middleOf(ui.cmdMotion));
    QVERIFY(QTest::qWaitFor([&] { return std::fabs(object() - d) > 1; }, 5000));
    TestSupport::clickAt(w.get(), TestSupport::middleOf(ui.cmdMotion));
    point = graph->objectPoints();
    QVERIFY(point.size() == 2 && near(point[0].y(), b2(object())) &&
            std::fabs(readNumber(ui.lblDistances->Caption(), "f₂") - b2(object())) <= 0.006);
    // Lens 2 by 3 cm in quick steps: the curves end where it stands.
    TestSupport::clickAt(w.get(), windowPoint(*w, ui.picRigth, 2000, 7000));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(w->focusWidget(), Qt::Key_Right, Qt::ShiftModifier);
    s = w->view().Systems().secondLens()->distance;
    QTRY_VERIFY(s == 9 && onCurve(graph));
}

#include "tst_systemmode.moc"
