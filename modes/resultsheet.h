// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "taskrecord.h"

#include <QElapsedTimer>
#include <QString>
#include <vector>

// The answers a pupil gives in the task mode, kept one by one with the time
// each took, and added to a results file as they are given when one is named.
class ResultSheet {
public:
    // The name, which also names the answers given without one or under the
    // name it replaces.
    void setName(const QString& name);
    QString name() const { return m_name; }
    void setFile(const QString& path) { m_file = path; }
    QString file() const { return m_file; }

    // A task is shown: its clock starts.
    void taskShown() { m_clock.start(); }
    // The answer to the task shown, judged and kept, and added to the file;
    // empty, or why the file could not take it.
    QString record(std::uint64_t series, Tasks::Level level, int task, double clickX, double clickY,
                   int scoreBefore);

    const std::vector<Tasks::Answer>& answers() const { return m_answers; }

private:
    QString m_name;
    QString m_file;
    QElapsedTimer m_clock;
    std::vector<Tasks::Answer> m_answers;
};
