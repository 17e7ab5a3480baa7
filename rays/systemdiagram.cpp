// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemdiagram.h"

#include "bench.h"
#include "benchgeometry.h"
#include "benchlens.h"
#include "palette.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Optics {

namespace {

// How far the figure reaches in centimetres either way: the far value, so
// that a line to an image a kilometre off is cut along its own direction
// instead of overflowing the drawing surface.
const double kReach = Bench::cmOf(Bench::kFar);

double xIn(Area area, double z) {
    return area == Area::Left ? Bench::xOf(z) : Bench::twipsOf(z);
}

// A point of the axis system (cm) as a point of the area it falls in, held
// within the far value as the single-lens image is.
DiagramPoint pointAt(double z, double height) {
    DiagramPoint p;
    p.shown = std::isfinite(z) && std::isfinite(height);
    if (!p.shown)
        return p;
    z = std::clamp(z, -kReach, kReach);
    height = std::clamp(height, -kReach, kReach);
    p.area = z < 0 ? Area::Left : Area::Right;
    p.x = xIn(p.area, z);
    p.y = Bench::yOf(height);
    return p;
}

DiagramPoint focusPoint(const Axial::Focus& focus, bool back) {
    if (!focus.finite)
        return {};
    return pointAt(back ? focus.backPoint : focus.frontPoint, 0);
}

Role roleOf(Axial::Which which) {
    switch (which) {
    case Axial::Which::Parallel:
        return Role::ParallelRay;
    case Axial::Which::Central:
        return Role::CentralRay;
    case Axial::Which::Focal:
        return Role::FocalRay;
    case Axial::Which::Edge:
        return Role::EdgeRay;
    case Axial::Which::SecondaryAxis:
        return Role::SecondaryAxis;
    }
    return Role::ParallelRay;
}

// Cuts the line a-b to the figure's reach (Liang-Barsky); false where none of
// it lies within.
bool clip(Axial::Point& a, Axial::Point& b) {
    const double dz = b.z - a.z, dh = b.height - a.height;
    double t0 = 0, t1 = 1;
    const std::array<std::array<double, 2>, 4> sides{{{-dz, a.z + kReach},
                                                      {dz, kReach - a.z},
                                                      {-dh, a.height + kReach},
                                                      {dh, kReach - a.height}}};
    for (const auto& [p, q] : sides) {
        if (!std::isfinite(p) || !std::isfinite(q))
            return false;
        if (p == 0) {
            if (q < 0)
                return false;
        } else if (p < 0) {
            t0 = std::max(t0, q / p);
        } else {
            t1 = std::min(t1, q / p);
        }
    }
    if (t0 > t1)
        return false;
    const Axial::Point from = a;
    a = {from.z + t0 * dz, from.height + t0 * dh};
    b = {from.z + t1 * dz, from.height + t1 * dh};
    return true;
}

// Builds the figure as the single-lens construction does: each stroke with
// the pen in force, the pens set as the drawing goes on.
class Builder {
public:
    Builder(Construction& out, const Palette::Construction& colours)
        : m_out(out), m_colours(colours) {}

    Pen& pen(Area area) { return area == Area::Left ? m_out.left : m_out.right; }

    void line(Area area, Role role, double x1, double y1, double x2, double y2, Colour colour) {
        m_out.strokes.push_back(
            lineStroke(area, role, area == Area::Right, x1, y1, x2, y2, colour, pen(area)));
    }
    void circle(Area area, Role role, double x, double y, double radius, Colour colour) {
        m_out.strokes.push_back(dotStroke(area, role, x, y, radius, colour, pen(area)));
    }
    void arrowhead(Area area, Role role, double x, double tipY, double width, Colour colour) {
        const Arrowhead head = arrowheadAt(x, tipY, x, Bench::kAxisY);
        if (!head.drawn)
            return;
        const Pen kept = pen(area);
        pen(area).style = 0;
        pen(area).width = int(width);
        for (const Segment& s : {head.left, head.right})
            line(area, role, s.x1, s.y1, s.x2, s.y2, colour);
        pen(area) = kept;
    }

    // One piece of the construction: a ray solid and two pixels wide, an
    // extension or a construction line thin and dashed; split at the first
    // lens's plane, each part in its area. A focal plane is drawn across the
    // area, as the single-lens figure draws it.
    void piece(const Axial::Piece& piece, Role role) {
        const bool ray = piece.part == Axial::Part::Ray;
        const bool extension = piece.part == Axial::Part::Extension;
        const Colour colour = ray         ? m_colours.ray
                              : extension ? m_colours.extension
                                          : m_colours.constructionLine;
        if (extension)
            role = Role::BackwardExtension;
        Axial::Point a = piece.from, b = piece.to;
        if (!clip(a, b))
            return;
        if (a.z > b.z)
            std::swap(a, b);
        for (Area area : {Area::Left, Area::Right}) {
            pen(area).width = ray ? 2 : 1;
            pen(area).style = ray ? 0 : 1;
            if (ray)
                pen(area).foreColour = m_colours.ray;
        }
        if (!ray && !extension && a.z == b.z) {
            const Area area = a.z < 0 ? Area::Left : Area::Right;
            const double x = xIn(area, a.z);
            line(area, Role::FocalPlane, x, Bench::kFocalPlaneTop, x, Bench::kFocalPlaneBottom,
                 colour);
            return;
        }
        const auto stroke = [&](Area area, Axial::Point p, Axial::Point q) {
            if (p.z == q.z && p.height == q.height)
                return;
            line(area, role, xIn(area, p.z), Bench::yOf(p.height), xIn(area, q.z),
                 Bench::yOf(q.height), colour);
        };
        if (b.z <= 0) {
            stroke(Area::Left, a, b);
        } else if (a.z >= 0) {
            stroke(Area::Right, a, b);
        } else {
            const Axial::Point mid{0, a.height - a.z * (b.height - a.height) / (b.z - a.z)};
            stroke(Area::Left, a, mid);
            stroke(Area::Right, mid, b);
        }
    }

    // An image as the single-lens figure marks it: a filled dot at the tip
    // and a line to the axis, solid where the light meets there, dashed where
    // lines only seem to meet; the arrowhead on the textbook layer. The final
    // image's line reads thick (three strokes 10 twips apart), the first
    // image's is a single thin one with a smaller dot: it is a step of the
    // construction, not its answer.
    void image(const DiagramPoint& tip, Colour colour, bool dashed, bool final, bool arrow) {
        if (!tip.shown)
            return;
        const Area area = tip.area;
        pen(area).width = final ? 4 : 2;
        pen(area).style = 0;
        pen(area).fillStyle = 0;
        pen(area).fillColour = colour;
        circle(area, Role::ImageDot, tip.x, tip.y, final ? 50 : 35, colour);
        if (arrow)
            arrowhead(area, Role::ImageLine, tip.x, tip.y, final ? 2 : 1, colour);
        pen(area).style = dashed ? 1 : 0;
        pen(area).width = 1;
        for (double offset : {0.0, 10.0, -10.0}) {
            line(area, Role::ImageLine, tip.x + offset, tip.y, tip.x + offset, Bench::kAxisY,
                 colour);
            if (!final)
                break;
        }
        pen(area).style = 0;
    }

private:
    Construction& m_out;
    const Palette::Construction& m_colours;
};

} // namespace

SystemDiagram systemDiagram(const BenchState& bench, const SecondLens& second, const Pen& left,
                            const Pen& right) {
    const double lensTop = Axial::power(withSecondLens(constructionSystem(bench), second), 1) >= 0
                               ? Bench::kConvergingTop
                               : Bench::kDivergingTop;
    const std::array<double, 2> edges{
        Bench::cmOf(Bench::kAxisY -
                    (bench.IsConverging != kFalse ? Bench::kConvergingTop : Bench::kDivergingTop)),
        Bench::cmOf(Bench::kAxisY - lensTop)};
    SystemDiagram d =
        systemDiagram(withSecondLens(constructionSystem(bench), second), bench, edges, left, right);
    d.secondCentre = pointAt(second.distance, 0);
    if (!objectOnBench(bench)) {
        // Without an object the figure has no strokes, but the lenses stand.
        d.rays.strokes.clear();
        d.images.clear();
        d.object = d.objectFoot = d.firstImage = d.firstImageFoot = d.finalImage =
            d.finalImageFoot = {};
        d.imageTips.clear();
        d.imageFeet.clear();
    }
    return d;
}

namespace {
// Either figure: of the system's object, or (`angle` given) of a distant one,
// whose light enters at the left area's edge.
SystemDiagram build(const Axial::System& system, const BenchState& bench,
                    std::span<const double> edgeHeights, const Pen& left, const Pen& right,
                    double zTo, const double* angle) {
    SystemDiagram d;
    d.rays.left = left;
    d.rays.right = right;
    d.rays.bench = bench;
    d.system = system;
    const std::size_t n = system.elements.size();
    if (n > 1) {
        const Axial::Focus focus = Axial::focusOf(d.system, 1);
        d.converging = Axial::power(d.system, 1) >= 0;
        d.lensX = Bench::twipsOf(system.elements[1].z);
        d.lensTop = d.converging ? Bench::kConvergingTop : Bench::kDivergingTop;
        d.lensBottom = d.converging ? Bench::kConvergingBottom : Bench::kDivergingBottom;
        d.frontFocusX = focus.finite ? Bench::twipsOf(focus.frontPoint) : Bench::kFar;
        d.backFocusX = focus.finite ? Bench::twipsOf(focus.backPoint) : Bench::kFar;
        d.secondFront = focusPoint(focus, false);
        d.secondBack = focusPoint(focus, true);
        d.secondCentre = pointAt(system.elements[1].z, 0);
    }
    if (n > 0) {
        const Axial::Focus first = Axial::focusOf(d.system, 0);
        d.firstFront = focusPoint(first, false);
        d.firstBack = focusPoint(first, true);
    }
    if (n == 0 || !Axial::valid(d.system) ||
        (angle ? !std::isfinite(*angle)
               : !std::isfinite(system.object.z) || !std::isfinite(system.object.height) ||
                     system.object.z >= system.elements[0].z))
        return d;
    d.images = angle ? Axial::imagesOfDistant(d.system, *angle) : Axial::imagesOf(d.system);
    if (!angle) {
        d.object = pointAt(d.system.object.z, d.system.object.height);
        d.objectFoot = pointAt(d.system.object.z, 0);
    }
    d.imageTips.resize(n);
    d.imageFeet.resize(n);
    for (std::size_t k = 0; k < n; ++k)
        if (d.images[k].kind != Axial::ImageKind::None) {
            d.imageTips[k] = pointAt(d.images[k].z, d.images[k].height);
            d.imageFeet[k] = pointAt(d.images[k].z, 0);
        }
    d.firstImage = d.imageTips.front();
    d.firstImageFoot = d.imageFeet.front();
    d.finalImage = d.imageTips.back();
    d.finalImageFoot = d.imageFeet.back();

    const Palette::Construction& colours = Palette::of(bench);
    const bool labels = bench.ShowLabels != kFalse;
    Builder b(d.rays, colours);
    d.rays.strokes.reserve(32 * n);
    // The object: a line from its tip to the axis, as wide as the rays.
    if (!angle) {
        b.pen(d.object.area).width = 2;
        b.pen(d.object.area).style = 0;
        b.line(d.object.area, Role::Object, d.object.x, d.object.y, d.object.x, Bench::kAxisY,
               colours.object);
        if (labels)
            b.arrowhead(d.object.area, Role::Object, d.object.x, d.object.y, 2, colours.object);
    }
    // Each element's rays for its own object; the ray through the front
    // focus on the bench's third-ray layer, as for one lens.
    zTo = std::min(zTo, Bench::cmOf(Bench::kAreaWidth));
    for (std::size_t k = 0; k < n; ++k)
        for (const Axial::ConstructedRay& ray :
             angle ? Axial::distantStageConstruction(
                         d.system, *angle, k, -Bench::cmOf(Bench::kAreaWidth), zTo, edgeHeights)
                   : Axial::stageConstruction(d.system, k, zTo, edgeHeights)) {
            if (ray.which == Axial::Which::Focal && bench.ShowThirdRay == kFalse)
                continue;
            for (const Axial::Piece& piece : ray.pieces)
                b.piece(piece, roleOf(ray.which));
        }
    // An intermediate image: solid in the image's colour where the light
    // meets there before the next element; red and dashed where it only
    // seems to come from it (virtual) or would meet beyond the next element,
    // which takes the light first (a virtual object for it).
    for (std::size_t k = 0; k + 1 < n; ++k) {
        const Axial::Image& i = d.images[k];
        const bool formed = i.kind == Axial::ImageKind::Real && i.z <= d.system.elements[k + 1].z;
        b.image(d.imageTips[k], formed ? colours.realImage : colours.virtualImage, !formed, false,
                labels);
    }
    const bool real = d.images.back().kind == Axial::ImageKind::Real;
    b.image(d.finalImage, real ? colours.realImage : colours.virtualImage, !real, true, labels);
    if (angle)
        return d;
    // The object marker last, over the rays: a filled dot.
    Pen& pen = b.pen(d.object.area);
    pen.width = 3;
    pen.style = 0;
    pen.fillStyle = 0;
    pen.fillColour = colours.object;
    b.circle(d.object.area, Role::ObjectDot, d.object.x, d.object.y, 60, colours.object);
    return d;
}
} // namespace

SystemDiagram systemDiagram(const Axial::System& system, const BenchState& bench,
                            std::span<const double> edgeHeights, const Pen& left, const Pen& right,
                            double zTo) {
    return build(system, bench, edgeHeights, left, right, zTo, nullptr);
}

SystemDiagram distantDiagram(const Axial::System& system, double angle, const BenchState& bench,
                             std::span<const double> edgeHeights, const Pen& left, const Pen& right,
                             double zTo) {
    return build(system, bench, edgeHeights, left, right, zTo, &angle);
}

} // namespace Optics
