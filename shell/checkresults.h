// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The teacher's check of results files: every recorded click judged again
// from its series, and a class table printed: name, series, score, and each
// task's verdict, with every answer whose recorded verdict, distance or score
// the judging does not give named below it.
class CheckResults {
    Q_DECLARE_TR_FUNCTIONS(CheckResults)

public:
    // The table on standard output, a line for each file that cannot be read
    // on standard error; 0 when every file was read, 2 when one was not.
    static int run(const QStringList& files);
    // The same as text: the table, then the findings.
    static QString table(const QStringList& files, QStringList* unreadable);
};
