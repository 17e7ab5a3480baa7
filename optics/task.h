// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "axial.h"
#include "lens.h"
#include "secondlens.h"

#include <cstdint>
#include <optional>
#include <vector>

// Tasks for pupils: a lens and an object the program chooses so that the
// image can be constructed on paper, and the judge of a pupil's answer. Two
// kinds: find the image of the object, and, given the object and its image,
// find a focus. Everything is read from the optical system: lengths in
// centimetres, z along the axis from the lens plane (negative before it, the
// light running towards growing z), heights above the axis.
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

// TwoLenses: a second lens behind the first, both in air, as the lessons on
// optical systems set them (the powers of lenses in contact add only where one
// medium surrounds them); the pupil finds the final image.
enum class Level { EqualMedia, TwoMedia, Mixed, TwoLenses };
// The levels as setup files, results files and the command line name them,
// in the order of Level.
inline constexpr const char* kLevelKeys[] = {"equal", "two", "mixed", "lenses"};
enum class Kind { FindImage, FindFocus };

// Where the object stands, which settles the image: the regions of the lessons.
enum class Region {
    BeyondTwoF,      // converging, d > 2F: real, inverted, reduced
    AtTwoF,          // converging, d = 2F: real, inverted, of the same size
    BetweenFAndTwoF, // converging, F < d < 2F: real, inverted, enlarged
    InsideF,         // converging, d < F: virtual, upright, enlarged
    Diverging,       // diverging, any d: virtual, upright, reduced
    // Two lenses, the first converging with a real image A1B1, which is the
    // object of the second:
    FirstImageBeforeSecond, // A1B1 between the lenses: a real object for lens 2
    FirstImageBeyondSecond, // A1B1 behind lens 2: converging light, a virtual object
    DivergingSecond,        // lens 2 diverging
    InContact,              // lens 2 against lens 1: one lens of D = D1 + D2
};

struct Task {
    Kind kind = Kind::FindImage;
    bool converging = true; // the lens type on the buttons: biconvex or biconcave
    double n1 = 1;          // medium left of the lens
    double N = 1;           // the lens
    double n2 = 1;          // medium right of the lens
    // Radius magnitudes, cm, of the surfaces the upper and lower radius
    // sliders shape (the left and right surface of a biconvex lens, the right
    // and left one of a biconcave lens): whole hundredths, as printed, each
    // within a quarter of a slider step.
    double upperRadius = 0;
    double lowerRadius = 0;
    Region region = Region::BeyondTwoF;
    // The object point: z cm from the lens plane (negative, before it), its
    // height cm above the axis.
    double z = 0;
    double height = 0;
    // The second lens behind the first, if the level sets one: its distance in
    // whole tenths of a centimetre, N = 1.5 with equal radii (|F2| = R, whole
    // tenths), air after it.
    std::optional<Optics::SecondLens> second;
};

// The lens of a task as the bench takes it, and the task as the optical
// system: the lens at z = 0 between its media, the object before it, and the
// second lens behind it if the task has one.
Optics::Lens lensOf(const Task& task);
Optics::Axial::System systemOf(const Task& task);

// A series of `count` tasks from a seed: the same seed and level give the same
// series everywhere.
constexpr int kSeriesLength = 10;
std::vector<Task> series(std::uint64_t seed, Level level, int count = kSeriesLength);

// A series a teacher can dictate, up to six digits, from any 64 bits of
// chance; any other number still names a series.
constexpr std::uint64_t kShortSeeds = 1000000;
std::uint64_t shortSeed(std::uint64_t entropy);

// The longest focal length a task has, either side, in cm. The object and
// its image stand within 12.7 cm of the lens plane and at least 0.53 cm from
// it, from 4.39 cm above the axis to 6.59 cm below it: the field the bench
// shows them in, clear of the lines that word the task.
constexpr double kLongestFocal = 4.2328;

// A click counts within this distance of the true point.
constexpr double kToleranceCm = 0.5;

// The true answers from the optical system: the (final) image of the object's tip,
// and the foci as z in cm. The back focus F' is where rays parallel to the
// axis meet behind a converging lens (or seem to come from before a diverging
// one); the front focus F is the point whose rays leave parallel to the axis.
Optics::Axial::Image imageOf(const Task& task);
double backFocus(const Task& task);
double frontFocus(const Task& task);

struct Verdict {
    double offCm = 0;     // distance of the click from the true point
    bool counted = false; // within the tolerance
    double trueZ = 0;     // the true point, cm
    double trueHeight = 0;
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

// The click is the point (z, height) in cm. The kind it shows as an image of
// the task's object: behind the plane of the last lens real, on the object's side of the
// axis upright, farther from the axis than the object enlarged. Where the
// image is of the same size, a click as tall within the tolerance is the same
// size too.
Verdict judgeImage(const Task& task, double z, double height);
// The click against the nearer of the two foci.
Verdict judgeFocus(const Task& task, double z, double height);
// The judge the task's kind asks for.
Verdict judge(const Task& task, double z, double height);

} // namespace Tasks
