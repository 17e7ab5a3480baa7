// SPDX-License-Identifier: GPL-3.0-or-later
#include "labsheet.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace {
const QColor kPaper(255, 255, 225);
const QColor kInk(0, 0, 0);
const QColor kSelected(190, 215, 255); // the selected row's band
// Where the cells of a row begin, as shares of the width: number, d, f, F,
// F′ (between two media), what the screen showed.
constexpr double kColumns[] = {0.01, 0.06, 0.16, 0.26, 0.36, 0.46};
constexpr double kLeft = 0.01;
// The scroll bar's width, in lines' heights.
constexpr double kBarWidth = 0.8;
} // namespace

LabSheet::LabSheet(QWidget* parent)
    : CachedSurface(parent), m_bar(new QScrollBar(Qt::Vertical, this)) {
    m_bar->setObjectName(QStringLiteral("labSheetScroll"));
    m_bar->hide();
    QObject::connect(m_bar, &QScrollBar::valueChanged, this, [this] { compose(); });
}

void LabSheet::setTable(const QList<QStringList>& above, const QList<QStringList>& rows, int band,
                        const QList<QStringList>& below) {
    const bool added = rows.size() > m_rows.size();
    m_above = above;
    m_rows = rows;
    m_band = std::max(band, 1);
    m_below = below;
    const QSignalBlocker quiet(m_bar);
    m_bar->setRange(0, std::max(0, int(rows.size()) - m_band));
    m_bar->setPageStep(m_band);
    // A row just recorded is shown.
    if (added)
        m_bar->setValue(m_bar->maximum());
    m_bar->setVisible(m_bar->maximum() > 0);
    placeBar();
    compose();
}

void LabSheet::compose() {
    QList<QStringList> lines = m_above;
    QList<int> rowOfLine(m_above.size(), kNoRow);
    const int first = m_bar->value();
    for (int i = first; i < first + m_band; ++i) {
        lines << (i < m_rows.size() ? m_rows[i] : QStringList{QString()});
        rowOfLine << (i < m_rows.size() ? i : kNoRow);
    }
    lines << m_below;
    if (m_selected >= m_rows.size())
        m_selected = kNoRow;
    if (lines == m_lines && rowOfLine == m_rowOfLine)
        return;
    m_lines = lines;
    m_rowOfLine = rowOfLine;
    redraw();
}

void LabSheet::setRowsName(const QString& name) {
    m_bar->setAccessibleName(name);
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

void LabSheet::placeBar() {
    const double line = lineHeight();
    const int width = std::max(8, int(kBarWidth * line));
    m_bar->setGeometry(this->width() - width, int(m_above.size() * line), width,
                       int(m_band * line));
}

void LabSheet::resizeEvent(QResizeEvent* event) {
    CachedSurface::resizeEvent(event);
    placeBar();
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

void LabSheet::wheelEvent(QWheelEvent* event) {
    if (m_bar->isVisible())
        QCoreApplication::sendEvent(m_bar, event);
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
