// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of the bench for a worksheet: the title band with the read-outs
// and both media areas with everything that stands on them (the lens or its
// symbol, the marks, the construction), as the window shows them now.
#include "form1.h"

#include "commandbutton.h"
#include "fonts.h"
#include "label.h"
#include "picturebox.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QRegion>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSvgGenerator>

namespace {
// A control's box in the window's pixels, wherever its container stands.
QRect boxInWindow(const QWidget* window, const QWidget* control) {
    return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
}

// The SVG names the fonts the window was laid out for; a viewer is given the
// families that stand in for them here.
QByteArray withInstalledFonts(QByteArray svg) {
    for (const char* laidOut : {"MS Sans Serif", "Microsoft Sans Serif", "Courier New"}) {
        const QString family = QString::fromLatin1(laidOut);
        svg.replace("font-family=\"" + family.toUtf8() + "\"",
                    "font-family=\"" + Fonts::resolvedFamily(family).toUtf8() + "\"");
    }
    return svg;
}
} // namespace

// The band from the title to the bottom of the areas; the two buttons that
// copy and save stand in it but are no part of the picture.
void Form1::benchRegion(QRect* band, QRegion* shown) const {
    const QList<const QWidget*> parts{picLeft,      picRigth,     Picture2, Label5,
                                      lblDistances, lblImageKind, lblFocal, lblPower};
    *band = QRect();
    for (const QWidget* part : parts)
        *band = band->united(boxInWindow(this, part));
    *shown = QRegion(*band) - boxInWindow(this, cmdCopy) - boxInWindow(this, cmdSave);
}

QImage Form1::BenchPicture() {
    QRect band;
    QRegion shown;
    benchRegion(&band, &shown);
    // As sharp as the screen shows it.
    const qreal ratio = devicePixelRatioF();
    QImage picture(band.size() * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(palette().color(QPalette::Window));
    QPainter painter(&picture);
    render(&painter, QPoint(), shown, DrawWindowBackground | DrawChildren);
    return picture;
}

void Form1::CopyPicture() {
    QGuiApplication::clipboard()->setImage(BenchPicture());
}

void Form1::SavePicture() {
    const QString png = tr("Рисунок PNG (*.png)");
    const QString svg = tr("Рисунок SVG (*.svg)");
    QString chosen = png;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QString path = QFileDialog::getSaveFileName(
        this, tr("Сохранить рисунок"), QDir(folder).filePath(QStringLiteral("quellor.png")),
        png + QStringLiteral(";;") + svg, &chosen);
    if (path.isEmpty())
        return; // cancelled: nothing is written
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg"))
        path += chosen == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    WritePicture(path);
}

// Written through a temporary file that replaces the target only when all of
// it is written: a failure leaves no partial file and nothing overwritten.
bool Form1::WritePicture(const QString& path) {
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written && QFileInfo(path).suffix().toLower() == QLatin1String("svg")) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        writeSvg(&buffer);
        const QByteArray document = withInstalledFonts(buffer.data());
        written = file.write(document) == document.size();
    } else if (written) {
        written = BenchPicture().save(&file, "PNG");
    }
    // Why it failed, before a cancel puts its own words there.
    QString why = file.errorString();
    if (written) {
        written = file.commit();
        why = file.errorString();
    } else {
        file.cancelWriting();
    }
    if (!written)
        QMessageBox::warning(
            this, tr("Рисунок не сохранён"),
            tr("Не удалось записать файл «%1»:\n%2").arg(QDir::toNativeSeparators(path), why));
    return written;
}

// The picture in real lines and text. Qt's SVG writer keeps no clipping, so a
// control is drawn whole even where its box cuts it on the screen: the boxes
// whose contents reach past them (the halves of the lens, the strokes of the
// arrowheads) go in as pictures of what the screen shows there, and the title
// band comes last, over what the areas' rays drew past their top edge.
void Form1::writeSvg(QIODevice* device) {
    QRect band;
    QRegion shown;
    benchRegion(&band, &shown);
    QSvgGenerator generator;
    generator.setOutputDevice(device);
    generator.setSize(band.size());
    generator.setViewBox(QRect(QPoint(0, 0), band.size()));
    // Fonts in points come out at the size the screen shows them.
    generator.setResolution(logicalDpiX());
    generator.setTitle(windowTitle());
    QPainter painter(&generator);
    painter.fillRect(QRect(QPoint(0, 0), band.size()), palette().color(QPalette::Window));

    const QRect areas = boxInWindow(this, picLeft).united(boxInWindow(this, picRigth));
    QRegion cutBoxes;
    for (const PictureBox* box : {picLSob, picRsob, picLup, picRup, picLdown, picRdown})
        if (box->isVisible())
            cutBoxes += boxInWindow(this, box);
    render(&painter, areas.topLeft() - band.topLeft(), QRegion(areas) - cutBoxes,
           DrawWindowBackground | DrawChildren);
    for (const QRect& box : cutBoxes) {
        QImage patch(box.size(), QImage::Format_RGB32);
        QPainter patchPainter(&patch);
        render(&patchPainter, QPoint(), QRegion(box), DrawWindowBackground | DrawChildren);
        patchPainter.end();
        painter.drawImage(box.topLeft() - band.topLeft(), patch);
    }
    render(&painter, QPoint(0, 0), shown - areas, DrawWindowBackground | DrawChildren);
}
