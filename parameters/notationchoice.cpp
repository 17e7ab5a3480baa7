// SPDX-License-Identifier: GPL-3.0-or-later
// The notation the bench writes in, and the window following a change of it:
// the read-outs, the graph and the table, the task's lines, the control's caption.
#include "notationchoice.h"

#include "commandbutton.h"
#include "form1.h"
#include "lessontools.h"
#include "readout.h"

Optics::Notation NotationChoice::current() const {
    return m_chosen.value_or(Readout::languageNotation());
}

Optics::Notation Form1::CurrentNotation() const {
    return m_notation.current();
}

std::optional<Optics::Notation> Form1::ChosenNotation() const {
    return m_notation.chosen();
}

// The redraw shows the new letters everywhere and marks the lesson changed.
void Form1::SetNotation(std::optional<Optics::Notation> notation) {
    m_notation.choose(notation);
    ShowNotation();
    RedrawScheme();
}

void Form1::NextNotation() {
    SetNotation(Optics::nextNotation(CurrentNotation()));
}

void Form1::ShowNotation() {
    const Optics::Notation notation = CurrentNotation();
    cmdNotation->setText(Readout::notationLetters(notation));
    const QString tip =
        tr("Обозначения: %1 (%2). Сменить: Ctrl+Shift+N")
            .arg(Readout::notationName(notation), Readout::notationLetters(notation));
    cmdNotation->setToolTip(tip);
    cmdNotation->setAccessibleName(tip);
    m_lesson->nameTools(notation);
}
