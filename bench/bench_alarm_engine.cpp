// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
// The alarm engine with a full list: one clock tick, and filling the list in random order.

#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

#include "core/alarms/alarm_lines.h"
#include "core/alarms/alarm_list_logic.h"
#include "core/alarms/alarm_lists.h"
#include "core/clock/clock_tick.h"
#include "core/state/shared_state.h"
#include "core/state/warnings.h"
#include "platform/clock.h"

namespace {
constexpr int kEvents = 32767;
const QDate kDay(2026, 12, 6);

class SetClock final : public Clock
{
public:
    QDateTime now() const override { return m_now; }
    void set(const QTime& t) { m_now = QDateTime(kDay, t); }

private:
    QDateTime m_now{kDay, QTime(0, 0)};
};

class NoWarnings final : public Warnings
{
public:
    void warn(const QString&) override {}
};

class NoActions final : public TickActions
{
public:
    void alarmFired(const FiredEvent&) override {}
    void playSound(const QString&, const QString&) override {}
    void playSpeakerSweep() override {}
    void openMessageWindow(const QString& text) override { benchmark::DoNotOptimize(text.size()); }
    void playChime(const QString&) override {}
    void renewChime() override {}
    void changeWallpaper() override {}
    void rescheduleWallpaper() override {}
    void unloadAlarmSetWindow() override {}
    void newDay(const QDate&, const QTime&) override {}
};

QString timeOfSecond(int second)
{
    return QTime(0, 0).addSecs(second).toString(QStringLiteral("HH:mm:ss"));
}

// `count` distinct seconds of the day from second 1 on, in random order.
std::vector<int> randomSeconds(int count, unsigned seed)
{
    std::vector<int> seconds(86399);
    std::iota(seconds.begin(), seconds.end(), 1);
    std::mt19937 random(seed);
    std::shuffle(seconds.begin(), seconds.end(), random);
    seconds.resize(count);
    return seconds;
}

struct Engine
{
    Engine()
    {
        state.setStartupDefaults();
        state.setClockActive(true);
    }
    SetClock clock;
    SharedState state;
    AlarmLists lists;
    NoWarnings warnings;
    NoActions actions;
    ClockTick tick{state, lists, clock, actions};
    AlarmListLogic logic{state, lists, warnings, clock};

    void fill(const std::vector<int>& seconds, bool withMessages)
    {
        for (int s : seconds) {
            logic.insert(timeOfSecond(s), QStringLiteral("once"));
            if (withMessages)
                lists.messages.append(AlarmLines::messageLine(QStringLiteral("message"), timeOfSecond(s)));
        }
        state.alarmsPending = true;
    }
};

// A tick with 32 767 events pending and nothing due: the usual tick.
void BM_TickWithFullList(benchmark::State& st)
{
    Engine e;
    e.fill(randomSeconds(kEvents, 1), true);
    e.clock.set(QTime(0, 0, 0, 500));
    e.tick.tick(); // reads the head
    for (auto _ : st)
        e.tick.tick();
    st.counters["pending"] = static_cast<double>(e.lists.alarms.count());
}
BENCHMARK(BM_TickWithFullList)->Unit(benchmark::kMicrosecond);

// A tick that fires the head of 32 767 events and reads the next one; with a message for every event the
// tick also looks the message up (messages in random order).
void BM_TickFiringHead(benchmark::State& st)
{
    const bool withMessages = st.range(0) != 0;
    Engine e;
    const std::vector<int> seconds = randomSeconds(kEvents, 2);
    std::vector<int> sorted = seconds;
    std::sort(sorted.begin(), sorted.end());
    e.fill(seconds, withMessages);
    e.clock.set(QTime(0, 0, 0, 100));
    e.tick.tick();
    size_t next = 0;
    for (auto _ : st) {
        if (next == sorted.size()) {
            st.PauseTiming();
            e.fill(seconds, withMessages);
            e.state.refreshNext = true;
            e.clock.set(QTime(0, 0, 0, 100));
            e.tick.tick();
            next = 0;
            st.ResumeTiming();
        }
        e.clock.set(QTime(0, 0).addSecs(sorted[next++]).addMSecs(100));
        e.tick.tick();
    }
}
BENCHMARK(BM_TickFiringHead)->Arg(0)->Arg(1)->ArgName("messages")->Unit(benchmark::kMicrosecond);

// 32 767 events inserted in random order through insert, into an empty list.
void BM_SortingRandomInserts(benchmark::State& st)
{
    const std::vector<int> seconds = randomSeconds(kEvents, 3);
    std::vector<QString> times;
    times.reserve(seconds.size());
    for (int s : seconds)
        times.push_back(timeOfSecond(s));
    const QString word = QStringLiteral("twice");
    for (auto _ : st) {
        st.PauseTiming();
        auto e = std::make_unique<Engine>();
        st.ResumeTiming();
        for (const QString& t : times)
            e->logic.insert(t, word);
        benchmark::DoNotOptimize(e->lists.alarms.count());
        st.PauseTiming();
        e.reset();
        st.ResumeTiming();
    }
}
BENCHMARK(BM_SortingRandomInserts)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
