#pragma once

#include <QByteArray>
#include <QString>

// Ixo's files (ixo.ini, the .dat alarm lists, Wpaper.dat) hold one byte per character in ISO 8859-1
// (Latin-1). A character Latin-1 cannot hold is written as "?".
QByteArray toCodePage(const QString& text);
QString fromCodePage(const QByteArray& bytes);

/// Removes blanks (U+0020 only) from both ends, as the settings readers compare their fields.
QString trimBlanks(const QString& text);
