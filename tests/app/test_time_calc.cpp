#include <QTest>

#include "alarms/alarm_lines.h"
#include "app/clock_tick.h"
#include "app/time_calc.h"

namespace {
// Steps from `from` to the mark going forward on a dial of `modulus` (60 minutes or 24 hours).
int ahead(int from, int mark, int modulus)
{
    return (mark - from + modulus) % modulus;
}
} // namespace

class TestTimeCalc : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void wallpaperMarksAcrossTheDay_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("minutes");
        for (int m : {5, 10, 15, 30})
            QTest::addRow("%d min", m) << QString("%1 min").arg(m) << m;
        QTest::newRow("1 hr") << "1 hr" << 60;
        for (int h : {2, 3, 4})
            QTest::addRow("%d hrs", h) << QString("%1 hrs").arg(h) << h * 60;
    }
    void wallpaperMarksAcrossTheDay()
    {
        QFETCH(QString, item);
        QFETCH(int, minutes);
        const TimeCalc calc;
        for (int m = 0; m < 24 * 60; ++m) {
            const QTime now(m / 60, m % 60, 30);
            Flag active = kFalse;
            qint16 interval = 0;
            qint16 mark = -1;
            calc.WallpaperSchedule(true, item, active, interval, mark, now);
            QCOMPARE(active, kTrue);
            QCOMPARE(interval, static_cast<qint16>(minutes));
            qint16 next = -1;
            calc.NextWallpaperTime(interval, next, now);
            QCOMPARE(next, mark);
            if (minutes >= 60) {
                const int hours = minutes / 60;
                QVERIFY(mark % hours == 0 && mark < 24);
                const int step = ahead(now.hour(), mark, 24);
                QVERIFY2(step >= 1 && step <= hours, qPrintable(now.toString()));
            } else {
                QVERIFY(mark % minutes == 0 && mark < 60);
                const int step = ahead(now.minute(), mark, 60);
                QVERIFY2(step >= 1 && step <= minutes, qPrintable(now.toString()));
            }
            QVERIFY2(!ClockTick::wallpaperMarkOutOfLine(interval, mark, now.hour(), now.minute()),
                     qPrintable(now.toString()));
        }
    }

    // Without the box ticked or an interval item there is no wallpaper mark; the chime takes listed items only.
    void scheduleAndChimeSetUp()
    {
        const TimeCalc calc;
        const QTime now(10, 9, 59); // the last second before a mark
        Flag active = kFalse;
        qint16 interval = 15, mark = 30;
        calc.WallpaperSchedule(false, "5 min", active, interval, mark, now);
        QCOMPARE(QList<qint16>({active, mark}), QList<qint16>({kFalse, -1}));
        calc.WallpaperSchedule(true, "min / hr", active, interval, mark, now);
        QCOMPARE(mark, qint16(-1));
        qint16 chime = 0, result = 0, next = -1;
        calc.SetUpChime(true, "10", chime, result, next, now);
        QCOMPARE(QList<qint16>({chime, result, next}), QList<qint16>({10, 1, 10}));
        result = 0;
        calc.SetUpChime(true, "7", chime, result, next, now);
        QCOMPARE(result, qint16(0));
        calc.SetUpChime(false, "10", chime, result, next, now);
        QCOMPARE(QList<qint16>({result, next}), QList<qint16>({0, -1}));
    }

    // Lines the loader refuses (every line the program writes is accepted, below).
    void checksLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("alarm");
        QTest::addColumn<bool>("message");
        QTest::newRow("repeat without !") << "repeat 07:30:00" << false << false;
        QTest::newRow("hour 24") << "once 24:00:00" << false << false;
        QTest::newRow("minute 60") << "once 07:60:00" << false << false;
        QTest::newRow("one-digit hour") << "once 7:30:00" << false << false;
        QTest::newRow("trailing blank") << "once 07:30:00 " << false << false;
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("message") << "Call the garage at 13:05:00" << false << true;
        QTest::newRow("message, bad time") << "Tea at 12:0a:00" << false << false;
        QTest::newRow("message, no at") << "Tea 12:00:00" << false << false;
        QTest::newRow("message, line break") << "Tea\nnow at 12:00:00" << false << false;
    }
    void checksLines()
    {
        QFETCH(QString, line);
        QFETCH(bool, alarm);
        QFETCH(bool, message);
        qint16 alarmResult = 1;
        qint16 messageResult = 1;
        TimeCalc().CheckAlarmLine(line, alarmResult);
        TimeCalc().CheckMessageLine(line, messageResult);
        QCOMPARE(alarmResult != 0, alarm);
        QCOMPARE(messageResult != 0, message);
    }

    // Every line the program composes passes the checks the loader applies.
    void acceptsEveryLineTheProgramWrites()
    {
        const TimeCalc calc;
        for (int s = 0; s < 24 * 3600; s += 37) {
            const QString time = QTime(0, 0).addSecs(s).toString("HH:mm:ss");
            qint16 result = 1;
            for (const char* word : {"once", "twice", "thrice", "repeat!"})
                calc.CheckAlarmLine(AlarmLines::alarmLine(word, time), result);
            calc.CheckMessageLine(AlarmLines::messageLine("Pay at the desk", time), result);
            QVERIFY2(result != 0, qPrintable(time));
        }
    }
};

QTEST_APPLESS_MAIN(TestTimeCalc)
#include "test_time_calc.moc"
