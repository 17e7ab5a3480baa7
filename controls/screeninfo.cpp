// SPDX-License-Identifier: GPL-3.0-or-later
#include "screeninfo.h"

#include <QHash>
#include <QObject>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {
// Widgets keep int pixel geometry; a control further away than this is out of
// every screen and is hidden instead of being moved there.
constexpr double kFarAway = 1 << 20;

// The least screen, in its own pixels, on which a window of the program can
// stand: an 800 x 600 screen at 200 %.
constexpr QSize kLeastRoom(400, 300);

struct WindowScale {
    double zoom = 1;
    QPointF origin;
};

// The scale of every window that has one, by window.
QHash<const QWidget*, WindowScale>& windowScales() {
    static QHash<const QWidget*, WindowScale> scales;
    return scales;
}

WindowScale scaleOf(const QWidget* widget) {
    const auto& scales = windowScales();
    const auto it = scales.constFind(widget->window());
    return it == scales.cend() ? WindowScale{} : *it;
}
} // namespace

ScreenInfo::ScreenInfo(double logicalDpi, double zoom, QPointF origin)
    : m_zoom(zoom > 0 && std::isfinite(zoom) ? zoom : 1.0),
      m_pixelsPerTwip((logicalDpi > 0 && std::isfinite(logicalDpi) ? logicalDpi : 96.0) * m_zoom /
                      1440.0),
      m_origin(origin) {}

ScreenInfo ScreenInfo::of(const QWidget* control) {
    return ScreenInfo(control->logicalDpiX(), scaleOf(control).zoom);
}

ScreenInfo ScreenInfo::ofContainer(const QWidget* control) {
    const WindowScale scale = scaleOf(control);
    const QWidget* container = control->parentWidget();
    const bool onWindowFace = container && container == control->window();
    return ScreenInfo(control->logicalDpiX(), scale.zoom, onWindowFace ? scale.origin : QPointF());
}

void ScreenInfo::setWindowScale(QWidget* window, double zoom, QPointF origin) {
    auto& scales = windowScales();
    if (!scales.contains(window))
        QObject::connect(window, &QObject::destroyed, [window] { windowScales().remove(window); });
    scales.insert(window, WindowScale{zoom, origin});
}

double ScreenInfo::boundedPictureScale(const QWidget* control, double scale, QSize laidOut) {
    const QScreen* screen = control->screen();
    if (!screen || laidOut.isEmpty())
        return scale;
    const QSizeF device = QSizeF(screen->geometry().size()) * screen->devicePixelRatio();
    return std::min({scale, device.width() / laidOut.width(), device.height() / laidOut.height()});
}

bool ScreenInfo::roomForWindow(const QWidget* control) {
    const QScreen* screen = control ? control->screen() : nullptr;
    if (!screen)
        return true;
    const QSize room = screen->availableSize();
    return room.width() >= kLeastRoom.width() && room.height() >= kLeastRoom.height();
}

double ScreenInfo::zoomOf(const QWidget* widget) {
    return scaleOf(widget).zoom;
}

bool ScreenInfo::toPixelRect(double left, double top, double width, double height,
                             QRect* out) const {
    const QPointF topLeft = toPixels(QPointF(left, top));
    const QPointF bottomRight = toPixels(QPointF(left + width, top + height));
    const double x0 = std::round(topLeft.x());
    const double y0 = std::round(topLeft.y());
    double x1 = std::round(bottomRight.x());
    double y1 = std::round(bottomRight.y());
    for (double v : {x0, y0, x1, y1}) {
        if (!std::isfinite(v) || std::fabs(v) > kFarAway)
            return false;
    }
    // A thin strip (the axis, the lens plane) never rounds away to nothing.
    if (width > 0 && x1 <= x0)
        x1 = x0 + 1;
    if (height > 0 && y1 <= y0)
        y1 = y0 + 1;
    *out = QRect(int(x0), int(y0), std::max(0, int(x1 - x0)), std::max(0, int(y1 - y0)));
    return true;
}

int ScreenInfo::strokePixels(double designWidth) const {
    // A width that is whole up to rounding error (2 at factor 1.5) stays whole.
    constexpr double kWholeSlack = 1e-6;
    return std::max(1, int(std::ceil(designPixels(designWidth) - kWholeSlack)));
}
