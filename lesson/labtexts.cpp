// SPDX-License-Identifier: GPL-3.0-or-later
#include "labtexts.h"

#include "readout.h"

namespace {
struct LabWords {
    Q_DECLARE_TR_FUNCTIONS(LabWords)
};

// A reading to the ruler's millimetre has one decimal of a centimetre; a
// computed focal length two; the relative error and the power one.
constexpr int kReadDecimals = 1;
constexpr int kComputedDecimals = 2;
constexpr int kPercentDecimals = 1;
constexpr double kPercent = 100;

QString length(double cm, int decimals) {
    return Readout::number(cm, decimals);
}
} // namespace

QString LabTexts::objectLetter() {
    return QStringLiteral("d");
}

QString LabTexts::imageLetter() {
    return QStringLiteral("f");
}

QString LabTexts::focalLetter() {
    return QStringLiteral("F");
}

QString LabTexts::unit() {
    return LabWords::tr("см");
}

QStringList LabTexts::header() {
    const QString withUnit = QStringLiteral("%1, ") + unit();
    return {LabWords::tr("№"), withUnit.arg(objectLetter()), withUnit.arg(imageLetter()),
            withUnit.arg(focalLetter()), LabWords::tr("изображение на экране")};
}

QString LabTexts::regionWords(Lab::Region region) {
    switch (region) {
    case Lab::Region::BeyondTwoF:
        return LabWords::tr("предмет дальше 2%1").arg(focalLetter());
    case Lab::Region::BetweenFAndTwoF:
        return LabWords::tr("предмет между %1 и 2%1").arg(focalLetter());
    case Lab::Region::InsideF:
        return LabWords::tr("предмет ближе %1").arg(focalLetter());
    }
    return QString();
}

QStringList LabTexts::cells(int number, const Lab::Row& row) {
    const QString seen = row.found ? Readout::kindWords(true, false, row.size)
                                   : LabWords::tr("резкого изображения нет");
    return {QString::number(number), length(row.d, kReadDecimals), length(row.f, kReadDecimals),
            row.found ? length(Lab::focalOf(row.d, row.f), kComputedDecimals) : QStringLiteral("—"),
            seen + QStringLiteral(" (") + regionWords(row.region) + QLatin1Char(')')};
}

QStringList LabTexts::computation(const Lab::Result& r) {
    if (r.rows == 0)
        return {};
    const QString F = focalLetter();
    const QString cm = QLatin1Char(' ') + unit();
    return {LabWords::tr(
                "%1 = %2·%3 / (%2 + %3) в каждой строке; %1ср = %4%5 (строк с изображением: %6)")
                .arg(F, objectLetter(), imageLetter(), length(r.mean, kComputedDecimals), cm)
                .arg(r.rows),
            LabWords::tr("Δ%1сл = %2%5 (среднее |%1i − %1ср|), Δ%1и = %3%5 (половина деления: "
                         "%4%5), Δ%1 = %6%5, ε = %7 %")
                .arg(F, length(r.spread, kComputedDecimals),
                     length(r.instrument, kComputedDecimals),
                     length(Lab::kDivisionCm / 2, kComputedDecimals), cm,
                     length(r.error, kComputedDecimals),
                     length(r.relative * kPercent, kPercentDecimals)),
            LabWords::tr("D = 1/%1 = %2 дптр").arg(F, length(r.dioptres, kPercentDecimals))};
}

QString LabTexts::answer(const Lab::Result& r) {
    if (r.rows == 0)
        return QString();
    return LabWords::tr("Ответ: %1 = (%2 ± %3) %4")
        .arg(focalLetter(), length(r.mean, kComputedDecimals), length(r.error, kComputedDecimals),
             unit());
}

QStringList LabTexts::regionsFound(const std::vector<Lab::Row>& rows) {
    QStringList lines;
    for (const Lab::Region region :
         {Lab::Region::BeyondTwoF, Lab::Region::BetweenFAndTwoF, Lab::Region::InsideF}) {
        QStringList seen;
        for (const Lab::Row& row : rows)
            if (row.region == region)
                seen << (row.found ? Readout::kindWords(true, false, row.size)
                                   : LabWords::tr("не получено"));
        seen.removeDuplicates();
        lines << regionWords(region) + QStringLiteral(": ") +
                     (seen.isEmpty() ? LabWords::tr("не исследовано")
                                     : seen.join(QStringLiteral("; ")));
    }
    return lines;
}
