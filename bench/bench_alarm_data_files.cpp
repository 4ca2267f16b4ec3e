// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
// Loading a full day's alarm data file (32767 events with messages) into empty lists, goal at most 100 ms; and
// saving such a day, goal at most 20 ms.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTime>

#include "core/alarms/alarm_data_files.h"
#include "core/alarms/alarm_lines.h"
#include "core/alarms/alarm_lists.h"
#include "core/files/list_file_flow.h"
#include "core/io/quoted_line_file.h"
#include "core/state/shared_state.h"
#include "core/state/warnings.h"
#include "platform/clock.h"
#include "platform/launcher.h"

namespace {
constexpr int kEvents = 32767;

class Midnight final : public Clock
{
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 6), QTime(0, 0)); }
};

class Silent final : public Warnings, public LoadErrorList, public OverwriteQuestion, public Launcher
{
public:
    void warn(const QString&) override { ++reports; }
    void addErrorLine(const QString&) override { ++reports; }
    void showErrorList() override {}
    void beep() override {}
    void askOverwrite(const QString&, const QString&) override {}
    void openFile(const QString&, std::function<void()>) override {}
    bool startProgram(const QString&, const QStringList&) override { return false; }
    QString findProgram(const QString&) const override { return {}; }
    void askDefaultApplication(const QString&, const QString&, DefaultApplicationAnswer answer) override { answer({}); }
    int reports = 0;
};

// The file lists its events in time order, as a save writes them; `messages` of them carry a message.
void loadFullDay(benchmark::State& state)
{
    const int messages = int(state.range(0));
    QTemporaryDir dir;
    QStringList lines;
    QStringList messageLines;
    for (int s = 1; s <= kEvents; ++s) {
        const QString time = QTime(0, 0).addSecs(s).toString(QStringLiteral("HH:mm:ss"));
        lines.append(AlarmLines::alarmLine(QStringLiteral("twice"), time));
        if (s <= messages)
            messageLines.append(AlarmLines::messageLine(QStringLiteral("Stand up and stretch"), time));
    }
    SharedState shared;
    shared.appPath = dir.path() + QLatin1Char('/');
    if (!QuotedLineFile::write(shared.appPath + QStringLiteral("day.dat"), lines + messageLines)) {
        state.SkipWithError("cannot write the file");
        return;
    }
    Midnight clock;
    Silent silent;
    ListFileFlow files(shared, silent, silent);
    for (auto _ : state) {
        state.PauseTiming();
        auto lists = std::make_unique<AlarmLists>();
        state.ResumeTiming();
        AlarmDataFiles(shared, *lists, AlarmDataFiles::Services{silent, silent, files, silent, clock, {}, {}, {}})
            .load(QStringLiteral("day.dat"));
        benchmark::DoNotOptimize(lists->alarms.count());
        state.PauseTiming();
        if (lists->alarms.count() != kEvents || lists->messages.count() != messages || silent.reports != 0)
            state.SkipWithError("the file did not load whole");
        lists.reset();
        state.ResumeTiming();
    }
    state.counters["lines"] = kEvents + messages;
}
BENCHMARK(loadFullDay)->Arg(0)->Arg(1000)->Arg(kEvents)->Unit(benchmark::kMillisecond);

// Saving the full day to a new file (a save over an existing file first asks, so each round starts without it).
void saveFullDay(benchmark::State& state)
{
    QTemporaryDir dir;
    SharedState shared;
    shared.appPath = dir.path() + QLatin1Char('/');
    AlarmLists lists;
    QStringList lines;
    for (int s = 1; s <= kEvents; ++s)
        lines.append(AlarmLines::alarmLine(QStringLiteral("twice"),
                                           QTime(0, 0).addSecs(s).toString(QStringLiteral("HH:mm:ss"))));
    Midnight clock;
    Silent silent;
    ListFileFlow flow(shared, silent, silent);
    flow.setSaver(AlarmDataFiles::kSaver, [&lists] { return AlarmDataFiles::fileLines(lists); });
    AlarmDataFiles files(shared, lists, AlarmDataFiles::Services{silent, silent, flow, silent, clock, {}, {}, {}});
    if (!QuotedLineFile::write(shared.appPath + QStringLiteral("day.dat"), lines)) {
        state.SkipWithError("cannot write the file");
        return;
    }
    files.load(QStringLiteral("day.dat"));
    const QString out = shared.appPath + QStringLiteral("out.dat");
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(out);
        state.ResumeTiming();
        files.save(QStringLiteral("out.dat"));
    }
    if (QFileInfo(out).size() != QFileInfo(shared.appPath + QStringLiteral("day.dat")).size())
        state.SkipWithError("the saved file differs from the loaded one");
}
BENCHMARK(saveFullDay)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
