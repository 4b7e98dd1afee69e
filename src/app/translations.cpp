// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace lanternreel {

void installTranslations(QCoreApplication &application)
{
    const QLocale locale;
    auto *qt = new QTranslator(&application);
    if (qt->load(locale, QStringLiteral("qt"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    auto *own = new QTranslator(&application);
    if (own->load(locale, QStringLiteral("lanternreel"), QStringLiteral("_"),
                  QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(own);
    else
        delete own;
}

} // namespace lanternreel
