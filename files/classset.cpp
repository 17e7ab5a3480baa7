// SPDX-License-Identifier: GPL-3.0-or-later
// The class set: every task of every variant is put on the bench as the task
// mode shows it and drawn from there, so the sheets, the key and the screen
// agree. At true size, a pupil measures on it with a ruler; each figure
// cropped to what its construction needs, so that tasks share a page.
#include "classset.h"

#include "benchlens.h"
#include "benchoptics.h"
#include "benchsnapshot.h"
#include "form1.h"
#include "label.h"
#include "lens.h"
#include "messages.h"
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
QStringList variantHeading(const ClassSet& set, int variant, const Form1& w) {
    return {ClassSet::tr("Вариант %1. %2")
                .arg(variant)
                .arg(seriesLine(set.seriesOf(variant), set.level)),
            nameLine(), Worksheets::scaleLine(w)};
}

Piece taskPiece(const ClassSet& set, int number, const Tasks::Task& task, const Form1& w) {
    const bool focusTask = task.kind == Tasks::Kind::FindFocus;
    return {focusTask ? Shows::FocusTask : Shows::Task,
            {ClassSet::tr("Задача %1 из %2").arg(number).arg(set.tasksPerSheet), wording(task),
             Worksheets::lensLine(w, !focusTask), Worksheets::mediaLine(w)}};
}

Piece keyPiece(const ClassSet& set, int variant, int number, const Form1& w) {
    const Optics::Lens lens = Optics::lensOf(w);
    const Bench::Image image = Bench::imageOf(lens, w.ObjectX, w.ObjectY);
    return {
        Shows::Solution,
        {ClassSet::tr("Ответы. Вариант %1. Задача %2 из %3")
             .arg(variant)
             .arg(number)
             .arg(set.tasksPerSheet),
         seriesLine(set.seriesOf(variant), set.level), Worksheets::lensLine(w, true),
         Worksheets::mediaLine(w),
         Readout::answerNumbers(w.view().CurrentNotation(), lens, image, w.view().CurrentScale()),
         Readout::kindWords(image.kind == Optics::ImageKind::Real, image.magnification > 0,
                            Optics::sizeOf(image.magnification))}};
}

} // namespace

std::uint64_t ClassSet::seriesOf(int variant) const {
    return seed + std::uint64_t(variant - 1);
}

bool ClassSet::valid() const {
    return variants >= 1 && variants <= kMostVariants && tasksPerSheet >= kFewestTasks &&
           tasksPerSheet <= kMostTasks;
}

bool ClassSet::fill(Worksheets::Pages& pages, Form1& w) const {
    const BenchSnapshot before = w.view().Snapshot();
    bool painted = true;
    // Each variant on sheets of its own, to hand out; the key runs on.
    for (const bool key : {false, true}) {
        if (key)
            painted = pages.beginSheet({tr("Ответы"), Worksheets::scaleLine(w)});
        for (int variant = 1; variant <= variants && painted; ++variant) {
            const std::vector<Tasks::Task> tasks =
                Tasks::series(seriesOf(variant), level, tasksPerSheet);
            if (!key)
                painted = pages.beginSheet(variantHeading(*this, variant, w));
            for (int i = 0; i < int(tasks.size()) && painted; ++i) {
                TaskMode::putOnBench(w.view(), tasks[std::size_t(i)]);
                painted = pages.addPiece(key ? keyPiece(*this, variant, i + 1, w)
                                             : taskPiece(*this, i + 1, tasks[std::size_t(i)], w));
            }
        }
    }
    w.view().Restore(before);
    return painted;
}

bool ClassSet::write(Form1& window, const QString& path, QString* why) const {
    return Worksheets::writePdf(
        window, path, tr("Варианты и ответы Quellor, серия %1").arg(QString::number(seed)),
        [&](Worksheets::Pages& pages) { return fill(pages, window); }, why);
}
