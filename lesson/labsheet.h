// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "twipgeometry.h"

#include <QList>
#include <QStringList>
#include <QWidget>

// The table of the laboratory work over the top of the bench: lines of text,
// a line of several cells set out in columns.
class LabSheet : public QWidget, public TwipGeometry {
public:
    // The lines the sheet has room for.
    static constexpr int kLines = 9;

    explicit LabSheet(QWidget* parent);

    void setLines(const QList<QStringList>& lines);
    const QList<QStringList>& lines() const { return m_lines; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QStringList> m_lines;
};
