#include <QClipboard>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "alarms/alarm_lists.h"
#include "alarms/alarm_set_window.h"
#include "app_harness.h"
#include "settings/message_input_window.h"
#include "settings/settings_file.h"

class TestMessageInputWindow : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<AppHarness> m_h;

    AlarmLists& lists() { return m_h->app->alarmLists(); }
    Form5& open()
    {
        Form4& alarmSet = m_h->app->form4();
        alarmSet.show();
        lists().lstData.setSelected(0);
        alarmSet.lstData_DblClick();
        return m_h->app->form5();
    }
    IniRecord slot(int n) { return m_h->state->settingsFile().readSlot(n).value_or(IniRecord{}); }

private Q_SLOTS:
    void init()
    {
        m_h = std::make_unique<AppHarness>();
        m_h->startBare();
        lists().lstData.insertSorted(QStringLiteral("thrice 13:05:00"));
        lists().lstMessage.append(QStringLiteral("Call the garage at 13:05:00"));
    }
    void cleanup() { m_h.reset(); }

    // Opening on a line with a message takes it out for editing; Save with the text unchanged puts it back. Every
    // close stores the place in slot 2 and gives the list back; the next opening takes the place again.
    void editSaveAndClose()
    {
        Form5* input = &open();
        QCOMPARE(input->txtInput->toPlainText(), QStringLiteral("Call the garage"));
        QVERIFY(lists().lstMessage.isEmpty());
        input->move(140, 75);
        const QPoint place = input->pos();
        input->cmdOk->click();
        QCOMPARE(lists().lstMessage.lines(), QStringList{QStringLiteral("Call the garage at 13:05:00")});
        QVERIFY(visibleWarnings().isEmpty());
        QVERIFY(!m_h->app->isForm5Loaded());
        QCOMPARE(m_h->state->lForegroundWho, 0);
        QVERIFY(!m_h->app->form4().lstData->isHidden());
        QVERIFY(m_h->app->form4().imgSha->isHidden());
        QCOMPARE(slot(IniSlot::MessageInputLoc).sSection, QStringLiteral("[MessaegInputLoc]"));
        QCOMPARE(QPoint(slot(2).iData1, slot(2).iData2), place);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        input = &open();
        QCOMPARE(input->pos(), place);
        input->close();
    }

    // Abandon or the close box leave the alarm's message as it was, whatever was typed, while the alarm is still
    // in the list; an emptied box saved removes it (with the warning).
    void closingWithoutSaveKeepsTheMessage_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Abandon") << "Abandon";
        QTest::newRow("close box") << "close";
        QTest::newRow("Save of an empty box") << "empty";
        QTest::newRow("Abandon after the alarm fired") << "fired";
    }
    void closingWithoutSaveKeepsTheMessage()
    {
        QFETCH(QString, how);
        Form5& input = open();
        QTest::keyClicks(input.txtInput, " now");
        if (how == "fired")
            lists().lstData.removeAt(0);
        if (how == "Abandon" || how == "fired")
            input.cmdCancel->click();
        else if (how == "close")
            input.close();
        else {
            input.txtInput->clear();
            input.cmdOk->click();
        }
        QVERIFY(!m_h->app->isForm5Loaded());
        QCOMPARE(lists().lstMessage.lines(), how == "empty" || how == "fired"
                                                 ? QStringList()
                                                 : QStringList{QStringLiteral("Call the garage at 13:05:00")});
        QCOMPARE(visibleWarnings(), how == "empty" ? QStringList{MessageInput::kNothingToSave} : QStringList());
    }

    // A double quote typed or pasted becomes an apostrophe; the box takes at most 626 characters, cutting what
    // arrived last.
    void inputRules_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("quotes") << QStringLiteral("say \"hi\"") << QStringLiteral(" \"twice\"")
                                << QStringLiteral("say 'hi' 'twice'");
        QTest::newRow("626 characters") << QString(620, QLatin1Char('a')) << QStringLiteral("0123456789")
                                        << QString(620, QLatin1Char('a')) + QStringLiteral("012345");
    }
    void inputRules()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        Form5& input = open();
        input.txtInput->clear();
        QTest::keyClicks(input.txtInput, typed);
        QApplication::clipboard()->setText(pasted);
        input.txtInput->paste();
        QTEST(input.txtInput->toPlainText(), "kept");
    }

    // The size starts from slot 7; "-" at 6 and "+" at 16.8 or more only beep. Save with no selected line (an
    // empty box is refused alike) warns and adds nothing, but stores the size all the same.
    void fontSizeButtonsAndSaveWithoutSelection()
    {
        QVERIFY(m_h->state->settingsFile().writeSlot(IniSlot::FontSize, IniRecord{kSectionFontSize, 6, 0, {}}));
        Form5& input = open();
        auto size = [&input] { return input.txtInput->font().pointSizeF(); };
        QCOMPARE(size(), 6.0);
        QTest::mouseClick(input.lblMinus, Qt::LeftButton);
        QCOMPARE(size(), 6.0);
        QCOMPARE(m_h->fakes->windows.beeps, 1);
        for (int i = 0; i < 12; ++i) // 16 is below 16.8: one step to 17, then a beep
            QTest::mouseClick(input.lblPlus, Qt::LeftButton);
        QCOMPARE(size(), 17.0);
        QCOMPARE(m_h->fakes->windows.beeps, 2);
        lists().lstData.setSelected(-1);
        input.cmdOk->click();
        QVERIFY(lists().lstMessage.isEmpty());
        QCOMPARE(visibleWarnings(), QStringList{QStringLiteral("No message input or Play list time was executed")});
        QCOMPARE(slot(IniSlot::FontSize).iData1, qint16(17));
    }

    // Losing the front to the Alarm Set window brings it back with a beep.
    void deactivationTakesTheFrontBack()
    {
        Form5& input = open();
        QVERIFY(m_h->fakes->windows.topmost.contains(&input));
        m_h->state->lForegroundWho = 0;
        input.Form_Deactivate();
        QCOMPARE(m_h->fakes->windows.beeps, 1);
        QCOMPARE(m_h->fakes->windows.fronted.constLast(), &input);
        QCOMPARE(m_h->state->lForegroundWho, kWhoMessageInput);
        input.hide();
        input.Form_Deactivate(); // no longer shown: it closes
        QVERIFY(!m_h->app->isForm5Loaded());
        QCOMPARE(m_h->state->lForegroundWho, 0);
    }
};

QTEST_MAIN(TestMessageInputWindow)
#include "test_message_input_window.moc"
