// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "benchstate.h"
#include "raydiagram.h"
#include "secondlens.h"

#include <span>
#include <vector>

// The bench with a second lens as the scheme view draws it: the optical
// system's construction turned into strokes of the two areas (picLeft before
// the first lens, picRigth behind it, twips, y downwards), and where the
// second lens, its foci and the images stand. Plain data, so that a test
// reads it without a window.
namespace Optics {

// A point of the figure in the area it stands in; not shown where it lies at
// infinity (an image of parallel light).
struct DiagramPoint {
    Area area = Area::Right;
    double x = 0;
    double y = 0;
    bool shown = false;
};

struct SystemDiagram {
    // The construction, in drawing order, from the pens the areas hold.
    Construction rays;
    // The second lens: its plane (picRigth x), the ends of its line, whether
    // it acts as converging (its arrowheads), its foci before and behind it
    // (the far value where it has no power).
    double lensX = 0;
    double lensTop = 0;
    double lensBottom = 0;
    bool converging = true;
    double frontFocusX = 0;
    double backFocusX = 0;
    // The system in centimetres and its images after each lens (the library's).
    Axial::System system;
    std::vector<Axial::Image> images;
    // The object's tip, the first image's and the final image's tips, and
    // their feet on the axis.
    DiagramPoint object, objectFoot;
    DiagramPoint firstImage, firstImageFoot;
    DiagramPoint finalImage, finalImageFoot;
    // Where the names of the axis go: the foci of the first lens (F1 before,
    // F1' behind) and of the second, and the second lens's centre O2; not
    // shown for a lens without power.
    DiagramPoint firstFront, firstBack;
    DiagramPoint secondFront, secondBack;
    DiagramPoint secondCentre;
    // Every image in turn (the last the final one), for a system of any
    // number of elements.
    std::vector<DiagramPoint> imageTips, imageFeet;
};

// The two-lens bench's figure as textbooks draw it, stage by stage: the
// object, the first lens's standard rays to its image A1B1, drawn as an
// intermediate image, then the second lens's standard rays for A1B1 as its
// object, to the final image A2B2. The strokes have the roles, colours and
// pens of the single-lens construction (rayDiagram). No strokes without an
// object on the bench.
SystemDiagram systemDiagram(const BenchState& bench, const SecondLens& second, const Pen& left,
                            const Pen& right);

// The same figure for any system (bench centimetres, the bench's lens line at
// z = 0, elements anywhere in either area): each element's standard rays for
// its own object, the intermediate images thin, the final one thick. The
// bench gives the palette and the layers only; `edgeHeights` the elements'
// apertures (cm) in turn. The second-lens fields describe element 1 where
// there is one.
SystemDiagram systemDiagram(const Axial::System& system, const BenchState& bench,
                            std::span<const double> edgeHeights, const Pen& left,
                            const Pen& right);

// The figure of a distant object seen at `angle` (radians; a star, a far
// landscape): its parallel light enters from the left edge of the left area
// through the first element's edges and centre, each element's stage on from
// the images imagesOfDistant finds. No object is drawn.
SystemDiagram distantDiagram(const Axial::System& system, double angle, const BenchState& bench,
                             std::span<const double> edgeHeights, const Pen& left,
                             const Pen& right);

} // namespace Optics
