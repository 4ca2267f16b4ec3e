#include <memory>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "alarms/alarm_lists.h"
#include "alarms/alarm_set_window.h"
#include "app/app_context.h"
#include "app/shared_state.h"
#include "app/warning_window.h"
#include "fake_services.h"
#include "settings/message_input_window.h"
#include "settings/settings_file.h"

namespace {
QStringList warningTexts()
{
    QStringList texts;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* warning = qobject_cast<Form11*>(w); warning && warning->isVisible())
            texts.append(warning->Label1->text());
    return texts;
}
} // namespace

class TestMessageInputWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_fakes = std::make_unique<FakeServices>();
        m_fakes->clock.set(QDateTime(QDate(2026, 12, 6), QTime(12, 0, 0)));
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_state = std::make_unique<Module1>();
        m_state->strAppPath = m_dir->path() + QStringLiteral("/");
        m_state->setStartupDefaults();
        m_app = std::make_unique<AppContext>(*m_state, m_fakes->services());
        AlarmLists& lists = m_app->alarmLists();
        lists.lstData.insertSorted(QStringLiteral("thrice 13:05:00"));
        lists.lstMessage.append(QStringLiteral("Call the garage at 13:05:00"));
    }
    void cleanup() { m_app.reset(); }

    // Opening on a line with a message takes it out for editing; Save with the text unchanged puts it back.
    void editAndSaveUnchanged()
    {
        Form5& input = open();
        QCOMPARE(input.windowTitle(), QStringLiteral("Input Message"));
        QCOMPARE(input.txtInput->toPlainText(), QStringLiteral("Call the garage"));
        QVERIFY(m_app->alarmLists().lstMessage.isEmpty());
        input.cmdOk->click();
        QCOMPARE(m_app->alarmLists().lstMessage.lines(), QStringList{QStringLiteral("Call the garage at 13:05:00")});
        QVERIFY(warningTexts().isEmpty());
    }

    // Save with an empty box or no selected line: the warning, nothing added, slot 7 written all the same.
    void saveRefusals_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty box") << true << QString();
        QTest::newRow("selection lost meanwhile") << false << QStringLiteral("Tea");
    }
    void saveRefusals()
    {
        QFETCH(bool, selected);
        QFETCH(QString, text);
        Form5& input = open();
        input.txtInput->setPlainText(text);
        if (!selected)
            m_app->alarmLists().lstData.setSelected(-1);
        input.cmdOk->click();
        QVERIFY(m_app->alarmLists().lstMessage.isEmpty());
        QCOMPARE(warningTexts(), QStringList{QStringLiteral("No message input or Play list time was executed")});
        const IniRecord slot7 = *m_state->settingsFile().readSlot(IniSlot::FontSize);
        QCOMPARE(slot7.section(), QStringLiteral("[FontSize]"));
        QCOMPARE(slot7.iData1, qint16(9));
    }

    void quotesTypedOrPastedBecomeApostrophes()
    {
        Form5& input = open();
        input.txtInput->clear();
        QTest::keyClicks(input.txtInput, QStringLiteral("say \"hi\""));
        QCOMPARE(input.txtInput->toPlainText(), QStringLiteral("say 'hi'"));
        QApplication::clipboard()->setText(QStringLiteral(" \"twice\""));
        input.txtInput->paste();
        QCOMPARE(input.txtInput->toPlainText(), QStringLiteral("say 'hi' 'twice'"));
    }

    void boxTakesAtMost626Characters()
    {
        Form5& input = open();
        input.txtInput->clear();
        QTest::keyClicks(input.txtInput, QString(620, QLatin1Char('a')));
        QApplication::clipboard()->setText(QStringLiteral("0123456789"));
        input.txtInput->paste();
        QCOMPARE(input.txtInput->toPlainText(), QString(620, QLatin1Char('a')) + QStringLiteral("012345"));
        QTest::keyClicks(input.txtInput, QStringLiteral("x"));
        QCOMPARE(input.txtInput->toPlainText().size(), 626);
    }

    // "-" stops at 6 and "+" at 16.8 with a beep; the font size from slot 7 is where it starts.
    void fontSizeLimits()
    {
        QVERIFY(m_state->settingsFile().writeSlot(IniSlot::FontSize, IniRecord{kSectionFontSize, 8, 0, {}}));
        Form5& input = open();
        auto size = [&input] { return input.txtInput->font().pointSizeF(); };
        QCOMPARE(size(), 8.0);
        int beeps = m_fakes->windows.beeps;
        QTest::mouseClick(input.lblMinus, Qt::LeftButton);
        QTest::mouseClick(input.lblMinus, Qt::LeftButton);
        QCOMPARE(size(), 6.0);
        QCOMPARE(m_fakes->windows.beeps, beeps);
        QTest::mouseClick(input.lblMinus, Qt::LeftButton);
        QCOMPARE(size(), 6.0);
        QCOMPARE(m_fakes->windows.beeps, beeps + 1);

        for (int i = 0; i < 11; ++i)
            input.lblPlus_Click();
        QCOMPARE(size(), 17.0); // 16 is below 16.8, so one more step
        beeps = m_fakes->windows.beeps;
        QTest::mouseClick(input.lblPlus, Qt::LeftButton);
        QCOMPARE(size(), 17.0);
        QCOMPARE(m_fakes->windows.beeps, beeps + 1);
        input.cmdOk->click();
        QCOMPARE(m_state->settingsFile().readSlot(IniSlot::FontSize)->iData1, qint16(17));
    }

    // Every close stores the place in slot 2 and gives the list back; the next opening takes the place again.
    void closeBoxStoresThePlace()
    {
        Form5* input = &open();
        input->move(140, 75);
        const QPoint place = input->pos();
        input->close();
        QVERIFY(!m_app->isForm5Loaded());
        QCOMPARE(m_state->lForegroundWho, 0);
        QVERIFY(!m_app->form4().lstData->isHidden());
        QVERIFY(m_app->form4().imgSha->isHidden());
        const IniRecord slot2 = *m_state->settingsFile().readSlot(IniSlot::MessageInputLoc);
        QCOMPARE(slot2.sSection, QStringLiteral("[MessaegInputLoc]"));
        QCOMPARE(QPoint(slot2.iData1, slot2.iData2), place);
        // Closing took the message away without Save: the alarm has none now.
        QVERIFY(m_app->alarmLists().lstMessage.isEmpty());

        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        input = &open();
        QCOMPARE(input->pos(), place);
    }

    // Losing the front to the Alarm Set window brings it back with a beep; a warning may stay in front.
    void deactivationTakesTheFrontBack()
    {
        Form5& input = open();
        QVERIFY(m_fakes->windows.topmost.contains(&input));
        const int beeps = m_fakes->windows.beeps;
        m_state->lForegroundWho = 0;
        input.Form_Deactivate();
        QCOMPARE(m_fakes->windows.beeps, beeps + 1);
        QCOMPARE(m_fakes->windows.fronted.constLast(), &input);
        QCOMPARE(m_state->lForegroundWho, kWhoMessageInput);

        m_state->lForegroundWho = kWarnSeqFirst;
        input.Form_Deactivate();
        QCOMPARE(m_fakes->windows.beeps, beeps + 1);
        QCOMPARE(m_state->lForegroundWho, kWarnSeqFirst);

        input.hide();
        input.Form_Deactivate(); // no longer shown: it closes
        QVERIFY(!m_app->isForm5Loaded());
        QCOMPARE(m_state->lForegroundWho, 0);
    }

private:
    Form5& open()
    {
        Form4& alarmSet = m_app->form4();
        alarmSet.show();
        m_app->alarmLists().lstData.setSelected(0);
        alarmSet.lstData_DblClick();
        return m_app->form5();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<Module1> m_state;
    std::unique_ptr<AppContext> m_app;
};

QTEST_MAIN(TestMessageInputWindow)
#include "test_message_input_window.moc"
