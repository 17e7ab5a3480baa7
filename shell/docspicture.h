// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

class BenchView;

// The documentation's pictures, made by the program itself from a setup, so
// that they show the window as it is (its name, its letters, its graph) and
// cannot fall behind it: scripts/docs-pictures.sh makes every one.
namespace DocsPicture {

// The size the pictures are made at: small enough for a README, the whole
// window legible.
inline constexpr QSize kSize{1152, 648};

// The window at that size with the setup applied and the graph beside the
// bench, written as PNG through the safe path; an empty text, or why not.
QString write(BenchView& bench, const QString& png);

} // namespace DocsPicture
