// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QObject>

#include "platform/clock_jumps.h"

class QSocketNotifier;

// Clock jumps from the kernel: a wall-clock timer far in the future that is cancelled whenever the clock is set or
// the computer resumes (timerfd with TFD_TIMER_CANCEL_ON_SET). Waiting costs no wake-up.
class TimerfdClockJumps final : public QObject, public ClockJumps
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TimerfdClockJumps)
public:
    explicit TimerfdClockJumps(QObject* parent = nullptr);
    ~TimerfdClockJumps() override;

private:
    bool arm();
    void onReadable();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
};
