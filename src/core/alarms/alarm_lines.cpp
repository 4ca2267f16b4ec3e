// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/alarms/alarm_lines.h"

#include <QLocale>
#include <QTime>

namespace AlarmLines {

namespace {
constexpr qsizetype kTimeWidth = 8;
constexpr qsizetype kMessageTail = 12; // " at " + "HH:MM:SS"

// The hours, minutes and seconds fields of a time text, as two-character texts.
QString hoursOf(const QString& t)
{
    return t.left(2);
}
QString minutesOf(const QString& t)
{
    return t.mid(3, 2);
}
QString secondsOf(const QString& t)
{
    return t.right(2);
}
} // namespace

QString lineTime(const QString& line)
{
    return line.right(kTimeWidth);
}

QString playWord(const QString& alarmLine)
{
    return alarmLine.left(std::max<qsizetype>(0, alarmLine.size() - (kTimeWidth + 1)));
}

QString alarmLine(const QString& word, const QString& time)
{
    return word + QLatin1Char(' ') + time;
}

QString messageLine(const QString& text, const QString& time)
{
    return text + QStringLiteral(" at ") + time;
}

bool isMessageLine(const QString& line)
{
    return line.right(kMessageTail).left(3) == QLatin1String(" at");
}

QString messageText(const QString& messageLine)
{
    return messageLine.left(std::max<qsizetype>(0, messageLine.size() - kMessageTail));
}

QString marker(const QString& alarmLine)
{
    const QString word = alarmLine.left(5).trimmed();
    if (word == QLatin1String("once"))
        return QStringLiteral("_");
    if (word == QLatin1String("twice"))
        return QStringLiteral("=");
    if (word == QLatin1String("thric"))
        return QStringLiteral("#");
    if (word == QLatin1String("repea"))
        return QStringLiteral("~");
    return QStringLiteral("?");
}

QString twelveHourTime(const QString& time)
{
    const QTime t = QTime::fromString(time, QStringLiteral("HH:mm:ss"));
    if (!t.isValid())
        return time;
    return QLocale::c().toString(t, QStringLiteral("hh:mm:ss AP"));
}

QString shownForm(const QString& alarmLine, const QString* messageLine)
{
    QString text = QStringLiteral("\r\n") + marker(alarmLine) + twelveHourTime(lineTime(alarmLine));
    if (messageLine)
        text += QStringLiteral("  /  ") + messageText(*messageLine);
    return text;
}

int compareTimes(const QString& a, const QString& b)
{
    if (const int c = hoursOf(a).compare(hoursOf(b)))
        return c;
    if (const int c = minutesOf(a).compare(minutesOf(b)))
        return c;
    return secondsOf(a).compare(secondsOf(b));
}

} // namespace AlarmLines
