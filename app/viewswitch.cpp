// SPDX-License-Identifier: GPL-3.0-or-later
// Lens view and scheme view.
#include "form1.h"

#include "benchlayout.h"
#include "lessontools.h"
#include "mode.h"
#include "picturebox.h"

void Form1::cmdCx_Click() {
    SchemeView = kTrue;
    picLSob->SetVisible(false);
    picRsob->SetVisible(false);
    picVexol->SetVisible(true);
    // The arrowheads show what the lens does, the sign of its power: outwards
    // when it converges, inwards when it diverges. The drawn lens keeps the shape
    // chosen with the buttons; a biconvex lens in a denser medium diverges.
    PlaceArrowheads(IsConverging != kFalse);
    picLup->SetVisible(true);
    picRup->SetVisible(true);
    picLdown->SetVisible(true);
    picRdown->SetVisible(true);
    // Nothing is drawn here: the construction appears with the next event that
    // redraws it, and the read-outs show the lens alone until then.
    ShowReadouts();
    ShowLabelsLayer();
    MarkModified();
}

void Form1::cmdCxOff_Click() {
    SchemeView = kFalse;
    picLSob->SetVisible(true);
    picRsob->SetVisible(true);
    picVexol->SetVisible(false);
    picLup->SetVisible(false);
    picRup->SetVisible(false);
    picLdown->SetVisible(false);
    picRdown->SetVisible(false);
    // Leaving the scheme view takes the construction off both areas.
    WipeAreas();
    RedrawScheme();
}

// The V pairs of boxes stand at the ends of the bar: an inverted V on the upper
// end and a V on the lower end point outwards (converging symbol), the other way
// round inwards (diverging symbol).
void Form1::PlaceArrowheads(bool outwards) {
    const BenchLayout::ArrowheadTops tops = BenchLayout::arrowheadTops(outwards);
    picLup->SetTop(tops.upper);
    picLdown->SetTop(tops.lower);
    picRup->SetTop(tops.upper);
    picRdown->SetTop(tops.lower);
}

// The areas keep nothing drawn on them: a Refresh takes every figure off.
void Form1::WipeAreas() {
    picLeft->Refresh();
    picRigth->Refresh();
    ConstructionShown = kFalse;
}

// The end of every change of the bench, whatever made it (a slider, a lens
// type, the object placed or moved, a key, the lens view): in the scheme view
// the construction is drawn anew; in both views the read-outs follow.
// Nothing is constructed before the object is placed.
// Within an apply step the redraw waits for the step's end, and runs once.
void Form1::RedrawScheme() {
    if (m_applyDepth > 0 && !m_applyFlushing)
        return;
    ++m_redraws;
    if (SchemeView) {
        WipeAreas();
        m_mode->drawConstruction();
    }
    ShowReadouts();
    ShowLabelsLayer();
    m_mode->afterRedraw();
    m_lesson->follow();
    MarkModified();
}
