#include <functional>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "alarms/alarm_set_window.h"
#include "app/clock_tick.h"
#include "app_harness.h"
#include "settings/settings_file.h"
#include "wallpaper/wallpaper_window.h"

// The clock timer sleeps while the clock has nothing to watch, and every way of giving it work wakes it in time
// for that work: the clock is run here as its timer would run it, on the fake clock, a tick every 800 ms only
// while Timer1 is started.
class TestIdleClock : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<AppHarness> m_h;
    Form1& form1() { return m_h->app->form1(); }

    /// Moves the fake clock on in 800 ms steps up to `until`, ticking wherever the timer runs; returns the time
    /// text of the first tick after which `happened` holds, or "" when it never did.
    QString runClock(const QTime& until, const std::function<bool()>& happened)
    {
        FakeClock& clock = m_h->fakes->clock;
        while (clock.now().time() < until) {
            clock.advance(800);
            if (form1().Timer1.isActive())
                form1().onTick();
            if (happened())
                return clock.now().time().toString("HH:mm:ss");
        }
        return {};
    }
    bool alarmSounded() const { return !m_h->fakes->wavePlayer.calls.isEmpty(); }

    Form4& addAlarm(const QString& hour, const QString& minute, const QString& second, int playTimes = 0)
    {
        form1().mAlarmSet_Click();
        Form4& w = m_h->app->form4();
        w.cbHour->setEditText(hour);
        w.cbMin->setEditText(minute);
        w.cbSec->setEditText(second);
        w.cbPlayTimes->setCurrentIndex(playTimes);
        w.cmdAdd->click();
        return w;
    }

private Q_SLOTS:
    // Each starts at 10:00:00 with nothing pending.
    void init()
    {
        m_h = std::make_unique<AppHarness>(QDateTime(QDate(2026, 12, 6), QTime(10, 0, 0)));
        m_h->start();
    }
    void cleanup() { m_h.reset(); }

    void idleAtStartWithNothingPending()
    {
        QVERIFY(!form1().Timer1.isActive());
        QCOMPARE(form1().Timer1.interval(), 800);
    }

    // An alarm added in the Alarm Set window.
    void addWakesTheClock()
    {
        addAlarm("10", "00", "08");
        QVERIFY(form1().Timer1.isActive());
        QCOMPARE(runClock(QTime(10, 0, 20), [this] { return alarmSounded(); }), "10:00:08");
    }

    // A list loaded from a data file; after the last event the clock goes back to sleep.
    void loadWakesTheClock()
    {
        QVERIFY(m_h->writeFile("day.dat", "\"twice 10:00:08\"\r\n"));
        m_h->app->dataFiles().LoadClick("day.dat");
        QVERIFY(form1().Timer1.isActive());
        QCOMPARE(runClock(QTime(10, 0, 20), [this] { return alarmSounded(); }), "10:00:08");
        QCOMPARE(m_h->fakes->wavePlayer.calls.first().first(), "twice");
        runClock(QTime(10, 0, 10), [] { return false; });
        QVERIFY(!form1().Timer1.isActive());
    }

    // my.dat loaded at start-up as the settings ask.
    void startupLoadWakesTheClock()
    {
        IniRecord slot4;
        slot4.sSection = kSectionSetting;
        slot4.sData = "ALAEOnDCWSOfUISPOfISOMOf";
        slot4.iData1 = 1; // sound on
        QVERIFY(m_h->state->settingsFile().writeSlots({{4, slot4}}));
        QVERIFY(m_h->writeFile("my.dat", "\"once 10:00:08\"\r\n"));
        m_h->start();
        QVERIFY(form1().Timer1.isActive());
        QCOMPARE(runClock(QTime(10, 0, 20), [this] { return alarmSounded(); }), "10:00:08");
    }

    // The every-N-minutes chime switched on sounds on its mark.
    void chimeWakesTheClock()
    {
        Form4& w = m_h->app->form4();
        w.cbEMPlay->setCurrentIndex(w.cbEMPlay->findText("15"));
        w.chkEMPlay->setChecked(true);
        QVERIFY(form1().Timer1.isActive());
        const QString chime = m_h->appPath() + "didi.snd";
        QCOMPARE(runClock(QTime(10, 16, 0), [&] { return m_h->fakes->wave.calls.contains(chime); }), "10:15:00");
    }

    // The wallpaper schedule switched on changes the picture on its mark.
    void wallpaperScheduleWakesTheClock()
    {
        Form12& f = m_h->app->form12();
        for (const char* name : {"a.bmp", "b.bmp"}) {
            m_h->app->wallpaperForm().strPicName = QString::fromLatin1(name);
            f.cmdAdd_Click();
        }
        f.cbChange->setCurrentIndex(f.cbChange->findText("10 min"));
        f.cbChange_Click();
        f.chkChange->setChecked(true);
        QVERIFY(form1().Timer1.isActive());
        QCOMPARE(runClock(QTime(10, 11, 0), [this] { return !m_h->fakes->wallpaper.shown.isEmpty(); }), "10:10:00");
    }

    // While disabled, work given to the clock does not start it; enabling again does.
    void enablingWakesTheClock()
    {
        form1().mDisable->trigger();
        addAlarm("10", "00", "08");
        QVERIFY(!form1().Timer1.isActive());
        runClock(QTime(10, 0, 4), [] { return false; });
        QVERIFY(!alarmSounded());
        form1().mDisable->trigger();
        QVERIFY(form1().Timer1.isActive());
        QCOMPARE(runClock(QTime(10, 0, 20), [this] { return alarmSounded(); }), "10:00:08");
    }

    // A repeating speaker alarm keeps the timer going after the clock work went idle, one sweep a tick, until
    // Stop; then the clock sleeps again.
    void speakerRepeatKeepsTheClock()
    {
        m_h->state->bUseInternalSpeaker = kTrue;
        QVERIFY(m_h->writeFile("day.dat", "\"repeat! 10:00:08\"\r\n"));
        m_h->app->dataFiles().LoadClick("day.dat");
        const QList<QList<SpeakerTone>>& sweeps = m_h->fakes->speaker.sweeps;
        QCOMPARE(runClock(QTime(10, 0, 20), [&] { return m_h->state->bISRepeat() == kTrue; }), "10:00:08");
        runClock(QTime(10, 0, 12), [] { return false; });
        QCOMPARE(m_h->state->bClockActive(), kFalse);
        QVERIFY(form1().Timer1.isActive());
        QCOMPARE(sweeps.size(), 6); // 08.0, 08.8, 09.6, 10.4, 11.2, 12.0
        form1().mStop->trigger();
        QVERIFY(!form1().Timer1.isActive());
    }

    // A sound error box holds a running clock and lets it go; an idle clock stays asleep after it.
    void errorBoxAroundAnIdleClock()
    {
        m_h->fakes->wavePlayer.playable = false; // and no wave file: the box
        bool runningDuringBox = true;
        m_h->fakes->modalBox.onShow = [&] { runningDuringBox = form1().Timer1.isActive(); };
        m_h->app->form9().PlaySound("once", m_h->state->strSongPath);
        QCOMPARE(m_h->fakes->modalBox.shown.size(), 1);
        QVERIFY(!form1().Timer1.isActive());

        addAlarm("10", "00", "08");
        m_h->app->form9().PlaySound("once", m_h->state->strSongPath);
        QVERIFY(!runningDuringBox);
        QVERIFY(form1().Timer1.isActive());
    }
};

QTEST_MAIN(TestIdleClock)
#include "test_idle_clock.moc"
