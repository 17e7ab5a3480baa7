// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's texts are written in Russian. The first of the user's
// languages (LANGUAGE, then the locale) that the program has, Russian itself
// or a translation (English), is the one it shows; Qt's own translation of the
// standard texts follows the same choice.
namespace Translations {
// Installs the translators on the running application, which owns them.
void install();
} // namespace Translations
