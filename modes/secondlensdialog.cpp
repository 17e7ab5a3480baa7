// SPDX-License-Identifier: GPL-3.0-or-later
#include "secondlensdialog.h"

namespace SecondLensDialog {

std::optional<Optics::SecondLens> edit(QWidget&, const Optics::SecondLens&, double, Optics::Scale,
                                       Optics::Notation) {
    return std::nullopt;
}

} // namespace SecondLensDialog
