// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <functional>

class QWidget;

// A picture drawn by its source for the scale its control shows it at (device
// pixels a laid-out pixel), bounded to what the screen can show, and drawn
// again only when that scale changes: sharp at every size of the window.
class ScaledPicture {
public:
    void setSource(std::function<QImage(double scale)> source);
    bool isSet() const { return bool(m_source); }
    // Forget the drawing, so that the next request draws anew.
    void invalidate() { m_scale = 0; }

    // The picture at the control's scale now; `drawn` says whether it was drawn
    // anew for this request.
    const QImage& forWidget(const QWidget* widget, bool* drawn = nullptr);

private:
    std::function<QImage(double)> m_source;
    QImage m_picture; // drawn for m_scale
    double m_scale = 0;
    QSize m_laidOut; // its size at scale 1
};
