// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of the bench for a worksheet: the title band with the read-outs
// and both media areas with everything that stands on them (the lens or its
// symbol, the marks, the construction), as the window shows them now.
#include "pictureexport.h"

#include "exporter.h"
#include "exporters.h"
#include "focusframe.h"
#include "fonts.h"
#include "messages.h"
#include "picturebox.h"
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

QWidget* part(const QWidget* window, const char* name) {
    return window->findChild<QWidget*>(QString::fromLatin1(name));
}

// The band from the title to the bottom of the areas; the two buttons that
// copy and save stand in it but are no part of the picture.
void benchRegion(const QWidget* window, QRect* band, QRegion* shown) {
    *band = QRect();
    for (const char* name : {"picLeft", "picRigth", "Picture2", "Label5", "lblDistances",
                             "lblImageKind", "lblFocal", "lblPower"})
        if (const QWidget* p = part(window, name))
            *band = band->united(boxInWindow(window, p));
    *shown = QRegion(*band);
    for (const char* name : {"cmdCopy", "cmdSave"})
        if (const QWidget* p = part(window, name))
            *shown -= boxInWindow(window, p);
}

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

// The picture in real lines and text. Qt's SVG writer keeps no clipping, so a
// control is drawn whole even where its box cuts it on the screen: the boxes
// whose contents reach past them (the halves of the lens, the strokes of the
// arrowheads) go in as pictures of what the screen shows there, and the title
// band comes last, over what the areas' rays drew past their top edge.
void writeSvg(QWidget* window, QIODevice* device) {
    const FocusFrameHidden noFocusFrame(window);
    QRect band;
    QRegion shown;
    benchRegion(window, &band, &shown);
    QSvgGenerator generator;
    generator.setOutputDevice(device);
    generator.setSize(band.size());
    generator.setViewBox(QRect(QPoint(0, 0), band.size()));
    // Fonts in points come out at the size the screen shows them.
    generator.setResolution(window->logicalDpiX());
    generator.setTitle(window->windowTitle());
    QPainter painter(&generator);
    painter.fillRect(QRect(QPoint(0, 0), band.size()), window->palette().color(QPalette::Window));

    QRect areas;
    for (const char* name : {"picLeft", "picRigth"})
        if (const QWidget* p = part(window, name))
            areas = areas.united(boxInWindow(window, p));
    QRegion cutBoxes;
    for (const char* name : {"picLSob", "picRsob", "picLup", "picRup", "picLdown", "picRdown"})
        if (const QWidget* box = part(window, name); box && box->isVisible())
            cutBoxes += boxInWindow(window, box);
    const auto flags = QWidget::DrawWindowBackground | QWidget::DrawChildren;
    window->render(&painter, areas.topLeft() - band.topLeft(), QRegion(areas) - cutBoxes, flags);
    for (const QRect& box : cutBoxes) {
        QImage patch(box.size(), QImage::Format_RGB32);
        QPainter patchPainter(&patch);
        window->render(&patchPainter, QPoint(), QRegion(box), flags);
        patchPainter.end();
        painter.drawImage(box.topLeft() - band.topLeft(), patch);
    }
    window->render(&painter, QPoint(0, 0), shown - areas, flags);
}

// The picture of the window's bench drawn into memory by `draw`, or why
// there is none.
template <typename Draw> Export::Bytes pictureBytes(const Export::Model& model, Draw draw) {
    if (!model.bench.window)
        return {std::nullopt, PictureExport::Texts::tr("нет окна, чей рисунок записать")};
    QByteArray content;
    QBuffer buffer(&content);
    buffer.open(QIODevice::WriteOnly);
    draw(const_cast<QWidget*>(model.bench.window), &buffer);
    buffer.close();
    return {content, {}};
}

struct Png final : Export::Exporter {
    QString name() const override { return Export::Texts::tr("Рисунок PNG"); }
    QString suffix() const override { return QStringLiteral("png"); }
    Action action() const override { return Action::ExportPicture; }
    Export::Bytes bytes(const Export::Model& model) const override {
        return pictureBytes(model, [](QWidget* window, QIODevice* device) {
            PictureExport::benchPicture(window).save(device, "PNG");
        });
    }
};

struct Svg final : Export::Exporter {
    QString name() const override { return Export::Texts::tr("Рисунок SVG"); }
    QString suffix() const override { return QStringLiteral("svg"); }
    Action action() const override { return Action::ExportPicture; }
    Export::Bytes bytes(const Export::Model& model) const override {
        Export::Bytes made = pictureBytes(model, writeSvg);
        if (made.bytes)
            made.bytes = withInstalledFonts(*made.bytes);
        return made;
    }
};
} // namespace

const Export::Exporter& Exporters::picturePng() {
    static const Png png;
    return png;
}

const Export::Exporter& Exporters::pictureSvg() {
    static const Svg svg;
    return svg;
}

QImage PictureExport::benchPicture(QWidget* window) {
    const FocusFrameHidden noFocusFrame(window);
    QRect band;
    QRegion shown;
    benchRegion(window, &band, &shown);
    // As sharp as the screen shows it, but no sharper than the screen holds
    // (an absurd scale factor would ask for gigabytes); never below the
    // window's own pixels.
    const qreal ratio = std::max(
        1.0, ScreenInfo::boundedPictureScale(window, window->devicePixelRatioF(), band.size()));
    QImage picture(band.size() * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(window->palette().color(QPalette::Window));
    QPainter painter(&picture);
    window->render(&painter, QPoint(), shown,
                   QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return picture;
}

namespace {
// The whole file is made in memory and then written in one safe step: a
// failure leaves the old file as it was and no partial one.
bool writeTold(QWidget* window, const Export::Model& model, const QString& path) {
    const QString failure = Export::chosen(Action::ExportPicture, {}, path)->write(model, path);
    if (failure.isEmpty())
        return true;
    Messages::tell(window, PictureExport::Texts::tr("Рисунок не сохранён"), failure);
    return false;
}
} // namespace

void PictureExport::copy(QWidget* window) {
    QGuiApplication::clipboard()->setImage(benchPicture(window));
}

void PictureExport::save(QWidget* window, const Export::Model& model) {
    const QString title = Texts::tr("Сохранить рисунок");
    if (!Messages::roomFor(window, title))
        return;
    const std::vector<const Export::Exporter*> formats = Export::forAction(Action::ExportPicture);
    QStringList filters;
    for (const Export::Exporter* format : formats)
        filters << format->filter();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    // The dialog adds the suffix of the chosen type before it asks about
    // replacing a file, so it asks about the name that will be written.
    QFileDialog dialog(window, title, folder, filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(formats.front()->suffix());
    dialog.selectFile(QStringLiteral("quellor.") + formats.front()->suffix());
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
            dialog.setDefaultSuffix(Export::chosen(Action::ExportPicture, filter, {})->suffix());
        });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return; // cancelled: nothing is written
    const QString chosen = dialog.selectedFiles().first();
    // A name the dialog did not show (a suffix added, trailing spaces or dots
    // dropped) is asked about before an existing file is replaced.
    const QString path = SaveName::confirm(
        window, title, chosen,
        fileName(chosen,
                 Export::chosen(Action::ExportPicture, dialog.selectedNameFilter(), {})->suffix()));
    if (!path.isEmpty())
        writeTold(window, model, path);
}

bool PictureExport::write(QWidget* window, const QString& path) {
    Export::Model model;
    model.bench.window = window;
    return writeTold(window, model, path);
}

// "dots..png", as a dialog makes of "dots.", is "dots.png".
QString PictureExport::fileName(const QString& typed, const QString& chosenSuffix) {
    const qsizetype slash = typed.lastIndexOf(QLatin1Char('/'));
    const QString folder = typed.left(slash + 1);
    auto trimmed = [](QString name) {
        while (!name.isEmpty() && (name.back().isSpace() || name.back() == QLatin1Char('.')))
            name.chop(1);
        return name;
    };
    QString name = trimmed(typed.mid(slash + 1));
    QString suffix = QFileInfo(name).suffix();
    bool known = false;
    for (const Export::Exporter* format : Export::forAction(Action::ExportPicture))
        known = known || suffix.compare(format->suffix(), Qt::CaseInsensitive) == 0;
    if (known)
        name = trimmed(name.chopped(suffix.size() + 1));
    else
        suffix = chosenSuffix;
    if (name.isEmpty())
        name = QStringLiteral("quellor");
    return folder + name + QLatin1Char('.') + suffix;
}
