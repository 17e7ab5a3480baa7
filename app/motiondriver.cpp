// SPDX-License-Identifier: GPL-3.0-or-later
#include "motiondriver.h"

#include <cmath>
#include <cstdio>

namespace {
constexpr double kNanosecondsPerSecond = 1e9;
constexpr double kFallbackRefreshRate = 60;
constexpr double kLateFactor = 1.5;
constexpr int kSpeedCount = 3;
} // namespace

MotionDriver::MotionDriver(QObject* parent) : QObject(parent) {
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] { frame(); });
}

void MotionDriver::setSpeedIndex(int index) {
    m_speedIndex = ((index % kSpeedCount) + kSpeedCount) % kSpeedCount;
}

void MotionDriver::start(double refreshRate) {
    if (!(refreshRate > 0) || !std::isfinite(refreshRate))
        refreshRate = kFallbackRefreshRate;
    m_intervalNs = qint64(kNanosecondsPerSecond / refreshRate);
    m_state = Motion::start(Motion::benchPath(frontFocal(), speed()));
    m_frames = 0;
    m_late = 0;
    m_clock.start();
    m_lastNs = 0;
    place(m_state.x);
    // The interval in whole milliseconds nearest the refresh; the elapsed time,
    // not the count of frames, drives the path.
    m_timer.start(int(std::lround(1000.0 / refreshRate)));
}

void MotionDriver::stop() {
    if (!m_timer.isActive())
        return;
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
    m_state = Motion::advance(Motion::benchPath(frontFocal(), speed()), m_state, seconds);
    place(m_state.x);
}
