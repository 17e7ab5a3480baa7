// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// The one way the program reads a file it is given. The file is opened first,
// without waiting (a FIFO or a device opened so never blocks), and what was
// opened is then looked at on its open descriptor: anything not a regular
// file is refused. Checking the name before opening it would leave a moment
// in which the name is swapped for a FIFO that then hangs the read.
class SafeRead {
    Q_DECLARE_TR_FUNCTIONS(SafeRead)

public:
    struct Result {
        QByteArray bytes;
        QString problem; // empty when the bytes were read
        qint64 size = 0; // the file's size as its descriptor tells it
        bool tooLarge = false;
    };

    // Reads at most `mostBytes`; a larger file is only measured.
    static Result read(const QString& path, qint64 mostBytes);
};
