// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QClipboard>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimeEdit>
#include <QTreeWidget>

#include "core/alarms/alarm_lines.h"
#include "core/alarms/message_input_logic.h"
#include "core/schedule/schedule_logic.h"
#include "core/startup/translations.h"
#include "core/wake/alarm_wake.h"
#include "core/wallpaper/clock_wallpaper_times.h"
#include "core/wallpaper/wallpaper_window_state.h"
#include "ui/schedule/schedule_window.h"
#include "window_fixture.h"

// Each window alone over a WindowContext of fakes (WindowFixture): each control reaches its display-free call and
// its result shows; what it asks of the rest of the program is recorded. The rules themselves are the core tests';
// what the registry carries between windows is tests/app/test_composition's. Pictured in their main states.
class TestWindowsAlone : public QObject
{
    Q_OBJECT
    std::unique_ptr<WindowFixture> m_f;
    std::unique_ptr<QWidget> m_window;

    /// A window of type `Window` over the fixture's context and `parts`, in place of the one made before.
    template <typename Window, typename... Parts> Window& made(Parts&... parts)
    {
        m_window.reset();
        m_window = std::make_unique<Window>(m_f->context, parts...);
        return static_cast<Window&>(*m_window);
    }
    AlarmSetWindow& alarmSet()
    {
        AlarmSetWindow& w = made<AlarmSetWindow>(m_f->lists);
        return w.show(), w;
    }
    /// The message input as a double click on the alarm `line` opens it, with the message `message` if given.
    MessageInputWindow& messageInput(const QString& line = "thrice 13:05:00",
                                     const QString& message = "Call the garage at 13:05:00")
    {
        m_f->lists.alarms.insertSorted(line);
        if (!message.isEmpty())
            m_f->lists.messages.append(message);
        m_f->lists.alarms.setSelected(m_f->lists.alarms.lines().indexOf(line));
        MessageInputWindow& input = made<MessageInputWindow>(m_f->lists);
        return input.showInput(), input;
    }

private Q_SLOTS:
    void init() { m_f = std::make_unique<WindowFixture>(); }
    void cleanup() { m_window.reset(); }

    // Typed keys pass the digit rule (a refused key beeps); Enter adds the time, shown padded and selected; AM/PM,
    // Delete and Delete All are wired.
    void alarmSetAddAndDelete()
    {
        AlarmSetWindow& w = alarmSet(); // the time boxes as the window opens: empty
        QCOMPARE(WindowPictures::compare(&w, "alarm-set-empty"), QString());
        QVERIFY(w.m_hourBox->count() == 12 && w.m_hourBox->itemText(0) == "01"); // a 12-hour clock
        QTest::keyClicks(w.m_hourBox, "1x");
        QVERIFY(w.m_hourBox->currentText() == "1" && m_f->fakes.windows.beeps == 1); // not completed from the list
        QTest::keyClicks(w.m_minuteBox, "4"), QTest::keyClicks(w.m_secondBox, "5x");
        QVERIFY(w.m_secondBox->currentText() == "5" && m_f->fakes.windows.beeps == 2);
        w.m_amPmDownButton->click();
        QTest::keyClick(w.m_secondBox->lineEdit(), Qt::Key_Return);
        QCOMPARE(WindowPictures::compare(&w, "alarm-set-added"), QString()); // 01:04:05 PM, selected in the list
        w.m_deleteButton->click();                                           // the selected line
        m_f->lists.alarms.insertSorted("once 20:00:00");
        QCOMPARE(m_f->lists.alarms.lines(), QStringList{"once 20:00:00"});
        w.m_deleteAllButton->click();
        QVERIFY(m_f->lists.alarms.isEmpty());
    }

    // The play button plays the sound picked (that the drop-down lists the sounds and the pick is kept, the end-to-end
    // persistence scenario shows). Add with a message asks for the message input, and the list gives way to the shade
    // until it closes. The lists with more events and messages, then each event with its first message. A double
    // click asks for no message while a warning is in front.
    void alarmSetListsAndMessages()
    {
        AlarmSetWindow& w = alarmSet();
        for (const auto& [box, text] : {std::pair{w.m_hourBox, "11"}, {w.m_minuteBox, "30"}, {w.m_secondBox, "00"}})
            box->setEditText(text);
        w.m_soundBox->addItem("bell");
        w.m_soundBox->setCurrentIndex(0);
        w.m_playSoundButton->click();
        QCOMPARE(m_f->fakes.wave.calls, QStringList{m_f->state.appPath + "bell.wav"});
        w.m_addWithMessageButton->click();
        QVERIFY(m_f->asked.contains("showMessageInput") && w.m_alarmList->isHidden() && !w.m_shade->isHidden());
        m_f->lists.messages.append(AlarmLines::messageLine("Call the garage", "11:30:00"));
        w.messageInputClosed();
        QVERIFY(!w.m_alarmList->isHidden() && w.m_shade->isHidden());
        for (const auto& [alarm, message] :
             {std::pair{"once 09:00:00", "Lights out at 21:45:30"}, {"repeat! 21:45:30", "Then the bank at 11:30:00"}})
            m_f->lists.alarms.insertSorted(alarm), m_f->lists.messages.append(message);
        QCOMPARE(WindowPictures::compare(&w, "alarm-set-events"), QString());
        w.m_viewMessagesButton->click();
        QCOMPARE(WindowPictures::compare(&w, "alarm-set-view-message"), QString());
        m_f->asked.clear();
        m_f->state.frontHolder = kWarningRankFirst;
        Q_EMIT w.m_alarmList->doubleClicked(w.m_alarmList->model()->index(0, 0));
        QVERIFY(m_f->asked.isEmpty());
    }

    // The chime box runs the set-up and wakes the clock. A window loaded anew shows a running chime, and keeps a
    // sound whose name ixo.ini cannot hold. Exit only hides (the close box too, the end-to-end alarm scenario shows);
    // the title clock runs while the window is seen.
    void alarmSetChimeAndExit()
    {
        AlarmSetWindow* w = &alarmSet();
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
        w = &alarmSet();
        QVERIFY(w->windowTitle() == "Tindalo Alarm Clock...06 Dec 2026 / 10:20 AM" && w->m_chimeCheck->isChecked());
        QCOMPARE(m_f->state.alarmSoundPath, m_f->state.appPath + QString(31, 'x') + ".wav");
    }

    void messageInputNew()
    {
        MessageInputWindow& input = messageInput("once 11:30:00", {});
        QTest::keyClicks(input.m_messageBox, "Call the garage");
        QCOMPARE(WindowPictures::compare(&input, "message-input"), QString());
    }

    // The message input takes the line's message out for editing, on top; Save puts it back, stores the size the
    // size buttons set and hands the front to nobody. A double quote becomes an apostrophe; the box takes at most
    // 626 characters, cutting what arrived last.
    void messageInputEditAndSave()
    {
        QVERIFY(m_f->state.settingsFile().writeSlot(IniSlot::FontSize, IniRecord{kSectionFontSize, 6, 0, {}}));
        MessageInputWindow* input = &messageInput();
        QCOMPARE(input->focusWidget(), input->m_messageBox); // typing goes into the box, whatever the desktop activates
        QCOMPARE(input->m_messageBox->toPlainText(), "Call the garage");
        QVERIFY(m_f->lists.messages.isEmpty() && m_f->fakes.windows.topmost.contains(input));
        QApplication::clipboard()->setText(" \"now\"" + QString(620, 'a'));
        input->m_messageBox->moveCursor(QTextCursor::End);
        input->m_messageBox->paste();
        QCOMPARE(input->m_messageBox->toPlainText(), "Call the garage 'now'" + QString(605, 'a'));
        QTest::mouseClick(input->m_largerButton, Qt::LeftButton);
        input->m_saveButton->click();
        QVERIFY(m_f->lists.messages.count() == 1 && m_f->warnings.shown.isEmpty() && !input->isVisible() &&
                m_f->state.frontHolder == 0 && m_f->state.settingsFile().readSlot(IniSlot::FontSize)->data1 == 7);
        QCOMPARE(m_f->asked, (QStringList{"messageInputClosed", "messageInputUnloaded"}));

        // Abandon (or the close box) leaves the message as it was while its alarm is listed; an emptied box saved
        // removes it, with the warning.
        for (const QString how : {"Abandon", "Save an empty box", "Abandon after the alarm fired"}) {
            m_f->lists.messages.clear();
            MessageInputWindow& box = messageInput();
            QTest::keyClicks(box.m_messageBox, " now");
            if (how.endsWith("fired"))
                m_f->lists.alarms.removeAt(0);
            if (how.startsWith("Save"))
                box.m_messageBox->clear();
            (how.startsWith("Save") ? box.m_saveButton : box.m_abandonButton)->click();
            QVERIFY(!box.isVisible());
            QCOMPARE(m_f->lists.messages.count(), how.startsWith("Save") || how.endsWith("fired") ? 0 : 1);
        }
        QCOMPARE(m_f->warnings.shown, QStringList{MessageInput::kNothingToSave});
    }

    // Each mode lists the data files and claims the front, with its heading, caption and picture; Cancel hands the
    // front back (nobody held it before) and the chooser goes. What a name typed in it does is the data file choice's.
    void chooserModes()
    {
        QVERIFY(m_f->touch("b.dat") && m_f->touch("my.dat"));
        using Mode = DataFileChoice::Mode;
        for (const auto& [mode, name] : {std::pair{Mode::Load, "load"}, {Mode::Edit, "open"}, {Mode::Save, "save"}}) {
            DataFileChooser& chooser = made<DataFileChooser>();
            chooser.load(), chooser.setMode(mode), chooser.show();
            QCOMPARE(WindowPictures::compare(&chooser, QStringLiteral("chooser-") + name), QString());
            QCOMPARE(m_f->state.frontHolder, kWhoFileChooser);
            chooser.m_nameBox->setText("x"), chooser.m_fileList->setCurrentRow(0); // by the keys: a click too
            QCOMPARE(chooser.m_nameBox->text().isEmpty(), mode != Mode::Load);
            m_f->asked.clear();
            chooser.m_cancelButton->click();
            QVERIFY(m_f->state.frontHolder == 0 && !chooser.isVisible());
            QCOMPARE(m_f->asked, (QStringList{"handFrontBack 0", "dataFileChooserClosed"}));
        }
    }

    // In each translation the Alarm Set and Settings windows show their texts whole, none over another.
    void windowsInEachLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"de", "es", "fr", "it", "pl", "pt_BR", "ru", "zh_CN"})
            QTest::newRow(language) << QString(language);
    }
    void windowsInEachLanguage()
    {
        QFETCH(QString, language);
        Translations translations;
        translations.install({language}, ":/i18n", QString());
        m_f->lists.alarms.insertSorted("twice 07:30:00");
        QCOMPARE(WindowPictures::compare(&alarmSet(), "alarm-set-" + language), QString());
        AlarmWake wake(m_f->fakes.waker, m_f->fakes.clock);
        SettingsWindow& f = made<SettingsWindow>(wake);
        f.show();
        QCOMPARE(WindowPictures::compare(&f, "settings-" + language), QString());
        m_window.reset(); // before the logic it is built over
    }

    // The boxes set their flags when they change (that closing stores the boxes and the font, and what a restart
    // makes of them, the end-to-end scenarios show). The log-in page's buttons set the start at log-in or say why
    // they could not; a settings file that cannot be written is reported when closing, a wake setting at once.
    void settingsBoxesAndLogIn()
    {
        AlarmWake wake(m_f->fakes.waker, m_f->fakes.clock);
        SettingsWindow& f = made<SettingsWindow>(wake);
        f.load();
        f.m_internalSpeakerCheck->setChecked(true);
        f.m_fontOptions[2]->setChecked(true);
        QVERIFY(m_f->state.useInternalSpeaker && m_f->state.fontChoice == 2);
        f.show();
        QCOMPARE(WindowPictures::compare(&f, "settings"), QString());
        f.m_nextPageButton->click();
        f.m_runAtLoginButton->click();
        QVERIFY(m_f->fakes.autostart.enabled);
        QCOMPARE(WindowPictures::compare(&f, "settings-log-in"), QString());
        m_f->fakes.autostart.works = false;
        f.m_noRunAtLoginButton->click();
        QVERIFY(m_f->warnings.shown.contains("Ixo's start at log-in could not be removed: refused"));
        QVERIFY(QDir().mkpath(m_f->state.appPath + "ixo.ini")); // a folder where the settings file belongs
        f.m_closeButton->click();
        QCOMPARE(m_f->warnings.shown.last(),
                 "The settings could not be saved in " + m_f->state.appPath + "ixo.ini: Is a directory");
        QCOMPARE(m_f->asked.last(), "settingsWindowClosed");
        wake.load(m_f->state.appPath);
        QVERIFY(QDir().mkpath(m_f->state.appPath + "wake.ini"));
        f.m_wakeCheck->click();
        QCOMPARE(m_f->warnings.shown.last(), "The wake setting could not be saved: Is a directory");
        m_window.reset(); // before the wake it shows
    }

    // A click runs the logic's handler and its list rules show in the boxes; an entry whose file is gone is
    // removed with a warning, one that is there can become the wallpaper. Scheduling a change wakes the clock;
    // while one is scheduled closing only hides the window, else it asks to go.
    void wallpaperListAndSchedule()
    {
        const QString pictures = m_f->makePictureFolder();
        ClockWallpaperTimes times(m_f->fakes.clock);
        WallpaperWindowState windowState;
        WallpaperLogic logic(m_f->state, windowState,
                             {m_f->warnings, m_f->fakes.pictures, m_f->fakes.wallpaper, times, {}});
        logic.load();
        WallpaperWindow& f = made<WallpaperWindow>(logic, windowState, m_f->listFiles);
        f.load(), f.show();
        for (const char* name : {"a.bmp", "B.jpg", "d.bmp"}) { // picked in the folder box and added
            f.m_pictureBox->setCurrentIndex(f.m_pictureBox->findText(name));
            Q_EMIT f.m_pictureBox->activated(f.m_pictureBox->currentIndex());
            f.m_addButton->click();
        }
        f.m_intervalBox->setCurrentIndex(f.m_intervalBox->findText("1 hr"));
        Q_EMIT f.m_intervalBox->activated(f.m_intervalBox->currentIndex());
        f.m_changeCheck->click();
        QVERIFY(m_f->state.wallpaperMark == 11 && m_f->state.clockActive()); // "1 hr" at 10:00; the clock wakes
        QFile::remove(pictures + "d.bmp");
        for (int row : {2, 0}) {
            f.m_pictureList->setCurrentRow(row);
            Q_EMIT f.m_pictureList->itemClicked(f.m_pictureList->item(row));
        }
        QVERIFY(f.m_pictureList->count() == 2 && m_f->warnings.shown == QStringList{"d.bmp file not found"});
        QCOMPARE(WindowPictures::compare(&f, "wallpaper"), QString());
        QTest::mouseClick(f.m_randomLabel, Qt::LeftButton); // a label picks its option
        for (int i = 0; i < 3; ++i) // each time under a new name; the copy shown before stays, older ones go
            f.m_changeNowButton->click();
        QVERIFY(m_f->fakes.wallpaper.shown.last() == pictures + "tmpFile-3.bmp" && f.m_randomOption->isChecked());
        QCOMPARE(QDir(pictures).entryList({"tmpFile*"}), (QStringList{"tmpFile-2.bmp", "tmpFile-3.bmp"}));
        for (const bool scheduled : {true, false}) { // closing only hides while a change is scheduled
            f.m_changeCheck->setChecked(scheduled);
            f.m_closeButton->click();
            QVERIFY(!f.isVisible() && m_f->asked == (scheduled ? QStringList{} : QStringList{"wallpaperWindowClosed"}));
        }
        m_window.reset(); // before the logic it is built over
    }

    // The Schedule window on Sunday 6 December at 10:00: Add opens the editor (tomorrow at the next full hour), its
    // controls make the entry, listed with its next occurrence; Edit with the Weekdays preset, the on/off box, Skip
    // next and Remove reach the schedule, which saves each change; the editor refuses no day at all.
    void scheduleEntries()
    {
        ScheduleLogic logic(m_f->state, m_f->lists, m_f->warnings, m_f->fakes.clock);
        logic.load(m_f->state.appPath);
        ScheduleWindow& w = made<ScheduleWindow>(logic);
        logic.hooks.changed = [&w] { w.showEntries(); }; // as the program wires it
        w.show();
        QVERIFY(!w.m_editButton->isEnabled() && !w.m_removeButton->isEnabled());
        w.m_addButton->click();
        ScheduleEditor& e = *w.m_editor;
        QVERIFY(e.isVisible() && e.m_onceButton->isChecked() && e.m_dateEdit->date() == QDate(2026, 12, 7));
        e.m_playBox->setCurrentText("twice"), e.m_messageEdit->setText("Swim");
        QCOMPARE(WindowPictures::compare(&e, "schedule-editor"), QString());
        e.m_buttons->button(QDialogButtonBox::Ok)->click();
        const auto row = [&w](int r) {
            QStringList texts;
            for (int c = 0; c < w.m_entryList->columnCount(); ++c)
                texts << w.m_entryList->topLevelItem(r)->text(c);
            return texts.join('|');
        };
        QCOMPARE(row(0), "|11:00:00|Tomorrow|twice|Swim|Mon 7 Dec 11:00:00");
        w.m_addButton->click();
        e.m_timeEdit->setTime(QTime(9, 30)), e.m_weekendsButton->click();
        e.m_buttons->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(row(1), "|09:30:00|Weekends|once||Sat 12 Dec 09:30:00");
        QCOMPARE(WindowPictures::compare(&w, "schedule"), QString());

        w.m_entryList->setCurrentItem(w.m_entryList->topLevelItem(0));
        w.m_editButton->click();
        e.m_weekdaysButton->click();
        e.m_dayButtons[0]->click(); // Monday off
        e.m_buttons->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(row(0), "|11:00:00|Tue, Wed, Thu, Fri|twice|Swim|Tue 8 Dec 11:00:00");
        w.m_skipButton->click();
        QCOMPARE(row(0), "|11:00:00|Tue, Wed, Thu, Fri|twice|Swim|Wed 9 Dec 11:00:00");
        w.m_entryList->topLevelItem(1)->setCheckState(ScheduleWindow::OnColumn, Qt::Unchecked);
        QTRY_COMPARE(row(1), "|09:30:00|Weekends|once||-");
        QVERIFY(!logic.entries().at(1).on && logic.entries().at(0).skipped == QDate(2026, 12, 8));
        w.m_removeButton->click();
        QVERIFY(logic.entries().size() == 1 && w.m_entryList->topLevelItemCount() == 1);
        QCOMPARE(logic.entries().at(0).when.storedText(), "tue,wed,thu,fri"); // the chosen row went
        w.m_editButton->click();
        for (int day : {1, 2, 3, 4})
            e.m_dayButtons[day]->click();
        QVERIFY(!e.m_buttons->button(QDialogButtonBox::Ok)->isEnabled()); // no day chosen
        e.reject();
        w.m_closeButton->click();
        QVERIFY(m_f->asked == QStringList{"scheduleWindowClosed"} && m_f->warnings.shown.isEmpty());
        QVERIFY(QFile::exists(m_f->state.appPath + "schedule.json"));
        m_window.reset(); // before the schedule it shows
    }
};

IXO_WINDOW_TEST_MAIN(TestWindowsAlone)
#include "test_windows_alone.moc"
