// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "axial.h"
#include "eye.h"

#include <optional>

// The optical instruments of the course as systems of thin lenses in air,
// each with the textbook's figure as its defaults and the numbers its
// read-outs show. Centimetres and reciprocal centimetres as in axial.h; the
// first lens stands at z = 0. Every magnification is traced through the
// system (apparentAngle, angularMagnification), never taken from the
// formulas a pupil checks it against.
namespace Optics::Scenes {

// Two lenses in air of focal lengths F1 at z = 0 and F2 at `separation`
// (negative F for a diverging lens), looking at `object`.
Axial::System twoLenses(double F1, double F2, double separation, Axial::Object object);

// The angular magnification against the naked eye at the near point: the
// angle under which an eye at eyeZ sees the final image over the one under
// which it would see the object 25 cm away. Signed: negative for an
// inverted view.
double angularGain(const Axial::System& system, double eyeZ);

// The magnifier: a converging lens of focal length F with the eye close
// behind it. Defaults: F = 5 cm, the 5× magnifier of the textbook.
struct Magnifier {
    double focal = 5;
    double height = 0.5; // cm, the object
};
// With the object in the focal plane (the image at infinity, the eye
// relaxed) and where the virtual image stands at the near point.
Axial::System relaxedView(const Magnifier& magnifier);
Axial::System nearPointView(const Magnifier& magnifier);
// Their gains (25/F and 1 + 25/F).
double relaxedGain(const Magnifier& magnifier);
double nearPointGain(const Magnifier& magnifier);

// The camera and the projector: a converging lens and a screen (a film, a
// sensor) behind it. Camera: a 50 mm lens and a person 1.7 m tall 3 m away;
// projector: a 10 cm lens, a slide 2.4 cm high, the screen 3 m away.
struct ScreenScene {
    double focal = 5;
    double objectDistance = 300; // cm before the lens
    double objectHeight = 170;   // cm
};
ScreenScene camera();
ScreenScene projector();
constexpr double kProjectorScreen = 300; // cm behind the lens
Axial::System screenSystem(const ScreenScene& scene);
// Where the screen must stand behind the lens for a sharp image, and the
// image's height there (negative: inverted): none where the lens forms no
// real image (the object at or within the focal length).
std::optional<double> screenDistance(const ScreenScene& scene);
std::optional<double> imageHeightOnScreen(const ScreenScene& scene);
// Where the object must stand for a sharp image on a screen `screen` cm
// behind the lens: none where the screen is not beyond the focus.
std::optional<double> objectDistanceFor(double focal, double screen);

// The microscope: objective F1 and eyepiece F2 at `tube` cm apart. Defaults:
// F1 = 4 mm and F2 = 25 mm (a 10× eyepiece) with the optical interval
// Δ = tube − F1 − F2 of 16 cm, which the textbook's Γ ≈ Δ·25/(F1·F2) rates
// 400×.
struct Microscope {
    double objective = 0.4;
    double eyepiece = 2.5;
    double tube = 18.9;
    double height = 0.01; // cm, the specimen
};
// The specimen where the final image is at infinity (the system's front
// focus), the intermediate image after the objective, and the total gain.
Axial::System microscopeSystem(const Microscope& microscope);
Axial::Image intermediateImage(const Microscope& microscope);
double microscopeGain(const Microscope& microscope);

// The telescope: objective F1 and eyepiece F2 at F1 + F2, parallel light in
// and out. Kepler's has two converging lenses (a 100 cm objective and a 5 cm
// eyepiece: 20×, the view inverted); Galileo's a diverging eyepiece (F2 < 0:
// 50 cm and −5 cm, 10×, upright), which stands before the objective's image.
struct Telescope {
    double objective = 100;
    double eyepiece = 5;
};
Telescope kepler();
Telescope galilean();
double separation(const Telescope& telescope);
// The system; its object is at infinity, so that its images are
// imagesOfDistant(system, angle) for a tip seen at `angle` by the naked eye.
Axial::System telescopeSystem(const Telescope& telescope);
// The angle of the light leaving over that entering: −F1/F2 (textbooks
// give its size, Γ = F1/|F2|).
double telescopeGain(const Telescope& telescope);

} // namespace Optics::Scenes
