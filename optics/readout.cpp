// SPDX-License-Identifier: GPL-3.0-or-later
#include "readout.h"

#include <QLocale>

QString readoutText(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return QStringLiteral("      ") + locale.toString(value, 'g', 15);
}
