// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notation.h"

#include <optional>

// The notation the bench writes in: the one a teacher chose, or else the one
// of the language shown, so that a lesson never told otherwise follows the
// language it is shown in.
class NotationChoice {
public:
    Optics::Notation current() const;
    // The teacher's choice, none while the language decides.
    std::optional<Optics::Notation> chosen() const { return m_chosen; }
    void choose(std::optional<Optics::Notation> notation) { m_chosen = notation; }

private:
    std::optional<Optics::Notation> m_chosen;
};
