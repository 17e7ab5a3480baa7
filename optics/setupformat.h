// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notation.h"
#include "scale.h"
#include "scenesetup.h"
#include "secondlens.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The setup file (".quellor"), read and written without Qt, so that the
// desktop and the browser page keep one format: JSON with a format name and
// version. Reading checks everything before anything is used: a setup comes
// back only when the whole file is valid, otherwise the first problem, named
// by kind and field, for each program to word in its language.
namespace SetupFormat {

// The layers of the textbook picture a setup names.
struct Layers {
    bool labels = false;
    bool thirdRay = false;
    bool safePalette = false;
    bool operator==(const Layers&) const = default;
};

// A second thin lens behind the bench's lens, as the file keeps it: real
// centimetres at the setup's scale. Its shape is the one the type names, as
// for the bench's lens: converging biconvex, diverging biconcave, the radii
// magnitudes of its left and right surfaces.
struct SecondLensSetup {
    double distance = 0; // behind the first lens's plane; 0 in contact
    bool converging = true;
    double N = 1.5;
    double leftRadius = 0;
    double rightRadius = 0;
    double after = 1; // the medium behind it
    bool operator==(const SecondLensSetup&) const = default;
};

// A lesson as a teacher prepares it, in the units a teacher reads (indices,
// real centimetres at its scale).
struct Setup {
    Optics::Scale scale;
    double n1 = 1; // medium left of the lens
    double N = 1;  // the lens
    double n2 = 1; // medium right of the lens
    // Radius magnitudes of the surfaces drawn left and right of the lens
    // plane, in centimetres; their signs follow the lens type.
    double leftRadius = 0;
    double rightRadius = 0;
    bool converging = true;
    bool scheme = false;
    // The object point: its distance before the lens and its height above
    // the axis, in centimetres.
    bool hasObject = false;
    double objectDistance = 0;
    double objectHeight = 0;
    int zoomSteps = 0; // steps of the window's zoom from the fit
    Layers layers;
    // A series of tasks to open with: its seed and level (0 equal media, 1
    // two media, 2 mixed), when the setup names one.
    bool hasTasks = false;
    unsigned long long taskSeed = 0; // 64 bits, the type Qt writes as quint64
    int taskLevel = 0;
    // The letters the lesson is shown in; none to follow the language.
    std::optional<Optics::Notation> notation;
    // A second lens behind the first, when the lesson is an optical system.
    std::optional<SecondLensSetup> secondLens;
    // A scene (the eye, an instrument) the lesson opens with, version 2.
    std::optional<SceneSetup> scene;
    bool operator==(const Setup&) const = default;
};

// The name a setup file gives its format, and its versions: a bench of one
// lens is written as version 1, which every Quellor opens; only a setup with
// a second lens needs version 2, the newest this reader takes.
inline constexpr char kFormatName[] = "quellor-setup";
constexpr int kOneLensVersion = 1;
constexpr int kVersion = 2;
// A setup is a few hundred bytes; anything much larger is not one.
constexpr std::size_t kMostBytes = 64 * 1024;
// How far the window's face zooms from the fit, in steps of 1.25.
constexpr int kZoomIn = 8;
constexpr int kZoomOut = -6;
// The radius read-outs' precision: "R = 2,65 см".
constexpr int kRadiusDecimals = 2;
// A limit compared exactly, not as a read-out shows it.
constexpr int kExact = -1;

enum class Problem {
    None,
    TooLarge, // size: the file's bytes
    Empty,
    NotJson, // offset: where the text stops being JSON
    NotAnObject,
    NotQuellor,
    BadVersion,
    NewerVersion, // value: the file's version
    BadScale,
    Missing,    // field
    NotObject,  // field
    NotNumber,  // field
    OutOfRange, // field, value, least, greatest, decimals
    NotChoice,  // field, yes, no
    NotFlag,    // field
    ZoomNotWhole,
    SeedInexact,
    BadSeed,
    BadLevel,
    BadNotation,
    // A reader that holds one lens (the browser page) given a setup with a
    // second: it cannot show the lesson and says so rather than lose it.
    OneLensOnly,
    // A scene of a kind this reader does not know, or a parameter its kind
    // does not take: field.
    BadScene,
};

// Where a text stops being JSON, what is wrong there.
enum class Syntax {
    None,
    Cut,         // the text ends inside the JSON
    NoName,      // an object's member without a quoted name
    NoColon,     // a name without ":" after it
    NoSeparator, // neither "," nor the closing bracket after a member or item
    BadValue,    // no value JSON knows: a word, a number broken off
    BadString,   // a control character or a broken escape in a string
    TooDeep,     // nested deeper than any setup is
    Trailing,    // more text after the JSON
};

struct Failure {
    Problem problem = Problem::None;
    std::string field;
    std::string yes; // the two words a choice allows
    std::string no;
    double value = 0;
    double least = 0;
    double greatest = 0;
    int decimals = kExact;
    std::size_t size = 0;
    std::size_t offset = 0;
    Syntax syntax = Syntax::None; // NotJson: what is wrong at offset
};

struct Result {
    std::optional<Setup> setup;
    Failure failure; // Problem::None when setup holds a value
};

// The bench a setup is for, in its own centimetres (the scale makes them
// real): how far before the lens and how high above the axis (below it,
// negative) an object may stand, the radii and the indices the sliders reach.
struct Ranges {
    double nearestObject = 0;
    double farthestObject = 0;
    double lowestObject = 0;
    double highestObject = 0;
    double leastRadius = 0;
    double greatestRadius = 0;
    double leastIndex = 1;
    double greatestIndex = 1;
    // The second lens: from contact to as far as it may stand (secondlens.h), and
    // the radius magnitudes the lens is made with: 0.5 to 100 cm, F from
    // 0.5 cm (a microscope's objective) to 100 cm (a weak spectacle glass)
    // for a biconvex lens of glass N = 1.5 in air, where F = R.
    double nearestSecondLens = Optics::kNearestSecondLens;
    double farthestSecondLens = Optics::kFarthestSecondLens;
    double leastSecondRadius = Optics::kLeastSecondRadius;
    double greatestSecondRadius = Optics::kGreatestSecondRadius;
};

Result parse(std::string_view bytes, const Ranges& ranges);
// The setup as JSON text, indented, its keys in order; ends in a new line.
std::string write(const Setup& setup);

// The ranges a valid setup keeps to, lengths in real centimetres at the scale.
double leastRadius(Optics::Scale scale, const Ranges& ranges);
double greatestRadius(Optics::Scale scale, const Ranges& ranges);
bool objectInArea(double distance, double height, Optics::Scale scale, const Ranges& ranges);
// A radius in real centimetres as the reader takes it: one that shows within
// the stated limits at the read-outs' precision, kept to the sliders' range.
bool takeRadius(double cm, Optics::Scale scale, const Ranges& ranges, double* taken);
double statedLeastRadius(Optics::Scale scale, const Ranges& ranges);
double statedGreatestRadius(Optics::Scale scale, const Ranges& ranges);
// A task seed as written: decimal digits of an unsigned 64-bit number.
std::optional<std::uint64_t> seedOf(std::string_view digits);

// A value as a teacher set it, to the 15 significant digits a double holds of
// a decimal (1 + 32/50 is 1.6400000000000001; this is 1.64).
double shortest(double value);
// A number as a refusal states it: to `decimals`, or to the 15 significant
// digits a double holds (kExact), "." the decimal mark, no group separators;
// each program puts its language's mark in.
std::string statedNumber(double value, int decimals);
// A value rounded to `decimals` as the read-outs show it (kExact: as it is).
double shown(double value, int decimals);

} // namespace SetupFormat
