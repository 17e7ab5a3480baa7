// SPDX-License-Identifier: GPL-3.0-or-later
// Ray construction of the scheme view: for the object point placed in picLeft,
// the object, the characteristic rays through the thin lens, the construction
// lines that find the image, and the image itself.
//
// Frames: picLeft runs from x = 0 to the lens plane at x = 7500, picRigth from
// the lens plane at x = 0 to the right; y grows downwards in both and the main
// optical axis is y = 3990. Each ray that crosses the lens is drawn as two
// lines, one in each area, meeting at the lens plane.
#include "form1.h"

#include "construction.h"
#include "picturebox.h"

#include <cmath>

using namespace Construction;

void Form1::DrawRayDiagram() {
    // Only an object point left of the lens plane has a construction; one at an
    // infinite or undefined place has none either.
    if (!(ObjectX < 7500) || !std::isfinite(ObjectX) || !std::isfinite(ObjectY))
        return;
    ConstructionShown = kTrue;

    const double x = ObjectX;
    const double y = ObjectY;
    const double d = 7500 - x;            // distance of the object point from the lens plane
    const double h = std::fabs(y - 3990); // its height above or below the axis
    const bool converging = IsConverging != kFalse;
    const ThinLens lens = thinLens(f2, n1, n2, converging);
    const double F1 = lens.F1;
    const double F2 = lens.F2;
    const double k = lens.bend;
    // Where the rays meet; nothing when the object stands in the front focal plane.
    const auto b = imageDistance(lens, d);

    // The object: a green line from the point to the axis. It keeps the width the
    // area was left at, which is the marker's width after a complete run.
    picLeft->Line(x, y, x, 3990, kGreen);
    picLeft->SetDrawWidth(2);

    // Central ray: through the optical centre (7500, 3990), where the change of
    // medium bends it (n2 u2 = n1 u1); with equal media it goes straight on.
    picLeft->Line(x, y, 7500, 3990);
    picRigth->SetDrawWidth(2);
    picRigth->SetForeColor(kBlack);
    picLeft->SetForeColor(kBlack);
    if (y == 3990)
        picRigth->Line(0, 3990, 7500, 3990);
    else if (y < 3990)
        picRigth->Line(0, 3990, 4060 * d / (k * h), 8050); // falls to below the bottom edge
    else
        picRigth->Line(0, 3990, 3990 * d / (k * h), 0); // rises to the top edge
    if (y < 3990)
        AuxSlope = (3990 - y) / d;
    else if (y > 3990)
        AuxSlope = (y - 3990) / d;

    // On the axis the central and the parallel ray coincide: a beam to the
    // aperture edges finds the image instead.
    if (y == 3990)
        DrawAxialBeam();

    // Block A. Converging lens, object point within the aperture: the ray parallel
    // to the axis is refracted through the back focal point.
    if (converging && y > 2650 && y < 5330 && y != 3990) {
        picLeft->Line(x, y, 7500, y);
        picRigth->Line(0, y, F2, 3990);
        if (y < 3990)
            picRigth->Line(F2, 3990, F2 + 4060 * F2 / h, 8050);
        else
            picRigth->Line(F2, 3990, F2 + 3990 * F2 / h, 0);
        RaySlope = (y < 3990 ? 3990 - y : y - 3990) / F2;

        // The object beyond F1: the focal ray and the bent central ray meet right
        // of the lens, in a real, inverted image, magnified -(n1 b) / (n2 d).
        if (b && d > F1) {
            ImageX = *b;
            ImageY = y < 3990 ? 3990 + k * AuxSlope * ImageX : 3990 - k * AuxSlope * ImageX;
            MarkRealImage();
        }
        // The object inside F1: they part, and seem to come from an upright virtual
        // image left of the lens. In the front focal plane they leave parallel: no image.
        if (b && d < F1) {
            ImageX = 7500 + *b;
            ImageY = y < 3990 ? 3990 - k * AuxSlope * (7500 - ImageX)
                              : 3990 + k * AuxSlope * (7500 - ImageX);
            // The focal ray leaves the lens at the object's height and crosses the
            // axis exactly at the back focal point.
            LensHitY = y;
            CrossShift = 0;
            DrawVirtualImage();
        }
    }

    // Block B. Converging lens, object point above the aperture: the ray to the
    // upper aperture edge. The secondary axis, the line through the optical centre
    // parallel to it, is bent there like the central ray and meets the back focal
    // plane at the depth F1 * slope, where the refracted edge ray passes too.
    if (converging && y < 2650) {
        picLeft->Line(x, y, 7500, 2650);
        dashedThin(picRigth, picLeft);
        picRigth->Line(F2, 500, F2, 7525, kGrey);
        picLeft->Line(7500, 3990, 0, 3990 - 7500 * (2650 - y) / d, kGrey);
        picRigth->Line(0, 3990, 4035 / (k * (2650 - y)) * d, 8025, kGrey);
        solidRays(picRigth, picLeft);
        AuxSlope = (2650 - y) / d;
        // Run in x per twip of drop of the refracted edge ray: it passes through
        // (F2, 3990 + F1 * AuxSlope) on the focal plane.
        RaySlope = F2 / (1340 + F1 * AuxSlope);
        picRigth->Line(0, 2650, RaySlope * 5375, 8025);
        // In the focal plane the rays leave parallel: no image to mark.
        if (b) {
            ImageX = *b;
            ImageY = 3990 + ImageX * k * (3990 - y) / d;
            MarkRealImage();
        }
    }

    // Block C. The mirror of block B below the aperture.
    if (converging && y > 5330) {
        picLeft->Line(x, y, 7500, 5330);
        dashedThin(picRigth, picLeft);
        picRigth->Line(F2, 500, F2, 7525, kGrey);
        picLeft->Line(7500, 3990, 0, 3990 + 7500 * (y - 5330) / d, kGrey);
        picRigth->Line(0, 3990, 3990 / (k * (y - 5330)) * d, 0, kGrey);
        solidRays(picRigth, picLeft);
        AuxSlope = (y - 5330) / d;
        RaySlope = F2 / (1340 + F1 * AuxSlope);
        picRigth->Line(0, 5330, RaySlope * 5330, 0);
        if (b) {
            ImageX = *b;
            ImageY = 3990 - ImageX * k * (y - 3990) / d;
            MarkRealImage();
        }
    }

    // Block D. Upper edge ray, object inside F1: the virtual image, on the backward
    // extension of the refracted edge ray that block B just found.
    if (d < F1 && converging && y < 2650) {
        LensHitY = 2650;
        // The refracted edge ray crosses the axis at F2 - F1 * RaySlope * AuxSlope.
        CrossShift = roundToInt32((F1 * RaySlope) * AuxSlope);
        if (b) {
            ImageX = 7500 + *b; // 7500 - F2 * d / (F1 - d)
            ImageY = 3990 - (7500 - ImageX) * k * (3990 - y) / d;
        }
        RaySlope = 1 / RaySlope; // from here on the slope, y per x
        if (b)
            DrawVirtualImage();
    }

    // Block E. The mirror of block D below the aperture.
    if (d < F1 && converging && y > 5330) {
        LensHitY = 5330;
        CrossShift = roundToInt32((F1 * RaySlope) * AuxSlope);
        if (b) {
            ImageX = 7500 + *b;
            ImageY = 3990 + (7500 - ImageX) * k * (y - 3990) / d;
        }
        RaySlope = 1 / RaySlope;
        if (b)
            DrawVirtualImage();
    }

    // Block F. Diverging lens, object point within its aperture: the parallel ray
    // leaves the lens as if it came from the focal point F2 on the object side.
    if (!converging && y > 2550 && y < 5430 && y != 3990) {
        picLeft->Line(x, y, 7500, y);
        picLeft->SetDrawWidth(1);
        picLeft->SetDrawStyle(1);
        picLeft->Line(7500 - F2, 3990, 7500, y, kRed);
        picLeft->SetDrawWidth(2);
        picLeft->SetDrawStyle(0);
        RaySlope = (3990 - y) / F2; // signed: positive above the axis
        picRigth->Line(0, y, 7500, y - 7500 * RaySlope);
    }

    // Block G. Diverging lens, object point above its aperture: the ray to the upper
    // edge is turned 1440 / F2 away from the axis. The refracted rays only seem to
    // come from the left, so the secondary axis is drawn there as it leaves the
    // lens, bent and traced back: it meets the focal plane at F2 where the backward
    // extension of the refracted edge ray does. With equal media it is simply the
    // line parallel to the edge ray.
    if (!converging && y < 2550 && y != 3990) {
        picLeft->Line(x, y, 7500, 2550);
        dashedThin(picLeft, picRigth);
        picLeft->Line(7500 - F2, 500, 7500 - F2, 7525, kGrey);
        picLeft->Line(7500, 3990, 0, 3990 - 7500 * k * (2550 - y) / d, kGrey);
        picRigth->Line(0, 3990, 4035 / (k * (2550 - y)) * d, 8025, kGrey);
        RaySlope = (2550 - y) / d;
        AuxSlope = 1440 / F2 - k * RaySlope;
        picLeft->Line(7500, 2550, 0, 2550 + 7500 * AuxSlope, kRed);
        solidRays(picRigth, picLeft);
        picRigth->Line(0, 2550, 7500, 2550 - 7500 * AuxSlope);
    }

    // Block H. The mirror of block G below the aperture.
    if (!converging && y > 5430 && y != 3990) {
        picLeft->Line(x, y, 7500, 5430);
        dashedThin(picLeft, picRigth);
        picLeft->Line(7500 - F2, 500, 7500 - F2, 7525, kGrey);
        picLeft->Line(7500, 3990, 0, 3990 + 7500 * k * (y - 5430) / d, kGrey);
        picRigth->Line(0, 3990, 3990 / (k * (y - 5430)) * d, 0, kGrey);
        RaySlope = (y - 5430) / d;
        AuxSlope = 1440 / F2 - k * RaySlope;
        picLeft->Line(7500, 5430, 0, 5430 - 7500 * AuxSlope, kRed);
        solidRays(picRigth, picLeft);
        picRigth->Line(0, 5430, 7500, 5430 + 7500 * AuxSlope);
    }

    // Block I. A diverging lens always gives a virtual, upright, reduced image
    // between its focal point F2 and the lens.
    if (!converging && b) {
        ImageX = 7500 + *b; // 7500 - F2 * d / (d + F1)
        ImageY = 3990 + ((7500 - ImageX) / d) * k * (y - 3990);
        DrawVirtualImage();
    }

    // The object marker, on every run: a filled green dot. The settings stay so.
    picLeft->SetDrawWidth(3);
    picLeft->SetFillStyle(0);
    picLeft->SetFillColor(kGreen);
    picLeft->Circle(x, y, 60, kGreen);
}
