// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checkresults.h"
#include "setupfile.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

// What the tests without a window and the window's tests both build from: a
// teacher's setup, the thin lens in the tests' own words, a file's bytes and
// the check's rows for a results file.
namespace Fixtures {

// A bench as a teacher would prepare it.
inline Setup bench(double n1, double N, double n2, double left, double right, bool converging,
                   bool scheme, bool object, double distance, double height, int zoom = 0,
                   SetupLayers layers = {}) {
    Setup s;
    s.n1 = n1;
    s.N = N;
    s.n2 = n2;
    s.leftRadius = left;
    s.rightRadius = right;
    s.converging = converging;
    s.scheme = scheme;
    s.hasObject = object;
    s.objectDistance = object ? distance : 0;
    s.objectHeight = object ? height : 0;
    s.zoomSteps = zoom;
    s.layers = layers;
    return s;
}

// The thin lens between two media, from the lens-maker's formula (radii in
// twips, 567 to a cm), and the image from f / d + f' / b = 1 (lengths in cm).
struct Expected {
    double f, fBack;
    double b(double d) const { return fBack * d / (d - f); }
};
inline Expected expectedFor(double n1, double N, double n2, double leftR, double rightR) {
    constexpr double kTwipsPerCm = 567;
    const double P = (N - n1) / leftR - (N - n2) / rightR; // per twip
    return {n1 / P / kTwipsPerCm, n2 / P / kTwipsPerCm};
}

inline QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
// A file of exactly these bytes.
inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
// The check's rows below its header; a line it disagrees with, or a file it
// cannot read, adds a row of its own.
inline QStringList rowsOf(const QString& path) {
    QStringList unreadable;
    int disagreeing = 0;
    const QString table = CheckResults::table({path}, &unreadable, &disagreeing);
    const QString rows = table.section(QStringLiteral("\n\n"), 0, 0);
    return unreadable + QStringList(disagreeing, QStringLiteral("!")) +
           rows.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(1);
}

} // namespace Fixtures
