// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowexport.h"

#include "form1.h"
#include "label.h"
#include "mode.h"
#include "scenemode.h"
#include "systemmode.h"

namespace {
// A scene's look, real cm, as the page draws it: bench cm at the scene's
// scale, the first element on the lens line; its figures as marks on the axis.
void putScene(Worksheets::System& sheet, const Scenes::Look& look, double k) {
    sheet.scene = Optics::Axial::shrunk(look.system, k);
    for (const double a : look.apertures)
        sheet.apertures.push_back(a / k);
    sheet.elementNames = look.elementNames;
    sheet.distantAngle = look.distantAngle;
    sheet.readouts = look.readouts;
    for (const Scenes::Figure& f : look.figures) {
        using Kind = Scenes::Figure::Kind;
        const bool across = f.kind == Kind::Retina || f.kind == Kind::Screen;
        const double half = f.halfHeight > 0 ? f.halfHeight / k : across ? 2.5 : 0;
        // The eyeball's outline is the window's picture; its retina is a figure of its own.
        if (f.kind != Kind::EyeBall)
            sheet.across.push_back({f.z / k, f.name, across ? half : 0});
    }
}
} // namespace

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
    if (const Scenes::Scene* scene = w.Scenes().scene()) {
        putScene(model.bench.system, w.Scenes().look(), scene->scale());
        model.bench.system.title = scene->title();
    }
    model.bench.window = &w;
    model.date = QDate::currentDate();
    return model;
}
