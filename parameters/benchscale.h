// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scale.h"

#include <QCoreApplication>
#include <QList>

class CommandButton;
class Form1;
class QAction;

// The scale the bench is read in, "1 : K", and the button that chooses it: a
// click takes the next scale, its context menu offers all of them. The
// drawing stays as it is; every length shown, typed or saved is real.
class BenchScale {
    Q_DECLARE_TR_FUNCTIONS(BenchScale)

public:
    BenchScale(Form1& window, CommandButton* button);
    BenchScale(const BenchScale&) = delete;
    BenchScale& operator=(const BenchScale&) = delete;

    Optics::Scale now() const { return m_scale; }
    // The bench read at this scale: the button, the read-outs, the graph.
    void set(Optics::Scale scale);
    void next();

private:
    void showChoice();

    Form1& m_window;
    CommandButton* m_button;
    QList<QAction*> m_choices;
    Optics::Scale m_scale;
};
