// SPDX-License-Identifier: GPL-3.0-or-later
#include "raydiagram.h"

#include "axial.h"
#include "bench.h"
#include "benchgeometry.h"
#include "benchlens.h"
#include "benchoptics.h"
#include "lens.h"
#include "palette.h"

#include <cmath>
#include <limits>

namespace Optics {

namespace {
using namespace Bench;

// The aperture edges as the construction meets them: above the axis (side -1)
// or below it (side +1), for the converging or the diverging lens.
constexpr int kAbove = -1;
constexpr int kBelow = +1;

double edgeOf(bool converging, int side) {
    if (converging)
        return side == kAbove ? kConvergingTop : kConvergingBottom;
    return side == kAbove ? kDivergingTop : kDivergingBottom;
}

// The area edge a line towards `side` runs to.
double farEdgeOf(int side) {
    return side == kAbove ? 0 : kAreaHeight;
}

// The central ray of a point above the axis is drawn on to just past the
// bottom edge.
constexpr double kPastBottom = 8050;

// A piece of the model's construction in the bench's twips: x of picLeft,
// running on past the lens plane into picRigth (+7500), y downwards. The
// strokes run along these lines to the edges the window draws them to.
struct Line {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};
Line lineOf(const Axial::Piece& piece) {
    return {kLensX + twipsOf(piece.from.z), kAxisY - twipsOf(piece.from.height),
            kLensX + twipsOf(piece.to.z), kAxisY - twipsOf(piece.to.height)};
}
double yAt(const Line& l, double x) {
    return l.y1 + (l.y2 - l.y1) * ((x - l.x1) / (l.x2 - l.x1));
}
double xAt(const Line& l, double y) {
    return l.x1 + (l.x2 - l.x1) * ((y - l.y1) / (l.y2 - l.y1));
}

// The bench's lens and object as the optical system, and what the window
// reads from it: the construction's rays out to the right edge of picRigth,
// the focal lengths as magnitudes (F1 before, F2 behind), the bend k = n1 / n2
// of a ray through the centre, and the image distance b.
struct Model {
    std::vector<Axial::ConstructedRay> rays;
    double F1 = 0;
    double F2 = 0;
    double k = 1;
    bool converging = true;
    bool hasImage = false;
    double b = 0;

    // The first ray of a kind; of the edge rays and their secondary axes, the
    // one on `side` of the axis.
    const Axial::ConstructedRay& ray(Axial::Which which, int side = 0) const {
        static const Axial::ConstructedRay none;
        for (std::size_t i = 0; i < rays.size(); ++i) {
            const bool edgeOnSide =
                rays[i].which == Axial::Which::Edge &&
                (side == 0 || (rays[i].pieces.front().to.height > 0) == (side == kAbove));
            if (which == Axial::Which::SecondaryAxis && edgeOnSide && i + 1 < rays.size() &&
                rays[i + 1].which == which)
                return rays[i + 1];
            const bool sided = which == Axial::Which::Edge || which == Axial::Which::SecondaryAxis;
            if (rays[i].which == which && (!sided || side == 0 || edgeOnSide))
                return rays[i];
        }
        return none;
    }
    // A ray as it comes to the lens, and as it leaves it.
    Line incoming(Axial::Which which, int side = 0) const { return piece(ray(which, side), 0); }
    Line leaving(Axial::Which which, int side = 0) const { return piece(ray(which, side), 1); }
    // The secondary axis: as it leaves the centre (towards the focal plane,
    // or back to it), the focal plane's place, and the line as it comes in.
    Line secondaryLeaving(int side) const {
        return piece(ray(Axial::Which::SecondaryAxis, side), 0);
    }
    double focalPlaneX() const { return piece(ray(Axial::Which::SecondaryAxis), 1).x1; }
    Line secondaryIncoming(int side) const {
        return piece(ray(Axial::Which::SecondaryAxis, side), 2);
    }

private:
    static Line piece(const Axial::ConstructedRay& ray, std::size_t i) {
        // A piece the construction lacks draws nowhere.
        constexpr double kNowhere = std::numeric_limits<double>::quiet_NaN();
        return i < ray.pieces.size() ? lineOf(ray.pieces[i])
                                     : Line{kNowhere, kNowhere, kNowhere, kNowhere};
    }
};

// Builds a construction as the window draws it: each stroke with the pen in
// force, the pens set as the drawing goes on, the work values written where
// the construction writes them.
class Builder {
public:
    Builder(const BenchState& bench, const Pen& left, const Pen& right)
        : m_colours(Palette::of(bench)), m_model(modelOf(bench)) {
        m_out.bench = bench;
        m_out.left = left;
        m_out.right = right;
    }

    Construction done() { return std::move(m_out); }

    void rayDiagram();
    void axialBeam();
    void realImageMark();
    void virtualImage();

private:
    Pen& pen(Area area) { return area == Area::Left ? m_out.left : m_out.right; }
    BenchState& w() { return m_out.bench; }

    void line(Area area, Role role, double x1, double y1, double x2, double y2) {
        line(area, role, x1, y1, x2, y2, pen(area).foreColour);
    }
    void line(Area area, Role role, double x1, double y1, double x2, double y2, Colour colour) {
        m_out.strokes.push_back(
            lineStroke(area, role, m_refracted, x1, y1, x2, y2, colour, pen(area)));
    }
    void circle(Area area, Role role, double x, double y, double radius, Colour colour) {
        m_out.strokes.push_back(dotStroke(area, role, x, y, radius, colour, pen(area)));
    }
    // Refracted strokes stand in picRigth, or are traced back into picLeft.
    void refracted(Area area, Role role, double x1, double y1, double x2, double y2) {
        m_refracted = true;
        line(area, role, x1, y1, x2, y2);
        m_refracted = false;
    }
    void refracted(Area area, Role role, double x1, double y1, double x2, double y2,
                   Colour colour) {
        m_refracted = true;
        line(area, role, x1, y1, x2, y2, colour);
        m_refracted = false;
    }

    // Construction lines are drawn thin and dashed, rays solid and two pixels wide.
    void dashedThin() {
        for (Area area : {Area::Left, Area::Right}) {
            pen(area).style = 1;
            pen(area).width = 1;
        }
    }
    void solidRays() {
        for (Area area : {Area::Left, Area::Right}) {
            pen(area).style = 0;
            pen(area).width = 2;
        }
    }

    // A dot at the image point and three lines 10 twips apart from it to the
    // axis, which together read as one thick line. Leaves the area solid and 1
    // wide.
    void markImage(Area area, double imageX, double imageY, Colour colour, ImageKind kind) {
        // The dot is one colour, filled as it is outlined.
        pen(area).fillColour = colour;
        circle(area, Role::ImageDot, imageX, imageY, 50, colour);
        // The image as an arrow: its head at the image point.
        if (w().ShowLabels)
            arrowhead(area, Role::ImageLine, imageX, imageY, kAxisY, colour);
        // As textbooks print it, whatever is shown: the real image solid like
        // the object, the virtual one dashed, so a greyscale print keeps them apart.
        pen(area).style = kind == ImageKind::Real ? 0 : 1;
        pen(area).width = 1;
        for (double offset : {0.0, 10.0, -10.0})
            line(area, Role::ImageLine, imageX + offset, imageY, imageX + offset, kAxisY, colour);
        pen(area).style = 0;
    }

    static Model modelOf(const BenchState& bench);

    void beyondConvergingAperture(int side, double y, double d);
    void insideFocusBeyondAperture(int side, double y, double d);
    void beyondDivergingAperture(int side, double y, double d);

    void arrowhead(Area area, Role role, double tipX, double tipY, double fromY, Colour colour);
    void thirdRay();

    const Palette::Construction& m_colours;
    const Model m_model;
    Construction m_out;
    bool m_refracted = false;
};

// Keeps the image point within the far value, each coordinate on its own.
void clampImage(double& imageX, double& imageY) {
    for (double* v : {&imageX, &imageY}) {
        if (*v > kFar)
            *v = kFar;
        if (*v < -kFar)
            *v = -kFar;
    }
}

int signOf(double v) {
    return (v > 0) - (v < 0);
}

// Whether the object point has an image at all: not where it stands in the
// front focal plane as the model places that plane (the point is held in
// single precision, so the plane is met where the mark puts it).
bool formsImage(const BenchState& bench) {
    return Bench::imageOf(lensOf(bench), bench.ObjectX, bench.ObjectY).kind != ImageKind::None;
}
} // namespace

std::int32_t roundToInt32(double v) {
    if (std::isnan(v))
        return 0;
    const double r = std::nearbyint(v); // the default rounding mode: half to even
    if (r >= double(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (r <= double(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}

Model Builder::modelOf(const BenchState& bench) {
    Model m;
    const Axial::System system = constructionSystem(bench);
    // The aperture's edges stand as far from the axis above it as below it.
    const double top = bench.IsConverging != kFalse ? kConvergingTop : kDivergingTop;
    m.rays = Axial::construction(system, zOf(kLensX + kAreaWidth), heightOf(top));
    // The focal lengths as the bench holds them, where its marks stand, so
    // that an object put on a mark is on the same side of it here; the
    // system's focus is this one (F1 = n1 / P, F2 = n2 / P).
    m.k = Axial::indexBefore(system, 0) / Axial::indexAfter(system, 0);
    m.F2 = std::fabs(bench.f2);
    m.F1 = m.k * m.F2;
    m.converging = bench.IsConverging != kFalse;
    const Axial::Image image = Axial::imageOf(system);
    m.hasImage = image.kind != Axial::ImageKind::None && formsImage(bench);
    m.b = twipsOf(image.distance);
    return m;
}

// Object beyond the converging lens's aperture, above or below it: the ray to
// that aperture edge. The secondary axis, the line through the optical centre
// parallel to it, is bent there like the central ray and meets the back focal
// plane at the depth F1 * slope, where the refracted edge ray passes too.
void Builder::beyondConvergingAperture(int side, double y, double d) {
    using Axial::Which;
    const Model& m = m_model;
    const double edge = edgeOf(true, side);
    const double beyond = side == kAbove ? edge - y : y - edge; // how far beyond the edge
    const Line in = m.incoming(Which::Edge, side);
    line(Area::Left, Role::EdgeRay, in.x1, in.y1, in.x2, in.y2);
    dashedThin();
    const double plane = m.focalPlaneX() - kLensX;
    line(Area::Right, Role::FocalPlane, plane, kFocalPlaneTop, plane, kFocalPlaneBottom,
         m_colours.constructionLine);
    line(Area::Left, Role::SecondaryAxis, kLensX, kAxisY, 0, yAt(m.secondaryIncoming(side), 0),
         m_colours.constructionLine);
    // The secondary axis crosses the axis at the centre and runs to the far edge.
    const int across = -side;
    line(Area::Right, Role::SecondaryAxis, 0, kAxisY,
         xAt(m.secondaryLeaving(side), farEdgeOf(across)) - kLensX, farEdgeOf(across),
         m_colours.constructionLine);
    solidRays();
    w().AuxSlope = beyond / d;
    // Run in x per twip of drop of the refracted edge ray: it passes through
    // (F2, 3990 + F1 * AuxSlope) on the focal plane.
    w().RaySlope = m.F2 / ((kAxisY - kConvergingTop) + m.F1 * w().AuxSlope);
    const Line out = m.leaving(Which::Edge, side);
    refracted(Area::Right, Role::EdgeRay, 0, out.y1, xAt(out, farEdgeOf(across)) - kLensX,
              farEdgeOf(across));
    // In the focal plane the rays leave parallel: no image to mark.
    if (m.hasImage) {
        w().ImageX = m.b;
        w().ImageY = kAxisY - w().ImageX * m.k * (y - kAxisY) / d;
        realImageMark();
    }
}

// The same object inside F1: the virtual image, on the backward extension of
// the refracted edge ray just found.
void Builder::insideFocusBeyondAperture(int side, double y, double d) {
    const Model& m = m_model;
    w().LensHitY = edgeOf(true, side);
    // The refracted edge ray crosses the axis at F2 - F1 * RaySlope * AuxSlope.
    w().CrossShift = roundToInt32((m.F1 * w().RaySlope) * w().AuxSlope);
    if (m.hasImage) {
        w().ImageX = kLensX + m.b; // 7500 - F2 * d / (F1 - d)
        w().ImageY = kAxisY + (kLensX - w().ImageX) * m.k * (y - kAxisY) / d;
    }
    w().RaySlope = 1 / w().RaySlope; // from here on the slope, y per x
    if (m.hasImage)
        virtualImage();
}

// Object beyond the diverging lens's aperture: the ray to that edge is turned
// 1440 / F2 away from the axis. The refracted rays only seem to come from the
// left, so the secondary axis is drawn there as it leaves the lens, bent and
// traced back: it meets the focal plane at F2 where the backward extension of
// the refracted edge ray does. With equal media it is simply the line parallel
// to the edge ray.
void Builder::beyondDivergingAperture(int side, double y, double d) {
    using Axial::Which;
    const Model& m = m_model;
    const double edge = edgeOf(false, side);
    const double beyond = side == kAbove ? edge - y : y - edge;
    const Line in = m.incoming(Which::Edge, side);
    line(Area::Left, Role::EdgeRay, in.x1, in.y1, in.x2, in.y2);
    dashedThin();
    const double plane = m.focalPlaneX();
    line(Area::Left, Role::FocalPlane, plane, kFocalPlaneTop, plane, kFocalPlaneBottom,
         m_colours.constructionLine);
    const Line axis = m.secondaryLeaving(side);
    line(Area::Left, Role::SecondaryAxis, kLensX, kAxisY, 0, yAt(axis, 0),
         m_colours.constructionLine);
    const int across = -side;
    line(Area::Right, Role::SecondaryAxis, 0, kAxisY, xAt(axis, farEdgeOf(across)) - kLensX,
         farEdgeOf(across), m_colours.constructionLine);
    w().RaySlope = beyond / d;
    w().AuxSlope = (kAxisY - kDivergingTop) / m.F2 - m.k * w().RaySlope;
    const Line out = m.leaving(Which::Edge, side);
    refracted(Area::Left, Role::BackwardExtension, kLensX, out.y1, 0, yAt(out, 0),
              m_colours.extension);
    solidRays();
    refracted(Area::Right, Role::EdgeRay, 0, out.y1, kAreaWidth, yAt(out, kLensX + kAreaWidth));
}

void Builder::rayDiagram() {
    using Axial::Which;
    // Only an object point left of the lens plane has a construction; one at an
    // infinite or undefined place has none either.
    if (!objectOnBench(w()))
        return;
    w().ConstructionShown = kTrue;

    const Model& m = m_model;
    const double x = w().ObjectX;
    const double y = w().ObjectY;
    const double d = kLensX - x;            // distance of the object point from the lens plane
    const double h = std::fabs(y - kAxisY); // its height above or below the axis
    const double F1 = m.F1;
    const double k = m.k; // the central ray's slope grows by n1 / n2 at the lens
    const bool converging = m.converging;
    const int side = signOf(y - kAxisY); // -1 above the axis, +1 below, 0 on it
    // Where the rays meet; nothing when the object stands in the front focal plane.
    const bool hasImage = m.hasImage;

    // The object: a line from the point to the axis, as wide as the rays, with
    // an arrowhead at the point where the labels are shown.
    pen(Area::Left).width = 2;
    line(Area::Left, Role::Object, x, y, x, kAxisY, m_colours.object);
    if (w().ShowLabels)
        arrowhead(Area::Left, Role::Object, x, y, kAxisY, m_colours.object);

    // Central ray: through the optical centre (7500, 3990), where the change of
    // medium bends it (n2 u2 = n1 u1); with equal media it goes straight on. On
    // the axis it runs along it.
    const Line central = side == 0 ? Line{x, kAxisY, kLensX, kAxisY} : m.incoming(Which::Central);
    line(Area::Left, Role::CentralRay, central.x1, central.y1, central.x2, central.y2);
    pen(Area::Right).width = 2;
    pen(Area::Right).foreColour = m_colours.ray;
    pen(Area::Left).foreColour = m_colours.ray;
    if (side == 0)
        refracted(Area::Right, Role::CentralRay, 0, kAxisY, kAreaWidth, kAxisY);
    else { // falls to below the bottom edge, or rises to the top one
        const double edgeY = side == kAbove ? kPastBottom : 0;
        refracted(Area::Right, Role::CentralRay, 0, kAxisY,
                  xAt(m.leaving(Which::Central), edgeY) - kLensX, edgeY);
    }
    if (side != 0)
        w().AuxSlope = (side == kAbove ? kAxisY - y : y - kAxisY) / d;

    // On the axis the central and the parallel ray coincide: a beam to the
    // aperture edges finds the image instead.
    if (side == 0)
        axialBeam();

    // Converging lens, object point within the aperture: the ray parallel to the
    // axis is refracted through the back focal point.
    if (converging && y > kConvergingTop && y < kConvergingBottom && side != 0) {
        const Line in = m.incoming(Which::Parallel);
        line(Area::Left, Role::ParallelRay, in.x1, in.y1, in.x2, in.y2);
        const Line out = m.leaving(Which::Parallel);
        const double F2 = xAt(out, kAxisY) - kLensX; // where it crosses the axis
        refracted(Area::Right, Role::ParallelRay, 0, out.y1, F2, kAxisY);
        const double edgeY = side == kAbove ? kPastBottom : 0;
        refracted(Area::Right, Role::ParallelRay, F2, kAxisY, xAt(out, edgeY) - kLensX, edgeY);
        w().RaySlope = h / m.F2;

        // The object beyond F1: the focal ray and the bent central ray meet right
        // of the lens, in a real, inverted image, magnified -(n1 b) / (n2 d).
        if (hasImage && d > F1) {
            w().ImageX = m.b;
            w().ImageY = kAxisY - side * (k * w().AuxSlope * w().ImageX);
            realImageMark();
        }
        // The object inside F1: they part, and seem to come from an upright virtual
        // image left of the lens. In the front focal plane they leave parallel: no image.
        if (hasImage && d < F1) {
            w().ImageX = kLensX + m.b;
            w().ImageY = kAxisY + side * (k * w().AuxSlope * (kLensX - w().ImageX));
            // The ray leaves the lens at the object's height and crosses the
            // axis exactly at the back focal point.
            w().LensHitY = y;
            w().CrossShift = 0;
            virtualImage();
        }
    }

    // Converging lens, object point above or below the aperture; inside F1 the
    // image is virtual.
    if (converging && side != 0 && (y < kConvergingTop || y > kConvergingBottom)) {
        beyondConvergingAperture(side, y, d);
        if (d < F1)
            insideFocusBeyondAperture(side, y, d);
    }

    // Diverging lens, object point within its aperture: the parallel ray leaves
    // the lens as if it came from the focal point F2 on the object side.
    if (!converging && y > kDivergingTop && y < kDivergingBottom && side != 0) {
        const Line in = m.incoming(Which::Parallel);
        line(Area::Left, Role::ParallelRay, in.x1, in.y1, in.x2, in.y2);
        const Line out = m.leaving(Which::Parallel);
        pen(Area::Left).width = 1;
        pen(Area::Left).style = 1;
        refracted(Area::Left, Role::BackwardExtension, xAt(out, kAxisY), kAxisY, kLensX, out.y1,
                  m_colours.extension);
        pen(Area::Left).width = 2;
        pen(Area::Left).style = 0;
        w().RaySlope = (kAxisY - y) / m.F2; // signed: positive above the axis
        refracted(Area::Right, Role::ParallelRay, 0, out.y1, kAreaWidth,
                  yAt(out, kLensX + kAreaWidth));
    }

    // Diverging lens, object point above or below its aperture.
    if (!converging && side != 0 && (y < kDivergingTop || y > kDivergingBottom))
        beyondDivergingAperture(side, y, d);

    // A diverging lens always gives a virtual, upright, reduced image between
    // its focal point F2 and the lens.
    if (!converging && hasImage) {
        w().ImageX = kLensX + m.b; // 7500 - F2 * d / (d + F1)
        w().ImageY = kAxisY + ((kLensX - w().ImageX) / d) * k * (y - kAxisY);
        virtualImage();
    }

    if (w().ShowThirdRay)
        thirdRay();

    // The object marker, on every run: a filled green dot. The settings stay so.
    pen(Area::Left).width = 3;
    pen(Area::Left).fillStyle = 0;
    pen(Area::Left).fillColour = m_colours.object;
    circle(Area::Left, Role::ObjectDot, x, y, 60, m_colours.object);
}

// Object point on the main optical axis. The central and the parallel ray both
// run along the axis and find nothing, so a beam goes from the point to the two
// aperture edges; each edge ray is refracted through the point where the
// secondary axis parallel to it (the line through the optical centre) meets the
// focal plane.
void Builder::axialBeam() {
    using Axial::Which;
    const Model& m = m_model;
    const double x = w().ObjectX;
    const double y = w().ObjectY;
    const double d = kLensX - x;
    const double F1 = m.F1;
    const double F2 = m.F2;
    const double k = m.k; // the secondary axes bend at the centre by n1 / n2
    const bool converging = m.converging;
    // The lower half of the beam first, then the upper one; each edge ray's slope
    // as it leaves the object, y per x (down positive).
    const int halves[] = {kBelow, kAbove};
    auto edgeSlope = [&](int side) {
        const double edge = edgeOf(converging, side);
        return side == kBelow ? (y - edge) / d : (edge - y) / d;
    };
    auto edgeRay = [&](int side) {
        const Line in = m.incoming(Which::Edge, side);
        line(Area::Left, Role::EdgeRay, in.x1, in.y1, in.x2, in.y2);
    };
    // The secondary axes parallel to the edge rays: on the left the one of the
    // edge ray on `side`, as that ray comes in (converging) or traced back
    // bent (diverging); on the right the other one, on through the centre to
    // the far edge on its side.
    auto secondaryAxes = [&](int side) {
        const double leftY =
            yAt(converging ? m.secondaryIncoming(side) : m.secondaryLeaving(side), 0);
        line(Area::Left, Role::SecondaryAxis, kLensX, kAxisY, 0, leftY, m_colours.constructionLine);
        const int across = -side;
        line(Area::Right, Role::SecondaryAxis, 0, kAxisY,
             xAt(m.secondaryLeaving(across), farEdgeOf(across)) - kLensX, farEdgeOf(across),
             m_colours.constructionLine);
    };
    // The refracted edge ray traced back across picLeft, and on across picRigth.
    auto backwardExtension = [&](int side) {
        const Line out = m.leaving(Which::Edge, side);
        refracted(Area::Left, Role::BackwardExtension, kLensX, out.y1, 0, yAt(out, 0),
                  m_colours.extension);
    };
    auto acrossRight = [&](int side) {
        const Line out = m.leaving(Which::Edge, side);
        refracted(Area::Right, Role::EdgeRay, 0, out.y1, kAreaWidth, yAt(out, kLensX + kAreaWidth));
    };

    if (!converging) {
        // Diverging lens: the refracted edge rays spread away from the axis as if
        // they came from the focal plane at F2 on the object side; their backward
        // extensions cross at the virtual image, which the diverging-lens block
        // then locates and marks. The secondary axes are drawn on the left as they
        // leave the lens, traced back (with equal media: parallel to the edge
        // rays), so that each meets its extension on that focal plane.
        for (int side : {kAbove, kBelow})
            edgeRay(side);
        dashedThin();
        const double plane = m.focalPlaneX();
        line(Area::Left, Role::FocalPlane, plane, kFocalPlaneTop, plane, kFocalPlaneBottom,
             m_colours.constructionLine);
        // Each secondary axis with the backward extension it locates. The edge
        // rays are turned 1440 / F2 away from the axis.
        auto turned = [&](int side) {
            w().RaySlope = edgeSlope(side);
            return (kAxisY - kDivergingTop) / F2 - k * w().RaySlope;
        };
        for (int side : halves) {
            secondaryAxes(side);
            w().AuxSlope = turned(side);
            backwardExtension(side);
        }
        solidRays();
        for (int side : halves) {
            w().AuxSlope = turned(side);
            acrossRight(side);
        }
        return;
    }

    // Converging lens. In the front focal plane (d = F1) the refracted rays
    // leave parallel to the axis and no image exists.
    const bool hasImage = m.hasImage;

    for (int side : {kAbove, kBelow})
        edgeRay(side);
    dashedThin();

    // Back focal plane and the secondary axes parallel to the two edge rays, bent
    // at the centre by the media: they meet the focal plane at F1 times the slope.
    const double plane = m.focalPlaneX() - kLensX;
    line(Area::Right, Role::FocalPlane, plane, kFocalPlaneTop, plane, kFocalPlaneBottom,
         m_colours.constructionLine);
    for (int side : halves)
        secondaryAxes(side);
    solidRays();

    // The refracted edge rays; RaySlope is their run in x per twip of y, so that
    // both cross the axis at 1340 * RaySlope, the real image distance. When they
    // leave parallel they are drawn level with their edge across the area.
    for (int side : halves) {
        const double edge = edgeOf(true, side);
        w().AuxSlope = edgeSlope(side);
        const int across = -side;
        if (const double run = F2 / ((kAxisY - kConvergingTop) + F1 * w().AuxSlope);
            hasImage && std::isfinite(run)) {
            w().RaySlope = run;
            const Line out = m.leaving(Which::Edge, side);
            refracted(Area::Right, Role::EdgeRay, 0, out.y1, xAt(out, farEdgeOf(across)) - kLensX,
                      farEdgeOf(across));
        } else {
            refracted(Area::Right, Role::EdgeRay, 0, edge, kAreaWidth, edge);
        }
    }
    if (!hasImage)
        return;

    // The real image, on the axis; left of the lens (out of sight) for an object
    // inside F1.
    w().ImageX = m.b;
    w().ImageY = kAxisY - w().ImageX * k * (y - kAxisY) / d;
    realImageMark();

    if (!(d < F1))
        return;

    // Inside F1: the virtual image, where the backward extensions of the refracted
    // rays cross.
    w().ImageX = kLensX + m.b; // 7500 - F2 * d / (F1 - d)
    w().ImageY = kAxisY + (kLensX - w().ImageX) * k * (y - kAxisY) / d;
    virtualImage();
    const double halfAperture = kAxisY - kConvergingTop;
    w().AuxSlope = halfAperture / d;
    // Slope of the refracted rays away from the axis, n2 u2 = n1 u1 - h P at the
    // aperture edges: 1340 (n1 / n2) / d - 1340 / F2, towards the virtual image.
    const double slope = k * w().AuxSlope - halfAperture / F2;
    if (!std::isfinite(slope))
        return;
    w().RaySlope = slope;
    pen(Area::Left).style = 1;
    for (int side : {kAbove, kBelow})
        backwardExtension(side);
    pen(Area::Left).style = 0;
    pen(Area::Right).width = 2;
    for (int side : {kAbove, kBelow})
        acrossRight(side);
}

// The third characteristic ray: through the front focal point (aimed at it on
// the far side, for a diverging lens) to the lens, leaving parallel to the
// axis; traced back where the image is virtual. None for a lens without power,
// whose focus the far value only stands for, nor for an object in the front
// focal plane.
void Builder::thirdRay() {
    const Axial::ConstructedRay& ray = m_model.ray(Axial::Which::Focal);
    if (ray.pieces.size() < 2 || !hasPower(power(lensOf(w()))) || !formsImage(w()))
        return;
    const Line toLens = lineOf(ray.pieces[0]);
    const Line leaving = lineOf(ray.pieces[1]);
    if (!std::isfinite(toLens.y2))
        return;
    solidRays();
    line(Area::Left, Role::FocalRay, toLens.x1, toLens.y1, toLens.x2, toLens.y2);
    refracted(Area::Right, Role::FocalRay, leaving.x1 - kLensX, leaving.y1, leaving.x2 - kLensX,
              leaving.y2);
    if (ray.pieces.size() > 2 && ray.pieces[2].part == Axial::Part::Extension) {
        const Line extension = lineOf(ray.pieces[2]);
        pen(Area::Left).width = 1;
        pen(Area::Left).style = 1;
        refracted(Area::Left, Role::BackwardExtension, extension.x1, extension.y1, extension.x2,
                  extension.y2, m_colours.extension);
        pen(Area::Left).style = 0;
    }
}

// Two solid strokes back from the tip of a line that rises from the axis.
void Builder::arrowhead(Area area, Role role, double tipX, double tipY, double fromY,
                        Colour colour) {
    const Arrowhead head = arrowheadAt(tipX, tipY, tipX, fromY);
    if (!head.drawn)
        return;
    const Pen kept = pen(area);
    pen(area).style = 0;
    pen(area).width = 2;
    for (const Segment& stroke : {head.left, head.right})
        line(area, role, stroke.x1, stroke.y1, stroke.x2, stroke.y2, colour);
    pen(area) = kept;
}

// The real image: a green dot in picRigth with a thick solid green line to the
// axis.
void Builder::realImageMark() {
    pen(Area::Right).width = 4;
    pen(Area::Right).fillStyle = 0;
    clampImage(w().ImageX, w().ImageY);
    markImage(Area::Right, w().ImageX, w().ImageY, m_colours.realImage, ImageKind::Real);
}

// The virtual image, its red counterpart in picLeft, together with the
// backward extensions of the rays that seem to come from it.
void Builder::virtualImage() {
    const Model& m = m_model;
    const double x = w().ObjectX;
    const double y = w().ObjectY;
    const bool converging = m.converging;
    const double k = m.k;
    // The refracted ray crosses the axis at X0, F2 - CrossShift right of the lens.
    // Formed in 64 bits so that no shift whatever can overflow.
    const double X0 = double(static_cast<std::int64_t>(kLensX) - w().CrossShift) + m.F2;
    // The refracted central ray, traced back, passes through the virtual image.
    // With equal media it is the incident central ray itself, already drawn up to
    // the object point, so its extension starts there; bent by unequal media it
    // starts at the optical centre. A diverging lens needs it only when bent.
    const int side = y < kAxisY ? kAbove : kBelow;
    const Axial::ConstructedRay& central = m.ray(Axial::Which::Central);
    const bool centralExtension =
        y != kAxisY && (converging || k != 1) && central.pieces.size() > 1;
    const double startX = k == 1 ? x : kLensX;
    const double startY = k == 1 ? y : kAxisY;

    pen(Area::Left).width = 1;
    pen(Area::Left).style = 1;
    if (centralExtension) {
        // Backward extensions: the central ray on to the area's edge, and the
        // refracted ray back across the whole area.
        refracted(Area::Left, Role::BackwardExtension, startX, startY,
                  xAt(lineOf(central.pieces[1]), farEdgeOf(side)), farEdgeOf(side),
                  m_colours.extension);
        if (converging)
            refracted(Area::Left, Role::BackwardExtension, kLensX, w().LensHitY, 0,
                      kAxisY + side * (w().RaySlope * X0), m_colours.extension);
    }

    pen(Area::Left).width = 4;
    pen(Area::Left).fillStyle = 0;
    clampImage(w().ImageX, w().ImageY);
    markImage(Area::Left, w().ImageX, w().ImageY, m_colours.virtualImage, ImageKind::Virtual);
}

namespace {
// One construction from a fresh builder: the pens in force, one procedure.
Construction built(const BenchState& bench, const Pen& left, const Pen& right,
                   void (Builder::*procedure)()) {
    Builder builder(bench, left, right);
    (builder.*procedure)();
    return builder.done();
}
} // namespace

Stroke lineStroke(Area area, Role role, bool refracted, double x1, double y1, double x2, double y2,
                  Colour colour, const Pen& pen) {
    Stroke s;
    s.area = area, s.role = role, s.refracted = refracted;
    s.x1 = x1, s.y1 = y1, s.x2 = x2, s.y2 = y2, s.colour = colour, s.pen = pen;
    return s;
}

Stroke dotStroke(Area area, Role role, double x, double y, double radius, Colour colour,
                 const Pen& pen) {
    Stroke s;
    s.area = area, s.role = role, s.circle = true;
    s.x1 = s.x2 = x, s.y1 = s.y2 = y, s.radius = radius, s.colour = colour, s.pen = pen;
    return s;
}

Construction rayDiagram(const BenchState& bench, const Pen& left, const Pen& right) {
    return built(bench, left, right, &Builder::rayDiagram);
}

Construction axialBeam(const BenchState& bench, const Pen& left, const Pen& right) {
    return built(bench, left, right, &Builder::axialBeam);
}

Construction realImageMark(const BenchState& bench, const Pen& left, const Pen& right) {
    return built(bench, left, right, &Builder::realImageMark);
}

Construction virtualImage(const BenchState& bench, const Pen& left, const Pen& right) {
    return built(bench, left, right, &Builder::virtualImage);
}

} // namespace Optics
