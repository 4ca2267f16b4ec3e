// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/alarms/alarm_lists.h"

#include <algorithm>
#include <bit>

#include "core/time/time_calc.h"

namespace {
constexpr int kSecondsPerDay = 24 * 60 * 60;
constexpr int kBlockSeconds = 64; // seconds per word of the occupied bits
constexpr int kBlocks = kSecondsPerDay / kBlockSeconds;
constexpr int kTopBlockBit = 1 << 10; // the highest power of two not above kBlocks
static_assert(kSecondsPerDay % kBlockSeconds == 0 && kTopBlockBit <= kBlocks && 2 * kTopBlockBit > kBlocks);

// The second of the day of `time` ("HH:MM:SS"), or -1 when it is no time of day.
int secondOfTime(QStringView time)
{
    if (!TimeCalc::isClockTime(time))
        return -1;
    auto field = [time](int at) { return (time[at].unicode() - '0') * 10 + (time[at + 1].unicode() - '0'); };
    return field(0) * 3600 + field(3) * 60 + field(6);
}

// The second of the day of the last 8 characters of `line`, or -1.
int secondOfLine(const QString& line)
{
    return secondOfTime(QStringView(line).right(8));
}
} // namespace

AlarmDataList::AlarmDataList(QObject* parent) : QAbstractListModel(parent) {}

AlarmDataList::~AlarmDataList() = default;

int AlarmDataList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(count());
}

QVariant AlarmDataList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return line(index.row());
}

void AlarmDataList::addCount(int second, int delta)
{
    for (int i = second / kBlockSeconds + 1; i <= kBlocks; i += i & -i)
        m_blockCounts[i] += delta;
}

qsizetype AlarmDataList::rowOfSecond(int second) const
{
    const int block = second / kBlockSeconds;
    qsizetype below = std::popcount(m_occupied[block] & ((quint64{1} << (second % kBlockSeconds)) - 1));
    for (int i = block; i > 0; i -= i & -i)
        below += m_blockCounts[i];
    return below;
}

int AlarmDataList::secondOfRow(qsizetype row) const
{
    // Walks down the tree for the block with `row` lines before it and more in it, then counts its bits.
    int block = 0;
    qsizetype remaining = row;
    for (int step = kTopBlockBit; step > 0; step >>= 1) {
        const int next = block + step;
        if (next <= kBlocks && m_blockCounts[next] <= remaining) {
            block = next;
            remaining -= m_blockCounts[next];
        }
    }
    quint64 bits = m_occupied[block];
    for (; remaining > 0; --remaining)
        bits &= bits - 1;
    return block * kBlockSeconds + std::countr_zero(bits);
}

QString AlarmDataList::line(qsizetype row) const
{
    if (row < 0 || row >= count())
        return {};
    return m_bySecond.value(secondOfRow(row));
}

QStringList AlarmDataList::lines() const
{
    QStringList all;
    all.reserve(count());
    for (int block = 0; block < static_cast<int>(m_occupied.size()); ++block)
        for (quint64 bits = m_occupied[block]; bits != 0; bits &= bits - 1)
            all.append(m_bySecond.value(block * kBlockSeconds + std::countr_zero(bits)));
    return all;
}

AlarmDataList::Insert AlarmDataList::insertSorted(const QString& line, qsizetype* row)
{
    const int second = secondOfLine(line);
    if (second < 0)
        return Insert::NotATime;
    if (m_occupied.empty()) {
        m_occupied.assign(kBlocks, 0);
        m_blockCounts.assign(kBlocks + 1, 0);
    }
    const quint64 bit = quint64{1} << (second % kBlockSeconds);
    quint64& word = m_occupied[second / kBlockSeconds];
    if (word & bit)
        return Insert::Duplicate;
    if (count() >= kMaxLines)
        return Insert::Full;
    const qsizetype at = rowOfSecond(second);
    beginInsertRows(QModelIndex(), static_cast<int>(at), static_cast<int>(at));
    m_bySecond.insert(second, line);
    word |= bit;
    addCount(second, 1);
    endInsertRows();
    if (row)
        *row = at;
    // The new line is selected even where the row number stays the same: the line in it is another one.
    m_selected = at;
    Q_EMIT selectedChanged(at);
    return Insert::Inserted;
}

void AlarmDataList::removeAt(qsizetype row)
{
    if (row < 0 || row >= count())
        return;
    // As in a list box the selection stays on its line when another line goes (the head firing while the user
    // works on a later line); only the selected line's own removal leaves nothing selected.
    const qsizetype selectedAfter = row == m_selected ? -1 : m_selected - (row < m_selected ? 1 : 0);
    const int second = secondOfRow(row);
    beginRemoveRows(QModelIndex(), static_cast<int>(row), static_cast<int>(row));
    m_bySecond.remove(second);
    m_occupied[second / kBlockSeconds] &= ~(quint64{1} << (second % kBlockSeconds));
    addCount(second, -1);
    endRemoveRows();
    setSelected(selectedAfter);
}

bool AlarmDataList::hasTime(QStringView time) const
{
    const int second = secondOfTime(time);
    return second >= 0 && !m_occupied.empty() && (m_occupied[second / kBlockSeconds] >> (second % kBlockSeconds)) & 1;
}

void AlarmDataList::clear()
{
    if (count() > 0) {
        beginResetModel();
        m_bySecond.clear();
        std::fill(m_occupied.begin(), m_occupied.end(), 0);
        std::fill(m_blockCounts.begin(), m_blockCounts.end(), 0);
        endResetModel();
    }
    setSelected(-1);
}

void AlarmDataList::setSelected(qsizetype row)
{
    if (row < 0 || row >= count())
        row = -1;
    if (row == m_selected)
        return;
    m_selected = row;
    Q_EMIT selectedChanged(row);
}

MessageList::MessageList(QObject* parent) : QAbstractListModel(parent) {}

MessageList::~MessageList() = default;

int MessageList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

QVariant MessageList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_lines.at(index.row());
}

bool MessageList::append(const QString& line)
{
    if (m_lines.size() >= kMaxLines)
        return false;
    const int at = static_cast<int>(m_lines.size());
    beginInsertRows(QModelIndex(), at, at);
    m_lines.append(line);
    m_keys.push_back(secondOfLine(line));
    endInsertRows();
    return true;
}

void MessageList::removeAt(qsizetype row)
{
    if (row < 0 || row >= m_lines.size())
        return;
    beginRemoveRows(QModelIndex(), static_cast<int>(row), static_cast<int>(row));
    m_lines.removeAt(row);
    m_keys.erase(m_keys.begin() + row);
    endRemoveRows();
}

void MessageList::clear()
{
    if (m_lines.isEmpty())
        return;
    beginResetModel();
    m_lines.clear();
    m_keys.clear();
    endResetModel();
}

qsizetype MessageList::indexOfTime(QStringView time) const
{
    if (const int key = secondOfTime(time); key >= 0) {
        const auto at = std::find(m_keys.begin(), m_keys.end(), key);
        return at == m_keys.end() ? -1 : at - m_keys.begin();
    }
    for (qsizetype i = 0; i < m_lines.size(); ++i)
        if (QStringView(m_lines.at(i)).right(8) == time)
            return i;
    return -1;
}

std::optional<QString> MessageList::takeFirstWithTime(QStringView time)
{
    const qsizetype at = indexOfTime(time);
    if (at < 0)
        return std::nullopt;
    QString line = m_lines.at(at);
    removeAt(at);
    return line;
}
