// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebox.h"

#include "figurelayer.h"
#include "figureregion.h"
#include "inputcodes.h"
#include "screeninfo.h"
#include "single.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {
const QEvent::Type kSettleEvent = QEvent::Type(QEvent::registerEventType());
} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), TwipGeometry(this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    m_layer = new FigureLayer(this);
}

// Whatever the area is given to hold goes beneath its figures.
void PictureBox::SetTextMarks(const QVector<TextMark>& marks) {
    if (marks == m_textMarks)
        return;
    // Only the names that moved or changed are painted again, where they were
    // and where they are.
    QVector<TextMark> changed;
    for (const TextMark& mark : m_textMarks)
        if (!marks.contains(mark))
            changed.append(mark);
    for (const TextMark& mark : marks)
        if (!m_textMarks.contains(mark))
            changed.append(mark);
    m_textMarks = marks;
    if (isVisible())
        m_layer->update(m_layer->textRegion(changed));
}

void PictureBox::childEvent(QChildEvent* event) {
    QWidget::childEvent(event);
    if (event->added() && m_layer && event->child() != m_layer)
        m_layer->raise();
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_layer->setGeometry(rect());
    m_picture.invalidate();
}

// The focus shows when the keyboard or the program put it here, and when the
// window starts with it here; a click puts it here without a frame, and a
// window coming back to the front keeps what was shown.
void PictureBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    m_showsFocus = InputCodes::focusFrameAfter(event->reason(), m_showsFocus);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

bool PictureBox::event(QEvent* event) {
    if (event->type() == kSettleEvent) {
        m_settlePosted = false;
        settleWipe();
        return true;
    }
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() &&
        showOverlayToolTip(static_cast<QHelpEvent*>(event)))
        return true;
    return QWidget::event(event);
}

// A control lying over this area that lets presses through to it (the axis
// strip) gets no tooltip event of its own: the area shows its tooltip while the
// pointer rests on it.
bool PictureBox::showOverlayToolTip(QHelpEvent* help) {
    QWidget* container = parentWidget();
    if (!container)
        return false;
    const QPoint inContainer = mapTo(container, help->pos());
    const QObjectList& siblings = container->children(); // back to front
    for (qsizetype i = siblings.size() - 1; i >= 0 && siblings[i] != this; --i) {
        auto* over = qobject_cast<QWidget*>(siblings[i]);
        if (!over || over->isHidden() || over->toolTip().isEmpty() ||
            !over->testAttribute(Qt::WA_TransparentForMouseEvents) ||
            !over->geometry().contains(inContainer))
            continue;
        const QRect shown(mapFrom(container, over->geometry().topLeft()), over->size());
        QToolTip::showText(help->globalPos(), over->toolTip(), this, shown);
        return true;
    }
    return false;
}

void PictureBox::SetBackColor(RgbValue colour) {
    m_backColor = colour;
    update();
}

void PictureBox::SetTransparent(bool transparent) {
    m_transparent = transparent;
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
    update();
}

void PictureBox::SetBorder(bool border) {
    m_border = border;
    update();
}

void PictureBox::SetFocusShown(bool shown) {
    m_focusHidden = !shown;
    update();
}

void PictureBox::SetPicture(std::function<QImage(double)> source) {
    m_picture.setSource(std::move(source));
    update();
}

void PictureBox::Line(double x1, double y1, double x2, double y2) {
    addLine(x1, y1, x2, y2, m_foreColor);
}

void PictureBox::Line(double x1, double y1, double x2, double y2, RgbValue colour) {
    addLine(x1, y1, x2, y2, colour);
}

void PictureBox::addLine(double x1, double y1, double x2, double y2, RgbValue colour) {
    record({Figure::Kind::Line, toSingle(x1), toSingle(y1), toSingle(x2), toSingle(y2), 0, colour});
}

void PictureBox::Circle(double x, double y, double radius, RgbValue colour) {
    const float cx = toSingle(x), cy = toSingle(y);
    record({Figure::Kind::Circle, cx, cy, cx, cy, toSingle(radius), colour});
}

// A figure drawn again as it was, in the same order among those kept, leaves
// its pixels as they are: under a drag of the object the second lens, its foci
// and an eye do not move, and the rays before a moved second lens stay put.
// Pixels outside every repainted strip are then covered by the same figures in
// the same order as before, so they come out as a full repaint would.
void PictureBox::record(Figure figure) {
    figure.drawWidth = m_drawWidth;
    figure.drawStyle = m_drawStyle;
    figure.fillStyle = m_fillStyle;
    figure.fillColour = m_fillColor;
    m_figures.append(figure);
    for (qsizetype j = m_wipedNext; j < m_wiped.size(); ++j)
        if (m_wiped[j] == figure) {
            updateGone(m_wipedNext, j);
            m_wipedNext = j + 1;
            return;
        }
    updateFigure(figure);
}

// A wipe repaints only where figures were that are not drawn again: under a
// drag most of the area holds nothing that changes. What the next drawing does
// not meet again is repainted away before the window paints (a posted event of
// high priority comes before the window's update request).
void PictureBox::Refresh() {
    settleWipe();
    m_wiped = std::move(m_figures);
    m_figures = QVector<Figure>();
    m_wipedNext = 0;
    if (!m_wiped.isEmpty())
        postSettle();
}

void PictureBox::postSettle() {
    if (m_settlePosted)
        return;
    m_settlePosted = true;
    QCoreApplication::postEvent(this, new QEvent(kSettleEvent), Qt::HighEventPriority);
}

void PictureBox::updateGone(qsizetype from, qsizetype to) {
    if (from >= to || !isVisible())
        return;
    const ScreenInfo screen = ScreenInfo::of(this);
    const QRectF area(rect());
    for (qsizetype i = from; i < to; ++i)
        addFigureBoxes(m_wiped[i], screen, area, m_dirty);
    postSettle();
}

void PictureBox::settleWipe() {
    updateGone(m_wipedNext, m_wiped.size());
    m_wiped.clear();
    m_wipedNext = 0;
    if (!m_dirty.isEmpty())
        m_layer->update(tiledUnionOf(m_dirty));
    m_dirty.clear();
}

// The layer is transparent: painting it again there paints the area and the
// captions it holds beneath it first. Marking the area instead would let an
// opaque caption be painted over the strokes. The strips of one drawing are
// gathered and handed to the window once, with the wipe's.
void PictureBox::updateFigure(const Figure& figure) {
    if (!isVisible())
        return;
    addFigureBoxes(figure, ScreenInfo::of(this), QRectF(rect()), m_dirty);
    postSettle();
}

// The background and the picture; the figures, border and focus frame are
// painted by the layer above whatever the area holds.
void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_transparent)
        painter.fillRect(rect(), toQColor(m_backColor));
    if (m_picture.isSet())
        painter.drawImage(QPointF(0, 0), m_picture.forWidget(this));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (m_showsFocus && hasFocus()) {
        m_showsFocus = false;
        update();
    }
    InputCodes::report(onMouseDown, InputCodes::buttonCode(event->button()), event, this);
    event->accept();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    InputCodes::report(onMouseMove, InputCodes::buttonCode(event->buttons()), event, this);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!onDoubleClick) {
        mousePressEvent(event);
        return;
    }
    InputCodes::report(onDoubleClick, InputCodes::buttonCode(event->button()), event, this);
    event->accept();
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (onKeyDown)
        onKeyDown(InputCodes::keyCode(event->key()), InputCodes::shiftCode(event->modifiers()));
    else
        QWidget::keyPressEvent(event);
}
