// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "actions.h"
#include "benchstate.h"
#include "raydiagram.h"
#include "notationchoice.h"
#include "scale.h"
#include "setupfile.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

class BenchMode;
class BenchScale;
class CommandButton;
class GraphWindow;
class LessonFile;
class LabMode;
class LessonTools;
class Mode;
class TaskMode;
class QAction;
class Label;
class LineControl;
class PictureBox;
class Shape;
class Slider;
class QIODevice;
class QRegion;

// The one window of the program: the optical bench above, the parameter panel
// below. Its handlers and argument-less procedures hold all the behaviour and
// share the bench state, which the window carries as its own members. The
// member functions are defined beside the subsystem they belong to.
class Form1 : public QWidget, public BenchState {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up and shut-down (app/).
    void Form_Load();
    void cmdExit_Click();

    // Lens view and scheme view (app/).
    void cmdCx_Click();
    void cmdCxOff_Click();
    void PlaceArrowheads(bool outwards);
    void WipeAreas();
    void RedrawScheme();

    // The whole window scales by one factor (app/zoom.cpp): fitted to the
    // window, zoomed in and out from there, full screen on F11.
    void ApplyZoom();
    void ZoomIn();
    void ZoomOut();
    void ZoomToFit();
    void ToggleFullScreen();
    double ZoomFactor() const { return m_zoom; }

    // The lesson's layers (lesson/lessonlayers.cpp), each switched by a button of
    // the lesson strip and its shortcut: the labels and arrows, the third ray,
    // the colour-blind-safe palette. ShowLabelsLayer puts the names on the
    // drawing while the labels are on.
    void cmdLabels_Click();
    void cmdThirdRay_Click();
    void cmdPalette_Click();
    void ShowLabelsLayer();

    // Bench state, focal lengths and marks, lens type, sliders (parameters/).
    void InitBench();
    double OpticalPower() const;
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
    void sldVexol_Change();
    void sldn1_Change();
    void sldn2_Change();
    void sldR1_Change();
    void sldR2_Change();

    // Ray construction (rays/).
    void DrawRayDiagram();
    void MarkRealImage();
    void DrawVirtualImage();
    void DrawAxialBeam();
    // Draws a construction's strokes and takes its work values.
    void DrawConstruction(const Optics::Construction& construction);

    // Object placement (input/).
    void picLeft_MouseDown(int button, int shift, float x, float y);
    void picLeft_MouseMove(int button, int shift, float x, float y);
    void picLeft_KeyDown(int keyCode, int shift);

    // Read-outs of the bench (parameters/readout.cpp): the lens's focal lengths and power, the
    // object's and image's distances, magnification and kind, the radii.
    void ShowReadouts();

    // The letters every distance, focal length, magnification and power is
    // shown in (parameters/notationchoice.cpp): the teacher's choice, kept in
    // the setup, or none to follow the language. Setting one shows it at once.
    Optics::Notation CurrentNotation() const;
    std::optional<Optics::Notation> ChosenNotation() const;
    void SetNotation(std::optional<Optics::Notation> notation);
    void NextNotation();
    // The control's caption and tooltip for the notation now shown.
    void ShowNotation();

    // The object in motion, the graph and the table (lesson/lessontools.h).
    LessonTools& Lesson() const { return *m_lesson; }

    // Exact values (parameters/sliders.cpp): the parameter takes the value given,
    // the slider's thumb the nearest step, without running its handler. Radii
    // are magnitudes in twips of the surface the upper (R1) or lower (R2)
    // slider shapes.
    void SetLeftIndex(double index);
    void SetRightIndex(double index);
    void SetLensIndex(double index);
    void SetUpperRadius(double magnitude);
    void SetLowerRadius(double magnitude);

    // The scale the bench is read in (parameters/benchscale.h): every length
    // shown, typed or saved is the real one it stands for.
    BenchScale& ScaleChoice() const { return *m_scale; }
    Optics::Scale CurrentScale() const;

    // The lesson as a setup file (files/lessonfile.h).
    LessonFile& File() const { return *m_file; }
    // A change of the bench's own, to be saved: the title shows it.
    void MarkModified();
    // Whether an apply step is putting parameters on the bench.
    bool Applying() const { return m_applyDepth > 0; }
    int ZoomSteps() const { return m_zoomSteps; }
    void SetZoomSteps(int steps) { m_zoomSteps = steps; }

    // The index and radius read-outs take a typed value (parameters/readoutedit.cpp):
    // a click or Enter on one opens its editor, Enter takes the value, Escape
    // cancels. False with a hint when the text is no value in range.
    void SetUpReadoutEditing();
    void EditReadout(Label* readout);
    // Closes an open editor without taking its text.
    void CloseReadoutEditor();
    bool TakeTypedValue(Label* readout, const QString& text, QString* hint);
    // A typed front focal length in real centimetres: both radii made equal to
    // give it, or false with the range these indices allow.
    bool TakeFocalLength(double cm, QString* hint);

    // The help window (shell/helpwindow.cpp).
    void ShowHelp();

    // The current mode (modes/) decides what the drawing areas' input and each
    // action mean; the bench's own, or the pupils' tasks. Setting a mode
    // enables the actions it allows.
    Mode& CurrentMode() const { return *m_mode; }
    void SetMode(Mode& mode);
    BenchMode& NormalMode() const { return *m_benchMode; }
    TaskMode& TaskSeries() const { return *m_taskMode; }
    LabMode& Laboratory() const { return *m_labMode; }
    bool TaskModeOn() const;
    bool Allows(Action action) const;
    void EnableActions();

    // One apply step: the parameters a setup, a task or the bench before a
    // task sets are all put first, then the focal lengths are computed and the
    // bench redrawn once. Nested steps join the outer one.
    void ApplyAtOnce(const std::function<void()>& change);
    int Redraws() const { return m_redraws; }

    // The task's wording and verdict, lines over the top of the bench.
    const QList<Label*>& TaskLines() const { return m_taskLines; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Classes that still reach the controls by name.
    friend class LabMode;            // until it uses the bench view
    friend class LessonTools;        // until it uses the bench view
    friend class TaskMode;           // until it uses the bench view

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
    CommandButton* cmdScale;

    // Read-outs in the title band and beside the radius sliders, and the two
    // buttons that copy and save the picture of the bench.
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

    // The lesson strip: open and save the setup, print the worksheet, help.
    CommandButton* cmdOpen;
    CommandButton* cmdSaveSetup;
    CommandButton* cmdPrint;
    CommandButton* cmdHelp;

    // The lesson strip: the task mode and the next task; the task's wording
    // and verdict in lines over the top of the bench.
    CommandButton* cmdTask;
    CommandButton* cmdNextTask;
    // The notation, its letters as caption; a click steps to the next one.
    CommandButton* cmdNotation;
    // The lesson strip: the laboratory work.
    CommandButton* cmdLab;

    // The window built in parts: the bench, the panel, the read-outs, the
    // lesson strip, the task's lines; names for screen readers, the tab order.
    void createControls();
    void createBench();
    void createPanel();
    void createReadouts();
    void createLessonStrip();
    void createTaskLines();
    void nameControls();
    void orderTabs();
    // The handlers wired to the controls; the actions with their keys and the
    // controls that act for them.
    void wireEvents();
    void createActions();
    void leave();

    double m_zoom = 1;   // the factor now in force
    int m_zoomSteps = 0; // steps in (positive) or out (negative) from the fit
    std::unique_ptr<LessonTools> m_lesson;
    std::unique_ptr<LessonFile> m_file;
    std::unique_ptr<BenchScale> m_scale;
    QList<Label*> m_taskLines;
    ActionSet* m_actions = nullptr;
    std::unique_ptr<BenchMode> m_benchMode;
    std::unique_ptr<TaskMode> m_taskMode;
    std::unique_ptr<LabMode> m_labMode;
    Mode* m_mode = nullptr;
    NotationChoice m_notation;
    // The apply step: how deep, whether it is drawing its one redraw, and how
    // many redraws the bench has had.
    int m_applyDepth = 0;
    bool m_applyFlushing = false;
    int m_redraws = 0;
};
