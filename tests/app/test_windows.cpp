// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyle>
#include <QStyleHints>
#include <QTest>
#include <QToolButton>

#include "app_harness.h"
#include "core/alarms/alarm_lists.h"
#include "core/wallpaper/wallpaper_logic.h"
#include "ui/alarms/alarm_message_window.h"
#include "ui/alarms/alarm_set_window.h"
#include "ui/alarms/message_input_window.h"
#include "ui/files/data_file_chooser.h"
#include "ui/files/error_list_window.h"
#include "ui/files/overwrite_question_window.h"
#include "ui/settings/settings_window.h"
#include "ui/tray/about_window.h"
#include "ui/wallpaper/wallpaper_window.h"

// Pictures of windows compared with the ones kept in tests/app/pictures: the same pixels on every machine,
// whatever its fonts, icon theme, screen or desktop. prepareEnvironment() runs before the application is made (the
// test's initMain): the offscreen platform at scale 1, no desktop settings (fonts, palette, icon theme: the style's
// own icons), and fontconfig told of Debian's DejaVu fonts and nothing else (the build's pictures/fonts.conf).
// prepareApplication() then sets the Fusion style and its palette, the font and a caret that does not blink. The
// rest that moves in a window is clock text, and the test's clock is faked.
namespace WindowPictures {

void prepareEnvironment()
{
    qputenv("FONTCONFIG_FILE", IXO_PICTURES_OUT_DIR "/fonts.conf");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    for (const char* name : {"QT_FONT_DPI", "QT_SCREEN_SCALE_FACTORS", "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE"})
        qunsetenv(name);
    QApplication::setDesktopSettingsAware(false);
}

/// False when the DejaVu fonts are missing (fonts-dejavu-core): no picture can be compared then.
bool prepareApplication()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    QGuiApplication::styleHints()->setCursorFlashTime(0);     // the caret stays shown
    return QFontDatabase::families().contains("DejaVu Sans"); // the package's fonts come together
}

/// Compares `window`, activated and laid out, with the kept picture NAME.png. The same pixels give an empty text;
/// else NAME.png (the new picture) and NAME.diff.png (the two XORed: black where they agree) are written into the
/// build's pictures/ and the text says so. With IXO_RECORD_PICTURES=1 (`make pictures`) the kept picture is
/// written anew instead.
QString compare(QWidget* window, const QString& name)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return name + QStringLiteral(" was not activated");
    QCoreApplication::processEvents();
    const QImage picture = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString keptPath = QStringLiteral(IXO_PICTURES_KEPT_DIR "/%1.png").arg(name);
    QImage diff = QImage(keptPath).convertToFormat(QImage::Format_RGB32);
    if (diff == picture)
        return {};
    if (qEnvironmentVariableIntValue("IXO_RECORD_PICTURES") == 1)
        return picture.save(keptPath) ? QString() : QStringLiteral("could not record ") + keptPath;
    if (!diff.isNull()) {
        QPainter painter(&diff);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.drawImage(0, 0, picture);
    }
    const QString out = QStringLiteral(IXO_PICTURES_OUT_DIR "/") + name;
    picture.save(out + QStringLiteral(".png"));
    diff.save(out + QStringLiteral(".diff.png"));
    return QStringLiteral("%1 differs from %2: the new picture is %3.png, the difference %3.diff.png; `make "
                          "pictures` records an intended change")
        .arg(name, keptPath, out);
}

} // namespace WindowPictures

// The windows as the program wires them, over fake services on a fake clock (6 December 2026, 10:00:00): each
// control reaches its display-free call and its result shows, and what only a window does works (show, hide,
// close, the front claim and hand-back). The rules themselves are the display-free logic's tests';
// the end-to-end scenarios run the whole program. On the way every window is pictured in its main states and
// compared pixel for pixel with the kept tests/app/pictures/NAME.png: a control moved, left out of its layout,
// resized, or showing another text or state fails there (WindowPictures: how the pictures stay the same).
class TestWindows : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<AppHarness> m_h;

    WindowRegistry& app() { return *m_h->app; }
    SharedState& state() { return *m_h->state; }
    FakeServices& fakes() { return *m_h->fakes; }
    TrayController& trayController() { return app().trayController(); }
    AlarmLists& lists() { return app().alarmLists(); }
    AlarmSetWindow& alarmSet(const QString& hour = {}, const QString& minute = {}, const QString& second = {})
    {
        trayController().m_alarmSetAction->trigger();
        AlarmSetWindow& w = app().alarmSetWindow();
        w.m_hourBox->setEditText(hour);
        w.m_minuteBox->setEditText(minute);
        w.m_secondBox->setEditText(second);
        return w;
    }
    /// The warning on screen saying `text`; with no text, any warning on screen.
    static WarningWindow* warningSaying(const QString& text = {})
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<WarningWindow*>(w);
                f && f->isVisible() && (text.isEmpty() || f->m_messageLabel->text() == text))
                return f;
        return nullptr;
    }
    /// The message input window as a double click on the alarm 13:05:00 with its message opens it.
    MessageInputWindow& messageInput()
    {
        lists().alarms.insertSorted("thrice 13:05:00");
        lists().messages.append("Call the garage at 13:05:00");
        AlarmSetWindow& w = alarmSet();
        lists().alarms.setSelected(0);
        Q_EMIT w.m_alarmList->doubleClicked(w.m_alarmList->model()->index(0, 0));
        return app().messageInputWindow();
    }
    /// The file chooser as the Alarm Set window's load, save or edit button opens it.
    DataFileChooser& chooser(const QString& button)
    {
        AlarmSetWindow& w = app().alarmSetWindow();
        (button == "Load" ? w.m_loadButton : button == "Save" ? w.m_saveFileButton : w.m_editButton)->click();
        return *app().dataFileChooser();
    }

public:
    static void initMain() { WindowPictures::prepareEnvironment(); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(WindowPictures::prepareApplication(), "the DejaVu fonts are missing (scripts/install-deps test)");
    }
    void init()
    {
        m_h = std::make_unique<AppHarness>();
        QVERIFY(QDir(m_h->appPath()).mkpath("Pictures"));
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(Qt::green);
        for (const char* name : {"a.bmp", "B.jpg", "d.bmp"}) // all bitmaps inside: the names are enough
            QVERIFY(image.save(m_h->appPath() + "Pictures/" + name, "BMP"));
        QSettings(m_h->appPath() + "Wpaper.ini", QSettings::IniFormat)
            .setValue("Wallpaper/PictureFolder", m_h->appPath() + "Pictures");
        m_h->start();
    }

    // A left click on the tray icon is Stop (the end-to-end alarm scenario shows), unless a sound error box holds
    // the tray; other clicks do nothing: a repeating speaker alarm keeps the clock timer going. Without a notification
    // area the menu is offered in a window of its own after the wait. The menu's About shows the About window.
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

        m_h->start(false);
        fakes().tray.available = false;
        trayController().setTrayWaitLimit(0);
        trayController().start(m_h->appPath());
        QTRY_VERIFY_WITH_TIMEOUT(app().trayFallbackWindow() && app().trayFallbackWindow()->isVisible(), 60000);
        QCOMPARE(WindowPictures::compare(app().trayFallbackWindow(), "tray-fallback"), QString());
        fakes().tray.available = true;
        fakes().tray.onHostChanged(); // as the desktop tells
        QVERIFY(!app().trayFallbackWindow()->isVisible());
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

    // Closing a message window or a warning hands the front back to the dialog that held it when the window came,
    // and deletes the window. A message is shown at the size slot 7 holds (its text, its place on top and its title,
    // the end-to-end alarm scenario shows). The error list shows the files' lines until OK.
    void warningsAndClosing()
    {
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
            if (warning)
                warningSaying("No file is chosen")->m_okButton->click();
            else
                window->close();
            QVERIFY(state().frontHolder == 0 && fakes().windows.topmost == QList<QWidget*>{&dialog});
            QTRY_VERIFY(window.isNull());
        }
        app().addErrorLine("b.dat");
        app().showErrorList();
        QCOMPARE(WindowPictures::compare(&app().errorListWindow(), "error-list"), QString());
        app().errorListWindow().m_okButton->click();
        QVERIFY(!app().isErrorListWindowLoaded());
    }

    // Typed keys pass the digit rule (a refused key beeps); Enter adds the time, shown padded and selected; AM/PM,
    // Add and Delete are wired.
    void alarmSetAddAndDelete()
    {
        trayController().m_alarmSetAction->trigger(); // the time boxes as the window opens: empty
        AlarmSetWindow& w = app().alarmSetWindow();
        QCOMPARE(WindowPictures::compare(&w, "alarm-set-empty"), QString());
        QTest::keyClicks(w.m_hourBox, "1x");
        QVERIFY(w.m_hourBox->currentText() == "1" && fakes().windows.beeps == 1); // not completed from the list either
        w.m_minuteBox->setEditText("4");
        w.m_secondBox->setEditText("5");
        w.m_amPmDownButton->click();
        QTest::keyClick(w.m_secondBox->lineEdit(), Qt::Key_Return);
        QCOMPARE(WindowPictures::compare(&w, "alarm-set-added"), QString()); // 01:04:05 PM, selected in the list
        w.m_amPmUpButton->click();
        w.m_addButton->click(); // 1:04:05 AM
        QVERIFY(warningSaying("Time was passed or next day") && lists().alarms.count() == 1);
        w.m_deleteButton->click(); // the selected line
        lists().alarms.insertSorted("once 20:00:00");
        QCOMPARE(lists().alarms.lines(), QStringList{"once 20:00:00"});
        w.m_deleteAllButton->click();
        QVERIFY(lists().alarms.isEmpty());
    }

    // The play button plays the sound picked (that the drop-down lists the sounds and the pick is kept, the end-to-end
    // persistence scenario shows). Add with a message: the list gives way to the shade while it is typed. The lists
    // with more events and messages, then each event with its first message. A double click asks for no message
    // while a warning is in front.
    void alarmSetListsAndMessages()
    {
        AlarmSetWindow& w = alarmSet("11", "30", "00");
        w.m_soundBox->addItem("bell");
        w.m_soundBox->setCurrentIndex(0);
        w.m_playSoundButton->click();
        QCOMPARE(fakes().wave.calls, QStringList{m_h->appPath() + "bell.wav"});

        w.m_addWithMessageButton->click();
        QVERIFY(app().messageInputWindow().isVisible() && w.m_alarmList->isHidden() && !w.m_shade->isHidden());
        QTest::keyClicks(app().messageInputWindow().m_messageBox, "Call the garage");
        QCOMPARE(WindowPictures::compare(&app().messageInputWindow(), "message-input"), QString());
        app().messageInputWindow().m_saveButton->click();
        QVERIFY(!w.m_alarmList->isHidden() && w.m_shade->isHidden());
        for (const char* line : {"once 09:00:00", "repeat! 21:45:30"})
            lists().alarms.insertSorted(line);
        for (const char* line : {"Lights out at 21:45:30", "Then the bank at 11:30:00"})
            lists().messages.append(line);
        QCOMPARE(WindowPictures::compare(&w, "alarm-set-events"), QString());
        w.m_viewMessagesButton->click();
        QCOMPARE(WindowPictures::compare(&w, "alarm-set-view-message"), QString());
        state().frontHolder = kWarningRankFirst;
        Q_EMIT w.m_alarmList->doubleClicked(w.m_alarmList->model()->index(0, 0));
        QVERIFY(!app().isMessageInputWindowLoaded());
    }

    // The chime box runs the set-up and wakes the clock; the tick's recompute works without the window, and a running
    // chime is shown again when the window is loaded anew, as is a sound whose name ixo.ini cannot hold. Exit only
    // hides (the close box too, the end-to-end alarm scenario shows); the title clock runs while the window is seen.
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
        QVERIFY(state().chimeMark == 1 && !w->m_chimeIntervalBox->isEnabled() &&
                trayController().m_clockTimer.isActive()); // the clock wakes
        w->m_exitButton->click();
        QVERIFY(!w->isVisible() && !w->m_titleTimer.isActive());
        app().unloadAlarmSetWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state().setClockActive(false);
        fakes().clock.setTime(QTime(10, 20, 0));
        app().renewChime();
        QVERIFY(state().chimeMark == 21 && state().clockActive());

        w = &alarmSet();
        QVERIFY(w->windowTitle() == "Tindalo Alarm Clock...06 Dec 2026 / 10:20 AM" && w->m_chimeCheck->isChecked());
        QCOMPARE(state().alarmSoundPath, m_h->appPath() + QString(31, 'x') + ".wav");
    }

    // The message input takes the line's message out for editing, on top; Save puts it back, stores the size the
    // size buttons set and hands the front to nobody. A double quote becomes an apostrophe; the box takes at most
    // 626 characters, cutting what arrived last.
    void messageInputEditAndSave()
    {
        QVERIFY(state().settingsFile().writeSlot(IniSlot::FontSize, IniRecord{kSectionFontSize, 6, 0, {}}));
        MessageInputWindow* input = &messageInput();
        QCOMPARE(input->focusWidget(), input->m_messageBox); // typing goes into the box, whatever the desktop activates
        QCOMPARE(input->m_messageBox->toPlainText(), "Call the garage");
        QVERIFY(lists().messages.isEmpty() && fakes().windows.topmost.contains(input));
        QApplication::clipboard()->setText(" \"now\"" + QString(620, 'a'));
        input->m_messageBox->moveCursor(QTextCursor::End);
        input->m_messageBox->paste();
        QCOMPARE(input->m_messageBox->toPlainText(), "Call the garage 'now'" + QString(605, 'a'));
        QTest::mouseClick(input->m_largerButton, Qt::LeftButton);
        input->m_saveButton->click();
        QVERIFY(lists().messages.count() == 1 && !warningSaying() && !app().isMessageInputWindowLoaded());
        QVERIFY(state().frontHolder == 0 && state().settingsFile().readSlot(IniSlot::FontSize)->data1 == 7);

        // Abandon (or the close box) leaves the message as it was while its alarm is listed; an emptied box saved
        // removes it, with the warning.
        for (const QString how : {"Abandon", "Save an empty box", "Abandon after the alarm fired"}) {
            lists().messages.clear();
            MessageInputWindow& box = messageInput();
            QTest::keyClicks(box.m_messageBox, " now");
            if (how.endsWith("fired"))
                lists().alarms.removeAt(0);
            if (how.startsWith("Save"))
                box.m_messageBox->clear();
            (how.startsWith("Save") ? box.m_saveButton : box.m_abandonButton)->click();
            QVERIFY(!app().isMessageInputWindowLoaded());
            QCOMPARE(lists().messages.count(), how.startsWith("Save") || how.endsWith("fired") ? 0 : 1);
        }
        QVERIFY(warningSaying(MessageInput::kNothingToSave));
    }

    // Each button opens the chooser in its mode, listing the data files and claiming the front; a chooser left
    // open in another mode is replaced by a fresh one. A refused name is shown corrected, with the warning, and
    // the chooser stays (a good one is saved, and one opened in an editor: the end-to-end scenarios); a name that is
    // there asks to overwrite; Cancel hands the front back and the chooser goes.
    void chooserModesAndSave()
    {
        QVERIFY(m_h->touch("b.dat") && m_h->touch("my.dat"));
        for (const char* button : {"Load", "Open", "Save"}) {
            DataFileChooser& f = chooser(button);
            QCOMPARE(WindowPictures::compare(&f, "chooser-" + QString(button).toLower()), QString());
            QVERIFY(state().frontHolder == kWhoFileChooser && f.m_previousFront == 0);
        }
        DataFileChooser& f = *app().dataFileChooser();
        QTest::keyClicks(f.m_nameBox, "WP/APER");
        f.m_confirmButton->click();
        QCOMPARE(f.m_nameBox->text(), "WPAPER.dat"); // and the warning
        warningSaying("Wpaper.dat has data of wallpaper")->m_okButton->click();
        f.m_cancelButton->click();
        QVERIFY(state().frontHolder == 0 && !app().dataFileChooser());
        app().askOverwrite("Form4", "b.dat");
        QCOMPARE(WindowPictures::compare(&app().overwriteQuestionWindow(), "overwrite"), QString());
        app().overwriteQuestionWindow().m_cancelButton->click();
    }

    // The boxes set their flags when they change; "Don't compare with second" hides the Alarm Set window's seconds
    // at once (that closing stores the boxes and the font, and what a restart makes of them, the end-to-end
    // scenarios show). The tray's Settings shows the window, also a minimized one; the log-in page's buttons set the
    // start at log-in or say why they could not; a settings file that cannot be written is reported when closing.
    void settingsBoxesAndRoundTrip()
    {
        SettingsWindow& f = app().settingsWindow();
        f.m_internalSpeakerCheck->setChecked(true);
        f.m_fontOptions[2]->setChecked(true);
        QVERIFY(state().useInternalSpeaker && state().fontChoice == 2);
        const QComboBox* seconds = app().alarmSetWindow().m_secondBox;
        f.m_ignoreSecondsCheck->setChecked(true);
        QVERIFY(state().ignoreSeconds && seconds->isHidden());
        f.m_ignoreSecondsCheck->setChecked(false);
        QVERIFY(!seconds->isHidden());
        trayController().m_settingsAction->trigger();
        QCOMPARE(WindowPictures::compare(&f, "settings"), QString());
        f.showMinimized();
        trayController().m_settingsAction->trigger();
        QVERIFY(f.isVisible() && !f.isMinimized());
        f.m_nextPageButton->click();
        f.m_runAtLoginButton->click();
        QVERIFY(fakes().autostart.enabled);
        QCOMPARE(WindowPictures::compare(&f, "settings-log-in"), QString());
        fakes().autostart.works = false;
        f.m_noRunAtLoginButton->click();
        QVERIFY(warningSaying("Ixo's start at log-in could not be removed: refused"));
        // A folder where the settings file belongs.
        QVERIFY(QDir().mkpath(m_h->appPath() + "ixo.ini"));
        f.m_closeButton->click();
        QVERIFY(warningSaying("The settings could not be saved in " + m_h->appPath() + "ixo.ini: Is a directory"));
    }

    // A click runs the logic's handler and its list rules show in the boxes; an entry whose file is gone is
    // removed with a warning, one that is there can become the wallpaper. While a change is scheduled closing
    // only hides, and the tray shows the same list again; else the window and the wallpaper state go. Scheduling a
    // change wakes the clock.
    void wallpaperWindow()
    {
        trayController().m_wallpaperAction->trigger();
        WallpaperWindow& f = app().wallpaperWindow();
        for (const char* name : {"a.bmp", "B.jpg", "d.bmp"}) { // picked in the folder box and added
            f.m_pictureBox->setCurrentIndex(f.m_pictureBox->findText(name));
            Q_EMIT f.m_pictureBox->activated(f.m_pictureBox->currentIndex());
            f.m_addButton->click();
        }
        f.m_intervalBox->setCurrentIndex(f.m_intervalBox->findText("1 hr"));
        Q_EMIT f.m_intervalBox->activated(f.m_intervalBox->currentIndex());
        f.m_changeCheck->click();
        QVERIFY(state().wallpaperMark == 11 &&
                trayController().m_clockTimer.isActive()); // "1 hr" at 10:00; the clock wakes
        QFile::remove(m_h->appPath() + "Pictures/d.bmp");
        for (int row : {2, 0}) {
            f.m_pictureList->setCurrentRow(row);
            Q_EMIT f.m_pictureList->itemClicked(f.m_pictureList->item(row));
        }
        QVERIFY(f.m_pictureList->count() == 2 && warningSaying("d.bmp file not found"));
        QCOMPARE(WindowPictures::compare(&f, "wallpaper"), QString());
        for (int i = 0; i < 3; ++i) // each time under a new name; the copy shown before stays, older ones go
            f.m_changeNowButton->click();
        QCOMPARE(fakes().wallpaper.shown.last(), m_h->appPath() + "Pictures/tmpFile-3.bmp");
        QCOMPARE(QDir(m_h->appPath() + "Pictures").entryList({"tmpFile*"}),
                 (QStringList{"tmpFile-2.bmp", "tmpFile-3.bmp"}));

        f.m_closeButton->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(app().isWallpaperWindowLoaded() && !f.isVisible());
        trayController().m_wallpaperAction->trigger();
        QVERIFY(f.isVisible() && f.m_pictureList->count() == 2);
        f.m_pictureList->item(1)->setSelected(true);
        f.m_deleteButton->click(); // fewer than two entries end the change
        QVERIFY(!f.m_changeCheck->isChecked() && !f.m_changeCheck->isEnabled() && state().wallpaperMark == -1);
        f.m_closeButton->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!app().isWallpaperWindowLoaded() && !app().wallpaper().isReady());
    }
};

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
