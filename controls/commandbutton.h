// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scaledpicture.h"
#include "twipgeometry.h"

#include <QImage>
#include <QPushButton>
#include <functional>

// A command button with a caption or a picture; it reports clicks. Return and
// Enter press it as Space does while it holds the focus.
class CommandButton : public QPushButton, public TwipGeometry {
public:
    CommandButton(QWidget* parent, const QString& caption);

    // The picture, drawn by `source` for a scale (device pixels a laid-out
    // pixel) and shown at its laid-out size scaled with the window.
    void SetPicture(std::function<QImage(double scale)> source);

    std::function<void()> onClick;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void applyPicture();

    ScaledPicture m_picture;
};
