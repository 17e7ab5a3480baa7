// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lens.h"

#include <cstdint>
#include <vector>

// Tasks for pupils: a lens and an object the program chooses so that the
// image can be constructed on paper, and the judge of a pupil's answer. Two
// kinds: find the image of the object, and, given the object and its image,
// find a focus. Everything is read from the lens model; positions are bench
// twips with x as in picLeft (the lens plane at 7500, picRigth's x + 7500
// beyond it), y downwards, the axis at 3990.
namespace Tasks {

// A small generator of its own, so that a seed gives the same series with
// every compiler and standard library: splitmix64, and its own mappings.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next();
    // A whole number 0 <= k < count (count > 0).
    int below(int count);
    // A number in [low, high).
    double between(double low, double high);

private:
    std::uint64_t m_state;
};

enum class Level { EqualMedia, TwoMedia, Mixed };
// The levels as setup files, results files and the command line name them,
// in the order of Level.
inline constexpr const char* kLevelKeys[] = {"equal", "two", "mixed"};
enum class Kind { FindImage, FindFocus };

// Where the object stands, which settles the image: the regions of the lessons.
enum class Region {
    BeyondTwoF,      // converging, d > 2F: real, inverted, reduced
    AtTwoF,          // converging, d = 2F: real, inverted, of the same size
    BetweenFAndTwoF, // converging, F < d < 2F: real, inverted, enlarged
    InsideF,         // converging, d < F: virtual, upright, enlarged
    Diverging,       // diverging, any d: virtual, upright, reduced
};

struct Task {
    Kind kind = Kind::FindImage;
    bool converging = true; // the lens type on the buttons: biconvex or biconcave
    double n1 = 1;          // medium left of the lens
    double N = 1;           // the lens
    double n2 = 1;          // medium right of the lens
    // Radius magnitudes, twips, of the surfaces the upper and lower radius
    // sliders shape (the left and right surface of a biconvex lens, the right
    // and left one of a biconcave lens): whole hundredths of a centimetre,
    // as printed, each within a quarter of a slider step.
    double upperRadius = 0;
    double lowerRadius = 0;
    Region region = Region::BeyondTwoF;
    double objectX = 0; // the object point, picLeft twips, single-precision exact
    double objectY = 0;
};

// The lens of a task as the model takes it.
Optics::Lens lensOf(const Task& task);

// A series of `count` tasks from a seed: the same seed and level give the same
// series everywhere.
constexpr int kSeriesLength = 10;
std::vector<Task> series(std::uint64_t seed, Level level, int count = kSeriesLength);

// A series a teacher can dictate, up to six digits, from any 64 bits of
// chance; any other number still names a series.
constexpr std::uint64_t kShortSeeds = 1000000;
std::uint64_t shortSeed(std::uint64_t entropy);

// The longest focal length a task has, either side, in twips (4.2 cm).
constexpr double kLongestFocal = 2400;

// Where points of a task may stand: inside the areas, this far from their
// edges, and below the band at the top of the bench where the task is worded.
constexpr double kMargin = 300;
constexpr double kTextBandBottom = 1500;

// A click counts within this distance of the true point.
constexpr double kToleranceCm = 0.5;

// The true answers from the model: the image point, and the foci, in bench
// twips. The back focus F' is where rays parallel to the axis meet behind a
// converging lens (or seem to come from before a diverging one); the front
// focus F is the point whose rays leave parallel to the axis.
Optics::Axial::Image imageOf(const Task& task);
double backFocusX(const Task& task);
double frontFocusX(const Task& task);

struct Verdict {
    double offCm = 0;     // distance of the click from the true point
    bool counted = false; // within the tolerance
    double trueX = 0;     // the true point, bench twips
    double trueY = 0;
    // Finding the image: the kind the click shows, each part on its own.
    bool realRight = false;
    bool uprightRight = false;
    bool sizeRight = false;
    // What the click shows, part by part, to be said in words.
    bool givenReal = false;
    bool givenUpright = false;
    Optics::Size givenSize = Optics::Size::Same;
    bool kindRight = false;           // all three
    Region rule = Region::BeyondTwoF; // the rule that settles the image
    // Finding the focus: which focus lay nearer to the click.
    bool backFocus = true;
};

// The kind a point shows as an image of the task's object: right of the lens
// plane real, on the object's side of the axis upright, farther from the axis
// than the object enlarged. Where the image is of the same size, a click as
// tall within the tolerance is the same size too.
Verdict judgeImage(const Task& task, double clickX, double clickY);
// The click against the nearer of the two foci.
Verdict judgeFocus(const Task& task, double clickX, double clickY);
// The judge the task's kind asks for.
Verdict judge(const Task& task, double clickX, double clickY);

} // namespace Tasks
