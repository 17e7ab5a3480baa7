// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Writes the whole of `bytes` to `path` through a temporary file that replaces
// the target only once everything is written: a failure leaves the old file
// as it was and no partial one. False with the reason in `why` on failure.
bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* why);
