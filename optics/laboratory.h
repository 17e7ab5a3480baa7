// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lens.h"
#include "notation.h"

#include <vector>

// The laboratory work on the lens: a screen behind the lens catches the image,
// a ruler gives the object's and the screen's distances to its division, and
// the focal length follows from the rows with its error. Lengths of the bench
// are centimetres along the axis from the lens plane (z, negative before it)
// and above it; what a pupil reads and records is in shown centimetres.
namespace Lab {

// The one conversion of every length the work shows or records: a bench
// centimetre stands for this many real ones.
constexpr double kShownCmPerBenchCm = 1;
double shownCm(double benchCm);
double benchCm(double shownCm);

// The ruler along the axis: one division is a millimetre, a reading is taken
// to the nearest division, and the instrument error is half of one.
constexpr double kDivisionCm = 0.1;
double reading(double cm, double division = kDivisionCm);

// The circle of confusion: the cone of light from the aperture (diameter A)
// to the image point at b meets a screen at s in a disc of diameter
// A·|s − b| / |b| (similar triangles). Zero at the image, growing linearly on
// either side; for a virtual image (b < 0) the cone diverges from a point
// before the lens, so the disc only grows. All measured from the lens.
double blurDiameter(double aperture, double imageDistance, double screenDistance);

// What a screen standing s behind the lens shows of an object point at
// (z, height) before it, through the aperture the lens lets light through
// (its height between its edges). The disc's centre lies on the line from
// the aperture's centre to the image point, so the picture's height is the
// object's times `scale` (negative: inverted). `brightness` is the share of a
// sharp line of width `lineWidth` left when it spreads over the disc: dimmer
// as it spreads. `caught` only where the image is real. Lengths in cm.
struct ScreenPicture {
    bool caught = false;
    double blur = 0;
    double scale = 0;
    double brightness = 0;
};
ScreenPicture onScreen(const Optics::Lens& lens, double z, double height, double screenDistance,
                       double lineWidth, double aperture);

// Where the screen shows the picture sharpest for an object at z on the axis:
// the lens law's real image distance. False when the image is virtual or
// there is none.
bool sharpestScreen(const Optics::Lens& lens, double z, double* screenDistance);

// The regions of the object's distance in the grade 8 work.
enum class Region { BeyondTwoF, BetweenFAndTwoF, InsideF };
Region regionOf(double d, double focalLength);

// One row of the work as recorded: d and f as read (shown cm), whether the
// screen held a sharp image (within a division of it), the region the object
// stood in, the kind of image the screen showed, and the indices of the media
// before and behind the lens.
struct Row {
    double d = 0;
    double f = 0;
    bool found = false;
    Region region = Region::BeyondTwoF;
    Optics::Size size = Optics::Size::Same;
    double n1 = 1;
    double n2 = 1;
};
// The row for the object at z on the axis and the screen screenDistance
// behind the lens, both in cm.
Row record(const Optics::Lens& lens, double z, double screenDistance);

// F of one row from the lens law F/d + F′/f = 1 with F′/F = n2/n1:
// F = d·f·n1 / (n1·f + n2·d), in one medium d·f / (d + f); and F′ = (n2/n1)·F.
double focalOf(double d, double f, double n1 = 1, double n2 = 1);
double backFocalOf(double d, double f, double n1 = 1, double n2 = 1);
// Whether the row was taken between two different media.
bool twoMedia(const Row& row);
bool twoMedia(const std::vector<Row>& rows);

// A focal length from the rows: the mean, the spread ΔF_сл = mean |F_i − F_mean|,
// the instrument part ΔF_и, the mean over the rows of |∂F/∂d|·Δd + |∂F/∂f|·Δf
// with Δd = Δf = half a division, their sum ΔF, and ε = ΔF / F_mean.
struct Estimate {
    double mean = 0;
    double spread = 0;
    double instrument = 0;
    double error = 0;
    double relative = 0;
};

// An estimate as the school writes it down: ΔF rounded to one significant
// figure, F to the same decimal place, and ε worked from those two rounded
// numbers (0,03 / 2,06 = 1,5 %), so the answer and ε agree. `decimals` is the
// place both are written to (2 for hundredths of a centimetre, never below 0).
struct Written {
    double mean = 0;
    double error = 0;
    double relative = 0;
    int decimals = 0;
};
Written written(const Estimate& estimate);

// The focal lengths from the rows in which an image was found: F, and F′
// behind the lens (the same as F in one medium), and the power as the
// notation defines it, in dioptres (F in metres): D = 1/F in a school
// notation (F before the lens between two media), n1/F = n2/F′ with signs.
struct Result {
    int rows = 0;
    Estimate front;
    Estimate back;
    bool twoMedia = false;
    double n1 = 1;
    double n2 = 1;
    Optics::PowerFormula formula = Optics::PowerFormula::OneOverF;
    double dioptres = 0;
};
Result evaluate(const std::vector<Row>& rows,
                Optics::Notation notation = Optics::Notation::RussianSchool,
                double division = kDivisionCm);

} // namespace Lab
