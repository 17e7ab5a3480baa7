// SPDX-License-Identifier: GPL-3.0-or-later
// The object in motion, the graph of b and Γ against d, and the table of
// measurements.
#include "lessontools.h"

#include "benchview.h"

#include "bench.h"
#include "benchlens.h"
#include "benchoptics.h"
#include "graphtitles.h"
#include "graphwindow.h"
#include "lens.h"
#include "measurementtable.h"
#include "messages.h"
#include "motiondriver.h"
#include "readout.h"
#include "secondlens.h"
#include "systemmode.h"

#include <QAction>
#include <QApplication>
#include <QScreen>

namespace {
// Where the object moves when none was placed: 1000 twips above the axis.
constexpr float kMotionHeightAboveAxis = 1000;

// Whether the bench shows an image to plot or record: one lens's once its
// construction is drawn, a system's (which the scheme view always draws)
// wherever an object stands.
bool imageShown(const BenchState& bench, bool system) {
    return bench.SchemeView && (bench.ConstructionShown || system) && Optics::objectOnBench(bench);
}

QString speedText(double speed) {
    return LessonTools::tr("%1 см/с").arg(Readout::locale().toString(speed, 'g', 3));
}
} // namespace

LessonTools::LessonTools(BenchView& view) : m_view(view) {
    m_motion = new MotionDriver(&m_view.Window());
    m_motion->frontFocal = [this] {
        // In centimetres, infinite without power: no marks to halt at.
        return Optics::focalLengths(Optics::lensOf(m_view.State())).front;
    };
    m_motion->place = [this](double x) {
        // The lens view draws no construction: the motion has nothing to show.
        if (!m_view.State().SchemeView) {
            stopMotion();
            return;
        }
        m_view.PlaceObject(float(x), m_view.State().ObjectY);
        m_view.Redraw();
    };

    // The speeds are also offered on the button's context menu.
    for (int i = 0; i < int(std::size(MotionDriver::kSpeeds)); ++i) {
        auto* action = new QAction();
        QObject::connect(action, &QAction::triggered, action, [this, i] {
            m_motion->setSpeedIndex(i - 1);
            nextMotionSpeed();
        });
        m_view.AddMenuItem(Action::Motion, action);
        m_speeds << action;
    }
    m_motion->setSpeedIndex(m_motion->speedIndex() - 1);
    nextMotionSpeed();
}

void LessonTools::nameTools(Optics::Notation notation) {
    const Optics::Letters& l = Optics::lettersOf(notation);
    m_view.SetToolTip(Action::Graph,
                      tr("График %1 и %2 с таблицей измерений (Ctrl+G)")
                          .arg(GraphTitles::imageDistanceCurve(notation),
                               GraphTitles::magnificationCurve(notation)),
                      false);
    m_view.SetToolTip(Action::Record,
                      tr("Записать %1, %2, %3 в таблицу измерений (Ctrl+R)")
                          .arg(Readout::letter(l.objectDistance), Readout::letter(l.imageDistance),
                               Readout::letter(l.magnification)),
                      false);
}

bool LessonTools::graphShown() const {
    return m_graph && m_graph->isVisible();
}

bool LessonTools::motionRunning() const {
    return m_motion->running();
}

void LessonTools::nextMotionSpeed() {
    m_motion->setSpeedIndex(m_motion->speedIndex() + 1);
    showSpeeds();
}

void LessonTools::showSpeeds() {
    // The object moves so many centimetres of the bench a second: real ones
    // at the bench's scale.
    const Optics::Scale scale = m_view.CurrentScale();
    m_view.SetToolTip(
        Action::Motion,
        tr("Предмет движется к линзе и обратно (Ctrl+M); скорость %1, сменить: Ctrl+Shift+M")
            .arg(speedText(scale.realOfBenchCm(m_motion->speed()))),
        true);
    const QList<QAction*>& speeds = m_speeds;
    for (int i = 0; i < int(speeds.size()) && i < int(std::size(MotionDriver::kSpeeds)); ++i)
        speeds[i]->setText(
            tr("Скорость %1").arg(speedText(scale.realOfBenchCm(MotionDriver::kSpeeds[i]))));
}

void LessonTools::toggleMotion() {
    if (!m_view.Allows(Action::Motion))
        return;
    if (m_motion->running()) {
        stopMotion();
        return;
    }
    if (!m_view.State().SchemeView)
        m_view.ShowScheme(true);
    // The height where the object stands, or above the axis if it stands
    // nowhere; the motion's start places it along the axis at once.
    if (!(m_view.State().ObjectPlaced && Optics::objectOnBench(m_view.State())))
        m_view.PlaceObject(m_view.State().ObjectX, float(Bench::kAxisY - kMotionHeightAboveAxis));
    const QScreen* display = m_view.Window().screen();
    m_motion->start(display ? display->refreshRate() : 0);
    m_view.SetChecked(Action::Motion, true);
}

void LessonTools::stopMotion() {
    m_motion->stop();
    m_view.SetChecked(Action::Motion, false);
}

GraphWindow* LessonTools::openGraph() {
    // Under a scale at which no window fits the screen the graph is not built:
    // its charts and table would ask for gigabytes of device pixels.
    if (!Messages::roomFor(&m_view.Window(), GraphTitles::windowTitle(m_view.CurrentNotation())))
        return nullptr;
    if (!m_graph) {
        // The charts are built the first time the graph is asked for; shown,
        // hidden or moved, it has the window share its room anew.
        m_graph = new GraphWindow(&m_view.Window());
        QObject::connect(m_graph, &GraphWindow::placementChanged, &m_view.Window(),
                         [this] { m_view.ApplyZoom(); });
    }
    if (m_graph->isHidden())
        m_graph->show();
    follow();
    return m_graph;
}

void LessonTools::toggleGraph() {
    if (m_graph && m_graph->isVisible()) {
        m_graph->hide();
        return;
    }
    if (!m_view.Allows(Action::Graph))
        return; // its curves would give a task's answer away
    if (GraphWindow* graph = openGraph())
        graph->raise();
}

void LessonTools::record() {
    const BenchState& bench = m_view.State();
    if (!m_view.Allows(Action::Record) || !imageShown(bench, m_view.Systems().active())) {
        QApplication::beep();
        return;
    }
    GraphWindow* graph = openGraph();
    if (!graph)
        return;
    // With a second lens the row is the final image's, traced through both.
    if (const auto second = m_view.Systems().secondLens())
        graph->table()->addRow(Measurements::measure(
            Optics::withSecondLens(Optics::constructionSystem(bench), *second),
            m_view.CurrentScale()));
    else
        graph->table()->addRow(Bench::measure(Optics::lensOf(bench), bench.ObjectX, bench.ObjectY,
                                              m_view.CurrentScale()));
}

void LessonTools::follow() {
    // Nothing to do while the graph was never opened or is closed; it catches
    // up when shown again.
    if (!m_graph || !m_graph->isVisible())
        return;
    const BenchState& bench = m_view.State();
    m_graph->setSafePalette(bench.SafePalette);
    m_graph->setNotation(m_view.CurrentNotation());
    m_graph->follow(Optics::lensOf(bench), m_view.CurrentScale(),
                    imageShown(bench, m_view.Systems().active()), bench.ObjectX, bench.ObjectY,
                    m_view.Systems().secondLens());
}
