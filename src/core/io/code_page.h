// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Ixo's files (ixo.ini, the .dat alarm lists, Wpaper.dat) hold text in Windows-1252, one byte per character, as
// long as every character fits; text that Windows-1252 cannot hold (Cyrillic, Chinese, emoji, ...) is written in
// UTF-8 instead. A reader takes bytes that are valid UTF-8 as UTF-8 and any others as Windows-1252, so older
// files stay readable and are written back unchanged. The encoding is chosen for a whole list file, and for each
// text field of ixo.ini on its own.

/// The bytes of `text`: Windows-1252 when every character fits and those bytes cannot be mistaken for UTF-8,
/// else UTF-8.
QByteArray toCodePage(const QString& text);
/// The text of `bytes`: UTF-8 when they are valid UTF-8, else Windows-1252.
QString fromCodePage(QByteArrayView bytes);

/// `text` in Windows-1252; false (and `bytes` unspecified) when a character does not fit.
bool toWindows1252(const QString& text, QByteArray* bytes);
/// `bytes` read as Windows-1252. The five bytes the code page leaves unassigned stand for U+0081, U+008D,
/// U+008F, U+0090 and U+009D, so any bytes come back unchanged when written again.
QString fromWindows1252(QByteArrayView bytes);

/// `bytes` read as UTF-8, a leading byte order mark kept as a character like any other.
QString fromUtf8Text(QByteArrayView bytes);

/// Whether `bytes` is valid UTF-8 holding at least one character beyond ASCII.
bool isUtf8BeyondAscii(QByteArrayView bytes);

/// Removes blanks (U+0020 only) from both ends, as the settings readers compare their fields.
QString trimBlanks(const QString& text);
