// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void Translations::install() {
    QCoreApplication* app = QCoreApplication::instance();
    // The user's languages in order of preference; the first one the program
    // has wins. Russian, the language the texts are written in, needs no
    // catalogue: it is chosen outright, so "ru:en" stays Russian instead of
    // falling through to the first language a catalogue exists for. Russian is
    // also the default, under the C locale too.
    QLocale language(QLocale::Russian, QLocale::Russia);
    auto* own = new QTranslator(app);
    bool translated = false;
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QLocale wanted(name);
        if (wanted.language() == QLocale::Russian)
            break;
        if (wanted.language() == QLocale::C)
            continue;
        if (own->load(QStringLiteral("quellor_") + QLocale::languageToCode(wanted.language()),
                      QStringLiteral(":/i18n"))) {
            translated = true;
            language = wanted;
            break;
        }
    }
    if (translated)
        QCoreApplication::installTranslator(own);
    else
        delete own;
    // Qt's standard texts (context menus, dialog buttons) in the same language.
    auto* qt = new QTranslator(app);
    if (qt->load(QStringLiteral("qtbase_") + QLocale::languageToCode(language.language()),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}
