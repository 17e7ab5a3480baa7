// SPDX-License-Identifier: GPL-3.0-or-later
#include "figurelabels.h"

#include "bench.h"
#include "benchlens.h"
#include "benchoptics.h"
#include "lens.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Labels {

namespace {
// The room kept free around a name's box, so that no stroke grazes a letter
// and no two names read as one (2 laid-out pixels).
constexpr double kClearance = 30;
// Where the rays crowd a point (the tip of a small virtual image, where the
// extensions meet), the room a name keeps may shrink to this (half a laid-out
// pixel) before it stands nearer another point than its own.
constexpr double kTightClearance = 8;
constexpr double kPixel = 15;
constexpr double kOnePlace = 2 * kGap;

// The size estimates: letters of the names at 12 pt bold are about 12
// laid-out pixels wide, the words at 10.5 pt about 7.9, and the longest words
// ("действительное") have 14 letters.
constexpr double kNameLetter = 180;
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

bool isWords(Text text) {
    return text == Text::Real || text == Text::Virtual;
}

// A point to be named, and the side its name tries first.
struct Want {
    Text text;
    Area area;
    double x;
    double y;
    bool above;
    bool left;
};

struct Point {
    double x;
    double y;
};

bool inArea(double x, double y) {
    return x >= 0 && x <= Bench::kAreaWidth && y >= 0 && y <= Bench::kAreaHeight;
}

Box grown(const Box& box, double by) {
    return {box.left - by, box.top - by, box.right + by, box.bottom + by};
}

bool overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Whether a line meets a box: the line clipped to the box's slab in x, then
// in y (Liang-Barsky), leaves a piece.
bool crosses(const Line& line, const Box& box) {
    const Box b = grown(box, line.halfWidth);
    // Most strokes pass well away from a box: their own box tells at once.
    if (std::max(line.x1, line.x2) < b.left || std::min(line.x1, line.x2) > b.right ||
        std::max(line.y1, line.y2) < b.top || std::min(line.y1, line.y2) > b.bottom)
        return false;
    double t0 = 0, t1 = 1;
    const double dx = line.x2 - line.x1, dy = line.y2 - line.y1;
    const auto clip = [&](double p, double q) {
        if (p == 0)
            return q >= 0;
        const double t = q / p;
        if (p < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        return t0 <= t1;
    };
    return clip(-dx, line.x1 - b.left) && clip(dx, b.right - line.x1) &&
           clip(-dy, line.y1 - b.top) && clip(dy, b.bottom - line.y1);
}

bool insideArea(const Box& box) {
    return box.left >= 0 && box.top >= 0 && box.right <= Bench::kAreaWidth &&
           box.bottom <= Bench::kAreaHeight;
}

// How far a point stands from a box, straight: zero inside it.
double distance(const Point& p, const Box& box) {
    const double dx = std::max({box.left - p.x, 0.0, p.x - box.right});
    const double dy = std::max({box.top - p.y, 0.0, p.y - box.bottom});
    return std::hypot(dx, dy);
}

// How many things a box would cover; an edge of the area counts most, since a
// cut name cannot be read at all, then a place nearer another named point than
// its own, where the name would read as that point's. The count stops at
// `enough`: a place that covers as much as the best one so far is not taken
// anyway.
int clashes(const Box& box, double clearance, const Point& own, bool crowded,
            const std::vector<Point>& others, const Obstacles& around,
            const std::vector<Box>& placed, int enough) {
    constexpr int kCut = 100;
    constexpr int kMisread = 4;
    constexpr int kOverSolid = 5;
    constexpr int kOverDashed = 1;
    const Box room = grown(box, clearance);
    int count = insideArea(box) ? 0 : kCut;
    // A pixel's margin, so that the marks' whole pixels cannot tip the balance.
    const double mine = distance(own, box) + kPixel;
    for (const Point& other : others)
        if (distance(other, box) <= mine)
            count += kMisread;
    for (const Box& other : placed)
        count += overlap(room, other) ? kOverSolid : 0;
    for (const Box& part : around.boxes)
        count += overlap(room, part) ? kOverSolid : 0;
    // A name over a dashed extension still reads; over a solid ray less so,
    // unless the ray passes through the crowded point it names.
    for (const Line& line : around.lines) {
        if (count >= enough)
            break;
        if (crosses(line, room))
            count += line.dashed || (crowded && crosses(line, {own.x - kPixel, own.y - kPixel,
                                                               own.x + kPixel, own.y + kPixel}))
                         ? kOverDashed
                         : kOverSolid;
    }
    return count;
}

// The corner of a box nearest its point, as the mark's anchor and place.
Mark markOf(Text text, Area area, const Box& box, double x, double y) {
    const bool left = (box.left + box.right) / 2 < x;
    const bool above = (box.top + box.bottom) / 2 < y;
    const Anchor anchor = above ? (left ? Anchor::BottomRight : Anchor::BottomLeft)
                                : (left ? Anchor::TopRight : Anchor::TopLeft);
    return {text, area, left ? box.right : box.left, above ? box.bottom : box.top, anchor};
}

// The places for a box around a point on a ring `gap` away: the nearest edge
// of the box that far from the point along one axis and no farther along the
// other. Along each side of the ring, from corner to corner, every few twips
// (at least the corners, the middle and the quarters between); those nearest
// to the textbook's place first.
constexpr int kRings = 13;
constexpr int kAlongSide = 9;
constexpr double kSlide = 60; // 4 laid-out pixels

struct Candidate {
    Box box;
    double shift; // from the textbook's place, squared
    int order;    // as generated, which decides between equal shifts
};

int stopsAlong(double length) {
    return std::max(kAlongSide, int(std::ceil(length / kSlide)) + 1);
}

void ringAround(const Want& want, const Size& size, double gap, std::vector<Candidate>& ring) {
    const double w = size.width, h = size.height;
    const double firstX = want.left ? want.x - kGap - w : want.x + kGap;
    const double firstY = want.above ? want.y - kGap - h : want.y + kGap;
    const auto add = [&](double x0, double y0) {
        const double dx = x0 - firstX, dy = y0 - firstY;
        ring.push_back({{x0, y0, x0 + w, y0 + h}, dx * dx + dy * dy, int(ring.size())});
    };
    ring.clear();
    const int across = stopsAlong(w + 2 * gap);
    for (int i = 0; i < across; ++i) {
        const double x0 = want.x - gap - w + (w + 2 * gap) * i / (across - 1);
        add(x0, want.y - gap - h);
        add(x0, want.y + gap);
    }
    const int down = stopsAlong(h + 2 * gap);
    for (int i = 0; i < down; ++i) {
        const double y0 = want.y - gap - h + (h + 2 * gap) * i / (down - 1);
        add(want.x - gap - w, y0);
        add(want.x + gap, y0);
    }
    std::sort(ring.begin(), ring.end(), [](const Candidate& a, const Candidate& b) {
        return a.shift < b.shift || (a.shift == b.shift && a.order < b.order);
    });
}

// The first place that covers nothing, ring by ring out to the reach, so that
// a name stays as near its point as the strokes let it; when every place
// covers something, the one that covers least.
// What lies within reach of a point: only these can meet a box placed
// around it, so each place is checked against a few strokes, not all.
Obstacles near(const Obstacles& around, const Box& reachable) {
    Obstacles out;
    for (const Box& part : around.boxes)
        if (overlap(part, reachable))
            out.boxes.push_back(part);
    for (const Line& line : around.lines)
        if (crosses(line, reachable))
            out.lines.push_back(line);
    return out;
}

struct Placed {
    Box box;
    int clashes = 0;
};

Placed place(const Want& want, const Size& size, double reach, double farther,
             const std::vector<Point>& others, const Obstacles& around,
             const std::vector<Box>& placed) {
    const double most = std::max(reach, farther);
    const double w = size.width + most + kClearance, h = size.height + most + kClearance;
    const Obstacles nearby = near(around, {want.x - w, want.y - h, want.x + w, want.y + h});
    Box best{};
    int fewest = std::numeric_limits<int>::max();
    std::vector<Candidate> ring;
    // Full room within reach, then the tight room, then (where a name may) the
    // tight room farther out.
    const std::pair<double, double> passes[] = {
        {kClearance, reach}, {kTightClearance, reach}, {kTightClearance, farther}};
    for (const auto& [clearance, out] : passes) {
        const double step = (out - kGap) / (kRings - 1);
        for (int r = 0; r < kRings && fewest > 0 && out >= kGap; ++r) {
            ringAround(want, size, kGap + r * step, ring);
            for (const Candidate& place : ring) {
                const int count = clashes(place.box, clearance, {want.x, want.y}, farther > 0,
                                          others, nearby, placed, fewest);
                if (count < fewest) {
                    fewest = count;
                    best = place.box;
                }
                if (count == 0)
                    break;
            }
        }
    }
    return {best, fewest};
}

// The names of both areas, gathered first and then placed in turn, each clear
// of those before it and nearer its own point than any other named point of
// its area, those named after it among them.
class Placer {
public:
    Placer(const Sizes& sizes, const Scene& scene) : m_sizes(sizes), m_scene(scene) {}

    // A name beside its point; none for a point off its area. `crowded`: the
    // point is a virtual image's, where the rays and their extensions meet,
    // and its name may stand farther off rather than nearer another point.
    void name(const Want& want, bool crowded = false) {
        if (inArea(want.x, want.y))
            m_wants.push_back({want, kBeside, crowded ? kCrowdedBeside : 0.0, true});
    }
    // The words beside the image, or at the edge nearest an image off the area.
    void words(Want want) {
        const bool off = !inArea(want.x, want.y);
        want.x = std::clamp(want.x, 0.0, Bench::kAreaWidth);
        want.y = std::clamp(want.y, 0.0, Bench::kAreaHeight);
        m_wants.push_back({want, off ? kWordsAtEdge : kWordsBeside, 0.0, false});
    }
    std::vector<Mark> done() {
        std::vector<Box> placedLeft, placedRight;
        std::vector<Mark> marks;
        for (const Wanted& wanted : m_wants) {
            const Want& want = wanted.want;
            const bool left = want.area == Area::Left;
            // The other named points of the area; one within a gap of this
            // point (B on F, say, or B′ beside B with the object at the lens)
            // shows as the same place and cannot be told from it by place.
            // The words, as long as a row of names, need only stand nearer the
            // image's tip than the object's.
            std::vector<Point> others;
            for (const Wanted& other : m_wants)
                if (other.named && other.want.area == want.area &&
                    (wanted.named || other.want.text == Text::A) &&
                    std::hypot(other.want.x - want.x, other.want.y - want.y) > kOnePlace)
                    others.push_back({other.want.x, other.want.y});
            const Size& size = m_sizes[std::size_t(want.text)];
            Placed at = place(want, size, wanted.reach, wanted.farther, others,
                              left ? m_scene.left : m_scene.right, left ? placedLeft : placedRight);
            Area area = want.area;
            // O, crowded out before the lens (the object close to it), stands
            // behind it: the same point, at the right area's left edge.
            if (want.text == Text::O && at.clashes > 0) {
                Want behind = want;
                behind.area = Area::Right;
                behind.x = 0;
                behind.left = false;
                std::vector<Point> otherwise;
                for (const Wanted& other : m_wants)
                    if (other.named && other.want.area == Area::Right)
                        otherwise.push_back({other.want.x, other.want.y});
                const Placed there =
                    place(behind, size, wanted.reach, 0, otherwise, m_scene.right, placedRight);
                if (there.clashes < at.clashes) {
                    at = there;
                    area = Area::Right;
                }
            }
            (area == Area::Left ? placedLeft : placedRight).push_back(at.box);
            const double x = area == want.area ? want.x : 0;
            marks.push_back(markOf(want.text, area, at.box, x, want.y));
        }
        return marks;
    }

private:
    struct Wanted {
        Want want;
        double reach;
        double farther; // the reach where the near room is crowded, or none
        bool named;     // a point's name, not the words
    };
    const Sizes& m_sizes;
    const Scene& m_scene;
    std::vector<Wanted> m_wants;
};
} // namespace

Sizes estimatedSizes() {
    Sizes sizes{};
    for (int i = 0; i < kTextCount; ++i) {
        const Text text = Text(i);
        sizes[std::size_t(i)] = isWords(text) ? Size{kWordsWidth, kWordsHeight}
                                              : Size{kNameLetter * lettersOf(text), kNameHeight};
    }
    return sizes;
}

std::vector<Mark> labelMarks(const BenchState& bench, const Sizes& sizes, const Scene& scene,
                             Optics::Notation notation) {
    Placer placer(sizes, scene);
    const Optics::Lens lens = Optics::lensOf(bench);
    const Optics::FocalLengths focal = Bench::focalLengths(lens);
    const bool placed = bench.SchemeView && bench.ObjectPlaced && Optics::objectOnBench(bench);
    // The object's tip above the axis (or on it) puts the axis labels below.
    const bool tipAbove = !placed || bench.ObjectY <= Bench::kAxisY;
    const double axis = Bench::kAxisY;

    placer.name({Text::O, Area::Left, Bench::kLensX, axis, !tipAbove, true});
    if (focal.finite) {
        // The names follow the focus: the back focus F′ is where parallel light
        // meets behind a converging lens, or seems to come from before a
        // diverging one; the front focus F lies on the other side.
        const Optics::MarkDistances at = Optics::markDistances(focal);
        // A diverging lens has its back focus F′ before it, where parallel
        // light seems to come from, and its front focus F beyond.
        const bool backFocusBefore = focal.front < 0;
        // One focal length, one name: F and 2F on both sides.
        const bool primed = !Optics::oneFocalLength(notation, lens);
        const auto back = [primed](Text unprimed, Text prime) { return primed ? prime : unprimed; };
        const Text before = backFocusBefore ? back(Text::F, Text::FPrime) : Text::F;
        const Text beyond = backFocusBefore ? Text::F : back(Text::F, Text::FPrime);
        const Text twiceBefore = backFocusBefore ? back(Text::TwoF, Text::TwoFPrime) : Text::TwoF;
        const Text twiceBeyond = backFocusBefore ? Text::TwoF : back(Text::TwoF, Text::TwoFPrime);
        placer.name({before, Area::Left, Bench::kLensX - at.objectSide, axis, !tipAbove, true});
        placer.name(
            {twiceBefore, Area::Left, Bench::kLensX - 2 * at.objectSide, axis, !tipAbove, true});
        placer.name({beyond, Area::Right, at.imageSide, axis, !tipAbove, true});
        placer.name({twiceBeyond, Area::Right, 2 * at.imageSide, axis, !tipAbove, true});
    }
    if (!placed)
        return placer.done();

    const double x = bench.ObjectX;
    const double y = bench.ObjectY;
    placer.name({Text::A, Area::Left, x, y, tipAbove, true});
    if (y != axis)
        placer.name({Text::B, Area::Left, x, axis, !tipAbove, false});

    const Bench::Image image = Bench::imageOf(lens, x, y);
    if (image.kind == Optics::ImageKind::None || !std::isfinite(image.x) ||
        !std::isfinite(image.y) || std::fabs(image.x) > Bench::kFar ||
        std::fabs(image.y) > Bench::kFar)
        return placer.done();
    const Area area = image.kind == Optics::ImageKind::Real ? Area::Right : Area::Left;
    const bool imageAbove = image.y <= axis;
    const bool crowded = image.kind == Optics::ImageKind::Virtual;
    placer.name({Text::APrime, area, image.x, image.y, imageAbove, true}, crowded);
    if (image.y != axis)
        placer.name({Text::BPrime, area, image.x, axis, !imageAbove, false}, crowded);
    const Text kind = image.kind == Optics::ImageKind::Real ? Text::Real : Text::Virtual;
    placer.words({kind, area, image.x, image.y, imageAbove, true});
    return placer.done();
}

} // namespace Labels
