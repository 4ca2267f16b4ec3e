#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "alarms/alarm_lists.h"
#include "alarms/alarm_set_window.h"
#include "app_harness.h"
#include "settings/message_input_window.h"
#include "settings/settings_file.h"

namespace {
void setBoxes(Form4& w, const QString& hour, const QString& minute, const QString& second)
{
    w.cbHour->setEditText(hour);
    w.cbMin->setEditText(minute);
    w.cbSec->setEditText(second);
}
QStringList boxTexts(const Form4& w)
{
    return {w.cbHour->currentText(), w.cbMin->currentText(), w.cbSec->currentText()};
}
void dropDown(QComboBox* box)
{
    box->showPopup();
    box->hidePopup();
}
} // namespace

class TestAlarmSetWindow : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<AppHarness> m_h;

    Module1& state() { return *m_h->state; }
    AlarmLists& lists() { return m_h->app->alarmLists(); }
    SettingsFile settings() { return state().settingsFile(); }
    Form4& open()
    {
        m_h->app->form1().mAlarmSet_Click();
        return m_h->app->form4();
    }
    Form4& reload()
    {
        m_h->app->unloadForm4();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return m_h->app->form4();
    }

private Q_SLOTS:
    void init()
    {
        m_h = std::make_unique<AppHarness>(QDateTime(QDate(2026, 12, 6), QTime(19, 0, 0)));
        m_h->startBare();
    }
    void cleanup() { m_h.reset(); }

    // Keys typed into a box (as the desktop delivers them) and pasted text follow the digit rule and are never
    // completed; Enter adds the time, shown padded and selected; the AM/PM buttons and Add are wired.
    void timeBoxesAddTheTypedTime()
    {
        Form4& w = open();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const int& beeps = m_h->fakes->windows.beeps;
        QCOMPARE(w.txtAm->text(), "PM"); // preset from the hour
        w.cbHour->setFocus();
        QTest::keyClicks(w.cbHour, "1x");
        QCOMPARE(w.cbHour->currentText(), "1");
        QCOMPARE(beeps, 1);
        QTest::keyClicks(w.cbHour, "12");
        QCOMPARE(w.cbHour->currentText(), QString()); // three digits empty the box
        QCOMPARE(beeps, 2);
        QApplication::clipboard()->setText("4x");
        w.cbMin->lineEdit()->paste();
        QCOMPARE(w.cbMin->currentText(), "4");
        QCOMPARE(beeps, 3);
        QApplication::clipboard()->setText("123");
        w.cbSec->lineEdit()->paste();
        QCOMPARE(w.cbSec->currentText(), QString());

        setBoxes(w, "7", "30", "5");
        w.cbPlayTimes->setCurrentIndex(1);
        QTest::keyClick(w.cbSec->lineEdit(), Qt::Key_Return);
        QCOMPARE(lists().lstData.lines(), QStringList{"twice 19:30:05"});
        QCOMPARE(boxTexts(w), (QStringList{"07", "30", "05"}));
        QCOMPARE(w.lstData->selectionModel()->selectedRows().size(), 1);
        QVERIFY(!m_h->app->isForm5Loaded()); // no message asked for

        w.cmdUp->click();
        QCOMPARE(w.txtAm->text(), "AM");
        w.cmdAdd->click();
        QCOMPARE(visibleWarnings(), QStringList{"Time was passed or next day"});
        w.cmdDown->click();
        QCOMPARE(w.txtAm->text(), "PM");
    }

    // The minutes list grows to 59 on its first drop-down; the sounds of the program folder are listed on the
    // first drop-down of each load, picking one stores it, and the play button plays it.
    void dropDownsFillOnce()
    {
        m_h->writeFile("bell.WAV", {});
        m_h->writeFile("Alarm.wav", {});
        Form4& w = m_h->app->form4();
        w.show();
        QCOMPARE(w.cbMin->count(), 10);
        dropDown(w.cbMin);
        dropDown(w.cbMin);
        QCOMPARE(w.cbMin->count(), 60);
        QCOMPARE(w.cbMin->itemText(59), "59");

        QCOMPARE(w.cmbSong->count(), 0);
        dropDown(w.cmbSong);
        QCOMPARE(w.cmbSong->count(), 2);
        QCOMPARE(w.cmbSong->itemText(1), "bell");
        QCOMPARE(w.cmbSong->currentIndex(), -1); // filling picks nothing
        QVERIFY(!settings().exists());
        m_h->writeFile("gong.wav", {});
        dropDown(w.cmbSong);
        QCOMPARE(w.cmbSong->count(), 2);

        w.cmdPlayB->click();
        QVERIFY(m_h->fakes->wave.calls.isEmpty());
        w.cmbSong->setCurrentIndex(1);
        Q_EMIT w.cmbSong->activated(1);
        QCOMPARE(state().strSongPath, m_h->appPath() + "bell.WAV");
        QCOMPARE(settings().readSlot(IniSlot::SongName)->value(), "bell");
        w.cmdPlayB->click();
        QCOMPARE(m_h->fakes->wave.calls, QStringList{m_h->appPath() + "bell.WAV"});
    }

    // A line selected in the view is the list's selected line; Delete removes it and the view's selection.
    void deleteButtons()
    {
        Form4& w = m_h->app->form4();
        for (const char* t : {"once 20:00:00", "once 21:00:00", "once 22:00:00"})
            lists().lstData.insertSorted(t);
        w.lstData->selectionModel()->select(w.lstData->model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(lists().lstData.selected(), 1);
        w.cmdDelete->click();
        QCOMPARE(lists().lstData.lines(), (QStringList{"once 20:00:00", "once 22:00:00"}));
        QVERIFY(w.lstData->selectionModel()->selectedRows().isEmpty());
        w.cmdDeleteAll->click();
        QVERIFY(lists().lstData.isEmpty());
    }

    // The road of one alarm: 7:30:00 PM "twice" added with the message "Call the garage", then viewed.
    void alarmWithAMessage()
    {
        Form4& w = open();
        w.cmdViewM->click(); // an empty list has nothing to view
        QVERIFY(!w.txtViewM->isVisible());
        setBoxes(w, "7", "30", "00");
        w.cbPlayTimes->setCurrentIndex(w.cbPlayTimes->findText("twice"));
        w.cmdWithMessage->click();
        QCOMPARE(state().bWithMessage, kFalse);
        QCOMPARE(lists().lstData.lines(), QStringList{"twice 19:30:00"});
        Form5& input = m_h->app->form5();
        QVERIFY(input.isVisible());
        QVERIFY(w.lstData->isHidden());
        QVERIFY(!w.imgSha->isHidden());
        QCOMPARE(state().lForegroundWho, kWhoMessageInput);
        QTest::keyClicks(input.txtInput, "Call the garage");
        input.cmdOk->click();
        QCOMPARE(lists().lstMessage.lines(), QStringList{"Call the garage at 19:30:00"});
        QVERIFY(!w.lstData->isHidden());
        QVERIFY(w.imgSha->isHidden());

        w.cmdViewM->click();
        QVERIFY(w.txtViewM->isVisible());
        QCOMPARE(w.txtViewM->toPlainText(), "\n=07:30:00 PM  /  Call the garage");
        QCOMPARE(w.cmdViewM->text(), "Hide Message");
        QCOMPARE(w.txtViewM->width(), qRound(4092 * w.logicalDpiX() / 1440.0));
        w.cmdViewM->click();
        QVERIFY(!w.txtViewM->isVisible());
        QCOMPARE(w.txtViewM->toPlainText(), QString());
        QCOMPARE(w.cmdViewM->text(), "View Message");
    }

    // A double click edits the message of the clicked line only, and not while a warning is in front; Abandon
    // puts it back unchanged.
    void doubleClickEditsThatLinesMessageOnly()
    {
        for (const char* t : {"once 20:00:00", "thrice 21:00:00"})
            lists().lstData.insertSorted(t);
        for (const char* t : {"Feed the cat at 20:00:00", "Call the garage at 21:00:00"})
            lists().lstMessage.append(t);
        Form4& w = open();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QModelIndex second = w.lstData->model()->index(1, 0);
        state().lForegroundWho = kWarnSeqFirst;
        w.lstData->selectionModel()->select(second, QItemSelectionModel::ClearAndSelect);
        w.lstData_DblClick();
        QVERIFY(!m_h->app->isForm5Loaded());

        state().lForegroundWho = 0;
        const QPoint at = w.lstData->visualRect(second).center();
        QTest::mouseClick(w.lstData->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(w.lstData->viewport(), Qt::LeftButton, {}, at);
        Form5& input = m_h->app->form5();
        QCOMPARE(input.txtInput->toPlainText(), "Call the garage");
        input.cmdCancel->click();
        QCOMPARE(lists().lstMessage.lines(), (QStringList{"Feed the cat at 20:00:00", "Call the garage at 21:00:00"}));
        QVERIFY(!w.lstData->isHidden());
    }

    // The running chime is shown again when the window is loaded anew: interval first, then the box.
    void chimeShownAgainAfterReload()
    {
        Form4* w = &m_h->app->form4();
        QVERIFY(!w->chkEMPlay->isEnabled());
        w->cbEMPlay->setCurrentIndex(w->cbEMPlay->findText("15"));
        QVERIFY(w->chkEMPlay->isEnabled());
        w->chkEMPlay->setChecked(true);
        QCOMPARE(state().bEMPlayOn, kTrue);
        QCOMPARE(state().iEMInterval, qint16(15));
        QCOMPARE(state().iEMNext, qint16(15)); // 19:00 -> 19:15
        QCOMPARE(state().bClockActive(), kTrue);
        QVERIFY(!w->cbEMPlay->isEnabled());

        m_h->app->unloadForm4();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_h->fakes->clock.setTime(QTime(19, 20, 0));
        m_h->app->chkEMPlay_Click(); // the tick without the window
        QCOMPARE(state().iEMNext, qint16(30));

        w = &m_h->app->form4();
        QCOMPARE(w->cbEMPlay->currentText(), "15");
        QVERIFY(w->chkEMPlay->isChecked());
        QVERIFY(w->chkEMPlay->isEnabled());
        QVERIFY(!w->cbEMPlay->isEnabled());
        QCOMPARE(state().iEMInterval, qint16(15));

        m_h->fakes->clock.setTime(QTime(19, 31, 0));
        m_h->app->chkEMPlay_Click(); // the tick with the window
        QCOMPARE(state().iEMNext, qint16(45));
        w->chkEMPlay->setChecked(false);
        QCOMPARE(state().bEMPlayOn, kFalse);
        QCOMPARE(state().iEMNext, qint16(-1));
        QVERIFY(w->cbEMPlay->isEnabled());
    }

    void fontChoiceOnTheTwelveControls_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("size"); // 0: the designed size
        QTest::newRow("enlarge") << "TimesNewRoman" << QString("Times New Roman") << 10;
        QTest::newRow("arial") << "Arial" << QString("Arial") << 0;
    }
    void fontChoiceOnTheTwelveControls()
    {
        QFETCH(QString, stored);
        QFETCH(QString, family);
        QFETCH(int, size);
        QVERIFY(settings().writeSlot(IniSlot::AllFont, IniRecord{kSectionAllFont, 0, 0, stored}));
        Form4& w = m_h->app->form4();
        const auto fontOf = [](const QWidget* c) {
            return c->font().family() + ' ' + QString::number(c->font().pointSize());
        };
        const QString design = fontOf(w.txtAm);
        for (QWidget* control :
             std::initializer_list<QWidget*>{w.cbHour, w.cbMin, w.cbPlayTimes, w.cbSec, w.cmbSong, w.cmdAdd, w.cmdExit,
                                             w.cmdViewM, w.Frame2, w.Label2, w.lblATis, w.lstData})
            QCOMPARE(fontOf(control), family + ' ' + (size ? QString::number(size) : design.section(' ', -1)));
        for (QWidget* control : std::initializer_list<QWidget*>{w.lstMessage, w.txtViewM, w.imgSha, w.chkEMPlay,
                                                                w.cbEMPlay, w.cmdDelete, w.lblColon1})
            QCOMPARE(fontOf(control), design);
    }

    // Exit and the close box only hide the window. Exit stores its place, which the next load takes again with
    // the sound checks, while a screen still shows it; only Exit tells the clock whether the window may go.
    void exitStoresThePlaceAndCloseHides()
    {
        Form4* w = &open();
        w->move(120, 90);
        const QPoint place = w->pos();
        w->cmdExit->click();
        QVERIFY(!w->isVisible());
        QCOMPARE(state().bAlarmSetOpen, kFalse); // nothing in the list
        const IniRecord slot1 = *settings().readSlot(IniSlot::TimeInputLoc);
        QCOMPARE(slot1.section(), "[TimeInputLoc]");
        QCOMPARE(QPoint(slot1.iData1, slot1.iData2), place);

        QVERIFY(settings().writeSlot(IniSlot::Setting, IniRecord{kSectionSetting, 0, 1, {}}));
        QCOMPARE(reload().pos(), place);
        QCOMPARE(state().bSoundOn, kFalse);
        QCOMPARE(state().bErrMsgPop, kTrue);
        QVERIFY(settings().writeSlot(IniSlot::TimeInputLoc, IniRecord{kSectionTimeInputLoc, 30000, 30000, {}}));
        w = &reload();
        QVERIFY(w->pos() != QPoint(30000, 30000));

        lists().lstData.insertSorted("once 20:00:00");
        w->show();
        w->close();
        QVERIFY(!w->isVisible());
        QVERIFY(m_h->app->isForm4Loaded());
        QCOMPARE(state().bAlarmSetOpen, kFalse); // as Exit left it
    }

    // The keypad's Enter presses Add wherever Enter does: in the time boxes and in a control that does not take it.
    void keypadEnterPressesAdd_data()
    {
        QTest::addColumn<bool>("inTimeBox");
        QTest::newRow("in the seconds box") << true;
        QTest::newRow("in the play-times box") << false;
    }
    void keypadEnterPressesAdd()
    {
        QFETCH(bool, inTimeBox);
        Form4& w = open();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        setBoxes(w, "8", "15", "00");
        QWidget* control = inTimeBox ? static_cast<QWidget*>(w.cbSec->lineEdit()) : w.cbPlayTimes;
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(lists().lstData.lines(), QStringList{"once 20:15:00"});
    }

    // Start-up touches the lists (loading my.dat, or with seconds not compared) as the hidden window's load would:
    // the stored sound is in use at once, without building a window for it.
    void startupTakesTheStoredSound_data()
    {
        QTest::addColumn<QString>("tokens");
        QTest::addColumn<QString>("song");
        QTest::newRow("my.dat loaded") << "ALAEOnDCWSOf"
                                       << "gong.wav";
        QTest::newRow("seconds not compared") << "ALAEOfDCWSOn"
                                              << "gong.wav";
        QTest::newRow("neither") << "ALAEOfDCWSOf"
                                 << "ding.wav";
    }
    void startupTakesTheStoredSound()
    {
        QFETCH(QString, tokens);
        QFETCH(QString, song);
        QVERIFY(settings().writeSlots({{IniSlot::SongName, IniRecord{kSectionSongName, 0, 0, "gong"}},
                                       {IniSlot::Setting, IniRecord{kSectionSetting, 1, 1, tokens + "UISPOfISOMOf"}}}));
        m_h->writeFile("my.dat", "\"once 20:00:00\"\r\n");
        m_h->start();
        QCOMPARE(state().strSongPath, m_h->appPath() + song);
        QVERIFY(!m_h->app->isForm4Loaded());
        QVERIFY(!m_h->app->isForm7Loaded());
    }

    // With nothing left to watch the clock unloads the window with both its lists: a message whose alarm is gone
    // does not live on.
    void idleClockDropsOrphanMessages()
    {
        lists().lstMessage.append("Call the garage at 18:00:00");
        state().setClockActive(kTrue);
        m_h->app->clockTick().Timer1_Timer();
        QVERIFY(lists().lstMessage.isEmpty());
        QCOMPARE(state().bClockActive(), kFalse);
    }

    void titleShowsDateAndTimeWhileVisible()
    {
        Form4& w = m_h->app->form4();
        QCOMPARE(w.windowTitle(), "Tindalo Alarm Clock...");
        w.show();
        QCOMPARE(w.windowTitle(), "Tindalo Alarm Clock...06 Dec 2026 / 07:00 PM");
        QVERIFY(w.Timer1.isActive());
        m_h->fakes->clock.setTime(QTime(0, 1, 0));
        w.Timer1_Timer();
        QCOMPARE(w.windowTitle(), "Tindalo Alarm Clock...06 Dec 2026 / 12:01 AM");
        w.hide();
        QVERIFY(!w.Timer1.isActive());
    }
};

QTEST_MAIN(TestAlarmSetWindow)
#include "test_alarm_set_window.moc"
