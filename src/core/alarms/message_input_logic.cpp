// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/alarms/message_input_logic.h"

#include "core/alarms/alarm_lines.h"
#include "core/alarms/alarm_lists.h"
#include "core/io/settings_file.h"
#include "core/io/window_position.h"
#include "core/state/shared_state.h"
#include "core/state/translated.h"

namespace MessageInput {

std::optional<int> storedFontSize(const IniRecord& record)
{
    const qint16 size = record.data1;
    if (record.section() == kSectionFontSize && size > 0 && size <= kLargestStoredFont)
        return size;
    return std::nullopt;
}

Loaded load(SharedState& state, AlarmLists& lists)
{
    Loaded loaded;
    const SettingsFile file = state.settingsFile(); // a slot of a missing or short file reads as nothing
    if (const std::optional<IniRecord> slot = file.readSlot(IniSlot::FontSize)) {
        state.settingsRecord = *slot;
        loaded.fontSize = storedFontSize(state.settingsRecord);
    }

    const QString alarm = lists.alarms.selectedLine();
    loaded.alarmLine = alarm;
    if (!alarm.isEmpty()) {
        loaded.takenLine = lists.messages.takeFirstWithTime(AlarmLines::lineTime(alarm));
        if (loaded.takenLine)
            loaded.message = AlarmLines::messageText(*loaded.takenLine);
    }

    if (const std::optional<IniRecord> slot = file.readSlot(IniSlot::MessageInputLoc)) {
        state.settingsRecord = *slot;
        if (state.settingsRecord.sectionName == kSectionMessageInputLoc)
            loaded.position = WindowPosition::get(state.settingsRecord);
    }
    return loaded;
}

QString storable(const QString& text)
{
    QString line = text.left(kMaxLength);
    if (line.size() < text.size() && line.back().isHighSurrogate() && text.at(line.size()).isLowSurrogate())
        line.chop(1);
    for (qsizetype i = 0; i < line.size(); ++i) {
        QChar& c = line[i];
        if (c == QLatin1Char('"'))
            c = QLatin1Char('\'');
        else if (c.isHighSurrogate() && i + 1 < line.size() && line.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.category() == QChar::Other_Control || c == QChar::ParagraphSeparator || c == QChar::LineSeparator ||
                 c.isSurrogate())
            c = QLatin1Char(' ');
    }
    return line;
}

SaveResult save(SharedState& state, AlarmLists& lists, const QString& alarmLine, double fontSize, const QString& text,
                QString* settingsWarning)
{
    state.settingsRecord.sectionName = kSectionFontSize;
    state.settingsRecord.data1 = toRecordInt(fontSize);
    const SettingsFile file = state.settingsFile();
    QString reason;
    if (!file.writeSlot(IniSlot::FontSize, state.settingsRecord, &reason) && settingsWarning)
        *settingsWarning =
            translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "The font size could not be saved in %1: %2")))
                .arg(file.path(), reason);

    // The alarm the window was opened for, not the selected one: an insert meanwhile selects its own line.
    const QString time = AlarmLines::lineTime(alarmLine);
    if (alarmLine.isEmpty() || !lists.alarms.hasTime(time) || text.isEmpty())
        return SaveResult::NothingToSave;
    if (!lists.messages.append(AlarmLines::messageLine(storable(text), time)))
        return SaveResult::ListFull;
    return SaveResult::Added;
}

void abandon(AlarmLists& lists, const Loaded& loaded)
{
    // A message whose alarm fired or was deleted meanwhile stays out: it would wait for a later alarm of its time.
    if (loaded.takenLine && lists.alarms.hasTime(AlarmLines::lineTime(*loaded.takenLine)))
        lists.messages.append(*loaded.takenLine);
}

bool storePosition(SharedState& state, QPoint topLeft, QString* reason)
{
    WindowPosition::put(state.settingsRecord, kSectionMessageInputLoc, topLeft);
    return state.settingsFile().writeSlot(IniSlot::MessageInputLoc, state.settingsRecord, reason);
}

std::optional<double> smallerFont(double size)
{
    if (size > kSmallestFont)
        return size - 1;
    return std::nullopt;
}

std::optional<double> largerFont(double size)
{
    if (size < kLargestFont)
        return size + 1;
    return std::nullopt;
}

} // namespace MessageInput
