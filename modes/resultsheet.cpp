// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultsheet.h"

#include "resultsfile.h"

namespace {
constexpr double kMillisecondsPerSecond = 1000;
}

void ResultSheet::setName(const QString& name) {
    // A name corrected letter by letter follows on the answers it names.
    const std::string before = m_name.toStdString();
    m_name = name;
    for (Tasks::Answer& answer : m_answers)
        if (answer.name.empty() || answer.name == before)
            answer.name = name.toStdString();
}

QString ResultSheet::record(std::uint64_t series, Tasks::Level level, int task, double clickX,
                            double clickY, int scoreBefore) {
    const double seconds =
        m_clock.isValid() ? double(m_clock.elapsed()) / kMillisecondsPerSecond : 0;
    m_answers.push_back(Tasks::answered(m_name.toStdString(), series, level, task, clickX, clickY,
                                        seconds, scoreBefore));
    if (m_file.isEmpty())
        return QString();
    return ResultsFile::append(m_file, m_answers.back());
}
