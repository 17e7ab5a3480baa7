// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing a setup: the format itself is SetupFormat's
// (optics/setupformat.*), which the browser page shares; here its problems
// are worded in the window's language, and files are read safely.
#include "setupfile.h"

#include "saferead.h"

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
// with the language's decimal mark; the digits are the format's, which the
// browser page states too.
QString text(double value, int decimals) {
    const QLocale language(SetupFile::tr("ru_RU", "locale of the decimal mark in the messages"));
    return QString::fromStdString(SetupFormat::statedNumber(value, decimals))
        .replace(QLatin1Char('.'), language.decimalPoint());
}

// What is wrong where the text stops being JSON.
QString syntax(SetupFormat::Syntax why) {
    using SetupFormat::Syntax;
    switch (why) {
    case Syntax::None:
        break;
    case Syntax::Cut:
        return SetupFile::tr("текст кончается внутри JSON");
    case Syntax::NoName:
        return SetupFile::tr("ожидалось имя поля в кавычках");
    case Syntax::NoColon:
        return SetupFile::tr("ожидалось «:» после имени поля");
    case Syntax::NoSeparator:
        return SetupFile::tr("ожидалась запятая или закрывающая скобка");
    case Syntax::BadValue:
        return SetupFile::tr("недопустимое значение");
    case Syntax::BadString:
        return SetupFile::tr("недопустимый знак или экранирование в строке");
    case Syntax::TooDeep:
        return SetupFile::tr("слишком глубокая вложенность");
    case Syntax::Trailing:
        return SetupFile::tr("лишний текст после JSON");
    }
    return QString();
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
    case Problem::NotJson:
        return SetupFile::tr("это не JSON или файл обрезан (%1, байт %2)")
            .arg(syntax(f.syntax))
            .arg(f.offset);
    case Problem::NotAnObject:
        return SetupFile::tr("это не файл урока: ожидался объект JSON");
    case Problem::NotQuellor:
        return SetupFile::tr("это не файл урока Quellor: нет \"format\": \"%1\"")
            .arg(QLatin1String(SetupFormat::kFormatName));
    case Problem::BadVersion:
        return SetupFile::tr("поле «version» должно быть целым числом от 1");
    case Problem::NewerVersion:
        return SetupFile::tr("файл записан более новой версией программы (формат %1, эта "
                             "версия читает до %2)")
            .arg(text(f.value, SetupFormat::kExact))
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
    case Problem::OneLensOnly:
        return SetupFile::tr("урок с двумя линзами: здесь показывается одна линза, откройте "
                             "файл в программе Quellor");
    case Problem::BadScene:
        return f.field == "scene.kind"
                   ? SetupFile::tr("поле «scene.kind» называет сцену, которой эта версия "
                                   "программы не знает")
                   : SetupFile::tr("сцена не принимает поле «%1»").arg(field);
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
    // The format's reader checks everything, and says where and why a text
    // is no JSON in words the browser page shares.
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
