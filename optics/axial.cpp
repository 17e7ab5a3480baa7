// SPDX-License-Identifier: GPL-3.0-or-later
#include "axial.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace Optics::Axial {

namespace {

// Reduced slopes (and relative distances) this small count as none.
constexpr double kParallel = 1e-12;

// A paraxial ray at a plane: its height and its reduced slope n·u.
struct Ray {
    double y = 0;
    double nu = 0;
};

// Runs a ray a length `run` through a medium of index n.
Ray transfer(Ray ray, double n, double run) {
    ray.y += ray.nu / n * run;
    return ray;
}

// Bends it at an element of power P: n'u' = n u − y P.
Ray refract(Ray ray, double P) {
    ray.nu -= ray.y * P;
    return ray;
}

double surfaceTerm(double from, double into, double radius) {
    // A plane surface (infinite radius) adds nothing.
    return std::isinf(radius) ? 0.0 : (into - from) / radius;
}

double elementPower(const Element& element, double before, double after) {
    return std::visit(
        [&](const auto& kind) {
            using T = std::decay_t<decltype(kind)>;
            static_assert(std::is_same_v<T, ThinLens>);
            return surfaceTerm(before, kind.N, kind.R1) + surfaceTerm(kind.N, after, kind.R2);
        },
        element.kind);
}

double acting(const System& system, std::size_t element);

// A ray from the plane z in the medium before the first element, carried
// through every element up to `last` and left at its plane, bent by it.
Ray traceTo(const System& system, double z, Ray ray, std::size_t last) {
    for (std::size_t i = 0; i <= last; ++i) {
        const double at = system.elements[i].z;
        ray = refract(transfer(ray, system.media[i], at - z), acting(system, i));
        z = at;
    }
    return ray;
}

// The plane z where a ray leaving element `at` crosses the axis (infinite
// where it leaves parallel to it).
double crossing(const System& system, std::size_t at, Ray leaving) {
    const double run = -leaving.y * indexAfter(system, at) / leaving.nu;
    return system.elements[at].z + run;
}

} // namespace

bool valid(const System& system) {
    if (system.media.size() != system.elements.size() + 1)
        return false;
    for (const double n : system.media)
        if (!(n >= 1) || !std::isfinite(n))
            return false;
    for (std::size_t i = 0; i < system.elements.size(); ++i) {
        if (!std::isfinite(system.elements[i].z))
            return false;
        if (i > 0 && system.elements[i].z < system.elements[i - 1].z)
            return false;
    }
    return std::isfinite(system.object.z) && std::isfinite(system.object.height);
}

double indexBefore(const System& system, std::size_t element) {
    return system.media[element];
}

double indexAfter(const System& system, std::size_t element) {
    return system.media[element + 1];
}

double power(const System& system, std::size_t element) {
    if (element >= system.elements.size() || element + 1 >= system.media.size())
        return 0;
    return elementPower(system.elements[element], indexBefore(system, element),
                        indexAfter(system, element));
}

namespace {
// The power rays are bent by: none below the least that counts.
double acting(const System& system, std::size_t element) {
    const double P = power(system, element);
    return std::fabs(P) >= kNoPower ? P : 0.0;
}
} // namespace

namespace {
// The cardinal points from two rays leaving the last of `count` elements: one
// that entered at unit height parallel to the axis (a), one that entered
// through the first plane on the axis with unit reduced slope (b).
Focus cardinal(double zFirst, double zLast, double nBefore, double nAfter, Ray a, Ray b) {
    Focus focus;
    focus.power = -a.nu;
    if (std::fabs(focus.power) < kNoPower)
        return focus;
    const double P = focus.power;
    focus.finite = true;
    focus.front = nBefore / P;
    focus.back = nAfter / P;
    // Ray a crosses the axis at F'. A mix of the two that leaves parallel
    // (b.nu of a, −a.nu of b) entered at height b.nu with slope −a.nu / n:
    // it came from F.
    focus.backPoint = zLast - a.y * nAfter / a.nu;
    focus.frontPoint = zFirst - nBefore * b.nu / P;
    focus.frontPrincipal = focus.frontPoint + focus.front;
    focus.backPrincipal = focus.backPoint - focus.back;
    focus.nodalShift = (nAfter - nBefore) / P;
    return focus;
}
} // namespace

Focus focusOf(const System& system, std::size_t element) {
    if (!valid(system) || element >= system.elements.size())
        return {};
    const double z = system.elements[element].z;
    const double P = acting(system, element);
    const Ray a = refract({1, 0}, P);
    const Ray b = refract({0, 1}, P);
    return cardinal(z, z, indexBefore(system, element), indexAfter(system, element), a, b);
}

Focus systemFocus(const System& system) {
    if (!valid(system) || system.elements.empty())
        return {};
    const std::size_t last = system.elements.size() - 1;
    const double zFirst = system.elements.front().z;
    const Ray a = traceTo(system, zFirst, {1, 0}, last);
    const Ray b = traceTo(system, zFirst, {0, 1}, last);
    return cardinal(zFirst, system.elements[last].z, system.media.front(), system.media.back(), a,
                    b);
}

namespace {
// The image after each element from two rays starting at the plane zStart:
// `foot`, from the object's point on the axis, crosses the axis again where
// the image stands; `tip`, from the object's tip, has there the image's
// height (per unit of the object's height for a near object). A distant
// object gives its heights as they are and no magnification.
std::vector<Image> imagesFrom(const System& system, double zStart, Ray foot, Ray tip,
                              double objectZ, double height, bool distant) {
    std::vector<Image> images;
    for (std::size_t k = 0; k < system.elements.size(); ++k) {
        Image image;
        const double zk = system.elements[k].z;
        image.objectDistance = zk - objectZ;
        const Ray m = traceTo(system, zStart, foot, k);
        const double z = crossing(system, k, m);
        // A ray leaving with a reduced slope below 1e-12 would reach the
        // axis a million kilometres on: the object stands in a focal plane.
        if (std::fabs(m.nu) > kParallel && std::isfinite(z)) {
            const Ray c = traceTo(system, zStart, tip, k);
            image.z = z;
            image.distance = z - zk;
            const double y = transfer(c, indexAfter(system, k), image.distance).y;
            image.magnification = distant ? 0.0 : y;
            image.height = distant ? y : y * height;
            image.kind = image.distance > 0 ? ImageKind::Real : ImageKind::Virtual;
            objectZ = z;
        } else {
            image.distance = kInfinite;
            objectZ = -kInfinite;
        }
        images.push_back(image);
    }
    return images;
}
} // namespace

std::vector<Image> imagesOf(const System& system) {
    if (!valid(system))
        return {};
    // From the object's foot with unit slope, and from a tip of unit height
    // parallel to the axis.
    return imagesFrom(system, system.object.z, {0, 1}, {1, 0}, system.object.z,
                      system.object.height, false);
}

std::vector<Image> imagesOfDistant(const System& system, double angle) {
    if (!valid(system) || system.elements.empty() || !std::isfinite(angle))
        return {};
    // The point on the axis sends light parallel to it; the tip's pencil
    // comes down at −angle, one of its rays through the first element's
    // centre.
    const double z1 = system.elements.front().z;
    return imagesFrom(system, z1, {1, 0}, {0, -angle * system.media.front()}, -kInfinite, 0, true);
}

double ownMagnification(const std::vector<Image>& images, std::size_t k) {
    const double none = std::numeric_limits<double>::quiet_NaN();
    if (k >= images.size() || images[k].kind == ImageKind::None)
        return none;
    if (k == 0)
        return images[0].magnification;
    const Image& before = images[k - 1];
    if (before.kind == ImageKind::None || before.magnification == 0)
        return none;
    return images[k].magnification / before.magnification;
}

double apparentAngle(const System& system, double eyeZ) {
    const double none = std::numeric_limits<double>::quiet_NaN();
    if (!valid(system) || !std::isfinite(eyeZ))
        return none;
    // Every ray from the tip is the one parallel to the axis plus some of the
    // one from the foot (rays add): find the mix that meets the axis at the
    // eye, and read its slope there.
    const Object& object = system.object;
    const double n0 = system.media.front();
    Ray a{object.height, 0}, b{0, n0};
    double z = object.z;
    if (!system.elements.empty()) {
        const std::size_t last = system.elements.size() - 1;
        a = traceTo(system, z, a, last);
        b = traceTo(system, z, b, last);
        z = system.elements[last].z;
    }
    const double n = system.media.back();
    const double ya = transfer(a, n, eyeZ - z).y, yb = transfer(b, n, eyeZ - z).y;
    if (std::fabs(yb) <= kParallel * std::max(1.0, std::fabs(ya)))
        return none;
    const double mix = -ya / yb;
    // The eye looks back along the ray: one rising towards it comes from below.
    return -(a.nu + mix * b.nu) / n;
}

double angularMagnification(const System& system) {
    if (!valid(system) || system.elements.empty() || systemFocus(system).finite)
        return 0;
    const std::size_t last = system.elements.size() - 1;
    const double n0 = system.media.front(), n = system.media.back();
    const Ray out = traceTo(system, system.elements.front().z, {0, n0}, last);
    return out.nu / n;
}

System shrunk(System system, double k) {
    for (Element& e : system.elements) {
        e.z /= k;
        if (auto* lens = std::get_if<ThinLens>(&e.kind)) {
            lens->R1 /= k;
            lens->R2 /= k;
        }
    }
    system.object.z /= k;
    system.object.height /= k;
    return system;
}

ThinLens lensOfPower(double P, double before, double after) {
    if (!(std::fabs(P) >= kNoPower) || !std::isfinite(P))
        return {};
    // With R2 = −R1 the power is (2N − n − n')/R1: glass as dense as the
    // media on average would bend nothing at any radius.
    const double N = std::fabs(3 - before - after) > 0.2 ? 1.5 : 1.8;
    const double R = (2 * N - before - after) / P;
    return {N, R, -R};
}

Image imageOf(const System& system) {
    const std::vector<Image> images = imagesOf(system);
    return images.empty() ? Image{} : images.back();
}

namespace {
// A ray from `start` with slope u (dy/dz) in the first medium, drawn through
// every element to zTo, with a forward extension to each virtual object it
// heads for and a backward one to a virtual final image.
ConstructedRay traced(const System& system, Which which, Point start, double u, double zTo,
                      const std::vector<Image>& images) {
    ConstructedRay drawn{which, {}};
    Ray ray{start.height, u * system.media.front()};
    Point at = start;
    for (std::size_t i = 0; i < system.elements.size(); ++i) {
        const double z = system.elements[i].z;
        ray = transfer(ray, system.media[i], z - at.z);
        const Point hit{z, ray.y};
        drawn.pieces.push_back({at, hit, Part::Ray});
        // The image of the elements before stands behind this one: the light
        // heads for it but meets this element first.
        if (i > 0 && images[i - 1].kind != ImageKind::None && images[i - 1].z > z)
            drawn.pieces.push_back(
                {hit,
                 {images[i - 1].z, transfer(ray, system.media[i], images[i - 1].z - z).y},
                 Part::Extension});
        ray = refract(ray, acting(system, i));
        at = hit;
    }
    const double n = system.media.back();
    drawn.pieces.push_back({at, {zTo, transfer(ray, n, zTo - at.z).y}, Part::Ray});
    const Image& last = images.back();
    if (last.kind == ImageKind::Virtual)
        drawn.pieces.push_back({at, {last.z, transfer(ray, n, last.z - at.z).y}, Part::Extension});
    return drawn;
}
} // namespace

namespace {
// The secondary axis of the first element parallel to a ray of slope u that
// meets it: the line through its centre, bent by the media alone (n'u' = n u),
// meets the back focal plane where the ray, refracted, does. Pieces: the
// leaving line from the centre to that plane (back along it where the plane
// lies before the element), the plane from the axis to the meeting point,
// the line as it comes in from the object's plane, and for a focal plane
// before the element the leaving line on to zTo.
ConstructedRay secondaryAxis(const System& system, const Focus& focus, double u, double zTo) {
    const double z1 = system.elements.front().z;
    const double n = indexBefore(system, 0), n2 = indexAfter(system, 0);
    const Point centre{z1, 0};
    const Point onPlane{focus.backPoint, u * n / n2 * (focus.backPoint - z1)};
    ConstructedRay axis{
        Which::SecondaryAxis,
        {{centre, onPlane, Part::ConstructionLine},
         {{focus.backPoint, 0}, onPlane, Part::ConstructionLine},
         {{system.object.z, u * (system.object.z - z1)}, centre, Part::ConstructionLine}}};
    if (focus.backPoint < z1)
        axis.pieces.push_back({centre, {zTo, u * n / n2 * (zTo - z1)}, Part::ConstructionLine});
    return axis;
}
} // namespace

std::vector<ConstructedRay> construction(const System& system, double zTo, double edgeHeight) {
    std::vector<ConstructedRay> rays;
    if (!valid(system) || system.elements.empty())
        return rays;
    const std::vector<Image> images = imagesOf(system);
    const Object& object = system.object;
    const double z1 = system.elements.front().z;
    const double d = z1 - object.z;
    if (!(d > 0))
        return rays;
    const Focus focus = focusOf(system, 0);
    const Point tip{object.z, object.height};
    // A ray to the edge at `height` and, where the element has a focus, the
    // secondary axis parallel to it.
    const auto edgeRay = [&](double height) {
        const double u = (height - object.height) / d;
        rays.push_back(traced(system, Which::Edge, tip, u, zTo, images));
        if (focus.finite)
            rays.push_back(secondaryAxis(system, focus, u, zTo));
    };
    if (object.height != 0) {
        // A point beyond the aperture sends no ray parallel to the axis
        // through it: the ray to the edge on its side takes that ray's place.
        const bool beyond = edgeHeight > 0 && std::fabs(object.height) > edgeHeight;
        if (!beyond)
            rays.push_back(traced(system, Which::Parallel, tip, 0, zTo, images));
        rays.push_back(traced(system, Which::Central, tip, -object.height / d, zTo, images));
        if (beyond)
            edgeRay(std::copysign(edgeHeight, object.height));
        // Through the front focal point: none for an object in that plane,
        // whose line to the focus runs along it.
        if (focus.finite && std::fabs(focus.frontPoint - object.z) > kParallel * std::fabs(d))
            rays.push_back(traced(system, Which::Focal, tip,
                                  -object.height / (focus.frontPoint - object.z), zTo, images));
        return rays;
    }
    // A point on the axis: rays to both edges, and the secondary axes parallel
    // to them through the centre, which meet the back focal plane where every
    // ray of their slope does.
    edgeRay(edgeHeight);
    edgeRay(-edgeHeight);
    return rays;
}

} // namespace Optics::Axial

namespace Optics::Axial {

namespace {
// A ray of a stage as it meets its element: its height there, its reduced
// slope coming in, and whether the secondary axis parallel to it is drawn.
struct Aim {
    Which which = Which::Parallel;
    double y = 0;
    double nu = 0;
    bool withAxis = false;
};

double edgeOf(std::span<const double> edges, std::size_t k) {
    return edges.empty() ? 0.0 : edges[std::min(k, edges.size() - 1)];
}

// Element k's standard rays from its own object's tip: parallel to the axis
// (or to the edge, for a tip beyond it), through the centre, through the
// front focus; to both edges for a point on the axis.
std::vector<Aim> aimsFrom(const System& system, std::size_t k, Point tip, double edge) {
    std::vector<Aim> aims;
    const double zk = system.elements[k].z;
    const double n = indexBefore(system, k);
    const double d = zk - tip.z;
    // An object in the element's own plane is its own image: no ray to aim.
    if (!(std::fabs(d) > kParallel * std::max(1.0, std::fabs(zk))))
        return aims;
    const Focus focus = focusOf(system, k);
    const auto through = [&](Which which, double y, bool axis) {
        aims.push_back({which, y, n * (y - tip.height) / d, axis});
    };
    if (tip.height == 0) {
        if (edge > 0) {
            through(Which::Edge, edge, focus.finite);
            through(Which::Edge, -edge, focus.finite);
        }
        return aims;
    }
    const bool beyond = edge > 0 && std::fabs(tip.height) > edge;
    if (!beyond)
        aims.push_back({Which::Parallel, tip.height, 0, false});
    through(Which::Central, 0, false);
    if (beyond)
        through(Which::Edge, std::copysign(edge, tip.height), focus.finite);
    const double toFocus = focus.frontPoint - tip.z;
    if (focus.finite && std::fabs(toFocus) > kParallel * std::fabs(d))
        through(Which::Focal, tip.height * (focus.frontPoint - zk) / toFocus, false);
    return aims;
}

// Whether stage k carries the previous stage's rays on instead of drawing its
// own: for an object at infinity (the light between is parallel) and for a
// point on the axis, whose own rays to the element's edges would come from
// far outside the light the element before lets through.
bool continues(const std::vector<Image>& images, std::size_t k) {
    return k > 0 && (images[k - 1].kind == ImageKind::None || images[k - 1].height == 0);
}

// The rays of stage k as they meet element k; a continued stage's are the
// previous stage's, run across the gap, each with the secondary axis parallel
// to it for a point on the axis (for parallel light one axis serves all).
std::vector<Aim> stageAims(const System& system, const std::vector<Image>& images, std::size_t k,
                           std::span<const double> edges, const double* angle) {
    if (k == 0 && angle) {
        // A distant object sends a pencil of parallel light at −angle: the
        // rays through the element's upper edge, its centre and its lower
        // edge (its middle for an element given no aperture).
        const double nu = -*angle * indexBefore(system, 0);
        const double edge = edgeOf(edges, 0) > 0 ? edgeOf(edges, 0) : 1.0;
        return {{Which::Edge, edge, nu, false},
                {Which::Central, 0, nu, false},
                {Which::Edge, -edge, nu, false}};
    }
    if (k == 0) {
        const Object& object = system.object;
        if (!(system.elements.front().z - object.z > 0))
            return {};
        return aimsFrom(system, 0, {object.z, object.height}, edgeOf(edges, 0));
    }
    const Image& before = images[k - 1];
    // A distant object's pencil is carried on through every element, as
    // textbooks draw a telescope.
    if (!continues(images, k) && !angle)
        return aimsFrom(system, k, {before.z, before.height}, edgeOf(edges, k));
    std::vector<Aim> aims = stageAims(system, images, k - 1, edges, angle);
    const double P = acting(system, k - 1);
    const double gap = system.elements[k].z - system.elements[k - 1].z;
    for (Aim& aim : aims) {
        aim.nu -= aim.y * P;
        aim.y += aim.nu / indexAfter(system, k - 1) * gap;
        aim.withAxis = !angle && before.kind != ImageKind::None && focusOf(system, k).finite &&
                       std::fabs(aim.nu) > kParallel;
    }
    return aims;
}

void add(ConstructedRay& ray, Point from, Point to, Part part) {
    if (from.z != to.z || from.height != to.height)
        ray.pieces.push_back({from, to, part});
}
} // namespace

namespace {
// Either construction: of the system's object, or (`angle` given) of an
// object at infinity whose parallel light enters from zFrom.
std::vector<ConstructedRay> stages(const System& system, std::size_t k, double zTo,
                                   std::span<const double> edgeHeights, const double* angle,
                                   double zFrom) {
    std::vector<ConstructedRay> rays;
    if (!valid(system) || k >= system.elements.size())
        return rays;
    const bool distant = angle != nullptr;
    if (distant && !(std::isfinite(*angle) && zFrom < system.elements.front().z))
        return rays;
    const std::vector<Image> images = distant ? imagesOfDistant(system, *angle) : imagesOf(system);
    const std::vector<Aim> aims = stageAims(system, images, k, edgeHeights, angle);
    const bool last = k + 1 == system.elements.size();
    const double zk = system.elements[k].z;
    if (k > 0)
        zFrom = system.elements[k - 1].z;
    else if (!distant)
        zFrom = system.object.z;
    const double zEnd = last ? zTo : system.elements[k + 1].z;
    const double n = indexBefore(system, k), n2 = indexAfter(system, k);
    const double P = acting(system, k);
    const Focus focus = focusOf(system, k);
    const Image& image = images[k];
    // The stage's own object: the system's for the first element, else the
    // image before (none when it stands at infinity).
    const bool continued = continues(images, k) || distant;
    // Parallel light meets the element: the system's distant object, or an
    // image at infinity before it.
    const bool atInfinity = k > 0 ? images[k - 1].kind == ImageKind::None : distant;
    const Point tip = k == 0 ? Point{system.object.z, system.object.height}
                             : Point{images[k - 1].z, images[k - 1].height};
    // Incoming light starts at a real object before the element, else at the
    // element before (an object beyond this one, or a virtual one).
    const double zStart = !continued && (k == 0 || (tip.z >= zFrom && tip.z <= zk)) ? tip.z : zFrom;

    // The secondary axis parallel to incoming light of slope u: through the
    // centre, bent by the media alone, it meets the back focal plane where
    // every ray of that slope does.
    const auto secondaryAxis = [&](double u) {
        const Point centre{zk, 0};
        const double zF = focus.backPoint;
        const Point onPlane{zF, u * n / n2 * (zF - zk)};
        ConstructedRay axis{Which::SecondaryAxis, {}};
        add(axis, {zStart, u * (zStart - zk)}, centre, Part::ConstructionLine);
        add(axis, centre, onPlane, Part::ConstructionLine);
        add(axis, {zF, 0}, onPlane, Part::ConstructionLine);
        if (zF < zk)
            add(axis, centre, {zEnd, u * n / n2 * (zEnd - zk)}, Part::ConstructionLine);
        rays.push_back(std::move(axis));
    };

    rays.reserve(aims.size() + 3);
    for (const Aim& aim : aims) {
        ConstructedRay ray{aim.which, {}};
        const Point hit{zk, aim.y};
        const double u = aim.nu / n;
        const auto before = [&](double z) { return Point{z, aim.y + u * (z - zk)}; };
        if (distant && k == 0) {
            add(ray, before(zStart), hit, Part::Ray);
        } else if (!continued) {
            if (zStart == tip.z) {
                add(ray, tip, hit, Part::Ray);
            } else if (tip.z > zk) {
                // Converging light heads for an object beyond the element.
                add(ray, before(zStart), hit, Part::Ray);
                add(ray, hit, tip, Part::Extension);
            } else {
                // Light seems to come from a virtual object before the
                // element before.
                add(ray, tip, before(zStart), Part::Extension);
                add(ray, before(zStart), hit, Part::Ray);
            }
        }
        const double u2 = (aim.nu - aim.y * P) / n2;
        const auto after = [&](double z) { return Point{z, aim.y + u2 * (z - zk)}; };
        if (image.kind == ImageKind::Real && image.z <= zEnd && !last) {
            add(ray, hit, after(image.z), Part::Ray);
        } else {
            add(ray, hit, after(zEnd), Part::Ray);
            if (image.kind == ImageKind::Real && !last)
                add(ray, after(zEnd), after(image.z), Part::Extension);
            if (image.kind == ImageKind::Virtual)
                add(ray, hit, after(image.z), Part::Extension);
        }
        rays.push_back(std::move(ray));
        if (aim.withAxis)
            secondaryAxis(u);
    }
    if (atInfinity && !aims.empty() && focus.finite && std::fabs(aims.front().nu) > kParallel)
        secondaryAxis(aims.front().nu / n);
    return rays;
}
} // namespace

std::vector<ConstructedRay> stageConstruction(const System& system, std::size_t k, double zTo,
                                              std::span<const double> edgeHeights) {
    return stages(system, k, zTo, edgeHeights, nullptr, 0);
}

std::vector<ConstructedRay> distantStageConstruction(const System& system, double angle,
                                                     std::size_t k, double zFrom, double zTo,
                                                     std::span<const double> edgeHeights) {
    return stages(system, k, zTo, edgeHeights, &angle, zFrom);
}

} // namespace Optics::Axial
