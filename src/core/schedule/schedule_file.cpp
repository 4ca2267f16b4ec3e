// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/schedule/schedule_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/alarms/alarm_lines.h"
#include "core/state/translated.h"
#include "core/time/time_calc.h"

namespace ScheduleFile {

namespace {
// The entry `object` holds, or why not.
std::optional<ScheduleEntry> readEntry(const QJsonObject& object, QString* why)
{
    ScheduleEntry entry;
    entry.time = QTime::fromString(object.value(QLatin1String("time")).toString(), QStringLiteral("HH:mm:ss"));
    if (!entry.time.isValid()) {
        *why = translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "the time is not HH:MM:SS")));
        return std::nullopt;
    }
    entry.playWord = object.value(QLatin1String("play")).toString(QStringLiteral("once"));
    if (!TimeCalc().checkAlarmLine(AlarmLines::alarmLine(entry.playWord, QStringLiteral("00:00:00")))) {
        *why = translated(
            QStringLiteral(QT_TRANSLATE_NOOP("Messages", "the play times are not once, twice, thrice or repeat!")));
        return std::nullopt;
    }
    const QJsonValue message = object.value(QLatin1String("message"));
    const QJsonValue on = object.value(QLatin1String("on"));
    if ((!message.isUndefined() && !message.isString()) || (!on.isUndefined() && !on.isBool())) {
        *why = translated(
            QStringLiteral(QT_TRANSLATE_NOOP("Messages", "the message or the on/off state is of the wrong kind")));
        return std::nullopt;
    }
    entry.message = message.toString();
    entry.on = on.toBool(true);
    // A date is read as it stands: "tomorrow" has no meaning in a file.
    const QString when = object.value(QLatin1String("when")).toString();
    const std::optional<ScheduleWhen> parsed =
        when == QLatin1String("tomorrow") ? std::nullopt : ScheduleWhen::parse(when, QDate());
    if (!parsed || (!parsed->isOnce() && parsed->days == 0)) {
        *why = translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "'%1' is not when an alarm comes"))).arg(when);
        return std::nullopt;
    }
    entry.when = *parsed;
    const QString skip = object.value(QLatin1String("skip")).toString();
    entry.skipped = QDate::fromString(skip, QStringLiteral("yyyy-MM-dd"));
    if (!skip.isEmpty() && !entry.skipped.isValid()) {
        *why = translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "the skipped date is not YYYY-MM-DD")));
        return std::nullopt;
    }
    return entry;
}
} // namespace

Read parse(const QByteArray& bytes)
{
    Read read;
    if (bytes.trimmed().isEmpty())
        return read;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (!document.isObject()) {
        read.refusal = error.error != QJsonParseError::NoError
                           ? translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "not JSON (%1 at byte %2)")))
                                 .arg(error.errorString())
                                 .arg(error.offset)
                           : translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "not a schedule")));
        return read;
    }
    const QJsonObject root = document.object();
    if (const int version = root.value(QLatin1String("version")).toInt(-1); version != kVersion) {
        read.refusal =
            translated(
                QStringLiteral(QT_TRANSLATE_NOOP("Messages", "version %1 is not known to this Ixo (it reads %2)")))
                .arg(root.value(QLatin1String("version")).toVariant().toString())
                .arg(kVersion);
        return read;
    }
    const QJsonArray entries = root.value(QLatin1String("entries")).toArray();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        QString why;
        if (const std::optional<ScheduleEntry> entry = readEntry(entries.at(i).toObject(), &why))
            read.entries.append(*entry);
        else
            read.badEntries.append(
                translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Entry %1: %2"))).arg(i + 1).arg(why));
    }
    return read;
}

QByteArray compose(const QList<ScheduleEntry>& entries)
{
    QJsonArray array;
    for (const ScheduleEntry& entry : entries) {
        QJsonObject object{{QStringLiteral("time"), entry.time.toString(QStringLiteral("HH:mm:ss"))},
                           {QStringLiteral("play"), entry.playWord},
                           {QStringLiteral("message"), entry.message},
                           {QStringLiteral("on"), entry.on},
                           {QStringLiteral("when"), entry.when.storedText()}};
        if (entry.skipped.isValid())
            object.insert(QStringLiteral("skip"), entry.skipped.toString(QStringLiteral("yyyy-MM-dd")));
        array.append(object);
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("version"), kVersion}, {QStringLiteral("entries"), array}})
        .toJson(QJsonDocument::Indented);
}

} // namespace ScheduleFile
