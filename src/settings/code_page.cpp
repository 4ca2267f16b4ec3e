#include "settings/code_page.h"

QByteArray toCodePage(const QString& text)
{
    // QString::toLatin1 already turns every character above U+00FF into '?'.
    return text.toLatin1();
}

QString fromCodePage(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes);
}

QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}
