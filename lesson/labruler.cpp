// SPDX-License-Identifier: GPL-3.0-or-later
#include "labruler.h"

#include "bench.h"
#include "laboratory.h"
#include "screeninfo.h"

#include <QPainter>
#include <cmath>

namespace {
const QColor kWood(250, 236, 190);
const QColor kInk(0, 0, 0);
// Tick lengths as shares of the ruler's height: division, half centimetre,
// centimetre. The numbers stand below the longest.
constexpr double kDivisionTick = 0.15;
constexpr double kHalfTick = 0.25;
constexpr double kCentimetreTick = 0.35;
constexpr int kDivisionsPerCm = 10;
constexpr int kDivisionsPerHalf = 5;
} // namespace

LabRuler::LabRuler(QWidget* parent, double lensX) : CachedSurface(parent), m_lensX(lensX) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LabRuler::draw(QPainter& p) {
    p.fillRect(rect(), kWood);
    const ScreenInfo screen = ScreenInfo::of(this);
    const double lens = screen.toPixels(m_lensX);
    const double perDivision = screen.toPixels(Bench::twipsOf(Lab::benchCm(Lab::kDivisionCm)));
    if (!(perDivision > 0))
        return;
    // Ticks at least a pixel wide; a pen of the window's stroke width.
    QPen pen(kInk, screen.strokePixels(1));
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(QPointF(0, 0.5), QPointF(width(), 0.5));
    const int most = int(std::ceil(std::max(lens, width() - lens) / perDivision));
    const QFontMetricsF metrics(p.fontMetrics());
    for (int i = 0; i <= most; ++i) {
        const double length = i % kDivisionsPerCm == 0     ? kCentimetreTick
                              : i % kDivisionsPerHalf == 0 ? kHalfTick
                                                           : kDivisionTick;
        for (const double x : {lens - i * perDivision, lens + i * perDivision}) {
            if (x < 0 || x > width())
                continue;
            p.drawLine(QPointF(x, 0), QPointF(x, length * height()));
            if (i % kDivisionsPerCm != 0)
                continue;
            const QString number = QString::number(std::lround(i * Lab::kDivisionCm));
            const double w = metrics.horizontalAdvance(number);
            p.drawText(QPointF(x - w / 2, height() - metrics.descent() - 1), number);
        }
    }
}
