// SPDX-License-Identifier: GPL-3.0-or-later
// The size of the window's face. The laid-out 15120 x 10935 twips scale by one
// factor to fit the window with their proportions kept, centred on the face
// colour, so the whole bench and panel show on a projector and on a small
// laptop alike. Ctrl+plus and Ctrl+minus zoom from the fit, Ctrl+0 returns to
// it; F11 toggles full screen and Esc leaves it.
#include "form1.h"

#include "bench.h"
#include "graphwindow.h"
#include "lessontools.h"
#include "screeninfo.h"
#include "twipgeometry.h"
#include "zoomsteps.h"

#include <QResizeEvent>
#include <cmath>
#include <initializer_list>

namespace {
constexpr double kZoomStep = 1.25;
constexpr int kMostStepsIn = ZoomLimits::kIn;
constexpr int kMostStepsOut = ZoomLimits::kOut;
} // namespace

void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ApplyZoom();
    EnableActions(); // Esc leaves the full screen while there is one
}

// The factor that fits the laid-out face into the window, times the steps
// zoomed from there. At the laid-out size the factor is exactly 1 and every
// control stands where the layout puts it, pixel for pixel. A docked graph
// takes its laid-out width beside the face at the fit, at the window's right
// edge and its full height, and the face is centred in the rest.
void Form1::ApplyZoom() {
    const ScreenInfo laidOutScale(logicalDpiX());
    QRect laidOut;
    if (!laidOutScale.toPixelRect(0, 0, Bench::kLaidOutWidth, Bench::kLaidOutHeight, &laidOut) ||
        laidOut.isEmpty())
        return;
    GraphWindow* graph = m_lesson ? m_lesson->graph() : nullptr;
    const double beside = graph ? laidOutScale.toPixels(graph->reservedWidth()) : 0;
    const double fit =
        std::min(double(width()) / (laidOut.width() + beside), double(height()) / laidOut.height());
    const double zoom = fit * std::pow(kZoomStep, m_zoomSteps);
    if (!(zoom > 0) || !std::isfinite(zoom))
        return;
    m_zoom = zoom;
    const int panel = int(std::lround(beside * fit));
    const QPointF origin(std::round((width() - panel - laidOut.width() * zoom) / 2),
                         std::round((height() - laidOut.height() * zoom) / 2));
    ScreenInfo::setWindowScale(this, zoom, origin);
    const QList<QWidget*> controls = findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (auto* placed = dynamic_cast<TwipGeometry*>(control))
            placed->applyGeometry();
        control->update();
    }
    if (graph)
        graph->fitBeside(QRect(width() - panel, 0, panel, height()), fit);
    if (m_lesson)
        m_lesson->follow();
}

void Form1::ZoomIn() {
    m_zoomSteps = std::min(m_zoomSteps + 1, kMostStepsIn);
    ApplyZoom();
}

void Form1::ZoomOut() {
    m_zoomSteps = std::max(m_zoomSteps - 1, kMostStepsOut);
    ApplyZoom();
}

void Form1::ZoomToFit() {
    m_zoomSteps = 0;
    ApplyZoom();
}

// Full screen on and off; a maximised window comes back maximised.
void Form1::ToggleFullScreen() {
    setWindowState(windowState() ^ Qt::WindowFullScreen);
    EnableActions();
}
