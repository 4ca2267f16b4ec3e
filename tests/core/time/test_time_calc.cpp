// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QTest>

#include "core/alarms/alarm_lines.h"
#include "core/clock/clock_tick.h"
#include "core/time/time_calc.h"

using namespace AlarmLines;

class TestTimeCalc : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // At every minute of the day the wallpaper mark is the next multiple of the interval (minutes below an hour,
    // hours of the day from one hour on), at most one interval ahead, and the clock sees it in line. The chime
    // shares the rule: the clock's tests check its marks.
    void wallpaperMarksAcrossTheDay()
    {
        const TimeCalc calc;
        const QList<int> intervals{5, 10, 15, 30, 60, 120, 180, 240};
        const QStringList items{"5 min", "10 min", "15 min", "30 min", "1 hr", "2 hrs", "3 hrs", "4 hrs"};
        for (qsizetype i = 0; i < items.size(); ++i) {
            const int minutes = intervals[i];
            for (int m = 0; m < 24 * 60; ++m) {
                const QTime now(m / 60, m % 60, 30);
                bool active = false;
                qint16 interval = 0, mark = -1, next = -1;
                calc.scheduleWallpaper(true, items[i], active, interval, mark, now);
                calc.nextWallpaperMark(interval, next, now);
                QVERIFY(active && interval == minutes && next == mark);
                const int unit = minutes >= 60 ? minutes / 60 : minutes, dial = minutes >= 60 ? 24 : 60;
                const int step = (mark - (minutes >= 60 ? now.hour() : now.minute()) + dial) % dial;
                QVERIFY2(mark % unit == 0 && mark < dial && step >= 1 && step <= unit, qPrintable(now.toString()));
                QVERIFY(!ClockTick::wallpaperMarkOutOfLine(interval, mark, now.hour(), now.minute()));
            }
        }
    }

    // The chime takes listed items only (the windows' tests set a listed one up), and none while its box is
    // unticked.
    void chimeSetUp()
    {
        const TimeCalc calc;
        qint16 chime = 0, next = 10;
        QVERIFY(!calc.scheduleChime(true, "0", chime, next, QTime(10, 9, 59))); // not listed
        QVERIFY(!calc.scheduleChime(false, "10", chime, next, QTime(10, 9, 59)));
        QCOMPARE(next, qint16(-1));
    }

    // Lines the loader refuses; lines the program composes pass, at the ends of the day too.
    void checksLines()
    {
        const TimeCalc calc;
        const auto accepted = [&calc](const QString& line) {
            return QString("%1%2").arg(int(calc.checkAlarmLine(line))).arg(int(calc.checkMessageLine(line)));
        };
        for (const char* refused : {"repeat 07:30:00", "once 24:00:00", "once 07:60:00", "once 7:30:00",
                                    "once 07:30:00 ", "", "Tea at 12:0a:00", "Tea 12:00:00", "Tea\nnow at 12:00:00"})
            QVERIFY2(accepted(refused) == "00", refused);
        for (const char* word : {"once", "twice", "thrice", "repeat!"})
            QCOMPARE(accepted(alarmLine(word, "23:59:59")), "10");
        QCOMPARE(accepted(messageLine("Pay at the desk", "00:00:00")), "01");
    }
};

QTEST_APPLESS_MAIN(TestTimeCalc)
#include "test_time_calc.moc"
