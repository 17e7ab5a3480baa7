// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pupilname.h"
#include "taskrecord.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <vector>

// The results file: a pupil's answers as CSV (UTF-8, comma-separated, a header
// line, one answer a line), so that a spreadsheet opens it and a class's files
// gathered in one folder can be checked together. Every line stands alone:
// the name, the series and its level, the task, the point clicked, the
// distance, the verdict, the score so far and the time taken. The true point
// is not written: the check works it out from the series, and a file that
// showed it would let a click be moved onto it.
//
// What the writer writes the reader reads: one rule for a name, one size
// limit, and the score written as the file's own lines give it.
class ResultsFile {
    Q_DECLARE_TR_FUNCTIONS(ResultsFile)

public:
    // A class's answers over a week are some thousands of lines of 100 bytes.
    static constexpr qint64 kMostBytes = 4 * 1024 * 1024;
    // Characters (not UTF-16 units) in a name.
    static constexpr int kLongestName = PupilName::kLongest;

    // Why a name cannot stand in a results file (PupilName's rule, which the
    // browser page shares), in words for the pupil typing it, or empty when
    // it can.
    static QString nameProblem(const QString& name);

    struct Result {
        std::vector<Tasks::Answer> answers;
        std::vector<int> lines; // each answer's line in the file, from 1
        // Files joined into one (each with its header) are parts: the index
        // of the first answer of each part after the first.
        std::vector<std::size_t> parts;
        QString problem; // empty when every line was read
    };

    static QByteArray header();
    static QByteArray line(const Tasks::Answer& answer);
    // The answers as a file, each score as the file's lines give it.
    static QByteArray write(const std::vector<Tasks::Answer>& answers);

    // The whole file checked before anything of it is used.
    static Result parse(const QByteArray& bytes);
    static Result read(const QString& path);
    // The answers judged again, each part of a joined file on its own; runs
    // numbered across the parts.
    static std::vector<Tasks::Rejudged> judge(const Result& read);

    // The answers added at the end of the file (made with its header if there
    // is none yet), all or none, while no other program adds to it; each
    // score is set as the file's lines then give it. A file that cannot be
    // read, or would grow past what the reader takes, is left as it was.
    // Empty when written, else the message.
    static QString append(const QString& path, std::vector<Tasks::Answer>& answers);

    // Why answers could not be added to `path` at all (a missing folder, a
    // link to nowhere or in a circle, no regular file, a file kept from
    // writing, a results file that cannot be read), or empty.
    static QString cannotTake(const QString& path);
};
