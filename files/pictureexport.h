// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QString>

class QWidget;
namespace Export {
struct Model;
}

// The picture of the bench: the title band with the read-outs and both media
// areas with everything that stands on them, as the window draws its bench.
// The window's drawing is the model's picture (it draws nothing but the
// bench's state), so the picture is taken from it, read only: no figure is
// drawn for it and the bench is not touched; only the focus frame is hidden
// while it is taken. The window's parts are found by their names.
namespace PictureExport {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PictureExport)
};

QImage benchPicture(QWidget* window);
// Ctrl+Shift+C: the picture to the clipboard.
void copy(QWidget* window);
// The save dialog, its types from the exporters' list; a failure is told in
// a message box and leaves an existing file as it was.
void save(QWidget* window, const Export::Model& model);
// The picture written as PNG or SVG by the path's suffix (PNG for any
// other); a failure is told in a message box. False when nothing was written.
bool write(QWidget* window, const QString& path);
// The file name written for a name typed in the dialog: without trailing
// spaces and dots, with the suffix of the chosen type unless it already ends
// in one of the picture's suffixes.
QString fileName(const QString& typed, const QString& chosenSuffix);
} // namespace PictureExport
