// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notation.h"

#include <QCoreApplication>
#include <QList>

class BenchView;
class QAction;
class GraphWindow;
class MotionDriver;

// The object in motion, the graph of b and Γ against d beside the bench, and
// the table of measurements. All three read the optics model; the motion
// moves the object as a drag does and ends every frame in the window's
// RedrawScheme, which tells the graph.
class LessonTools {
    Q_DECLARE_TR_FUNCTIONS(LessonTools)

public:
    explicit LessonTools(BenchView& view);
    LessonTools(const LessonTools&) = delete;
    LessonTools& operator=(const LessonTools&) = delete;

    void toggleMotion();
    void stopMotion();
    bool motionRunning() const;
    void nextMotionSpeed();
    // The speeds on the motion button's tooltip and menu, real at the scale.
    void showSpeeds();
    void toggleGraph();
    void record();
    // The graph catches up with the bench; a redraw ends with it.
    void follow();
    // The graph, made when first opened; null before.
    GraphWindow* graph() const { return m_graph; }
    bool graphShown() const;
    // The buttons' tooltips in the notation's letters.
    void nameTools(Optics::Notation notation);

private:
    GraphWindow* openGraph();

    BenchView& m_view;
    QList<QAction*> m_speeds; // the speeds on the motion button's menu
    MotionDriver* m_motion = nullptr;
    GraphWindow* m_graph = nullptr;
};
