// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's texts are written in Russian. Where the user's language is
// one the program is translated into (English), its translation is installed,
// and with it Qt's own translation of the standard texts for that language.
namespace Translations {
// Installs the translators on the running application, which owns them.
void install();
} // namespace Translations
