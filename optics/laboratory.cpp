// SPDX-License-Identifier: GPL-3.0-or-later
#include "laboratory.h"

#include <algorithm>
#include <cmath>

namespace Lab {

namespace {
// The lens's image of the object at (z, height): its distance b behind the
// lens (negative before it) in cm, and what it is; and the lens's front focal
// length in cm (infinite where the lens has no power).
struct Formed {
    Optics::ImageKind kind = Optics::ImageKind::None;
    double b = 0;
    double magnification = 0;
};
Formed imageAt(const Optics::Lens& lens, double z, double height) {
    const Optics::Axial::Image image = Optics::imageOf(lens, {z, height});
    return {image.kind, image.distance, image.magnification};
}
double frontFocal(const Optics::Lens& lens) {
    return Optics::focalLengths(lens).front;
}
} // namespace

double shownCm(double benchCm) {
    return benchCm * kShownCmPerBenchCm;
}

double benchCm(double shownCm) {
    return shownCm / kShownCmPerBenchCm;
}

double reading(double cm, double division) {
    return std::round(cm / division) * division;
}

double blurDiameter(double aperture, double imageDistance, double screenDistance) {
    if (imageDistance == 0 || !std::isfinite(imageDistance))
        return aperture; // parallel light: the aperture's own width
    return aperture * std::fabs(screenDistance - imageDistance) / std::fabs(imageDistance);
}

ScreenPicture onScreen(const Optics::Lens& lens, double z, double height, double screenDistance,
                       double lineWidth, double aperture) {
    ScreenPicture picture;
    const Formed image = imageAt(lens, z, height);
    if (image.kind == Optics::ImageKind::None) {
        // The object in the front focal plane: a parallel beam lights a patch
        // as wide as the aperture and forms nothing.
        picture.blur = aperture;
    } else {
        picture.caught = image.kind == Optics::ImageKind::Real;
        picture.blur = blurDiameter(aperture, image.b, screenDistance);
        picture.scale = image.magnification * screenDistance / image.b;
    }
    picture.brightness = lineWidth > 0 ? lineWidth / (lineWidth + picture.blur) : 0;
    return picture;
}

bool sharpestScreen(const Optics::Lens& lens, double z, double* screenDistance) {
    const Formed image = imageAt(lens, z, 0);
    if (image.kind != Optics::ImageKind::Real)
        return false;
    *screenDistance = image.b;
    return true;
}

Region regionOf(double d, double focalLength) {
    if (d > 2 * focalLength)
        return Region::BeyondTwoF;
    if (d > focalLength)
        return Region::BetweenFAndTwoF;
    return Region::InsideF;
}

Row record(const Optics::Lens& lens, double z, double screenDistance) {
    Row row;
    row.d = reading(shownCm(-z));
    row.f = reading(shownCm(screenDistance));
    const Formed image = imageAt(lens, z, 0);
    row.region = regionOf(-z, std::fabs(frontFocal(lens)));
    // Sharp as far as the ruler tells: the screen within a division of the image.
    row.found = image.kind == Optics::ImageKind::Real &&
                std::fabs(screenDistance - image.b) <= benchCm(kDivisionCm);
    row.size = Optics::sizeOf(image.magnification);
    row.n1 = lens.n1;
    row.n2 = lens.n2;
    return row;
}

double focalOf(double d, double f, double n1, double n2) {
    return d * f * n1 / (n1 * f + n2 * d);
}

double backFocalOf(double d, double f, double n1, double n2) {
    return n2 / n1 * focalOf(d, f, n1, n2);
}

bool twoMedia(const Row& row) {
    return !Optics::oneMedium(Optics::Lens{row.n1, 1, row.n2, 0, 0});
}

bool twoMedia(const std::vector<Row>& rows) {
    for (const Row& row : rows)
        if (twoMedia(row))
            return true;
    return false;
}

namespace {
bool counts(const Row& row) {
    return row.found && row.d > 0 && row.f > 0 && row.n1 > 0 && row.n2 > 0;
}

// The mean of one focal length over the rows, its spread, and the instrument
// error of each row carried through the lens law: ∂F/∂d = F²/d² and
// ∂F/∂f = (n2/n1)·F²/f²; F′ is (n2/n1)·F and carries the same factor.
template <typename Focal>
Estimate estimate(const std::vector<Row>& rows, int count, double half, Focal focal) {
    Estimate e;
    for (const Row& row : rows)
        if (counts(row))
            e.mean += focal(row, 1.0) / count;
    for (const Row& row : rows)
        if (counts(row)) {
            const double F = focalOf(row.d, row.f, row.n1, row.n2);
            const double ratio = row.n2 / row.n1;
            const double dF = F * F * (half / (row.d * row.d) + ratio * half / (row.f * row.f));
            e.spread += std::fabs(focal(row, 1.0) - e.mean) / count;
            e.instrument += focal(row, dF / F) / count;
        }
    e.error = e.spread + e.instrument;
    e.relative = e.error / e.mean;
    return e;
}
} // namespace

Written written(const Estimate& e) {
    Written w;
    // Without an error to round to (none, or not a number), the place of
    // the computed lengths: hundredths of a centimetre.
    constexpr int kWithoutError = 2;
    int place = kWithoutError;
    double error = 0;
    if (e.error > 0 && std::isfinite(e.error)) {
        place = -int(std::floor(std::log10(e.error)));
        error = std::round(e.error * std::pow(10.0, place)) / std::pow(10.0, place);
        // 0,096 rounds up to 0,1: one significant figure a place higher.
        place = -int(std::floor(std::log10(error) + 1e-9));
    }
    const double unit = std::pow(10.0, place);
    w.error = error;
    w.mean = std::round(e.mean * unit) / unit;
    w.relative = w.mean != 0 ? w.error / std::fabs(w.mean) : 0;
    w.decimals = std::max(0, place);
    return w;
}

Result evaluate(const std::vector<Row>& rows, Optics::Notation notation, double division) {
    Result result;
    for (const Row& row : rows)
        if (counts(row)) {
            if (result.rows == 0) {
                result.n1 = row.n1;
                result.n2 = row.n2;
            }
            ++result.rows;
            result.twoMedia = result.twoMedia || twoMedia(row);
        }
    if (result.rows == 0)
        return result;
    const double half = division / 2;
    // `share` scales the row's focal length: 1 for the value itself, ΔF/F for
    // its instrument error.
    result.front = estimate(rows, result.rows, half, [](const Row& row, double share) {
        return share * focalOf(row.d, row.f, row.n1, row.n2);
    });
    result.back = estimate(rows, result.rows, half, [](const Row& row, double share) {
        return share * backFocalOf(row.d, row.f, row.n1, row.n2);
    });
    const Optics::Lens media{result.n1, 1, result.twoMedia ? result.n2 : result.n1, 0, 0};
    result.formula = Optics::powerFormula(notation, media);
    constexpr double kCmPerMetre = 100;
    const double over = result.formula == Optics::PowerFormula::Vergence ? result.n1 : 1;
    result.dioptres = over * kCmPerMetre / result.front.mean;
    return result;
}

} // namespace Lab
