// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The text of an index read-out: six spaces, then the value in its shortest
// decimal form with the decimal mark of the user's locale and the digits 0-9
// whatever the locale writes numbers with. The value is first rounded to 15
// significant digits, so that 1 + 32/50 shows as 1.64 and not with the binary
// noise of the double (1.6400000000000001).
QString readoutText(double value);

// A length, power or magnification as the read-outs write it: two decimals
// (or as many as asked), the decimal mark of the language shown, a true minus
// sign, none for a value that rounds to zero.
QString readoutNumber(double value, int decimals = 2);
