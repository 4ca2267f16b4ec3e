#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "alarms/alarm_lists.h"
#include "alarms/alarm_set_window.h"
#include "app/app_context.h"
#include "app/main_window.h"
#include "app/shared_state.h"
#include "fake_services.h"
#include "settings/message_input_window.h"
#include "settings/settings_file.h"

namespace {
void touch(const QString& path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}
} // namespace

class TestAlarmSetWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_fakes = std::make_unique<FakeServices>();
        m_fakes->clock.set(QDateTime(QDate(2026, 12, 6), QTime(19, 0, 0)));
        m_state = std::make_unique<Module1>();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_state->strAppPath = m_dir->path() + QStringLiteral("/");
        m_state->setStartupDefaults();
        m_app = std::make_unique<AppContext>(*m_state, m_fakes->services());
    }
    void cleanup() { m_app.reset(); }

    void typedTimeIsAddedAndShownPadded()
    {
        m_app->form1().mAlarmSet_Click();
        Form4& w = m_app->form4();
        QVERIFY(w.isVisible());
        QCOMPARE(w.txtAm->text(), QStringLiteral("PM")); // preset from the hour
        QTest::keyClicks(w.cbHour->lineEdit(), QStringLiteral("7a"));
        QCOMPARE(w.cbHour->currentText(), QStringLiteral("7"));
        QCOMPARE(m_fakes->windows.beeps, 1);
        QTest::keyClicks(w.cbMin->lineEdit(), QStringLiteral("30"));
        QTest::keyClicks(w.cbSec->lineEdit(), QStringLiteral("5"));
        w.cbPlayTimes->setCurrentIndex(1);
        w.cmdAdd->click();
        QCOMPARE(m_app->alarmLists().lstData.lines(), QStringList{QStringLiteral("twice 19:30:05")});
        QCOMPARE(w.cbHour->currentText(), QStringLiteral("07"));
        QCOMPARE(w.cbSec->currentText(), QStringLiteral("05"));
        QCOMPARE(w.lstData->model()->rowCount(), 1);
        QCOMPARE(w.lstData->selectionModel()->selectedRows().size(), 1); // the new line is selected
        QCOMPARE(m_state->bClockActive, kTrue);

        w.cmdUp->click();
        QCOMPARE(w.txtAm->text(), QStringLiteral("AM"));
        w.cmdAdd->click(); // 07:30:05 AM has passed
        QCOMPARE(m_app->alarmLists().lstData.count(), 1);
    }

    // Keys typed into the box (as the desktop delivers them) follow the digit rule and are never completed.
    void typedHourIsNeitherFilteredAwayNorCompleted()
    {
        Form4& w = m_app->form4();
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.cbHour->setFocus();
        QTest::keyClicks(w.cbHour, QStringLiteral("1x"));
        QCOMPARE(w.cbHour->currentText(), QStringLiteral("1"));
        QCOMPARE(m_fakes->windows.beeps, 1);
        QTest::keyClicks(w.cbHour, QStringLiteral("12"));
        QCOMPARE(w.cbHour->currentText(), QString()); // three digits empty the box
        QCOMPARE(m_fakes->windows.beeps, 2);
    }

    void pastedTextFollowsTheDigitRule()
    {
        Form4& w = m_app->form4();
        w.show();
        QApplication::clipboard()->setText(QStringLiteral("4x"));
        w.cbMin->lineEdit()->paste();
        QCOMPARE(w.cbMin->currentText(), QStringLiteral("4"));
        QCOMPARE(m_fakes->windows.beeps, 1);
        QApplication::clipboard()->setText(QStringLiteral("123"));
        w.cbSec->lineEdit()->paste();
        QCOMPARE(w.cbSec->currentText(), QString());
    }

    void minutesListGrowsOnFirstDropDown()
    {
        Form4& w = m_app->form4();
        w.show();
        QCOMPARE(w.cbMin->count(), 10);
        w.cbMin->showPopup();
        w.cbMin->hidePopup();
        w.cbMin->showPopup();
        w.cbMin->hidePopup();
        QCOMPARE(w.cbMin->count(), 60);
        QCOMPARE(w.cbMin->itemText(59), QStringLiteral("59"));
    }

    void deleteSelectedThenNothing()
    {
        Form4& w = m_app->form4();
        AlarmLists& lists = m_app->alarmLists();
        for (const char* t : {"once 20:00:00", "once 21:00:00", "once 22:00:00"})
            lists.lstData.insertSorted(QString::fromLatin1(t));
        w.lstData->selectionModel()->select(w.lstData->model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(lists.lstData.selected(), 1);
        w.cmdDelete->click();
        QCOMPARE(lists.lstData.lines(),
                 (QStringList{QStringLiteral("once 20:00:00"), QStringLiteral("once 22:00:00")}));
        QVERIFY(w.lstData->selectionModel()->selectedRows().isEmpty());
        w.cmdDelete->click();
        QCOMPARE(lists.lstData.count(), 2);
        w.cmdDeleteAll->click();
        QCOMPARE(lists.lstData.count(), 0);
    }

    void closingHidesAndKeepsTheList()
    {
        m_app->form1().mAlarmSet_Click();
        Form4& w = m_app->form4();
        m_app->alarmLists().lstData.insertSorted(QStringLiteral("once 20:00:00"));
        w.close();
        QVERIFY(!w.isVisible());
        QVERIFY(m_app->isForm4Loaded());
        QCOMPARE(m_state->bAlarmSetOpen, kTrue);
        m_app->unloadForm4();
        QCOMPARE(m_app->alarmLists().lstData.count(), 1);
    }

    // The road of one alarm: 7:30:00 PM, "twice", added with the message "Call the garage".
    void roadOfOneAlarm()
    {
        m_app->form1().mAlarmSet_Click();
        Form4& w = m_app->form4();
        QCOMPARE(w.txtAm->text(), QStringLiteral("PM"));
        QTest::keyClicks(w.cbHour->lineEdit(), QStringLiteral("7"));
        QTest::keyClicks(w.cbMin->lineEdit(), QStringLiteral("30"));
        QTest::keyClicks(w.cbSec->lineEdit(), QStringLiteral("00"));
        w.cbPlayTimes->setCurrentIndex(w.cbPlayTimes->findText(QStringLiteral("twice")));
        w.cmdWithMessage->click();
        QCOMPARE(m_state->bWithMessage, kFalse);
        QCOMPARE(m_app->alarmLists().lstData.lines(), QStringList{QStringLiteral("twice 19:30:00")});

        QVERIFY(m_app->isForm5Loaded());
        Form5& input = m_app->form5();
        QVERIFY(input.isVisible());
        QVERIFY(w.lstData->isHidden());
        QVERIFY(!w.imgSha->isHidden());
        QCOMPARE(m_state->lForegroundWho, kWhoMessageInput);
        QTest::keyClicks(input.txtInput, QStringLiteral("Call the garage"));
        input.cmdOk->click();
        QVERIFY(!m_app->isForm5Loaded());
        QCOMPARE(m_app->alarmLists().lstMessage.lines(), QStringList{QStringLiteral("Call the garage at 19:30:00")});
        QVERIFY(!w.lstData->isHidden());
        QVERIFY(w.imgSha->isHidden());
        QCOMPARE(m_state->lForegroundWho, 0);

        w.cmdViewM->click();
        QVERIFY(w.txtViewM->isVisible());
        QCOMPARE(w.txtViewM->toPlainText(), QStringLiteral("\n=07:30:00 PM  /  Call the garage"));
        QCOMPARE(w.cmdViewM->text(), QStringLiteral("Hide Message"));
        QCOMPARE(w.txtViewM->width(), qRound(4092 * w.logicalDpiX() / 1440.0));
        w.cmdViewM->click();
        QVERIFY(!w.txtViewM->isVisible());
        QCOMPARE(w.txtViewM->toPlainText(), QString());
        QCOMPARE(w.cmdViewM->text(), QStringLiteral("View Message"));
    }

    void enterAddsAndAddingWithoutMessageOpensNothing()
    {
        m_app->form1().mAlarmSet_Click();
        Form4& w = m_app->form4();
        QTest::keyClicks(w.cbHour->lineEdit(), QStringLiteral("8"));
        QTest::keyClicks(w.cbMin->lineEdit(), QStringLiteral("15"));
        QTest::keyClicks(w.cbSec->lineEdit(), QStringLiteral("0"));
        QTest::keyClick(w.cbSec->lineEdit(), Qt::Key_Return);
        QCOMPARE(m_app->alarmLists().lstData.lines(), QStringList{QStringLiteral("once 20:15:00")});
        QVERIFY(!m_app->isForm5Loaded());
    }

    void viewMessageOnAnEmptyListDoesNothing()
    {
        m_app->form1().mAlarmSet_Click();
        Form4& w = m_app->form4();
        w.cmdViewM->click();
        QVERIFY(!w.txtViewM->isVisible());
        QCOMPARE(w.cmdViewM->text(), QStringLiteral("View Message"));
    }

    // A double click edits the message of the clicked line only; Abandon leaves that alarm without one.
    void doubleClickEditsThatLinesMessageOnly()
    {
        AlarmLists& lists = m_app->alarmLists();
        for (const char* t : {"once 20:00:00", "thrice 21:00:00"})
            lists.lstData.insertSorted(QString::fromLatin1(t));
        for (const char* t : {"Feed the cat at 20:00:00", "Call the garage at 21:00:00"})
            lists.lstMessage.append(QString::fromLatin1(t));
        m_app->form1().mAlarmSet_Click();
        Form4& w = m_app->form4();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        m_state->lForegroundWho = kWarnSeqFirst; // a warning is in front: no message input
        w.lstData->selectionModel()->select(w.lstData->model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
        w.lstData_DblClick();
        QVERIFY(!m_app->isForm5Loaded());

        m_state->lForegroundWho = 0;
        const QRect line = w.lstData->visualRect(w.lstData->model()->index(1, 0));
        QTest::mouseClick(w.lstData->viewport(), Qt::LeftButton, {}, line.center());
        QTest::mouseDClick(w.lstData->viewport(), Qt::LeftButton, {}, line.center());
        QVERIFY(m_app->isForm5Loaded());
        Form5& input = m_app->form5();
        QCOMPARE(input.txtInput->toPlainText(), QStringLiteral("Call the garage"));
        QCOMPARE(lists.lstMessage.lines(), QStringList{QStringLiteral("Feed the cat at 20:00:00")});
        input.cmdCancel->click();
        QCOMPARE(lists.lstMessage.lines(), QStringList{QStringLiteral("Feed the cat at 20:00:00")});
        QVERIFY(!w.lstData->isHidden());
    }

    // Sounds of the program folder, listed once per load of the window, sorted ignoring case.
    void songListPickAndPlay()
    {
        const QString app = m_state->strAppPath;
        for (const char* name : {"bell.WAV", "Alarm.wav", "chime.Wav", "readme.txt"})
            touch(app + QLatin1String(name));
        Form4& w = m_app->form4();
        w.show();
        QCOMPARE(w.cmbSong->count(), 0);
        w.cmbSong->showPopup();
        w.cmbSong->hidePopup();
        const QStringList listed{QStringLiteral("Alarm"), QStringLiteral("bell"), QStringLiteral("chime")};
        auto items = [&w] {
            QStringList texts;
            for (int i = 0; i < w.cmbSong->count(); ++i)
                texts.append(w.cmbSong->itemText(i));
            return texts;
        };
        QCOMPARE(items(), listed);
        QCOMPARE(w.cmbSong->currentIndex(), -1); // filling picks nothing
        QVERIFY(!m_state->settingsFile().exists());

        touch(app + QStringLiteral("gong.wav"));
        w.cmbSong->showPopup();
        w.cmbSong->hidePopup();
        QCOMPARE(items(), listed);

        w.cmdPlayB->click();
        QVERIFY(m_fakes->wave.calls.isEmpty());
        w.cmbSong->setCurrentIndex(1);
        Q_EMIT w.cmbSong->activated(1);
        QCOMPARE(m_state->strSongPath, app + QStringLiteral("bell.WAV"));
        QCOMPARE(m_state->settingsFile().readSlot(IniSlot::SongName)->value(), QStringLiteral("bell"));
        w.cmdPlayB->click();
        QCOMPARE(m_fakes->wave.calls, QStringList{app + QStringLiteral("bell.WAV")});
    }

    // The running chime is shown again when the window is loaded anew: interval first, then the box.
    void chimeShownAgainAfterReload()
    {
        Form4* w = &m_app->form4();
        QVERIFY(!w->chkEMPlay->isEnabled());
        w->cbEMPlay->setCurrentIndex(w->cbEMPlay->findText(QStringLiteral("15")));
        QVERIFY(w->chkEMPlay->isEnabled());
        w->chkEMPlay->setChecked(true);
        QCOMPARE(m_state->bEMPlayOn, kTrue);
        QCOMPARE(m_state->iEMInterval, qint16(15));
        QCOMPARE(m_state->iEMNext, qint16(15)); // 19:00 -> 19:15
        QCOMPARE(m_state->bClockActive, kTrue);
        QVERIFY(!w->cbEMPlay->isEnabled());

        m_app->unloadForm4();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_fakes->clock.setTime(QTime(19, 20, 0));
        m_app->chkEMPlay_Click(); // the tick without the window
        QCOMPARE(m_state->iEMNext, qint16(30));

        w = &m_app->form4();
        QCOMPARE(w->cbEMPlay->currentText(), QStringLiteral("15"));
        QVERIFY(w->chkEMPlay->isChecked());
        QVERIFY(w->chkEMPlay->isEnabled());
        QVERIFY(!w->cbEMPlay->isEnabled());
        QCOMPARE(m_state->iEMInterval, qint16(15));

        m_fakes->clock.setTime(QTime(19, 31, 0));
        m_app->chkEMPlay_Click(); // the tick with the window
        QCOMPARE(m_state->iEMNext, qint16(45));
        w->chkEMPlay->setChecked(false);
        QCOMPARE(m_state->bEMPlayOn, kFalse);
        QCOMPARE(m_state->iEMNext, qint16(-1));
        QVERIFY(w->cbEMPlay->isEnabled());
    }

    void fontChoiceOnTheTwelveControls_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("size");
        QTest::newRow("enlarge") << QStringLiteral("TimesNewRoman") << QStringLiteral("Times New Roman") << 10;
        QTest::newRow("arial") << QStringLiteral("Arial") << QStringLiteral("Arial") << 0;
    }
    void fontChoiceOnTheTwelveControls()
    {
        QFETCH(QString, stored);
        QFETCH(QString, family);
        QFETCH(int, size);
        QVERIFY(m_state->settingsFile().writeSlot(IniSlot::AllFont, IniRecord{kSectionAllFont, 0, 0, stored}));
        Form4& w = m_app->form4();
        const QFont design = w.txtAm->font();
        const QList<QWidget*> twelve{w.cbHour,  w.cbMin,    w.cbPlayTimes, w.cbSec,  w.cmbSong, w.cmdAdd,
                                     w.cmdExit, w.cmdViewM, w.Frame2,      w.Label2, w.lblATis, w.lstData};
        for (QWidget* control : twelve) {
            QCOMPARE(control->font().family(), family);
            QCOMPARE(control->font().pointSize(), size ? size : design.pointSize());
        }
        const QList<QWidget*> others{w.lstMessage, w.txtViewM, w.imgSha,    w.txtAm,
                                     w.chkEMPlay,  w.cbEMPlay, w.cmdDelete, w.lblColon1};
        for (QWidget* control : others) {
            QCOMPARE(control->font().family(), design.family());
            QCOMPARE(control->font().pointSize(), design.pointSize());
        }
    }

    // Exit stores the window's place; the next load puts it there again, if a screen still shows it.
    void placeKeptInSlot1()
    {
        m_app->form1().mAlarmSet_Click();
        Form4* w = &m_app->form4();
        w->move(120, 90);
        const QPoint place = w->pos();
        m_app->alarmLists().lstData.insertSorted(QStringLiteral("once 20:00:00"));
        w->cmdExit->click();
        QVERIFY(!w->isVisible());
        QCOMPARE(m_state->bAlarmSetOpen, kTrue);
        const IniRecord slot1 = *m_state->settingsFile().readSlot(IniSlot::TimeInputLoc);
        QCOMPARE(slot1.section(), QStringLiteral("[TimeInputLoc]"));
        QCOMPARE(QPoint(slot1.iData1, slot1.iData2), place);

        m_app->unloadForm4();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        w = &m_app->form4();
        QCOMPARE(w->pos(), place);

        QVERIFY(m_state->settingsFile().writeSlot(IniSlot::TimeInputLoc,
                                                  IniRecord{kSectionTimeInputLoc, 30000, 30000, {}}));
        m_app->unloadForm4();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m_app->form4().pos() != QPoint(30000, 30000));
    }

    void soundChecksOfSlot4AppliedOnLoad()
    {
        QVERIFY(m_state->settingsFile().writeSlot(IniSlot::Setting, IniRecord{kSectionSetting, 0, 1, {}}));
        m_app->form4();
        QCOMPARE(m_state->bSoundOn, kFalse);
        QCOMPARE(m_state->bErrMsgPop, kTrue);
    }

    void titleShowsDateAndTimeWhileVisible()
    {
        Form4& w = m_app->form4();
        QCOMPARE(w.windowTitle(), QStringLiteral("Tindalo Alarm Clock..."));
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Tindalo Alarm Clock...06 Dec 2026 / 07:00 PM"));
        QVERIFY(w.Timer1.isActive());
        m_fakes->clock.setTime(QTime(0, 1, 0));
        w.Timer1_Timer();
        QCOMPARE(w.windowTitle(), QStringLiteral("Tindalo Alarm Clock...06 Dec 2026 / 12:01 AM"));
        w.hide();
        QVERIFY(!w.Timer1.isActive());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<Module1> m_state;
    std::unique_ptr<AppContext> m_app;
};

QTEST_MAIN(TestAlarmSetWindow)
#include "test_alarm_set_window.moc"
