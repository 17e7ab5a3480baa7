// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The teacher's check of results files: every recorded click judged again
// from its series, and a class table printed: name, series, score, and each
// task's verdict, with every answer whose recorded verdict, distance or score
// the judging does not give named below it. It proves that each line agrees
// with its click and series; it cannot prove who clicked, or where: a file
// written on a pupil's own computer is a record, not a proof.
class CheckResults {
    Q_DECLARE_TR_FUNCTIONS(CheckResults)

public:
    // The statuses: every line agrees; a line disagrees; a file could not be
    // read, or the table could not be written.
    static constexpr int kAgrees = 0;
    static constexpr int kDisagrees = 1;
    static constexpr int kUnreadable = 2;

    // The table on standard output, a line for each file that cannot be read
    // on standard error, and the status.
    static int run(const QStringList& files);
    // The same as text: the table, then the findings; `disagreeing` counts
    // the lines that disagree.
    static QString table(const QStringList& files, QStringList* unreadable,
                         int* disagreeing = nullptr);

    // A name as a terminal shows it: control and invisible characters
    // written as \x1B or \u200E, so none moves the cursor, clears the screen
    // or starts a line that looks like a row of its own.
    static QString visible(const QString& text);
};
