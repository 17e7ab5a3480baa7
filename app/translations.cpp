// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void Translations::install() {
    QCoreApplication* app = QCoreApplication::instance();
    // The user's languages in order of preference; the first one translated
    // wins. Russian, the language the texts are written in, is the default,
    // also under the C locale.
    QLocale language(QLocale::Russian, QLocale::Russia);
    auto* own = new QTranslator(app);
    if (own->load(QLocale::system(), QStringLiteral("quellor"), QStringLiteral("_"),
                  QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(own);
        language = QLocale(own->language());
    } else {
        delete own;
    }
    // Qt's standard texts (context menus, dialog buttons) in the same language.
    auto* qt = new QTranslator(app);
    if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}
