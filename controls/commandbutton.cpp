// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandbutton.h"

#include "screeninfo.h"

#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>

CommandButton::CommandButton(QWidget* parent, const QString& caption)
    : QPushButton(caption, parent), TwipGeometry(this) {
    connect(this, &QPushButton::clicked, this, [this] {
        if (onClick)
            onClick();
    });
}

void CommandButton::SetPicture(std::function<QImage(double)> source) {
    m_picture.setSource(std::move(source));
    applyPicture();
}

void CommandButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    applyPicture();
}

void CommandButton::showEvent(QShowEvent* event) {
    QPushButton::showEvent(event);
    applyPicture();
}

// Drawn only once the button shows, when the window has fitted its face to the
// screen: before that the factor is the laid-out one, which under an absurd
// scale or font resolution would ask for a picture of gigabytes.
void CommandButton::applyPicture() {
    if (!m_picture.isSet() || !isVisible())
        return;
    bool drawn = false;
    const QImage& picture = m_picture.forWidget(this, &drawn);
    if (!drawn)
        return;
    QPixmap pixmap = QPixmap::fromImage(picture);
    setIcon(QIcon(pixmap));
    setIconSize(pixmap.deviceIndependentSize().toSize());
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
