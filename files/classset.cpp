// SPDX-License-Identifier: GPL-3.0-or-later
// The class set: every task of every variant is drawn from a bench set as the
// task mode sets the window's for it, so the sheets, the key and the screen
// agree. At true size, a pupil measures on it with a ruler; each figure
// cropped to what its construction needs, so that tasks share a page.
#include "classset.h"

#include "bench.h"
#include "benchlens.h"
#include "benchoptics.h"
#include "lens.h"
#include "readout.h"
#include "taskmode.h"
#include "worksheet.h"

namespace {
using Worksheets::Piece;
using Worksheets::Shows;

QString nameLine() {
    return ClassSet::tr("Фамилия, имя, класс: ________________________________________");
}

QString seriesLine(std::uint64_t series, Tasks::Level level) {
    return ClassSet::tr("Серия %1, %2").arg(QString::number(series), TaskMode::levelName(level));
}

QString wording(const Tasks::Task& task) {
    return task.kind == Tasks::Kind::FindFocus
               ? ClassSet::tr("Даны предмет AB и его изображение A′B′. Постройте ход лучей и "
                              "найдите фокусы линзы F и F′.")
               : ClassSet::tr("Постройте изображение A′B′ предмета AB тремя лучами и опишите "
                              "его.");
}

// A variant's sheet: its series and the pupil's name, on every page of it.
QStringList variantHeading(const ClassSet& set, int variant, const Worksheets::Model& model) {
    return {ClassSet::tr("Вариант %1. %2")
                .arg(variant)
                .arg(seriesLine(set.seriesOf(variant), set.level)),
            nameLine(), Worksheets::scaleLine(model.scale)};
}

// A task of two lenses in the words of the task on screen, with what it
// shows there: the first lens on the bench with its read-outs, the second
// lens and its place behind it, the object.
Piece systemTaskPiece(const ClassSet& set, int number, const Tasks::Task& task,
                      const Worksheets::Model& model, const BenchState& w) {
    const Worksheets::Model own = Worksheets::modelOf(model, w, task.second);
    return {Shows::Task,
            {ClassSet::tr("Задача %1 из %2").arg(number).arg(set.tasksPerSheet),
             ClassSet::tr("Где две линзы дают изображение A₂B₂? Постройте его и опишите."),
             Worksheets::lensLine(model, w, true), Worksheets::secondLensLine(own, true),
             Worksheets::systemObjectLine(own)},
            w,
            task.second};
}

Piece taskPiece(const ClassSet& set, int number, const Tasks::Task& task,
                const Worksheets::Model& model, const BenchState& w) {
    if (task.second)
        return systemTaskPiece(set, number, task, model, w);
    const bool focusTask = task.kind == Tasks::Kind::FindFocus;
    return {focusTask ? Shows::FocusTask : Shows::Task,
            {ClassSet::tr("Задача %1 из %2").arg(number).arg(set.tasksPerSheet), wording(task),
             Worksheets::lensLine(model, w, !focusTask), Worksheets::mediaLine(w)},
            w,
            std::nullopt};
}

Piece keyPiece(const ClassSet& set, int variant, int number, const Worksheets::Model& model,
               const BenchState& w, const Tasks::Task& task) {
    const QString heading = ClassSet::tr("Ответы. Вариант %1. Задача %2 из %3")
                                .arg(variant)
                                .arg(number)
                                .arg(set.tasksPerSheet);
    if (task.second) {
        // The system's answer as its worksheet gives it: the final image's
        // distance behind lens 2, its kind, and the magnifications.
        const Worksheets::Model own = Worksheets::modelOf(model, w, task.second);
        return {Shows::Solution,
                QStringList{heading, seriesLine(set.seriesOf(variant), set.level),
                            Worksheets::lensLine(model, w, true),
                            Worksheets::secondLensLine(own, true)} +
                    Worksheets::systemAnswer(own),
                w, task.second};
    }
    const Optics::Lens lens = Optics::lensOf(w);
    const Bench::Image image = Bench::imageOf(lens, w.ObjectX, w.ObjectY);
    return {Shows::Solution,
            {heading, seriesLine(set.seriesOf(variant), set.level),
             Worksheets::lensLine(model, w, true), Worksheets::mediaLine(w),
             Readout::answerNumbers(model.notation, lens, image, model.scale),
             Readout::kindWords(image.kind == Optics::ImageKind::Real, image.magnification > 0,
                                Optics::sizeOf(image.magnification))},
            w,
            std::nullopt};
}

} // namespace

std::uint64_t ClassSet::seriesOf(int variant) const {
    return seed + std::uint64_t(variant - 1);
}

bool ClassSet::valid() const {
    return variants >= 1 && variants <= kMostVariants && tasksPerSheet >= kFewestTasks &&
           tasksPerSheet <= kMostTasks;
}

// As TaskMode::putOnBench leaves the window's bench: the type chosen and the
// surfaces' signs of its layout, the indices and radii as given, the focal
// lengths and the sign of the power found from them.
BenchState ClassSet::benchOf(const BenchState& base, const Tasks::Task& task) {
    BenchState w = base;
    w.ConvergingChosen = task.converging ? kTrue : kFalse;
    w.R1Sign = task.converging ? +1 : -1;
    w.R2Sign = task.converging ? -1 : +1;
    w.n1 = task.n1;
    w.n2 = task.n2;
    w.N = task.N;
    w.R1 = w.R1Sign * Bench::twipsOf(task.upperRadius);
    w.R2 = w.R2Sign * Bench::twipsOf(task.lowerRadius);
    w.ObjectX = float(Bench::xOf(task.z));
    w.ObjectY = float(Bench::yOf(task.height));
    w.ObjectPlaced = kTrue;
    w.ShowLabels = kFalse;
    w.ShowThirdRay = kTrue;
    w.SchemeView = kTrue;
    const Optics::Lens lens = Optics::lensOf(w);
    const Optics::FocalLengths focal = Bench::focalLengths(lens);
    w.f1 = focal.front;
    w.f2 = focal.back;
    w.IsConverging = Optics::converges(Optics::power(lens)) ? kTrue : kFalse;
    return w;
}

bool ClassSet::fill(Worksheets::Pages& pages, const Worksheets::Model& model) const {
    bool painted = true;
    // Each variant on sheets of its own, to hand out; the key runs on.
    for (const bool key : {false, true}) {
        if (key)
            painted = pages.beginSheet({tr("Ответы"), Worksheets::scaleLine(model.scale)});
        for (int variant = 1; variant <= variants && painted; ++variant) {
            const std::vector<Tasks::Task> tasks =
                Tasks::series(seriesOf(variant), level, tasksPerSheet);
            if (!key)
                painted = pages.beginSheet(variantHeading(*this, variant, model));
            for (int i = 0; i < int(tasks.size()) && painted; ++i) {
                const Tasks::Task& task = tasks[std::size_t(i)];
                const BenchState bench = benchOf(model.bench, task);
                painted = pages.addPiece(key ? keyPiece(*this, variant, i + 1, model, bench, task)
                                             : taskPiece(*this, i + 1, task, model, bench));
            }
        }
    }
    return painted;
}

QString ClassSet::title() const {
    return tr("Варианты и ответы Quellor, серия %1").arg(QString::number(seed));
}

bool ClassSet::write(const Worksheets::Model& model, const QString& path, QString* why) const {
    return Worksheets::writePdf(
        model, path, title(), [&](Worksheets::Pages& pages) { return fill(pages, model); }, why);
}
