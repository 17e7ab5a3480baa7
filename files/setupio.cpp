// SPDX-License-Identifier: GPL-3.0-or-later
// Setup files: the lesson a teacher prepared, as the bench holds it, written to
// and read from a .quellor file. A file is read and checked whole before the
// bench is touched, so a bad one changes nothing.
#include "lessonfile.h"

#include "form1.h"

#include "bench.h"
#include "benchlens.h"
#include "benchoptics.h"
#include "benchscale.h"
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
    return LessonFile::tr("Урок Quellor (*.quellor)");
}

QString startFolder(const QString& current) {
    if (!current.isEmpty())
        return QFileInfo(current).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

LessonFile::LessonFile(Form1& window) : m_window(window) {}

QString LessonFile::path() const {
    return m_path;
}

Setup LessonFile::current() const {
    // While a task is set the lesson is the bench as it was before.
    if (m_window.TaskModeOn())
        return m_window.TaskSeries().session().before.setup;
    Setup setup;
    const Optics::Scale scale = m_window.CurrentScale();
    setup.scale = scale;
    setup.n1 = m_window.n1;
    setup.N = m_window.N;
    setup.n2 = m_window.n2;
    const Optics::Lens lens = Optics::lensOf(m_window);
    setup.leftRadius = scale.realOfBenchCm(std::fabs(lens.leftR));
    setup.rightRadius = scale.realOfBenchCm(std::fabs(lens.rightR));
    setup.converging = m_window.ConvergingChosen != kFalse;
    setup.scheme = m_window.SchemeView != kFalse;
    const double distance = Bench::realCm(scale, Bench::kLensX - double(m_window.ObjectX));
    const double height = Bench::realCm(scale, Bench::kAxisY - double(m_window.ObjectY));
    setup.hasObject = m_window.ObjectPlaced != kFalse &&
                      SetupFile::objectInArea(distance, height, scale, Bench::setupRanges());
    if (setup.hasObject) {
        setup.objectDistance = distance;
        setup.objectHeight = height;
    }
    setup.zoomSteps = m_window.ZoomSteps();
    setup.layers = {m_window.ShowLabels != kFalse, m_window.ShowThirdRay != kFalse,
                    m_window.SafePalette != kFalse};
    setup.notation = m_window.ChosenNotation();
    return setup;
}

void LessonFile::apply(const Setup& setup) {
    // Every parameter first, then one recompute and one redraw.
    m_window.ApplyAtOnce([&] { applyParameters(setup); });
    // A setup that names a series of tasks opens it over the bench it holds.
    if (setup.hasTasks) {
        m_window.TaskSeries().start(setup.taskSeed, Tasks::Level(setup.taskLevel));
        // Saved again, the setup keeps naming its series.
        Setup& saved = m_window.TaskSeries().session().before.setup;
        saved.hasTasks = true;
        saved.taskSeed = setup.taskSeed;
        saved.taskLevel = setup.taskLevel;
    }
}

void LessonFile::applyParameters(const Setup& setup) {
    m_window.cmdCxOff_Click();
    m_window.ConvergingChosen = setup.converging ? kTrue : kFalse;
    m_window.IsConverging = m_window.ConvergingChosen;
    m_window.ShapeLens();
    m_window.SetLeftIndex(setup.n1);
    m_window.SetRightIndex(setup.n2);
    m_window.SetLensIndex(setup.N);
    // The surface drawn on each side: in the biconcave layout the lower
    // slider shapes the left one.
    // The layers first: the marks take their colours from the palette.
    m_window.ShowLabels = setup.layers.labels ? kTrue : kFalse;
    m_window.ShowThirdRay = setup.layers.thirdRay ? kTrue : kFalse;
    m_window.SafePalette = setup.layers.safePalette ? kTrue : kFalse;
    // The file's real lengths, drawn at its scale.
    m_window.ScaleChoice().set(setup.scale);
    const double left = Bench::twipsOfReal(setup.scale, setup.leftRadius);
    const double right = Bench::twipsOfReal(setup.scale, setup.rightRadius);
    m_window.SetUpperRadius(setup.converging ? left : right);
    m_window.SetLowerRadius(setup.converging ? right : left);
    m_window.ObjectPlaced = setup.hasObject ? kTrue : kFalse;
    m_window.ObjectX =
        setup.hasObject
            ? float(Bench::kLensX - Bench::twipsOfReal(setup.scale, setup.objectDistance))
            : 0;
    m_window.ObjectY =
        setup.hasObject ? float(Bench::kAxisY - Bench::twipsOfReal(setup.scale, setup.objectHeight))
                        : 0;
    if (setup.scheme)
        m_window.cmdCx_Click();
    m_window.SetZoomSteps(setup.zoomSteps);
    m_window.ApplyZoom();
    m_window.SetNotation(setup.notation);
}

void LessonFile::open() {
    if (!mayDiscardChanges() || !Messages::roomFor(&m_window, LessonFile::tr("Открыть урок")))
        return;
    const QString path = QFileDialog::getOpenFileName(&m_window, LessonFile::tr("Открыть урок"),
                                                      startFolder(m_path), setupFilter());
    if (!path.isEmpty())
        openFile(path);
}

bool LessonFile::openFile(const QString& path) {
    const SetupFile::Result read = SetupFile::read(path, Bench::setupRanges());
    if (read.setup)
        m_window.TaskSeries().stop();
    if (!read.setup) {
        Messages::tell(&m_window, LessonFile::tr("Урок не открыт"),
                       LessonFile::tr("Не удалось открыть файл «%1»:\n%2")
                           .arg(QDir::toNativeSeparators(path), read.problem));
        return false;
    }
    apply(*read.setup);
    m_path = path;
    updateTitle(false);
    return true;
}

void LessonFile::save() {
    if (m_path.isEmpty())
        saveAs();
    else
        saveTo(m_path);
}

void LessonFile::saveAs() {
    if (!Messages::roomFor(&m_window, LessonFile::tr("Сохранить урок")))
        return;
    const QString suggested =
        m_path.isEmpty() ? QDir(startFolder(m_path)).filePath(LessonFile::tr("урок.quellor"))
                         : m_path;
    const QString typed = QFileDialog::getSaveFileName(&m_window, LessonFile::tr("Сохранить урок"),
                                                       suggested, setupFilter());
    if (typed.isEmpty())
        return; // cancelled: nothing is written
    const QString path = SaveName::decide(&m_window, LessonFile::tr("Сохранить урок"), typed,
                                          QStringLiteral("quellor"));
    if (!path.isEmpty())
        saveTo(path);
}

bool LessonFile::saveTo(const QString& path) {
    const QString failure = SafeWrite::write(path, SetupFile::write(current()));
    if (!failure.isEmpty()) {
        Messages::tell(&m_window, LessonFile::tr("Урок не сохранён"), failure);
        return false;
    }
    m_path = path;
    updateTitle(false);
    return true;
}

void LessonFile::markModified() {
    // A task on the bench is no change of the lesson.
    if (m_window.Applying() || m_window.TaskModeOn() || m_window.isWindowModified())
        return;
    updateTitle(true);
}

// The title names the setup file, with a mark while the bench differs from it;
// a bench never saved is the program's name alone until it changes.
void LessonFile::updateTitle(bool modified) {
    if (!m_path.isEmpty())
        m_window.setWindowTitle(LessonFile::tr("%1[*] — Quellor")
                                    .arg(Messages::titleText(QFileInfo(m_path).fileName())));
    else if (modified)
        m_window.setWindowTitle(LessonFile::tr("Quellor[*]"));
    else
        m_window.setWindowTitle(LessonFile::tr("Quellor"));
    m_window.setWindowModified(modified);
}

bool LessonFile::mayDiscardChanges() {
    if (!m_window.isWindowModified())
        return true;
    switch (Messages::ask(
        &m_window, QMessageBox::Warning, LessonFile::tr("Несохранённые изменения"),
        m_path.isEmpty() ? LessonFile::tr("Урок изменён и не сохранён. Сохранить его?")
                         : LessonFile::tr("Урок «%1» изменён. Сохранить изменения?")
                               .arg(QFileInfo(m_path).fileName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save:
        save();
        return !m_window.isWindowModified(); // a save cancelled or failed keeps the window
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
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
