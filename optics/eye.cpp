// SPDX-License-Identifier: GPL-3.0-or-later
#include "eye.h"

#include <algorithm>
#include <cmath>

namespace Optics::Scenes {

namespace {

// Vergences, in air: the reciprocal of the distance to the point light
// converges to (positive) or diverges from (negative); 0 for parallel light.
// A point x cm before a plane sends it the vergence −1/x.
constexpr double kFlat = 1e-12;

double vergenceOf(double x) {
    return std::isinf(x) ? 0.0 : -1 / x;
}
double pointOf(double vergence) {
    return std::fabs(vergence) < kFlat ? kInfinite : -1 / vergence;
}
// Light of vergence V run a length t on: its point is t nearer.
double runOn(double V, double t) {
    return V / (1 - t * V);
}

// What the eye must receive to focus with the power P: its medium's
// vergence n'/retina at the lens, less what the lens adds.
double wanted(const Eye& eye, double P) {
    return kEyeMedium / eye.retina - P;
}

// The vergence reaching the eye from a point `distance` before it, through
// the spectacles where the point stands before them.
double reaching(double distance, const std::optional<Spectacles>& spectacles) {
    if (!spectacles || !(distance > spectacles->vertex))
        return vergenceOf(distance);
    const double atGlass = vergenceOf(distance - spectacles->vertex) + spectacles->power;
    return runOn(atGlass, spectacles->vertex);
}

// The point before the eye whose light reaches it with vergence V.
double source(double V, const std::optional<Spectacles>& spectacles) {
    if (!spectacles)
        return pointOf(V);
    // Back through the gap and the glass.
    const double atGlass = runOn(V, -spectacles->vertex) - spectacles->power;
    const double x = pointOf(atGlass);
    return std::isinf(x) ? x : x + spectacles->vertex;
}

} // namespace

Eye eyeWithError(double error) {
    // The relaxed eye focuses the vergence `error` on the retina.
    Eye eye;
    eye.retina = kEyeMedium / (kRelaxedEyePower + error);
    return eye;
}

double farPoint(const Eye& eye, const std::optional<Spectacles>& spectacles) {
    return source(wanted(eye, eye.relaxedPower), spectacles);
}

double nearPoint(const Eye& eye, const std::optional<Spectacles>& spectacles) {
    return source(wanted(eye, eye.relaxedPower + eye.accommodation), spectacles);
}

Axial::ThinLens eyeLens(double P) {
    if (!(P >= Axial::kNoPower))
        return {kEyeMedium, kInfinite, kInfinite};
    return {kEyeMedium, (kEyeMedium - 1) / P, kInfinite};
}

Axial::System eyeSystem(double P, Axial::Object object,
                        const std::optional<Spectacles>& spectacles) {
    Axial::System system;
    system.object = object;
    system.media = {1.0};
    if (spectacles) {
        system.elements.push_back(
            {-spectacles->vertex, Axial::lensOfPower(spectacles->power, 1.0, 1.0)});
        system.media.push_back(1.0);
    }
    system.elements.push_back({0.0, eyeLens(P)});
    system.media.push_back(kEyeMedium);
    return system;
}

Sight look(const Eye& eye, double distance, const std::optional<Spectacles>& spectacles) {
    const double V = reaching(distance, spectacles);
    const double needed = kEyeMedium / eye.retina - V;
    const double most = eye.relaxedPower + eye.accommodation;
    Sight sight;
    sight.power = std::clamp(needed, eye.relaxedPower, most);
    // Too strong even relaxed: the image falls short of the retina; too weak
    // at its strongest: behind it.
    const double slack = kFlat * most;
    sight.landing = needed < eye.relaxedPower - slack ? Landing::BeforeRetina
                    : needed > most + slack           ? Landing::BehindRetina
                                                      : Landing::OnRetina;
    const double out = V + sight.power;
    sight.image = std::fabs(out) < kFlat ? kInfinite : kEyeMedium / out;
    sight.defocus = sight.landing == Landing::OnRetina ? 0.0 : sight.image - eye.retina;
    return sight;
}

double distanceCorrection(const Eye& eye, double vertex) {
    // Parallel light made to seem to come from the far point.
    const double far = farPoint(eye);
    return std::isinf(far) ? 0.0 : 1 / (vertex - far);
}

double readingCorrection(const Eye& eye, double vertex) {
    // A page at 25 cm made to seem to stand at the near point.
    const double near = nearPoint(eye);
    return vergenceOf(near - vertex) - vergenceOf(kNearPoint - vertex);
}

double correction(const Eye& eye, double vertex) {
    const double far = farPoint(eye);
    if (std::isfinite(far) && far > 0)
        return distanceCorrection(eye, vertex);
    const double near = nearPoint(eye);
    if (near > kNearPoint || near < 0)
        return readingCorrection(eye, vertex);
    return 0;
}

} // namespace Optics::Scenes
