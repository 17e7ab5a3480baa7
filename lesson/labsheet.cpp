// SPDX-License-Identifier: GPL-3.0-or-later
#include "labsheet.h"

#include <QPainter>

namespace {
const QColor kPaper(255, 255, 225);
const QColor kInk(0, 0, 0);
// Where the cells of a row begin, as shares of the width: number, d, f, F,
// what the screen showed.
constexpr double kColumns[] = {0.01, 0.06, 0.16, 0.26, 0.36};
constexpr double kLeft = 0.01;
} // namespace

LabSheet::LabSheet(QWidget* parent) : CachedSurface(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LabSheet::setLines(const QList<QStringList>& lines) {
    if (lines == m_lines)
        return;
    m_lines = lines;
    redraw();
}

void LabSheet::draw(QPainter& p) {
    p.fillRect(rect(), kPaper);
    p.setPen(kInk);
    // The lines share the height evenly, as laid out.
    const QFontMetricsF metrics(p.fontMetrics());
    const double line = m_lines.isEmpty() ? 0 : double(height()) / LabSheet::kLines;
    double y = (line + metrics.ascent() - metrics.descent()) / 2;
    for (const QStringList& cells : m_lines) {
        if (cells.size() == 1) {
            p.drawText(QPointF(kLeft * width(), y), cells.front());
        } else {
            for (int i = 0; i < cells.size() && i < int(std::size(kColumns)); ++i)
                p.drawText(QPointF(kColumns[i] * width(), y), cells[i]);
        }
        y += line;
    }
}
