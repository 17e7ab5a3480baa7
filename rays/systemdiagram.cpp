// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemdiagram.h"

#include "bench.h"
#include "benchlens.h"

#include <cmath>

namespace Optics {

namespace {

// A point of the axis system (cm) as a point of the area it falls in.
DiagramPoint pointAt(double z, double height) {
    DiagramPoint p;
    p.shown = std::isfinite(z) && std::isfinite(height);
    p.area = z < 0 ? Area::Left : Area::Right;
    p.x = z < 0 ? Bench::xOf(z) : Bench::twipsOf(z);
    p.y = Bench::yOf(height);
    return p;
}

Role roleOf(Axial::Which which) {
    switch (which) {
    case Axial::Which::Parallel: return Role::ParallelRay;
    case Axial::Which::Central: return Role::CentralRay;
    case Axial::Which::Focal: return Role::FocalRay;
    case Axial::Which::Edge: return Role::EdgeRay;
    case Axial::Which::SecondaryAxis: return Role::SecondaryAxis;
    }
    return Role::ParallelRay;
}

// One piece as strokes: split at the first lens's plane, each part in its area.
void addPiece(Construction& out, const Axial::Piece& piece, Role role) {
    Axial::Point a = piece.from;
    Axial::Point b = piece.to;
    if (a.z > b.z)
        std::swap(a, b);
    const auto stroke = [&](Area area, Axial::Point p, Axial::Point q, bool refracted) {
        Stroke s;
        s.area = area;
        s.role = piece.part == Axial::Part::Ray ? role
                 : piece.part == Axial::Part::Extension ? Role::BackwardExtension
                                                        : Role::SecondaryAxis;
        s.refracted = refracted;
        s.x1 = area == Area::Left ? Bench::xOf(p.z) : Bench::twipsOf(p.z);
        s.y1 = Bench::yOf(p.height);
        s.x2 = area == Area::Left ? Bench::xOf(q.z) : Bench::twipsOf(q.z);
        s.y2 = Bench::yOf(q.height);
        s.colour = piece.part == Axial::Part::Ray         ? kBlack
                   : piece.part == Axial::Part::Extension ? kRed
                                                          : kGrey;
        Pen& pen = area == Area::Left ? out.left : out.right;
        pen.width = piece.part == Axial::Part::Ray ? 2 : 1;
        pen.style = piece.part == Axial::Part::Ray ? 0 : 1;
        s.pen = pen;
        out.strokes.push_back(s);
    };
    if (b.z <= 0) {
        stroke(Area::Left, a, b, false);
    } else if (a.z >= 0) {
        stroke(Area::Right, a, b, true);
    } else {
        const double t = -a.z / (b.z - a.z);
        const Axial::Point mid{0, a.height + t * (b.height - a.height)};
        stroke(Area::Left, a, mid, false);
        stroke(Area::Right, mid, b, true);
    }
}

} // namespace

SystemDiagram systemDiagram(const BenchState& bench, const SecondLens& second, const Pen& left,
                            const Pen& right) {
    SystemDiagram d;
    d.rays.left = left;
    d.rays.right = right;
    d.rays.bench = bench;
    d.system = withSecondLens(constructionSystem(bench), second);
    d.lensX = Bench::twipsOf(second.distance);
    const Axial::Focus focus = Axial::focusOf(d.system, 1);
    d.converging = Axial::power(d.system, 1) >= 0;
    d.lensTop = d.converging ? Bench::kConvergingTop : Bench::kDivergingTop;
    d.lensBottom = d.converging ? Bench::kConvergingBottom : Bench::kDivergingBottom;
    d.frontFocusX = focus.finite ? Bench::twipsOf(focus.frontPoint) : Bench::kFar;
    d.backFocusX = focus.finite ? Bench::twipsOf(focus.backPoint) : Bench::kFar;
    if (!objectOnBench(bench))
        return d;
    d.images = Axial::imagesOf(d.system);
    d.object = pointAt(d.system.object.z, d.system.object.height);
    d.objectFoot = pointAt(d.system.object.z, 0);
    if (d.images.size() == 2) {
        const auto mark = [](const Axial::Image& image, DiagramPoint& tip, DiagramPoint& foot) {
            if (image.kind == Axial::ImageKind::None)
                return;
            tip = pointAt(image.z, image.height);
            foot = pointAt(image.z, 0);
        };
        mark(d.images[0], d.firstImage, d.firstImageFoot);
        mark(d.images[1], d.finalImage, d.finalImageFoot);
    }
    const double edge = Bench::cmOf(Bench::kAxisY - Bench::kConvergingTop);
    const double zTo = Bench::cmOf(Bench::kAreaWidth);
    for (const Axial::ConstructedRay& ray : Axial::construction(d.system, zTo, edge))
        for (const Axial::Piece& piece : ray.pieces)
            addPiece(d.rays, piece, roleOf(ray.which));
    return d;
}

} // namespace Optics
