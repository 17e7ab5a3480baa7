// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure.h"
#include "focusframe.h"
#include "inputcodes.h"
#include "rgbcolor.h"
#include "scaledpicture.h"
#include "textmark.h"
#include "twipgeometry.h"

#include <QImage>
#include <QVector>
#include <QWidget>
#include <functional>

class FigureLayer;
class QHelpEvent;

// A picture area: a child surface with a background colour that clips what it
// holds, and immediate-mode drawing in twips (Line, Circle, Refresh) with a
// drawing state that stays set from one operation to the next. What is drawn
// since the last Refresh is kept as a list, so the area can paint it again
// whenever the window system asks; it is painted over the marks and labels the
// area holds. An area under a control that takes no input (the axis strip)
// shows that control's tooltip.
class PictureBox : public QWidget, public TwipGeometry, public FocusFrame {
public:
    explicit PictureBox(QWidget* parent = nullptr);

    RgbValue BackColor() const { return m_backColor; }
    void SetBackColor(RgbValue colour);
    bool Border() const { return m_border; }
    // A transparent area paints no background: what lies beneath shows through
    // between what it holds.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    // Whether holding the focus shows: not after a click, which shows the
    // user where they are already.
    bool ShowsFocus() const { return hasFocus() && m_showsFocus && !m_focusHidden; }
    // Hides the focus frame (a picture of the window is being drawn) or lets
    // it show again as before.
    void SetFocusShown(bool shown) override;
    void SetBorder(bool border);
    // The picture, drawn by `source` for a scale (device pixels a laid-out
    // pixel), so that it stays sharp at every size of the window.
    void SetPicture(std::function<QImage(double scale)> source);

    RgbValue ForeColor() const { return m_foreColor; }
    int DrawWidth() const { return m_drawWidth; }
    int DrawStyle() const { return m_drawStyle; }
    int FillStyle() const { return m_fillStyle; }
    RgbValue FillColor() const { return m_fillColor; }
    void SetForeColor(RgbValue colour) { m_foreColor = colour; }
    void SetDrawWidth(int pixels) { m_drawWidth = pixels; }
    void SetDrawStyle(int style) { m_drawStyle = style; }
    void SetFillStyle(int style) { m_fillStyle = style; }
    void SetFillColor(RgbValue colour) { m_fillColor = colour; }

    // Coordinates arrive in double and are kept in single precision, as handed to
    // the screen; a value beyond the float range becomes an infinity and is not drawn.
    void Line(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, RgbValue colour);
    void Circle(double x, double y, double radius, RgbValue colour);
    void Refresh();

    const QVector<Figure>& figures() const { return m_figures; }

    // Names on the drawing, painted above the figures; a Refresh keeps them.
    void SetTextMarks(const QVector<TextMark>& marks);
    const QVector<TextMark>& textMarks() const { return m_textMarks; }

    InputCodes::MouseHandler onMouseDown;
    InputCodes::MouseHandler onMouseMove;
    // A double-click's second press; without a handler it is a press again.
    InputCodes::MouseHandler onDoubleClick;
    InputCodes::KeyHandler onKeyDown;

protected:
    bool event(QEvent* event) override;
    void childEvent(QChildEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void addLine(double x1, double y1, double x2, double y2, RgbValue colour);
    void record(Figure figure);
    void updateFigure(const Figure& figure); // paints again where it lies
    void updateGone(qsizetype from, qsizetype to);
    void settleWipe();
    void postSettle();
    bool showOverlayToolTip(QHelpEvent* help);

    RgbValue m_backColor = RGB(255, 255, 255);
    bool m_border = false;
    bool m_transparent = false;
    ScaledPicture m_picture;
    RgbValue m_foreColor = 0;
    int m_drawWidth = 1;
    int m_drawStyle = 0;
    int m_fillStyle = 1;
    RgbValue m_fillColor = 0;
    QVector<Figure> m_figures;
    // The figures of the last Refresh not yet drawn again; those before
    // m_wipedNext are settled (met again or repainted away).
    QVector<Figure> m_wiped;
    qsizetype m_wipedNext = 0;
    bool m_settlePosted = false;
    QVector<QRect> m_dirty; // boxes marked, not yet handed to the layer
    QVector<TextMark> m_textMarks;
    FigureLayer* m_layer = nullptr;
    bool m_showsFocus = true;
    bool m_focusHidden = false;
};
