// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The window is laid out for the classic desktop fonts "MS Sans Serif",
// "Microsoft Sans Serif" and "Courier New". Each is mapped to an installed
// family with Cyrillic glyphs and close metrics: Liberation Sans (metric twin of
// Arial) and Liberation Mono (metric twin of Courier New), with DejaVu as the
// fallback where Liberation is missing.
namespace Fonts {
void installSubstitutions();
// The family actually used for a laid-out family name.
QString resolvedFamily(const QString& family);
} // namespace Fonts
