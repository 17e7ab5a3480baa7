// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

// The scale of the bench, "1 : K": a centimetre of the bench stands for K real
// centimetres, so that school lenses (F = 10-20 cm) fit the bench. The optics
// works in centimetres of the bench; every length a user reads or types is real.
namespace Optics {

class Scale {
public:
    // The scales a teacher chooses from.
    static constexpr std::array<int, 4> kChoices{1, 2, 5, 10};

    constexpr Scale() = default;
    // The scale 1 : k, when k is one of the choices.
    static std::optional<Scale> of(double k);

    int factor() const { return m_k; }
    // The next of the choices, after the last the first again.
    Scale next() const;

    // Centimetres of the bench (as the drawing is measured) as real ones, and
    // back.
    double realOfBenchCm(double benchCm) const { return benchCm * m_k; }
    double benchCm(double realCm) const { return realCm / m_k; }

    bool operator==(const Scale&) const = default;

private:
    explicit constexpr Scale(int k) : m_k(k) {}
    int m_k = 1;
};

// A power in dioptres of the bench (its centimetres taken as real) in real
// dioptres at this scale: K times longer focal lengths, a K times weaker lens.
inline double realDioptres(double benchDioptres, Scale scale) {
    return benchDioptres / scale.factor();
}

} // namespace Optics
