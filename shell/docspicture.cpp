// SPDX-License-Identifier: GPL-3.0-or-later
#include "docspicture.h"

#include "benchview.h"
#include "focusframe.h"
#include "lessontools.h"
#include "safewrite.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace DocsPicture {

QString write(BenchView& bench, const QString& png) {
    QWidget& window = bench.Window();
    window.resize(kSize);
    window.show();
    bench.Lesson().toggleGraph();
    // No focus frame: it tells where the keyboard is, not what the bench shows.
    for (QWidget* control : window.findChildren<QWidget*>())
        if (auto* frame = dynamic_cast<FocusFrame*>(control))
            frame->SetFocusShown(false);
    // Laid out and painted at that size, as a user would see it.
    QApplication::processEvents();
    window.repaint();
    QApplication::processEvents();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    const QImage picture = window.grab().toImage();
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG", 9))
        return SafeWrite::failure(png, QStringLiteral("PNG"));
    return SafeWrite::write(png, bytes);
}

} // namespace DocsPicture
