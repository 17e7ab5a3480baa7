// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the bench view: each call of a mode, a lesson tool or a setup
// file done with the window's own controls, so that the list of what shows a
// focal point, or which button stands for an action, is written here once.
#include "form1.h"

#include "commandbutton.h"
#include "helpwindow.h"
#include "label.h"
#include "lessonfile.h"
#include "picturebox.h"
#include "shape.h"
#include "slider.h"
#include "taskmode.h"

#include <QAction>
#include <QCloseEvent>
#include <cmath>

void Form1::ChooseLens(bool converging) {
    ConvergingChosen = converging ? kTrue : kFalse;
    IsConverging = ConvergingChosen;
    ShapeLens();
}

void Form1::SetLayers(bool names, bool thirdRay, bool safePalette) {
    ShowLabels = names ? kTrue : kFalse;
    ShowThirdRay = thirdRay ? kTrue : kFalse;
    SafePalette = safePalette ? kTrue : kFalse;
}

void Form1::PlaceObject(float x, float y) {
    ObjectX = x;
    ObjectY = y;
    ObjectPlaced = kTrue;
}

void Form1::RemoveObject() {
    ObjectPlaced = kFalse;
    ObjectX = 0;
    ObjectY = 0;
}

void Form1::ShowScheme(bool scheme) {
    if (scheme)
        cmdCx_Click();
    else
        cmdCxOff_Click();
}

BenchSnapshot Form1::Snapshot() const {
    return {m_file->current(), *this, isWindowModified(), m_file->fileChanges()};
}

// The setup brings back the lens, the media, the view, the layers, the scale
// and the zoom; the exact radii and the object point follow, all in one step.
void Form1::Restore(const BenchSnapshot& snapshot) {
    Setup before = snapshot.setup;
    before.hasTasks = false; // whatever borrowed the bench is being left, not opened again
    // The letters chosen meanwhile are the teacher's, not the borrower's.
    before.notation = ChosenNotation();
    const BenchState& bench = snapshot.bench;
    ApplyAtOnce([&] {
        m_file->apply(before);
        SetUpperRadius(std::fabs(bench.R1));
        SetLowerRadius(std::fabs(bench.R2));
        ObjectX = bench.ObjectX;
        ObjectY = bench.ObjectY;
        ObjectPlaced = bench.ObjectPlaced;
    });
    if (!bench.ConstructionShown) {
        WipeAreas();
        ShowReadouts();
    }
    // Saved or opened meanwhile, the file holds what borrowed the bench (a
    // scene, a series), not this bench: it has to be saved again to keep it.
    m_file->updateTitle(snapshot.modified || snapshot.fileChanges != m_file->fileChanges());
}

Optics::Construction Form1::Rays() const {
    return Optics::rayDiagram(*this,
                              {picLeft->DrawWidth(), picLeft->DrawStyle(), picLeft->FillStyle(),
                               picLeft->FillColor(), picLeft->ForeColor()},
                              {picRigth->DrawWidth(), picRigth->DrawStyle(), picRigth->FillStyle(),
                               picRigth->FillColor(), picRigth->ForeColor()});
}

void Form1::DrawGiven(const Optics::Construction& construction, bool constructed) {
    DrawConstruction(construction);
    // Without the image constructed the read-outs keep it to themselves.
    if (!constructed)
        ConstructionShown = kFalse;
}

// The marks are TwipGeometry's to show: a zoom places them again as they are.
void Form1::ShowFocalMarks(bool shown) {
    for (Shape* mark : {shpF1, shp2F1, shpF2, shp2F2})
        mark->SetVisible(shown);
}

void Form1::ShowMarkCaptions(bool shown) {
    for (Label* caption : {lblFleft, lbl2Fleft, lblFright, lbl2Fright})
        caption->SetVisible(shown);
}

// The radius and index sliders with their captions and read-outs.
void Form1::ShowLensControls(bool shown) {
    for (TwipGeometry* part : std::initializer_list<TwipGeometry*>{
             Label1, sldR1, Label2, sldR2, Label3, lblRleft, lblRright, Label4, lblN, sldVexol})
        part->SetVisible(shown);
}

void Form1::ShowMediaAndTypeControls(bool shown) {
    for (TwipGeometry* part : std::initializer_list<TwipGeometry*>{Label7, sldn1, sldn2, Label6,
                                                                   cmdSob, cmdRas, picTypeMark})
        part->SetVisible(shown);
}

void Form1::ShowLensSymbol(bool shown) {
    const bool drawn = shown && SchemeView != kFalse;
    for (PictureBox* part : {picVexol, picLup, picRup, picLdown, picRdown})
        part->SetVisible(drawn);
}

void Form1::BlankLensReadouts() {
    for (Label* readout : {lblFocal, lblPower})
        readout->SetCaption(QString());
}

void Form1::BlankImageReadouts() {
    for (Label* readout : {lblDistances, lblImageKind})
        readout->SetCaption(QString());
}

void Form1::ShowImageReadouts(const QString& distances, const QString& kind) {
    for (const auto& [readout, text] :
         {std::pair{lblDistances, distances}, std::pair{lblImageKind, kind}}) {
        readout->SetCaption(text);
        // A screen reader reads the text, or what the label is for while it is empty.
        const QString name = text.isEmpty() ? tr("Нет предмета") : QString();
        if (readout->accessibleName() != name)
            readout->setAccessibleName(name);
    }
}

CommandButton* Form1::buttonFor(Action action) const {
    switch (action) {
    case Action::Motion:
    case Action::MotionSpeed:
        return cmdMotion;
    case Action::Graph:
        return cmdGraph;
    case Action::Record:
        return cmdRecord;
    case Action::Task:
        return cmdTask;
    case Action::NextTask:
    case Action::TaskLevel:
        return cmdNextTask;
    case Action::Lab:
    case Action::LabReveal:
    case Action::LabSave:
        return cmdLab;
    case Action::System:
        return cmdSystem;
    default:
        return nullptr;
    }
}

void Form1::AddMenuItem(Action action, QAction* item) {
    CommandButton* button = buttonFor(action);
    if (!button)
        return;
    item->setParent(button);
    button->setContextMenuPolicy(Qt::ActionsContextMenu);
    button->addAction(item);
}

void Form1::SetChecked(Action action, bool checked) {
    if (CommandButton* button = buttonFor(action))
        button->setChecked(checked);
}

void Form1::SetToolTip(Action action, const QString& tip, bool describe) {
    CommandButton* button = buttonFor(action);
    if (!button)
        return;
    button->setToolTip(tip);
    if (describe)
        button->setAccessibleDescription(tip);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (m_taskMode->mayQuit() && m_file->mayDiscardChanges())
        event->accept();
    else
        event->ignore();
}

void Form1::MarkModified() {
    m_file->markModified();
}

void Form1::ShowHelp() {
    HelpWindow::show(*this, CurrentNotation());
}
