// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandbutton.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

CommandButton::CommandButton(QWidget* parent, const QString& caption)
    : QPushButton(caption, parent), TwipGeometry(this) {
    connect(this, &QPushButton::clicked, this, [this] {
        if (onClick)
            onClick();
    });
}

void CommandButton::SetPicture(const QImage& picture) {
    setIcon(QIcon(QPixmap::fromImage(picture)));
    setIconSize(picture.size());
}
