// SPDX-License-Identifier: GPL-3.0-or-later
#include "labels.h"

#include "bench.h"
#include "lens.h"

#include <cmath>

namespace Labels {

namespace {
// A label off a point by the gap on both axes: `above` and `left` say on which
// side of the point the box stands.
Mark beside(Text text, Area area, double x, double y, bool above, bool left) {
    const Anchor anchor = above ? (left ? Anchor::BottomRight : Anchor::BottomLeft)
                                : (left ? Anchor::TopRight : Anchor::TopLeft);
    return {text, area, x + (left ? -kGap : kGap), y + (above ? -kGap : kGap), anchor};
}

// The words of an image beyond an edge of its area are kept on the drawing,
// at that edge and reading inwards: they are the one mark that tells real from
// virtual without colour, so they must show even when the image does not.
Mark keptOnDrawing(Mark mark) {
    const bool above = mark.anchor == Anchor::BottomLeft || mark.anchor == Anchor::BottomRight;
    bool left = mark.anchor == Anchor::TopRight || mark.anchor == Anchor::BottomRight;
    if (mark.x > Bench::kAreaWidth - kGap) {
        mark.x = Bench::kAreaWidth - kGap;
        left = true;
    } else if (mark.x < kGap) {
        mark.x = kGap;
        left = false;
    }
    const bool fallsOffTop = above && mark.y < kLine;
    const bool fallsOffBottom = !above && mark.y > Bench::kAreaHeight - kLine;
    if (fallsOffTop || fallsOffBottom) {
        mark.y = fallsOffTop ? kGap : Bench::kAreaHeight - kGap;
        mark.anchor = fallsOffTop ? (left ? Anchor::TopRight : Anchor::TopLeft)
                                  : (left ? Anchor::BottomRight : Anchor::BottomLeft);
    } else {
        mark.anchor = above ? (left ? Anchor::BottomRight : Anchor::BottomLeft)
                            : (left ? Anchor::TopRight : Anchor::TopLeft);
    }
    return mark;
}
} // namespace

std::vector<Mark> labelMarks(const BenchState& bench) {
    std::vector<Mark> marks;
    const Optics::Lens lens = Optics::lensOf(bench);
    const Optics::FocalLengths focal = Optics::focalLengths(lens);
    const bool placed = bench.SchemeView && bench.ObjectPlaced && Optics::objectOnBench(bench);
    // The object's tip above the axis (or on it) puts the axis labels below.
    const bool tipAbove = !placed || bench.ObjectY <= Bench::kAxisY;
    const double axis = Bench::kAxisY;

    marks.push_back(beside(Text::O, Area::Left, Bench::kLensX, axis, !tipAbove, true));
    if (focal.finite) {
        const Optics::MarkDistances at = Optics::markDistances(focal);
        marks.push_back(
            beside(Text::F, Area::Left, Bench::kLensX - at.objectSide, axis, !tipAbove, true));
        marks.push_back(beside(Text::TwoF, Area::Left, Bench::kLensX - 2 * at.objectSide, axis,
                               !tipAbove, true));
        marks.push_back(beside(Text::FPrime, Area::Right, at.imageSide, axis, !tipAbove, true));
        marks.push_back(
            beside(Text::TwoFPrime, Area::Right, 2 * at.imageSide, axis, !tipAbove, true));
    }
    if (!placed)
        return marks;

    const double x = bench.ObjectX;
    const double y = bench.ObjectY;
    if (y != axis) {
        marks.push_back(beside(Text::A, Area::Left, x, y, tipAbove, true));
        marks.push_back(beside(Text::B, Area::Left, x, axis, !tipAbove, false));
    } else {
        marks.push_back(beside(Text::A, Area::Left, x, y, tipAbove, true));
    }

    const Optics::Image image = Optics::imageOf(lens, x, y);
    if (image.kind == Optics::ImageKind::None || !std::isfinite(image.x) ||
        !std::isfinite(image.y) || std::fabs(image.x) > Bench::kFar ||
        std::fabs(image.y) > Bench::kFar)
        return marks;
    const Area area = image.kind == Optics::ImageKind::Real ? Area::Right : Area::Left;
    const bool imageAbove = image.y <= axis;
    marks.push_back(beside(Text::APrime, area, image.x, image.y, imageAbove, true));
    if (image.y != axis)
        marks.push_back(beside(Text::BPrime, area, image.x, axis, !imageAbove, false));
    // The kind in words, one line beyond the tip's name.
    Mark kind = beside(image.kind == Optics::ImageKind::Real ? Text::Real : Text::Virtual, area,
                       image.x, image.y, imageAbove, true);
    kind.y += imageAbove ? -kLine : kLine;
    marks.push_back(keptOnDrawing(kind));
    return marks;
}

} // namespace Labels
