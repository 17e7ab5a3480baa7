#include "label.h"

#include <QFontMetricsF>
#include <QPalette>

Label::Label(QWidget* parent, const QString& caption, const QFont& font, bool opaque)
    : QLabel(caption, parent), TwipGeometry(this), m_opaque(opaque), m_laidOutFont(font),
      m_backColor(fromQColor(palette().color(QPalette::Button))) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(m_opaque);
    applyPalette();
    setFont(font);
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
    fitCaption();
}

// The layout was made for fonts a little narrower than those installed here: a
// caption that would not fit its box on one line is set a little smaller, never
// below four fifths of its laid-out size, instead of being cut.
void Label::fitCaption() {
    QFont fitted = m_laidOutFont;
    const double smallest = m_laidOutFont.pointSizeF() * 0.8;
    while (fitted.pointSizeF() > smallest &&
           QFontMetricsF(fitted).horizontalAdvance(text()) > width())
        fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
    if (fitted != font())
        setFont(fitted);
}
