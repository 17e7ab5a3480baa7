// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "actions.h"
#include "benchsnapshot.h"
#include "notation.h"
#include "raydiagram.h"
#include "scale.h"

#include <QList>
#include <functional>
#include <optional>

class BenchMode;
class BenchScale;
class Label;
class LabMode;
class LessonFile;
class LessonTools;
class Mode;
class PictureBox;
class QAction;
class QString;
class QWidget;
class SceneMode;
class SystemMode;
class TaskMode;

// The bench as the modes, the lesson tools and the setup files see it: what
// it holds, and what may be done to it, in the program's own words. Nothing
// here names a control; the window decides which of its controls show a
// change, so that a task, the laboratory or a setup file never reach into it.
class BenchView {
public:
    BenchView() = default;
    BenchView(const BenchView&) = delete;
    BenchView& operator=(const BenchView&) = delete;

    // What the bench holds now, read only: every change goes through a call below.
    virtual const BenchState& State() const = 0;
    // The window itself, for the dialogs a mode or a file opens over it and its title.
    virtual QWidget& Window() = 0;

    // The letters every quantity is shown in: the one in force, and the
    // teacher's choice (none: the language's). Setting one shows it at once.
    virtual Optics::Notation CurrentNotation() const = 0;
    virtual std::optional<Optics::Notation> ChosenNotation() const = 0;
    virtual void SetNotation(std::optional<Optics::Notation> notation) = 0;
    // The scale 1 : K the bench is read in, and its choice.
    virtual Optics::Scale CurrentScale() const = 0;
    virtual BenchScale& ScaleChoice() const = 0;
    // The lesson as a setup file; the object in motion, the graph and the table.
    virtual LessonFile& File() const = 0;
    virtual LessonTools& Lesson() const = 0;

    // The modes: the bench's own, the tasks, the laboratory, the system. Setting a mode
    // enables the actions it allows.
    virtual BenchMode& NormalMode() const = 0;
    virtual TaskMode& TaskSeries() const = 0;
    virtual LabMode& Laboratory() const = 0;
    // The optical system: a second lens behind the bench's.
    virtual SystemMode& Systems() const = 0;
    // The scenes: the eye, the instruments, each an optical system of its own.
    virtual SceneMode& Scenes() const = 0;
    virtual void SetMode(Mode& mode) = 0;
    virtual bool TaskModeOn() const = 0;
    virtual bool Allows(Action action) const = 0;

    // One apply step: every parameter the change puts first, then the focal
    // lengths computed and the bench redrawn once; nested steps join the outer.
    virtual void ApplyAtOnce(const std::function<void()>& change) = 0;
    virtual bool Applying() const = 0;
    // How many times the bench has been redrawn.
    virtual int Redraws() const = 0;
    // Exact values: the media's and the lens's indices, and the radius
    // magnitudes (twips) of the surfaces the upper and lower sliders shape;
    // the sliders' thumbs follow to their nearest step.
    virtual void SetLeftIndex(double index) = 0;
    virtual void SetRightIndex(double index) = 0;
    virtual void SetLensIndex(double index) = 0;
    virtual void SetUpperRadius(double magnitude) = 0;
    virtual void SetLowerRadius(double magnitude) = 0;
    // The lens type, shaped at once as its button would.
    virtual void ChooseLens(bool converging) = 0;
    // The lesson's layers: the names, the third ray, the safe palette.
    virtual void SetLayers(bool names, bool thirdRay, bool safePalette) = 0;
    // The object point (left area twips), or no object at all.
    virtual void PlaceObject(float x, float y) = 0;
    virtual void RemoveObject() = 0;
    // The object placed by hand as the bench itself takes it: a press, a
    // drag and a key of the left area (left area twips, the handlers' codes).
    virtual void PlaceByPress(int button, int shift, float x, float y) = 0;
    virtual void PlaceByDrag(int button, int shift, float x, float y) = 0;
    virtual void PlaceByKey(int keyCode, int shift) = 0;
    // The scheme view (with the construction) or the lens view.
    virtual void ShowScheme(bool scheme) = 0;
    // The bench drawn again as it stands, ending in the mode's afterRedraw.
    virtual void Redraw() = 0;
    // A change of the lesson made outside the bench's own controls (a mode's
    // own parts), to be saved: the title shows it.
    virtual void MarkModified() = 0;

    // The bench as it stands, to be put back whole after something borrowed
    // it: the lens, the media, the view, the layers, the scale, the zoom, the
    // object and the title's mark of unsaved changes.
    virtual BenchSnapshot Snapshot() const = 0;
    virtual void Restore(const BenchSnapshot& snapshot) = 0;

    // What a mode draws with: the ordinary construction of the bench as it
    // stands, drawn (with its work values) or handed over to be cut down, and
    // a construction drawn as given, standing for a constructed image or not.
    virtual void DrawRays() = 0;
    virtual Optics::Construction Rays() const = 0;
    virtual void DrawGiven(const Optics::Construction& construction, bool constructed) = 0;
    // The two drawing areas, left of the lens and right of it, for a mode's
    // own figures over the construction.
    virtual PictureBox& LeftArea() const = 0;
    virtual PictureBox& RightArea() const = 0;

    // What the bench shows beside the drawing: the focal marks (F, 2F on
    // either side), their captions, the lens's controls (radii, index and
    // their captions), and the read-outs of the lens (focal length, power)
    // and of the image (distances, kind), blanked until the next redraw.
    virtual void ShowFocalMarks(bool shown) = 0;
    virtual void ShowMarkCaptions(bool shown) = 0;
    virtual void ShowLensControls(bool shown) = 0;
    // The media's sliders and the lens type's buttons, with their captions:
    // meaningless where a scene brings its own media and lenses.
    virtual void ShowMediaAndTypeControls(bool shown) = 0;
    // The bench's lens as the scheme view draws it (its bar and arrowheads),
    // shown again by the next change to the scheme view.
    virtual void ShowLensSymbol(bool shown) = 0;
    virtual void BlankLensReadouts() = 0;
    virtual void BlankImageReadouts() = 0;
    // The image's read-outs written by a mode that forms its own image (the
    // distances, the kind in words), until the next redraw.
    virtual void ShowImageReadouts(const QString& distances, const QString& kind) = 0;

    // The buttons that act for the actions: a mode's own items on one's
    // context menu (taken over by it), its pressed look, its tooltip (and
    // with describe, its description for screen readers too).
    virtual void AddMenuItem(Action action, QAction* item) = 0;
    virtual void SetChecked(Action action, bool checked) = 0;
    virtual void SetToolTip(Action action, const QString& tip, bool describe) = 0;
    // The task's wording and verdict, lines over the top of the bench.
    virtual const QList<Label*>& TaskLines() const = 0;

    // The whole window's zoom: its factor, its steps from the fit (kept in a
    // setup), laid out again; and full screen.
    virtual double ZoomFactor() const = 0;
    virtual int ZoomSteps() const = 0;
    virtual void SetZoomSteps(int steps) = 0;
    virtual void ApplyZoom() = 0;
    virtual void ToggleFullScreen() = 0;

protected:
    ~BenchView() = default;
};
