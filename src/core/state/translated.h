// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>

// The core's fixed texts stay English where they are kept and compared (tests, the bus's answers); they are marked
// for translation (QT_TRANSLATE_NOOP) in the "Messages" context and put into the user's language where a window shows
// them. A text that is not a whole marked text (one joined with a file name, say) is shown as it is.
inline QString translated(const QString& text)
{
    return QCoreApplication::translate("Messages", text.toUtf8().constData());
}

// A date or time for reading only, written in the form the translation gives for `englishForm` (marked with
// QT_TRANSLATE_NOOP in the "DateTime" context) and in the user's locale; without a translation, exactly as the
// English form writes it.
template <typename DateOrTime> QString readableForm(const DateOrTime& when, const char* englishForm)
{
    const QString form = QCoreApplication::translate("DateTime", englishForm);
    const QLocale locale = form == QLatin1String(englishForm) ? QLocale::c() : QLocale();
    return locale.toString(when, form);
}
