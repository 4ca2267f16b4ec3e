// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <ctime>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "core/alarms/alarm_lists.h"
#include "core/schedule/schedule_file.h"
#include "core/schedule/schedule_logic.h"
#include "core/startup/translations.h"
#include "core/state/shared_state.h"
#include "fake_clock.h"
#include "fake_warnings.h"

namespace {
// Sets the time zone the local wall time is read in.
void useZone(const QByteArray& zone)
{
    qputenv("TZ", zone);
    tzset();
}

ScheduleEntry entry(const QString& when, const QString& time, const QString& skipped = {})
{
    ScheduleEntry e;
    e.when = ScheduleWhen::parse(when, QDate(2026, 12, 8)).value();
    e.time = QTime::fromString(time);
    e.skipped = QDate::fromString(skipped, Qt::ISODate);
    return e;
}
} // namespace

Q_DECLARE_METATYPE(ScheduleEntry)

class TestSchedule : public QObject
{
    Q_OBJECT
    FakeClock m_clock;
    SharedState m_state;
    AlarmLists m_lists;
    FakeWarnings m_warnings;
    QTemporaryDir m_folder;

    /// A schedule over the day's lists, its file in the test's folder, on 8 December 2026 (a Tuesday) at `now`.
    std::unique_ptr<ScheduleLogic> schedule(const QString& now)
    {
        m_clock.set(QDateTime(QDate(2026, 12, 8), QTime::fromString(now)));
        auto logic = std::make_unique<ScheduleLogic>(m_state, m_lists, m_warnings, m_clock);
        logic->load(m_folder.path() + '/');
        return logic;
    }
    QString day() const { return (m_lists.alarms.lines() + m_lists.messages.lines()).join('|'); }

private Q_SLOTS:
    void init()
    {
        useZone("Europe/Berlin");
        m_lists.alarms.clear(), m_lists.messages.clear(), m_warnings.shown.clear();
        QFile::remove(m_folder.filePath(ScheduleFile::kFileName));
    }

    // The next occurrence at or after a moment, in the zone's wall time: weekday sets, every day, a date, a skipped
    // day, month and year ends, 29 February, and the days summer time begins (a time in the gap rings at the first
    // second after it) and ends (a time that comes twice rings once).
    void nextOccurrence_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<ScheduleEntry>("scheduled");
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<QString>("next");
        const auto row = [](const char* name, const char* zone, const ScheduleEntry& e, const char* from,
                            const char* next) {
            QTest::newRow(name) << QByteArray(zone) << e << QDateTime::fromString(from, Qt::ISODate) << next;
        };
        const ScheduleEntry weekdays = entry("weekdays", "07:00:00");
        row("Friday just before", "Europe/Berlin", weekdays, "2026-12-11T06:59:59", "2026-12-11 07:00:00");
        row("Friday on the second", "Europe/Berlin", weekdays, "2026-12-11T07:00:00", "2026-12-11 07:00:00");
        row("Friday just after", "Europe/Berlin", weekdays, "2026-12-11T07:00:01", "2026-12-14 07:00:00");
        row("Saturday", "Europe/Berlin", weekdays, "2026-12-12T06:00:00", "2026-12-14 07:00:00");
        row("Sunday a week on", "Europe/Berlin", entry("sun", "09:00:00"), "2026-12-13T09:00:01",
            "2026-12-20 09:00:00");
        row("days over a month end", "Europe/Berlin", entry("mon,wed", "08:00:00"), "2026-11-26T12:00:00",
            "2026-11-30 08:00:00");
        row("every day over a year end", "Europe/Berlin", entry("daily", "07:00:00"), "2026-12-31T23:00:00",
            "2027-01-01 07:00:00");
        row("29 February", "Europe/Berlin", entry("2028-02-29", "08:00:00"), "2028-02-28T08:00:00",
            "2028-02-29 08:00:00");
        row("once, passed", "Europe/Berlin", entry("2026-12-08", "08:00:00"), "2026-12-08T08:00:01", "none");
        row("skipped day", "Europe/Berlin", entry("daily", "07:00:00", "2026-12-09"), "2026-12-08T08:00:00",
            "2026-12-10 07:00:00");
        row("once, skipped", "Europe/Berlin", entry("2026-12-09", "07:00:00", "2026-12-09"), "2026-12-08T08:00:00",
            "none");
        row("Berlin, spring gap", "Europe/Berlin", entry("daily", "02:30:00"), "2027-03-28T00:00:00",
            "2027-03-28 03:00:00");
        row("Berlin, after the gap", "Europe/Berlin", entry("daily", "02:30:00"), "2027-03-28T03:00:01",
            "2027-03-29 02:30:00");
        row("Berlin, autumn twice", "Europe/Berlin", entry("daily", "02:30:00"), "2027-10-31T00:00:00",
            "2027-10-31 02:30:00");
        row("New York, spring gap", "America/New_York", entry("daily", "02:00:00"), "2027-03-14T01:00:00",
            "2027-03-14 03:00:00");
        row("New York, autumn twice", "America/New_York", entry("sun", "01:30:00"), "2027-11-07T00:00:00",
            "2027-11-07 01:30:00");
        ScheduleEntry off = weekdays;
        off.on = false;
        row("switched off", "Europe/Berlin", off, "2026-12-11T06:00:00", "none");
    }
    void nextOccurrence()
    {
        QFETCH(QByteArray, zone);
        QFETCH(ScheduleEntry, scheduled);
        QFETCH(QDateTime, from);
        useZone(zone);
        from = QDateTime(from.date(), from.time()); // in the zone now in use
        const std::optional<QDateTime> next = scheduled.nextOccurrence(from);
        QTEST(next ? next->toString("yyyy-MM-dd HH:mm:ss") : "none", "next");
        if (next) // one occurrence on that day, however the day's clock ran
            QVERIFY(!scheduled.nextOccurrence(next->addSecs(1)) ||
                    scheduled.nextOccurrence(next->addSecs(1))->date() > next->date());
    }

    // When as the command line and the file write it, read back, and as the window shows it (English).
    void whenTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("tomorrow") << "tomorrow"
                                  << "2026-12-09"
                                  << "Tomorrow";
        QTest::newRow("date") << "2026-12-15"
                              << "2026-12-15"
                              << "Once on Tue 15 Dec 2026";
        QTest::newRow("daily") << "Daily"
                               << "daily"
                               << "Every day";
        QTest::newRow("weekdays") << "mon,tue,wed,thu,fri"
                                  << "weekdays"
                                  << "Weekdays";
        QTest::newRow("weekends") << "weekends"
                                  << "weekends"
                                  << "Weekends";
        QTest::newRow("days") << "fri, mon,wed"
                              << "mon,wed,fri"
                              << "Mon, Wed, Fri";
        QTest::newRow("no such date") << "2027-02-29"
                                      << "'2027-02-29' is not a date (write YYYY-MM-DD)"
                                      << "";
        QTest::newRow("no such day") << "mon,funday"
                                     << "'funday' is not a day (write tomorrow, a date YYYY-MM-DD, "
                                        "daily, weekdays, weekends or days such as mon,wed,fri)"
                                     << "";
        QTest::newRow("empty day") << "mon,,tue"
                                   << "'mon,,tue' is not a day (write tomorrow, a date YYYY-MM-DD, "
                                      "daily, weekdays, weekends or days such as mon,wed,fri)"
                                   << "";
    }
    void whenTexts()
    {
        QFETCH(QString, text);
        QString reason;
        const std::optional<ScheduleWhen> when = ScheduleWhen::parse(text, QDate(2026, 12, 8), &reason);
        QTEST(when ? when->storedText() : reason, "stored");
        QTEST(when ? when->shownText(QDate(2026, 12, 8), QLocale::c()) : QString(), "shown");
        if (when)
            QCOMPARE(ScheduleWhen::parse(when->storedText(), QDate(2000, 1, 1)), when);
    }

    // In German the shown texts and a refusal with its values read in German; what is stored stays as it is.
    void inGerman()
    {
        Translations german;
        german.install({"de-DE"}, ":/i18n", QString());
        const ScheduleEntry passed = entry("2026-12-07", "07:00:00");
        QCOMPARE(ScheduleWhen::onDays(ScheduleWhen::kWeekdays).shownText(QDate(2026, 12, 8), QLocale::c()) + " | " +
                     ScheduleLogic::passedText(passed) + " | " + passed.when.storedText(),
                 "Werktags | 07:00:00 am 2026-12-07 ist bereits vorbei | 2026-12-07");
    }

    // The file: what is written reads back the same; bad entries are reported by number and the rest kept; a file of
    // another version or no JSON is refused as a whole, and the schedule then leaves it as it is.
    void file()
    {
        ScheduleEntry full = entry("mon,wed,fri", "06:30:00", "2026-12-09");
        full.playWord = "repeat!", full.message = "Swim \"fast\"", full.on = false;
        const QList<ScheduleEntry> entries{entry("2026-12-24", "18:00:00"), full};
        QCOMPARE(ScheduleFile::parse(ScheduleFile::compose(entries)).entries, entries);
        const ScheduleFile::Read read = ScheduleFile::parse(
            R"({"version": 1, "entries": [{"time": "7:00", "when": "daily"}, {"time": "07:00:00", "when": "daily"},
                {"time": "08:00:00", "when": "sometimes"}, {"time": "09:00:00", "when": "daily", "play": "often"},
                {"time": "10:00:00", "when": "tomorrow"}, {"time": "11:00:00", "when": "daily", "on": "yes"}]})");
        QCOMPARE(read.entries, QList<ScheduleEntry>{entry("daily", "07:00:00")});
        QCOMPARE(read.badEntries,
                 (QStringList{"Entry 1: the time is not HH:MM:SS", "Entry 3: 'sometimes' is not when an alarm comes",
                              "Entry 4: the play times are not once, twice, thrice or repeat!",
                              "Entry 5: 'tomorrow' is not when an alarm comes",
                              "Entry 6: the message or the on/off state is of the wrong kind"}));
        QCOMPARE(ScheduleFile::parse(R"({"version": 2, "entries": []})").refusal,
                 "version 2 is not known to this Ixo (it reads 1)");
        QVERIFY(ScheduleFile::parse("[1, 2").refusal.startsWith("not JSON"));

        const QByteArray later = R"({"version": 2, "entries": [{"time": "07:00:00", "when": "daily"}]})";
        QFile out(m_folder.filePath(ScheduleFile::kFileName));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(later) == later.size());
        out.close();
        QStringList reported;
        auto logic = schedule("10:00:00");
        logic->hooks.reportErrors = [&reported](const QStringList& lines) { reported += lines; };
        logic->load(m_folder.path() + '/');
        QVERIFY(reported.value(0).contains("version 2 is not known"));
        QVERIFY(logic->add(entry("daily", "11:00:00")).contains("cannot be changed"));
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(out.readAll(), later);
        QVERIFY(m_lists.alarms.isEmpty());
    }

    // A day begins: today's occurrences still ahead go into the list (a second taken: the next free one), a one-off
    // whose day has passed is switched off; a change takes the entry's line out while it is there as it went in.
    void intoTheDaysList()
    {
        auto logic = schedule("06:00:00");
        m_lists.alarms.insertSorted("once 07:00:00");
        ScheduleEntry dentist = entry("2026-12-08", "09:00:00");
        dentist.message = "Dentist";
        QCOMPARE(logic->add(entry("2026-12-07", "07:00:00")), "07:00:00 on 2026-12-07 has passed");
        for (const ScheduleEntry& e : {entry("daily", "07:00:00"), entry("weekdays", "05:00:00"), dentist,
                                       entry("tomorrow", "08:00:00"), entry("sat", "08:00:00")})
            QCOMPARE(logic->add(e), QString());
        QCOMPARE(day(), "once 07:00:00|once 07:00:01|once 09:00:00|Dentist at 09:00:00");
        QCOMPARE(logic->nextOccurrence(1)->toString(Qt::ISODate), "2026-12-09T05:00:00");

        dentist.time = QTime(10, 0);
        QCOMPARE(logic->replace(2, dentist), QString());
        QCOMPARE(day(), "once 07:00:00|once 07:00:01|once 10:00:00|Dentist at 10:00:00");
        QCOMPARE(logic->setOn(0, false) + logic->skipNext(2), QString());
        QCOMPARE(day(), "once 07:00:00");
        QCOMPARE(logic->skipNext(2), QString()); // a second time: it rings again
        m_lists.messages.removeAt(0);            // the user changed its message: the line is the user's now
        QCOMPARE(logic->remove(2), QString());
        QCOMPARE(day(), "once 07:00:00|once 10:00:00");

        m_lists.alarms.clear();
        m_clock.set(QDateTime(QDate(2026, 12, 9), QTime(0, 0)));
        logic->beginDay(QDate(2026, 12, 9), QTime(0, 0));
        QCOMPARE(day(), "once 05:00:00|once 08:00:00");
        auto reread = schedule("00:00:00");
        QCOMPARE(reread->entries(), logic->entries());
        QCOMPARE(reread->entries().at(2).on, true);
        m_clock.set(QDateTime(QDate(2026, 12, 10), QTime(0, 0)));
        reread->beginDay(QDate(2026, 12, 10), QTime(0, 0));
        QCOMPARE(reread->entries().at(2).on, false); // tomorrow's one-off is kept, switched off
        QCOMPARE(m_warnings.shown, QStringList());
    }
};

QTEST_GUILESS_MAIN(TestSchedule)
#include "test_schedule.moc"
