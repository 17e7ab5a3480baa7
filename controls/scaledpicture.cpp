// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaledpicture.h"

#include "screeninfo.h"

#include <QWidget>

void ScaledPicture::setSource(std::function<QImage(double)> source) {
    m_source = std::move(source);
    m_scale = 0;
    // Its laid-out size, which bounds it to the screen; a tiny drawing.
    m_laidOut = m_source ? m_source(1).size() : QSize();
}

const QImage& ScaledPicture::forWidget(const QWidget* widget, bool* drawn) {
    const double ratio = widget->devicePixelRatioF();
    const double scale = ScreenInfo::boundedPictureScale(
        widget, ScreenInfo::of(widget).designPixels(1) * ratio, m_laidOut);
    const bool anew = m_source && scale != m_scale;
    if (anew) {
        m_picture = m_source(scale);
        m_picture.setDevicePixelRatio(ratio);
        m_scale = scale;
    }
    if (drawn)
        *drawn = anew;
    return m_picture;
}
