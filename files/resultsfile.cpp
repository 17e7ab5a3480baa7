// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultsfile.h"

#include "resultsline.h"
#include "saferead.h"
#include "safewrite.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>
#include <cmath>
#include <iterator>
#include <optional>

namespace {
constexpr int kFields = 12;
const auto& kLevels = Tasks::kLevelKeys;
constexpr int kLongestName = 200;
// Clicks land on the bench's two areas; anything far beyond is no click.
constexpr double kFarthest = 100000;
constexpr double kLongestSeconds = 1e7;

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

bool plainName(const QString& name) {
    if (name.size() > kLongestName)
        return false;
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return false;
    return true;
}

// An answer from its fields, or the first field that is wrong.
std::optional<Tasks::Answer> answerOf(const QStringList& f, QString* wrong) {
    Tasks::Answer a;
    *wrong = QStringLiteral("name");
    if (!plainName(f[0]))
        return std::nullopt;
    a.name = f[0].toStdString();
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
    } numbers[] = {{"click_x", &a.clickX, -kFarthest, kFarthest},
                   {"click_y", &a.clickY, -kFarthest, kFarthest},
                   {"true_x", &a.trueX, -kFarthest, kFarthest},
                   {"true_y", &a.trueY, -kFarthest, kFarthest},
                   {"off_cm", &a.offCm, 0, kFarthest},
                   {"seconds", &a.seconds, 0, kLongestSeconds}};
    const int at[] = {4, 5, 6, 7, 8, 11};
    for (int i = 0; i < int(std::size(numbers)); ++i) {
        *wrong = QString::fromLatin1(numbers[i].name);
        const std::optional<double> v = numberIn(f[at[i]], numbers[i].low, numbers[i].high);
        if (!v)
            return std::nullopt;
        *numbers[i].value = *v;
    }
    *wrong = QStringLiteral("task");
    const std::optional<int> task = wholeIn(f[3], 1, Tasks::kSeriesLength);
    if (!task)
        return std::nullopt;
    a.task = *task - 1;
    *wrong = QStringLiteral("counted");
    if (f[9] != QLatin1String("yes") && f[9] != QLatin1String("no"))
        return std::nullopt;
    a.counted = f[9] == QLatin1String("yes");
    *wrong = QStringLiteral("score");
    const std::optional<int> score = wholeIn(f[10], 0, Tasks::kSeriesLength);
    if (!score)
        return std::nullopt;
    a.score = *score;
    return a;
}
} // namespace

QByteArray ResultsFile::header() {
    return QByteArray::fromStdString(Tasks::resultsHeader());
}

QByteArray ResultsFile::line(const Tasks::Answer& a) {
    return QByteArray::fromStdString(Tasks::resultsLine(a));
}

QByteArray ResultsFile::write(const std::vector<Tasks::Answer>& answers) {
    QByteArray out = header();
    for (const Tasks::Answer& answer : answers)
        out += line(answer);
    return out;
}

ResultsFile::Result ResultsFile::parse(const QByteArray& bytes) {
    if (bytes.size() > kMostBytes)
        return {{}, tr("файл слишком велик для файла результатов")};
    QString text;
    {
        auto decoder = QStringDecoder(QStringDecoder::Utf8);
        text = decoder(bytes);
        if (decoder.hasError())
            return {{}, tr("это не текст UTF-8")};
    }
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& l : lines)
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty() || lines.first() + QLatin1Char('\n') != QString::fromStdString(Tasks::resultsHeader()))
        return {{}, tr("первая строка — не заголовок файла результатов Quellor")};
    Result result;
    for (int i = 1; i < lines.size(); ++i) {
        const std::optional<QStringList> fields = fieldsOf(lines[i]);
        if (!fields || fields->size() != kFields)
            return {{}, tr("строка %1: нужно %2 полей через запятую").arg(i + 1).arg(kFields)};
        QString wrong;
        const std::optional<Tasks::Answer> answer = answerOf(*fields, &wrong);
        if (!answer)
            return {{}, tr("строка %1: неверное поле «%2»").arg(i + 1).arg(wrong)};
        result.answers.push_back(*answer);
    }
    return result;
}

ResultsFile::Result ResultsFile::read(const QString& path) {
    const SafeRead::Result file = SafeRead::read(path, kMostBytes);
    if (!file.problem.isEmpty())
        return {{}, file.problem};
    if (file.tooLarge)
        return {{}, tr("файл слишком велик для файла результатов")};
    return parse(file.bytes);
}

QString ResultsFile::append(const QString& path, const Tasks::Answer& answer) {
    QByteArray before = header();
    if (QFileInfo::exists(path) && QFileInfo(path).size() > 0) {
        const SafeRead::Result file = SafeRead::read(path, kMostBytes);
        if (!file.problem.isEmpty())
            return SafeWrite::failure(path, file.problem);
        const Result read = parse(file.bytes);
        if (!read.problem.isEmpty())
            return SafeWrite::failure(path, read.problem);
        before = file.bytes; // kept byte for byte
        if (!before.endsWith('\n'))
            before += '\n';
    }
    return SafeWrite::write(path, before + line(answer));
}
