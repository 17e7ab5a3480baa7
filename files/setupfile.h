// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notation.h"
#include "scale.h"
#include "setupformat.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>

// The layers of the textbook picture and the lesson a setup names, as the
// Qt-free format (optics/setupformat.h) holds them.
using SetupLayers = SetupFormat::Layers;
using Setup = SetupFormat::Setup;

// The setup file: JSON with a format name and version (README, "Setup files").
// Reading checks everything before anything is used: a setup comes back only
// when the whole file is valid, otherwise a problem in words.
class SetupFile {
    Q_DECLARE_TR_FUNCTIONS(SetupFile)

public:
    static constexpr int kVersion = SetupFormat::kVersion;
    // A setup is a few hundred bytes; anything much larger is not one.
    static constexpr qint64 kMostBytes = qint64(SetupFormat::kMostBytes);

    struct Result {
        std::optional<Setup> setup;
        QString problem; // empty when setup holds a value
    };

    // `ranges`: the bench the setup is for (Bench::setupRanges()).
    using Ranges = SetupFormat::Ranges;
    static Result parse(const QByteArray& bytes, const Ranges& ranges);
    static Result read(const QString& path, const Ranges& ranges);
    static QByteArray write(const Setup& setup);

    // The ranges a valid setup keeps to: those of the sliders and of the left
    // area, lengths in real centimetres at the scale.
    static double leastRadius(Optics::Scale scale, const Ranges& ranges);
    static double greatestRadius(Optics::Scale scale, const Ranges& ranges);
    // Whether a setup can name an object there: a point of the left area,
    // before the lens plane, in real centimetres from the lens and the axis.
    static bool objectInArea(double distance, double height, Optics::Scale scale,
                             const Ranges& ranges);
    // A radius in real centimetres as the reader takes it: one that shows
    // within the stated limits at the read-outs' precision, kept to the
    // sliders' range.
    static bool takeRadius(double cm, Optics::Scale scale, const Ranges& ranges, double* taken);
    // The limits a radius is stated with, at that precision.
    static double statedLeastRadius(Optics::Scale scale, const Ranges& ranges);
    static double statedGreatestRadius(Optics::Scale scale, const Ranges& ranges);

    // A task seed as written: decimal digits of an unsigned 64-bit number.
    static std::optional<quint64> seedOf(const QString& digits);
};
