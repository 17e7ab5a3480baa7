// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "laboratory.h"
#include "twipgeometry.h"

#include <QImage>
#include <QString>
#include <QWidget>

// The laboratory's screen seen face-on: the object's picture as it falls
// there, inverted and scaled as the lens law gives, spread by the circle of
// confusion and dimmer as it spreads; a note where no image can be caught.
class LabInset : public QWidget, public TwipGeometry {
public:
    explicit LabInset(QWidget* parent);

    // The picture of an object `objectHeight` twips tall on a screen that
    // reaches `screenHalf` twips either side of the axis.
    void show(const Lab::ScreenPicture& picture, double objectHeight, double screenHalf);
    void setNote(const QString& note);
    const Lab::ScreenPicture& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect face() const;
    // The face with the picture on it, drawn again only when the picture or
    // the face's size has changed since.
    const QImage& faceImage(QSize face);
    QImage drawFace(QSize face) const;

    Lab::ScreenPicture m_picture;
    double m_objectHeight = 0;
    double m_screenHalf = 1;
    QString m_note;
    QImage m_face;
    QSize m_faceFor;
    qreal m_faceRatio = 0;
    bool m_faceStale = true;
};
