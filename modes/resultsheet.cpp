// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultsheet.h"

#include "resultsfile.h"

#include <algorithm>

namespace {
constexpr double kMillisecondsPerSecond = 1000;
}

void ResultSheet::setName(const QString& name) {
    // A name corrected letter by letter follows on the answers it names,
    // as long as the file has not taken them.
    const std::string before = m_name.toStdString();
    m_name = name;
    for (std::size_t i = m_written; i < m_answers.size(); ++i)
        if (m_answers[i].name.empty() || m_answers[i].name == before)
            m_answers[i].name = name.toStdString();
}

QString ResultSheet::record(std::uint64_t series, Tasks::Level level, int task, double clickZ,
                            double clickHeight, int scoreBefore) {
    const double seconds =
        m_clock.isValid() ? double(m_clock.elapsed()) / kMillisecondsPerSecond : 0;
    m_answers.push_back(Tasks::answered(m_name.toStdString(), series, level, task, clickZ,
                                        clickHeight, seconds, scoreBefore));
    return flush();
}

QString ResultSheet::flush() {
    if (m_file.isEmpty() || m_written == m_answers.size())
        return QString();
    std::vector<Tasks::Answer> waiting(m_answers.begin() + std::ptrdiff_t(m_written),
                                       m_answers.end());
    const QString failure = ResultsFile::append(m_file, waiting);
    if (!failure.isEmpty())
        return failure;
    // The scores as the file now gives them.
    std::copy(waiting.begin(), waiting.end(), m_answers.begin() + std::ptrdiff_t(m_written));
    m_written = m_answers.size();
    return QString();
}

int ResultSheet::unwritten() const {
    return m_file.isEmpty() ? 0 : int(m_answers.size() - m_written);
}
