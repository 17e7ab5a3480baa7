// SPDX-License-Identifier: GPL-3.0-or-later
#include "task.h"

#include <algorithm>
#include <cmath>

namespace Tasks {

namespace {
// The generator draws on the grid the series were first drawn on: the bench
// as laid out, 567 units to the centimetre, the lens plane at 7500, heights
// counted downwards from the axis at 3990, the fields 7500 x 8025 either side
// of the lens plane, the radius sliders' 1500 + 50 k (k up to 66). A seed
// must keep naming the very series its pupils answered (their results files
// are judged again from it, the browser page and the worksheets share it),
// so every rounding, threshold and choice below stays in these units, in the
// same order of operations; only the task it hands out speaks centimetres.
namespace Grid {
constexpr double kPerCm = 567;
constexpr double kLensX = 7500;
constexpr double kAxisY = 3990;
constexpr double kWidth = 7500;
constexpr double kHeight = 8025;
constexpr int kRadiusSteps = 66;
inline double radiusOf(int step) {
    return 50.0 * step + 1500;
}
// Inside the fields, this far from their edges, and below the band at the
// top of the bench where the task is worded.
constexpr double kMargin = 300;
constexpr double kTextBandBottom = 1500;
constexpr double kLongestFocal = 2400;
static_assert(kLongestFocal / kPerCm - Tasks::kLongestFocal < 1e-5 &&
              Tasks::kLongestFocal - kLongestFocal / kPerCm < 1e-5);

inline double zOf(double x) {
    return (x - kLensX) / kPerCm;
}
inline double heightOf(double y) {
    return (kAxisY - y) / kPerCm;
}
} // namespace Grid

// A task on the grid, as the generator draws and tries it.
struct Drawn {
    Task task;        // its kind, lens type, media and region
    double upper = 0; // radii, whole hundredths of a centimetre
    double lower = 0;
    double objectX = 0; // the object point on the grid, single-precision exact
    double objectY = 0;
};

// The media of the tasks: air, water, glycerine; the lens from 1.6 to 2.0.
constexpr double kMedia[] = {1.0, 1.33, 1.47};
constexpr int kMediaCount = int(sizeof kMedia / sizeof kMedia[0]);
constexpr int kEqualMediaCount = 2; // air or water on both sides
constexpr double kLensIndices[] = {1.6, 1.7, 1.8, 1.9, 2.0};
constexpr int kLensIndexCount = int(sizeof kLensIndices / sizeof kLensIndices[0]);

// Focal lengths short enough that 3 F of the object fits its area, long enough
// to construct at the scale of the bench (1.8 to 4.2 cm).
constexpr double kShortestFocal = 1000;
using Grid::kLongestFocal;

// The object's height above the axis, whole tens of twips.
constexpr double kLowestObject = 600;
constexpr double kHighestObject = 1100;
constexpr double kHeightGrain = 10;

// The object's distance in units of the object-side mark distance, region by
// region: clear of F and 2F, so that the region is plain on paper.
struct Span {
    double low;
    double high;
};
Span spanOf(Region region) {
    switch (region) {
    case Region::BeyondTwoF:
        return {2.4, 3.0};
    case Region::AtTwoF:
        return {2.0, 2.0};
    case Region::BetweenFAndTwoF:
        return {1.3, 1.7};
    case Region::InsideF:
        return {0.4, 0.65};
    case Region::Diverging:
        return {0.5, 3.0};
    // Two lenses: the first image real, so the object beyond F1.
    case Region::FirstImageBeforeSecond:
    case Region::FirstImageBeyondSecond:
    case Region::DivergingSecond:
    case Region::InContact:
        return {1.3, 3.0};
    }
    return {2.4, 3.0};
}
constexpr int kRegions = 5;
// An object nearer than this share of F to it is too close to construct.
constexpr double kClearOfFocus = 0.2;

// Share of the tasks that ask for the focus.
constexpr double kFocusShare = 0.3;

// A series looks this many times for a task that fits before it takes the
// fallback, which fits always (a biconvex lens of 1.6 in air, f = 4.2 cm).
constexpr int kTries = 4000;

// A radius as the sheets and the read-outs print it, in whole hundredths of
// a centimetre: the slider step's radius taken to the nearest one, so that
// the focal length and the power a pupil computes from the printed radii are
// those of the key, within the sliders' range of radii: the number of
// hundredths.
double printable(double radius) {
    const auto hundredths = [](double grid) { return grid / Grid::kPerCm * 100; };
    const double shortest = std::ceil(hundredths(Grid::radiusOf(0)));
    const double longest = std::floor(hundredths(Grid::radiusOf(Grid::kRadiusSteps)));
    return std::clamp(std::round(hundredths(radius)), shortest, longest);
}
double onGrid(double hundredths) {
    return hundredths / 100 * Grid::kPerCm;
}

bool inField(double x, double y) {
    return x >= Grid::kMargin && x <= Grid::kWidth - Grid::kMargin && y >= Grid::kTextBandBottom &&
           y <= Grid::kHeight - Grid::kMargin;
}

// The drawn task as the optical system, built from the grid as the series
// were first tried.
Optics::Axial::System systemOf(const Drawn& drawn) {
    Optics::Axial::System system = systemOf(drawn.task);
    auto& lens = std::get<Optics::Axial::ThinLens>(system.elements.front().kind);
    const double upper = onGrid(drawn.upper) / Grid::kPerCm;
    const double lower = onGrid(drawn.lower) / Grid::kPerCm;
    lens.R1 = drawn.task.converging ? upper : -lower;
    lens.R2 = drawn.task.converging ? -lower : upper;
    system.object = {Grid::zOf(drawn.objectX), Grid::heightOf(drawn.objectY)};
    return system;
}

// Whether a task can be solved on the bench: its focal lengths in range, the
// object and its image inside the field and clear of the lens plane and of F.
bool fits(const Drawn& drawn) {
    const Optics::Axial::System system = systemOf(drawn);
    const Optics::Axial::Focus focus = Optics::Axial::focusOf(system, 0);
    if (!focus.finite || !(Optics::Axial::power(system, 0) < 0) != drawn.task.converging)
        return false;
    const double front = focus.front * Grid::kPerCm;
    const double back = focus.back * Grid::kPerCm;
    for (const double f : {front, back})
        if (std::fabs(f) < kShortestFocal || std::fabs(f) > kLongestFocal)
            return false;
    const double d = Grid::kLensX - drawn.objectX;
    // The distance of the marks F and 2F before the lens: |f| for a
    // converging lens, |f'| for a diverging one.
    const double a = front < 0 ? std::fabs(back) : std::fabs(front);
    if (!inField(drawn.objectX, drawn.objectY) || d < Grid::kMargin ||
        std::fabs(d - a) < kClearOfFocus * a)
        return false;
    // An object in the front focal plane, as far as single precision tells,
    // has no image.
    if (drawn.task.converging && float(drawn.objectX) == float(Grid::kLensX - front))
        return false;
    const Optics::Axial::Image image = Optics::Axial::imageOf(system);
    if (image.kind == Optics::Axial::ImageKind::None)
        return false;
    const double b = image.distance * Grid::kPerCm;
    if (std::fabs(b) < Grid::kMargin)
        return false;
    const double x = b > 0 ? b : Grid::kLensX + b;
    const double y = Grid::kAxisY + image.magnification * (drawn.objectY - Grid::kAxisY);
    return inField(x, y);
}

// The lens's glass and radii, then how many focal lengths out (within the
// region's span) and how high the object stands: drawn in this order, on
// which every released series depends.
struct Placement {
    double multiple = 0;
    double height = 0;
};
Placement drawLensAndPlace(Random& random, Drawn& drawn) {
    drawn.task.N = kLensIndices[random.below(kLensIndexCount)];
    drawn.upper = printable(Grid::radiusOf(random.below(Grid::kRadiusSteps + 1)));
    drawn.lower = printable(Grid::radiusOf(random.below(Grid::kRadiusSteps + 1)));
    const Span span = spanOf(drawn.task.region);
    Placement placed;
    placed.multiple = random.between(span.low, span.high);
    placed.height =
        kHeightGrain * std::round(random.between(kLowestObject, kHighestObject) / kHeightGrain);
    return placed;
}

Drawn draw(Random& random, Level level) {
    Drawn drawn;
    Task& task = drawn.task;
    task.kind = random.between(0, 1) < kFocusShare ? Kind::FindFocus : Kind::FindImage;
    task.region = Region(random.below(kRegions));
    task.converging = task.region != Region::Diverging;
    const bool twoMedia =
        level == Level::TwoMedia || (level == Level::Mixed && random.below(2) == 1);
    if (twoMedia) {
        const int left = random.below(kMediaCount);
        const int right = (left + 1 + random.below(kMediaCount - 1)) % kMediaCount;
        task.n1 = kMedia[left];
        task.n2 = kMedia[right];
    } else {
        task.n1 = task.n2 = kMedia[random.below(kEqualMediaCount)];
    }
    const auto [multiple, height] = drawLensAndPlace(random, drawn);
    const Optics::Axial::Focus focus = Optics::Axial::focusOf(systemOf(drawn), 0);
    const double front = focus.front * Grid::kPerCm;
    const double back = focus.back * Grid::kPerCm;
    const double a = !focus.finite ? 0 : front < 0 ? std::fabs(back) : std::fabs(front);
    // At 2F the object stands exactly there, as the bench holds it; elsewhere
    // at whole units of the grid.
    drawn.objectX = task.region == Region::AtTwoF ? double(float(Grid::kLensX - 2 * a))
                                                  : std::round(Grid::kLensX - multiple * a);
    drawn.objectY = Grid::kAxisY - height;
    return drawn;
}

Drawn fallback(Kind kind) {
    Drawn drawn;
    drawn.task.kind = kind;
    drawn.task.N = 1.6;
    drawn.upper = drawn.lower = printable(2850); // 5,03 cm: f = R / (2 * 0.6)
    drawn.task.region = Region::BetweenFAndTwoF;
    drawn.objectX = std::round(Grid::kLensX - 1.5 * onGrid(drawn.upper) / 1.2);
    drawn.objectY = Grid::kAxisY - kLowestObject;
    return drawn;
}

// Two lenses: the regions of the level, the second lens's focal lengths and
// places, whole tenths of a centimetre.
constexpr int kTwoLensRegions = 4;
constexpr double kSecondIndex = 1.5; // with equal radii |F2| = R in air
constexpr double kShortestSecond = 1.5;
constexpr double kLongestSecond = 4.0;
// The first image this far at least from the second lens's plane, and the
// final image from each lens's plane, so that which side it lies on (real or
// virtual) is plain on paper; smaller final images are too small to construct.
constexpr double kClearOfSecondCm = 0.5;
constexpr double kSmallestFinalCm = 0.3;

double tenths(double cm) {
    return std::round(cm * 10) / 10;
}

Optics::SecondLens secondLensOf(double focal, bool converging, double distance) {
    Optics::SecondLens second;
    second.distance = distance;
    second.lens = {kSecondIndex, converging ? focal : -focal, converging ? -focal : focal};
    second.after = 1;
    return second;
}

// A point of the system (cm) inside the field of the bench, on the grid.
bool inFieldCm(double z, double height) {
    const double x = z > 0 ? z * Grid::kPerCm : Grid::kLensX + z * Grid::kPerCm;
    return inField(x, Grid::kAxisY - height * Grid::kPerCm);
}

Drawn drawTwoLenses(Random& random, Region region) {
    Drawn drawn;
    Task& task = drawn.task;
    task.kind = Kind::FindImage;
    task.region = region;
    task.converging = true;
    task.n1 = task.n2 = 1;
    const auto [multiple, height] = drawLensAndPlace(random, drawn);
    const Optics::Axial::Focus focus = Optics::Axial::focusOf(systemOf(drawn), 0);
    const double f = focus.finite ? std::fabs(focus.front) * Grid::kPerCm : 0;
    drawn.objectX = std::round(Grid::kLensX - multiple * f);
    drawn.objectY = Grid::kAxisY - height;
    // Where the first lens puts A1B1 settles where the second lens goes.
    const Optics::Axial::Image first = Optics::Axial::imageOf(systemOf(drawn));
    const double z1 = first.kind == Optics::Axial::ImageKind::Real ? first.z : 0;
    const double f2 = tenths(random.between(kShortestSecond, kLongestSecond));
    const bool converging = task.region == Region::DivergingSecond ? false
                            : task.region == Region::InContact     ? random.below(2) == 0
                                                                   : true;
    double distance = 0;
    switch (task.region) {
    case Region::FirstImageBeforeSecond:
        distance = z1 + random.between(0.3, 2.5) * f2;
        break;
    case Region::FirstImageBeyondSecond:
        distance = random.between(0.25, 0.85) * z1;
        break;
    case Region::DivergingSecond:
        distance = random.between(0.3, 1.5) * z1;
        break;
    default:
        break;
    }
    task.second = secondLensOf(f2, converging, tenths(distance));
    return drawn;
}

// Whether a two-lens task can be solved on the bench: the first lens and the
// object as for one lens, A1B1 real and within the field on the side of lens 2
// the region names, lens 2 on the bench, the final image within the field,
// clear of both lens planes and large enough to see.
bool fitsTwoLenses(const Drawn& drawn) {
    if (!drawn.task.second)
        return false;
    const Optics::SecondLens& second = *drawn.task.second;
    const Optics::Axial::System system = systemOf(drawn);
    const Optics::Axial::Focus focus = Optics::Axial::focusOf(system, 0);
    if (!focus.finite || !(Optics::Axial::power(system, 0) > 0))
        return false;
    const double f = std::fabs(focus.front) * Grid::kPerCm;
    if (f < kShortestFocal || f > kLongestFocal)
        return false;
    const double d = Grid::kLensX - drawn.objectX;
    if (!inField(drawn.objectX, drawn.objectY) || d < Grid::kMargin ||
        std::fabs(d - f) < kClearOfFocus * f)
        return false;
    if (second.distance < Optics::kNearestSecondLens ||
        second.distance > Optics::kFarthestSecondLens ||
        second.distance * Grid::kPerCm > Grid::kWidth - Grid::kMargin)
        return false;
    const std::vector<Optics::Axial::Image> images = Optics::Axial::imagesOf(system);
    if (images.size() != 2 || images[0].kind != Optics::Axial::ImageKind::Real ||
        images[1].kind == Optics::Axial::ImageKind::None)
        return false;
    const Optics::Axial::Image& first = images[0];
    const Optics::Axial::Image& last = images[1];
    const bool contact = second.distance == 0;
    const double apart = first.z - second.distance;
    const bool regionHolds =
        drawn.task.region == Region::InContact                ? contact
        : contact                                             ? false
        : drawn.task.region == Region::FirstImageBeforeSecond ? apart < -kClearOfSecondCm
        : drawn.task.region == Region::FirstImageBeyondSecond ? apart > kClearOfSecondCm
                                                              : std::fabs(apart) > kClearOfSecondCm;
    if (!regionHolds)
        return false;
    // A1B1 is drawn, unless the lenses touch (then it is no stage of its own).
    if (!contact && !inFieldCm(first.z, first.height))
        return false;
    // The object of lens 2 clear of its front focal plane, as for one lens.
    const double f2 = std::fabs(second.lens.R1);
    if (std::fabs(std::fabs(last.objectDistance) - f2) < kClearOfFocus * f2 &&
        last.objectDistance > 0 && second.lens.R1 > 0)
        return false;
    const double margin = Grid::kMargin / Grid::kPerCm;
    return inFieldCm(last.z, last.height) && std::fabs(last.z) >= margin &&
           std::fabs(last.z - second.distance) >= std::max(margin, kClearOfSecondCm) &&
           std::fabs(last.height) >= kSmallestFinalCm;
}

// Always fits: f1 = 4.19 cm, the object at 2F1, A1B1 at 8.38 cm, lens 2 of
// F2 = 2 cm at 4 cm gets converging light and forms A2B2 at 5.37 cm.
Drawn fallbackTwoLenses() {
    Drawn drawn = fallback(Kind::FindImage);
    drawn.task.region = Region::FirstImageBeyondSecond;
    drawn.objectX = std::round(Grid::kLensX - 2 * onGrid(drawn.upper) / 1.2);
    drawn.objectY = Grid::kAxisY - kHighestObject;
    drawn.task.second = secondLensOf(2.0, true, 4.0);
    return drawn;
}

// The task in centimetres: the radii as printed, the object where the grid
// put it.
Task handedOut(const Drawn& drawn) {
    Task task = drawn.task;
    task.upperRadius = drawn.upper / 100;
    task.lowerRadius = drawn.lower / 100;
    task.z = Grid::zOf(drawn.objectX);
    task.height = Grid::heightOf(drawn.objectY);
    return task;
}
} // namespace

std::uint64_t Random::next() {
    m_state += 0x9e3779b97f4a7c15ULL;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

int Random::below(int count) {
    return int(next() % std::uint64_t(count));
}

double Random::between(double low, double high) {
    // The top 53 bits as a fraction in [0, 1): exact in a double.
    const double unit = double(next() >> 11) * 0x1.0p-53;
    return low + (high - low) * unit;
}

Optics::Lens lensOf(const Task& task) {
    // The upper slider shapes the left surface of a biconvex lens, the right
    // one of a biconcave lens.
    return Optics::shapedLens(task.n1, task.N, task.n2, task.upperRadius, task.lowerRadius,
                              task.converging);
}

Optics::Axial::System systemOf(const Task& task) {
    const Optics::Axial::System one = Optics::systemOf(lensOf(task), {task.z, task.height});
    return task.second ? Optics::withSecondLens(one, *task.second) : one;
}

std::vector<Task> series(std::uint64_t seed, Level level, int count) {
    Random random(seed);
    std::vector<Task> tasks;
    if (level == Level::TwoLenses) {
        for (int i = 0; i < count; ++i) {
            // The region first, then tries within it: each region as often,
            // however rarely its draws fit.
            const Region region =
                Region(int(Region::FirstImageBeforeSecond) + random.below(kTwoLensRegions));
            Drawn found;
            bool fitted = false;
            for (int attempt = 0; attempt < kTries && !fitted; ++attempt) {
                found = drawTwoLenses(random, region);
                fitted = fitsTwoLenses(found);
            }
            tasks.push_back(handedOut(fitted ? found : fallbackTwoLenses()));
        }
        return tasks;
    }
    for (int i = 0; i < count; ++i) {
        Drawn found;
        bool fitted = false;
        for (int attempt = 0; attempt < kTries && !fitted; ++attempt) {
            found = draw(random, level);
            fitted = fits(found);
        }
        tasks.push_back(handedOut(fitted ? found : fallback(found.task.kind)));
    }
    return tasks;
}

std::uint64_t shortSeed(std::uint64_t entropy) {
    return entropy % kShortSeeds;
}

Optics::Axial::Image imageOf(const Task& task) {
    return Optics::Axial::imageOf(systemOf(task));
}

double backFocus(const Task& task) {
    return Optics::Axial::focusOf(systemOf(task), 0).backPoint;
}

double frontFocus(const Task& task) {
    return Optics::Axial::focusOf(systemOf(task), 0).frontPoint;
}

Verdict judgeImage(const Task& task, double z, double height) {
    Verdict verdict;
    const Optics::Axial::Image image = imageOf(task);
    verdict.rule = task.region;
    verdict.trueZ = image.z;
    verdict.trueHeight = image.height;
    verdict.offCm = std::hypot(z - image.z, height - image.height);
    verdict.counted = verdict.offCm <= kToleranceCm;

    // Real behind the last lens: the light leaving it converges there.
    verdict.givenReal = z > (task.second ? task.second->distance : 0);
    verdict.realRight = verdict.givenReal == (image.kind == Optics::Axial::ImageKind::Real);
    // The image is upright where it stands on the object's side of the axis.
    verdict.givenUpright = height * task.height > 0;
    verdict.uprightRight = verdict.givenUpright == (image.magnification > 0);
    const Optics::Size trueSize = Optics::sizeOf(image.magnification);
    const double grown = std::fabs(height) - std::fabs(task.height);
    const bool asTall =
        trueSize == Optics::Size::Same ? std::fabs(grown) <= kToleranceCm : grown == 0;
    verdict.givenSize = asTall      ? Optics::Size::Same
                        : grown > 0 ? Optics::Size::Enlarged
                                    : Optics::Size::Reduced;
    verdict.sizeRight = verdict.givenSize == trueSize;
    verdict.kindRight = verdict.realRight && verdict.uprightRight && verdict.sizeRight;
    return verdict;
}

Verdict judgeFocus(const Task& task, double z, double height) {
    Verdict verdict;
    verdict.rule = task.region;
    const double back = std::hypot(z - backFocus(task), height);
    const double front = std::hypot(z - frontFocus(task), height);
    verdict.backFocus = back <= front;
    verdict.trueZ = verdict.backFocus ? backFocus(task) : frontFocus(task);
    verdict.trueHeight = 0;
    verdict.offCm = std::min(back, front);
    verdict.counted = verdict.offCm <= kToleranceCm;
    verdict.kindRight = verdict.counted;
    return verdict;
}

Verdict judge(const Task& task, double z, double height) {
    return task.kind == Kind::FindImage ? judgeImage(task, z, height) : judgeFocus(task, z, height);
}

} // namespace Tasks
