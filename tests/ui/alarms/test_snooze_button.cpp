// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app_harness.h"
#include "core/alarms/alarm_lists.h"
#include "ui/alarms/alarm_message_window.h"
#include "ui/common/snooze_bar.h"

class TestSnoozeButton : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // At 23:55 the preset 10 minutes would pass midnight: Snooze is refused, the window says so and the notification
    // offers no Snooze. One minute is taken: the sound stops, the notification goes, the window closes, and the
    // event comes back with its word and message (only the last " at " is the time's).
    void snoozeBeforeMidnight()
    {
        AppHarness harness;
        harness.start();
        AlarmLists& lists = harness.app->alarmLists();
        lists.alarms.insertSorted("repeat! 23:55:00");
        lists.messages.append("Meet at noon at 23:55:00");
        harness.state->setClockActive(true);
        harness.state->alarmsPending = harness.state->refreshNext = true;
        harness.fakes->clock.setTime(QTime(23, 55));
        harness.app->clockTick().tick();
        QCOMPARE(harness.fakes->notifier.shown, "Meet at noon at 23:55:00 0");
        SnoozeBar& bar = *harness.app->messageWindows().value(0)->m_snoozeBar;
        QVERIFY(!bar.m_snoozeButton->isEnabled() && bar.m_note->isVisibleTo(&bar));
        bar.m_lengthBox->setCurrentIndex(0);
        QVERIFY(bar.m_snoozeButton->isEnabled() && !bar.m_note->isVisibleTo(&bar));
        bar.m_snoozeButton->click();
        QVERIFY(!bar.isVisible() && harness.fakes->wave.calls.endsWith(QString()) &&
                harness.fakes->notifier.shown.isEmpty());
        QCOMPARE(lists.alarms.lines(), QStringList{"repeat! 23:56:00"});
        QCOMPARE(lists.messages.lines(), QStringList{"Meet at noon at 23:56:00"});
    }
};

QTEST_MAIN(TestSnoozeButton)
#include "test_snooze_button.moc"
