// SPDX-License-Identifier: GPL-3.0-or-later
// Placing the object point in the left area: left-button drags, the right
// button's wipe, and the arrow keys, all given as real input events.
#include "form1.h"
#include "label.h"
#include "picturebox.h"
#include "slider.h"
#include "testsupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {
using namespace TestSupport;

PictureBox* leftArea(Form1* w) {
    const auto ui = TestSupport::controlsOf(*w);
    auto* area = w->findChild<QWidget*>(QStringLiteral("picLeft"));
    if (area != ui.picLeft)
        qFatal("picLeft not found by name");
    return ui.picLeft;
}

// A key press as the platform delivers it: to the window, which hands it to
// the focus widget. `repeat` marks an auto-repeat while the key is held.
void pressKey(Form1* w, Qt::Key key, bool repeat = false,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::simulateEvent(w->windowHandle(), true, key, modifiers, QString(), repeat);
}
} // namespace

class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    void dragStoresPointerAsDelivered_data();
    void dragStoresPointerAsDelivered();
    void otherButtonsPlaceNothing_data();
    void otherButtonsPlaceNothing();
    void pressWipesOnlyWithRightButton_data();
    void pressWipesOnlyWithRightButton();
    void leftPressPlaces_data();
    void leftPressPlaces();
    void dragThroughWindowFollowsGrab();
    void arrowKeysMoveByFifty_data();
    void arrowKeysMoveByFifty();
    void heldArrowKeyFollowsRepeats();
};

void TestPlacement::dragStoresPointerAsDelivered_data() {
    QTest::addColumn<bool>("scheme");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");

    QTest::newRow("scheme, inside") << true << QPoint(300, 200) << Qt::KeyboardModifiers();
    QTest::newRow("scheme, shift held")
        << true << QPoint(300, 200) << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("scheme, left of area") << true << QPoint(-40, 200) << Qt::KeyboardModifiers();
    QTest::newRow("scheme, above area") << true << QPoint(200, -30) << Qt::KeyboardModifiers();
    QTest::newRow("scheme, below area") << true << QPoint(200, 600) << Qt::KeyboardModifiers();
    QTest::newRow("scheme, on lens plane") << true << QPoint(500, 200) << Qt::KeyboardModifiers();
    QTest::newRow("scheme, right of lens") << true << QPoint(700, 200) << Qt::KeyboardModifiers();
    QTest::newRow("lens view, inside") << false << QPoint(300, 200) << Qt::KeyboardModifiers();
    QTest::newRow("lens view, outside") << false << QPoint(-40, 900) << Qt::KeyboardModifiers();
}

// Whatever position a drag delivers is stored unchanged and both areas are
// wiped; in the scheme view the construction is drawn again when the point
// stands left of the lens plane, and nothing at or right of it.
void TestPlacement::dragStoresPointerAsDelivered() {
    QFETCH(bool, scheme);
    QFETCH(QPoint, to);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    if (scheme)
        clickButton(w.get(), "cmdCx");
    PictureBox* area = leftArea(w.get());
    putMarkers(w.get());

    TestSupport::press(area, QPoint(100, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(to), area->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, modifiers);
    QApplication::sendEvent(area, &move);

    QCOMPARE(w->ObjectX, twipsOf(ui.picLeft, to.x()));
    QCOMPARE(w->ObjectY, twipsOf(ui.picLeft, to.y()));
    QVERIFY(!hasMarker(ui.picLeft));
    QVERIFY(!hasMarker(ui.picRigth));
    const bool drawn = scheme && w->ObjectX < 7500;
    QCOMPARE(!ui.picLeft->figures().isEmpty(), drawn);
    QCOMPARE(!ui.picRigth->figures().isEmpty(), drawn);

    // The release places nothing further.
    TestSupport::release(area, to);
    QCOMPARE(w->ObjectX, twipsOf(ui.picLeft, to.x()));
}

void TestPlacement::otherButtonsPlaceNothing_data() {
    QTest::addColumn<Qt::MouseButton>("pressed");
    QTest::addColumn<Qt::MouseButtons>("held");

    QTest::newRow("right") << Qt::RightButton << Qt::MouseButtons(Qt::RightButton);
    QTest::newRow("middle") << Qt::MiddleButton << Qt::MouseButtons(Qt::MiddleButton);
    QTest::newRow("left and right")
        << Qt::RightButton << Qt::MouseButtons(Qt::LeftButton | Qt::RightButton);
    QTest::newRow("left and middle")
        << Qt::MiddleButton << Qt::MouseButtons(Qt::LeftButton | Qt::MiddleButton);
    QTest::newRow("none") << Qt::NoButton << Qt::MouseButtons();
}

// Only the left button alone drags the point; moves with any other buttons
// held place nothing. A left press alone places the point where it lands.
void TestPlacement::otherButtonsPlaceNothing() {
    QFETCH(Qt::MouseButton, pressed);
    QFETCH(Qt::MouseButtons, held);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    clickButton(w.get(), "cmdCx");
    PictureBox* area = leftArea(w.get());
    TestSupport::press(area, QPoint(300, 200));
    TestSupport::moveHolding(area, QPoint(310, 210));
    TestSupport::release(area, QPoint(310, 210));
    putMarkers(w.get());

    if (pressed != Qt::NoButton)
        TestSupport::press(area, QPoint(100, 100), pressed);
    for (int x = 100; x <= 140; x += 10)
        TestSupport::moveHolding(area, QPoint(x, 120), held);
    // A right press wipes; nothing else does.
    QCOMPARE(hasMarker(ui.picLeft), pressed != Qt::RightButton);
    QCOMPARE(w->ObjectX, twipsOf(ui.picLeft, 310));
    QCOMPARE(w->ObjectY, twipsOf(ui.picLeft, 210));
    QCOMPARE(hasMarker(ui.picRigth), pressed != Qt::RightButton);
    if (pressed != Qt::NoButton)
        TestSupport::release(area, QPoint(140, 120), pressed);

    // A left press and release without a move in between places the point.
    TestSupport::clickAt(w.get(), area->mapTo(w.get(), QPoint(50, 60)));
    QCOMPARE(w->ObjectX, twipsOf(ui.picLeft, 50));
    QCOMPARE(w->ObjectY, twipsOf(ui.picLeft, 60));
}

void TestPlacement::pressWipesOnlyWithRightButton_data() {
    QTest::addColumn<bool>("scheme");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("wipes");

    QTest::newRow("scheme, right") << true << Qt::RightButton << true;
    QTest::newRow("scheme, middle") << true << Qt::MiddleButton << false;
    QTest::newRow("lens view, right") << false << Qt::RightButton << true;
    QTest::newRow("lens view, middle") << false << Qt::MiddleButton << false;
}

void TestPlacement::leftPressPlaces_data() {
    QTest::addColumn<bool>("scheme");
    QTest::newRow("scheme") << true;
    QTest::newRow("lens view") << false;
}

// A left press is the first point of a drag: the point goes where it lands,
// both areas are wiped, and the scheme view draws the construction for it.
void TestPlacement::leftPressPlaces() {
    QFETCH(bool, scheme);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    if (scheme)
        clickButton(w.get(), "cmdCx");
    putMarkers(w.get());

    TestSupport::press(leftArea(w.get()), QPoint(120, 90));

    QCOMPARE(w->ObjectX, twipsOf(ui.picLeft, 120));
    QCOMPARE(w->ObjectY, twipsOf(ui.picLeft, 90));
    QVERIFY(!hasMarker(ui.picLeft) && !hasMarker(ui.picRigth));
    // The object dot, green, centred on the press.
    bool dot = false;
    for (const Figure& f : circlesOf(ui.picLeft->figures()))
        dot = dot || (f.colour == RGB(0, 255, 0) && f.x1 == w->ObjectX && f.y1 == w->ObjectY);
    QCOMPARE(dot, scheme);
    TestSupport::release(leftArea(w.get()), QPoint(120, 90));
}

// The right button wipes both areas and draws nothing back; the point stays.
void TestPlacement::pressWipesOnlyWithRightButton() {
    QFETCH(bool, scheme);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, wipes);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    if (scheme)
        clickButton(w.get(), "cmdCx");
    PictureBox* area = leftArea(w.get());
    dragAt(area, QPoint(300, 200));
    putMarkers(w.get());
    const int leftBefore = int(ui.picLeft->figures().size());
    const int rightBefore = int(ui.picRigth->figures().size());

    TestSupport::press(area, QPoint(120, 90), button);
    TestSupport::release(area, QPoint(120, 90), button);

    QCOMPARE(w->ObjectX, 4500.0f);
    QCOMPARE(w->ObjectY, 3000.0f);
    QCOMPARE(int(ui.picLeft->figures().size()), wipes ? 0 : leftBefore);
    QCOMPARE(int(ui.picRigth->figures().size()), wipes ? 0 : rightBefore);
}

// A drag given to the window, as the platform gives it: the press picks the
// area under the pointer, and the area keeps receiving the moves after the
// pointer has crossed the lens plane into the right area. Beyond the plane the
// areas stay empty; back on the left the construction returns.
void TestPlacement::dragThroughWindowFollowsGrab() {
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    clickButton(w.get(), "cmdCx");
    PictureBox* area = leftArea(w.get());
    QWindow* window = w->windowHandle();
    QVERIFY(window);
    const auto inWindow = [&](int x, int y) { return area->mapTo(w.get(), QPoint(x, y)); };

    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, inWindow(200, 100));
    QTest::mouseMove(window, inWindow(300, 200));
    QCOMPARE(w->ObjectX, 4500.0f);
    QCOMPARE(w->ObjectY, 3000.0f);
    QVERIFY(!ui.picLeft->figures().isEmpty());

    for (int x : {499, 500, 560, 640}) {
        QTest::mouseMove(window, inWindow(x, 200));
        QCOMPARE(w->ObjectX, twipsOf(ui.picLeft, x));
        QCOMPARE(ui.picLeft->figures().isEmpty(), x >= 500);
        QCOMPARE(ui.picRigth->figures().isEmpty(), x >= 500);
    }
    // Back in, clear of the marks the point snaps to (F stands at pixel 422).
    QTest::mouseMove(window, inWindow(440, 250));
    QCOMPARE(w->ObjectX, twipsOf(ui.picLeft, 440));
    QCOMPARE(w->ObjectY, twipsOf(ui.picLeft, 250));
    QVERIFY(!ui.picLeft->figures().isEmpty());
    QVERIFY(!ui.picRigth->figures().isEmpty());
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, inWindow(440, 250));

    // After the release a move over the area is no drag.
    QTest::mouseMove(window, inWindow(100, 100));
    QCOMPARE(w->ObjectX, twipsOf(ui.picLeft, 440));
}

void TestPlacement::arrowKeysMoveByFifty_data() {
    QTest::addColumn<bool>("scheme");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<float>("dx");
    QTest::addColumn<float>("dy");

    const Qt::KeyboardModifiers none;
    QTest::newRow("left") << true << Qt::Key_Left << none << -50.0f << 0.0f;
    QTest::newRow("right") << true << Qt::Key_Right << none << 50.0f << 0.0f;
    QTest::newRow("down") << true << Qt::Key_Down << none << 0.0f << 50.0f;
    QTest::newRow("up") << true << Qt::Key_Up << none << 0.0f << -50.0f;
    QTest::newRow("shift+up") << true << Qt::Key_Up << Qt::KeyboardModifiers(Qt::ShiftModifier)
                              << 0.0f << -50.0f;
    QTest::newRow("letter") << true << Qt::Key_A << none << 0.0f << 0.0f;
    QTest::newRow("F5") << true << Qt::Key_F5 << none << 0.0f << 0.0f;
    QTest::newRow("lens view, left") << false << Qt::Key_Left << none << 0.0f << 0.0f;
    QTest::newRow("lens view, down") << false << Qt::Key_Down << none << 0.0f << 0.0f;
    QTest::newRow("lens view, letter") << false << Qt::Key_A << none << 0.0f << 0.0f;
}

// In the scheme view every key pressed in picLeft wipes and redraws, and the
// arrow keys first move the point by 50 twips. In the lens view no key moves
// the point or wipes anything.
void TestPlacement::arrowKeysMoveByFifty() {
    QFETCH(bool, scheme);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(float, dx);
    QFETCH(float, dy);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    if (scheme)
        clickButton(w.get(), "cmdCx");
    PictureBox* area = leftArea(w.get());
    dragAt(area, QPoint(300, 200));
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(area));
    putMarkers(w.get());
    const QString distances = ui.lblDistances->Caption();

    pressKey(w.get(), key, false, modifiers);

    QCOMPARE(w->ObjectX, 4500.0f + dx);
    QCOMPARE(w->ObjectY, 3000.0f + dy);
    // The read-outs follow the point: the distances change with d, and stand as
    // a fresh refresh would write them.
    const QString shown = ui.lblDistances->Caption();
    QCOMPARE(shown != distances, scheme && dx != 0);
    w->ShowReadouts();
    QCOMPARE(shown, ui.lblDistances->Caption());
    QCOMPARE(hasMarker(ui.picLeft), !scheme);
    QCOMPARE(hasMarker(ui.picRigth), !scheme);
    QCOMPARE(ui.picLeft->figures().isEmpty(), false);
}

// Before the point was ever placed, the first arrow key puts it in the middle
// of the left area, 1000 twips above the axis, and moves it from there: Right
// arrow gives (3800, 2990), a point that shows with its construction.
// Holding an arrow key moves the point once for the press and once for every
// repeat the platform delivers. Keys given to another control do not reach
// picLeft.
void TestPlacement::heldArrowKeyFollowsRepeats() {
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    clickButton(w.get(), "cmdCx");
    // Focus by keyboard navigation, not by a click, so that nothing is placed.
    ui.picLeft->setFocus(Qt::TabFocusReason);
    pressKey(w.get(), Qt::Key_Right);
    QCOMPARE(w->ObjectX, 3800.0f);
    QCOMPARE(w->ObjectY, 2990.0f);
    QVERIFY(!ui.picLeft->figures().isEmpty());
    QVERIFY(!ui.picRigth->figures().isEmpty()); // a real image beyond the lens

    pressKey(w.get(), Qt::Key_Down);
    for (int i = 0; i < 9; ++i)
        pressKey(w.get(), Qt::Key_Down, true);
    QTest::simulateEvent(w->windowHandle(), false, Qt::Key_Down, Qt::NoModifier, QString(), false);
    QCOMPARE(w->ObjectY, 3490.0f);
    for (int i = 0; i < 4; ++i)
        pressKey(w.get(), Qt::Key_Left, i > 0);
    QCOMPARE(w->ObjectX, 3600.0f);

    ui.sldn1->setFocus(Qt::TabFocusReason);
    pressKey(w.get(), Qt::Key_Right);
    QCOMPARE(w->ObjectX, 3600.0f);
    QCOMPARE(ui.sldn1->value(), 1);
}

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
