// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scale.h"
#include "taskrecord.h"

#include <QCoreApplication>
#include <QStringList>
#include <vector>

// The results of the task series as the pupil and the teacher read them, made
// from the answers alone: the dialog's table and the PDF page show the same
// words. Points and distances are the real centimetres of the scale the tasks
// were shown at.
namespace ResultsPage {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ResultsPage)
};

QStringList headers();
// How a point is read: from the lens's centre O, right and up positive.
QString pointsNote();
QStringList cells(const Tasks::Answer& answer, const Optics::Scale& scale);
// The score and the levels of the series, as the worksheets name them.
QString summary(const std::vector<Tasks::Answer>& answers);

} // namespace ResultsPage
