// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

class QByteArray;
class QSaveFile;

// The one way the program writes a file. The whole content is made in memory
// first and written through a temporary file beside the target that replaces
// it only when every byte has been written and the file closed: whatever fails
// (a full disk, a lost medium, no permission), the old file stays exactly as
// it was and no new or temporary file is left behind. Targets that are not
// regular files (a device, a FIFO, a socket, a folder, a link to one) are
// refused rather than replaced by a regular file.
class SafeWrite {
    Q_DECLARE_TR_FUNCTIONS(SafeWrite)

public:
    // Writes `content` to `path`: an empty text when it is written, else a
    // message for the user that names the file and the reason.
    static QString write(const QString& path, const QByteArray& content);

    // The same through a save file already named (not yet open), so that a
    // test can hand in one whose device fails.
    static QString writeThrough(QSaveFile& file, const QByteArray& content);

    // The message for a file that could not be written, for a reason.
    static QString failure(const QString& path, const QString& reason);
};
