// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>
#include <QStringList>

#include "core/state/shared_state.h"

struct AlarmLists;
class MessageList;
class Clock;
class Warnings;

// The texts of the three time boxes of the Alarm Set window.
struct TimeBoxes
{
    QString hour;
    QString minute;
    QString second;
    bool operator==(const TimeBoxes&) const = default;
};

// What an add did: the box texts to show (padded to two digits once they passed the checks) and whether a line
// went in (the window then may open the message input for it).
struct AddResult
{
    TimeBoxes shown;
    bool secondsReset = false; // the seconds box was set to "00" (and its first item selected)
    bool inserted = false;
};

// How a time box treats a key that was pressed.
enum class KeyVerdict { Pass, Drop, DropWithBeep };

// A time box's text after the digit rule: the kept text, and whether the beep sounds.
struct FilteredTime
{
    QString text;
    bool beep = false;
};

// The alarm-list logic behind the Alarm Set window: adding, ordering and deleting events, and the input rules
// of the time boxes. It keeps nothing between calls; the lists and the shared state are handed in.
class AlarmListLogic final
{
public:
    AlarmListLogic(SharedState& state, AlarmLists& lists, Warnings& warnings, const Clock& clock);

    /// Checks the time boxes, converts "hh" + `amPm` to the 24-hour clock and inserts the event in time order.
    /// `chosenPlayTimes` is the chosen play-times item or empty when none is chosen; a chosen item replaces
    /// `playTimes`, which otherwise is used as it stands.
    AddResult add(const QString& amPm, const QString& chosenPlayTimes, QString& playTimes, const TimeBoxes& boxes);

    /// Inserts playTimes + " " + m_alarmTime at its place in time order and selects it; a time that
    /// is already in the list is refused with a warning. In every case the clock re-reads the head of the list.
    /// Returns true when the line went in.
    bool insert(const QString& alarmTime, const QString& playTimes);
    /// What Add does once the time is checked: the clock runs, the event goes in (as insert), and whether events
    /// are pending is brought up to date. Returns true when the line went in.
    bool addChecked(const QString& alarmTime, const QString& playTimes);
    /// The boxes' time on the 24-hour clock, "HH:MM:SS", as Add checks it: the boxes are padded to two digits once
    /// they pass the checks. Empty, with `refusal` set, for boxes that are not a time; the composed text with
    /// `refusal` set for a field of more than two characters.
    static QString composeTime(const QString& amPm, TimeBoxes& boxes, QString* refusal);
    /// The time the last add composed, "HH:MM:SS".
    const QString& alarmTime() const { return m_alarmTime; }

    /// Removes the first message whose time is the time of `selectedAlarm`.
    static void removeMessageOf(MessageList& messages, const QString& selectedAlarm);
    /// The Delete button: removes the selected event and its message; the clock re-reads the head.
    void deleteSelected();
    /// Removes line `row` (if any) and its message, as Delete does; the clock re-reads the head.
    void deleteRow(qsizetype row);
    /// The Delete All button: empties both lists; the clock re-reads the head.
    void deleteAll();

    /// "AM" becomes "PM" and "PM" becomes "AM"; any other text stays.
    static QString amPmUp(const QString& amPm);
    static QString amPmDown(const QString& amPm) { return amPmUp(amPm); }

    /// The items a minutes or seconds box gets on its drop-down: "10" to "59" when it holds exactly 10 items.
    static QStringList moreMinuteItems(int itemCount);
    static QStringList moreSecondItems(int itemCount) { return moreMinuteItems(itemCount); }

    /// Key press in an hour, minutes or seconds box, given the key's text: digits and Backspace pass, other
    /// characters are dropped with a beep; keys without a character (arrows, Enter, shortcuts) pass.
    static KeyVerdict timeBoxKeyPress(const QString& keyText);
    /// Key release in a time box: 3 or more characters empty the box, with a beep.
    static FilteredTime timeBoxKeyRelease(const QString& text);
    /// Text that reached a time box without typing (pasted, dropped): every character that is no digit is
    /// dropped, with a beep, and 3 or more characters empty the box as on a key release.
    static FilteredTime filterTimeBoxText(const QString& text);
    /// Key press in a box chosen by list only (play times, chime minutes, song): every character is dropped,
    /// without a beep.
    static KeyVerdict listOnlyKeyPress(const QString& keyText);

    static inline const QString kInvalidInput = QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Invalid input"));
    static inline const QString kTimeExample =
        QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Time input example 12:59:01"));
    static inline const QString kTimePassed =
        QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Time was passed or next day"));
    static inline const QString kTimeExists =
        QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Alarm time already exists"));
    static inline const QString kListFull =
        QStringLiteral(QT_TRANSLATE_NOOP("Messages", "The alarm list is full (32767 events)"));

private:
    void updatePending();

    /// The last composed time "HH:MM:SS".
    QString m_alarmTime;
    bool m_inserted = false;

    SharedState& m_state;
    AlarmLists& m_lists;
    Warnings& m_warnings;
    const Clock& m_clock;
};
