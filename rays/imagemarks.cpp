// SPDX-License-Identifier: GPL-3.0-or-later
// The image marks: the real image as a green dot in picRigth with a thick green
// dashed line to the axis, the virtual image as its red counterpart in picLeft,
// together with the backward extensions of the rays that seem to come from it.
#include "form1.h"

#include "construction.h"
#include "picturebox.h"

#include <cstdint>

using namespace Construction;

namespace {
// 760000 twips stands for infinity; image coordinates are kept within it.
constexpr double kFar = 760000;

// Clamps the image point, each coordinate on its own, storing the bound back.
void clampImage(double& imageX, double& imageY) {
    if (imageX > kFar)
        imageX = kFar;
    if (imageY > kFar)
        imageY = kFar;
    if (imageX < -kFar)
        imageX = -kFar;
    if (imageY < -kFar)
        imageY = -kFar;
}

// A dot at the image point and three dashed lines 10 twips apart from it to the
// axis, which together read as one thick dashed line. Leaves the area solid,
// 1 wide, filling solidly.
void markImage(PictureBox* area, double imageX, double imageY, RgbValue colour) {
    area->Circle(imageX, imageY, 50, colour);
    area->SetDrawStyle(1);
    area->SetDrawWidth(1);
    area->Line(imageX, imageY, imageX, 3990, colour);
    area->Line(imageX + 10, imageY, imageX + 10, 3990, colour);
    area->Line(imageX - 10, imageY, imageX - 10, 3990, colour);
    area->SetDrawStyle(0);
}
} // namespace

void Form1::MarkRealImage() {
    picRigth->SetDrawWidth(4);
    picRigth->SetFillStyle(0);
    clampImage(ImageX, ImageY);
    // Filled with the area's fill colour, which nothing sets: black.
    markImage(picRigth, ImageX, ImageY, kGreen);
}

void Form1::DrawVirtualImage() {
    const double x = ObjectX;
    const double y = ObjectY;
    const bool converging = IsConverging != kFalse;
    const ThinLens lens = thinLens(f2, n1, n2, converging);
    const double F2 = lens.F2;
    const double k = lens.bend;
    // The refracted ray crosses the axis at X0, F2 - CrossShift right of the lens.
    // Formed in 64 bits so that no shift whatever can overflow.
    const double X0 = double(std::int64_t{7500} - CrossShift) + F2;
    // The refracted central ray, traced back, passes through the virtual image.
    // With equal media it is the incident central ray itself, already drawn up to
    // the object point, so its extension starts there; bent by unequal media it
    // starts at the optical centre. A diverging lens needs it only when bent.
    const bool centralExtension = y != 3990 && (converging || k != 1);
    const double startX = k == 1 ? x : 7500.0;
    const double startY = k == 1 ? y : 3990.0;

    picLeft->SetDrawWidth(1);
    picLeft->SetDrawStyle(1);
    if (centralExtension && y < 3990) {
        // Backward extensions: the central ray on to the top edge, and the
        // refracted ray back across the whole area.
        const double s = k * (3990 - y) / (7500 - x);
        picLeft->Line(startX, startY, startX - startY / s, 0, kRed);
        if (converging)
            picLeft->Line(7500, LensHitY, 0, 3990 - RaySlope * X0, kRed);
    } else if (centralExtension) {
        const double s = k * (y - 3990) / (7500 - x);
        picLeft->Line(startX, startY, startX - (8025 - startY) / s, 8025, kRed);
        if (converging)
            picLeft->Line(7500, LensHitY, 0, 3990 + RaySlope * X0, kRed);
    }

    picLeft->SetDrawWidth(4);
    picLeft->SetFillStyle(0);
    clampImage(ImageX, ImageY);
    // Filled with picLeft's fill colour: black until the first object marker set it
    // to green.
    markImage(picLeft, ImageX, ImageY, kRed);
}
