// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rgbcolor.h"
#include "twipgeometry.h"

#include <QHash>
#include <QLabel>

// A label: a caption in its box, on an opaque background or transparent over
// whatever lies behind it.
class Label : public QLabel, public TwipGeometry {
public:
    Label(QWidget* parent, const QString& caption, const QFont& font, bool opaque);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    RgbValue BackColor() const { return m_backColor; }
    void SetBackColor(RgbValue colour);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyPalette();
    void fitCaption();

    bool m_opaque;
    QFont m_laidOutFont;
    QHash<QString, double> m_fittedPoints; // caption -> point size that fits
    double m_fittedZoom = 1;               // the window's zoom those sizes are for
    RgbValue m_backColor;
};
