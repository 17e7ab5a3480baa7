// SPDX-License-Identifier: GPL-3.0-or-later
// Object point on the main optical axis. The central and the parallel ray both
// run along the axis and find nothing, so a beam goes from the point to the two
// aperture edges; each edge ray is refracted through the point where the
// secondary axis parallel to it (the line through the optical centre) meets the
// focal plane.
#include "form1.h"

#include "construction.h"
#include "picturebox.h"

#include <cmath>

using namespace Construction;

void Form1::DrawAxialBeam() {
    const double x = ObjectX;
    const double y = ObjectY;
    const double d = 7500 - x;
    const ThinLens lens = thinLens(f2, n1, n2, IsConverging != kFalse);
    const double F1 = lens.F1;
    const double F2 = lens.F2;
    const double k = lens.bend; // the secondary axes bend at the centre by n1 / n2

    if (IsConverging == kFalse) {
        // Diverging lens: aperture 2550 .. 5430. The refracted edge rays spread away
        // from the axis as if they came from the focal plane at F2 on the object
        // side; their backward extensions cross at the virtual image, which the
        // diverging-lens block then locates and marks. The secondary axes are drawn
        // on the left as they leave the lens, traced back (with equal media: parallel
        // to the edge rays), so that each meets its extension on that focal plane.
        picLeft->Line(x, y, 7500, 2550);
        picLeft->Line(x, y, 7500, 5430);
        dashedThin(picLeft, picRigth);

        // Focal plane and the two secondary axes, drawn piece by piece with the
        // backward extension that each of them locates.
        picLeft->Line(7500 - F2, 500, 7500 - F2, 7525, kGrey);
        picLeft->Line(7500, 3990, 0, 3990 + 7500 * k * (y - 5430) / d, kGrey);
        picRigth->Line(0, 3990, (3990 / (k * (5430 - y))) * d, 0, kGrey);
        RaySlope = (y - 5430) / d;
        AuxSlope = 1440 / F2 - k * RaySlope;
        picLeft->Line(7500, 5430, 0, 5430 - 7500 * AuxSlope, kRed);
        picLeft->Line(7500, 3990, 0, 3990 - 7500 * k * (2550 - y) / d, kGrey);
        picRigth->Line(0, 3990, (4035 / (k * (y - 2550))) * d, 8025, kGrey);
        RaySlope = (2550 - y) / d;
        AuxSlope = 1440 / F2 - k * RaySlope;
        picLeft->Line(7500, 2550, 0, 2550 + 7500 * AuxSlope, kRed);
        solidRays(picRigth, picLeft);

        // The refracted edge rays, turned 1440 / F2 away from the axis.
        RaySlope = (y - 5430) / d;
        AuxSlope = 1440 / F2 - k * RaySlope;
        picRigth->Line(0, 5430, 7500, 5430 + 7500 * AuxSlope);
        RaySlope = (2550 - y) / d;
        AuxSlope = 1440 / F2 - k * RaySlope;
        picRigth->Line(0, 2550, 7500, 2550 - 7500 * AuxSlope);
        return;
    }

    // Converging lens: aperture 2650 .. 5330. In the front focal plane (d = F1) the
    // refracted rays leave parallel to the axis and no image exists.
    const auto b = imageDistance(lens, d);

    picLeft->Line(x, 3990, 7500, 2650);
    picLeft->Line(x, 3990, 7500, 5330);
    dashedThin(picRigth, picLeft);

    // Back focal plane and the secondary axes parallel to the two edge rays, bent
    // at the centre by the media: they meet the focal plane at F1 times the slope.
    picRigth->Line(F2, 500, F2, 7525, kGrey);
    picLeft->Line(7500, 3990, 0, 3990 + 7500 * (y - 5330) / d, kGrey);
    picRigth->Line(0, 3990, (3990 / (k * (5330 - y))) * d, 0, kGrey);
    picLeft->Line(7500, 3990, 0, 3990 - 7500 * (2650 - y) / d, kGrey);
    picRigth->Line(0, 3990, (4035 / (k * (y - 2650))) * d, 8025, kGrey);
    solidRays(picRigth, picLeft);

    // The refracted edge rays; RaySlope is their run in x per twip of y, so that
    // both cross the axis at 1340 * RaySlope, the real image distance. When they
    // leave parallel they are drawn level with their edge across the area.
    AuxSlope = (y - 5330) / d;
    if (const double run = F2 / (1340 + F1 * AuxSlope); b && std::isfinite(run)) {
        RaySlope = run;
        picRigth->Line(0, 5330, RaySlope * 5330, 0);
    } else {
        picRigth->Line(0, 5330, 7500, 5330);
    }
    AuxSlope = (2650 - y) / d;
    if (const double run = F2 / (1340 + F1 * AuxSlope); b && std::isfinite(run)) {
        RaySlope = run;
        picRigth->Line(0, 2650, RaySlope * 5375, 8025);
    } else {
        picRigth->Line(0, 2650, 7500, 2650);
    }
    if (!b)
        return;

    // The real image, on the axis; left of the lens (out of sight) for an object
    // inside F1.
    ImageX = *b;
    ImageY = 3990 - ImageX * k * (y - 3990) / d;
    MarkRealImage();

    if (!(d < F1))
        return;

    // Inside F1: the virtual image, where the backward extensions of the refracted
    // rays cross.
    ImageX = 7500 + *b; // 7500 - F2 * d / (F1 - d)
    ImageY = 3990 + (7500 - ImageX) * k * (y - 3990) / d;
    DrawVirtualImage();
    AuxSlope = 1340 / d;
    // Slope of the refracted rays away from the axis, n2 u2 = n1 u1 - h P at the
    // aperture edges: 1340 (n1 / n2) / d - 1340 / F2, towards the virtual image.
    const double slope = k * AuxSlope - 1340 / F2;
    if (!std::isfinite(slope))
        return;
    RaySlope = slope;
    picLeft->SetDrawStyle(1);
    picLeft->Line(7500, 2650, 0, 2650 + 7500 * RaySlope, kRed);
    picLeft->Line(7500, 5330, 0, 5330 - 7500 * RaySlope, kRed);
    picLeft->SetDrawStyle(0);
    picRigth->SetDrawWidth(2);
    picRigth->Line(0, 2650, 7500, 2650 - 7500 * RaySlope);
    picRigth->Line(0, 5330, 7500, 5330 + 7500 * RaySlope);
}
