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

// The box a label takes, estimated without fonts: letters of the names at
// 12 pt bold are at most about 13 laid-out pixels wide, the words at 10.5 pt
// about 7.9, and the longest words ("действительное") have 14 letters.
struct Box {
    double left, top, right, bottom;
    bool meets(const Box& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
};

constexpr double kNameLetter = 195;
constexpr double kWordsWidth = 14 * 118;
constexpr double kNameHeight = 290;
constexpr double kWordsHeight = 265;

int lettersOf(Text text) {
    switch (text) {
    case Text::A:
    case Text::B:
    case Text::O:
    case Text::F:
        return 1;
    case Text::TwoFPrime:
        return 3;
    default:
        return 2;
    }
}

Box boxOf(const Mark& mark) {
    const bool words = mark.text == Text::Real || mark.text == Text::Virtual;
    const double width = words ? kWordsWidth : kNameLetter * lettersOf(mark.text);
    const double height = words ? kWordsHeight : kNameHeight;
    const bool left = mark.anchor == Anchor::TopRight || mark.anchor == Anchor::BottomRight;
    const bool top = mark.anchor == Anchor::TopLeft || mark.anchor == Anchor::TopRight;
    const double x0 = left ? mark.x - width : mark.x;
    const double y0 = top ? mark.y : mark.y - height;
    return {x0, y0, x0 + width, y0 + height};
}

bool clashes(const Mark& mark, const std::vector<Mark>& placed) {
    const Box box = boxOf(mark);
    for (const Mark& other : placed)
        if (other.area == mark.area && box.meets(boxOf(other)))
            return true;
    return false;
}

// A name that would cover one already placed goes to the other side of its
// point; if both sides are taken, one line farther from the axis.
Mark clear(Mark mark, const std::vector<Mark>& placed, double pointX) {
    if (!clashes(mark, placed))
        return mark;
    Mark flipped = mark;
    const bool left = mark.anchor == Anchor::TopRight || mark.anchor == Anchor::BottomRight;
    const bool top = mark.anchor == Anchor::TopLeft || mark.anchor == Anchor::TopRight;
    flipped.x = left ? pointX + kGap : pointX - kGap;
    flipped.anchor = top ? (left ? Anchor::TopLeft : Anchor::TopRight)
                         : (left ? Anchor::BottomLeft : Anchor::BottomRight);
    if (!clashes(flipped, placed))
        return flipped;
    mark.y += top ? kLine : -kLine;
    return mark;
}

// The words move away from the axis, a line at a time, past any name.
Mark clearWords(Mark mark, const std::vector<Mark>& placed) {
    const bool top = mark.anchor == Anchor::TopLeft || mark.anchor == Anchor::TopRight;
    constexpr int kTries = 3;
    for (int i = 0; i < kTries && clashes(mark, placed); ++i)
        mark.y += top ? kLine : -kLine;
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
        // The names follow the focus: the back focus F′ is where parallel light
        // meets behind a converging lens, or seems to come from before a
        // diverging one; the front focus F lies on the other side.
        const Optics::MarkDistances at = Optics::markDistances(focal);
        const bool backFocusBefore = focal.front < 0;
        const Text before = backFocusBefore ? Text::FPrime : Text::F;
        const Text beyond = backFocusBefore ? Text::F : Text::FPrime;
        const Text twiceBefore = backFocusBefore ? Text::TwoFPrime : Text::TwoF;
        const Text twiceBeyond = backFocusBefore ? Text::TwoF : Text::TwoFPrime;
        marks.push_back(
            beside(before, Area::Left, Bench::kLensX - at.objectSide, axis, !tipAbove, true));
        marks.push_back(beside(twiceBefore, Area::Left, Bench::kLensX - 2 * at.objectSide, axis,
                               !tipAbove, true));
        marks.push_back(beside(beyond, Area::Right, at.imageSide, axis, !tipAbove, true));
        marks.push_back(beside(twiceBeyond, Area::Right, 2 * at.imageSide, axis, !tipAbove, true));
    }
    if (!placed)
        return marks;

    const double x = bench.ObjectX;
    const double y = bench.ObjectY;
    if (y != axis) {
        marks.push_back(clear(beside(Text::A, Area::Left, x, y, tipAbove, true), marks, x));
        marks.push_back(clear(beside(Text::B, Area::Left, x, axis, !tipAbove, false), marks, x));
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
    marks.push_back(
        clear(beside(Text::APrime, area, image.x, image.y, imageAbove, true), marks, image.x));
    if (image.y != axis)
        marks.push_back(
            clear(beside(Text::BPrime, area, image.x, axis, !imageAbove, false), marks, image.x));
    // The kind in words, one line beyond the tip's name.
    Mark kind = beside(image.kind == Optics::ImageKind::Real ? Text::Real : Text::Virtual, area,
                       image.x, image.y, imageAbove, true);
    kind.y += imageAbove ? -kLine : kLine;
    marks.push_back(keptOnDrawing(clearWords(kind, marks)));
    return marks;
}

} // namespace Labels
