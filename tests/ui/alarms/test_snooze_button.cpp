// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app_harness.h"
#include "core/alarms/alarm_lines.h"
#include "core/alarms/alarm_lists.h"
#include "ui/alarms/alarm_message_window.h"
#include "ui/common/snooze_bar.h"

class TestSnoozeButton : public QObject
{
    Q_OBJECT
    AppHarness m_harness;

    // The program with one event `line` (and `message`), fired on time; its message window, if it opened.
    AlarmMessageWindow* fire(const QString& line, const QString& message = {})
    {
        m_harness.start();
        AlarmLists& lists = m_harness.app->alarmLists();
        lists.alarms.insertSorted(line);
        if (!message.isEmpty())
            lists.messages.append(message);
        m_harness.state->setClockActive(true);
        m_harness.state->alarmsPending = m_harness.state->refreshNext = true;
        m_harness.fakes->clock.setTime(QTime::fromString(AlarmLines::lineTime(line), "HH:mm:ss"));
        m_harness.app->clockTick().tick();
        const QList<AlarmMessageWindow*> windows = m_harness.app->messageWindows();
        return windows.isEmpty() ? nullptr : windows.last();
    }
    qsizetype stops() const { return m_harness.fakes->wave.calls.count(QString()); }

private Q_SLOTS:
    // Snooze in the window, or on the notification (its preset length), silences the sound, takes the notification
    // away, closes the window and adds the event again with its word and message.
    void snoozeAddsTheEventAgain_data()
    {
        QTest::addColumn<bool>("fromWindow");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("notified");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("window, 5 min") << true << "Tea at 10:00:30"
                                       << "Tea at 10:00:30 10" << QStringList{"Tea at 10:05:30"};
        QTest::newRow("notification, 10 min") << false << ""
                                              << "Alarm at 10:00:30 10" << QStringList{};
    }
    void snoozeAddsTheEventAgain()
    {
        QFETCH(bool, fromWindow);
        QFETCH(QString, message);
        AlarmMessageWindow* window = fire("repeat! 10:00:30", message);
        QTEST(m_harness.fakes->notifier.shown, "notified");
        const qsizetype stopsBefore = stops();
        if (fromWindow) {
            QVERIFY(window && window->isVisible());
            window->m_snoozeBar->m_lengthBox->setCurrentIndex(1);
            window->m_snoozeBar->m_snoozeButton->click();
            QVERIFY(!window->isVisible());
        } else {
            m_harness.fakes->notifier.onSnooze();
        }
        const QString again = fromWindow ? "repeat! 10:05:30" : "repeat! 10:10:30";
        QCOMPARE(m_harness.app->alarmLists().alarms.lines(), QStringList{again});
        QTEST(m_harness.app->alarmLists().messages.lines(), "messages");
        QCOMPARE(stops(), stopsBefore + 1);
        QCOMPARE(m_harness.fakes->notifier.shown, QString());
        QVERIFY(!m_harness.app->snoozeSoundingAlarm(1)); // nothing sounds any more
    }

    // A length that would pass midnight is refused, and the window says so; the notification offers no Snooze.
    void snoozeStopsAtMidnight()
    {
        AlarmMessageWindow* window = fire("once 23:55:00", "Bed at 23:55:00");
        QCOMPARE(m_harness.fakes->notifier.shown, "Bed at 23:55:00 0");
        SnoozeBar& bar = *window->m_snoozeBar;
        QVERIFY(!bar.m_snoozeButton->isEnabled() && bar.m_note->isVisibleTo(window));
        QCOMPARE(bar.m_note->text(), "Snooze would pass midnight");
        QVERIFY(!m_harness.app->snoozeSoundingAlarm(10));
        bar.m_lengthBox->setCurrentIndex(0);
        QVERIFY(bar.m_snoozeButton->isEnabled() && !bar.m_note->isVisibleTo(window));
        bar.m_snoozeButton->click();
        QCOMPARE(m_harness.app->alarmLists().alarms.lines(), QStringList{"once 23:56:00"});
    }

    // Stop on the notification is the tray's Stop; OK takes the notification away and leaves the sound alone.
    void stopAndOk()
    {
        fire("repeat! 10:00:30");
        qsizetype stopsBefore = stops();
        m_harness.fakes->notifier.onStop();
        QCOMPARE(stops(), stopsBefore + 1);
        QCOMPARE(m_harness.fakes->notifier.shown, QString());
        AlarmMessageWindow* window = fire("repeat! 10:00:30", "Tea at 10:00:30");
        stopsBefore = stops();
        window->m_okButton->click();
        QCOMPARE(stops(), stopsBefore);
        QCOMPARE(m_harness.fakes->notifier.shown, QString());
        QVERIFY(m_harness.app->alarmLists().alarms.isEmpty());
    }
};

QTEST_MAIN(TestSnoozeButton)
#include "test_snooze_button.moc"
