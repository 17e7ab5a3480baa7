// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkresults.h"

#include "resultsfile.h"
#include "taskrecord.h"

#include <QFileInfo>
#include <cstdio>

namespace {
constexpr int kUnreadable = 2;
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
    case Tasks::Tampered::Point:
        return CheckResults::tr("записана не та верная точка");
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
} // namespace

QString CheckResults::table(const QStringList& files, QStringList* unreadable) {
    std::vector<Row> rows;
    QStringList findings;
    for (const QString& path : files) {
        const ResultsFile::Result read = ResultsFile::read(path);
        if (!read.problem.isEmpty()) {
            *unreadable << tr("%1: %2").arg(path, read.problem);
            continue;
        }
        const std::vector<Tasks::Rejudged> judged = Tasks::rejudge(read.answers);
        for (std::size_t i = 0; i < judged.size(); ++i) {
            const Tasks::Answer& a = judged[i].answer;
            const QString name = QString::fromStdString(a.name);
            const bool sameRun = !rows.empty() && rows.back().file == path &&
                                 rows.back().name == name && rows.back().series == a.series &&
                                 rows.back().level == a.level && i > 0 &&
                                 judged[i - 1].answer.task < a.task;
            if (!sameRun)
                rows.push_back({path, name, a.series, a.level, 0, {}});
            Row& row = rows.back();
            row.score = a.score;
            QString verdict = QStringLiteral("%1%2")
                                  .arg(a.task + 1)
                                  .arg(a.counted ? QStringLiteral("+") : QStringLiteral("−"));
            if (judged[i].tampered != Tasks::Tampered::None) {
                verdict += QLatin1Char('!');
                findings << tr("%1, строка %2 (%3, серия %4, задача %5): %6")
                                .arg(QFileInfo(path).fileName())
                                .arg(i + 2)
                                .arg(name.isEmpty() ? tr("без имени") : name)
                                .arg(QString::number(a.series))
                                .arg(a.task + 1)
                                .arg(whatChanged(judged[i].tampered));
            }
            row.verdicts << verdict;
        }
    }
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
    const QString text = table(files, &unreadable);
    std::fputs(text.toLocal8Bit().constData(), stdout);
    for (const QString& problem : unreadable)
        std::fputs(
            (QStringLiteral("quellor: ") + problem + QLatin1Char('\n')).toLocal8Bit().constData(),
            stderr);
    return unreadable.isEmpty() ? 0 : kUnreadable;
}
