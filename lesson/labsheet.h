// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cachedsurface.h"

#include <QList>
#include <QStringList>
#include <functional>

// The table of the laboratory work over the top of the bench: lines of text,
// a line of several cells set out in columns. A click on a line that shows a
// recorded row selects that row; a right click selects it and asks for the
// table's menu.
class LabSheet : public CachedSurface {
public:
    // The lines the sheet has room for.
    static constexpr int kLines = 10;
    static constexpr int kNoRow = -1;

    explicit LabSheet(QWidget* parent);

    // The lines, and for each the recorded row it shows (kNoRow for none).
    // The selection stays while its row is shown.
    void setLines(const QList<QStringList>& lines, const QList<int>& rowOfLine = {});
    const QList<QStringList>& lines() const { return m_lines; }
    int selectedRow() const { return m_selected; }
    void select(int row);

    // A right click asks for the menu at this global point.
    std::function<void(QPoint global)> onMenu;

protected:
    void draw(QPainter& p) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    double lineHeight() const;
    int rowAt(double y) const;

    QList<QStringList> m_lines;
    QList<int> m_rowOfLine;
    int m_selected = kNoRow;
};
