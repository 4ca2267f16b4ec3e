// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>

#include <QDateTime>
#include <QString>

// Wakes the computer from sleep at a time, so that an alarm rings with the lid closed. One request at a time: a new
// one replaces the last.
class ComputerWaker
{
public:
    /// How the request reaches the system: a wake timer of Ixo's own, the KDE power manager, the wake helper.
    enum class Way { None, SystemTimer, PowerManager, Helper };

    virtual ~ComputerWaker() = default;

    /// Wakes the computer at `when`, in place of the request before; an invalid time takes the request back.
    virtual void wakeAt(const QDateTime& when) = 0;
    /// The way requests take; None while none works (or none is found yet).
    virtual Way way() const = 0;
    /// Why no way works, in plain words; empty while one does.
    virtual QString whyNot() const = 0;

    /// Told when the way or the reason changes.
    std::function<void()> onWayChanged;
    /// Told just before the computer sleeps: the request is to be brought in line with the next event within the
    /// call (wakeAt).
    std::function<void()> onBeforeSleep;
};
