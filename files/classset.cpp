// SPDX-License-Identifier: GPL-3.0-or-later
// The class set: every task of every variant is put on the bench as the task
// mode shows it and drawn from there, so the sheets, the key and the screen
// agree. A page a task, at true size: a pupil measures on it with a ruler.
#include "classset.h"

#include "benchsnapshot.h"
#include "form1.h"
#include "label.h"
#include "lens.h"
#include "messages.h"
#include "readout.h"
#include "taskmode.h"
#include "worksheet.h"

#include <QPrintDialog>
#include <QPrinter>

namespace {
using Worksheets::Page;
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

Page taskPage(const ClassSet& set, int variant, int number, const Tasks::Task& task,
              const Form1& w) {
    const bool focusTask = task.kind == Tasks::Kind::FindFocus;
    return {
        focusTask ? Shows::FocusTask : Shows::Task,
        ClassSet::tr("Вариант %1. Задача %2 из %3").arg(variant).arg(number).arg(set.tasksPerSheet),
        {nameLine(), seriesLine(set.seriesOf(variant), set.level), wording(task),
         Worksheets::lensLine(w, !focusTask)},
        {Worksheets::scaleLine(w)}};
}

Page keyPage(const ClassSet& set, int variant, int number, const Form1& w) {
    const Optics::Lens lens = Optics::lensOf(w);
    const Optics::Image image = Optics::imageOf(lens, w.ObjectX, w.ObjectY);
    return {Shows::Solution,
            ClassSet::tr("Ответы. Вариант %1. Задача %2 из %3")
                .arg(variant)
                .arg(number)
                .arg(set.tasksPerSheet),
            {seriesLine(set.seriesOf(variant), set.level), Worksheets::lensLine(w, true)},
            {Readout::answerNumbers(w.CurrentNotation(), lens, image, w.CurrentScale()),
             Readout::kindWords(image.kind == Optics::ImageKind::Real, image.magnification > 0,
                                Optics::sizeOf(image.magnification))}};
}

// The variants, then the key; the bench is put back as it was after.
bool fill(const ClassSet& set, Worksheets::Pages& pages, Form1& w) {
    const BenchSnapshot before = BenchSnapshot::of(w);
    bool painted = true;
    for (const bool key : {false, true})
        for (int variant = 1; variant <= set.variants && painted; ++variant) {
            const std::vector<Tasks::Task> tasks =
                Tasks::series(set.seriesOf(variant), set.level, set.tasksPerSheet);
            for (int i = 0; i < int(tasks.size()) && painted; ++i) {
                TaskMode::putOnBench(w, tasks[std::size_t(i)]);
                painted = pages.add(key ? keyPage(set, variant, i + 1, w)
                                        : taskPage(set, variant, i + 1, tasks[std::size_t(i)], w));
            }
        }
    before.restore(w);
    return painted;
}
} // namespace

std::uint64_t ClassSet::seriesOf(int variant) const {
    return seed + std::uint64_t(variant - 1);
}

bool ClassSet::valid() const {
    return variants >= 1 && variants <= kMostVariants && tasksPerSheet >= kFewestTasks &&
           tasksPerSheet <= kMostTasks;
}

bool ClassSet::write(Form1& window, const QString& path, QString* why) const {
    return Worksheets::writePdf(
        window, path, tr("Варианты и ответы Quellor, серия %1").arg(QString::number(seed)),
        [&](Worksheets::Pages& pages) { return fill(*this, pages, window); }, why);
}

void ClassSet::print(Form1& window) const {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    printer.setFullPage(true);
    printer.setDocName(tr("Варианты и ответы"));
    QPrintDialog dialog(&printer, &window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Worksheets::print(window, &printer,
                      [&](Worksheets::Pages& pages) { return fill(*this, pages, window); });
}
