// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "taskrecord.h"

#include <QElapsedTimer>
#include <QString>
#include <vector>

// The answers a pupil gives in the task mode, kept one by one with the time
// each took, and added to a results file as they are given when one is named.
// An answer the file could not take (a full disk, a file another program
// held) is kept and added before the next one, so none is lost or out of turn.
class ResultSheet {
public:
    // The name of the answers to come, and of those given without one or
    // under the name it replaces that are not in the file yet: a name changed
    // after answers were written starts a new row there.
    void setName(const QString& name);
    QString name() const { return m_name; }
    void setFile(const QString& path) { m_file = path; }
    QString file() const { return m_file; }

    // A task is shown: its clock starts.
    void taskShown() { m_clock.start(); }
    // The answer to the task shown, judged and kept, and added to the file
    // with any that waited; empty, or why the file could not take them.
    // The click in cm: along the axis from the lens plane, above the axis.
    QString record(std::uint64_t series, Tasks::Level level, int task, double clickZ,
                   double clickHeight, int scoreBefore);
    // The answers that wait for the file, added now; empty, or why not.
    QString flush();
    // How many answers the file has not taken yet.
    int unwritten() const;

    const std::vector<Tasks::Answer>& answers() const { return m_answers; }

private:
    QString m_name;
    QString m_file;
    QElapsedTimer m_clock;
    std::vector<Tasks::Answer> m_answers;
    std::size_t m_written = 0; // the answers before this one are in the file
};
