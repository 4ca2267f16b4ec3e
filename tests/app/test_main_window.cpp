#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "alarms/alarm_lists.h"
#include "app/about_window.h"
#include "app/tray_fallback_window.h"
#include "app_harness.h"

class TestMainWindow : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<AppHarness> m_h;
    Form1& form1() { return m_h->app->form1(); }

private Q_SLOTS:
    void init()
    {
        m_h = std::make_unique<AppHarness>();
        m_h->start();
    }
    void cleanup() { m_h.reset(); }

    void startupAddsTrayIconWithMenu()
    {
        const FakeTray& tray = m_h->fakes->tray;
        QVERIFY(tray.shown);
        QCOMPARE(tray.tip, "Ixo");
        QCOMPARE(tray.picture, TrayIcon::Picture::Normal);
        QStringList captions;
        for (QAction* a : tray.menu->actions())
            captions << (a->isSeparator() ? "-" : a->text());
        QCOMPARE(captions.join('|'),
                 " About  |-| Alarm Set  | Settings  | Wallpaper  |-| Help  | Stop  |-| Disable  | Remove  ");
    }

    // A left click is Stop: the wave channel is emptied, the MIDI alias closed, the speaker repeat ends. Other
    // clicks, and any click while a sound error box holds the tray, do nothing.
    void trayClick_data()
    {
        using A = TrayIcon::Activation;
        QTest::addColumn<TrayIcon::Activation>("activation");
        QTest::addColumn<Flag>("trayActive");
        QTest::addColumn<bool>("stops");
        QTest::newRow("left click") << A::Trigger << kTrue << true;
        QTest::newRow("other click") << A::Other << kTrue << false;
        QTest::newRow("context click") << A::Context << kTrue << false;
        QTest::newRow("left click, tray held") << A::Trigger << kFalse << false;
    }
    void trayClick()
    {
        QFETCH(TrayIcon::Activation, activation);
        QFETCH(Flag, trayActive);
        QFETCH(bool, stops);
        m_h->state->setISRepeat(kTrue);
        m_h->state->bTrayActive = trayActive;
        m_h->fakes->tray.activate(activation);
        QCOMPARE(m_h->fakes->wave.calls, stops ? QStringList{QString()} : QStringList());
        QCOMPARE(m_h->fakes->mci.commands, stops ? QStringList{"close tmpMidiPlay"} : QStringList());
        QCOMPARE(m_h->state->bISRepeat(), toFlag(!stops));
    }

    void disableTwiceReturnsToRunning()
    {
        m_h->state->setClockActive(kTrue);
        QVERIFY(form1().Timer1.isActive());
        form1().mDisable->trigger();
        QVERIFY(form1().mDisable->isChecked());
        QVERIFY(!form1().Timer1.isActive());
        QCOMPARE(m_h->fakes->tray.picture, TrayIcon::Picture::Disabled);
        form1().mDisable->trigger();
        QVERIFY(!form1().mDisable->isChecked());
        QVERIFY(form1().Timer1.isActive());
        QCOMPARE(m_h->fakes->tray.picture, TrayIcon::Picture::Normal);
    }

    void helpOpensPageOrWarns()
    {
        form1().mHelp->trigger();
        QVERIFY(m_h->fakes->launcher.opened.isEmpty());
        QCOMPARE(visibleWarnings(), QStringList{"Help file not found"});
        QVERIFY(QDir(m_h->appPath()).mkpath("help") && m_h->writeFile("help/achelp.html", {}));
        form1().mHelp->trigger();
        QCOMPARE(m_h->fakes->launcher.opened, QStringList{m_h->appPath() + "help/achelp.html"});
        QCOMPARE(visibleWarnings().size(), 1);
    }

    void removeTakesIconAwayAndEnds()
    {
        QTimer::singleShot(0, &form1(), [this] { form1().mRemove->trigger(); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!m_h->fakes->tray.shown);
    }

    void aboutShowsForm3()
    {
        form1().mOpen->trigger();
        QVERIFY(m_h->app->form3().isVisible());
    }

    // The window's timer drives the clock tick: an event due now is fired (taken off the list, its sound
    // asked for) without anyone calling the tick.
    void timerFiresDueEvent()
    {
        m_h->app->alarmLists().lstData.insertSorted("once 10:00:00");
        m_h->state->bAlarmsPending = kTrue;
        m_h->state->bRefreshNext = kTrue;
        m_h->state->setClockActive(kTrue); // as adding an alarm does
        QTRY_VERIFY_WITH_TIMEOUT(m_h->app->alarmLists().lstData.isEmpty(), 60000);
        QCOMPARE(m_h->fakes->wavePlayer.calls, (QList<QStringList>{{"once", m_h->state->strSongPath}}));
    }

    // An event due before the next beat gets an extra tick on its second; with the clock stopped it goes.
    void eventDueBeforeTheBeatWakesTheClockOnItsSecond()
    {
        m_h->fakes->clock.setTime(QTime(9, 59, 59, 600));
        m_h->app->alarmLists().lstData.insertSorted("once 10:00:00");
        m_h->state->bAlarmsPending = kTrue;
        m_h->state->bRefreshNext = kTrue;
        m_h->state->setClockActive(kTrue);
        QTRY_VERIFY_WITH_TIMEOUT(form1().dueWake.isActive(), 60000);
        QVERIFY(form1().dueWake.remainingTime() <= 405);
        m_h->state->setClockActive(kFalse);
        QVERIFY(!form1().dueWake.isActive());
    }

    // Without a notification area the menu is offered in a window of its own after the wait.
    void fallbackWindowWithoutTray()
    {
        m_h->startBare();
        m_h->fakes->tray.available = false;
        form1().setTrayWaitLimit(0);
        form1().Form_Load(m_h->appPath());
        // The tray is polled every two seconds; the bounds are generous for a busy machine.
        QTRY_VERIFY_WITH_TIMEOUT(m_h->app->trayFallbackWindow() != nullptr, 60000);
        QVERIFY(m_h->app->trayFallbackWindow()->isVisible());
        m_h->fakes->tray.available = true;
        QTRY_VERIFY_WITH_TIMEOUT(!m_h->app->trayFallbackWindow()->isVisible(), 60000);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
