// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "benchstate.h"

#include <QWidget>

class CommandButton;
class Label;
class LineControl;
class PictureBox;
class Shape;
class Slider;

// The one window of the program: the optical bench above, the parameter panel
// below. Its handlers and argument-less procedures hold all the behaviour and
// share the bench state, which the window carries as its own members. The
// member functions are defined beside the subsystem they belong to.
class Form1 : public QWidget, public BenchState {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    // Start-up and shut-down (app/).
    void Form_Load();
    void cmdExit_Click();

    // Lens view and scheme view (app/).
    void cmdCx_Click();
    void cmdCxOff_Click();
    void PlaceArrowheads(bool outwards);
    void WipeAreas();
    void RedrawScheme();

    // Bench state, focal lengths and marks, lens type, sliders (optics/).
    void InitBench();
    void ComputeFocalLengths();
    void PlaceFocalMarks();
    void cmdSob_Click();
    void cmdRas_Click();
    void ShapeLens();
    void sldVexol_MouseMove(int button, int shift, float x, float y);
    void sldn1_MouseMove(int button, int shift, float x, float y);
    void sldn2_MouseMove(int button, int shift, float x, float y);
    void sldR1_MouseMove(int button, int shift, float x, float y);
    void sldR2_MouseMove(int button, int shift, float x, float y);

    // Ray construction (rays/).
    void DrawRayDiagram();
    void MarkRealImage();
    void DrawVirtualImage();
    void DrawAxialBeam();

    // Object placement (input/).
    void picLeft_MouseDown(int button, int shift, float x, float y);
    void picLeft_MouseMove(int button, int shift, float x, float y);
    void picLeft_KeyDown(int keyCode, int shift);

    // The controls, front to back where they overlap.
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

private:
    void createControls();
    void wireEvents();
};
