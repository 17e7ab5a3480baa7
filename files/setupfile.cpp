// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing a setup: the format itself is SetupFormat's
// (optics/setupformat.*), which the browser page shares; here its problems
// are worded in the window's language, and files are read safely.
#include "setupfile.h"

#include "saferead.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QLocale>
#include <QStringList>
#include <algorithm>

namespace {
QString key(const std::string& name) {
    return QString::fromStdString(name);
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

// A number as the messages write it: to `decimals` (all of it for kExact),
// with the language's decimal mark.
QString text(double value, int decimals) {
    const QLocale language(SetupFile::tr("ru_RU", "locale of the decimal mark in the messages"));
    return decimals < 0 ? language.toString(value, 'g', 15)
                        : language.toString(value, 'f', decimals);
}

QString tooLarge(qint64 size) {
    return SetupFile::tr("файл слишком велик для файла урока (%1 байт, допустимо до %2)")
        .arg(size)
        .arg(SetupFile::kMostBytes);
}

QString worded(const SetupFormat::Failure& f) {
    using SetupFormat::Problem;
    const QString field = key(f.field);
    switch (f.problem) {
    case Problem::None:
        break;
    case Problem::TooLarge:
        return tooLarge(qint64(f.size));
    case Problem::Empty:
        return SetupFile::tr("файл пуст");
    case Problem::NotJson: {
        // Only where Qt's reader took the text and this one did not.
        QJsonParseError error;
        error.error = QJsonParseError::IllegalValue;
        return SetupFile::tr("это не JSON или файл обрезан (%1, байт %2)")
            .arg(error.errorString())
            .arg(f.offset);
    }
    case Problem::NotAnObject:
        return SetupFile::tr("это не файл урока: ожидался объект JSON");
    case Problem::NotQuellor:
        return SetupFile::tr("это не файл урока Quellor: нет \"format\": \"%1\"")
            .arg(QStringLiteral("quellor-setup"));
    case Problem::BadVersion:
        return SetupFile::tr("поле «version» должно быть целым числом от 1");
    case Problem::NewerVersion:
        return SetupFile::tr("файл записан более новой версией программы (формат %1, эта "
                             "версия читает до %2)")
            .arg(f.value)
            .arg(SetupFormat::kVersion);
    case Problem::BadScale:
        return SetupFile::tr("поле «scale» должно быть одним из чисел %1 (масштаб 1 : K)")
            .arg(scaleChoices());
    case Problem::Missing:
        return SetupFile::tr("нет поля «%1»").arg(field);
    case Problem::NotObject:
        return SetupFile::tr("поле «%1» должно быть объектом").arg(field);
    case Problem::NotNumber:
        return SetupFile::tr("поле «%1» должно быть числом").arg(field);
    case Problem::OutOfRange:
        return SetupFile::tr("значение %1 поля «%2» вне допустимых пределов (от %3 до %4)")
            .arg(text(f.value, SetupFormat::kExact), field, text(f.least, f.decimals),
                 text(f.greatest, f.decimals));
    case Problem::NotChoice:
        return SetupFile::tr("поле «%1» должно быть \"%2\" или \"%3\"")
            .arg(field, key(f.yes), key(f.no));
    case Problem::NotFlag:
        return SetupFile::tr("поле «%1» должно быть true или false").arg(field);
    case Problem::ZoomNotWhole:
        return SetupFile::tr("поле «zoom» должно быть целым числом");
    case Problem::SeedInexact:
        return SetupFile::tr(
            "число поля «tasks.seed» от 9007199254740992 не хранится в JSON точно: "
            "запишите его строкой цифр в кавычках");
    case Problem::BadSeed:
        return SetupFile::tr("поле «tasks.seed» должно быть целым числом от 0 до "
                             "18446744073709551615");
    case Problem::BadLevel:
        return SetupFile::tr("поле «tasks.level» должно быть \"equal\", \"two\" или \"mixed\"");
    case Problem::BadNotation:
        return SetupFile::tr("поле «notation» должно быть \"%1\", \"%2\" или \"%3\"")
            .arg(key(Optics::keyOf(Optics::Notation::RussianSchool)),
                 key(Optics::keyOf(Optics::Notation::UkSchool)),
                 key(Optics::keyOf(Optics::Notation::SignedGaussian)));
    }
    return QString();
}
} // namespace

bool SetupFile::objectInArea(double distance, double height, Optics::Scale scale,
                             const Ranges& ranges) {
    return SetupFormat::objectInArea(distance, height, scale, ranges);
}
double SetupFile::leastRadius(Optics::Scale scale, const Ranges& ranges) {
    return SetupFormat::leastRadius(scale, ranges);
}
double SetupFile::greatestRadius(Optics::Scale scale, const Ranges& ranges) {
    return SetupFormat::greatestRadius(scale, ranges);
}
double SetupFile::statedLeastRadius(Optics::Scale scale, const Ranges& ranges) {
    return SetupFormat::statedLeastRadius(scale, ranges);
}
double SetupFile::statedGreatestRadius(Optics::Scale scale, const Ranges& ranges) {
    return SetupFormat::statedGreatestRadius(scale, ranges);
}
bool SetupFile::takeRadius(double cm, Optics::Scale scale, const Ranges& ranges, double* taken) {
    return SetupFormat::takeRadius(cm, scale, ranges, taken);
}

SetupFile::Result SetupFile::parse(const QByteArray& bytes, const Ranges& ranges) {
    if (bytes.size() > kMostBytes)
        return {std::nullopt, tooLarge(bytes.size())};
    if (bytes.trimmed().isEmpty())
        return {std::nullopt, tr("файл пуст")};
    // Qt's reader names where the text stops being JSON, as the messages
    // always have; the format's reader then checks everything else.
    QJsonParseError error;
    QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return {std::nullopt, tr("это не JSON или файл обрезан (%1, байт %2)")
                                  .arg(error.errorString())
                                  .arg(error.offset)};
    const SetupFormat::Result read =
        SetupFormat::parse(std::string_view(bytes.constData(), std::size_t(bytes.size())), ranges);
    if (!read.setup)
        return {std::nullopt, worded(read.failure)};
    return {read.setup, QString()};
}

SetupFile::Result SetupFile::read(const QString& path, const Ranges& ranges) {
    const SafeRead::Result file = SafeRead::read(path, kMostBytes);
    if (!file.problem.isEmpty())
        return {std::nullopt, file.problem};
    if (file.tooLarge)
        return {std::nullopt, tr("файл слишком велик для файла урока (%1 байт, допустимо до %2)")
                                  .arg(std::max<qint64>(file.size, file.bytes.size()))
                                  .arg(kMostBytes)};
    return parse(file.bytes, ranges);
}

std::optional<quint64> SetupFile::seedOf(const QString& digits) {
    const std::optional<std::uint64_t> seed = SetupFormat::seedOf(digits.toStdString());
    if (!seed)
        return std::nullopt;
    return quint64(*seed);
}

QByteArray SetupFile::write(const Setup& setup) {
    return QByteArray::fromStdString(SetupFormat::write(setup));
}
