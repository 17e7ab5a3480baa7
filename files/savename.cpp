// SPDX-License-Identifier: GPL-3.0-or-later
#include "savename.h"

#include "messages.h"

#include <QDir>
#include <QFileInfo>

QString SaveName::withSuffix(const QString& typed, const QString& suffix) {
    if (QFileInfo(typed).suffix().compare(suffix, Qt::CaseInsensitive) == 0)
        return typed;
    return typed + QLatin1Char('.') + suffix;
}

QString SaveName::confirm(QWidget* parent, const QString& title, const QString& typed,
                          const QString& finalName) {
    // QFileInfo::exists follows links; a dangling or looping link is there too.
    const QFileInfo target(finalName);
    const bool there = target.exists() || target.isSymLink();
    if (finalName == typed || !there)
        return finalName;
    const QMessageBox::StandardButton answer = Messages::ask(
        parent, QMessageBox::Question, title,
        tr("Файл «%1» уже есть. Заменить его?").arg(QDir::toNativeSeparators(finalName)),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes ? finalName : QString();
}
