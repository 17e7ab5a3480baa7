// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notation.h"
#include "scale.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>

// The layers of the textbook picture a setup names. They are read and kept, so
// that a setup passes through this version unchanged; a new setup holds none.
struct SetupLayers {
    bool labels = false;
    bool thirdRay = false;
    bool safePalette = false;
    bool operator==(const SetupLayers&) const = default;
};

// A lesson as a teacher prepares it: everything that makes the bench what it
// is, in the units a teacher reads (indices, real centimetres at its scale).
struct Setup {
    // A centimetre of the bench stands for `scale` real ones; the radii and
    // the object below are real lengths.
    Optics::Scale scale;
    double n1 = 1; // medium left of the lens
    double N = 1;  // the lens
    double n2 = 1; // medium right of the lens
    // Radius magnitudes of the surface drawn left and right of the lens plane,
    // in centimetres; their signs follow the lens type.
    double leftRadius = 0;
    double rightRadius = 0;
    bool converging = true;
    bool scheme = false;
    // The object point: its distance before the lens and its height above the
    // axis, in centimetres.
    bool hasObject = false;
    double objectDistance = 0;
    double objectHeight = 0;
    int zoomSteps = 0; // steps of the window's zoom from the fit
    SetupLayers layers;
    // A series of tasks to open with: its seed and level (0 equal media, 1
    // two media, 2 mixed), when the setup names one.
    bool hasTasks = false;
    quint64 taskSeed = 0;
    int taskLevel = 0;
    // The letters the lesson is shown in; none to follow the language.
    std::optional<Optics::Notation> notation;
    bool operator==(const Setup&) const = default;
};

// The setup file: JSON with a format name and version (README, "Setup files").
// Reading checks everything before anything is used: a setup comes back only
// when the whole file is valid, otherwise a problem in words.
class SetupFile {
    Q_DECLARE_TR_FUNCTIONS(SetupFile)

public:
    static constexpr int kVersion = 1;
    // A setup is a few hundred bytes; anything much larger is not one.
    static constexpr qint64 kMostBytes = 64 * 1024;

    struct Result {
        std::optional<Setup> setup;
        QString problem; // empty when setup holds a value
    };

    static Result parse(const QByteArray& bytes);
    static Result read(const QString& path);
    static QByteArray write(const Setup& setup);

    // The ranges a valid setup keeps to: those of the sliders and of the left
    // area, lengths in real centimetres at the scale.
    static double leastIndex();
    static double greatestIndex();
    static double leastRadius(Optics::Scale scale);
    static double greatestRadius(Optics::Scale scale);
    // Whether a setup can name an object there: a point of the left area,
    // before the lens plane, in real centimetres from the lens and the axis.
    static bool objectInArea(double distance, double height, Optics::Scale scale);
    // A radius in real centimetres as the reader takes it: one that shows
    // within the stated limits at the read-outs' precision, kept to the
    // sliders' range.
    static bool takeRadius(double cm, Optics::Scale scale, double* taken);
    // The limits a radius is stated with, at that precision.
    static double statedLeastRadius(Optics::Scale scale);
    static double statedGreatestRadius(Optics::Scale scale);

    // A task seed as written: decimal digits of an unsigned 64-bit number.
    static std::optional<quint64> seedOf(const QString& digits);
};
