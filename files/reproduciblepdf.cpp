// SPDX-License-Identifier: GPL-3.0-or-later
#include "reproduciblepdf.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace {
// The clock is blanked to spaces of its length, so that every offset the
// file's table gives stays right.
void withoutClock(QByteArray& pdf) {
    const QByteArray key("/CreationDate (");
    const qsizetype at = pdf.indexOf(key);
    const qsizetype end = at < 0 ? -1 : pdf.indexOf(')', at);
    if (end < 0)
        return;
    pdf.replace(at, end + 1 - at, QByteArray(end + 1 - at, ' '));
}
} // namespace

namespace ReproduciblePdf {

std::optional<QByteArray> make(const QString& title, const std::function<bool(QPdfWriter&)>& draw) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Quellor"));
        if (!draw(writer))
            return std::nullopt;
    }
    QByteArray pdf = buffer.data();
    withoutClock(pdf);
    return pdf;
}

std::optional<QByteArray> onePage(const QString& title, int dotsPerInch,
                                  const std::function<bool(QPainter&, QPdfWriter&)>& draw) {
    return make(title, [&](QPdfWriter& writer) {
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(dotsPerInch);
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        const bool drawn = draw(painter, writer);
        return painter.end() && drawn;
    });
}

} // namespace ReproduciblePdf
