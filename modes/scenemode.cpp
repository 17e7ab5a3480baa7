// SPDX-License-Identifier: GPL-3.0-or-later
// A scene on the bench. The scene gives its optics in real centimetres; the
// mode draws it at the scene's scale: the system shrunk K times (its lengths
// and radii alike, so that its powers grow K times, as a bench at 1 : K
// reads), the construction stage by stage (systemDiagram), each element as a
// lens, the scene's figures, the names, and the scene's read-out lines.
#include "scenemode.h"

#include "benchmode.h"
#include "benchoptics.h"
#include "benchscale.h"
#include "benchview.h"
#include "eyeinset.h"
#include "systemmode.h"

#include "bench.h"
#include "benchgeometry.h"
#include "benchlens.h"
#include "label.h"
#include "lensfigure.h"
#include "lessontools.h"
#include "palette.h"
#include "picturebox.h"
#include "readout.h"

#include <QAction>
#include <QFont>
#include <algorithm>
#include <cmath>
#include <numbers>

using namespace LensFigure;

namespace {

constexpr int kLeftButton = 1;
// The read-outs go on the lines over the bench, the title band's being too
// short for them.
constexpr int kBandLines = 0;
constexpr RgbValue kRetinaColour = RGB(176, 0, 0);
constexpr RgbValue kOutlineColour = RGB(110, 110, 110);
constexpr RgbValue kScreenColour = RGB(80, 80, 80);
// A point marked on the axis: a tick this far across it.
constexpr double kTick = 150;
// A screen reaches this far across the axis where the scene says nothing.
constexpr double kScreenHalf = 1800;
constexpr int kOutlineSegments = 48;
// The eye magnified, in the right area's lower right corner (its twips):
// the part of the bench from a little before the eye's lens to a little
// past its retina, across the ball, five times as large.
constexpr double kMagnified = 5;
constexpr double kSeenBefore = 200;
constexpr double kSeenWidth = 1100;
constexpr double kSeenHalf = 350;  // the ball's half is 340
constexpr double kInsetFrame = 60; // the inset's frame beyond the face
constexpr double kInsetBand = 300; // and the caption's band above it
constexpr double kInsetGap = 50;   // from the area's edges, clear of the axis
constexpr int kInsetPoints = 12;

Optics::Area areaOf(double z) {
    return z < 0 ? Optics::Area::Left : Optics::Area::Right;
}

double xIn(Optics::Area area, double z) {
    return area == Optics::Area::Left ? Bench::xOf(z) : Bench::twipsOf(z);
}

} // namespace

SceneMode::SceneMode(BenchView& view) : Mode(view), m_scenes(Scenes::all()) {}

SceneMode::~SceneMode() = default;

void SceneMode::setUp() {
    BenchView& w = view();
    m_eyeInset = new EyeInset(&w.Window());
    m_eyeInset->setObjectName(QStringLiteral("eyeInset"));
    m_eyeInset->setAccessibleName(tr("Глаз крупным планом"));
    const PictureBox& right = w.RightArea();
    const double width = kMagnified * kSeenWidth + 2 * kInsetFrame;
    const double height = kMagnified * 2 * kSeenHalf + 2 * kInsetFrame + kInsetBand;
    m_eyeInset->Place(float(right.Left() + Bench::kAreaWidth - kInsetGap - width),
                      float(right.Top() + Bench::kAreaHeight - kInsetGap - height), float(width),
                      float(height));
    m_eyeInset->SetFont(QFont(QStringLiteral("MS Sans Serif"), kInsetPoints));
    m_eyeInset->SetVisible(false);
    const auto separator = [&] {
        auto* line = new QAction();
        line->setSeparator(true);
        w.AddMenuItem(Action::System, line);
        return line;
    };
    separator();
    for (const auto& scene : m_scenes) {
        auto* action = new QAction(scene->title());
        const char* kind = scene->kind();
        QObject::connect(action, &QAction::triggered, action, [this, kind] { open(kind); });
        w.AddMenuItem(Action::System, action);
    }
    // Each scene's own entries, shown while it is open.
    m_itemsSeparator = separator();
    m_itemsSeparator->setVisible(false);
    for (const auto& scene : m_scenes)
        for (Scenes::Item& item : scene->items()) {
            auto* action = new QAction(item.text);
            action->setCheckable(bool(item.checked));
            action->setVisible(false);
            Scenes::Scene* owner = scene.get();
            QObject::connect(action, &QAction::triggered, action,
                             [this, owner, act = std::move(item.act)] {
                                 if (m_scene == owner)
                                     act(*this);
                                 showItems();
                             });
            w.AddMenuItem(Action::System, action);
            m_items.push_back({owner, action, std::move(item.checked)});
        }
}

Scenes::Scene* SceneMode::find(std::string_view kind) const {
    for (const auto& scene : m_scenes)
        if (kind == scene->kind())
            return scene.get();
    return nullptr;
}

bool SceneMode::takes(const SetupFormat::SceneSetup& setup) const {
    Scenes::Scene* scene = find(setup.kind);
    if (!scene)
        return false;
    // Tried on the scene itself, then its own values put back: they are
    // values it took, so it takes them again.
    const SetupFormat::SceneSetup kept = scene->saved();
    const bool taken = scene->load(setup);
    scene->load(kept);
    return taken;
}

QString SceneMode::titleOf(std::string_view kind) const {
    const Scenes::Scene* scene = find(kind);
    return scene ? scene->title() : QString();
}

bool SceneMode::open(const char* kind) {
    Scenes::Scene* scene = find(kind);
    if (!scene)
        return false;
    // Switching scenes keeps the bench the first one borrowed.
    if (!active())
        m_before = view().Snapshot();
    scene->reset();
    start(*scene, true);
    return true;
}

bool SceneMode::put(const std::optional<SetupFormat::SceneSetup>& setup) {
    BenchView& w = view();
    if (!setup) {
        // The setup's bench stands: the scene goes without bringing back its own.
        if (active()) {
            w.SetMode(w.NormalMode());
            w.Redraw();
        }
        return true;
    }
    Scenes::Scene* scene = find(setup->kind);
    if (!scene || !scene->load(*setup))
        return false;
    if (!active())
        m_before = w.Snapshot();
    start(*scene, false);
    return true;
}

void SceneMode::start(Scenes::Scene& scene, bool fresh) {
    BenchView& w = view();
    if (!active()) {
        w.Lesson().stopMotion();
        // The graph plots the single lens's image: it goes while the scene stands.
        m_graphWasShown = w.Lesson().graphShown();
        if (m_graphWasShown)
            w.Lesson().toggleGraph();
    }
    // Another scene, or the optical system, gives way first.
    if (active())
        hideParts();
    w.SetMode(w.NormalMode());
    m_scene = &scene;
    w.SetMode(*this);
    const Optics::Axial::Object object = scene.startObject();
    const Optics::Axial::System system = scene.look(object, w.CurrentNotation()).system;
    const Optics::Scale k = Optics::Scale::of(scene.scale()).value_or(Optics::Scale());
    w.ApplyAtOnce([&] {
        if (!w.State().SchemeView)
            w.ShowScheme(true);
        // The media either side of the bench's lens line tint the areas.
        const auto before = [&](bool strictly) {
            std::size_t k = 0;
            while (k < system.elements.size() &&
                   (strictly ? system.elements[k].z < 0 : system.elements[k].z <= 0))
                ++k;
            return system.media[std::min(k, system.media.size() - 1)];
        };
        w.SetLeftIndex(before(true));
        w.SetRightIndex(before(false));
        w.ScaleChoice().set(k);
        if (fresh)
            w.PlaceObject(float(Bench::kLensX - Bench::twipsOfReal(k, -object.z)),
                          float(Bench::kAxisY - Bench::twipsOfReal(k, object.height)));
    });
    showItems();
    w.SetChecked(Action::System, true);
    w.Redraw();
    w.MarkModified();
}

void SceneMode::close() {
    if (!active())
        return;
    BenchView& w = view();
    m_leaving = true;
    w.SetMode(w.NormalMode());
    m_leaving = false;
    // The bench as it was, the optical system's second lens with it.
    w.Restore(m_before);
    // The restore wipes the areas where the single lens's construction did
    // not stand; the optical system's figure is drawn again over it.
    if (w.Systems().active())
        w.Redraw();
    if (m_graphWasShown)
        w.Lesson().toggleGraph();
    m_graphWasShown = false;
}

void SceneMode::leave() {
    hideParts();
    m_scene = nullptr;
    showItems();
    BenchView& w = view();
    w.SetChecked(Action::System, false);
    w.ShowLensControls(true);
    w.ShowMediaAndTypeControls(true);
    w.ShowLensSymbol(true);
    w.ShowFocalMarks(true);
    w.ShowMarkCaptions(true);
}

void SceneMode::hideParts() {
    if (m_eyeInset)
        m_eyeInset->SetVisible(false);
    for (int i = 0; i < view().TaskLines().size(); ++i)
        if (Label* line = view().TaskLines().value(i))
            line->SetVisible(false);
    m_leftNames.clear();
    m_rightNames.clear();
    m_look = {};
}

void SceneMode::showItems() {
    bool any = false;
    for (const MenuItem& item : m_items) {
        const bool shown = item.scene == m_scene && m_scene;
        any = any || shown;
        item.action->setVisible(shown);
        if (shown && item.checked)
            item.action->setChecked(item.checked());
    }
    if (m_itemsSeparator)
        m_itemsSeparator->setVisible(any);
}

std::optional<SetupFormat::SceneSetup> SceneMode::saved() const {
    if (!m_scene)
        return std::nullopt;
    return m_scene->saved();
}

QWidget& SceneMode::window() {
    return view().Window();
}

Optics::Notation SceneMode::notation() const {
    return view().CurrentNotation();
}

void SceneMode::changed() {
    view().Redraw();
    view().MarkModified();
    showItems();
}

void SceneMode::leftPress(int button, int shift, float x, float y) {
    // The right button's wipe of the single lens's construction would take
    // the scene off the figure with it.
    if (button != kLeftButton)
        return;
    if (m_scene)
        m_scene->objectPlaced();
    view().PlaceByPress(button, shift, x, y);
    showItems();
}

void SceneMode::leftMove(int button, int shift, float x, float y) {
    view().PlaceByDrag(button, shift, x, y);
}

void SceneMode::leftKey(int keyCode, int shift) {
    if (m_scene)
        m_scene->objectPlaced();
    view().PlaceByKey(keyCode, shift);
    showItems();
}

void SceneMode::rightPress(int, int, float, float) {}

void SceneMode::rightKey(int keyCode, int shift) {
    if (m_scene && m_scene->key(keyCode, shift, *this))
        showItems();
}

bool SceneMode::allows(Action action) const {
    if (allowedInEveryMode(action))
        return true;
    switch (action) {
    // The scene's picture, its setup, its names and letters, and the menu
    // that opens the scenes. The scale is the scene's, the lens its own.
    case Action::CopyPicture:
    case Action::ExportPicture:
    case Action::OpenSetup:
    case Action::SaveSetup:
    case Action::SaveSetupAs:
    case Action::Print:
    case Action::Labels:
    case Action::ThirdRay:
    case Action::Notation:
    case Action::System:
        return true;
    default:
        return false;
    }
}

bool SceneMode::escape() {
    close();
    return true;
}

void SceneMode::drawConstruction() {
    if (!m_scene)
        return;
    BenchView& w = view();
    const BenchState& bench = w.State();
    const double k = m_scene->scale();
    Optics::Axial::Object object{std::nan(""), 0};
    if (Optics::objectOnBench(bench))
        object = {Bench::zOf(bench.ObjectX) * k, Bench::heightOf(bench.ObjectY) * k};
    m_look = m_scene->look(object, w.CurrentNotation());
    const Optics::Axial::System system = Optics::Axial::shrunk(m_look.system, k);
    std::vector<double> edges;
    for (std::size_t i = 0; i < system.elements.size(); ++i) {
        const double a = i < m_look.apertures.size() ? m_look.apertures[i] : 0;
        edges.push_back(a > 0 ? a / k : Bench::cmOf(Bench::kAxisY - Bench::kConvergingTop));
    }
    if (edges.empty())
        edges.push_back(1);
    PictureBox& left = w.LeftArea();
    PictureBox& right = w.RightArea();
    const Optics::Pen leftPen = penOf(left);
    const Optics::Pen rightPen = penOf(right);
    const double zTo = m_look.raysTo ? *m_look.raysTo / k : Optics::Axial::kInfinite;
    const Optics::SystemDiagram d =
        m_look.distantAngle ? Optics::distantDiagram(system, *m_look.distantAngle, bench, edges,
                                                     leftPen, rightPen, zTo)
                            : Optics::systemDiagram(system, bench, edges, leftPen, rightPen, zTo);
    w.DrawGiven(d.rays, true);
    // The areas keep the pens they had for the bench's own construction.
    struct Restore {
        PictureBox& area;
        Optics::Pen pen;
        ~Restore() { setPen(area, pen); }
    } keepLeft{left, leftPen}, keepRight{right, rightPen};

    // Each element as a lens, in the area (or both) its bar reaches.
    for (std::size_t i = 0; i < system.elements.size(); ++i) {
        const double z = system.elements[i].z;
        const double half = Bench::twipsOf(edges[i]);
        const bool converging = Optics::Axial::power(system, i) >= 0;
        for (const Optics::Area area : {Optics::Area::Left, Optics::Area::Right}) {
            const double x = xIn(area, z);
            if (x >= -kHead && x <= Bench::kAreaWidth + kHead)
                lens(area == Optics::Area::Left ? left : right, x, converging, Bench::kAxisY - half,
                     Bench::kAxisY + half);
        }
    }
    drawFigures(system);
    name(d);
}

// The scene's own figures, at the bench's scale.
void SceneMode::drawFigures(const Optics::Axial::System& system) {
    (void)system;
    BenchView& w = view();
    const double k = m_scene->scale();
    // A line between two points of the axis system (bench cm), drawn in
    // each area it reaches; the areas clip it.
    const auto line = [&](double z1, double h1, double z2, double h2, RgbValue colour, int width) {
        for (const Optics::Area area : {Optics::Area::Left, Optics::Area::Right}) {
            if ((area == Optics::Area::Left && std::min(z1, z2) > 0) ||
                (area == Optics::Area::Right && std::max(z1, z2) < 0))
                continue;
            stroke(area == Optics::Area::Left ? w.LeftArea() : w.RightArea(), xIn(area, z1),
                   Bench::yOf(h1), xIn(area, z2), Bench::yOf(h2), colour, width, false);
        }
    };
    const RgbValue label = Palette::of(w.State()).label;
    for (const Scenes::Figure& f : m_look.figures) {
        const double z = f.z / k;
        const double half = f.halfHeight / k;
        switch (f.kind) {
        case Scenes::Figure::Kind::Retina:
            line(z, half, z, -half, kRetinaColour, 3);
            break;
        case Scenes::Figure::Kind::Screen: {
            const double h = half > 0 ? half : Bench::cmOf(kScreenHalf);
            line(z, h, z, -h, kScreenColour, 6);
            break;
        }
        case Scenes::Figure::Kind::EyeBall: {
            // An ellipse through the eye's lens and its retina, as tall as given.
            const double centre = (z + f.back / k) / 2;
            const double a = (f.back / k - z) / 2;
            double pz = centre + a, ph = 0;
            for (int i = 1; i <= kOutlineSegments; ++i) {
                const double t = 2 * std::numbers::pi * i / kOutlineSegments;
                const double qz = centre + a * std::cos(t), qh = half * std::sin(t);
                line(pz, ph, qz, qh, kOutlineColour, 2);
                pz = qz, ph = qh;
            }
            break;
        }
        case Scenes::Figure::Kind::EyePlace: {
            // An eye seen from the side: an almond open towards the light.
            const double s = Bench::cmOf(kTick);
            line(z, 0, z + 2 * s, s, kOutlineColour, 2);
            line(z, 0, z + 2 * s, -s, kOutlineColour, 2);
            line(z + s, s / 2, z + s, -s / 2, label, 3);
            break;
        }
        case Scenes::Figure::Kind::AxisPoint: {
            const double s = Bench::cmOf(kTick);
            line(z, s, z, -s, label, 3);
            break;
        }
        }
    }
}

void SceneMode::name(const Optics::SystemDiagram& d) {
    BenchView& w = view();
    const BenchState& bench = w.State();
    m_leftNames.clear();
    m_rightNames.clear();
    if (bench.ShowLabels == kFalse)
        return;
    const Palette::Construction& colours = Palette::of(bench);
    Namer onLeft{&w.LeftArea(), &m_leftNames, colours.label};
    Namer onRight{&w.RightArea(), &m_rightNames, colours.label};
    const auto put = [&](const QString& text, const Optics::DiagramPoint& p, bool above) {
        if (text.isEmpty() || !p.shown || p.x < 0 || p.x > Bench::kAreaWidth || p.y < 0 ||
            p.y > Bench::kAreaHeight)
            return;
        (p.area == Optics::Area::Left ? onLeft : onRight).put(text, p.x, p.y, above);
    };
    const auto at = [](double z, double y) {
        Optics::DiagramPoint p;
        p.shown = std::isfinite(z);
        p.area = areaOf(z);
        p.x = xIn(p.area, z);
        p.y = y;
        return p;
    };
    const double k = m_scene->scale();
    // The scene's figures first: they stand where the scene put them.
    for (const Scenes::Figure& f : m_look.figures) {
        if (f.name.isEmpty())
            continue;
        const double half =
            f.kind == Scenes::Figure::Kind::AxisPoint ? kTick : Bench::twipsOf(f.halfHeight / k);
        put(f.name, at(f.z / k, Bench::kAxisY - half), true);
    }
    const auto tipAbove = [](const Optics::DiagramPoint& p) { return p.y < Bench::kAxisY; };
    put(QStringLiteral("A"), d.object, tipAbove(d.object));
    put(QStringLiteral("B"), d.objectFoot, !tipAbove(d.object));
    const std::size_t n = d.imageTips.size();
    const QString digits = QStringLiteral("\u2081\u2082\u2083\u2084\u2085\u2086\u2087\u2088\u2089");
    const auto index = [&](std::size_t i) {
        return n == 1 ? QStringLiteral("\u2032")
                      : QString(digits.at(int(std::min<std::size_t>(i, 8))));
    };
    for (std::size_t i = 0; i < n; ++i) {
        put(QStringLiteral("A") + index(i), d.imageTips[i], tipAbove(d.imageTips[i]));
        put(QStringLiteral("B") + index(i), d.imageFeet[i], !tipAbove(d.imageTips[i]));
    }
    const std::size_t elements = d.system.elements.size();
    for (std::size_t i = 0; i < elements; ++i) {
        const double z = d.system.elements[i].z;
        if (i < m_look.elementNames.size())
            put(m_look.elementNames[i], at(z, Bench::kAxisY), false);
        const Optics::Axial::Focus focus = Optics::Axial::focusOf(d.system, i);
        if (!focus.finite)
            continue;
        const QString suffix =
            elements == 1 ? QString() : QString(digits.at(int(std::min<std::size_t>(i, 8))));
        put(QStringLiteral("F") + suffix, at(focus.frontPoint, Bench::kAxisY), true);
        put(QStringLiteral("F") + suffix + QStringLiteral("\u2032"),
            at(focus.backPoint, Bench::kAxisY), true);
    }
}

void SceneMode::afterRedraw() {
    if (!m_scene)
        return;
    BenchView& w = view();
    const bool scheme = w.State().SchemeView != kFalse;
    // The bench's lens is not the scene's: its bar, marks, controls and
    // read-outs stay off whatever the redraw put back, and so do the media's
    // sliders and the lens type's buttons, the scene's media and lenses being
    // its own.
    w.ShowLensSymbol(false);
    w.ShowFocalMarks(false);
    w.ShowMarkCaptions(false);
    w.ShowLensControls(false);
    w.ShowMediaAndTypeControls(false);
    w.BlankLensReadouts();
    w.LeftArea().SetTextMarks(scheme ? m_leftNames : QVector<TextMark>());
    w.RightArea().SetTextMarks(scheme ? m_rightNames : QVector<TextMark>());
    showReadouts();
    showEyeInset();
}

// An eye's ball among the scene's figures is shown magnified, with the rays
// and the image the bench drew about it.
void SceneMode::showEyeInset() {
    BenchView& w = view();
    const auto ball = std::find_if(m_look.figures.begin(), m_look.figures.end(), [](const auto& f) {
        return f.kind == Scenes::Figure::Kind::EyeBall;
    });
    const bool shown = ball != m_look.figures.end() && w.State().SchemeView != kFalse;
    if (m_eyeInset->Visible() != shown)
        m_eyeInset->SetVisible(shown);
    if (!shown)
        return;
    // The bench's twips with the eye's lens line at x = 0 of the right area.
    const double eye = Bench::twipsOf(ball->z / m_scene->scale());
    const QRectF seen(Bench::kLensX + eye - kSeenBefore, Bench::kAxisY - kSeenHalf, kSeenWidth,
                      2 * kSeenHalf);
    QVector<Figure> about;
    const auto take = [&](const PictureBox& area, double shift) {
        for (Figure f : area.figures()) {
            f.x1 += float(shift);
            f.x2 += float(shift);
            const QRectF box =
                f.kind == Figure::Kind::Circle
                    ? QRectF(f.x1 - f.radius, f.y1 - f.radius, 2 * f.radius, 2 * f.radius)
                    : QRectF(QPointF(f.x1, f.y1), QPointF(f.x2, f.y2)).normalized();
            if (box.adjusted(-1, -1, 1, 1).intersects(seen))
                about.append(f);
        }
    };
    take(w.LeftArea(), 0);
    take(w.RightArea(), Bench::kLensX);
    m_eyeInset->show(std::move(about), seen, kMagnified,
                     tr("Глаз, ×%1").arg(Readout::number(kMagnified, 0)));
}

void SceneMode::showReadouts() {
    BenchView& w = view();
    const QStringList& lines = m_look.readouts;
    w.ShowImageReadouts(QString(), QString());
    const QList<Label*>& band = w.TaskLines();
    for (int i = 0; i < band.size(); ++i) {
        const QString text = lines.value(i + kBandLines);
        if (band[i]->Caption() != text)
            band[i]->SetCaption(text);
        if (band[i]->Visible() != !text.isEmpty())
            band[i]->SetVisible(!text.isEmpty());
    }
}
