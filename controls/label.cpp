// SPDX-License-Identifier: GPL-3.0-or-later
#include "label.h"

#include "inputcodes.h"
#include "screeninfo.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>

Label::Label(QWidget* parent, const QString& caption, const QFont& font, bool opaque)
    : QLabel(caption, parent), TwipGeometry(this), m_opaque(opaque), m_laidOutFont(font),
      m_backColor(fromQColor(palette().color(QPalette::Button))) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(m_opaque);
    applyPalette();
    setFont(font);
}

void Label::SetEditable() {
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
}

// The frame shows where Tab has brought the keyboard; a click opens the editor
// at once, and the window gaining the front keeps what was shown.
void Label::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    m_showsFocus = InputCodes::focusFrameAfter(event->reason(), m_showsFocus);
    update();
}

void Label::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

// The focus frame is drawn as the picture areas draw theirs: the highlight
// colour, two laid-out pixels thick, inside the box.
void Label::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!ShowsFocus())
        return;
    QPainter painter(this);
    const int thickness = std::max(1, int(std::lround(ScreenInfo::of(this).designPixels(2))));
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Highlight));
    const QRegion frame =
        QRegion(rect()) - QRegion(rect().adjusted(thickness, thickness, -thickness, -thickness));
    painter.setClipRegion(frame);
    painter.drawRect(rect());
}

void Label::SetFocusShown(bool shown) {
    m_focusHidden = !shown;
    update();
}

void Label::SetBackColor(RgbValue colour) {
    m_backColor = colour;
    applyPalette();
}

void Label::applyPalette() {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(m_backColor));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ButtonText));
    setPalette(colours);
}

void Label::SetCaption(const QString& caption) {
    if (caption == text())
        return; // read-outs are set on every slider move, mostly to the same text
    setText(caption);
    fitCaption();
}

void Label::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    m_fittedPoints.clear();
    fitCaption();
}

// The layout was made for fonts a little narrower than those installed here: a
// caption that would not fit its box on one line is set a little smaller, never
// below four fifths of its laid-out size, instead of being cut.
// Measuring text is dear and a read-out shows few different captions, so each
// caption's size is measured once for the box's width. The font scales with
// the window, as the box does.
void Label::fitCaption() {
    const double zoom = ScreenInfo::zoomOf(this);
    if (zoom != m_fittedZoom) {
        m_fittedPoints.clear();
        m_fittedZoom = zoom;
    }
    auto known = m_fittedPoints.constFind(text());
    if (known == m_fittedPoints.cend()) {
        // A read-out of a moving object shows a new caption on every move: keep
        // the memory bounded.
        if (m_fittedPoints.size() >= 256)
            m_fittedPoints.clear();
        QFont trial = m_laidOutFont;
        trial.setPointSizeF(m_laidOutFont.pointSizeF() * zoom);
        const double smallest = trial.pointSizeF() * 0.8;
        while (trial.pointSizeF() > smallest &&
               QFontMetricsF(trial).horizontalAdvance(text()) > width())
            trial.setPointSizeF(trial.pointSizeF() - 0.25);
        known = m_fittedPoints.insert(text(), trial.pointSizeF());
    }
    QFont fitted = m_laidOutFont;
    fitted.setPointSizeF(*known);
    if (fitted != font())
        setFont(fitted);
}
