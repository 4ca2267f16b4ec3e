// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/startup/translations.h"

#include <QCoreApplication>

QStringList Translations::userLanguages(const QLocale& locale)
{
    if (locale.language() == QLocale::C)
        return {};
    return locale.uiLanguages();
}

void Translations::install(const QStringList& languages, const QString& ownFolder, const QString& toolkitFolder)
{
    for (const QString& entry : languages) {
        const QLocale locale(entry);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return; // the source texts are preferred before any translation
        if (!m_own.load(locale, QStringLiteral("ixo"), QStringLiteral("_"), ownFolder))
            continue;
        if (m_toolkit.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), toolkitFolder))
            QCoreApplication::installTranslator(&m_toolkit);
        QCoreApplication::installTranslator(&m_own);
        return;
    }
}
