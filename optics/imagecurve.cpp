// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagecurve.h"

#include <cmath>

namespace Optics {

ImageCurves imageCurves(const Lens& lens, const CurveRange& range) {
    return imageCurves(systemOf(lens), range);
}

ImageCurves imageCurves(const Axial::System& given, const CurveRange& range) {
    ImageCurves curves;
    if (!Axial::valid(given) || given.elements.empty())
        return curves;
    const Axial::Focus focus = Axial::systemFocus(given);
    curves.finite = focus.finite;
    curves.front = focus.finite ? given.elements.front().z - focus.frontPoint : Axial::kInfinite;
    curves.back = focus.finite ? focus.backPoint - given.elements.back().z : Axial::kInfinite;

    std::vector<CurvePoint> branch;
    auto closeBranch = [&] {
        if (branch.size() > 1)
            curves.branches.push_back(branch);
        branch.clear();
    };
    // Every point comes from the optical system's image of an object on the
    // axis, d centimetres before the first element; the height does not
    // change b or Γ.
    Axial::System system = given;
    double previousD = range.dFrom;
    for (int i = 0; i <= range.samples; ++i) {
        const double d = range.dFrom + (range.dTo - range.dFrom) * i / range.samples;
        system.object.z = system.elements.front().z - d;
        const Axial::Image image = Axial::imageOf(system);
        const bool crossedFocus =
            curves.finite && (previousD - curves.front) * (d - curves.front) < 0 && i > 0;
        previousD = d;
        if (crossedFocus)
            closeBranch();
        const double b = image.distance;
        if (image.kind == Axial::ImageKind::None || !(std::fabs(b) <= range.bLimit) ||
            !(std::fabs(image.magnification) <= range.magnificationLimit)) {
            closeBranch();
            continue;
        }
        branch.push_back({d, b, image.magnification});
    }
    closeBranch();
    return curves;
}

} // namespace Optics
