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
#include "shape.h"

#include <cmath>

using namespace Construction;

void Form1::DrawRayDiagram() {
    // Only an object point left of the lens plane has a construction; one at an
    // infinite or undefined place has none either.
    if (!(ObjectX < 7500) || !std::isfinite(ObjectX) || !std::isfinite(ObjectY))
        return;

    const double x = ObjectX;
    const double y = ObjectY;
    const double d = 7500 - x;            // distance of the object point from the lens plane
    const double h = std::fabs(y - 3990); // its height above or below the axis
    const double F2 = f2 * signOf(f2);
    const double F1 = f1 * signOf(f1);
    const bool converging = IsConverging != kFalse;
    // Left edge of the back-focal mark mirrored to the left of the lens: an object
    // counts as beyond the focal length only left of it. Read from the mark each time.
    const auto threshold = [this] { return 7365.0 - double(shpF2->Left()); };

    // The object: a green line from the point to the axis. It keeps the width the
    // area was left at, which is the marker's width after a complete run.
    picLeft->Line(x, y, x, 3990, kGreen);
    picLeft->SetDrawWidth(2);

    // Central ray: through the optical centre (7500, 3990) without deviation.
    picLeft->Line(x, y, 7500, 3990);
    picRigth->SetDrawWidth(2);
    picRigth->SetForeColor(kBlack);
    picLeft->SetForeColor(kBlack);
    if (y == 3990)
        picRigth->Line(0, 3990, 7500, 3990);
    else if (y < 3990)
        picRigth->Line(0, 3990, 4060 * d / h, 8050); // falls to below the bottom edge
    else
        picRigth->Line(0, 3990, 3990 * d / h, 0); // rises to the top edge
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

        // Object in the front focal plane: focal ray and central ray leave the lens
        // parallel, no image exists and the construction stops here.
        if (std::fabs(RaySlope - AuxSlope) < 0.0001)
            return;

        // Real image where the focal ray meets the central ray, inverted.
        if (RaySlope != AuxSlope && x < threshold()) {
            ImageX = RaySlope * F2 / (RaySlope - AuxSlope);
            ImageY = y < 3990 ? 3990 + AuxSlope * ImageX : 3990 - AuxSlope * ImageX;
            MarkRealImage();
        }
        // Virtual image where their backward extensions meet, upright. Between the
        // focal point and the threshold this branch runs with an image right of the lens.
        if (RaySlope != AuxSlope && x > threshold()) {
            ImageX = 7500 + RaySlope * F2 / (RaySlope - AuxSlope);
            ImageY =
                y < 3990 ? 3990 - AuxSlope * (7500 - ImageX) : 3990 + AuxSlope * (7500 - ImageX);
            // The focal ray leaves the lens at the object's height and crosses the
            // axis exactly at the back focal point.
            LensHitY = y;
            CrossShift = 0;
            DrawVirtualImage();
        }
    }

    // Block B. Converging lens, object point above the aperture: the ray to the
    // upper aperture edge, whose refracted direction follows from the secondary
    // axis parallel to it, which meets the back focal plane where the refracted ray
    // passes.
    if (converging && y < 2650) {
        picLeft->Line(x, y, 7500, 2650);
        dashedThin(picRigth, picLeft);
        picRigth->Line(F2, 500, F2, 7525, kGrey);
        picLeft->Line(7500, 3990, 0, 3990 - 7500 * (2650 - y) / d, kGrey);
        picRigth->Line(0, 3990, 4035 / (2650 - y) * d, 8025, kGrey);
        solidRays(picRigth, picLeft);
        AuxSlope = (2650 - y) / d;
        // Run in x per twip of drop of the refracted edge ray: it passes through
        // (F2, 3990 + F2 * AuxSlope) on the focal plane.
        RaySlope = F2 / (1340 + F2 * AuxSlope);
        picRigth->Line(0, 2650, RaySlope * 5375, 8025);
        // In the focal plane the rays leave parallel: no image to mark.
        if (const auto b = imageDistance(f2, d)) {
            ImageX = *b;
            ImageY = 3990 + ImageX * (3990 - y) / d;
            MarkRealImage();
        }
    }

    // Block C. The mirror of block B below the aperture.
    if (converging && y > 5330) {
        picLeft->Line(x, y, 7500, 5330);
        dashedThin(picRigth, picLeft);
        picRigth->Line(F2, 500, F2, 7525, kGrey);
        picLeft->Line(7500, 3990, 0, 3990 + 7500 * (y - 5330) / d, kGrey);
        picRigth->Line(0, 3990, 3990 / (y - 5330) * d, 0, kGrey);
        solidRays(picRigth, picLeft);
        AuxSlope = (y - 5330) / d;
        RaySlope = F2 / (1340 + F2 * AuxSlope);
        picRigth->Line(0, 5330, RaySlope * 5330, 0);
        if (const auto b = imageDistance(f2, d)) {
            ImageX = *b;
            ImageY = 3990 - ImageX * (y - 3990) / d;
            MarkRealImage();
        }
    }

    // Block D. Upper edge ray, object inside the threshold: the virtual image, on
    // the backward extension of the refracted edge ray that block B just found.
    if (x > threshold() && converging && y < 2650) {
        LensHitY = 2650;
        // The refracted edge ray crosses the axis at F2 - F2 * RaySlope * AuxSlope.
        CrossShift = roundToInt32((F2 * RaySlope) * AuxSlope);
        const auto b = imageDistance(f2, d);
        if (b) {
            ImageX = 7500 + *b; // 7500 - F2 * d / (F2 - d)
            ImageY = 3990 - (7500 - ImageX) * (3990 - y) / d;
        }
        RaySlope = 1 / RaySlope; // from here on the slope, y per x
        if (b)
            DrawVirtualImage();
    }

    // Block E. The mirror of block D below the aperture.
    if (x > threshold() && converging && y > 5330) {
        LensHitY = 5330;
        CrossShift = roundToInt32((F2 * RaySlope) * AuxSlope);
        const auto b = imageDistance(f2, d);
        if (b) {
            ImageX = 7500 + *b;
            ImageY = 3990 + (7500 - ImageX) * (y - 3990) / d;
        }
        RaySlope = 1 / RaySlope;
        if (b)
            DrawVirtualImage();
    }

    // Block F. Diverging lens, object point within its aperture: the parallel ray
    // leaves the lens as if it came from the front focal point.
    if (!converging && y > 2550 && y < 5430 && y != 3990) {
        picLeft->Line(x, y, 7500, y);
        picLeft->SetDrawWidth(1);
        picLeft->SetDrawStyle(1);
        picLeft->Line(7500 - F1, 3990, 7500, y, kRed);
        picLeft->SetDrawWidth(2);
        picLeft->SetDrawStyle(0);
        RaySlope = (3990 - y) / F1; // signed: positive above the axis
        picRigth->Line(0, y, 7500, y - 7500 * RaySlope);
    }

    // Block G. Diverging lens, object point above its aperture: the ray to the upper
    // edge is turned 1440 / F1 away from the axis; its backward extension passes
    // where the secondary axis parallel to it meets the front focal plane.
    if (!converging && y < 2550 && y != 3990) {
        picLeft->Line(x, y, 7500, 2550);
        dashedThin(picLeft, picRigth);
        picLeft->Line(7500 - F1, 500, 7500 - F1, 7525, kGrey);
        picLeft->Line(7500, 3990, 0, 3990 - 7500 * (2550 - y) / d, kGrey);
        picRigth->Line(0, 3990, 4035 / (2550 - y) * d, 8025, kGrey);
        RaySlope = (2550 - y) / d;
        AuxSlope = (1440 / f1) * signOf(f1) - RaySlope;
        picLeft->Line(7500, 2550, 0, 2550 + 7500 * AuxSlope, kRed);
        solidRays(picRigth, picLeft);
        picRigth->Line(0, 2550, 7500, 2550 - 7500 * AuxSlope);
    }

    // Block H. The mirror of block G below the aperture.
    if (!converging && y > 5430 && y != 3990) {
        picLeft->Line(x, y, 7500, 5430);
        dashedThin(picLeft, picRigth);
        picLeft->Line(7500 - F1, 500, 7500 - F1, 7525, kGrey);
        picLeft->Line(7500, 3990, 0, 3990 + 7500 * (y - 5430) / d, kGrey);
        picRigth->Line(0, 3990, 3990 / (y - 5430) * d, 0, kGrey);
        RaySlope = (y - 5430) / d;
        AuxSlope = (1440 / f1) * signOf(f1) - RaySlope;
        picLeft->Line(7500, 5430, 0, 5430 - 7500 * AuxSlope, kRed);
        solidRays(picRigth, picLeft);
        picRigth->Line(0, 5430, 7500, 5430 + 7500 * AuxSlope);
    }

    // Block I. A diverging lens always gives a virtual, upright, reduced image
    // between its front focal point and the lens.
    if (!converging) {
        ImageX = 7500 - 1 / (1 / d + (1 / f1) * signOf(f1));
        ImageY = 3990 + ((7500 - ImageX) / d) * (y - 3990);
        DrawVirtualImage();
    }

    // The object marker: a filled green dot. The settings stay so.
    picLeft->SetDrawWidth(3);
    picLeft->SetFillStyle(0);
    picLeft->SetFillColor(kGreen);
    picLeft->Circle(x, y, 60, kGreen);
}
