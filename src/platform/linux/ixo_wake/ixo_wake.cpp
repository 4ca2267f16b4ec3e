// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
// ixo-wake: holds one wake timer (CLOCK_REALTIME_ALARM) for Ixo, which starts it as a child. Each line on its standard
// input is a whole number of seconds since the epoch within the next 8 days, at which the timer is armed, or an empty
// line, which disarms it; each line is answered with one status line. It exits when its input closes, and the timer
// goes with it. The package gives the program the one capability this needs, CAP_WAKE_ALARM; it drops every other
// at start, opens no file and refuses to run set-uid or set-gid.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {
constexpr long long kMaxAheadSeconds = 8LL * 24 * 60 * 60;
constexpr size_t kMaxLine = 24;

// Keeps CAP_WAKE_ALARM alone (where it was held) and lets no program started later gain anything.
bool keepWakeAlarmOnly()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    const unsigned bit = 1u << (CAP_WAKE_ALARM % 32);
    const unsigned held = data[CAP_WAKE_ALARM / 32].permitted & bit;
    __user_cap_data_struct kept[2]{};
    kept[CAP_WAKE_ALARM / 32].permitted = kept[CAP_WAKE_ALARM / 32].effective = held;
    return syscall(SYS_capset, &header, kept) == 0 && prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0;
}

void answer(const char* text, long long value = -1)
{
    if (value >= 0)
        std::printf("%s %lld\n", text, value);
    else
        std::printf("%s\n", text);
    std::fflush(stdout);
}

// Arms (or with 0 disarms) the timer at `seconds` since the epoch.
bool arm(int timer, long long seconds)
{
    itimerspec at{};
    at.it_value.tv_sec = time_t(seconds);
    return timerfd_settime(timer, TFD_TIMER_ABSTIME, &at, nullptr) == 0;
}

void handle(int timer, const char* line, size_t length)
{
    if (length == 0) {
        answer(arm(timer, 0) ? "disarmed" : "cannot disarm");
        return;
    }
    long long seconds = 0;
    for (size_t i = 0; i < length; ++i) {
        if (line[i] < '0' || line[i] > '9' || i >= 12) {
            answer("refused: not a whole number of seconds since the epoch");
            return;
        }
        seconds = seconds * 10 + (line[i] - '0');
    }
    const long long now = std::time(nullptr);
    if (seconds <= now)
        answer("refused: the time has passed");
    else if (seconds > now + kMaxAheadSeconds)
        answer("refused: more than 8 days ahead");
    else if (!arm(timer, seconds))
        answer("cannot arm");
    else
        answer("armed", seconds);
}
} // namespace

int main()
{
    if (getuid() != geteuid() || getgid() != getegid()) {
        std::fputs("ixo-wake: refusing to run set-uid or set-gid\n", stderr);
        return 2;
    }
    if (!keepWakeAlarmOnly()) {
        std::printf("cannot drop capabilities: %s\n", std::strerror(errno));
        return 1;
    }
    const int timer = timerfd_create(CLOCK_REALTIME_ALARM, TFD_CLOEXEC);
    if (timer < 0) {
        std::printf("cannot arm: %s\n", std::strerror(errno));
        return 1;
    }
    answer("ready");
    char line[kMaxLine + 1];
    size_t length = 0;
    bool tooLong = false;
    char c = 0;
    ssize_t got = 0;
    while ((got = read(STDIN_FILENO, &c, 1)) == 1 || (got < 0 && errno == EINTR)) {
        if (got < 0)
            continue;
        if (c != '\n') {
            if (length < kMaxLine)
                line[length++] = c;
            else
                tooLong = true;
            continue;
        }
        if (tooLong)
            answer("refused: not a whole number of seconds since the epoch");
        else
            handle(timer, line, length);
        length = 0;
        tooLong = false;
    }
    return 0;
}
