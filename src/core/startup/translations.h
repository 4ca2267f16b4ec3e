// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

// Ixo in the user's language: the toolkit's own texts (qtbase_<lang>, its buttons and file dialogs) and then
// Ixo's own, chosen from the user's languages in order. English is the source language: with no file for the
// user's language, or an English or C locale, nothing is loaded and every text stays as written.
class Translations
{
public:
    /// Loads and installs the translations for `languages` (most preferred first, as QLocale::uiLanguages()
    /// gives them); `ownFolder` holds ixo_<lang>.qm, `toolkitFolder` qtbase_<lang>.qm. Needs an application
    /// object.
    void install(const QStringList& languages, const QString& ownFolder, const QString& toolkitFolder);

    /// The user's languages, or none when the locale is C/POSIX: then LANGUAGE does not count either.
    static QStringList userLanguages(const QLocale& locale);

private:
    QTranslator m_toolkit;
    QTranslator m_own;
};
