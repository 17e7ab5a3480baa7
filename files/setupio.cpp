// SPDX-License-Identifier: GPL-3.0-or-later
// Setup files: the lesson a teacher prepared, as the bench holds it, written to
// and read from a .quellor file. A file is read and checked whole before the
// bench is touched, so a bad one changes nothing.
#include "form1.h"

#include "bench.h"
#include "lens.h"
#include "messages.h"
#include "safewrite.h"
#include "savename.h"
#include "setupfile.h"
#include "taskmode.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <cmath>

namespace {
QString setupFilter() {
    return Form1::tr("Урок Quellor (*.quellor)");
}

QString startFolder(const QString& current) {
    if (!current.isEmpty())
        return QFileInfo(current).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

Setup Form1::CurrentSetup() const {
    // While a task is set the lesson is the bench as it was before.
    if (TaskModeOn())
        return TaskSeries().session().savedSetup;
    Setup setup;
    setup.n1 = n1;
    setup.N = N;
    setup.n2 = n2;
    const Optics::Lens lens = Optics::lensOf(*this);
    setup.leftRadius = std::fabs(lens.leftR) / Bench::kTwipsPerCm;
    setup.rightRadius = std::fabs(lens.rightR) / Bench::kTwipsPerCm;
    setup.converging = ConvergingChosen != kFalse;
    setup.scheme = SchemeView != kFalse;
    const double distance = (Bench::kLensX - double(ObjectX)) / Bench::kTwipsPerCm;
    const double height = (Bench::kAxisY - double(ObjectY)) / Bench::kTwipsPerCm;
    setup.hasObject = ObjectPlaced != kFalse && SetupFile::objectInArea(distance, height);
    if (setup.hasObject) {
        setup.objectDistance = distance;
        setup.objectHeight = height;
    }
    setup.zoomSteps = m_zoomSteps;
    setup.layers = {ShowLabels != kFalse, ShowThirdRay != kFalse, SafePalette != kFalse};
    return setup;
}

void Form1::ApplySetup(const Setup& setup) {
    // Every parameter first, then one recompute and one redraw.
    ApplyAtOnce([&] { applyParameters(setup); });
    // A setup that names a series of tasks opens it over the bench it holds.
    if (setup.hasTasks) {
        TaskSeries().start(setup.taskSeed, Tasks::Level(setup.taskLevel));
        // Saved again, the setup keeps naming its series.
        Setup& saved = TaskSeries().session().savedSetup;
        saved.hasTasks = true;
        saved.taskSeed = setup.taskSeed;
        saved.taskLevel = setup.taskLevel;
    }
}

void Form1::applyParameters(const Setup& setup) {
    cmdCxOff_Click();
    ConvergingChosen = setup.converging ? kTrue : kFalse;
    IsConverging = ConvergingChosen;
    ShapeLens();
    SetLeftIndex(setup.n1);
    SetRightIndex(setup.n2);
    SetLensIndex(setup.N);
    // The surface drawn on each side: in the biconcave layout the lower
    // slider shapes the left one.
    // The layers first: the marks take their colours from the palette.
    ShowLabels = setup.layers.labels ? kTrue : kFalse;
    ShowThirdRay = setup.layers.thirdRay ? kTrue : kFalse;
    SafePalette = setup.layers.safePalette ? kTrue : kFalse;
    const double left = setup.leftRadius * Bench::kTwipsPerCm;
    const double right = setup.rightRadius * Bench::kTwipsPerCm;
    SetUpperRadius(setup.converging ? left : right);
    SetLowerRadius(setup.converging ? right : left);
    ObjectPlaced = setup.hasObject ? kTrue : kFalse;
    ObjectX =
        setup.hasObject ? float(Bench::kLensX - setup.objectDistance * Bench::kTwipsPerCm) : 0;
    ObjectY = setup.hasObject ? float(Bench::kAxisY - setup.objectHeight * Bench::kTwipsPerCm) : 0;
    if (setup.scheme)
        cmdCx_Click();
    m_zoomSteps = setup.zoomSteps;
    ApplyZoom();
}

void Form1::OpenSetup() {
    if (!MayDiscardChanges() || !Messages::roomFor(this, tr("Открыть урок")))
        return;
    const QString path = QFileDialog::getOpenFileName(this, tr("Открыть урок"),
                                                      startFolder(m_setupPath), setupFilter());
    if (!path.isEmpty())
        OpenSetupFile(path);
}

bool Form1::OpenSetupFile(const QString& path) {
    const SetupFile::Result read = SetupFile::read(path);
    if (read.setup)
        TaskSeries().stop();
    if (!read.setup) {
        Messages::tell(this, tr("Урок не открыт"),
                       tr("Не удалось открыть файл «%1»:\n%2")
                           .arg(QDir::toNativeSeparators(path), read.problem));
        return false;
    }
    ApplySetup(*read.setup);
    m_setupPath = path;
    UpdateTitle(false);
    return true;
}

void Form1::SaveSetup() {
    if (m_setupPath.isEmpty())
        SaveSetupAs();
    else
        SaveSetupTo(m_setupPath);
}

void Form1::SaveSetupAs() {
    if (!Messages::roomFor(this, tr("Сохранить урок")))
        return;
    const QString suggested = m_setupPath.isEmpty()
                                  ? QDir(startFolder(m_setupPath)).filePath(tr("урок.quellor"))
                                  : m_setupPath;
    const QString typed =
        QFileDialog::getSaveFileName(this, tr("Сохранить урок"), suggested, setupFilter());
    if (typed.isEmpty())
        return; // cancelled: nothing is written
    const QString path =
        SaveName::decide(this, tr("Сохранить урок"), typed, QStringLiteral("quellor"));
    if (!path.isEmpty())
        SaveSetupTo(path);
}

bool Form1::SaveSetupTo(const QString& path) {
    const QString failure = SafeWrite::write(path, SetupFile::write(CurrentSetup()));
    if (!failure.isEmpty()) {
        Messages::tell(this, tr("Урок не сохранён"), failure);
        return false;
    }
    m_setupPath = path;
    UpdateTitle(false);
    return true;
}

void Form1::MarkModified() {
    // A task on the bench is no change of the lesson.
    if (m_applyDepth > 0 || TaskModeOn() || isWindowModified())
        return;
    UpdateTitle(true);
}

// The title names the setup file, with a mark while the bench differs from it;
// a bench never saved is the program's name alone until it changes.
void Form1::UpdateTitle(bool modified) {
    if (!m_setupPath.isEmpty())
        setWindowTitle(
            tr("%1[*] — Quellor").arg(Messages::titleText(QFileInfo(m_setupPath).fileName())));
    else if (modified)
        setWindowTitle(tr("Quellor[*]"));
    else
        setWindowTitle(tr("Quellor"));
    setWindowModified(modified);
}

bool Form1::MayDiscardChanges() {
    if (!isWindowModified())
        return true;
    switch (Messages::ask(
        this, QMessageBox::Warning, tr("Несохранённые изменения"),
        m_setupPath.isEmpty()
            ? tr("Урок изменён и не сохранён. Сохранить его?")
            : tr("Урок «%1» изменён. Сохранить изменения?").arg(QFileInfo(m_setupPath).fileName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save:
        SaveSetup();
        return !isWindowModified(); // a save cancelled or failed keeps the window
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    if (MayDiscardChanges())
        event->accept();
    else
        event->ignore();
}
