// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowexport.h"

#include "form1.h"
#include "label.h"
#include "mode.h"
#include "systemmode.h"

Export::Model WindowExport::modelOf(Form1& w) {
    Export::Model model;
    model.bench.bench = static_cast<const BenchState&>(w);
    model.bench.notation = w.CurrentNotation();
    model.bench.scale = w.CurrentScale();
    // The focal read-outs as shown: a mode may keep them from a pupil.
    const auto* focal = w.findChild<const Label*>(QStringLiteral("lblFocal"));
    model.bench.lensShown = focal && !focal->Caption().isEmpty();
    model.bench.layersShown = w.m_mode->showsLayers();
    model.bench.system.secondLens = w.Systems().secondLens();
    model.bench.window = &w;
    model.date = QDate::currentDate();
    return model;
}
