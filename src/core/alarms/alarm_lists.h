// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <optional>
#include <vector>

#include <QAbstractListModel>
#include <QHash>
#include <QStringList>

// The day's alarm lines ("twice 19:30:00") in time order, at most one per second of the day; line 0 is the
// next event. Rows are found by counting per second of the day, so inserting, removing and reading a row
// cost the same whether the list holds one line or thousands, and a view over the model is told about single
// rows only. The counting takes one bit per second and one counter per 64 seconds (about 16 KB), the lines
// only the room they need: an idle tray program with a few events stays small.
class AlarmDataList final : public QAbstractListModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlarmDataList)
public:
    /// Counts and indices are 16-bit: the list holds at most this many lines.
    static constexpr int kMaxLines = 32767;

    enum class Insert { Inserted, Duplicate, Full, NotATime };

    explicit AlarmDataList(QObject* parent = nullptr);
    ~AlarmDataList() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    qsizetype count() const { return m_bySecond.size(); }
    bool isEmpty() const { return m_bySecond.isEmpty(); }
    /// Line `row`, or the empty text when there is no such line.
    QString line(qsizetype row) const;
    /// Line 0, the next event, or the empty text.
    QString head() const { return line(0); }
    QStringList lines() const;
    /// True when a line has the time `time` ("HH:MM:SS").
    bool hasTime(QStringView time) const;

    /// Puts `line` at its place in time order and selects it. The last 8 characters must be a time of day
    /// "HH:MM:SS"; a second that already has a line is refused.
    Insert insertSorted(const QString& line, qsizetype* row = nullptr);
    /// Removes line `row`. The selected line stays selected; when it is the one removed, none is.
    void removeAt(qsizetype row);
    void clear();

    /// The selected row, or -1.
    qsizetype selected() const { return m_selected; }
    /// Selects `row` (-1 or a row outside the list: none).
    void setSelected(qsizetype row);
    /// The selected line, or the empty text.
    QString selectedLine() const { return line(m_selected); }

Q_SIGNALS:
    void selectedChanged(qsizetype row);

private:
    qsizetype rowOfSecond(int second) const;
    int secondOfRow(qsizetype row) const;
    void addCount(int second, int delta);

    std::vector<quint64> m_occupied;   // one bit per second of the day: set where there is a line
    std::vector<qint32> m_blockCounts; // binary indexed tree over blocks of 64 seconds: lines per range
    QHash<int, QString> m_bySecond;    // the line of each second that has one
    qsizetype m_selected = -1;
};

// The message lines ("Call the garage at 19:30:00") in the order they were added.
class MessageList final : public QAbstractListModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MessageList)
public:
    static constexpr int kMaxLines = 32767;

    explicit MessageList(QObject* parent = nullptr);
    ~MessageList() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    qsizetype count() const { return m_lines.size(); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    QString line(qsizetype row) const { return m_lines.value(row); }
    const QStringList& lines() const { return m_lines; }

    /// Appends `line`; false when the list is full.
    bool append(const QString& line);
    void removeAt(qsizetype row);
    void clear();

    /// The first line whose last 8 characters equal `time`, or -1.
    qsizetype indexOfTime(QStringView time) const;
    /// Removes and returns the first line whose last 8 characters equal `time`.
    std::optional<QString> takeFirstWithTime(QStringView time);

private:
    QStringList m_lines;
    std::vector<qint32> m_keys; // second of the day of each line's time (-1: no time), searched instead of texts
};

// The two lists of the day's events, kept whether or not the Alarm Set window is open; the idle clock empties them
// when it unloads that window.
struct AlarmLists
{
    AlarmDataList alarms;
    MessageList messages;
};
