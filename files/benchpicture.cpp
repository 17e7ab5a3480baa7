// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of the bench for a worksheet: the title band with the read-outs
// and both media areas with everything that stands on them (the lens or its
// symbol, the marks, the construction), as the window shows them now.
#include "form1.h"

#include "commandbutton.h"
#include "fonts.h"
#include "label.h"
#include "messages.h"
#include "picturebox.h"
#include "safewrite.h"
#include "savename.h"
#include "screeninfo.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <algorithm>

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

namespace {
// A picture of the window shows the bench, not where the keyboard is: the
// focus frame of the area holding the focus is hidden while it is drawn.
class FocusFrameHidden {
public:
    explicit FocusFrameHidden(QWidget* window)
        : m_box(dynamic_cast<FocusFrame*>(window->focusWidget())) {
        if (m_box)
            m_box->SetFocusShown(false);
    }
    ~FocusFrameHidden() {
        if (m_box)
            m_box->SetFocusShown(true);
    }
    FocusFrameHidden(const FocusFrameHidden&) = delete;
    FocusFrameHidden& operator=(const FocusFrameHidden&) = delete;

private:
    FocusFrame* m_box;
};
} // namespace

QImage Form1::BenchPicture() {
    const FocusFrameHidden noFocusFrame(this);
    QRect band;
    QRegion shown;
    benchRegion(&band, &shown);
    // As sharp as the screen shows it, but no sharper than the screen holds
    // (an absurd scale factor would ask for gigabytes); never below the
    // window's own pixels.
    const qreal ratio =
        std::max(1.0, ScreenInfo::boundedPictureScale(this, devicePixelRatioF(), band.size()));
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
    if (!Messages::roomFor(this, tr("Сохранить рисунок")))
        return;
    const QString png = tr("Рисунок PNG (*.png)");
    const QString svg = tr("Рисунок SVG (*.svg)");
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    // The dialog adds the suffix of the chosen type before it asks about
    // replacing a file, so it asks about the name that will be written.
    QFileDialog dialog(this, tr("Сохранить рисунок"), folder, png + QStringLiteral(";;") + svg);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(QStringLiteral("quellor.png"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, svg](const QString& filter) {
        dialog.setDefaultSuffix(filter == svg ? QStringLiteral("svg") : QStringLiteral("png"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return; // cancelled: nothing is written
    const QString chosen = dialog.selectedFiles().first();
    // A name the dialog did not show (a suffix added, trailing spaces or dots
    // dropped) is asked about before an existing file is replaced.
    const QString path =
        SaveName::confirm(this, tr("Сохранить рисунок"), chosen,
                          PictureFileName(chosen, dialog.selectedNameFilter() == svg));
    if (!path.isEmpty())
        WritePicture(path);
}

// The name written for the one typed: without trailing spaces and dots, and
// with the suffix of the chosen type unless it already ends in .png or .svg.
QString Form1::PictureFileName(const QString& typed, bool svgChosen) {
    const qsizetype slash = typed.lastIndexOf(QLatin1Char('/'));
    const QString folder = typed.left(slash + 1);
    auto trimmed = [](QString name) {
        while (!name.isEmpty() && (name.back().isSpace() || name.back() == QLatin1Char('.')))
            name.chop(1);
        return name;
    };
    QString name = trimmed(typed.mid(slash + 1));
    QString suffix = QFileInfo(name).suffix();
    if (suffix.compare(QLatin1String("png"), Qt::CaseInsensitive) == 0 ||
        suffix.compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        // "dots..png", as a dialog makes of "dots.", is "dots.png".
        name = trimmed(name.chopped(suffix.size() + 1));
    } else {
        suffix = svgChosen ? QStringLiteral("svg") : QStringLiteral("png");
    }
    if (name.isEmpty())
        name = QStringLiteral("quellor");
    return folder + name + QLatin1Char('.') + suffix;
}

// The whole file is made in memory and then written in one safe step: a
// failure leaves the old file as it was and no partial one.
bool Form1::WritePicture(const QString& path) {
    QByteArray content;
    QBuffer buffer(&content);
    buffer.open(QIODevice::WriteOnly);
    const bool svg = QFileInfo(path).suffix().toLower() == QLatin1String("svg");
    if (svg)
        writeSvg(&buffer);
    else
        BenchPicture().save(&buffer, "PNG");
    buffer.close();
    if (svg)
        content = withInstalledFonts(content);
    const QString failure = SafeWrite::write(path, content);
    if (failure.isEmpty())
        return true;
    Messages::tell(this, tr("Рисунок не сохранён"), failure);
    return false;
}

// The picture in real lines and text. Qt's SVG writer keeps no clipping, so a
// control is drawn whole even where its box cuts it on the screen: the boxes
// whose contents reach past them (the halves of the lens, the strokes of the
// arrowheads) go in as pictures of what the screen shows there, and the title
// band comes last, over what the areas' rays drew past their top edge.
void Form1::writeSvg(QIODevice* device) {
    const FocusFrameHidden noFocusFrame(this);
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
