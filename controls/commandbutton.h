// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "twipgeometry.h"

#include <QPushButton>
#include <functional>

// A command button with a caption or a picture; it reports clicks.
class CommandButton : public QPushButton, public TwipGeometry {
public:
    CommandButton(QWidget* parent, const QString& caption);

    void SetPicture(const QImage& picture);

    std::function<void()> onClick;
};
