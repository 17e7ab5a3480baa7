// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

class CommandButton;
class Form1;
class Label;
class LineControl;
class QAction;
class QMenu;
class PictureBox;
class QFileDialog;
class QSlider;
class Shape;
class Slider;
class QWidget;

namespace TestSupport {

// The window's controls by their object names, the names they have in the
// window's layout, found once per call: a name missing, doubled or on a control
// of another kind stops the program with that name. Tests read and press the
// controls through these, as the window keeps its own pointers private.
struct Controls {
    PictureBox* picVexol;
    PictureBox* picLdown;
    PictureBox* picRdown;
    PictureBox* picRup;
    PictureBox* picLup;
    PictureBox* Picture3;
    PictureBox* picRsob;
    PictureBox* picLSob;
    PictureBox* Picture1;
    PictureBox* picRigth;
    PictureBox* picLeft;
    PictureBox* Picture2;

    Shape* shpLsob;
    Shape* shpRsob;
    Shape* shpF1;
    Shape* shp2F1;
    Shape* shpF2;
    Shape* shp2F2;

    LineControl* lineSplit;
    LineControl* Line1;
    LineControl* Line2;
    LineControl* Line4;
    LineControl* Line5;

    Label* Label5;
    Label* lblFleft;
    Label* lbl2Fleft;
    Label* lbln1;
    Label* lblFright;
    Label* lbl2Fright;
    Label* lbln2;
    Label* Label1;
    Label* Label2;
    Label* Label3;
    Label* Label7;
    Label* Label4;
    Label* lblN;
    Label* Label6;

    Slider* sldR1;
    Slider* sldR2;
    Slider* sldn1;
    Slider* sldn2;
    Slider* sldVexol;

    CommandButton* cmdSob;
    CommandButton* cmdRas;
    CommandButton* cmdCxOff;
    CommandButton* cmdCx;
    CommandButton* cmdExit;
    CommandButton* cmdScale;

    Label* lblDistances;
    Label* lblImageKind;
    Label* lblFocal;
    Label* lblPower;
    Label* lblRleft;
    Label* lblRright;
    PictureBox* picTypeMark;
    CommandButton* cmdCopy;
    CommandButton* cmdSave;
    CommandButton* cmdLabels;
    CommandButton* cmdThirdRay;
    CommandButton* cmdPalette;
    CommandButton* cmdMotion;
    CommandButton* cmdGraph;
    CommandButton* cmdRecord;

    CommandButton* cmdOpen;
    CommandButton* cmdSaveSetup;
    CommandButton* cmdPrint;
    CommandButton* cmdHelp;

    CommandButton* cmdTask;
    CommandButton* cmdNextTask;
    CommandButton* cmdNotation;
    CommandButton* cmdLab;
    CommandButton* cmdSystem;
};
Controls controlsOf(const QWidget& window);
// The controls found, and a line for each name missing, doubled or on a
// control of another kind.
Controls findControls(const QWidget& window, QStringList* problems);

// A window as the program starts it: created, loaded, shown.
std::unique_ptr<Form1> startWindow();

// Real mouse input, the way a user gives it. QTest::mouseMove drops the held
// button, so moves are sent as QMouseEvents carrying the buttons.
void press(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void moveHolding(QWidget* widget, QPoint to, Qt::MouseButtons held = Qt::LeftButton);
void release(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);

// Where a slider's thumb is now, in its pixels.
QRect sliderHandle(QSlider* slider);

// Drags a slider's thumb with the left button until the slider shows `value`.
void dragSliderTo(QSlider* slider, int value, Qt::MouseButtons held = Qt::LeftButton);

// A point of a picture area given in twips, in its pixels at the window's zoom now.
QPoint pixelOf(QWidget* area, double xTwips, double yTwips);

// A point of an area given in pixels, in the twips the area reports for it.
float twipsOf(QWidget* area, int pixels);

// A click where a user clicks: at a point of the window (in its pixels),
// delivered to whatever widget lies there. Returns that widget.
QWidget* clickAt(QWidget* window, QPoint at, Qt::MouseButton button = Qt::LeftButton);
// A click on the item of an open menu, delivered at its place on the screen to
// whatever window and widget lie there (the menu itself, unless something
// covers it); the widget clicked, or nullptr where nothing lies.
QWidget* clickMenuItem(const QMenu* menu, QAction* action);

// The middle of a control, in its window's pixels: where a user aims at it.
QPoint middleOf(const QWidget* control);

// A click on the button with this object name, at its middle in the window.
void clickButton(QWidget* window, const QString& name);

// A drag in an area as short as a user's: press, one move holding the left
// button, release, all at one point.
void dragAt(QWidget* area, QPoint pixels);

// A figure no construction draws, put on both media areas, to tell whether an
// area has been wiped since.
constexpr RgbValue kMarker = RGB(1, 2, 3);
void putMarkers(Form1* window);
bool hasMarker(const PictureBox* area);

// The construction for an object point, on freshly wiped areas.
void drawFor(Form1& window, float x, float y);

// Figures of one kind, for compact comparisons.
QVector<Figure> linesOf(const QVector<Figure>& figures);
QVector<Figure> circlesOf(const QVector<Figure>& figures);

// A readable description of a figure for failure messages.
QString describe(const Figure& figure);

// A file's name typed into a file dialog's name field, as a user types it, and
// the dialog accepted. (Selecting a file races with the dialog filling in its
// default name while it loads its folder.)
void acceptFileName(QFileDialog* dialog, const QString& path);

} // namespace TestSupport
