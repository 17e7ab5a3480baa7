// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchscale.h"

#include "commandbutton.h"
#include "form1.h"
#include "lessontools.h"
#include "readout.h"

#include <QAction>

BenchScale::BenchScale(Form1& window, CommandButton* button) : m_window(window), m_button(button) {
    // Every scale on the button's context menu, the one in force checked.
    m_button->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const int k : Optics::Scale::kChoices) {
        const Optics::Scale scale = *Optics::Scale::of(k);
        auto* action = new QAction(Readout::scaleText(scale), m_button);
        action->setCheckable(true);
        QObject::connect(action, &QAction::triggered, action, [this, scale] { set(scale); });
        m_button->addAction(action);
        m_choices << action;
    }
    showChoice();
}

void BenchScale::next() {
    set(m_scale.next());
}

void BenchScale::set(Optics::Scale scale) {
    m_scale = scale;
    showChoice();
    // The same drawing read anew: its lengths, speeds and power in real units.
    m_window.view().Lesson().showSpeeds();
    m_window.RedrawScheme();
}

void BenchScale::showChoice() {
    m_button->setText(tr("1 : %1").arg(m_scale.factor()));
    m_button->setAccessibleName(Readout::scaleText(m_scale));
    m_button->setToolTip(tr("%1: 1 см скамьи изображает %2 см (щелчок или Ctrl+Shift+D — "
                            "следующий; все — в меню кнопки)")
                             .arg(Readout::scaleText(m_scale))
                             .arg(m_scale.factor()));
    for (int i = 0; i < int(m_choices.size()); ++i)
        m_choices[i]->setChecked(Optics::Scale::kChoices[std::size_t(i)] == m_scale.factor());
}
