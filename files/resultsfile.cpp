// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultsfile.h"

#include "resultsline.h"
#include "saferead.h"
#include "safewrite.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStringDecoder>
#include <QStringList>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <iterator>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const char* const kHeader = Tasks::kResultsHeader;
// The layout of the first files, which carried the true point.
const char kOldHeader[] =
    "name,series,level,task,click_x,click_y,true_x,true_y,off_cm,counted,score,seconds";
constexpr int kFields = 10;
const auto& kLevels = Tasks::kLevelKeys;
// Clicks land on the bench's two areas; anything far beyond is no click.
constexpr double kFarthest = 100000;
constexpr double kLongestSeconds = 1e7;
// Another program adding to the same file holds it for a moment; one that
// holds it this long is stuck, and the answer waits for the next try.
constexpr int kLockWaitMs = 20000;
constexpr int kLockRetryMs = 5;

// The apostrophe a name that a spreadsheet would take for a formula is
// written after (resultsline.h).
constexpr char kTextMark = Tasks::kTextMark;

// One line's fields: commas split them except within quotes, where a doubled
// quote is a quote. Nothing when the quoting is broken.
std::optional<QStringList> fieldsOf(const QString& line) {
    QStringList fields;
    QString field;
    bool quoted = false, wasQuoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c != QLatin1Char('"'))
                field += c;
            else if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"'))
                field += c, ++i;
            else
                quoted = false;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('"') && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (wasQuoted) {
            return std::nullopt; // text after a closing quote
        } else {
            field += c;
        }
    }
    if (quoted)
        return std::nullopt;
    fields << field;
    return fields;
}

std::optional<double> numberIn(const QString& text, double low, double high) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<int> wholeIn(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high || text != QString::number(value))
        return std::nullopt;
    return value;
}

// An answer from its fields, or the first field that is wrong.
std::optional<Tasks::Answer> answerOf(const QStringList& f, QString* wrong) {
    Tasks::Answer a;
    Tasks::ClickColumns click;
    *wrong = QStringLiteral("name");
    QString name = f[0];
    if (name.startsWith(QLatin1Char(kTextMark)))
        name.remove(0, 1);
    if (!ResultsFile::nameProblem(name).isEmpty())
        return std::nullopt;
    a.name = name.toStdString();
    *wrong = QStringLiteral("series");
    bool ok = f[1].size() <= 20 && !f[1].isEmpty();
    for (const QChar c : f[1])
        ok = ok && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    a.series = ok ? f[1].toULongLong(&ok) : 0;
    if (!ok)
        return std::nullopt;
    *wrong = QStringLiteral("level");
    int level = -1;
    for (int i = 0; i < int(std::size(kLevels)); ++i)
        if (f[2] == QLatin1String(kLevels[i]))
            level = i;
    if (level < 0)
        return std::nullopt;
    a.level = Tasks::Level(level);
    const struct {
        const char* name;
        double* value;
        double low, high;
    } numbers[] = {{"click_x", &click.x, -kFarthest, kFarthest},
                   {"click_y", &click.y, -kFarthest, kFarthest},
                   {"off_cm", &a.offCm, 0, kFarthest},
                   {"seconds", &a.seconds, 0, kLongestSeconds}};
    const int at[] = {4, 5, 6, 9};
    for (int i = 0; i < int(std::size(numbers)); ++i) {
        *wrong = QString::fromLatin1(numbers[i].name);
        const std::optional<double> v = numberIn(f[at[i]], numbers[i].low, numbers[i].high);
        if (!v)
            return std::nullopt;
        *numbers[i].value = *v;
    }
    const Tasks::ClickPoint point = Tasks::clickPoint(click);
    a.clickZ = point.z;
    a.clickHeight = point.height;
    *wrong = QStringLiteral("task");
    const std::optional<int> task = wholeIn(f[3], 1, Tasks::kSeriesLength);
    if (!task)
        return std::nullopt;
    a.task = *task - 1;
    *wrong = QStringLiteral("counted");
    if (f[7] != QLatin1String("yes") && f[7] != QLatin1String("no"))
        return std::nullopt;
    a.counted = f[7] == QLatin1String("yes");
    *wrong = QStringLiteral("score");
    const std::optional<int> score = wholeIn(f[8], 0, Tasks::kSeriesLength);
    if (!score)
        return std::nullopt;
    a.score = *score;
    return a;
}

bool sameRun(const Tasks::Answer& a, const Tasks::Answer& b) {
    return a.name == b.name && a.series == b.series && a.level == b.level;
}

using Tasks::scoreAsJudged;

// The lock taken as soon as it is free: tried again every few milliseconds
// (a wait that doubled each time would let a class of thirty starve one).
bool takeTurn(QLockFile& lock) {
    QElapsedTimer waited;
    waited.start();
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || waited.hasExpired(kLockWaitMs))
            return false;
        QThread::msleep(kLockRetryMs);
    }
    return true;
}

// The one lock of a file, whatever name or link leads to it: beside the file
// it leads to.
QString lockOf(const QString& path) {
    const QFileInfo file(path);
    const QString canonical = file.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical + QStringLiteral(".lock");
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return QDir(folder.isEmpty() ? file.absolutePath() : folder).filePath(file.fileName()) +
           QStringLiteral(".lock");
}
} // namespace

QString ResultsFile::nameProblem(const QString& name) {
    // A lone surrogate would reach UTF-8 as a replacement character: it is
    // half a character, no text at all.
    const PupilName::Problem problem = QStringView(name).isValidUtf16()
                                           ? PupilName::problem(name.toStdString())
                                           : PupilName::Problem::Invisible;
    switch (problem) {
    case PupilName::Problem::None:
        return QString();
    case PupilName::Problem::TooLong:
        return tr("Имя длиннее %1 знаков.").arg(kLongestName);
    case PupilName::Problem::Invisible:
        break;
    }
    return tr("В имени не может быть управляющих и невидимых знаков (перевод строки, табуляция, "
              "мягкий перенос, знаки направления письма, пробел нулевой ширины).");
}

QByteArray ResultsFile::header() {
    return QByteArray::fromStdString(Tasks::resultsHeader());
}

QByteArray ResultsFile::line(const Tasks::Answer& a) {
    return QByteArray::fromStdString(Tasks::resultsLine(a));
}

QByteArray ResultsFile::write(const std::vector<Tasks::Answer>& answers) {
    return QByteArray::fromStdString(Tasks::resultsText(answers));
}

namespace {
ResultsFile::Result refused(const QString& why) {
    ResultsFile::Result result;
    result.problem = why;
    return result;
}
} // namespace

ResultsFile::Result ResultsFile::parse(const QByteArray& bytes) {
    if (bytes.size() > kMostBytes)
        return refused(tr("файл слишком велик для файла результатов"));
    QString text;
    {
        auto decoder = QStringDecoder(QStringDecoder::Utf8);
        text = decoder(bytes);
        if (decoder.hasError())
            return refused(tr("это не текст UTF-8"));
    }
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& l : lines)
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (!lines.isEmpty() && lines.first() == QLatin1String(kOldHeader))
        return refused(
            tr("файл записан прежней версией Quellor, с верными точками; начните новый файл"));
    if (lines.isEmpty() || lines.first() != QLatin1String(kHeader))
        return refused(tr("первая строка — не заголовок файла результатов Quellor"));
    Result result;
    for (int i = 1; i < lines.size(); ++i) {
        // Files joined one after another: each header begins a part.
        if (lines[i] == QLatin1String(kHeader)) {
            result.parts.push_back(result.answers.size());
            continue;
        }
        const std::optional<QStringList> fields = fieldsOf(lines[i]);
        if (!fields || fields->size() != kFields)
            return refused(tr("строка %1: нужно %2 полей через запятую").arg(i + 1).arg(kFields));
        QString wrong;
        const std::optional<Tasks::Answer> answer = answerOf(*fields, &wrong);
        if (!answer)
            return refused(tr("строка %1: неверное поле «%2»").arg(i + 1).arg(wrong));
        result.answers.push_back(*answer);
        result.lines.push_back(i + 1);
    }
    return result;
}

ResultsFile::Result ResultsFile::read(const QString& path) {
    const SafeRead::Result file = SafeRead::read(path, kMostBytes);
    if (!file.problem.isEmpty())
        return refused(file.problem);
    if (file.tooLarge)
        return refused(tr("файл слишком велик для файла результатов"));
    return parse(file.bytes);
}

std::vector<Tasks::Rejudged> ResultsFile::judge(const Result& read) {
    std::vector<Tasks::Rejudged> out;
    std::vector<std::size_t> starts{0};
    starts.insert(starts.end(), read.parts.begin(), read.parts.end());
    starts.push_back(read.answers.size());
    int runs = 0;
    for (std::size_t p = 0; p + 1 < starts.size(); ++p) {
        const std::vector<Tasks::Answer> part(read.answers.begin() + std::ptrdiff_t(starts[p]),
                                              read.answers.begin() + std::ptrdiff_t(starts[p + 1]));
        int most = -1;
        for (Tasks::Rejudged judged : Tasks::rejudge(part)) {
            most = std::max(most, judged.run);
            judged.run += runs;
            out.push_back(judged);
        }
        runs += most + 1;
    }
    return out;
}

QString ResultsFile::cannotTake(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat link {
    }, target{};
    if (::lstat(name.constData(), &link) == 0) {
        if (::stat(name.constData(), &target) != 0)
            return SafeWrite::failure(path, errno == ELOOP
                                                ? tr("символические ссылки образуют кольцо")
                                                : tr("ссылка ведёт к файлу, которого нет"));
        if (!S_ISREG(target.st_mode))
            return SafeWrite::failure(path, S_ISDIR(target.st_mode) ? tr("это папка, а не файл")
                                                                    : tr("это не обычный файл"));
        // No write bit at all: kept from writing on purpose, even from root.
        if ((target.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
            ::access(name.constData(), W_OK) != 0)
            return SafeWrite::failure(path, tr("файл защищён от записи"));
    }
    // The answers go through a new file and a lock beside the old one.
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir())
        return SafeWrite::failure(path, tr("такой папки нет"));
    if (::access(QFile::encodeName(folder).constData(), W_OK) != 0)
        return SafeWrite::failure(path, tr("нет прав на запись в эту папку"));
    if (QFileInfo(path).isFile() && QFileInfo(path).size() > 0) {
        const Result read = ResultsFile::read(path);
        if (!read.problem.isEmpty())
            return SafeWrite::failure(path, read.problem);
    }
    return QString();
}

QString ResultsFile::append(const QString& path, std::vector<Tasks::Answer>& answers) {
    // Every answer's name and numbers as the reader takes them, or none written.
    for (const Tasks::Answer& answer : answers)
        if (!parse(header() + line(answer)).problem.isEmpty())
            return SafeWrite::failure(path, tr("ответ не подходит для файла результатов"));
    const QString unable = cannotTake(path);
    if (!unable.isEmpty())
        return unable;
    // One program at a time reads, adds and replaces the file: two at once
    // would each write the file without the other's answer.
    QLockFile lock(lockOf(path));
    if (!takeTurn(lock))
        return SafeWrite::failure(path, lock.error() == QLockFile::LockFailedError
                                            ? tr("файл занят другой программой")
                                        : lock.error() == QLockFile::PermissionError
                                            ? tr("нет прав на запись в эту папку")
                                            : tr("причина неизвестна"));
    QByteArray before = header();
    std::vector<Tasks::Answer> run;
    if (QFileInfo(path).size() > 0) {
        const SafeRead::Result file = SafeRead::read(path, kMostBytes);
        if (!file.problem.isEmpty())
            return SafeWrite::failure(path, file.problem);
        const Result read = parse(file.bytes);
        if (!read.problem.isEmpty() || file.tooLarge)
            return SafeWrite::failure(path, file.tooLarge
                                                ? tr("файл слишком велик для файла результатов")
                                                : read.problem);
        before = file.bytes; // kept byte for byte
        if (!before.endsWith('\n'))
            before += '\n';
        // The scores count on from the last part's lines of the same pupil,
        // series and level, as the check will (the others cannot change them).
        const std::size_t from = read.parts.empty() ? 0 : read.parts.back();
        for (std::size_t i = from; i < read.answers.size(); ++i)
            if (std::any_of(answers.begin(), answers.end(),
                            [&](const Tasks::Answer& a) { return sameRun(a, read.answers[i]); }))
                run.push_back(read.answers[i]);
    }
    const std::size_t first = run.size();
    run.insert(run.end(), answers.begin(), answers.end());
    scoreAsJudged(run, first);
    QByteArray added;
    for (std::size_t i = first; i < run.size(); ++i)
        added += line(run[i]);
    if (before.size() + added.size() > kMostBytes)
        return SafeWrite::failure(path, tr("файл результатов полон (%1 МиБ): начните новый файл")
                                            .arg(kMostBytes / (1024 * 1024)));
    const QString failure = SafeWrite::write(path, before + added);
    if (failure.isEmpty())
        for (std::size_t i = 0; i < answers.size(); ++i)
            answers[i].score = run[first + i].score;
    return failure;
}
