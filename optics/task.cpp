// SPDX-License-Identifier: GPL-3.0-or-later
#include "task.h"

#include <algorithm>
#include <cmath>

namespace Tasks {

namespace {
// The bench as laid out, in twips, until tasks speak cm.
namespace Bench {
constexpr double kTwipsPerCm = 567;
constexpr double kLensX = 7500;
constexpr double kAxisY = 3990;
constexpr double kAreaWidth = 7500;
constexpr double kAreaHeight = 8025;
constexpr double kFar = 760000;
constexpr int kRadiusStep = 50;
constexpr int kRadiusSteps = 66;
constexpr int kRadiusBase = 1500;
double radiusOf(int value, int base) {
    return kRadiusStep * value + base;
}
} // namespace Bench

// The task's lens with its focal lengths and image in twips, as the bench
// holds them, until tasks speak cm.
Optics::FocalLengths focalTwips(const Optics::Lens& lens) {
    const Optics::FocalLengths f = Optics::focalLengths(lens);
    if (!f.finite)
        return {Bench::kFar, Bench::kFar, 0, false};
    return {f.front * Bench::kTwipsPerCm, f.back * Bench::kTwipsPerCm,
            f.nodalShift * Bench::kTwipsPerCm, true};
}

struct BenchImage {
    Optics::ImageKind kind = Optics::ImageKind::None;
    double b = 0;
    double magnification = 0;
    double x = 0;
    double y = 0;
};
BenchImage benchImageOf(const Task& task) {
    const Optics::Lens lens = lensOf(task);
    const double objectX = float(task.objectX);
    const double objectY = float(task.objectY);
    BenchImage image;
    const Optics::FocalLengths f = focalTwips(lens);
    if (f.finite && Optics::converges(Optics::power(lens)) &&
        float(objectX) == float(Bench::kLensX - f.front))
        return image;
    const Optics::Axial::Image formed =
        Optics::imageOf(lens, {(objectX - Bench::kLensX) / Bench::kTwipsPerCm,
                               (Bench::kAxisY - objectY) / Bench::kTwipsPerCm});
    if (formed.kind == Optics::ImageKind::None)
        return image;
    image.b = formed.distance * Bench::kTwipsPerCm;
    image.magnification = formed.magnification;
    const bool real = image.b > 0;
    image.kind = real ? Optics::ImageKind::Real : Optics::ImageKind::Virtual;
    image.x = real ? image.b : Bench::kLensX + image.b;
    image.y = Bench::kAxisY + image.magnification * (objectY - Bench::kAxisY);
    return image;
}

double imageBenchX(const BenchImage& image) {
    return image.kind == Optics::ImageKind::Real ? Bench::kLensX + image.x : image.x;
}

// The media of the tasks: air, water, glycerine; the lens from 1.6 to 2.0.
constexpr double kMedia[] = {1.0, 1.33, 1.47};
constexpr int kMediaCount = int(sizeof kMedia / sizeof kMedia[0]);
constexpr int kEqualMediaCount = 2; // air or water on both sides
constexpr double kLensIndices[] = {1.6, 1.7, 1.8, 1.9, 2.0};
constexpr int kLensIndexCount = int(sizeof kLensIndices / sizeof kLensIndices[0]);

// Focal lengths short enough that 3 F of the object fits its area, long enough
// to construct at the scale of the bench (1.8 to 4.2 cm).
constexpr double kShortestFocal = 1000;

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
// those of the key.
// Within the sliders' range of radii.
double printable(double radius) {
    const auto hundredths = [](double twips) { return twips / Bench::kTwipsPerCm * 100; };
    const double shortest = std::ceil(hundredths(Bench::radiusOf(0, Bench::kRadiusBase)));
    const double longest =
        std::floor(hundredths(Bench::radiusOf(Bench::kRadiusSteps, Bench::kRadiusBase)));
    return std::clamp(std::round(hundredths(radius)), shortest, longest) / 100 * Bench::kTwipsPerCm;
}

bool inArea(double x, double y) {
    return x >= kMargin && x <= Bench::kAreaWidth - kMargin && y >= kTextBandBottom &&
           y <= Bench::kAreaHeight - kMargin;
}

// Whether a task can be solved on the bench: its focal lengths in range, the
// object and its image inside the areas and clear of the lens plane and of F.
bool fits(const Task& task) {
    const Optics::Lens lens = lensOf(task);
    const Optics::FocalLengths focal = focalTwips(lens);
    if (!focal.finite || Optics::converges(Optics::power(lens)) != task.converging)
        return false;
    for (const double f : {focal.front, focal.back})
        if (std::fabs(f) < kShortestFocal || std::fabs(f) > kLongestFocal)
            return false;
    const double d = Bench::kLensX - task.objectX;
    const double a = Optics::markDistances(focal).objectSide;
    if (!inArea(task.objectX, task.objectY) || d < kMargin || std::fabs(d - a) < kClearOfFocus * a)
        return false;
    const BenchImage image = benchImageOf(task);
    if (image.kind == Optics::ImageKind::None || std::fabs(image.b) < kMargin)
        return false;
    return inArea(image.x, image.y);
}

Task draw(Random& random, Level level) {
    Task task;
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
    task.N = kLensIndices[random.below(kLensIndexCount)];
    task.upperRadius =
        printable(Bench::radiusOf(random.below(Bench::kRadiusSteps + 1), Bench::kRadiusBase));
    task.lowerRadius =
        printable(Bench::radiusOf(random.below(Bench::kRadiusSteps + 1), Bench::kRadiusBase));
    const Span span = spanOf(task.region);
    const double multiple = random.between(span.low, span.high);
    const double height =
        kHeightGrain * std::round(random.between(kLowestObject, kHighestObject) / kHeightGrain);
    const Optics::FocalLengths focal = focalTwips(lensOf(task));
    const double a = Optics::markDistances(focal).objectSide;
    // At 2F the object stands exactly there, as the bench holds it; elsewhere
    // at whole twips.
    task.objectX = task.region == Region::AtTwoF ? double(float(Bench::kLensX - 2 * a))
                                                 : std::round(Bench::kLensX - multiple * a);
    task.objectY = Bench::kAxisY - height;
    return task;
}

Task fallback(Kind kind) {
    Task task;
    task.kind = kind;
    task.N = 1.6;
    task.upperRadius = task.lowerRadius = printable(2850); // 5,03 cm: f = R / (2 * 0.6)
    task.region = Region::BetweenFAndTwoF;
    task.objectX = std::round(Bench::kLensX - 1.5 * task.upperRadius / 1.2);
    task.objectY = Bench::kAxisY - kLowestObject;
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
    // The biconvex layout: the upper slider shapes the left surface (centre to
    // its right), the lower one the right surface. The biconcave layout trades
    // them and the signs.
    // Radii in centimetres, the task's twips converted until tasks speak cm.
    const double upper = task.upperRadius / Bench::kTwipsPerCm;
    const double lower = task.lowerRadius / Bench::kTwipsPerCm;
    if (task.converging)
        return {task.n1, task.N, task.n2, upper, -lower};
    return {task.n1, task.N, task.n2, -lower, upper};
}

std::vector<Task> series(std::uint64_t seed, Level level, int count) {
    Random random(seed);
    std::vector<Task> tasks;
    for (int i = 0; i < count; ++i) {
        Task found;
        bool fitted = false;
        for (int attempt = 0; attempt < kTries && !fitted; ++attempt) {
            found = draw(random, level);
            fitted = fits(found);
        }
        tasks.push_back(fitted ? found : fallback(found.kind));
    }
    return tasks;
}

std::uint64_t shortSeed(std::uint64_t entropy) {
    return entropy % kShortSeeds;
}

Optics::Axial::Image imageOf(const Task& task) {
    const BenchImage image = benchImageOf(task);
    Optics::Axial::Image formed;
    formed.kind = image.kind;
    formed.magnification = image.magnification;
    formed.distance = image.b / Bench::kTwipsPerCm;
    return formed;
}

double backFocusX(const Task& task) {
    return Bench::kLensX + focalTwips(lensOf(task)).back;
}

double frontFocusX(const Task& task) {
    return Bench::kLensX - focalTwips(lensOf(task)).front;
}

Verdict judgeImage(const Task& task, double clickX, double clickY) {
    Verdict verdict;
    const BenchImage image = benchImageOf(task);
    verdict.rule = task.region;
    verdict.trueX = imageBenchX(image);
    verdict.trueY = image.y;
    const double off = std::hypot(clickX - verdict.trueX, clickY - verdict.trueY);
    const double tolerance = kToleranceCm * Bench::kTwipsPerCm;
    verdict.offCm = off / Bench::kTwipsPerCm;
    verdict.counted = off <= tolerance;

    verdict.givenReal = clickX > Bench::kLensX;
    verdict.realRight = verdict.givenReal == (image.kind == Optics::ImageKind::Real);
    // Heights above the axis; the image is upright where it stands on the
    // object's side of it.
    const double object = Bench::kAxisY - task.objectY;
    const double click = Bench::kAxisY - clickY;
    verdict.givenUpright = click * object > 0;
    verdict.uprightRight = verdict.givenUpright == (image.magnification > 0);
    const Optics::Size trueSize = Optics::sizeOf(image.magnification);
    const double grown = std::fabs(click) - std::fabs(object);
    const bool asTall = trueSize == Optics::Size::Same ? std::fabs(grown) <= tolerance : grown == 0;
    verdict.givenSize = asTall      ? Optics::Size::Same
                        : grown > 0 ? Optics::Size::Enlarged
                                    : Optics::Size::Reduced;
    verdict.sizeRight = verdict.givenSize == trueSize;
    verdict.kindRight = verdict.realRight && verdict.uprightRight && verdict.sizeRight;
    return verdict;
}

Verdict judgeFocus(const Task& task, double clickX, double clickY) {
    Verdict verdict;
    verdict.rule = task.region;
    const double back = std::hypot(clickX - backFocusX(task), clickY - Bench::kAxisY);
    const double front = std::hypot(clickX - frontFocusX(task), clickY - Bench::kAxisY);
    verdict.backFocus = back <= front;
    verdict.trueX = verdict.backFocus ? backFocusX(task) : frontFocusX(task);
    verdict.trueY = Bench::kAxisY;
    const double off = std::min(back, front);
    verdict.offCm = off / Bench::kTwipsPerCm;
    verdict.counted = off <= kToleranceCm * Bench::kTwipsPerCm;
    verdict.kindRight = verdict.counted;
    return verdict;
}

Verdict judge(const Task& task, double clickX, double clickY) {
    return task.kind == Kind::FindImage ? judgeImage(task, clickX, clickY)
                                        : judgeFocus(task, clickX, clickY);
}

} // namespace Tasks
