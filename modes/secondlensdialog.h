// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notation.h"
#include "scale.h"
#include "secondlens.h"

#include <optional>

class QWidget;

// The second lens's values typed in: its place behind the first lens, its
// focal length (or its index and radii), its type, the medium behind it.
namespace SecondLensDialog {

// Asks over `parent`, starting from `lens`. `between` is the index of the
// medium between the two lenses (the bench's right one); the scale turns the
// bench's centimetres into the real ones a teacher types; the notation gives
// the letters. Nothing where the teacher cancels.
std::optional<Optics::SecondLens> edit(QWidget& parent, const Optics::SecondLens& lens,
                                       double between, Optics::Scale scale,
                                       Optics::Notation notation);

} // namespace SecondLensDialog
