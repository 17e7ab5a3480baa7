// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

// The name a save writes, decided in one place. A save dialog asks about
// replacing the name it was given; the program may then add the type's suffix
// (or drop what a file system keeps off a name), and a file of that final name
// is asked about again before it is replaced.
class SaveName {
    Q_DECLARE_TR_FUNCTIONS(SaveName)

public:
    // `typed` ending in ".suffix" (in any case), with the suffix added if not.
    static QString withSuffix(const QString& typed, const QString& suffix);

    // The final name to write for the typed one, or empty when a file there
    // is to be kept: asked about only when the dialog asked about another name.
    static QString confirm(QWidget* parent, const QString& title, const QString& typed,
                           const QString& finalName);

    // Both at once, for a save of one type.
    static QString decide(QWidget* parent, const QString& title, const QString& typed,
                          const QString& suffix) {
        return confirm(parent, title, typed, withSuffix(typed, suffix));
    }
};
