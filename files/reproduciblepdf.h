// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QPainter;
class QPdfWriter;

// A PDF made whole in memory so that the same drawing gives the same bytes:
// a teacher can compare two files, and a file saved twice is saved once. The
// writer's clock, its one entry that changes from run to run, is blanked; the
// order the fonts are listed in follows Qt's hash seed, which the program fixes
// once at start (shell/main.cpp).
namespace ReproduciblePdf {

// The document `draw` paints on a writer named `title`; nothing when it fails.
std::optional<QByteArray> make(const QString& title, const std::function<bool(QPdfWriter&)>& draw);
// One A4 page, upright and without margins, at `dotsPerInch`: `draw` paints
// it with a painter already begun on the writer.
std::optional<QByteArray> onePage(const QString& title, int dotsPerInch,
                                  const std::function<bool(QPainter&, QPdfWriter&)>& draw);

} // namespace ReproduciblePdf
