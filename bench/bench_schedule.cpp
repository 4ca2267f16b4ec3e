// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
// A schedule of 1000 entries: the new day's merge into the day's list, the next-occurrence pass the Schedule
// window and --list make, and the Schedule window opening over it (offscreen).

#include <benchmark/benchmark.h>

#include <QApplication>

#include "core/schedule/schedule_file.h"
#include "core/schedule/schedule_logic.h"
#include "platform/file_writer.h"
#include "ui/schedule/schedule_window.h"
#include "window_fixture.h"

namespace {
constexpr int kEntries = 1000;
const QDate kMonday(2026, 12, 7);

// 1000 entries: every fifth once on a later date, the others on weekday sets; 600 of them come on a Monday.
QList<ScheduleEntry> entries()
{
    QList<ScheduleEntry> list;
    for (int i = 0; i < kEntries; ++i) {
        ScheduleEntry entry;
        entry.time = QTime(0, 0).addSecs(i * 80 + 7);
        entry.message = QStringLiteral("Entry %1").arg(i);
        entry.when = i % 5 == 0 ? ScheduleWhen::once(kMonday.addDays(1 + i % 30))
                                : ScheduleWhen::onDays(i % 5 == 4 ? ScheduleWhen::kWeekends : ScheduleWhen::kWeekdays);
        list.append(entry);
    }
    return list;
}

// The program's state, lists and a window context of fakes (on 6 December 2026), and the schedule read from its file.
struct Program
{
    Program()
    {
        fixture.fakes.clock.set(QDateTime(kMonday, QTime(0, 0)));
        writeWholeFile(fixture.state.appPath + ScheduleFile::kFileName, ScheduleFile::compose(entries()));
        schedule.load(fixture.state.appPath);
    }
    WindowFixture fixture;
    ScheduleLogic schedule{fixture.state, fixture.lists, fixture.warnings, fixture.fakes.clock};
};

void newDayMerge(benchmark::State& run)
{
    Program program;
    for (auto _ : run) {
        program.fixture.lists.alarms.clear();
        program.fixture.lists.messages.clear();
        program.schedule.beginDay(kMonday, QTime(0, 0));
    }
    run.counters["merged"] = double(program.fixture.lists.alarms.count());
}
BENCHMARK(newDayMerge)->Unit(benchmark::kMillisecond);

void nextOccurrencePass(benchmark::State& run)
{
    Program program;
    for (auto _ : run)
        for (qsizetype i = 0; i < kEntries; ++i)
            benchmark::DoNotOptimize(program.schedule.nextOccurrence(i));
}
BENCHMARK(nextOccurrencePass)->Unit(benchmark::kMillisecond);

void scheduleWindowOpens(benchmark::State& run)
{
    Program program;
    for (auto _ : run) {
        ScheduleWindow window(program.fixture.context, program.schedule);
        window.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(scheduleWindowOpens)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
