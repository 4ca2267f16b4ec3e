// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/alarms/alarm_set_logic.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include "core/alarms/alarm_lines.h"
#include "core/alarms/alarm_lists.h"
#include "core/io/settings_file.h"
#include "core/io/window_position.h"
#include "core/state/shared_state.h"
#include "core/state/translated.h"

namespace AlarmSet {

namespace {
const QString kWaveEnding = QStringLiteral(".wav");

bool isWaveFile(const QFileInfo& file)
{
    return file.isFile() && file.fileName().size() > kWaveEnding.size() &&
           file.fileName().endsWith(kWaveEnding, Qt::CaseInsensitive);
}
void sortNames(QStringList& names)
{
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
}
} // namespace

QString viewMessageText(const AlarmDataList& alarms, const MessageList& messages)
{
    QString text;
    for (qsizetype row = 0; row < alarms.count(); ++row) {
        const QString alarm = alarms.line(row);
        const qsizetype at = messages.indexOfTime(AlarmLines::lineTime(alarm));
        const QString message = at >= 0 ? messages.line(at) : QString();
        text += AlarmLines::shownForm(alarm, at >= 0 ? &message : nullptr);
    }
    return text;
}

QStringList waveNames(const QString& folder)
{
    QStringList names;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::Readable);
    for (const QFileInfo& file : entries)
        if (isWaveFile(file))
            names.append(file.fileName().chopped(kWaveEnding.size()));
    sortNames(names);
    return names;
}

QString wavePath(const QString& folder, const QString& name)
{
    const QString exact = folder + name + kWaveEnding;
    if (QFileInfo(exact).isFile())
        return exact;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo& file : entries)
        if (isWaveFile(file) && file.fileName().chopped(kWaveEnding.size()).compare(name, Qt::CaseInsensitive) == 0)
            return folder + file.fileName();
    return exact;
}

QStringList songNames(const SharedState& state)
{
    QStringList names = waveNames(state.appPath);
    if (state.sharePath.isEmpty() || state.sharePath == state.appPath)
        return names;
    const QStringList own = names;
    for (const QString& name : waveNames(state.sharePath))
        if (!own.contains(name, Qt::CaseInsensitive))
            names.append(name);
    sortNames(names);
    return names;
}

QString songPath(const SharedState& state, const QString& name)
{
    const QString own = wavePath(state.appPath, name);
    if (state.sharePath.isEmpty() || state.sharePath == state.appPath || QFileInfo(own).isFile())
        return own;
    const QString delivered = wavePath(state.sharePath, name);
    return QFileInfo(delivered).isFile() ? delivered : own;
}

QString chooseSong(SharedState& state, const QString& item)
{
    state.alarmSoundPath = songPath(state, item);
    state.songPicked = true;
    const SettingsFile file = state.settingsFile();
    // A cut name would name no file after a restart: slot 3 keeps the sound picked before.
    if (!IniRecord::fits(item))
        return item +
               QStringLiteral(" is used until Ixo ends but cannot be remembered: a sound name may take at "
                              "most %1 bytes in ")
                   .arg(IniRecord::kDataWidth) +
               file.path();
    IniRecord& record = state.settingsRecord;
    record.sectionName = kSectionSongName;
    record.data1 = 0;
    record.data2 = 0;
    record.data = item;
    if (QString reason; !file.writeSlot(IniSlot::SongName, record, &reason))
        return translated(
                   QStringLiteral(QT_TRANSLATE_NOOP("Messages", "The sound choice could not be saved in %1: %2")))
            .arg(file.path(), reason);
    return {};
}

StoredSettings loadStoredSettings(SharedState& state)
{
    StoredSettings stored;
    const SettingsFile file = state.settingsFile();
    if (!file.exists())
        return stored;
    IniRecord& record = state.settingsRecord;

    if (const std::optional<IniRecord> slot = file.readSlot(IniSlot::TimeInputLoc)) {
        record = *slot;
        if (record.section() == kSectionTimeInputLoc) {
            stored.position = WindowPosition::get(record);
        } else {
            record.data1 = 0;
            record.data2 = 0;
        }
    }
    // A sound picked in this run stays, also when slot 3 could not take its name.
    if (const std::optional<IniRecord> slot = file.readSlot(IniSlot::SongName)) {
        record = *slot;
        if (record.section() == kSectionSongName && !record.value().isEmpty() && !state.songPicked)
            state.alarmSoundPath = songPath(state, record.value());
    }
    if (const std::optional<IniRecord> slot = file.readSlot(IniSlot::Setting)) {
        record = *slot;
        if (record.section() == kSectionSetting)
            stored.soundChecks = std::make_pair(record.data1, record.data2);
    }
    return stored;
}

bool storePlaceOnExit(SharedState& state, const AlarmDataList& alarms, QPoint topLeft, QString* reason)
{
    WindowPosition::put(state.settingsRecord, kSectionTimeInputLoc, topLeft);
    const bool written = state.settingsFile().writeSlot(IniSlot::TimeInputLoc, state.settingsRecord, reason);
    state.alarmSetOpen = !alarms.isEmpty();
    return written;
}

QString title(const QDateTime& now)
{
    return translated(kCaption) + readableForm(now, QT_TRANSLATE_NOOP("DateTime", "dd MMM yyyy / hh:mm AP"));
}

QString amPmAt(const QDateTime& now)
{
    return now.time().hour() >= 12 ? QStringLiteral("PM") : QStringLiteral("AM");
}

} // namespace AlarmSet
