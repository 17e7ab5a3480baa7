// SPDX-License-Identifier: GPL-3.0-or-later
// The object in motion, the graph of b and Γ against d, and the table of
// measurements.
#include "lessontools.h"

#include "form1.h"

#include "bench.h"
#include "benchlens.h"
#include "benchoptics.h"
#include "commandbutton.h"
#include "graphtitles.h"
#include "graphwindow.h"
#include "lens.h"
#include "measurementtable.h"
#include "messages.h"
#include "motiondriver.h"
#include "readout.h"

#include <QAction>
#include <QApplication>
#include <QScreen>

namespace {
// Where the object moves when none was placed: 1000 twips above the axis.
constexpr float kMotionHeightAboveAxis = 1000;

QString speedText(double speed) {
    return LessonTools::tr("%1 см/с").arg(Readout::locale().toString(speed, 'g', 3));
}
} // namespace

LessonTools::LessonTools(Form1& window) : m_window(window) {
    m_motion = new MotionDriver(&m_window);
    m_motion->frontFocal = [this] {
        // In centimetres, infinite without power: no marks to halt at.
        return Optics::focalLengths(Optics::lensOf(m_window)).front;
    };
    m_motion->place = [this](double x) {
        // The lens view draws no construction: the motion has nothing to show.
        if (!m_window.SchemeView) {
            stopMotion();
            return;
        }
        m_window.ObjectX = float(x);
        m_window.ObjectPlaced = kTrue;
        m_window.RedrawScheme();
    };

    m_window.cmdMotion->setCheckable(true);

    // The speeds are also offered on the button's context menu.
    m_window.cmdMotion->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (int i = 0; i < int(std::size(MotionDriver::kSpeeds)); ++i) {
        auto* action = new QAction(m_window.cmdMotion);
        QObject::connect(action, &QAction::triggered, action, [this, i] {
            m_motion->setSpeedIndex(i - 1);
            nextMotionSpeed();
        });
        m_window.cmdMotion->addAction(action);
    }
    m_motion->setSpeedIndex(m_motion->speedIndex() - 1);
    nextMotionSpeed();

    for (CommandButton* button : {m_window.cmdMotion, m_window.cmdGraph, m_window.cmdRecord})
        button->setAccessibleName(button->text());
}

void LessonTools::nameTools(Optics::Notation notation) {
    const Optics::Letters& l = Optics::lettersOf(notation);
    m_window.cmdGraph->setToolTip(tr("График %1 и %2 с таблицей измерений (Ctrl+G)")
                                      .arg(GraphTitles::imageDistanceCurve(notation),
                                           GraphTitles::magnificationCurve(notation)));
    m_window.cmdRecord->setToolTip(tr("Записать %1, %2, %3 в таблицу измерений (Ctrl+R)")
                                       .arg(Readout::letter(l.objectDistance),
                                            Readout::letter(l.imageDistance),
                                            Readout::letter(l.magnification)));
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
    const Optics::Scale scale = m_window.CurrentScale();
    m_window.cmdMotion->setToolTip(
        tr("Предмет движется к линзе и обратно (Ctrl+M); скорость %1, сменить: Ctrl+Shift+M")
            .arg(speedText(scale.realOfBenchCm(m_motion->speed()))));
    m_window.cmdMotion->setAccessibleDescription(m_window.cmdMotion->toolTip());
    const QList<QAction*> speeds = m_window.cmdMotion->actions();
    for (int i = 0; i < int(speeds.size()) && i < int(std::size(MotionDriver::kSpeeds)); ++i)
        speeds[i]->setText(
            tr("Скорость %1").arg(speedText(scale.realOfBenchCm(MotionDriver::kSpeeds[i]))));
}

void LessonTools::toggleMotion() {
    if (!m_window.Allows(Action::Motion))
        return;
    if (m_motion->running()) {
        stopMotion();
        return;
    }
    if (!m_window.SchemeView)
        m_window.cmdCx_Click();
    // The height where the object stands, or above the axis if it stands nowhere.
    if (!(m_window.ObjectPlaced && Optics::objectOnBench(m_window)))
        m_window.ObjectY = float(Bench::kAxisY - kMotionHeightAboveAxis);
    const QScreen* display = m_window.screen();
    m_motion->start(display ? display->refreshRate() : 0);
    m_window.cmdMotion->setChecked(true);
}

void LessonTools::stopMotion() {
    m_motion->stop();
    m_window.cmdMotion->setChecked(false);
}

GraphWindow* LessonTools::openGraph() {
    // Under a scale at which no window fits the screen the graph is not built:
    // its charts and table would ask for gigabytes of device pixels.
    if (!Messages::roomFor(&m_window, GraphTitles::windowTitle(m_window.CurrentNotation())))
        return nullptr;
    if (!m_graph) {
        // The charts are built the first time the graph is asked for; shown,
        // hidden or moved, it has the window share its room anew.
        m_graph = new GraphWindow(&m_window);
        QObject::connect(m_graph, &GraphWindow::placementChanged, &m_window,
                         [this] { m_window.ApplyZoom(); });
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
    if (!m_window.Allows(Action::Graph))
        return; // its curves would give a task's answer away
    if (GraphWindow* graph = openGraph())
        graph->raise();
}

void LessonTools::record() {
    if (!m_window.Allows(Action::Record) ||
        !(m_window.SchemeView && m_window.ConstructionShown && Optics::objectOnBench(m_window))) {
        QApplication::beep();
        return;
    }
    if (GraphWindow* graph = openGraph())
        graph->table()->addRow(Bench::measure(Optics::lensOf(m_window), m_window.ObjectX,
                                              m_window.ObjectY, m_window.CurrentScale()));
}

void LessonTools::follow() {
    // Nothing to do while the graph was never opened or is closed; it catches
    // up when shown again.
    if (!m_graph || !m_graph->isVisible())
        return;
    m_graph->setSafePalette(m_window.SafePalette);
    m_graph->setNotation(m_window.CurrentNotation());
    m_graph->follow(Optics::lensOf(m_window), m_window.CurrentScale(),
                    m_window.SchemeView && m_window.ConstructionShown &&
                        Optics::objectOnBench(m_window),
                    m_window.ObjectX, m_window.ObjectY);
}
