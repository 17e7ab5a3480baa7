// SPDX-License-Identifier: GPL-3.0-or-later
#include "motiondriver.h"

#include "benchlens.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
constexpr double kNanosecondsPerSecond = 1e9;
constexpr qint64 kNanosecondsPerMillisecond = 1000000;
constexpr double kFallbackRefreshRate = 60;
constexpr double kLateFactor = 1.5;
constexpr int kSpeedCount = 3;
} // namespace

MotionDriver::MotionDriver(QObject* parent) : QObject(parent) {
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { frame(); });
}

void MotionDriver::setSpeedIndex(int index) {
    m_speedIndex = ((index % kSpeedCount) + kSpeedCount) % kSpeedCount;
}

void MotionDriver::start(double refreshRate) {
    if (!(refreshRate > 0) || !std::isfinite(refreshRate))
        refreshRate = kFallbackRefreshRate;
    m_intervalNs = qint64(kNanosecondsPerSecond / refreshRate);
    m_state = Motion::start(Bench::motionPath(frontFocal(), speed()));
    m_frames = 0;
    m_tick = 0;
    m_late = 0;
    m_clock.start();
    m_lastNs = 0;
    place(Bench::xOf(m_state.z));
    m_running = true;
    scheduleNext();
}

// A timer counts whole milliseconds, a refresh is 16.67 ms: each frame is
// timed to its own deadline, n refresh intervals after the start, so the
// waits run 17, 17, 16 and the frames keep the screen's rate without drift.
// The elapsed time, not the count of frames, drives the path.
void MotionDriver::scheduleNext() {
    const qint64 due = (m_tick + 1) * m_intervalNs;
    const qint64 wait = std::max<qint64>(0, due - m_clock.nsecsElapsed());
    m_timer.start(int((wait + kNanosecondsPerMillisecond / 2) / kNanosecondsPerMillisecond));
}

void MotionDriver::stop() {
    if (!m_running)
        return;
    m_running = false;
    m_timer.stop();
    if (qEnvironmentVariableIsSet("QUELLOR_MOTION_LOG"))
        std::fprintf(stderr, "motion: %ld frames in %.2f s, %ld late\n", m_frames,
                     double(m_clock.nsecsElapsed()) / kNanosecondsPerSecond, m_late);
}

void MotionDriver::frame() {
    const qint64 now = m_clock.nsecsElapsed();
    if (m_frames > 0 && double(now - m_lastNs) > kLateFactor * double(m_intervalNs))
        ++m_late;
    const double seconds = double(now - m_lastNs) / kNanosecondsPerSecond;
    m_lastNs = now;
    ++m_frames;
    // The lens may change while the object moves: the marks follow it.
    m_state = Motion::advance(Bench::motionPath(frontFocal(), speed()), m_state, seconds);
    place(Bench::xOf(m_state.z));
    // A frame so late that its successor's deadline has passed too is let
    // go: the next one is due at the next deadline still ahead.
    ++m_tick;
    while (m_running && (m_tick + 1) * m_intervalNs < m_clock.nsecsElapsed())
        ++m_tick;
    if (m_running)
        scheduleNext();
}
