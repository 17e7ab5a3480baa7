// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cachedsurface.h"

#include <QList>
#include <QStringList>

// The table of the laboratory work over the top of the bench: lines of text,
// a line of several cells set out in columns.
class LabSheet : public CachedSurface {
public:
    // The lines the sheet has room for.
    static constexpr int kLines = 9;

    explicit LabSheet(QWidget* parent);

    void setLines(const QList<QStringList>& lines);
    const QList<QStringList>& lines() const { return m_lines; }

protected:
    void draw(QPainter& p) override;

private:
    QList<QStringList> m_lines;
};
