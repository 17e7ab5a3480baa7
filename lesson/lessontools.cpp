// SPDX-License-Identifier: GPL-3.0-or-later
// The object in motion, the graph of b and Γ against d, and the table of
// measurements. All three read the optics model; the motion moves the object
// as a drag does and ends every frame in RedrawScheme, which tells the graph.
#include "form1.h"

#include "bench.h"
#include "commandbutton.h"
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
    return Form1::tr("%1 см/с").arg(Readout::locale().toString(speed, 'g', 3));
}
} // namespace

void Form1::setUpLessonTools() {
    m_motion = new MotionDriver(this);
    m_motion->frontFocal = [this] {
        const Optics::FocalLengths f = Optics::focalLengths(Optics::lensOf(*this));
        return f.finite ? f.front : Bench::kFar;
    };
    m_motion->place = [this](double x) {
        // The lens view draws no construction: the motion has nothing to show.
        if (!SchemeView) {
            StopMotion();
            return;
        }
        ObjectX = float(x);
        ObjectPlaced = kTrue;
        RedrawScheme();
    };

    cmdMotion->setCheckable(true);

    // The speeds are also offered on the button's context menu.
    cmdMotion->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (int i = 0; i < int(std::size(MotionDriver::kSpeeds)); ++i) {
        auto* action =
            new QAction(tr("Скорость %1").arg(speedText(MotionDriver::kSpeeds[i])), cmdMotion);
        connect(action, &QAction::triggered, this, [this, i] {
            m_motion->setSpeedIndex(i - 1);
            NextMotionSpeed();
        });
        cmdMotion->addAction(action);
    }
    m_motion->setSpeedIndex(m_motion->speedIndex() - 1);
    NextMotionSpeed();

    cmdGraph->setToolTip(tr("График b(d) и Γ(d) с таблицей измерений (Ctrl+G)"));
    cmdRecord->setToolTip(tr("Записать d, b, Γ в таблицу измерений (Ctrl+R)"));
    for (CommandButton* button : {cmdMotion, cmdGraph, cmdRecord})
        button->setAccessibleName(button->text());
}

bool Form1::MotionRunning() const {
    return m_motion->running();
}

void Form1::NextMotionSpeed() {
    m_motion->setSpeedIndex(m_motion->speedIndex() + 1);
    cmdMotion->setToolTip(
        tr("Предмет движется к линзе и обратно (Ctrl+M); скорость %1, сменить: Ctrl+Shift+M")
            .arg(speedText(m_motion->speed())));
    cmdMotion->setAccessibleDescription(cmdMotion->toolTip());
}

void Form1::ToggleMotion() {
    if (!Allows(Action::Motion))
        return;
    if (m_motion->running()) {
        StopMotion();
        return;
    }
    if (!SchemeView)
        cmdCx_Click();
    // The height where the object stands, or above the axis if it stands nowhere.
    if (!(ObjectPlaced && Optics::objectOnBench(*this)))
        ObjectY = float(Bench::kAxisY - kMotionHeightAboveAxis);
    const QScreen* display = screen();
    m_motion->start(display ? display->refreshRate() : 0);
    cmdMotion->setChecked(true);
}

void Form1::StopMotion() {
    m_motion->stop();
    cmdMotion->setChecked(false);
}

GraphWindow* Form1::openGraph() {
    // Under a scale at which no window fits the screen the graph is not built:
    // its charts and table would ask for gigabytes of device pixels.
    if (!Messages::roomFor(this, tr("Quellor — график b(d) и Γ(d)")))
        return nullptr;
    if (!m_graph) {
        // The charts are built the first time the graph is asked for; shown,
        // hidden or moved, it has the window share its room anew.
        m_graph = new GraphWindow(this);
        connect(m_graph, &GraphWindow::placementChanged, this, [this] { ApplyZoom(); });
    }
    if (m_graph->isHidden())
        m_graph->show();
    FollowGraph();
    return m_graph;
}

void Form1::ToggleGraph() {
    if (m_graph && m_graph->isVisible()) {
        m_graph->hide();
        return;
    }
    if (!Allows(Action::Graph))
        return; // its curves would give a task's answer away
    if (GraphWindow* graph = openGraph())
        graph->raise();
}

void Form1::RecordMeasurement() {
    if (!Allows(Action::Record) ||
        !(SchemeView && ConstructionShown && Optics::objectOnBench(*this))) {
        QApplication::beep();
        return;
    }
    if (GraphWindow* graph = openGraph())
        graph->table()->addRow(Measurements::measure(Optics::lensOf(*this), ObjectX, ObjectY));
}

void Form1::FollowGraph() {
    // Nothing to do while the graph was never opened or is closed; it catches
    // up when shown again.
    if (!m_graph || !m_graph->isVisible())
        return;
    m_graph->setSafePalette(SafePalette);
    m_graph->follow(Optics::lensOf(*this),
                    SchemeView && ConstructionShown && Optics::objectOnBench(*this), ObjectX,
                    ObjectY);
}
