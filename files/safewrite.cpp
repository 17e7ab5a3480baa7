// SPDX-License-Identifier: GPL-3.0-or-later
#include "safewrite.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <sys/stat.h>

namespace {
// The system's reason in the user's language where it is a common one; the
// C library's text (often English) otherwise, marked as the system's.
QString reasonFor(int error, const QString& systemText) {
    switch (error) {
    case ENOSPC:
        return SafeWrite::tr("на диске нет места");
    case EDQUOT:
        return SafeWrite::tr("исчерпана дисковая квота");
    case EFBIG:
        return SafeWrite::tr(
            "файл больше, чем здесь разрешено (предел размера файла на диске или в системе)");
    case EACCES:
    case EPERM:
        return SafeWrite::tr("нет прав на запись в эту папку");
    case EROFS:
        return SafeWrite::tr("диск доступен только для чтения");
    case ENOENT:
    case ENOTDIR:
        return SafeWrite::tr("такой папки нет");
    case ENAMETOOLONG:
        return SafeWrite::tr("слишком длинное имя файла");
    case EIO:
        return SafeWrite::tr("ошибка ввода-вывода (носитель извлечён или повреждён?)");
    default:
        return systemText.isEmpty() ? SafeWrite::tr("причина неизвестна")
                                    : SafeWrite::tr("сообщение системы: %1").arg(systemText);
    }
}
} // namespace

QString SafeWrite::failure(const QString& path, const QString& reason) {
    return tr("Не удалось записать файл «%1»: %2. Прежний файл, если он был, не изменён.")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString SafeWrite::write(const QString& path, const QByteArray& content) {
    // QFileInfo follows links: a link to a device or a FIFO is refused too.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return failure(path, target.isDir() ? tr("это папка, а не файл")
                                            : tr("это не обычный файл (устройство, канал или "
                                                 "сокет), его нельзя заменить рисунком"));
    // A link that leads round in a circle is no file either; written through,
    // the link would be replaced by a regular file.
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 && errno == ELOOP)
        return failure(path, tr("символические ссылки образуют кольцо, это не обычный файл"));
    // The folder may take a new file while the file itself is kept from writing.
    if (target.isFile() && !target.isWritable())
        return failure(path, tr("файл защищён от записи"));
    QSaveFile file(path);
    return writeThrough(file, content);
}

QString SafeWrite::writeThrough(QSaveFile& file, const QByteArray& content) {
    const QString path = file.fileName();
    // Unbuffered: every byte goes to the device in write(), where its failure
    // is seen, and none is left for the close inside commit() to drop.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(path, reasonFor(errno, file.errorString()));
    qint64 written = 0;
    while (written < content.size()) {
        errno = 0;
        const qint64 step = file.write(content.constData() + written, content.size() - written);
        if (step <= 0) {
            const QString why = reasonFor(errno, file.errorString());
            file.cancelWriting(); // the temporary file goes, the old one stays
            return failure(path, why);
        }
        written += step;
    }
    errno = 0;
    if (!file.flush() || !file.commit())
        return failure(path, reasonFor(errno, file.errorString()));
    return QString();
}
