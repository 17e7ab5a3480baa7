// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "taskrecord.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <vector>

// The results file: a pupil's answers as CSV (UTF-8, comma-separated, a header
// line, one answer a line), so that a spreadsheet opens it and a class's files
// gathered in one folder can be checked together. Every line stands alone:
// the name, the series and its level, the task, the point clicked, the true
// point, the distance, the verdict, the score so far and the time taken.
class ResultsFile {
    Q_DECLARE_TR_FUNCTIONS(ResultsFile)

public:
    // A class's answers over a week are some thousands of lines of 100 bytes.
    static constexpr qint64 kMostBytes = 4 * 1024 * 1024;

    struct Result {
        std::vector<Tasks::Answer> answers;
        QString problem; // empty when every line was read
    };

    static QByteArray header();
    static QByteArray line(const Tasks::Answer& answer);
    static QByteArray write(const std::vector<Tasks::Answer>& answers);

    // The whole file checked before anything of it is used.
    static Result parse(const QByteArray& bytes);
    static Result read(const QString& path);

    // The answer added at the end of the file (made with its header if there
    // is none yet), through the safe path: a file that cannot be read is left
    // as it was. Empty when written, else the message.
    static QString append(const QString& path, const Tasks::Answer& answer);
};
