#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "alarms/alarm_lists.h"
#include "alarms/alarm_set_window.h"
#include "app/app_context.h"
#include "app/main_window.h"
#include "app/shared_state.h"
#include "fake_services.h"

class TestAlarmSetWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_fakes = std::make_unique<FakeServices>();
        m_fakes->clock.set(QDateTime(QDate(2026, 12, 6), QTime(19, 0, 0)));
        m_state = std::make_unique<Module1>();
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

private:
    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<Module1> m_state;
    std::unique_ptr<AppContext> m_app;
};

QTEST_MAIN(TestAlarmSetWindow)
#include "test_alarm_set_window.moc"
