// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkresults.h"

#include "resultsfile.h"
#include "taskrecord.h"

#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

namespace {
constexpr int kNameWidth = 24;
constexpr int kColumnWidth = 10;

// One run of a series by one pupil, as judged again.
struct Row {
    QString file;
    QString name;
    std::uint64_t series = 0;
    Tasks::Level level = Tasks::Level::EqualMedia;
    int score = 0;
    QStringList verdicts;
};

const char* levelKey(Tasks::Level level) {
    return Tasks::kLevelKeys[int(level)];
}

QString whatChanged(Tasks::Tampered tampered) {
    switch (tampered) {
    case Tasks::Tampered::None:
        return QString();
    case Tasks::Tampered::Distance:
        return CheckResults::tr("записано не то расстояние");
    case Tasks::Tampered::Verdict:
        return CheckResults::tr("записан не тот вердикт");
    case Tasks::Tampered::Score:
        return CheckResults::tr("записан не тот счёт");
    }
    return QString();
}

QString padded(const QString& text, int width) {
    return text.leftJustified(width) + QLatin1Char(' ');
}

// Shown as it is: all but the characters that act on the terminal or the
// text around them. The joiner inside an emoji of several only joins.
bool shown(char32_t c) {
    constexpr char32_t kJoiner = 0x200D;
    if (c == kJoiner)
        return true;
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    default:
        return true;
    }
}
} // namespace

QString CheckResults::visible(const QString& text) {
    QString out;
    for (const char32_t c : text.toUcs4()) {
        const QString hex = QString::number(uint(c), 16).toUpper();
        out += shown(c)    ? QString::fromUcs4(&c, 1)
               : c < 0x100 ? QStringLiteral("\\x") + hex.rightJustified(2, QLatin1Char('0'))
                           : QStringLiteral("\\u") + hex.rightJustified(4, QLatin1Char('0'));
    }
    return out;
}

QString CheckResults::table(const QStringList& files, QStringList* unreadable, int* disagreeing) {
    std::vector<Row> rows;
    QStringList findings;
    for (const QString& path : files) {
        const ResultsFile::Result read = ResultsFile::read(path);
        if (!read.problem.isEmpty()) {
            *unreadable << tr("%1: %2").arg(visible(path), read.problem);
            continue;
        }
        // A row for each run: a pupil's answers to one series and level, in
        // the file's order, however they interleave with other pupils' lines.
        std::map<int, std::size_t> rowOfRun;
        const std::vector<Tasks::Rejudged> judged = ResultsFile::judge(read);
        for (std::size_t i = 0; i < judged.size(); ++i) {
            const Tasks::Answer& a = judged[i].answer;
            const QString name = visible(QString::fromStdString(a.name));
            const auto known = rowOfRun.find(judged[i].run);
            if (known == rowOfRun.end()) {
                rowOfRun[judged[i].run] = rows.size();
                rows.push_back({path, name, a.series, a.level, 0, {}});
            }
            Row& row = rows[rowOfRun[judged[i].run]];
            row.score = a.score;
            QString verdict = QStringLiteral("%1%2")
                                  .arg(a.task + 1)
                                  .arg(a.counted ? QStringLiteral("+") : QStringLiteral("−"));
            if (judged[i].tampered != Tasks::Tampered::None) {
                verdict += QLatin1Char('!');
                findings << tr("%1, строка %2 (%3, серия %4, задача %5): %6")
                                .arg(visible(QFileInfo(path).fileName()))
                                .arg(read.lines[i])
                                .arg(name.isEmpty() ? tr("без имени") : name)
                                .arg(QString::number(a.series))
                                .arg(a.task + 1)
                                .arg(whatChanged(judged[i].tampered));
            }
            row.verdicts << verdict;
        }
    }
    if (disagreeing)
        *disagreeing = int(findings.size());
    QString out = padded(tr("Имя"), kNameWidth) + padded(tr("Серия"), kColumnWidth) +
                  padded(tr("Уровень"), kColumnWidth) + padded(tr("Счёт"), kColumnWidth) +
                  tr("Задачи (+ засчитано, − нет, ! запись изменена)") + QLatin1Char('\n');
    for (const Row& row : rows)
        out += padded(row.name.isEmpty() ? tr("без имени") : row.name, kNameWidth) +
               padded(QString::number(row.series), kColumnWidth) +
               padded(QString::fromLatin1(levelKey(row.level)), kColumnWidth) +
               padded(tr("%1 из %2").arg(row.score).arg(row.verdicts.size()), kColumnWidth) +
               row.verdicts.join(QLatin1Char(' ')) + QLatin1Char('\n');
    if (!findings.isEmpty())
        out += QLatin1Char('\n') + tr("Не сходится с проверкой:") + QLatin1Char('\n') +
               findings.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return out;
}

int CheckResults::run(const QStringList& files) {
    QStringList unreadable;
    int disagreeing = 0;
    const QString text = table(files, &unreadable, &disagreeing);
    // A table that did not reach its reader (a full disk, a closed pipe) is
    // no check: said, and not reported as one.
    errno = 0;
    const QByteArray bytes = text.toLocal8Bit();
    const bool written = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) ==
                             std::size_t(bytes.size()) &&
                         std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (!written)
        unreadable << tr("таблица не выведена: %1")
                          .arg(errno == ENOSPC
                                   ? tr("на диске нет места")
                                   : QString::fromLocal8Bit(std::strerror(errno ? errno : EIO)));
    for (const QString& problem : unreadable)
        std::fputs(
            (QStringLiteral("quellor: ") + problem + QLatin1Char('\n')).toLocal8Bit().constData(),
            stderr);
    if (!unreadable.isEmpty())
        return kUnreadable;
    return disagreeing > 0 ? kDisagrees : kAgrees;
}
