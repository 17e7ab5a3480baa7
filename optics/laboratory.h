// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lens.h"

#include <vector>

// The laboratory work on the lens: a screen behind the lens catches the image,
// a ruler gives the object's and the screen's distances to its division, and
// the focal length follows from the rows with its error. Lengths of the bench
// are twips; what a pupil reads and records is in shown centimetres.
namespace Lab {

// The one conversion of every length the work shows or records: a bench
// centimetre stands for this many real ones.
constexpr double kShownCmPerBenchCm = 1;
double shownCm(double twips);
double benchTwips(double shownCm);

// The ruler along the axis: one division is a millimetre, a reading is taken
// to the nearest division, and the instrument error is half of one.
constexpr double kDivisionCm = 0.1;
double reading(double cm, double division = kDivisionCm);

// The aperture the light passes: the converging lens's height between its edges.
double aperture();

// The circle of confusion: the cone of light from the aperture (diameter A)
// to the image point at b meets a screen at s in a disc of diameter
// A·|s − b| / |b| (similar triangles). Zero at the image, growing linearly on
// either side; for a virtual image (b < 0) the cone diverges from a point
// before the lens, so the disc only grows. All measured from the lens.
double blurDiameter(double aperture, double imageDistance, double screenDistance);

// What a screen standing s behind the lens shows of an object point at
// (objectX, objectY) of the left area. The disc's centre lies on the line from
// the aperture's centre to the image point, so the picture's height is the
// object's times `scale` (negative: inverted). `brightness` is the share of a
// sharp line of width `lineWidth` left when it spreads over the disc: dimmer
// as it spreads. `caught` only where the image is real.
struct ScreenPicture {
    bool caught = false;
    double blur = 0;
    double scale = 0;
    double brightness = 0;
};
ScreenPicture onScreen(const Optics::Lens& lens, double objectX, double objectY,
                       double screenDistance, double lineWidth);

// Where the screen shows the picture sharpest: the lens law's real image
// distance. False when the image is virtual or there is none.
bool sharpestScreen(const Optics::Lens& lens, double objectX, double* screenDistance);

// The regions of the object's distance in the grade 8 work.
enum class Region { BeyondTwoF, BetweenFAndTwoF, InsideF };
Region regionOf(double d, double focalLength);

// One row of the work as recorded: d and f as read (shown cm), whether the
// screen held a sharp image (within a division of it), the region the object
// stood in and the kind of image the screen showed.
struct Row {
    double d = 0;
    double f = 0;
    bool found = false;
    Region region = Region::BeyondTwoF;
    Optics::Size size = Optics::Size::Same;
};
// The row for the object at objectX and the screen at screenDistance.
Row record(const Optics::Lens& lens, double objectX, double screenDistance);

// F of one row, from 1/F = 1/d + 1/f.
double focalOf(double d, double f);

// The focal length from the rows in which an image was found: the mean, the
// spread ΔF_сл = mean |F_i − F_mean|, the instrument part ΔF_и, the mean over
// the rows of F_i²(Δd/d_i² + Δf/f_i²) with Δd = Δf = half a division, their
// sum ΔF, ε = ΔF / F_mean, and the power D = 1/F in dioptres (F in metres).
struct Result {
    int rows = 0;
    double mean = 0;
    double spread = 0;
    double instrument = 0;
    double error = 0;
    double relative = 0;
    double dioptres = 0;
};
Result evaluate(const std::vector<Row>& rows, double division = kDivisionCm);

} // namespace Lab
