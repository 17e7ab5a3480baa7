// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "setupfile.h"

#include <QCoreApplication>
#include <QString>

class BenchView;

// The lesson as a setup file: what the bench holds, put on it from a file and
// saved to one, with the title's mark of unsaved changes and the question
// before they are lost. A file is read and checked whole before the bench is
// touched, so a bad one changes nothing.
class LessonFile {
    Q_DECLARE_TR_FUNCTIONS(LessonFile)

public:
    explicit LessonFile(BenchView& view);
    LessonFile(const LessonFile&) = delete;
    LessonFile& operator=(const LessonFile&) = delete;

    // The lesson as the bench holds it; during a task, the bench before it.
    Setup current() const;
    // Every parameter first, then one recompute and one redraw; a series of
    // tasks the setup names opens over it.
    void apply(const Setup& setup);
    void open();
    // False, with the reason in a message box, for a file that cannot be read.
    bool openFile(const QString& path);
    void save();
    void saveAs();
    bool saveTo(const QString& path);
    // The file the bench was last opened from or saved to.
    QString path() const;
    // The bench changed since it was last opened or saved.
    void markModified();
    // Whether unsaved changes may go: asks Save / Don't save / Cancel.
    bool mayDiscardChanges();
    void updateTitle(bool modified);
    // How many times a file was written or opened: a bench put back from
    // before a change of this count no longer matches the file.
    int fileChanges() const { return m_fileChanges; }

private:
    void applyParameters(const Setup& setup);

    BenchView& m_view;
    QString m_path;
    int m_fileChanges = 0;
};
