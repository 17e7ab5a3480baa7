// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "benchstate.h"
#include "notation.h"
#include "textmark.h"

#include <QVector>
#include <initializer_list>

class PictureBox;
class TwipGeometry;

// The names layer of the textbook figure: A, B, their images, O, F, 2F, F′,
// 2F′ and the image's kind in words, each placed on its area clear of every
// figure drawn there, of the controls the area holds and of the parts of the
// window that stand over it (over: the lens and its arrowheads).
namespace LessonLayers {
struct Names {
    QVector<TextMark> left;
    QVector<TextMark> right;
};
Names names(const BenchState& bench, const PictureBox& left, const PictureBox& right,
            std::initializer_list<const TwipGeometry*> over, Optics::Notation notation);
} // namespace LessonLayers
