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

QString LabTexts::objectLetter(Optics::Notation notation) {
    return Readout::letter(Optics::lettersOf(notation).objectDistance);
}

QString LabTexts::imageLetter(Optics::Notation notation) {
    return Readout::letter(Optics::lettersOf(notation).imageDistance);
}

QString LabTexts::focalLetter(Optics::Notation notation) {
    return Readout::letter(Optics::lettersOf(notation).focalLength);
}

QString LabTexts::backFocalLetter(Optics::Notation notation) {
    return Readout::letter(Optics::lettersOf(notation).backFocalLength);
}

QString LabTexts::powerLetter(Optics::Notation notation) {
    return Readout::letter(Optics::lettersOf(notation).power);
}

QString LabTexts::unit() {
    return LabWords::tr("см");
}

QStringList LabTexts::header(Optics::Notation notation, bool twoMedia) {
    const QString withUnit = QStringLiteral("%1, ") + unit();
    QStringList cells{LabWords::tr("№"), withUnit.arg(objectLetter(notation)),
                      withUnit.arg(imageLetter(notation)), withUnit.arg(focalLetter(notation))};
    if (twoMedia)
        cells << withUnit.arg(backFocalLetter(notation));
    return cells << LabWords::tr("изображение на экране");
}

QString LabTexts::regionWords(Optics::Notation notation, Lab::Region region) {
    const QString F = focalLetter(notation);
    switch (region) {
    case Lab::Region::BeyondTwoF:
        return LabWords::tr("предмет дальше 2%1").arg(F);
    case Lab::Region::BetweenFAndTwoF:
        return LabWords::tr("предмет между %1 и 2%1").arg(F);
    case Lab::Region::InsideF:
        return LabWords::tr("предмет ближе %1").arg(F);
    }
    return QString();
}

QStringList LabTexts::cells(Optics::Notation notation, int number, const Lab::Row& row,
                            bool twoMedia) {
    const QString seen = row.found ? Readout::kindWords(true, false, row.size)
                                   : LabWords::tr("резкого изображения нет");
    const auto computed = [&](double cm) {
        return row.found ? length(cm, kComputedDecimals) : QStringLiteral("—");
    };
    QStringList cells{QString::number(number), length(row.d, kReadDecimals),
                      length(row.f, kReadDecimals),
                      computed(Lab::focalOf(row.d, row.f, row.n1, row.n2))};
    if (twoMedia)
        cells << computed(Lab::backFocalOf(row.d, row.f, row.n1, row.n2));
    return cells << seen + QStringLiteral(" (") + regionWords(notation, row.region) +
                        QLatin1Char(')');
}

namespace {
// "F = d·f / (d + f)", or between two media the lens law solved for F and F′.
QString formulaOf(Optics::Notation n, const Lab::Result& r) {
    const QString F = LabTexts::focalLetter(n), d = LabTexts::objectLetter(n),
                  f = LabTexts::imageLetter(n);
    if (!r.twoMedia)
        return QStringLiteral("%1 = %2·%3 / (%2 + %3)").arg(F, d, f);
    return QStringLiteral("%1 = n1·%2·%3 / (n1·%3 + n2·%2), %4 = (n2/n1)·%1 (n1 = %5, n2 = %6)")
        .arg(F, d, f, LabTexts::backFocalLetter(n), Readout::typed(r.n1), Readout::typed(r.n2));
}

QString powerOf(Optics::Notation n, const Lab::Result& r) {
    const QString D = LabTexts::powerLetter(n), F = LabTexts::focalLetter(n);
    // From F as the answer writes it, so that D = 1/F holds for the numbers shown.
    const Lab::Written written = Lab::written(r.front);
    const double dioptres =
        written.mean != 0 ? r.dioptres * r.front.mean / written.mean : r.dioptres;
    const QString value = length(dioptres, kPercentDecimals);
    switch (r.formula) {
    case Optics::PowerFormula::OneOverF:
    case Optics::PowerFormula::OneOverFrontF:
        return LabWords::tr("%1 = 1/%2 = %3 дптр").arg(D, F, value);
    case Optics::PowerFormula::Vergence:
        break;
    }
    return LabWords::tr("%1 = n1/%2 = %3 дптр").arg(D, F, value);
}

// "F = (4,01 ± 0,03) см": the error to one significant figure, the mean to
// its place.
QString withError(const QString& letter, const Lab::Estimate& e) {
    const Lab::Written w = Lab::written(e);
    return QStringLiteral("%1 = (%2 ± %3) %4")
        .arg(letter, length(w.mean, w.decimals), length(w.error, w.decimals), LabTexts::unit());
}
} // namespace

QStringList LabTexts::computation(Optics::Notation notation, const Lab::Result& r) {
    if (r.rows == 0)
        return {};
    const QString F = focalLetter(notation);
    const QString cm = QLatin1Char(' ') + unit();
    const auto meanOf = [&](const QString& letter, double value) {
        return LabWords::tr("%1ср = %2").arg(letter, length(value, kComputedDecimals) + cm);
    };
    QString means = meanOf(F, r.front.mean);
    if (r.twoMedia)
        means += QStringLiteral(", ") + meanOf(backFocalLetter(notation), r.back.mean);
    means = LabWords::tr("%1 в каждой строке; %2 (строк с изображением: %3)")
                .arg(formulaOf(notation, r), means)
                .arg(r.rows);
    // The error's parts keep a figure more than the error they add up to,
    // which is rounded as the answer writes it; ε is worked from the answer.
    const Lab::Written front = Lab::written(r.front);
    const int parts = front.decimals + 1;
    QString errors =
        LabWords::tr("Δ%1сл = %2%5 (среднее |%1i − %1ср|), Δ%1и = %3%5 (половина деления: "
                     "%4%5), Δ%1 = %6%5, ε = %7 %")
            .arg(F, length(r.front.spread, parts), length(r.front.instrument, parts),
                 length(Lab::kDivisionCm / 2, kComputedDecimals), cm,
                 length(front.error, front.decimals),
                 length(front.relative * kPercent, kPercentDecimals));
    if (r.twoMedia) {
        const Lab::Written back = Lab::written(r.back);
        errors += QStringLiteral("; Δ%1 = %2%3")
                      .arg(backFocalLetter(notation), length(back.error, back.decimals), cm);
    }
    return {means, errors, powerOf(notation, r)};
}

QString LabTexts::answer(Optics::Notation notation, const Lab::Result& r) {
    if (r.rows == 0)
        return QString();
    QString text = withError(focalLetter(notation), r.front);
    if (r.twoMedia)
        text += QStringLiteral(", ") + withError(backFocalLetter(notation), r.back);
    return LabWords::tr("Ответ: %1").arg(text);
}

QStringList LabTexts::regionsFound(Optics::Notation notation, const std::vector<Lab::Row>& rows) {
    QStringList lines;
    for (const Lab::Region region :
         {Lab::Region::BeyondTwoF, Lab::Region::BetweenFAndTwoF, Lab::Region::InsideF}) {
        // An image caught in a region says what the lens gives there; a row
        // of the same region where the screen stood off it does not unsay it.
        // "Не получено" only where no row caught one.
        QStringList seen;
        bool tried = false;
        for (const Lab::Row& row : rows)
            if (row.region == region) {
                tried = true;
                if (row.found)
                    seen << Readout::kindWords(true, false, row.size);
            }
        seen.removeDuplicates();
        const QString found = !tried           ? LabWords::tr("не исследовано")
                              : seen.isEmpty() ? LabWords::tr("не получено")
                                               : seen.join(QStringLiteral("; "));
        lines << regionWords(notation, region) + QStringLiteral(": ") + found;
    }
    return lines;
}
