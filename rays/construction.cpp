// SPDX-License-Identifier: GPL-3.0-or-later
// The ray construction of the scheme view, drawn: the optics library computes
// the strokes for the bench's lens and object point (optics/construction.h),
// and these procedures draw them on the two areas with the pens they carry,
// leaving each area with the drawing state the construction ends in.
#include "raydiagram.h"

#include "form1.h"
#include "picturebox.h"

namespace {
Optics::Pen penOf(const PictureBox* area) {
    return {area->DrawWidth(), area->DrawStyle(), area->FillStyle(), area->FillColor(),
            area->ForeColor()};
}

void setPen(PictureBox* area, const Optics::Pen& pen) {
    area->SetDrawWidth(pen.width);
    area->SetDrawStyle(pen.style);
    area->SetFillStyle(pen.fillStyle);
    area->SetFillColor(pen.fillColour);
    area->SetForeColor(pen.foreColour);
}
} // namespace

void Form1::DrawConstruction(const Optics::Construction& construction) {
    for (const Optics::Stroke& stroke : construction.strokes) {
        PictureBox* area = stroke.area == Optics::Area::Left ? picLeft : picRigth;
        setPen(area, stroke.pen);
        if (stroke.circle)
            area->Circle(stroke.x1, stroke.y1, stroke.radius, stroke.colour);
        else
            area->Line(stroke.x1, stroke.y1, stroke.x2, stroke.y2, stroke.colour);
    }
    setPen(picLeft, construction.left);
    setPen(picRigth, construction.right);
    // The work values as the construction leaves them: the image point, the
    // slopes, whether a construction stands on the areas.
    static_cast<BenchState&>(*this) = construction.bench;
}

void Form1::DrawRayDiagram() {
    DrawConstruction(Optics::rayDiagram(*this, penOf(picLeft), penOf(picRigth)));
}

void Form1::DrawAxialBeam() {
    DrawConstruction(Optics::axialBeam(*this, penOf(picLeft), penOf(picRigth)));
}

void Form1::MarkRealImage() {
    DrawConstruction(Optics::realImageMark(*this, penOf(picLeft), penOf(picRigth)));
}

void Form1::DrawVirtualImage() {
    DrawConstruction(Optics::virtualImage(*this, penOf(picLeft), penOf(picRigth)));
}
