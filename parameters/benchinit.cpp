// SPDX-License-Identifier: GPL-3.0-or-later
// Start values of the bench.
#include "form1.h"

#include "bench.h"
#include "label.h"
#include "picturebox.h"
#include "readout.h"
#include "shape.h"
#include "slider.h"

void Form1::InitBench() {
    ConvergingChosen = kTrue;
    RadiusBase = Bench::kRadiusBase;
    sldVexol->SetValue(Bench::kStartIndexStep);
    lbln1->SetBackColor(picLeft->BackColor());
    lbln2->SetBackColor(picRigth->BackColor());
    lblN->SetBackColor(shpLsob->BackColor());
    IsConverging = kTrue;
    LeftRadiusRowTop = sldR1->Top();
    RightRadiusRowTop = sldR2->Top();
    LeftBoxX = 6900;
    RightBoxX = 7620;
    LSobBoxX = LeftBoxX;
    LensColor = RGB(192, 192, 255);
    shpLsob->SetBorderColor(LensColor);
    shpRsob->SetBorderColor(LensColor);
    n1 = 1;
    n2 = 1;
    N = Bench::indexOf(Bench::kStartIndexStep);
    R1Sign = +1;
    R2Sign = -1;
    R1 = R1Sign * RadiusBase;
    R2 = R2Sign * RadiusBase;
    lbln1->SetCaption(readoutText(n1));
    lbln2->SetCaption(readoutText(n2));
    lblN->SetCaption(readoutText(N));
    picLup->SetVisible(false);
    picRup->SetVisible(false);
    picLdown->SetVisible(false);
    picRdown->SetVisible(false);
    picVexol->SetVisible(false);
    ComputeFocalLengths();
    ShowReadouts();
}
