// SPDX-License-Identifier: GPL-3.0-or-later
#include "laboratory.h"

#include "bench.h"

#include <cmath>

namespace Lab {

double shownCm(double twips) {
    return twips / Bench::kTwipsPerCm * kShownCmPerBenchCm;
}

double benchTwips(double cm) {
    return cm / kShownCmPerBenchCm * Bench::kTwipsPerCm;
}

double reading(double cm, double division) {
    return std::round(cm / division) * division;
}

double aperture() {
    return Bench::kConvergingBottom - Bench::kConvergingTop;
}

double blurDiameter(double aperture, double imageDistance, double screenDistance) {
    if (imageDistance == 0 || !std::isfinite(imageDistance))
        return aperture; // parallel light: the aperture's own width
    return aperture * std::fabs(screenDistance - imageDistance) / std::fabs(imageDistance);
}

ScreenPicture onScreen(const Optics::Lens& lens, double objectX, double objectY,
                       double screenDistance, double lineWidth) {
    ScreenPicture picture;
    const Optics::Image image = Optics::imageOf(lens, objectX, objectY);
    if (image.kind == Optics::ImageKind::None) {
        // The object in the front focal plane: a parallel beam lights a patch
        // as wide as the aperture and forms nothing.
        picture.blur = aperture();
    } else {
        picture.caught = image.kind == Optics::ImageKind::Real;
        picture.blur = blurDiameter(aperture(), image.b, screenDistance);
        picture.scale = image.magnification * screenDistance / image.b;
    }
    picture.brightness = lineWidth > 0 ? lineWidth / (lineWidth + picture.blur) : 0;
    return picture;
}

bool sharpestScreen(const Optics::Lens& lens, double objectX, double* screenDistance) {
    const Optics::Image image = Optics::imageOf(lens, objectX, Bench::kAxisY);
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

Row record(const Optics::Lens& lens, double objectX, double screenDistance) {
    Row row;
    row.d = reading(shownCm(Bench::kLensX - objectX));
    row.f = reading(shownCm(screenDistance));
    const Optics::Image image = Optics::imageOf(lens, objectX, Bench::kAxisY);
    const Optics::FocalLengths focal = Optics::focalLengths(lens);
    row.region = regionOf(Bench::kLensX - objectX, std::fabs(focal.front));
    // Sharp as far as the ruler tells: the screen within a division of the image.
    row.found = image.kind == Optics::ImageKind::Real &&
                std::fabs(screenDistance - image.b) <= benchTwips(kDivisionCm);
    row.size = Optics::sizeOf(image.magnification);
    return row;
}

double focalOf(double d, double f) {
    return d * f / (d + f);
}

Result evaluate(const std::vector<Row>& rows, double division) {
    Result result;
    const double half = division / 2;
    double sum = 0;
    for (const Row& row : rows)
        if (row.found && row.d > 0 && row.f > 0) {
            sum += focalOf(row.d, row.f);
            ++result.rows;
        }
    if (result.rows == 0)
        return result;
    result.mean = sum / result.rows;
    for (const Row& row : rows)
        if (row.found && row.d > 0 && row.f > 0) {
            const double F = focalOf(row.d, row.f);
            result.spread += std::fabs(F - result.mean);
            result.instrument += F * F * (half / (row.d * row.d) + half / (row.f * row.f));
        }
    result.spread /= result.rows;
    result.instrument /= result.rows;
    result.error = result.spread + result.instrument;
    result.relative = result.error / result.mean;
    constexpr double kCmPerMetre = 100;
    result.dioptres = kCmPerMetre / result.mean;
    return result;
}

} // namespace Lab
