// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "twipgeometry.h"

#include <QList>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

// The table of the laboratory work over the top of the bench: lines of text,
// a line of several cells set out in columns.
class QPainter;

class LabSheet : public QWidget, public TwipGeometry {
public:
    // The lines the sheet has room for.
    static constexpr int kLines = 9;

    explicit LabSheet(QWidget* parent);

    void setLines(const QList<QStringList>& lines);
    const QList<QStringList>& lines() const { return m_lines; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void draw(QPainter& p);

    QList<QStringList> m_lines;
    // The text as last drawn, painted again while the bench beneath changes.
    QPixmap m_drawn;
};
