// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

// The Snooze button of an alarm message window, the length in minutes beside it, and under them the note that
// the chosen length would pass midnight, while it would.
class SnoozeBar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SnoozeBar)
public:
    explicit SnoozeBar(QWidget* parent = nullptr);

    /// The chosen length in minutes.
    int minutes() const;
    /// Snooze can be chosen (`possible`), or is refused with the midnight note.
    void offer(bool possible);

    QPushButton* m_snoozeButton = nullptr;
    QComboBox* m_lengthBox = nullptr;
    QLabel* m_note = nullptr;

Q_SIGNALS:
    void snoozeClicked(int minutes);
    void lengthChanged();
};
