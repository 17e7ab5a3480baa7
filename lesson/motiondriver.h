// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "objectmotion.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

// Runs the object's motion: one frame per refresh of the screen the window is
// on, each advancing the path by the time that really passed, so the speed is
// steady whatever a frame costs. The bench supplies the front focal length
// (for the marks) and places the object each frame.
class MotionDriver : public QObject {
    Q_OBJECT

public:
    explicit MotionDriver(QObject* parent = nullptr);

    std::function<double()> frontFocal; // cm
    std::function<void(double x)> place;

    void start(double refreshRate);
    void stop();
    bool running() const { return m_running; }

    // The speeds offered, cm/s, and the one in force.
    static constexpr double kSpeeds[] = {0.5, 1, 2};
    double speed() const { return kSpeeds[m_speedIndex]; }
    void setSpeedIndex(int index);
    int speedIndex() const { return m_speedIndex; }

    // Frames since the start, and the frames that came later than one and a
    // half refresh intervals after the one before.
    long frames() const { return m_frames; }
    long lateFrames() const { return m_late; }

private:
    void frame();
    void scheduleNext();

    QTimer m_timer;
    QElapsedTimer m_clock;
    Motion::State m_state;
    qint64 m_lastNs = 0;
    qint64 m_intervalNs = 0;
    bool m_running = false;
    int m_speedIndex = 1;
    long m_frames = 0;
    qint64 m_tick = 0; // the refresh the last frame was due at
    long m_late = 0;
};
