// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cachedsurface.h"

#include <QList>
#include <QStringList>
#include <functional>

class QScrollBar;

// The table of the laboratory work over the top of the bench: lines of text,
// a line of several cells set out in columns. The recorded rows stand in a
// band of lines between the lines above and below them; when there are more
// rows than the band holds, a scroll bar beside it reaches every one (the
// last ones shown after a row is added). A click on a line that shows a
// recorded row selects that row; a right click selects it and asks for the
// table's menu.
class LabSheet : public CachedSurface {
public:
    // The lines the sheet has room for.
    static constexpr int kLines = 10;
    static constexpr int kNoRow = -1;

    explicit LabSheet(QWidget* parent);

    // The lines above the rows, the rows (row i is recorded row i), the
    // lines the rows' band holds, and the lines below it. The selection
    // stays while its row is there.
    void setTable(const QList<QStringList>& above, const QList<QStringList>& rows, int band,
                  const QList<QStringList>& below);
    // The lines as shown, and the recorded row each shows (kNoRow for none).
    const QList<QStringList>& lines() const { return m_lines; }
    int selectedRow() const { return m_selected; }
    // What a screen reader calls the rows' scroll bar.
    void setRowsName(const QString& name);
    void select(int row);

    // A right click asks for the menu at this global point.
    std::function<void(QPoint global)> onMenu;

protected:
    void draw(QPainter& p) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double lineHeight() const;
    int rowAt(double y) const;
    void compose();
    void placeBar();

    QList<QStringList> m_above, m_rows, m_below;
    int m_band = 0;
    QList<QStringList> m_lines;
    QList<int> m_rowOfLine;
    int m_selected = kNoRow;
    QScrollBar* m_bar;
};
