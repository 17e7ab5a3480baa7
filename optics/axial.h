// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <limits>
#include <span>
#include <variant>
#include <vector>

// An optical system of thin elements along one axis, in physical units:
// positions z and heights in centimetres, light running towards growing z,
// heights positive above the axis, powers in reciprocal centimetres (a
// dioptre is 1/100 of one). Paraxial optics: a ray is its height y at a plane
// and its reduced slope n·u; an element at height y turns it by
// n'u' = n u − y P, and between elements it runs straight.
//
// The system is plain data; every answer is a free function of it, computed
// by tracing rays, never from the closed formulas of one lens, so that two
// lenses (or more) need nothing new.
namespace Optics::Axial {

constexpr double kInfinite = std::numeric_limits<double>::infinity();

// A thin lens of index N: two spherical surfaces, each radius signed, positive
// when its centre of curvature lies towards growing z (a plane surface has an
// infinite radius). R1 meets the medium before the lens, R2 the one after it.
struct ThinLens {
    double N = 1.5;
    double R1 = kInfinite;
    double R2 = kInfinite;
    bool operator==(const ThinLens&) const = default;
};

// What stands at a place on the axis. A further kind (a mirror, which sends
// the light back) is another alternative here and in `power`; the lens and
// every other answer stay as they are.
using Kind = std::variant<ThinLens>;

struct Element {
    double z = 0;
    Kind kind;
};

// The object: the foot of an arrow on the axis at z, its tip `height` above.
struct Object {
    double z = 0;
    double height = 0;
};

// The elements in order along the axis and the medium of every gap:
// media[i] is the index before element i, media.back() the one after the last.
struct System {
    std::vector<Element> elements;
    std::vector<double> media{1.0};
    Object object;
};

// Whether the system is one the answers below are defined for: media one more
// than the elements, every index at least 1 and finite, the elements in order.
// For any other the focus is not finite, there are no images and no rays.
bool valid(const System& system);

double indexBefore(const System& system, std::size_t element);
double indexAfter(const System& system, std::size_t element);

// Powers weaker than this (0.06 dioptres: focal lengths beyond 17 m) count as
// none: the element is then a plane boundary between its media.
constexpr double kNoPower = 5.67e-4;

// The power of one element, P = (N − n)/R1 − (N − n')/R2 between its media,
// as its surfaces give it: below kNoPower its sign still tells which way it
// would bend light, while the focus and the images take it as none. Zero for
// an element the system does not have.
double power(const System& system, std::size_t element);

// Focal lengths and cardinal points. f = n/P before, f' = n'/P after, signed
// (negative for a diverging element or system); F and F' stand f before the
// front principal plane H and f' behind the back one H'. For a thin element
// H = H' = its plane. Without power (finite false) the lengths are infinite.
struct Focus {
    bool finite = false;
    double power = 0;
    double front = kInfinite;  // f
    double back = kInfinite;   // f'
    double frontPrincipal = 0; // z of H
    double backPrincipal = 0;  // z of H'
    double frontPoint = 0;     // z of F
    double backPoint = 0;      // z of F'
    // The nodal points stand (n' − n)/P behind the principal planes.
    double nodalShift = 0;
};
Focus focusOf(const System& system, std::size_t element);
Focus systemFocus(const System& system);

// Real where the light leaving the element that forms it converges to it (it
// lies after that element), virtual where it only seems to come from it, none
// where the rays leave parallel (the object in the front focal plane).
enum class ImageKind { None, Real, Virtual };

// The image after one element of the system, of the object through every
// element up to and including it. `distance` is b, measured from that element
// along the light; `objectDistance` d is how far before that element its own
// object stands (the previous image: negative for a virtual object behind it).
// `magnification` is the lateral one from the system's object, height over
// height, positive for an upright image. Where an image is none (at infinity)
// its distance is infinite, and so is the next element's object distance.
struct Image {
    ImageKind kind = ImageKind::None;
    double z = 0;
    double height = 0;
    double magnification = 0;
    double distance = 0;
    double objectDistance = 0;
};

// The image after each element in turn; back() is the system's image.
std::vector<Image> imagesOf(const System& system);
Image imageOf(const System& system);

// An object at infinity, as a star or a distant landscape: parallel light
// entering at the angle `angle` (radians, paraxial) under which its tip is
// seen from before the first element, positive above the axis, so that its
// rays come in with the slope −angle. The images after each element as
// imagesOf gives them, of the point on the axis at infinity and of the tip:
// `height` is the image's for this angle, `magnification` none (0: the
// object has no height), the first element's objectDistance infinite. The
// system's own object is not used. A system whose first image is at infinity
// (parallel in, parallel out) is afocal: see angularMagnification.
std::vector<Image> imagesOfDistant(const System& system, double angle);

// The lateral magnification of element k alone, its image against its own
// object (the image before it, or the system's object for the first), so
// that the system's is the product of these. Not a number where either of
// the two images is at infinity.
double ownMagnification(const std::vector<Image>& images, std::size_t k);

// The angle under which an eye on the axis at `eyeZ` (behind the last
// element, in the last medium) sees the final image of the object's tip:
// that of the ray from the tip which passes through the eye, positive above
// the axis, as the tip is seen without the system (height over distance).
// It holds for an image at infinity too, whose rays leave parallel, and for a
// system without elements. Not a number where the eye stands in the image's
// own plane or the system is not valid.
double apparentAngle(const System& system, double eyeZ);

// An afocal system (elements whose joint power is none, so that parallel
// light leaves parallel) magnifies angles: the angle of the light leaving
// against that of the light entering, the same for every parallel pencil,
// signed (negative where it turns the view upside down, as a telescope with
// two converging lenses does). Zero for a system with power or no elements.
double angularMagnification(const System& system);

// A lens with equal radii between these media that has the power P: of
// crown glass (N = 1.5), biconvex for P > 0 and biconcave for P < 0 in air
// (the other way round in media denser than the glass); of a flint of 1.8
// where crown would bend nothing, the media as dense as it on average. Plane
// below kNoPower.
ThinLens lensOfPower(double P, double before, double after);

// The system drawn k times smaller (a bench at the scale 1 : k): every place,
// height and radius divided by k, the indices as they are, so that the
// images and foci move with it and the magnifications stay.
System shrunk(System system, double k);

// A ray of the construction as a polyline of pieces: the ray as light travels
// it, its extension traced back to a virtual image or forward to a virtual
// object, and construction lines (focal planes, secondary axes).
enum class Part { Ray, Extension, ConstructionLine };
struct Point {
    double z = 0;
    double height = 0;
};
struct Piece {
    Point from;
    Point to;
    Part part = Part::Ray;
};
// Which ray of the textbook the pieces draw: the first element's three
// characteristic rays from the object's tip, the edge ray and the secondary
// axis that find the image of a point on the axis.
enum class Which { Parallel, Central, Focal, Edge, SecondaryAxis };
struct ConstructedRay {
    Which which = Which::Parallel;
    std::vector<Piece> pieces;
};

// The construction of the image of the object's tip, from the object to the
// plane `zTo`: each characteristic ray of the first element traced on through the others,
// with the extensions that find a virtual image. `edgeHeight` is the first
// element's aperture, from the axis to its edges: a tip beyond it is found
// with the ray to the edge on its side, in place of the ray parallel to the
// axis, and the secondary axis parallel to that ray; an object on the axis
// with the rays to both edges (the upper first) and their secondary axes.
// The focal ray of an object in the front focal plane runs along that plane
// and is left out; an object not before the first element has no
// construction.
std::vector<ConstructedRay> construction(const System& system, double zTo, double edgeHeight);

// The construction as textbooks draw a system stage by stage: element k's
// standard rays for its own object, the image the elements before it form
// (the system's object for the first). Incoming, each ray is a ray where the
// light runs (from its own object where that is a real one before the
// element, else from the element before) and an extension where it only
// seems to come from its object (a virtual image before that element) or
// heads for it (an image beyond element k: converging light, a virtual
// object). Leaving, it runs to the next element's plane, stopping at a real
// image before it and extended forward to one beyond it; the last element's
// run to `zTo`, extended back to a virtual image. An object at infinity (the
// light before element k parallel) is the previous stage's rays continued
// through element k to its back focal plane, found with the secondary axis
// parallel to that light; a point on the axis after the first element, the
// previous stage's cone continued, each ray with its secondary axis. `edgeHeights` are the
// elements' apertures in turn (the last one given for any element after it): a tip beyond its
// element's is found with the edge ray and the secondary axis, an object on the axis with both
// edges, as in `construction`. The ray through the front focus is left out for an object in that
// plane. Nothing for an element the system lacks, nor for a first element that does not stand
// behind the object.
std::vector<ConstructedRay> stageConstruction(const System& system, std::size_t k, double zTo,
                                              std::span<const double> edgeHeights);

// The same stages for an object at infinity seen at `angle` (imagesOfDistant):
// the first element's rays come in parallel at that angle from the plane
// zFrom before it, through its upper edge, its centre and its lower edge
// (heights ±1 cm where no aperture is given), meeting in its back focal
// plane where the secondary axis parallel to them does; the same pencil
// carried on through each later element, as textbooks draw a telescope, to
// the images imagesOfDistant finds. Nothing
// where zFrom is not before the first element or the angle is not finite.
std::vector<ConstructedRay> distantStageConstruction(const System& system, double angle,
                                                     std::size_t k, double zFrom, double zTo,
                                                     std::span<const double> edgeHeights);

} // namespace Optics::Axial
