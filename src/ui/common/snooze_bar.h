// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QWidget>

class QComboBox;
class QPushButton;

// The Snooze button of an alarm message window and the length in minutes beside it. A length that passes
// midnight sets the alarm for the day after.
class SnoozeBar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SnoozeBar)
public:
    explicit SnoozeBar(QWidget* parent = nullptr);

    /// The chosen length in minutes.
    int minutes() const;

    QPushButton* m_snoozeButton = nullptr;
    QComboBox* m_lengthBox = nullptr;

Q_SIGNALS:
    void snoozeClicked(int minutes);
};
