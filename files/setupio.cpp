// SPDX-License-Identifier: GPL-3.0-or-later
// Setup files: the lesson a teacher prepared, as the bench holds it, written to
// and read from a .quellor file. A file is read and checked whole before the
// bench is touched, so a bad one changes nothing.
#include "lessonfile.h"

#include "benchview.h"

#include "bench.h"
#include "benchlens.h"
#include "benchoptics.h"
#include "benchscale.h"
#include "benchstate.h"
#include "lens.h"
#include "messages.h"
#include "safewrite.h"
#include "savename.h"
#include "scenemode.h"
#include "secondlens.h"
#include "setupfile.h"
#include "systemmode.h"
#include "taskmode.h"

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

LessonFile::LessonFile(BenchView& view) : m_view(view) {}

QString LessonFile::path() const {
    return m_path;
}

Setup LessonFile::current() const {
    // While a task is set the lesson is the bench as it was before.
    if (m_view.TaskModeOn())
        return m_view.TaskSeries().session().before.setup;
    const BenchState& bench = m_view.State();
    Setup setup;
    const Optics::Scale scale = m_view.CurrentScale();
    setup.scale = scale;
    setup.n1 = bench.n1;
    setup.N = bench.N;
    setup.n2 = bench.n2;
    const Optics::Lens lens = Optics::lensOf(bench);
    setup.leftRadius = scale.realOfBenchCm(std::fabs(lens.leftR));
    setup.rightRadius = scale.realOfBenchCm(std::fabs(lens.rightR));
    setup.converging = bench.ConvergingChosen != kFalse;
    setup.scheme = bench.SchemeView != kFalse;
    const double distance = Bench::realCm(scale, Bench::kLensX - double(bench.ObjectX));
    const double height = Bench::realCm(scale, Bench::kAxisY - double(bench.ObjectY));
    setup.hasObject = bench.ObjectPlaced != kFalse &&
                      SetupFile::objectInArea(distance, height, scale, Bench::setupRanges());
    if (setup.hasObject) {
        setup.objectDistance = distance;
        setup.objectHeight = height;
    }
    setup.zoomSteps = m_view.ZoomSteps();
    setup.layers = {bench.ShowLabels != kFalse, bench.ShowThirdRay != kFalse,
                    bench.SafePalette != kFalse};
    setup.notation = m_view.ChosenNotation();
    // The second lens in the teacher's real centimetres. The window makes
    // only biconvex and biconcave lenses, the shapes the file holds.
    if (const auto second = m_view.Systems().secondLens())
        if (const auto shape = Optics::shapeOf(second->lens))
            setup.secondLens = SetupFormat::SecondLensSetup{scale.realOfBenchCm(second->distance),
                                                            shape->biconvex,
                                                            second->lens.N,
                                                            scale.realOfBenchCm(shape->left),
                                                            scale.realOfBenchCm(shape->right),
                                                            second->after};
    // A scene keeps its own parameters; the bench above is the one it drew on.
    setup.scene = m_view.Scenes().saved();
    return setup;
}

void LessonFile::apply(const Setup& setup) {
    // Every parameter first, then one recompute and one redraw.
    m_view.ApplyAtOnce([&] { applyParameters(setup); });
    // A lesson with a scene opens it over the bench it holds; one without
    // leaves a scene that was open.
    m_view.Scenes().put(setup.scene);
    // A setup that names a series of tasks opens it over the bench it holds.
    if (setup.hasTasks) {
        m_view.TaskSeries().start(setup.taskSeed, Tasks::Level(setup.taskLevel));
        // Saved again, the setup keeps naming its series.
        Setup& saved = m_view.TaskSeries().session().before.setup;
        saved.hasTasks = true;
        saved.taskSeed = setup.taskSeed;
        saved.taskLevel = setup.taskLevel;
    }
}

void LessonFile::applyParameters(const Setup& setup) {
    m_view.ShowScheme(false);
    m_view.ChooseLens(setup.converging);
    m_view.SetLeftIndex(setup.n1);
    m_view.SetRightIndex(setup.n2);
    m_view.SetLensIndex(setup.N);
    // The layers first: the marks take their colours from the palette.
    m_view.SetLayers(setup.layers.labels, setup.layers.thirdRay, setup.layers.safePalette);
    // The file's real lengths, drawn at its scale. The surface drawn on each
    // side: in the biconcave layout the lower slider shapes the left one.
    m_view.ScaleChoice().set(setup.scale);
    const double left = Bench::twipsOfReal(setup.scale, setup.leftRadius);
    const double right = Bench::twipsOfReal(setup.scale, setup.rightRadius);
    m_view.SetUpperRadius(setup.converging ? left : right);
    m_view.SetLowerRadius(setup.converging ? right : left);
    if (setup.hasObject)
        m_view.PlaceObject(
            float(Bench::kLensX - Bench::twipsOfReal(setup.scale, setup.objectDistance)),
            float(Bench::kAxisY - Bench::twipsOfReal(setup.scale, setup.objectHeight)));
    else
        m_view.RemoveObject();
    if (setup.scheme)
        m_view.ShowScheme(true);
    m_view.SetZoomSteps(setup.zoomSteps);
    m_view.ApplyZoom();
    m_view.SetNotation(setup.notation);
    // A lesson of two lenses opens the optical system; one of one lens leaves it.
    std::optional<Optics::SecondLens> second;
    if (const auto& lens = setup.secondLens)
        second = Optics::SecondLens{
            setup.scale.benchCm(lens->distance),
            Optics::shapedThinLens(lens->N,
                                   {lens->converging, setup.scale.benchCm(lens->leftRadius),
                                    setup.scale.benchCm(lens->rightRadius)}),
            lens->after};
    m_view.Systems().putSecondLens(second);
}

void LessonFile::open() {
    if (!mayDiscardChanges() ||
        !Messages::roomFor(&m_view.Window(), LessonFile::tr("Открыть урок")))
        return;
    const QString path = QFileDialog::getOpenFileName(
        &m_view.Window(), LessonFile::tr("Открыть урок"), startFolder(m_path), setupFilter());
    if (!path.isEmpty())
        openFile(path);
}

bool LessonFile::openFile(const QString& path) {
    const SetupFile::Result read = SetupFile::read(path, Bench::setupRanges());
    QString problem = read.problem;
    // A scene whose values do not fit together is refused before the bench
    // is touched, as any other bad value is.
    if (read.setup && read.setup->scene && !m_view.Scenes().takes(*read.setup->scene))
        problem = LessonFile::tr("значения сцены «%1» не согласуются друг с другом")
                      .arg(m_view.Scenes().titleOf(read.setup->scene->kind));
    if (!problem.isEmpty()) {
        Messages::tell(&m_view.Window(), LessonFile::tr("Урок не открыт"),
                       LessonFile::tr("Не удалось открыть файл «%1»:\n%2")
                           .arg(QDir::toNativeSeparators(path), problem));
        return false;
    }
    m_view.TaskSeries().stop();
    apply(*read.setup);
    m_path = path;
    ++m_fileChanges;
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
    if (!Messages::roomFor(&m_view.Window(), LessonFile::tr("Сохранить урок")))
        return;
    const QString suggested =
        m_path.isEmpty() ? QDir(startFolder(m_path)).filePath(LessonFile::tr("урок.quellor"))
                         : m_path;
    const QString typed = QFileDialog::getSaveFileName(
        &m_view.Window(), LessonFile::tr("Сохранить урок"), suggested, setupFilter());
    if (typed.isEmpty())
        return; // cancelled: nothing is written
    const QString path = SaveName::decide(&m_view.Window(), LessonFile::tr("Сохранить урок"), typed,
                                          QStringLiteral("quellor"));
    if (!path.isEmpty())
        saveTo(path);
}

bool LessonFile::saveTo(const QString& path) {
    const QString failure = SafeWrite::write(path, SetupFile::write(current()));
    if (!failure.isEmpty()) {
        Messages::tell(&m_view.Window(), LessonFile::tr("Урок не сохранён"), failure);
        return false;
    }
    m_path = path;
    ++m_fileChanges;
    updateTitle(false);
    return true;
}

void LessonFile::markModified() {
    // A task on the bench is no change of the lesson.
    if (m_view.Applying() || m_view.TaskModeOn() || m_view.Window().isWindowModified())
        return;
    updateTitle(true);
}

// The title names the setup file, with a mark while the bench differs from it;
// a bench never saved is the program's name alone until it changes.
void LessonFile::updateTitle(bool modified) {
    if (!m_path.isEmpty())
        m_view.Window().setWindowTitle(LessonFile::tr("%1[*] — Quellor")
                                           .arg(Messages::titleText(QFileInfo(m_path).fileName())));
    else if (modified)
        m_view.Window().setWindowTitle(LessonFile::tr("Quellor[*]"));
    else
        m_view.Window().setWindowTitle(LessonFile::tr("Quellor"));
    m_view.Window().setWindowModified(modified);
}

bool LessonFile::mayDiscardChanges() {
    if (!m_view.Window().isWindowModified())
        return true;
    switch (Messages::ask(
        &m_view.Window(), QMessageBox::Warning, LessonFile::tr("Несохранённые изменения"),
        m_path.isEmpty() ? LessonFile::tr("Урок изменён и не сохранён. Сохранить его?")
                         : LessonFile::tr("Урок «%1» изменён. Сохранить изменения?")
                               .arg(QFileInfo(m_path).fileName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save:
        save();
        return !m_view.Window().isWindowModified(); // a save cancelled or failed keeps the window
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}
