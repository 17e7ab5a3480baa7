// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include "commandbutton.h"
#include "form1.h"
#include "label.h"
#include "linecontrol.h"
#include "picturebox.h"
#include "screeninfo.h"
#include "shape.h"
#include "slider.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace TestSupport {

namespace {
// The one control of the window with this name, of the kind the member holds;
// what is wrong otherwise.
template <typename T>
void find(const QWidget& window, const char* name, T*& control, QStringList* problems) {
    const QList<QWidget*> named = window.findChildren<QWidget*>(QString::fromLatin1(name));
    if (named.size() != 1) {
        problems->append(named.isEmpty()
                             ? QStringLiteral("no control named %1").arg(name)
                             : QStringLiteral("%1 controls named %2").arg(named.size()).arg(name));
        return;
    }
    control = dynamic_cast<T*>(named.front());
    if (!control)
        problems->append(
            QStringLiteral("%1 is a %2").arg(name, named.front()->metaObject()->className()));
}
} // namespace

Controls controlsOf(const QWidget& window) {
    QStringList problems;
    const Controls found = findControls(window, &problems);
    if (!problems.isEmpty())
        qFatal("%s: %s", qPrintable(window.objectName()), qPrintable(problems.join("; ")));
    return found;
}

Controls findControls(const QWidget& window, QStringList* problems) {
    Controls c{};
    // The member's name is the object's name.
#define QUELLOR_FIND(name) find(window, #name, c.name, problems)
    QUELLOR_FIND(picVexol);
    QUELLOR_FIND(picLdown);
    QUELLOR_FIND(picRdown);
    QUELLOR_FIND(picRup);
    QUELLOR_FIND(picLup);
    QUELLOR_FIND(Picture3);
    QUELLOR_FIND(picRsob);
    QUELLOR_FIND(picLSob);
    QUELLOR_FIND(Picture1);
    QUELLOR_FIND(picRigth);
    QUELLOR_FIND(picLeft);
    QUELLOR_FIND(Picture2);
    QUELLOR_FIND(shpLsob);
    QUELLOR_FIND(shpRsob);
    QUELLOR_FIND(shpF1);
    QUELLOR_FIND(shp2F1);
    QUELLOR_FIND(shpF2);
    QUELLOR_FIND(shp2F2);
    QUELLOR_FIND(lineSplit);
    QUELLOR_FIND(Line1);
    QUELLOR_FIND(Line2);
    QUELLOR_FIND(Line4);
    QUELLOR_FIND(Line5);
    QUELLOR_FIND(Label5);
    QUELLOR_FIND(lblFleft);
    QUELLOR_FIND(lbl2Fleft);
    QUELLOR_FIND(lbln1);
    QUELLOR_FIND(lblFright);
    QUELLOR_FIND(lbl2Fright);
    QUELLOR_FIND(lbln2);
    QUELLOR_FIND(Label1);
    QUELLOR_FIND(Label2);
    QUELLOR_FIND(Label3);
    QUELLOR_FIND(Label7);
    QUELLOR_FIND(Label4);
    QUELLOR_FIND(lblN);
    QUELLOR_FIND(Label6);
    QUELLOR_FIND(sldR1);
    QUELLOR_FIND(sldR2);
    QUELLOR_FIND(sldn1);
    QUELLOR_FIND(sldn2);
    QUELLOR_FIND(sldVexol);
    QUELLOR_FIND(cmdSob);
    QUELLOR_FIND(cmdRas);
    QUELLOR_FIND(cmdCxOff);
    QUELLOR_FIND(cmdCx);
    QUELLOR_FIND(cmdExit);
    QUELLOR_FIND(cmdScale);
    QUELLOR_FIND(lblDistances);
    QUELLOR_FIND(lblImageKind);
    QUELLOR_FIND(lblFocal);
    QUELLOR_FIND(lblPower);
    QUELLOR_FIND(lblRleft);
    QUELLOR_FIND(lblRright);
    QUELLOR_FIND(picTypeMark);
    QUELLOR_FIND(cmdCopy);
    QUELLOR_FIND(cmdSave);
    QUELLOR_FIND(cmdLabels);
    QUELLOR_FIND(cmdThirdRay);
    QUELLOR_FIND(cmdPalette);
    QUELLOR_FIND(cmdMotion);
    QUELLOR_FIND(cmdGraph);
    QUELLOR_FIND(cmdRecord);
    QUELLOR_FIND(cmdOpen);
    QUELLOR_FIND(cmdSaveSetup);
    QUELLOR_FIND(cmdPrint);
    QUELLOR_FIND(cmdHelp);
    QUELLOR_FIND(cmdTask);
    QUELLOR_FIND(cmdNextTask);
    QUELLOR_FIND(cmdNotation);
    QUELLOR_FIND(cmdLab);
    QUELLOR_FIND(cmdSystem);
#undef QUELLOR_FIND
    return c;
}

std::unique_ptr<Form1> startWindow() {
    auto window = std::make_unique<Form1>();
    window->Form_Load();
    window->show();
    return window;
}

void press(QWidget* widget, QPoint at, Qt::MouseButton button) {
    QTest::mousePress(widget, button, Qt::NoModifier, at);
}

void moveHolding(QWidget* widget, QPoint to, Qt::MouseButtons held) {
    QMouseEvent move(QEvent::MouseMove, QPointF(to), widget->mapToGlobal(QPointF(to)), Qt::NoButton,
                     held, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void release(QWidget* widget, QPoint at, Qt::MouseButton button) {
    QTest::mouseRelease(widget, button, Qt::NoModifier, at);
}

QRect sliderHandle(QSlider* slider) {
    return dynamic_cast<Slider&>(*slider).thumbRect();
}

void dragSliderTo(QSlider* slider, int value, Qt::MouseButtons held) {
    // A press on the thumb, a first move on the spot, then the pointer walks a
    // pixel at a time until the thumb shows the value.
    QPoint at = sliderHandle(slider).center();
    press(slider, at, Qt::LeftButton);
    moveHolding(slider, at, held);
    const int step = value > slider->value() ? 1 : -1;
    for (int i = 0; i < 2000 && slider->value() != value; ++i) {
        at.rx() += step;
        moveHolding(slider, at, held);
    }
    release(slider, at, Qt::LeftButton);
}

QPoint pixelOf(QWidget* area, double xTwips, double yTwips) {
    return ScreenInfo::of(area).toPixels(QPointF(xTwips, yTwips)).toPoint();
}

float twipsOf(QWidget* area, int pixels) {
    return float(ScreenInfo::of(area).toTwips(pixels));
}

QWidget* clickAt(QWidget* window, QPoint at, Qt::MouseButton button) {
    QWidget* there = window->childAt(at);
    if (!there)
        there = window;
    QTest::mouseClick(there, button, {}, there->mapFrom(window, at));
    return there;
}

QWidget* clickMenuItem(const QMenu* menu, QAction* action) {
    const QPoint global = menu->mapToGlobal(menu->actionGeometry(action).center());
    QWidget* there = QApplication::widgetAt(global);
    if (there)
        QTest::mouseClick(there, Qt::LeftButton, {}, there->mapFromGlobal(global));
    return there;
}

QPoint middleOf(const QWidget* control) {
    return control->mapTo(control->window(), control->rect().center());
}

void clickButton(QWidget* window, const QString& name) {
    auto* button = window->findChild<QPushButton*>(name);
    if (!button)
        qFatal("button %s not found", qPrintable(name));
    // Pressed at its middle, as a user aims: a button hidden or covered there
    // cannot be pressed.
    const QPoint at = button->mapTo(window, button->rect().center());
    if (window->childAt(at) != button)
        qFatal("button %s is not where a user can press it", qPrintable(name));
    clickAt(window, at);
}

void dragAt(QWidget* area, QPoint pixels) {
    press(area, pixels);
    moveHolding(area, pixels);
    release(area, pixels);
}

void putMarkers(Form1* window) {
    const Controls ui = controlsOf(*window);
    ui.picLeft->Line(10, 10, 200, 200, kMarker);
    ui.picRigth->Line(10, 10, 200, 200, kMarker);
}

bool hasMarker(const PictureBox* area) {
    for (const Figure& f : area->figures())
        if (f.colour == kMarker)
            return true;
    return false;
}

void drawFor(Form1& window, float x, float y) {
    window.ObjectX = x;
    window.ObjectY = y;
    window.ObjectPlaced = kTrue;
    window.WipeAreas();
    window.DrawRayDiagram();
}

QVector<Figure> linesOf(const QVector<Figure>& figures) {
    QVector<Figure> out;
    for (const Figure& f : figures)
        if (f.kind == Figure::Kind::Line)
            out.append(f);
    return out;
}

QVector<Figure> circlesOf(const QVector<Figure>& figures) {
    QVector<Figure> out;
    for (const Figure& f : figures)
        if (f.kind == Figure::Kind::Circle)
            out.append(f);
    return out;
}

QString describe(const Figure& f) {
    if (f.kind == Figure::Kind::Circle)
        return QStringLiteral("Circle(%1, %2, r %3, colour %4, width %5, fill %6/%7)")
            .arg(f.x1)
            .arg(f.y1)
            .arg(f.radius)
            .arg(f.colour)
            .arg(f.drawWidth)
            .arg(f.fillStyle)
            .arg(f.fillColour);
    return QStringLiteral("Line(%1, %2 - %3, %4, colour %5, width %6, style %7)")
        .arg(f.x1)
        .arg(f.y1)
        .arg(f.x2)
        .arg(f.y2)
        .arg(f.colour)
        .arg(f.drawWidth)
        .arg(f.drawStyle);
}

void acceptFileName(QFileDialog* dialog, const QString& path) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (edit)
        edit->setText(path);
    else
        dialog->selectFile(path);
    QMetaObject::invokeMethod(dialog, "accept");
}

} // namespace TestSupport
