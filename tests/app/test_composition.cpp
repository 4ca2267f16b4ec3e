// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QAction>
#include <QDir>
#include <QPointer>
#include <QTreeWidget>

#include "app/window_registry.h"
#include "core/io/quoted_line_file.h"
#include "platform/linux/message_box.h"
#include "ui/alarms/alarm_message_window.h"
#include "ui/common/snooze_bar.h"
#include "ui/files/error_list_window.h"
#include "ui/files/overwrite_question_window.h"
#include "ui/schedule/schedule_window.h"
#include "ui/settings/settings_window.h"
#include "ui/tray/about_window.h"
#include "ui/tray/tray_controller.h"
#include "ui/warnings/warning_window.h"
#include "window_fixture.h"

// The whole program (the registry) over the fixture's fake services and program folder: what one window asks of
// another arrives (the tray fallback, the front handed back between windows, the clock holds, a window made afresh
// or kept on its next use). Each window on its own is tests/ui's; the end-to-end scenarios run the whole program.
// The windows met here only are pictured (WindowPictures).
class TestComposition : public QObject
{
    Q_OBJECT
    std::unique_ptr<WindowFixture> m_f = std::make_unique<WindowFixture>();
    std::unique_ptr<WindowRegistry> m_app;

    /// Makes the program anew, waiting for no tray; with `load`, the tray window is loaded as at log-in.
    void start(bool load)
    {
        m_app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_app = std::make_unique<WindowRegistry>(m_f->state, m_f->fakes.services);
        m_app->trayController().setTrayWaitLimit(0);
        if (load)
            m_app->trayController().start(m_f->folder.path()), m_app->startSchedule();
    }
    WindowRegistry& app() { return *m_app; }
    /// The alarm `line` with the message `message` fires on time.
    void fire(const QString& line, const QString& message)
    {
        app().alarmLists().alarms.insertSorted(line), app().alarmLists().messages.append(message);
        state().setClockActive(true);
        state().alarmsPending = state().refreshNext = true;
        m_f->fakes.clock.setTime(QTime::fromString(line.right(8)));
        app().clockTick().tick();
    }
    SharedState& state() { return m_f->state; }
    FakeServices& fakes() { return m_f->fakes; }
    TrayController& trayController() { return app().trayController(); }
    AlarmSetWindow& alarmSet(const QString& hour = {}, const QString& minute = {}, const QString& second = {})
    {
        trayController().m_alarmSetAction->trigger();
        AlarmSetWindow& w = app().alarmSetWindow();
        for (const auto& [box, text] : {std::pair{w.m_hourBox, hour}, {w.m_minuteBox, minute}, {w.m_secondBox, second}})
            box->setEditText(text);
        return w;
    }
    /// The warning on screen saying `text`.
    static WarningWindow* warningSaying(const QString& text)
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<WarningWindow*>(w); f && f->isVisible() && f->m_messageLabel->text() == text)
                return f;
        return nullptr;
    }

private Q_SLOTS:
    void init()
    {
        m_app.reset();
        m_f = std::make_unique<WindowFixture>();
        m_f->makePictureFolder();
        start(true);
    }
    void cleanupTestCase() { m_app.reset(); }

    // At 23:55 one minute stays today: the sound stops and the event comes back with its word and message (only the
    // last " at " is the time's). The preset 10 minutes pass midnight: the schedule takes the event for 00:05 of the
    // day after, the window closes, and the new day brings it into the list.
    void snoozeAcrossMidnight()
    {
        AlarmLists& lists = app().alarmLists();
        fire("repeat! 23:55:00", "Meet at noon at 23:55:00");
        QCOMPARE(fakes().notifier.shown, "Meet at noon at 23:55:00 10");
        app().messageWindows().value(0)->m_snoozeBar->m_lengthBox->setCurrentIndex(0);
        app().messageWindows().value(0)->m_snoozeBar->m_snoozeButton->click();
        QVERIFY(fakes().wave.calls.endsWith(QString()));
        QCOMPARE(lists.alarms.lines().join('|') + " / " + lists.messages.lines().join('|'),
                 "repeat! 23:56:00 / Meet at noon at 23:56:00");
        lists.alarms.clear(), lists.messages.clear();
        fire("thrice 23:57:00", "Call Ann at 23:57:00");
        QCOMPARE(app().remoteControl().snooze(10).text, QString());          // as `ixo --snooze 10` asks
        QCOMPARE(fakes().waker.requests.last(), "wake 2026-12-07T00:06:00"); // the day's list is empty
        QCOMPARE(app().remoteControl().scheduleLines(),
                 QStringList{"1\t2026-12-07\t00:07:00\tthrice\tCall Ann\t2026-12-07 00:07:00"});
        for (AlarmMessageWindow* window : app().messageWindows())
            QVERIFY(!window->isVisible());
        QVERIFY(!lists.alarms.lines().join(' ').contains("00:07") && fakes().notifier.shown.isEmpty());
        fakes().clock.set(QDateTime(QDate(2026, 12, 7), QTime(0, 0, 1)));
        app().clockTick().tick();
        QCOMPARE(lists.alarms.lines().join('|') + " / " + lists.messages.lines().join('|'),
                 "thrice 00:07:00 / Call Ann at 00:07:00");
        trayController().m_scheduleAction->trigger(); // the tray menu's Schedule shows the entry
        QVERIFY(app().scheduleWindow().isVisible() && app().scheduleWindow().m_entryList->topLevelItemCount() == 1);
    }

    // Snooze acts on an alarm while it lasts (its sound plays or a window of it is open), once, and checks before it
    // stops anything. An alarm with its message fires at 10:00; after `steps` the bus asks `ixo --snooze`: its
    // answer | the first alarm line | the alarm's windows still open | whether the notification still shows.
    void snoozeWhileTheAlarmLasts_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("outcome");
        const QString kept = "|once 10:10:00|0|0", none = RemoteControl::kNothingSounding + kept;
        QTest::newRow("notification's Snooze") << "note" << none;
        QTest::newRow("window's Snooze") << "window" << none;
        QTest::newRow("sound ended, answered") << "end ok" << RemoteControl::kNothingSounding + "||0|0";
        QTest::newRow("sound ended, window open") << "end" << kept;
        QTest::newRow("Stop, window open") << "stop" << kept;
        QTest::newRow("twice: bus during the sound's box") << "box" << none;
        QTest::newRow("full list") << "full" << AlarmListLogic::kListFull + "|once 10:20:00|1|1";
    }
    void snoozeWhileTheAlarmLasts()
    {
        QFETCH(QString, steps);
        AlarmLists& lists = app().alarmLists();
        fakes().wavePlayer.playable = steps != "box"; // the song is missing: its box holds the tick, the bus snoozes
        fakes().modalBox.onShow = [this] { QCOMPARE(app().remoteControl().snooze(10).text, QString()); };
        fire("once 10:00:00", "Call Ann at 10:00:00");
        for (int second = 0; steps == "full" && second < AlarmDataList::kMaxLines; ++second)
            lists.alarms.insertSorted("once " + QTime(10, 20).addSecs(second).toString("HH:mm:ss"));
        for (const QString& step : steps.split(' ')) {
            AlarmMessageWindow* window = app().messageWindows().value(0);
            if (step == "note")
                fakes().notifier.onSnooze();
            else if (step == "window" || step == "ok")
                (step == "ok" ? window->m_okButton : window->m_snoozeBar->m_snoozeButton)->click();
            else if (step == "stop")
                trayController().m_stopAction->trigger();
            fakes().wavePlayer.playing = fakes().wavePlayer.playing && step != "end"; // ends on its own:
            QTRY_VERIFY(fakes().notifier.shown.isEmpty() || step != "end");           // its notification goes
        }
        const QString answer = app().remoteControl().snooze(10).text;
        const QList<AlarmMessageWindow*> open = app().messageWindows();
        const bool shown = open.size() && open[0]->isVisible(), notified = !fakes().notifier.shown.isEmpty();
        QTEST(QString("%1|%2|%3|%4").arg(answer, lists.alarms.head()).arg(int(shown)).arg(int(notified)), "outcome");
        QVERIFY(!warningSaying(AlarmListLogic::kListFull));
    }

    // The wake: a minute before the head of the day's list (within that minute at the event itself, for a passed one
    // none), after an add before it and a delete, Disable, the Settings window's box (kept in wake.ini for the next
    // start) and the end; asked again only on a change or when the computer is about to sleep.
    void wakeFollowsTheList()
    {
        alarmSet("11", "00", "00").m_addButton->click();
        AlarmSetWindow& w = alarmSet("10", "00", "30");
        w.m_addButton->click(), w.m_deleteButton->click();
        trayController().m_disableAction->trigger(), trayController().m_disableAction->trigger(); // and enabled again
        fakes().waker.onBeforeSleep();
        SettingsWindow& settings = app().settingsWindow();
        settings.m_wakeCheck->click(), settings.m_wakeCheck->click(); // off and on
        app().alarmLists().alarms.insertSorted("once 09:00:00");
        w.m_deleteAllButton->click();
        app().alarmLists().alarms.insertSorted("once 12:00:00");
        app().endProgram();
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec(); // a loop run to its end forgets the exit asked for: later loops in this test run
                                  // again
        settings.m_wakeCheck->click();
        const QString at1059 = "wake 2026-12-06T10:59:00";
        QCOMPARE(fakes().waker.requests,
                 (QStringList{at1059, "wake 2026-12-06T10:00:30", at1059, "clear", at1059, at1059, "clear", at1059,
                              "clear", "wake 2026-12-06T11:59:00", "clear"}));
        start(true);
        app().alarmLists().alarms.insertSorted("once 12:00:00");
        QVERIFY(fakes().waker.requests.size() == 11 && !app().settingsWindow().m_wakeCheck->isChecked());
    }

    // A left click on the tray icon is Stop (the end-to-end alarm scenario shows), unless a sound error box holds
    // the tray; other clicks do nothing: a repeating speaker alarm keeps the clock timer going. Without a notification
    // area the menu is offered in a window of its own after the wait, also each time a tray present at start goes; a
    // tray that comes sends it away. The menu's About shows the About window.
    void trayWindow()
    {
        trayController().m_aboutAction->trigger();
        QCOMPARE(WindowPictures::compare(&app().aboutWindow(), "about"), QString());
        for (const auto& [activation, trayActive] :
             {std::pair{TrayIcon::Activation::Context, true}, std::pair{TrayIcon::Activation::Trigger, false}}) {
            state().setSpeakerRepeat(true);
            state().trayActive = trayActive;
            fakes().tray.activate(activation);
            QVERIFY(trayController().m_clockTimer.isActive());
        }
        for (int round = 0; round < 3; ++round) { // the tray present at start goes twice, then none at a new start
            round < 2 ? fakes().tray.hostChanged(false) : (fakes().tray.available = false, start(true));
            QVERIFY(!app().trayFallbackWindow() || !app().trayFallbackWindow()->isVisible()); // not before the wait
            QTRY_VERIFY(app().trayFallbackWindow() && app().trayFallbackWindow()->isVisible());
            QCOMPARE(WindowPictures::compare(app().trayFallbackWindow(), "tray-fallback"), QString());
            fakes().tray.hostChanged(true);
            QVERIFY(!app().trayFallbackWindow()->isVisible() && fakes().tray.shown);
        }
    }

    // Disable, a sound error box (a song that is not there) and the idle stop hold the clock each on its own, in any
    // order: it runs once none holds it, and an alarm then fires on its second with its sound. "box:idle" is the
    // idle stop while the box is up, when the clock and the tray stand still.
    void clockHoldsAddUp_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("runs");
        QTest::newRow("Disable, box, Disable off") << "disable box disable" << true;
        QTest::newRow("box, Disable, Disable off") << "box disable disable" << true;
        QTest::newRow("idle, Disable, box, Disable off, alarm") << "idle disable box disable work" << true;
        QTest::newRow("box, idle meanwhile, alarm") << "box:idle work" << true;
        QTest::newRow("Disable, box: stays disabled") << "disable box" << false;
    }
    void clockHoldsAddUp()
    {
        QFETCH(QString, steps);
        alarmSet("10", "01", "00").m_addButton->click(); // the song, ding.wav, is not in the program folder
        fakes().wavePlayer.playable = false;
        const auto run = [this](const QString& step) {
            if (step == "disable")
                trayController().m_disableAction->trigger();
            else if (!step.isEmpty())
                state().setClockActive(step == "work");
        };
        for (const QString& step : steps.split(' ')) {
            fakes().modalBox.onShow = [this, run, step] {
                QVERIFY(!trayController().m_clockTimer.isActive() && !state().trayActive);
                run(step.section(':', 1));
            };
            step.startsWith("box") ? app().playSound("once", state().alarmSoundPath) : run(step);
        }
        QFETCH(bool, runs);
        QVERIFY(fakes().modalBox.shown.size() == 1 && trayController().m_clockTimer.isActive() == runs);
        if (!runs)
            return;
        fakes().wavePlayer.playable = true;
        for (const QTime& t : {QTime(10, 0, 30), QTime(10, 1, 0)}) // the next event is read, then it is due
            fakes().clock.setTime(t), trayController().onTick();
        QCOMPARE(fakes().wavePlayer.calls.last(), (QStringList{"once", state().alarmSoundPath}));
    }

    // A date change the clock did not see: Disable over midnight, enabled at 00:00:30 (yesterday's event leaves); a
    // sound error box open over midnight, the wake at 00:00:00.005, OK at 00:00:30. "my.dat" comes in from the second
    // the change was seen, and the clock runs for it.
    void dateChangeUnseen()
    {
        for (const bool box : {false, true}) {
            init();
            QVERIFY(QuotedLineFile::write(state().appPath + "my.dat", {"once 00:00:00", "once 00:01:00"}));
            QVERIFY(state().settingsFile().writeSlot(4, IniRecord{kSectionSetting, 1, 1, "ALAEOn"}));
            const QDateTime midnight(QDate(2026, 12, 7), QTime(0, 0, 0, 5));
            fakes().modalBox.onShow = [&] {
                fakes().clock.set(midnight), trayController().onDateCheck(), fakes().clock.advance(30000);
            };
            fakes().wavePlayer.playable = false;
            if (box) {
                fire("once 23:59:59", "Tea at 23:59:59");
            } else {
                app().alarmLists().alarms.insertSorted("once 23:59:59"); // left for the new day
                trayController().m_disableAction->trigger();
                fakes().clock.set(midnight.addSecs(30));
                trayController().m_disableAction->trigger();
            }
            QCOMPARE(app().alarmLists().alarms.lines().join('|'),
                     box ? "once 00:00:00|once 00:01:00" : "once 00:01:00");
            QVERIFY(trayController().m_clockTimer.isActive());
        }
    }

    // Closing a warning, or minimizing a message window, hands the front back to the dialog that held it when the
    // window came; closing deletes the window. A message is shown at the size slot 7 holds (its text, its place on top
    // and its title, the end-to-end alarm scenario shows). The error list shows the files' lines until OK. The modal
    // box, like the pictured dialogs (WindowPictures::compare), stands over no shown window.
    void warningsAndClosing()
    {
        Qt::WindowType kind = Qt::Dialog;
        QTimer::singleShot(0, [&kind] {
            kind = QApplication::activeModalWidget()->windowType(), QApplication::activeModalWidget()->close();
        });
        MessageBox().showOk("Modal");
        QCOMPARE(kind, Qt::Window);
        QVERIFY(state().settingsFile().writeSlot(IniSlot::FontSize, IniRecord{kSectionFontSize, 16, 0, {}}));
        QWidget dialog;
        dialog.show();
        app().registerForegroundDialog(kWhoFileChooser, &dialog);
        for (const bool warning : {false, true}) {
            state().frontHolder = kWhoFileChooser;
            warning ? app().warn("No file is chosen") : app().openMessageWindow("Call the garage at 13:05:00");
            QPointer<QWidget> window =
                warning ? static_cast<QWidget*>(warningSaying("No file is chosen")) : app().messageWindows().last();
            QCOMPARE(WindowPictures::compare(window, warning ? "warning" : "message"), QString());
            fakes().windows.topmost.clear();
            warning ? warningSaying("No file is chosen")->m_okButton->click() : window->showMinimized(); // or closed
            QVERIFY(state().frontHolder == 0 && fakes().windows.topmost == QList<QWidget*>{&dialog});
            window->close();
            QTRY_VERIFY(window.isNull());
        }
        app().addErrorLine("b.dat"), app().showErrorList();
        QCOMPARE(WindowPictures::compare(&app().errorListWindow(), "error-list"), QString());
        app().errorListWindow().m_okButton->click();
        QVERIFY(!app().isErrorListWindowLoaded());
    }

    // A double click opens the message input over the Alarm Set window's shade, and its close shows the list
    // again. "Don't compare with second" hides the Alarm Set window's seconds at once. The tray's Settings shows its
    // window, also a minimized one. Each chooser button opens a fresh chooser in its mode; a name that is there asks
    // to overwrite.
    void requestsBetweenWindows()
    {
        AlarmSetWindow& w = alarmSet();
        app().alarmLists().alarms.insertSorted("once 11:30:00");
        app().alarmLists().alarms.setSelected(0);
        Q_EMIT w.m_alarmList->doubleClicked(w.m_alarmList->model()->index(0, 0));
        QVERIFY(app().messageInputWindow().isVisible() && w.m_alarmList->isHidden() && !w.m_shade->isHidden());
        app().messageInputWindow().m_abandonButton->click();
        QVERIFY(!app().isMessageInputWindowLoaded() && !w.m_alarmList->isHidden() && w.m_shade->isHidden());
        SettingsWindow& settings = app().settingsWindow();
        for (const bool ignore : {true, false}) {
            settings.m_ignoreSecondsCheck->setChecked(ignore);
            QCOMPARE(w.m_secondBox->isHidden(), ignore);
        }
        settings.showMinimized();
        trayController().m_settingsAction->trigger();
        QVERIFY(settings.isVisible() && !settings.isMinimized());
        QPointer<DataFileChooser> before;
        using Mode = DataFileChoice::Mode;
        for (const auto& [button, mode] : {std::pair<QAbstractButton*, Mode>{w.m_loadButton, Mode::Load},
                                           {w.m_editButton, Mode::Edit},
                                           {w.m_saveFileButton, Mode::Save}}) {
            button->click();
            QVERIFY(app().dataFileChooser()->mode() == mode && app().dataFileChooser() != before);
            before = app().dataFileChooser();
        }
        before->m_cancelButton->click();
        app().askOverwrite("AlarmSet", "b.dat");
        QCOMPARE(WindowPictures::compare(&app().overwriteQuestionWindow(), "overwrite"), QString());
        fakes().windows.topmost.clear(), app().warn("No file is chosen"); // a warning over it gives it the front back
        warningSaying("No file is chosen")->m_okButton->click();
        QCOMPARE(fakes().windows.topmost.last(), &app().overwriteQuestionWindow());
        app().overwriteQuestionWindow().m_cancelButton->click();
    }

    // Help names a page that nothing opens in a warning, to be opened by hand.
    void helpThatNothingOpens()
    {
        QVERIFY(QDir().mkpath(state().appPath + "help") && m_f->touch("help/achelp.html"));
        fakes().launcher.opens = false;
        trayController().m_helpAction->trigger();
        QVERIFY(warningSaying("The help page could not be opened; open it in a web browser: " + state().appPath +
                              "help/achelp.html"));
    }

    // The tick's chime recompute works without the Alarm Set window, which shows the running chime when it is
    // loaded. The wallpaper window's close (when no change is scheduled) takes the window and the wallpaper state.
    void clockWithoutWindows()
    {
        state().chimeOn = true, state().chimeInterval = 1;
        fakes().clock.setTime(QTime(10, 20, 0));
        app().renewChime();
        QVERIFY(state().chimeMark == 21 && state().clockActive() && alarmSet().m_chimeCheck->isChecked());

        trayController().m_wallpaperAction->trigger();
        app().wallpaperWindowClosed();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!app().isWallpaperWindowLoaded() && !app().wallpaper().isReady());
    }
};

IXO_WINDOW_TEST_MAIN(TestComposition)
#include "test_composition.moc"
