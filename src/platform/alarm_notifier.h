// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>

#include <QString>

// The desktop notification of a sounding alarm, with a Stop and a Snooze button. Where the desktop shows no
// notifications nothing happens and nothing is reported; the alarm's own windows never depend on it.
class AlarmNotifier
{
public:
    virtual ~AlarmNotifier() = default;
    /// Shows `body` in place of any notification still shown; offers Snooze for `snoozeMinutes` when that is
    /// above 0. Returns at once.
    virtual void show(const QString& body, int snoozeMinutes) = 0;
    /// Takes the notification away, if one is shown.
    virtual void withdraw() = 0;

    /// Called when the user chose Stop, or Snooze, on the notification shown.
    std::function<void()> onStop;
    std::function<void()> onSnooze;
};
