// SPDX-License-Identifier: GPL-3.0-or-later
#include "instruments.h"

#include <cmath>
#include <limits>

namespace Optics::Scenes {

namespace {
Axial::Element lensAt(double z, double F) {
    return {z, Axial::lensOfPower(1 / F, 1.0, 1.0)};
}
Axial::System oneLens(double F, Axial::Object object) {
    return {{lensAt(0, F)}, {1.0, 1.0}, object};
}
} // namespace

Axial::System twoLenses(double F1, double F2, double separation, Axial::Object object) {
    return {{lensAt(0, F1), lensAt(separation, F2)}, {1.0, 1.0, 1.0}, object};
}

double angularGain(const Axial::System& system, double eyeZ) {
    const double h = system.object.height;
    if (h == 0)
        return std::numeric_limits<double>::quiet_NaN();
    // The naked eye sees the object at the near point under h / 25.
    return Axial::apparentAngle(system, eyeZ) / (h / kNearPoint);
}

Axial::System relaxedView(const Magnifier& magnifier) {
    return oneLens(magnifier.focal, {-magnifier.focal, magnifier.height});
}

Axial::System nearPointView(const Magnifier& magnifier) {
    // The object whose virtual image stands 25 cm before the lens:
    // 1/a = 1/F + 1/25.
    const double a = 1 / (1 / magnifier.focal + 1 / kNearPoint);
    return oneLens(magnifier.focal, {-a, magnifier.height});
}

double relaxedGain(const Magnifier& magnifier) {
    return angularGain(relaxedView(magnifier), 0);
}

double nearPointGain(const Magnifier& magnifier) {
    return angularGain(nearPointView(magnifier), 0);
}

ScreenScene camera() {
    return {};
}

ScreenScene projector() {
    ScreenScene scene{10, 0, 2.4};
    scene.objectDistance = objectDistanceFor(scene.focal, kProjectorScreen).value_or(0);
    return scene;
}

Axial::System screenSystem(const ScreenScene& scene) {
    return oneLens(scene.focal, {-scene.objectDistance, scene.objectHeight});
}

std::optional<double> screenDistance(const ScreenScene& scene) {
    const Axial::Image image = Axial::imageOf(screenSystem(scene));
    if (image.kind != Axial::ImageKind::Real)
        return {};
    return image.distance;
}

std::optional<double> imageHeightOnScreen(const ScreenScene& scene) {
    const Axial::Image image = Axial::imageOf(screenSystem(scene));
    if (image.kind != Axial::ImageKind::Real)
        return {};
    return image.height;
}

std::optional<double> objectDistanceFor(double focal, double screen) {
    // Light runs both ways: the object stands where a point on the screen
    // would have its image.
    const Axial::Image back = Axial::imageOf(oneLens(focal, {-screen, 0}));
    if (!(focal > 0) || !(screen > focal) || back.kind != Axial::ImageKind::Real)
        return {};
    return back.distance;
}

Axial::System microscopeSystem(const Microscope& microscope) {
    Axial::System system =
        twoLenses(microscope.objective, microscope.eyepiece, microscope.tube, {0, 0});
    // The specimen in the system's front focal plane: parallel light leaves
    // the eyepiece, the relaxed eye's final image at infinity.
    const Axial::Focus focus = Axial::systemFocus(system);
    system.object = {focus.finite ? focus.frontPoint : -2 * microscope.objective,
                     microscope.height};
    return system;
}

Axial::Image intermediateImage(const Microscope& microscope) {
    const std::vector<Axial::Image> images = Axial::imagesOf(microscopeSystem(microscope));
    return images.empty() ? Axial::Image{} : images.front();
}

double microscopeGain(const Microscope& microscope) {
    return angularGain(microscopeSystem(microscope), microscope.tube);
}

Telescope kepler() {
    return {100, 5};
}

Telescope galilean() {
    return {50, -5};
}

double separation(const Telescope& telescope) {
    return telescope.objective + telescope.eyepiece;
}

Axial::System telescopeSystem(const Telescope& telescope) {
    return twoLenses(telescope.objective, telescope.eyepiece, separation(telescope),
                     {-10 * std::fabs(telescope.objective), 0});
}

double telescopeGain(const Telescope& telescope) {
    return Axial::angularMagnification(telescopeSystem(telescope));
}

} // namespace Optics::Scenes
