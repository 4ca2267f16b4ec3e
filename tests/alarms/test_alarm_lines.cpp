#include <QTest>

#include "alarms/alarm_lines.h"

using namespace AlarmLines;

class TestAlarmLines : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fieldsByPosition_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("marker");
        const auto row = [](const char* line, const char* time, const char* word, const char* marker) {
            QTest::newRow(line) << QString(line) << QString(time) << QString(word) << QString(marker);
        };
        row("once 07:30:00", "07:30:00", "once", "_");
        row("twice 19:30:00", "19:30:00", "twice", "=");
        row("thrice 13:05:00", "13:05:00", "thrice", "#");
        row("repeat! 23:59:59", "23:59:59", "repeat!", "~");
        row("loud 01:00:00", "01:00:00", "loud", "?");
        row("12:00", "12:00", "", "?");
    }
    void fieldsByPosition()
    {
        QFETCH(QString, line);
        QTEST(lineTime(line), "time");
        QTEST(playWord(line), "word");
        QTEST(marker(line), "marker");
    }

    void messageLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("isMessage");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "Call the garage at 13:05:00" << true << "Call the garage";
        QTest::newRow("text holding ' at '") << "Meet at noon at 12:00:00" << true << "Meet at noon";
        QTest::newRow("empty text") << " at 08:00:00" << true << "";
        QTest::newRow("alarm line") << "twice 19:30:00" << false << "tw";
        QTest::newRow("no ' at' in place") << "Call the garage 13:05:00" << false << "Call the gar";
    }
    void messageLines()
    {
        QFETCH(QString, line);
        QTEST(isMessageLine(line), "isMessage");
        QTEST(messageText(line), "text");
    }

    void shownForm_data()
    {
        QTest::addColumn<QString>("alarm");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const char* alarm, const QString& message, const char* shown) {
            QTest::newRow(name) << QString(alarm) << message << QString(shown);
        };
        row("with message", "thrice 13:05:00", "Call the garage at 13:05:00", "\r\n#01:05:00 PM  /  Call the garage");
        row("without message", "twice 19:30:00", QString(), "\r\n=07:30:00 PM");
        row("midnight hour", "once 00:30:00", QString(), "\r\n_12:30:00 AM");
        row("noon", "repeat! 12:00:00", QString(), "\r\n~12:00:00 PM");
    }
    void shownForm()
    {
        QFETCH(QString, alarm);
        QFETCH(QString, message);
        QTEST(AlarmLines::shownForm(alarm, message.isNull() ? nullptr : &message), "shown");
    }

    void compareTimesFieldByField_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("sign");
        QTest::newRow("hours decide") << "07:59:59" << QString("08:00:00") << -1;
        QTest::newRow("minutes decide") << "08:31:00" << QString("08:30:59") << 1;
        QTest::newRow("seconds decide") << "08:30:01" << QString("08:30:02") << -1;
        QTest::newRow("equal") << "23:59:59" << QString("23:59:59") << 0;
        QTest::newRow("five characters: minutes as seconds") << "08:30" << QString("08:30:45") << -1;
    }
    void compareTimesFieldByField()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, sign);
        const int c = compareTimes(a, b);
        QCOMPARE((c > 0) - (c < 0), sign);
    }
};

QTEST_GUILESS_MAIN(TestAlarmLines)
#include "test_alarm_lines.moc"
