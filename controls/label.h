// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "focusframe.h"
#include "rgbcolor.h"
#include "twipgeometry.h"

#include <QHash>
#include <QLabel>

// A label: a caption in its box, on an opaque background or transparent over
// whatever lies behind it.
class Label : public QLabel, public TwipGeometry, public FocusFrame {
public:
    Label(QWidget* parent, const QString& caption, const QFont& font, bool opaque);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    RgbValue BackColor() const { return m_backColor; }
    void SetBackColor(RgbValue colour);
    // A read-out that takes a typed value: it receives presses (over whatever
    // lies beneath), shows a text cursor and a frame when the keyboard reaches it.
    void SetEditable();
    bool ShowsFocus() const { return hasFocus() && m_showsFocus && !m_focusHidden; }
    void SetFocusShown(bool shown) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void applyPalette();
    void fitCaption();

    bool m_opaque;
    QFont m_laidOutFont;
    QHash<QString, double> m_fittedPoints; // caption -> point size that fits
    double m_fittedZoom = 1;               // the window's zoom those sizes are for
    RgbValue m_backColor;
    bool m_showsFocus = false; // reached by the keyboard, not by a click
    bool m_focusHidden = false;
};
