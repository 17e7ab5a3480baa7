// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "task.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>

#include "benchstate.h"

namespace Worksheets {
class Pages;
struct Model;
} // namespace Worksheets

// Worksheets for a class: variants of a written check, each from a series of
// the same generator as the tasks on screen, then the answer key. Variant k
// holds the first tasks of series seed + k - 1 (the series the task mode moves
// on to after the seed's), so a pupil can check a variant on screen with its
// series' number. The same numbers give the same document.
struct ClassSet {
    Q_DECLARE_TR_FUNCTIONS(ClassSet)

public:
    static constexpr int kMostVariants = 40;
    static constexpr int kFewestTasks = 2;
    static constexpr int kMostTasks = 4;
    static constexpr int kDefaultTasks = 3;

    std::uint64_t seed = 0;
    int variants = 1;
    int tasksPerSheet = kDefaultTasks;
    Tasks::Level level = Tasks::Level::EqualMedia;

    // The series of variant k, from 1.
    std::uint64_t seriesOf(int variant) const;
    // Within the limits above.
    bool valid() const;

    // The variants, then the key, on pages: each task on a bench of its own,
    // made from the model's as the task mode would set it; the model is not
    // changed.
    bool fill(Worksheets::Pages& pages, const Worksheets::Model& model) const;
    // Written as PDF through the safe path.
    bool write(const Worksheets::Model& model, const QString& path, QString* why) const;
    // The document's title.
    QString title() const;

    // The bench of a task: the model's, with the task's lens, media and
    // object, in the scheme view without the names, with all three rays. A
    // task's second lens is not the bench's: its piece carries it, as the
    // task mode draws it beside the bench.
    static BenchState benchOf(const BenchState& base, const Tasks::Task& task);
};
