// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QToolButton>

#include "core/alarms/alarm_lines.h"
#include "ui/alarms/alarm_set_window.h"
#include "window_fixture.h"
#include "window_pictures.h"

// The Alarm Set window over a hand-made context: each control reaches its display-free call and its result shows;
// what it asks of other windows is recorded. Pictured empty, with an alarm added, with more events, and with the
// messages in view.
class TestAlarmSetWindow : public QObject
{
    Q_OBJECT
    std::unique_ptr<WindowFixture> m_f;
    std::unique_ptr<AlarmSetWindow> m_w;

    AlarmSetWindow& shown(const QString& hour = {}, const QString& minute = {}, const QString& second = {})
    {
        m_w = std::make_unique<AlarmSetWindow>(m_f->context, m_f->lists);
        m_w->show();
        m_w->m_hourBox->setEditText(hour);
        m_w->m_minuteBox->setEditText(minute);
        m_w->m_secondBox->setEditText(second);
        return *m_w;
    }

private Q_SLOTS:
    void init() { m_f = std::make_unique<WindowFixture>(); }
    void cleanup() { m_w.reset(); }

    // Typed keys pass the digit rule (a refused key beeps); Enter adds the time, shown padded and selected; AM/PM,
    // Add and Delete are wired.
    void addAndDelete()
    {
        AlarmSetWindow& w = shown(); // the time boxes as the window opens: empty
        QCOMPARE(WindowPictures::compare(&w, "alarm-set-empty"), QString());
        QTest::keyClicks(w.m_hourBox, "1x");
        QVERIFY(w.m_hourBox->currentText() == "1" && m_f->fakes.windows.beeps == 1); // not completed from the list
        w.m_minuteBox->setEditText("4");
        w.m_secondBox->setEditText("5");
        w.m_amPmDownButton->click();
        QTest::keyClick(w.m_secondBox->lineEdit(), Qt::Key_Return);
        QCOMPARE(WindowPictures::compare(&w, "alarm-set-added"), QString()); // 01:04:05 PM, selected in the list
        w.m_amPmUpButton->click();
        w.m_addButton->click(); // 1:04:05 AM
        QVERIFY(m_f->warnings.shown == QStringList{"Time was passed or next day"} && m_f->lists.alarms.count() == 1);
        w.m_deleteButton->click(); // the selected line
        m_f->lists.alarms.insertSorted("once 20:00:00");
        QCOMPARE(m_f->lists.alarms.lines(), QStringList{"once 20:00:00"});
        w.m_deleteAllButton->click();
        QVERIFY(m_f->lists.alarms.isEmpty());
    }

    // The play button plays the sound picked (that the drop-down lists the sounds and the pick is kept, the end-to-end
    // persistence scenario shows). Add with a message asks for the message input, and the list gives way to the shade
    // until it closes. The lists with more events and messages, then each event with its first message. A double
    // click asks for no message while a warning is in front.
    void listsAndMessages()
    {
        AlarmSetWindow& w = shown("11", "30", "00");
        w.m_soundBox->addItem("bell");
        w.m_soundBox->setCurrentIndex(0);
        w.m_playSoundButton->click();
        QCOMPARE(m_f->fakes.wave.calls, QStringList{m_f->state.appPath + "bell.wav"});

        w.m_addWithMessageButton->click();
        QVERIFY(m_f->requests.asked.contains("showMessageInput") && w.m_alarmList->isHidden() &&
                !w.m_shade->isHidden());
        m_f->lists.messages.append(AlarmLines::messageLine("Call the garage", "11:30:00"));
        w.messageInputClosed();
        QVERIFY(!w.m_alarmList->isHidden() && w.m_shade->isHidden());
        for (const char* line : {"once 09:00:00", "repeat! 21:45:30"})
            m_f->lists.alarms.insertSorted(line);
        for (const char* line : {"Lights out at 21:45:30", "Then the bank at 11:30:00"})
            m_f->lists.messages.append(line);
        QCOMPARE(WindowPictures::compare(&w, "alarm-set-events"), QString());
        w.m_viewMessagesButton->click();
        QCOMPARE(WindowPictures::compare(&w, "alarm-set-view-message"), QString());
        m_f->requests.asked.clear();
        m_f->state.frontHolder = kWarningRankFirst;
        Q_EMIT w.m_alarmList->doubleClicked(w.m_alarmList->model()->index(0, 0));
        QVERIFY(m_f->requests.asked.isEmpty());
    }

    // The chime box runs the set-up and wakes the clock. A window loaded anew shows a running chime, and keeps a
    // sound whose name ixo.ini cannot hold. Exit only hides (the close box too, the end-to-end alarm scenario shows);
    // the title clock runs while the window is seen.
    void chimeAndExit()
    {
        AlarmSetWindow* w = &shown();
        for (const QString& song : {QString("bell"), QString(31, 'x')}) { // slot 3 holds "bell"
            w->m_soundBox->addItem(song);
            w->m_soundBox->setCurrentText(song);
            Q_EMIT w->m_soundBox->activated(w->m_soundBox->currentIndex());
        }
        w->m_chimeIntervalBox->setCurrentIndex(0); // every minute, the first item
        w->m_chimeCheck->click();
        QVERIFY(m_f->state.chimeMark == 1 && !w->m_chimeIntervalBox->isEnabled() && m_f->state.clockActive());
        w->m_exitButton->click();
        QVERIFY(!w->isVisible() && !w->m_titleTimer.isActive());

        m_f->fakes.clock.setTime(QTime(10, 20, 0));
        w = &shown();
        QVERIFY(w->windowTitle() == "Tindalo Alarm Clock...06 Dec 2026 / 10:20 AM" && w->m_chimeCheck->isChecked());
        QCOMPARE(m_f->state.alarmSoundPath, m_f->state.appPath + QString(31, 'x') + ".wav");
    }
};

IXO_WINDOW_TEST_MAIN(TestAlarmSetWindow)
#include "test_alarm_set_window.moc"
