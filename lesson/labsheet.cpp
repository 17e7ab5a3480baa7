// SPDX-License-Identifier: GPL-3.0-or-later
#include "labsheet.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
const QColor kPaper(255, 255, 225);
const QColor kInk(0, 0, 0);
const QColor kSelected(190, 215, 255); // the selected row's band
// Where the cells of a row begin, as shares of the width: number, d, f, F,
// F′ (between two media), what the screen showed.
constexpr double kColumns[] = {0.01, 0.06, 0.16, 0.26, 0.36, 0.46};
constexpr double kLeft = 0.01;
} // namespace

LabSheet::LabSheet(QWidget* parent) : CachedSurface(parent) {}

void LabSheet::setLines(const QList<QStringList>& lines, const QList<int>& rowOfLine) {
    if (lines == m_lines && rowOfLine == m_rowOfLine)
        return;
    m_lines = lines;
    m_rowOfLine = rowOfLine;
    if (!m_rowOfLine.contains(m_selected))
        m_selected = kNoRow;
    redraw();
}

void LabSheet::select(int row) {
    if (row == m_selected)
        return;
    m_selected = row;
    redraw();
}

double LabSheet::lineHeight() const {
    // The lines share the height evenly, as laid out.
    return double(height()) / kLines;
}

int LabSheet::rowAt(double y) const {
    const int line = int(y / lineHeight());
    return line >= 0 && line < m_rowOfLine.size() ? m_rowOfLine[line] : kNoRow;
}

void LabSheet::mousePressEvent(QMouseEvent* event) {
    select(rowAt(event->position().y()));
    if (event->button() == Qt::RightButton && onMenu)
        onMenu(event->globalPosition().toPoint());
}

void LabSheet::draw(QPainter& p) {
    p.fillRect(rect(), kPaper);
    const double line = lineHeight();
    const int selectedLine = m_selected == kNoRow ? -1 : int(m_rowOfLine.indexOf(m_selected));
    if (selectedLine >= 0)
        p.fillRect(QRectF(0, selectedLine * line, width(), line), kSelected);
    p.setPen(kInk);
    const QFontMetricsF metrics(p.fontMetrics());
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
