// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing a setup. The reader trusts nothing: the file may be
// missing, empty, cut off, not JSON, of a newer version, hold values of the
// wrong type or out of range, or be megabytes of something else. Each case
// ends in a problem named in words, and no setup.
#include "setupfile.h"

#include "bench.h"
#include "saferead.h"
#include "task.h"
#include "zoomsteps.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {
const char* const kFormatName = "quellor-setup";

// Keys of the format, as the README describes them.
const char* const kFormat = "format";
const char* const kVersionKey = "version";
const char* const kLens = "lens";
const char* const kIndices = "indices";
const char* const kRadii = "radii";
const char* const kView = "view";
const char* const kObject = "object";
const char* const kZoom = "zoom";
const char* const kLayers = "layers";
const char* const kTasks = "tasks";
const char* const kNotation = "notation";
const char* const kScale = "scale";
const auto& kTaskLevels = Tasks::kLevelKeys;

// The radius read-outs' precision: "R = 2,65 см".
constexpr int kRadiusDecimals = 2;

QString key(const char* name) {
    return QString::fromLatin1(name);
}

// The left area in real centimetres: where an object can stand. At the lens
// plane or behind it an object has no construction.
double nearestObject(Optics::Scale scale) {
    return scale.realCm(1);
}
double farthestObject(Optics::Scale scale) {
    return scale.realCm(Bench::kLensX);
}
double highestObject(Optics::Scale scale) {
    return scale.realCm(Bench::kAxisY);
}
double lowestObject(Optics::Scale scale) {
    return scale.realCm(Bench::kAxisY - Bench::kAreaHeight);
}

// The scales as the message lists them: "1, 2, 5 или 10".
QString scaleChoices() {
    QStringList first;
    for (std::size_t i = 0; i + 1 < Optics::Scale::kChoices.size(); ++i)
        first << QString::number(Optics::Scale::kChoices[i]);
    return SetupFile::tr("%1 или %2")
        .arg(first.join(QStringLiteral(", ")))
        .arg(Optics::Scale::kChoices.back());
}

// A number as the read-outs show it: rounded to `decimals` (all of it for
// kExact, below), and written with the language's decimal mark.
double shown(double value, int decimals) {
    if (decimals < 0 || !std::isfinite(value))
        return value;
    const double unit = std::pow(10.0, decimals);
    return std::round(value * unit) / unit;
}

QString text(double value, int decimals) {
    const QLocale language(SetupFile::tr("ru_RU", "locale of the decimal mark in the messages"));
    return decimals < 0 ? language.toString(value, 'g', 15)
                        : language.toString(value, 'f', decimals);
}

// A value as a teacher set it: 1 + 32/50 is the double 1.6400000000000001, whose
// 17 digits are binary noise. Fifteen significant digits are all a double holds
// of a decimal, so the value rounded to them reads back as the same bench, and
// JSON writes that double as its shortest text, "1.64".
double shortest(double value) {
    constexpr int kDecimalDigits = 15;
    return QByteArray::number(value, 'g', kDecimalDigits).toDouble();
}

// Reads the members of one JSON object, remembering the first problem.
class Reader {
public:
    QString problem;

    bool failed() const { return !problem.isEmpty(); }

    QJsonObject object(const QJsonObject& in, const char* name, const QString& where) {
        const QJsonValue value = in.value(key(name));
        if (failed())
            return {};
        if (value.isUndefined())
            fail(SetupFile::tr("нет поля «%1»").arg(where));
        else if (!value.isObject())
            fail(SetupFile::tr("поле «%1» должно быть объектом").arg(where));
        return value.toObject();
    }

    // A number within [least, greatest]. With `decimals` >= 0 the limits are
    // those the read-outs show at that precision: a value that shows within
    // them is taken (and kept to the exact range), and the message names them
    // as the read-outs would; otherwise the limits are exact.
    double number(const QJsonObject& in, const char* name, const QString& where, double least,
                  double greatest, int decimals = kExact) {
        const QJsonValue value = in.value(key(name));
        if (failed())
            return 0;
        if (value.isUndefined()) {
            fail(SetupFile::tr("нет поля «%1»").arg(where));
            return 0;
        }
        if (!value.isDouble()) {
            fail(SetupFile::tr("поле «%1» должно быть числом").arg(where));
            return 0;
        }
        // The value as the file will be written again, so that what is read
        // is what a save writes back.
        const double x = shortest(value.toDouble());
        // The limits rounded alike, so that a value at a limit, written and
        // read again, is still within it.
        const double low = shown(shortest(least), decimals);
        const double high = shown(shortest(greatest), decimals);
        if (!std::isfinite(x) || shown(x, decimals) < low || shown(x, decimals) > high) {
            fail(SetupFile::tr("значение %1 поля «%2» вне допустимых пределов (от %3 до %4)")
                     .arg(text(x, kExact), where, text(low, decimals), text(high, decimals)));
            return x;
        }
        if (decimals == kExact)
            return x;
        // A value taken as shown is kept to the range the sliders have, as the
        // text a save writes: a limit's own double has more digits than the
        // file keeps, and would read back as another value.
        const double kept = std::clamp(x, least, greatest);
        const double written = shortest(kept);
        return written >= least && written <= greatest ? written : kept;
    }

    static constexpr int kExact = -1;

    // One of two words.
    bool choice(const QJsonObject& in, const char* name, const char* yes, const char* no) {
        const QJsonValue value = in.value(key(name));
        if (failed())
            return false;
        if (value.isUndefined()) {
            fail(SetupFile::tr("нет поля «%1»").arg(key(name)));
            return false;
        }
        const QString word = value.toString();
        if (!value.isString() || (word != key(yes) && word != key(no)))
            fail(SetupFile::tr("поле «%1» должно быть \"%2\" или \"%3\"")
                     .arg(key(name), key(yes), key(no)));
        return word == key(yes);
    }

    bool flag(const QJsonObject& in, const char* name, const QString& where) {
        const QJsonValue value = in.value(key(name));
        if (failed() || value.isUndefined())
            return false;
        if (!value.isBool())
            fail(SetupFile::tr("поле «%1» должно быть true или false").arg(where));
        return value.toBool();
    }

private:
    void fail(const QString& why) {
        if (problem.isEmpty())
            problem = why;
    }
};
} // namespace

bool SetupFile::objectInArea(double distance, double height, Optics::Scale scale) {
    return std::isfinite(distance) && std::isfinite(height) && distance >= nearestObject(scale) &&
           distance <= farthestObject(scale) && height >= lowestObject(scale) &&
           height <= highestObject(scale);
}

double SetupFile::leastIndex() {
    return Bench::indexOf(0);
}
double SetupFile::greatestIndex() {
    return Bench::indexOf(Bench::kIndexSteps);
}
double SetupFile::leastRadius(Optics::Scale scale) {
    return scale.realCm(Bench::radiusOf(0, Bench::kRadiusBase));
}
double SetupFile::greatestRadius(Optics::Scale scale) {
    return scale.realCm(Bench::radiusOf(Bench::kRadiusSteps, Bench::kRadiusBase));
}

double SetupFile::statedLeastRadius(Optics::Scale scale) {
    return shown(leastRadius(scale), kRadiusDecimals);
}
double SetupFile::statedGreatestRadius(Optics::Scale scale) {
    return shown(greatestRadius(scale), kRadiusDecimals);
}

bool SetupFile::takeRadius(double cm, Optics::Scale scale, double* taken) {
    const double seen = shown(cm, kRadiusDecimals);
    if (!std::isfinite(cm) || seen < statedLeastRadius(scale) || seen > statedGreatestRadius(scale))
        return false;
    *taken = std::clamp(cm, leastRadius(scale), greatestRadius(scale));
    return true;
}

SetupFile::Result SetupFile::parse(const QByteArray& bytes) {
    if (bytes.size() > kMostBytes)
        return {std::nullopt, tr("файл слишком велик для файла урока (%1 байт, допустимо до %2)")
                                  .arg(bytes.size())
                                  .arg(kMostBytes)};
    if (bytes.trimmed().isEmpty())
        return {std::nullopt, tr("файл пуст")};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return {std::nullopt, tr("это не JSON или файл обрезан (%1, байт %2)")
                                  .arg(error.errorString())
                                  .arg(error.offset)};
    if (!document.isObject())
        return {std::nullopt, tr("это не файл урока: ожидался объект JSON")};
    const QJsonObject root = document.object();
    if (root.value(key(kFormat)).toString() != key(kFormatName))
        return {std::nullopt,
                tr("это не файл урока Quellor: нет \"format\": \"%1\"").arg(key(kFormatName))};
    const QJsonValue version = root.value(key(kVersionKey));
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) ||
        version.toDouble() < 1)
        return {std::nullopt, tr("поле «version» должно быть целым числом от 1")};
    if (version.toDouble() > kVersion)
        return {std::nullopt, tr("файл записан более новой версией программы (формат %1, эта "
                                 "версия читает до %2)")
                                  .arg(version.toDouble())
                                  .arg(kVersion)};

    Reader in;
    Setup setup;
    // The scale first: the lengths below are real ones at it, and so are
    // their limits. A file without one is at 1 : 1.
    if (root.contains(key(kScale))) {
        const QJsonValue scale = root.value(key(kScale));
        const std::optional<Optics::Scale> chosen =
            scale.isDouble() ? Optics::Scale::of(scale.toDouble()) : std::nullopt;
        if (!chosen)
            return {std::nullopt, tr("поле «scale» должно быть одним из чисел %1 (масштаб 1 : K)")
                                      .arg(scaleChoices())};
        setup.scale = *chosen;
    }
    setup.converging = in.choice(root, kLens, "converging", "diverging");
    const QJsonObject indices = in.object(root, kIndices, key(kIndices));
    setup.n1 =
        in.number(indices, "left", QStringLiteral("indices.left"), leastIndex(), greatestIndex());
    setup.N =
        in.number(indices, "lens", QStringLiteral("indices.lens"), leastIndex(), greatestIndex());
    setup.n2 =
        in.number(indices, "right", QStringLiteral("indices.right"), leastIndex(), greatestIndex());
    const QJsonObject radii = in.object(root, kRadii, key(kRadii));
    setup.leftRadius =
        in.number(radii, "left", QStringLiteral("radii.left"), leastRadius(setup.scale),
                  greatestRadius(setup.scale), kRadiusDecimals);
    setup.rightRadius =
        in.number(radii, "right", QStringLiteral("radii.right"), leastRadius(setup.scale),
                  greatestRadius(setup.scale), kRadiusDecimals);
    setup.scheme = in.choice(root, kView, "scheme", "lens");

    // Optional parts: no object, the fitted zoom, no layers.
    const QJsonValue object = root.value(key(kObject));
    if (!in.failed() && !object.isUndefined() && !object.isNull()) {
        const QJsonObject point = in.object(root, kObject, key(kObject));
        setup.hasObject = true;
        setup.objectDistance = in.number(point, "distance", QStringLiteral("object.distance"),
                                         nearestObject(setup.scale), farthestObject(setup.scale));
        setup.objectHeight = in.number(point, "height", QStringLiteral("object.height"),
                                       lowestObject(setup.scale), highestObject(setup.scale));
    }
    if (!in.failed() && root.contains(key(kZoom))) {
        const double zoom = in.number(root, kZoom, key(kZoom), ZoomLimits::kOut, ZoomLimits::kIn);
        if (!in.failed() && zoom != std::floor(zoom))
            in.problem = tr("поле «zoom» должно быть целым числом");
        // Only a number within the limits fits an int.
        if (!in.failed())
            setup.zoomSteps = int(zoom);
    }
    if (!in.failed() && root.contains(key(kLayers))) {
        const QJsonObject layers = in.object(root, kLayers, key(kLayers));
        setup.layers.labels = in.flag(layers, "labels", QStringLiteral("layers.labels"));
        setup.layers.thirdRay = in.flag(layers, "thirdRay", QStringLiteral("layers.thirdRay"));
        setup.layers.safePalette =
            in.flag(layers, "safePalette", QStringLiteral("layers.safePalette"));
    }
    // The series of tasks: a seed (a whole number, or its digits as a string
    // where it exceeds what a JSON number holds exactly) and a level.
    if (!in.failed() && root.contains(key(kTasks))) {
        const QJsonObject tasks = in.object(root, kTasks, key(kTasks));
        const QJsonValue seed = tasks.value(QStringLiteral("seed"));
        const QJsonValue level = tasks.value(QStringLiteral("level"));
        // From 2^53 on a JSON number no longer holds every whole number: 2^53
        // itself may have been written as 2^53 + 1. Such seeds come as digits.
        constexpr double kFirstInexact = 9007199254740992.0; // 2^53
        std::optional<quint64> value;
        if (seed.isString())
            value = seedOf(seed.toString());
        else if (seed.isDouble() && seed.toDouble() >= 0 && seed.toDouble() < kFirstInexact &&
                 seed.toDouble() == std::floor(seed.toDouble()))
            value = quint64(seed.toDouble());
        if (!in.failed() && !value)
            in.problem =
                seed.isDouble() && seed.toDouble() >= kFirstInexact
                    ? tr("число поля «tasks.seed» от 9007199254740992 не хранится в JSON точно: "
                         "запишите его строкой цифр в кавычках")
                    : tr("поле «tasks.seed» должно быть целым числом от 0 до "
                         "18446744073709551615");
        setup.taskLevel = -1;
        for (int i = 0; i < int(std::size(kTaskLevels)); ++i)
            if (level.isUndefined() || level.toString() == key(kTaskLevels[i])) {
                setup.taskLevel = level.isUndefined() ? 0 : i;
                break;
            }
        if (!in.failed() && (setup.taskLevel < 0 || (!level.isUndefined() && !level.isString())))
            in.problem = tr("поле «tasks.level» должно быть \"equal\", \"two\" или \"mixed\"");
        setup.hasTasks = true;
        setup.taskSeed = value.value_or(0);
    }
    // The notation: one of the names the writer uses, or none at all.
    if (!in.failed() && root.contains(key(kNotation))) {
        const QJsonValue notation = root.value(key(kNotation));
        setup.notation = Optics::notationKeyed(notation.toString().toStdString());
        if (!notation.isString() || !setup.notation)
            in.problem = tr("поле «notation» должно быть \"%1\", \"%2\" или \"%3\"")
                             .arg(key(Optics::keyOf(Optics::Notation::RussianSchool)),
                                  key(Optics::keyOf(Optics::Notation::UkSchool)),
                                  key(Optics::keyOf(Optics::Notation::SignedGaussian)));
    }
    if (in.failed())
        return {std::nullopt, in.problem};
    return {setup, QString()};
}

SetupFile::Result SetupFile::read(const QString& path) {
    const SafeRead::Result file = SafeRead::read(path, kMostBytes);
    if (!file.problem.isEmpty())
        return {std::nullopt, file.problem};
    if (file.tooLarge)
        return {std::nullopt, tr("файл слишком велик для файла урока (%1 байт, допустимо до %2)")
                                  .arg(std::max<qint64>(file.size, file.bytes.size()))
                                  .arg(kMostBytes)};
    return parse(file.bytes);
}

std::optional<quint64> SetupFile::seedOf(const QString& digits) {
    if (digits.isEmpty() || digits.size() > 20)
        return std::nullopt;
    for (const QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    bool ok = false;
    const quint64 value = digits.toULongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QByteArray SetupFile::write(const Setup& setup) {
    QJsonObject root;
    root.insert(key(kFormat), key(kFormatName));
    root.insert(key(kVersionKey), kVersion);
    root.insert(key(kScale), setup.scale.factor());
    root.insert(key(kLens),
                setup.converging ? QStringLiteral("converging") : QStringLiteral("diverging"));
    root.insert(key(kIndices), QJsonObject{{QStringLiteral("left"), shortest(setup.n1)},
                                           {QStringLiteral("lens"), shortest(setup.N)},
                                           {QStringLiteral("right"), shortest(setup.n2)}});
    root.insert(key(kRadii), QJsonObject{{QStringLiteral("left"), shortest(setup.leftRadius)},
                                         {QStringLiteral("right"), shortest(setup.rightRadius)}});
    root.insert(key(kView), setup.scheme ? QStringLiteral("scheme") : QStringLiteral("lens"));
    if (setup.hasObject)
        root.insert(key(kObject),
                    QJsonObject{{QStringLiteral("distance"), shortest(setup.objectDistance)},
                                {QStringLiteral("height"), shortest(setup.objectHeight)}});
    else
        root.insert(key(kObject), QJsonValue::Null);
    root.insert(key(kZoom), setup.zoomSteps);
    root.insert(key(kLayers),
                QJsonObject{{QStringLiteral("labels"), setup.layers.labels},
                            {QStringLiteral("thirdRay"), setup.layers.thirdRay},
                            {QStringLiteral("safePalette"), setup.layers.safePalette}});
    if (setup.hasTasks)
        root.insert(key(kTasks),
                    QJsonObject{{QStringLiteral("seed"), QString::number(setup.taskSeed)},
                                {QStringLiteral("level"),
                                 key(kTaskLevels[std::clamp(setup.taskLevel, 0, 2)])}});
    if (setup.notation)
        root.insert(key(kNotation), key(Optics::keyOf(*setup.notation)));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
