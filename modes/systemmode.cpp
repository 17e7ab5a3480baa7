// SPDX-License-Identifier: GPL-3.0-or-later
// Two thin lenses on the bench. The optics (the images after each lens, their
// magnifications, the construction) is the library's: Axial::imagesOf on the
// system withSecondLens builds, and systemDiagram's strokes. This mode draws
// the second lens, its foci and the medium behind it, names the points, and
// writes the final image's numbers.
#include "systemmode.h"

#include "benchmode.h"
#include "benchview.h"
#include "scenemode.h"

#include "bench.h"
#include "benchgeometry.h"
#include "benchlens.h"
#include "label.h"
#include "lens.h"
#include "lensfigure.h"
#include "lessontools.h"
#include "palette.h"
#include "picturebox.h"
#include "readout.h"
#include "screeninfo.h"
#include "secondlensdialog.h"
#include "segmentclip.h"
#include "shape.h"
#include "systemdiagram.h"

#include <QAction>
#include <QFont>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <functional>

using namespace LensFigure;

namespace {
using InputCodes::kKeyLeft;
using InputCodes::kKeyRight;
constexpr int kKeyEnter = 13;
constexpr int kKeyDelete = 46;
constexpr int kShiftHeld = 1;
constexpr int kLeftButton = 1;

// The arrows move the lens by a millimetre of the real bench, with Shift by a
// centimetre, whatever the scale.
constexpr double kRealStep = 0.1;
constexpr double kRealShiftStep = 1;

// A press this near the bar (or on its arrowheads) takes the lens.
constexpr double kGrip = 250;
// The focal marks: circles of the window's marks' size, at their height.
constexpr double kMarkSize = 135;
constexpr float kMarkTop = 3930;
// The read-out of the index behind the second lens, as lbln2 beside the first.
constexpr float kIndexWidth = 1335;
constexpr float kIndexHeight = 435;
constexpr float kIndexTop = 7590;
constexpr float kIndexMargin = 90;
constexpr float kAreaHeight = 8025;
// The lines over the top of the bench the magnifications and a note on the
// first image are written in.
constexpr int kMagnificationLine = 0;
constexpr int kNoteLine = 1;

// A medium's tint as the window tints the areas: the deeper the index, the
// deeper the blue (two levels a step of the index slider).
RgbValue tintOf(double index) {
    const int level = int(std::lround((index - 1) * 2 * Bench::kIndexSteps));
    return RGB(255 - level, 255 - level, 255);
}

QString subscript(const char* letter, int k) {
    return Readout::letter(letter) + (k == 1 ? QStringLiteral("\u2081") : QStringLiteral("\u2082"));
}

QString named(const QString& name, const QString& value) {
    return name + QStringLiteral(" = ") + value;
}

const QString kApart = QStringLiteral("   ");

// The second lens between the medium before it and the one behind it.
Optics::Lens secondLensOf(const Optics::SecondLens& second, double before) {
    return {before, second.lens.N, second.after, second.lens.R1, second.lens.R2};
}

bool sane(const Optics::SecondLens& lens) {
    return std::isfinite(lens.distance) && std::isfinite(lens.lens.N) && lens.lens.N >= 1 &&
           !std::isnan(lens.lens.R1) && !std::isnan(lens.lens.R2) && std::isfinite(lens.after) &&
           lens.after >= 1;
}

} // namespace

SystemMode::SystemMode(BenchView& view) : Mode(view) {}

void SystemMode::setUp() {
    PictureBox& right = view().RightArea();
    // The medium behind the second lens: a box of its tint under the figures.
    m_medium = new PictureBox(&right);
    m_medium->setObjectName(QStringLiteral("picSystemMedium"));
    m_medium->setAccessibleName(tr("Среда за второй линзой"));
    m_medium->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_medium->setFocusPolicy(Qt::NoFocus);
    m_medium->SetVisible(false);
    m_medium->lower();
    // The second lens's foci, marked as the window marks the first's: a dot
    // drawn once and copied while the rays repaint over it; two in each area,
    // as either focus may fall before the first lens.
    for (int i = 0; i < 4; ++i) {
        auto* mark = new Shape(Shape::Kind::Circle, i < 2 ? &view().LeftArea() : &right);
        mark->setObjectName(QStringLiteral("shpSystemF%1").arg(i));
        mark->setAccessibleName(i % 2 == 0 ? tr("Передний фокус второй линзы")
                                           : tr("Задний фокус второй линзы"));
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        mark->SetVisible(false);
        m_marks[std::size_t(i)] = mark;
    }
    m_index = new Label(&right, QString(), QFont(QStringLiteral("MS Sans Serif"), 13), true);
    m_index->setObjectName(QStringLiteral("lblSystemIndex"));
    m_index->setAccessibleDescription(tr("Показатель преломления среды за второй линзой"));
    m_index->setAccessibleName(m_index->accessibleDescription());
    m_index->Place(float(Bench::kAreaWidth) - kIndexWidth - kIndexMargin, kIndexTop, kIndexWidth,
                   kIndexHeight);
    m_index->SetVisible(false);

    const auto item = [&](const QString& text, std::function<void()> what) {
        auto* action = new QAction(text);
        QObject::connect(action, &QAction::triggered, action, std::move(what));
        view().AddMenuItem(Action::System, action);
    };
    // From a scene, the bench comes back first: the second lens is its.
    item(tr("Вторая линза…"), [this] {
        view().Scenes().close();
        if (!active())
            toggle();
        editLens();
    });
    item(tr("Убрать вторую линзу"), [this] {
        view().Scenes().close();
        stop();
    });
    // The scenes, each an optical system of its own, below a separator.
    view().Scenes().setUp();
}

std::optional<Optics::SecondLens> SystemMode::secondLens() const {
    if (!m_active)
        return std::nullopt;
    return m_lens;
}

void SystemMode::toggle() {
    if (m_active)
        stop();
    else
        start(m_lens);
}

void SystemMode::putSecondLens(std::optional<Optics::SecondLens> lens) {
    if (!lens) {
        stop();
        return;
    }
    if (!sane(*lens))
        return;
    lens->distance =
        std::clamp(lens->distance, Optics::kNearestSecondLens, Optics::kFarthestSecondLens);
    if (m_active) {
        if (m_lens == *lens)
            return;
        m_lens = *lens;
        view().Redraw();
        view().MarkModified();
        return;
    }
    start(*lens);
}

void SystemMode::start(const Optics::SecondLens& lens) {
    BenchView& w = view();
    m_lens = lens;
    if (!m_active)
        w.Lesson().stopMotion();
    m_active = true;
    m_dragging = false;
    w.SetMode(*this);
    w.SetChecked(Action::System, true);
    // The system is a figure of the scheme view.
    w.ApplyAtOnce([&] {
        if (!w.State().SchemeView)
            w.ShowScheme(true);
    });
    w.MarkModified();
}

void SystemMode::stop() {
    if (!m_active)
        return;
    BenchView& w = view();
    w.SetMode(w.NormalMode()); // leave() takes the mode's parts off
    w.Redraw();
    w.MarkModified();
}

void SystemMode::leave() {
    m_active = false;
    m_dragging = false;
    view().SetChecked(Action::System, false);
    hideParts();
}

void SystemMode::hideParts() {
    m_medium->SetVisible(false);
    for (Shape* mark : m_marks)
        mark->SetVisible(false);
    m_index->SetVisible(false);
    for (const int i : {kMagnificationLine, kNoteLine})
        if (Label* line = view().TaskLines().value(i))
            line->SetVisible(false);
    m_leftNames.clear();
    m_rightNames.clear();
    m_distances.clear();
    m_kind.clear();
    m_magnifications.clear();
    m_note.clear();
}

void SystemMode::leftPress(int button, int shift, float x, float y) {
    // The right button's wipe of the single lens's construction would take the
    // second lens off the figure with it while the system stands.
    if (button != kLeftButton)
        return;
    view().PlaceByPress(button, shift, x, y);
}

void SystemMode::leftMove(int button, int shift, float x, float y) {
    view().PlaceByDrag(button, shift, x, y);
}

void SystemMode::leftKey(int keyCode, int shift) {
    view().PlaceByKey(keyCode, shift);
}

bool SystemMode::onLens(double x, double y) const {
    const double lensX = Bench::twipsOf(m_lens.distance);
    return std::fabs(x - lensX) <= kGrip && y >= kBarTop - kHead - kGrip / 2 &&
           y <= kBarBottom + kHead + kGrip / 2;
}

void SystemMode::rightPress(int button, int, float x, float y) {
    m_dragging = button == kLeftButton && onLens(x, y);
    m_grab = x - Bench::twipsOf(m_lens.distance);
}

void SystemMode::rightMove(int button, int, float x, float) {
    if (!(button & kLeftButton)) {
        m_dragging = false;
        return;
    }
    if (m_dragging && std::isfinite(x))
        moveLens(Bench::cmOf(x - m_grab));
}

void SystemMode::rightDoubleClick(int button, int shift, float x, float y) {
    if (button == kLeftButton && onLens(x, y)) {
        m_dragging = false;
        editLens();
        return;
    }
    rightPress(button, shift, x, y);
}

void SystemMode::rightKey(int keyCode, int shift) {
    const double real = shift & kShiftHeld ? kRealShiftStep : kRealStep;
    const double step = real / view().CurrentScale().factor();
    switch (keyCode) {
    case kKeyLeft:
        moveLens(m_lens.distance - step);
        break;
    case kKeyRight:
        moveLens(m_lens.distance + step);
        break;
    case kKeyEnter:
        editLens();
        break;
    case kKeyDelete:
        stop();
        break;
    default:
        break;
    }
}

void SystemMode::moveLens(double distance) {
    if (!m_active || !std::isfinite(distance))
        return;
    // Steps of a tenth of a millimetre at most: the arrows' sums stay round.
    distance = std::round(distance * 1e4) / 1e4;
    distance = std::clamp(distance, Optics::kNearestSecondLens, Optics::kFarthestSecondLens);
    if (distance == m_lens.distance)
        return;
    m_lens.distance = distance;
    view().Redraw();
    view().MarkModified();
}

void SystemMode::editLens() {
    if (!m_active)
        return;
    BenchView& w = view();
    const std::optional<Optics::SecondLens> typed = SecondLensDialog::edit(
        w.Window(), m_lens, w.State().n2, w.CurrentScale(), w.CurrentNotation());
    if (typed && m_active)
        putSecondLens(typed);
}

bool SystemMode::allows(Action action) const {
    switch (action) {
    // Made for one lens: the tasks and the laboratory; the lens view has no
    // second lens to show. The motion, the graph, the table and the
    // worksheet follow the final image.
    case Action::Task:
    case Action::NextTask:
    case Action::TaskLevel:
    case Action::Results:
    case Action::Lab:
    case Action::LabReveal:
    case Action::LabSave:
    case Action::LabDeleteRow:
    case Action::Views:
        return false;
    default:
        return true;
    }
}

bool SystemMode::escape() {
    stop();
    return true;
}

void SystemMode::drawConstruction() {
    BenchView& w = view();
    const BenchState& bench = w.State();
    PictureBox& left = w.LeftArea();
    PictureBox& right = w.RightArea();
    const Optics::Pen leftPen = penOf(left);
    const Optics::Pen rightPen = penOf(right);
    const Optics::SystemDiagram d = Optics::systemDiagram(bench, m_lens, leftPen, rightPen);
    w.DrawGiven(d.rays, true);
    // The areas keep the pens they had: the single lens's construction starts
    // from them once the second lens is gone.
    struct Restore {
        PictureBox& area;
        Optics::Pen pen;
        ~Restore() { setPen(area, pen); }
    } keepLeft{left, leftPen}, keepRight{right, rightPen};
    const Palette::Construction& colours = Palette::of(bench);
    const bool names = bench.ShowLabels != kFalse;

    // The object and the two images, where the construction leaves them out.
    const bool drawsArrows =
        std::any_of(d.rays.strokes.begin(), d.rays.strokes.end(), [](const Optics::Stroke& s) {
            return s.role == Optics::Role::Object || s.role == Optics::Role::ImageLine;
        });
    const auto area = [&](Optics::Area a) -> PictureBox& {
        return a == Optics::Area::Left ? left : right;
    };
    if (!drawsArrows && d.object.shown)
        arrow(area(d.object.area), d.object.x, d.object.y, colours.object, false, names);
    if (!drawsArrows)
        for (std::size_t k = 0; k < d.images.size() && k < 2; ++k) {
            const Optics::DiagramPoint& tip = k == 0 ? d.firstImage : d.finalImage;
            if (!tip.shown)
                continue;
            const bool real = d.images[k].kind == Optics::ImageKind::Real;
            arrow(area(tip.area), tip.x, tip.y, real ? colours.realImage : colours.virtualImage,
                  !real, names);
        }

    // The second lens: its bar and arrowheads, out when it converges.
    const double x = d.lensX;
    LensFigure::lens(right, x, d.converging);
    // Its foci as the window marks a lens's: dark for a converging lens, red
    // for a diverging one (the palette's).
    const RgbValue colour = d.converging ? colours.convergingMark : colours.divergingMark;
    const double foci[] = {d.frontFocusX, d.backFocusX};
    bool shown[4] = {};
    for (std::size_t k = 0; k < 2; ++k) {
        // Where it falls before the first lens, it stands in the left area.
        const bool before = foci[k] < 0;
        const double at = before ? Bench::kLensX + foci[k] : foci[k];
        if (std::fabs(foci[k]) >= Bench::kFar || at < 0 || at > Bench::kAreaWidth)
            continue;
        const std::size_t i = (before ? 0 : 2) + k;
        Shape* mark = m_marks[i];
        shown[i] = true;
        mark->Place(float(at - kMarkSize / 2), kMarkTop, float(kMarkSize), float(kMarkSize));
        if (mark->BackColor() != colour) {
            mark->SetBackColor(colour);
            mark->SetBorderColor(colour);
        }
    }
    for (std::size_t i = 0; i < 4; ++i)
        if (m_marks[i]->Visible() != shown[i])
            m_marks[i]->SetVisible(shown[i]);

    m_leftNames.clear();
    m_rightNames.clear();
    if (!names)
        return;
    // The names, the points first and the axis's after, each clear of what
    // is drawn and of the names before it.
    const Optics::Notation notation = w.CurrentNotation();
    Namer onLeft{&left, &m_leftNames, colours.label};
    Namer onRight{&right, &m_rightNames, colours.label};
    const auto put = [&](const QString& text, const Optics::DiagramPoint& p, bool above) {
        if (!p.shown || p.x < 0 || p.x > Bench::kAreaWidth || p.y < 0 || p.y > kAreaHeight)
            return;
        (p.area == Optics::Area::Left ? onLeft : onRight).put(text, p.x, p.y, above);
    };
    const auto tipAbove = [](const Optics::DiagramPoint& p) { return p.y < Bench::kAxisY; };
    const QString prime = QStringLiteral("\u2032");
    put(QStringLiteral("A"), d.object, tipAbove(d.object));
    put(QStringLiteral("B"), d.objectFoot, !tipAbove(d.object));
    put(QStringLiteral("A\u2081"), d.firstImage, tipAbove(d.firstImage));
    put(QStringLiteral("B\u2081"), d.firstImageFoot, !tipAbove(d.firstImage));
    put(QStringLiteral("A\u2082"), d.finalImage, tipAbove(d.finalImage));
    put(QStringLiteral("B\u2082"), d.finalImageFoot, !tipAbove(d.finalImage));
    const auto axisPoint = [](double z) {
        Optics::DiagramPoint p;
        p.shown = std::isfinite(z);
        p.area = z < 0 ? Optics::Area::Left : Optics::Area::Right;
        p.x = z < 0 ? Bench::xOf(z) : Bench::twipsOf(z);
        p.y = Bench::kAxisY;
        return p;
    };
    Optics::DiagramPoint o1 = axisPoint(-1e-9);
    o1.x = Bench::kLensX;
    put(QStringLiteral("O\u2081"), o1, false);
    put(QStringLiteral("O\u2082"), axisPoint(m_lens.distance), false);
    // F and F′ of each lens where its media or the notation give it two
    // focal lengths, one F where they give one.
    for (std::size_t k = 0; k < 2 && k < d.system.elements.size(); ++k) {
        const Optics::Axial::Focus focus = Optics::Axial::focusOf(d.system, k);
        if (!focus.finite)
            continue;
        const Optics::Lens lens =
            k == 0 ? Optics::lensOf(bench)
                   : secondLensOf(m_lens, Optics::Axial::indexBefore(d.system, 1));
        const QString index = k == 0 ? QStringLiteral("\u2081") : QStringLiteral("\u2082");
        const bool one = Optics::oneFocalLength(notation, lens);
        put(QStringLiteral("F") + index, axisPoint(focus.frontPoint), true);
        put(QStringLiteral("F") + index + (one ? QString() : prime), axisPoint(focus.backPoint),
            true);
    }
}

void SystemMode::afterRedraw() {
    BenchView& w = view();
    const BenchState& bench = w.State();
    const bool scheme = bench.SchemeView != kFalse;
    if (!scheme)
        for (Shape* mark : m_marks)
            mark->SetVisible(false);
    // The names of the system replace the marks' laid-out captions.
    if (scheme && bench.ShowLabels)
        w.ShowMarkCaptions(false);
    w.LeftArea().SetTextMarks(scheme ? m_leftNames : QVector<TextMark>());
    w.RightArea().SetTextMarks(scheme ? m_rightNames : QVector<TextMark>());
    showMedium();
    showReadouts();
}

// Set only where it changes: a drag redraws on every event, and a box set
// anew would repaint the whole medium under the figures each time.
void SystemMode::showMedium() {
    const double x = Bench::twipsOf(m_lens.distance);
    const RgbValue tint = tintOf(m_lens.after);
    // Of the same index as the medium between the lenses, it needs no box.
    const bool differs = tint != view().RightArea().BackColor();
    if (differs && m_medium->BackColor() != tint)
        m_medium->SetBackColor(tint);
    m_medium->Place(float(x), 0, float(Bench::kAreaWidth - x), kAreaHeight);
    if (m_medium->Visible() != differs)
        m_medium->SetVisible(differs);
    if (m_index->BackColor() != tint)
        m_index->SetBackColor(tint);
    m_index->SetCaption(readoutText(m_lens.after));
    const QString name =
        tr("Показатель преломления среды за второй линзой: %1").arg(Readout::typed(m_lens.after));
    if (m_index->accessibleName() != name)
        m_index->setAccessibleName(name);
    if (!m_index->Visible())
        m_index->SetVisible(true);
}

void SystemMode::showReadouts() {
    BenchView& w = view();
    const BenchState& bench = w.State();
    const Optics::Notation notation = w.CurrentNotation();
    const Optics::Letters& l = Optics::lettersOf(notation);
    const Optics::Scale scale = w.CurrentScale();
    const Optics::Axial::System system =
        Optics::withSecondLens(Optics::constructionSystem(bench), m_lens);
    const double between = Optics::Axial::indexBefore(system, 1);
    const Optics::Lens first = Optics::lensOf(bench);
    const Optics::Lens second = secondLensOf(m_lens, between);
    const auto cm = [&](double benchCm) {
        return Readout::centimetresOf(scale.realOfBenchCm(benchCm));
    };

    // The second lens's focal length, and the powers adding in contact.
    QStringList lens;
    const Optics::FocalLengths f2 = Optics::focalLengths(second);
    lens << named(subscript(l.focalLength, 2), f2.finite ? cm(f2.front) : QStringLiteral("∞"));
    lens << named(Readout::letter("O\u2081O\u2082"), cm(m_lens.distance));
    if (m_lens.distance == Optics::kNearestSecondLens) {
        const double d1 = Optics::realDioptres(Optics::powerIn(notation, first), scale);
        const double d2 = Optics::realDioptres(Optics::powerIn(notation, second), scale);
        lens << tr("%1 = %2 + %3 = %4 + %5 = %6 дптр")
                    .arg(Readout::letter(l.power), subscript(l.power, 1), subscript(l.power, 2),
                         Readout::number(d1), Readout::number(d2), Readout::number(d1 + d2));
    }

    QStringList distances;
    QStringList magnifications;
    QString kind;
    QString note;
    const bool scheme = bench.SchemeView != kFalse;
    const std::vector<Optics::Axial::Image> images = scheme && Optics::objectOnBench(bench)
                                                         ? Optics::Axial::imagesOf(system)
                                                         : std::vector<Optics::Axial::Image>();
    if (images.size() == 2) {
        distances << named(subscript(l.objectDistance, 1), cm(images[0].objectDistance));
        const Optics::Axial::Image& final = images[1];
        const QString gamma = Readout::letter(l.magnification);
        if (images[0].kind == Optics::ImageKind::None) {
            // Parallel light between the lenses: A₁B₁ at infinity.
            kind = tr("A₁B₁ на бесконечности: предмет в фокальной плоскости первой линзы");
            if (final.kind != Optics::ImageKind::None)
                distances << named(subscript(l.imageDistance, 2), cm(final.distance));
        } else if (final.kind == Optics::ImageKind::None) {
            kind = tr("A₂B₂ на бесконечности: A₁B₁ в фокальной плоскости второй линзы, лучи "
                      "выходят параллельно");
            magnifications << named(subscript(l.magnification, 1),
                                    Readout::magnification(notation, images[0].magnification));
        } else {
            distances << named(subscript(l.imageDistance, 2), cm(final.distance));
            const double g1 = images[0].magnification;
            const double g2 = Optics::Axial::ownMagnification(images, 1);
            magnifications << named(subscript(l.magnification, 1),
                                    Readout::magnification(notation, g1))
                           << named(subscript(l.magnification, 2),
                                    Readout::magnification(notation, g2))
                           << named(gamma + QStringLiteral(" = ") + subscript(l.magnification, 1) +
                                        QStringLiteral("·") + subscript(l.magnification, 2),
                                    Readout::magnification(notation, final.magnification));
            kind = tr("A₂B₂: %1")
                       .arg(Readout::kindWords(final.kind == Optics::ImageKind::Real,
                                               final.magnification > 0,
                                               Optics::sizeOf(final.magnification)));
            if (images[0].kind == Optics::ImageKind::Real && images[0].z > m_lens.distance)
                note = tr("A₁B₁ за второй линзой: на неё падают сходящиеся лучи, A₁B₁ для неё — "
                          "мнимый предмет");
        }
    }
    m_distances = distances.join(kApart);
    m_kind = kind;
    m_magnifications = (magnifications + lens).join(kApart);
    m_note = note;
    w.ShowImageReadouts(m_distances, m_kind);
    if (Label* line = w.TaskLines().value(kMagnificationLine)) {
        line->SetCaption(m_magnifications);
        if (!line->Visible())
            line->SetVisible(true);
    }
    if (Label* line = w.TaskLines().value(kNoteLine)) {
        line->SetCaption(m_note);
        if (line->Visible() != !m_note.isEmpty())
            line->SetVisible(!m_note.isEmpty());
    }
}
