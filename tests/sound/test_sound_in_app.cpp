#include <QAction>
#include <QLabel>
#include <QTest>

#include "alarms/alarm_lists.h"
#include "app/clock_tick.h"
#include "app_harness.h"

// The sound logic as the program wires it: the real clock timer and tray state around its boxes.
class TestSoundInApp : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<AppHarness> m_h;

private Q_SLOTS:
    void init()
    {
        m_h = std::make_unique<AppHarness>();
        m_h->start();
        m_h->state->strNextAlarm = "07:00:00";
        m_h->fakes->wavePlayer.playable = false;
    }
    void cleanup() { m_h.reset(); }

    // The box stops the clock timer while it is open and restarts it only if it ran.
    void boxHoldsTheClock_data()
    {
        QTest::addColumn<bool>("disabled");
        QTest::newRow("clock running") << false;
        QTest::newRow("clock disabled from the menu") << true;
    }
    void boxHoldsTheClock()
    {
        QFETCH(bool, disabled);
        Form1& form1 = m_h->app->form1();
        m_h->state->setClockActive(kTrue); // something to watch, so the timer runs
        if (disabled)
            form1.mDisable->trigger();
        bool runningDuringBox = true;
        m_h->fakes->modalBox.onShow = [&] { runningDuringBox = form1.Timer1.isActive(); };
        m_h->app->form9().PlaySound("once", m_h->state->strSongPath);
        QCOMPARE(m_h->fakes->modalBox.shown,
                 QStringList{m_h->state->strSongPath.mid(7) + ", wave file not found, alarm at 07:00:00"});
        QVERIFY(!runningDuringBox);
        QCOMPARE(form1.Timer1.isActive(), !disabled);
        QCOMPARE(m_h->state->bTrayActive, kTrue);
    }

    // An alarm whose sound cannot be played says which alarm it was, also when the tick fires it.
    void firedAlarmNamesItsTime()
    {
        m_h->fakes->clock.set(QDateTime(QDate(2026, 12, 6), QTime(7, 0, 0)));
        m_h->app->alarmLists().lstData.insertSorted("once 07:00:00");
        m_h->state->bAlarmsPending = kTrue;
        m_h->state->bRefreshNext = kTrue;
        m_h->state->setClockActive(kTrue);
        m_h->app->clockTick().Timer1_Timer();
        QCOMPARE(m_h->fakes->modalBox.shown,
                 QStringList{m_h->state->strSongPath.mid(7) + ", wave file not found, alarm at 07:00:00"});
        QVERIFY(m_h->app->alarmLists().lstData.isEmpty());
        QCOMPARE(m_h->state->strNextAlarm, QString());
    }

    // The tune is copied to the private file the services name, and that file is what the sequencer opens.
    void tuneGoesThroughPrivateCopy()
    {
        QVERIFY(m_h->writeFile("ding.wav", {}) && m_h->writeFile("air.mid", "MThd"));
        m_h->app->form9().PlaySound("once", m_h->state->strSongPath);
        const QString copy = m_h->fakes->services().tuneCopyPath;
        QVERIFY(QFileInfo(copy).isFile());
        QVERIFY(m_h->fakes->mci.commands.contains("open " + copy + " type sequencer alias tmpMidiPlay"));
    }
};

QTEST_MAIN(TestSoundInApp)
#include "test_sound_in_app.moc"
