// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "actions.h"
#include "benchstate.h"
#include "benchview.h"
#include "notationchoice.h"
#include "raydiagram.h"
#include "scale.h"
#include "setupfile.h"

#include <QWidget>
#include <functional>
#include <memory>

class BenchMode;
struct FigureParts;
class BenchScale;
class CommandButton;
class GraphWindow;
class LessonFile;
class LabMode;
class LessonTools;
class Mode;
class SceneMode;
class SystemMode;
class TaskMode;
class QAction;
namespace Export {
struct Model;
}
class Form1;
namespace WindowExport {
Export::Model modelOf(Form1& window);
}
class Label;
class LineControl;
class PictureBox;
class Shape;
class Slider;

// The one window of the program: the optical bench above, the parameter panel
// below. Its handlers and argument-less procedures hold all the behaviour and
// share the bench state, which the window carries as its own members. The
// member functions are defined beside the subsystem they belong to.
class Form1 : public QWidget, public BenchState, private BenchView {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The bench as everything beyond the window works it: the modes, the
    // lesson tools, the setup files, the shell (app/benchview.h).
    BenchView& view() { return *this; }
    const BenchView& view() const { return *this; }

    // Start-up and shut-down (app/).
    void Form_Load();
    void cmdExit_Click();

    // Lens view and scheme view (app/).
    void cmdCx_Click();
    void cmdCxOff_Click();
    void PlaceArrowheads(bool outwards);
    void WipeAreas();
    void RedrawScheme();

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

    // Object placement (input/).
    void picLeft_MouseDown(int button, int shift, float x, float y);
    void picLeft_MouseMove(int button, int shift, float x, float y);
    void picLeft_KeyDown(int keyCode, int shift);

    // Read-outs of the bench (parameters/readout.cpp): the lens's focal lengths and power, the
    // object's and image's distances, magnification and kind, the radii.
    void ShowReadouts();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The model an export takes, read from the bench as it stands (app/windowexport.cpp).
    friend Export::Model WindowExport::modelOf(Form1& window);

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
    // The lesson strip: the laboratory work, and the optical system (a second lens).
    CommandButton* cmdLab;
    CommandButton* cmdSystem;

    // The bench view (app/benchview.cpp): what the modes, the lesson tools
    // and the setup files may read and do, each call in the window's terms.
    const BenchState& State() const override { return *this; }
    QWidget& Window() override { return *this; }
    Optics::Notation CurrentNotation() const override;
    std::optional<Optics::Notation> ChosenNotation() const override;
    void SetNotation(std::optional<Optics::Notation> notation) override;
    Optics::Scale CurrentScale() const override;
    BenchScale& ScaleChoice() const override { return *m_scale; }
    LessonFile& File() const override { return *m_file; }
    LessonTools& Lesson() const override { return *m_lesson; }
    BenchMode& NormalMode() const override { return *m_benchMode; }
    TaskMode& TaskSeries() const override { return *m_taskMode; }
    LabMode& Laboratory() const override { return *m_labMode; }
    SystemMode& Systems() const override { return *m_systemMode; }
    SceneMode& Scenes() const override { return *m_sceneMode; }
    void ShowLensSymbol(bool shown) override;
    void SetMode(Mode& mode) override;
    bool TaskModeOn() const override;
    bool Allows(Action action) const override;
    void ApplyAtOnce(const std::function<void()>& change) override;
    bool Applying() const override { return m_applyDepth > 0; }
    int Redraws() const override { return m_redraws; }
    void SetLeftIndex(double index) override;
    void SetRightIndex(double index) override;
    void SetLensIndex(double index) override;
    void SetUpperRadius(double magnitude) override;
    void SetLowerRadius(double magnitude) override;
    void ChooseLens(bool converging) override;
    void SetLayers(bool names, bool thirdRay, bool safePalette) override;
    void PlaceObject(float x, float y) override;
    void RemoveObject() override;
    void PlaceByPress(int b, int s, float x, float y) override { picLeft_MouseDown(b, s, x, y); }
    void PlaceByDrag(int b, int s, float x, float y) override { picLeft_MouseMove(b, s, x, y); }
    void PlaceByKey(int keyCode, int shift) override { picLeft_KeyDown(keyCode, shift); }
    void ShowScheme(bool scheme) override;
    void Redraw() override { RedrawScheme(); }
    BenchSnapshot Snapshot() const override;
    void Restore(const BenchSnapshot& snapshot) override;
    void DrawRays() override { DrawRayDiagram(); }
    Optics::Construction Rays() const override;
    void DrawGiven(const Optics::Construction& construction, bool constructed) override;
    PictureBox& LeftArea() const override { return *picLeft; }
    PictureBox& RightArea() const override { return *picRigth; }
    void ShowFocalMarks(bool shown) override;
    void ShowMarkCaptions(bool shown) override;
    void ShowLensControls(bool shown) override;
    void ShowMediaAndTypeControls(bool shown) override;
    void BlankLensReadouts() override;
    void BlankImageReadouts() override;
    void ShowImageReadouts(const QString& distances, const QString& kind) override;
    void AddMenuItem(Action action, QAction* item) override;
    void SetChecked(Action action, bool checked) override;
    void SetToolTip(Action action, const QString& tip, bool describe) override;
    const QList<Label*>& TaskLines() const override { return m_taskLines; }
    double ZoomFactor() const override { return m_zoom; }
    int ZoomSteps() const override { return m_zoomSteps; }
    void SetZoomSteps(int steps) override { m_zoomSteps = steps; }
    void ApplyZoom() override;
    void ToggleFullScreen() override;
    // The button that acts for an action of a mode or a lesson tool.
    CommandButton* buttonFor(Action action) const;

    // The whole window scales by one factor (app/zoom.cpp): fitted to the
    // window, zoomed in and out from there, full screen on F11.
    void ZoomIn();
    void ZoomOut();
    void ZoomToFit();

    // The lesson's layers, each switched by a button of the lesson strip and
    // its shortcut: the labels and arrows, the third ray, the
    // colour-blind-safe palette (app/layerswitch.cpp).
    void cmdLabels_Click();
    void cmdThirdRay_Click();
    void cmdPalette_Click();
    // The names layer on the drawing while the labels are on, and the parts
    // the names keep clear of.
    void ShowLabelsLayer();
    FigureParts figureParts() const;
    // Draws a construction's strokes and takes its work values.
    void DrawConstruction(const Optics::Construction& construction);

    // The notation (parameters/notationchoice.cpp): the next one, and the
    // control's caption and tooltip for the one now shown.
    void NextNotation();
    void ShowNotation();

    // A change of the bench's own, to be saved: the title shows it.
    void MarkModified() override;

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

    // The help window (shell/helpwindow.h).
    void ShowHelp();
    // The actions the current mode allows on, the rest off.
    void EnableActions();

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
    std::unique_ptr<SystemMode> m_systemMode;
    std::unique_ptr<SceneMode> m_sceneMode;
    Mode* m_mode = nullptr;
    NotationChoice m_notation;
    // The apply step: how deep, whether it is drawing its one redraw, and how
    // many redraws the bench has had.
    int m_applyDepth = 0;
    bool m_applyFlushing = false;
    int m_redraws = 0;
};
