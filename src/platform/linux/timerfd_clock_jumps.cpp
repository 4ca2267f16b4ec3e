// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/timerfd_clock_jumps.h"

#include <cerrno>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace {
// 1 January 2100: far enough never to expire, small enough that a faked clock's offset cannot overflow it.
constexpr time_t kNever = 4102444800;
} // namespace

TimerfdClockJumps::TimerfdClockJumps(QObject* parent) : QObject(parent)
{
    m_fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd < 0)
        return; // without it jumps are seen at the next midnight or tick
    if (!arm()) {
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TimerfdClockJumps::onReadable);
}

TimerfdClockJumps::~TimerfdClockJumps()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

bool TimerfdClockJumps::arm()
{
    itimerspec never{};
    never.it_value.tv_sec = kNever;
    return timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never, nullptr) == 0;
}

void TimerfdClockJumps::onReadable()
{
    std::uint64_t expirations = 0;
    const ssize_t got = ::read(m_fd, &expirations, sizeof expirations);
    if (got < 0 && errno != ECANCELED)
        return;
    // A cancelled timer stays cancelled until it is set again.
    arm();
    if (got < 0 && onJump)
        onJump();
}
