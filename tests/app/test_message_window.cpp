#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "alarms/alarm_list_logic.h"
#include "alarms/alarm_lists.h"
#include "app/app_context.h"
#include "app/main_window.h"
#include "app/message_window.h"
#include "app/shared_state.h"
#include "fake_services.h"
#include "fake_warnings.h"

class TestMessageWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_fakes = std::make_unique<FakeServices>();
        m_fakes->clock.set(QDateTime(QDate(2026, 12, 5), QTime(21, 41, 7)));
        m_state = std::make_unique<Module1>();
        m_state->strAppPath = m_dir.path() + QLatin1Char('/');
        m_state->setStartupDefaults();
        m_app = std::make_unique<AppContext>(*m_state, m_fakes->services());
    }
    void cleanup()
    {
        m_app.reset();
        QFile::remove(m_state->settingsFile().path());
    }

    void showsTheWholeLineOnTopWithItsTitle()
    {
        m_app->openMessageWindow("Call the garage at 13:05:00");
        QCOMPARE(m_app->messageWindows().size(), 1);
        Form6* window = m_app->messageWindows().first();
        QCOMPARE(window->txtMsg->toPlainText(), "Call the garage at 13:05:00");
        QVERIFY(window->isVisible());
        QVERIFY(m_fakes->windows.topmost.contains(window));
        QCOMPARE(window->windowTitle(), QString()); // until the first title tick
        window->Timer1_Timer();
        QCOMPARE(window->windowTitle(), "Message  05 Dec 2026 / 09:41 PM");
        QVERIFY(window->Timer1.isActive());
        QCOMPARE(window->txtMsg->font().pointSize(), Form6::kDefaultFontSize);
    }

    void englishTitleWhateverTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        m_fakes->clock.set(QDateTime(QDate(2026, 3, 1), QTime(0, 5, 0)));
        m_app->openMessageWindow("x at 00:05:00");
        Form6* window = m_app->messageWindows().first();
        window->Timer1_Timer();
        QLocale::setDefault(QLocale::c());
        QCOMPARE(window->windowTitle(), "Message  01 Mar 2026 / 12:05 AM");
    }

    void identityNumbersAndTheWrap()
    {
        m_state->lForegroundWho = kWhoFileChooser;
        m_app->openMessageWindow("a");
        m_state->lMsgWinSeq = 2999999;
        m_app->openMessageWindow("b");
        m_app->openMessageWindow("c");
        const QList<Form6*> windows = m_app->messageWindows();
        QCOMPARE(windows[0]->lMyWho, 2000000);
        QCOMPARE(windows[1]->lMyWho, 2999999);
        QCOMPARE(windows[2]->lMyWho, 2000000);
        // Each hands back the claim that was current when it opened.
        for (Form6* w : windows)
            QCOMPARE(w->lPrevWho, kWhoFileChooser);
    }

    void newestWindowTakesTheFrontBack()
    {
        m_app->openMessageWindow("older");
        m_app->openMessageWindow("newer");
        Form6* older = m_app->messageWindows()[0];
        Form6* newer = m_app->messageWindows()[1];

        older->Form_Deactivate(); // nobody claims yet: the older one comes back
        QCOMPARE(m_state->lForegroundWho, older->lMyWho);
        newer->Form_Deactivate(); // the user clicked the older one: the newer one claims it back
        QCOMPARE(m_state->lForegroundWho, newer->lMyWho);
        QCOMPARE(m_fakes->windows.fronted, (QList<QWidget*>{older, newer}));
        QCOMPARE(m_fakes->windows.beeps, 2);
        older->Form_Deactivate(); // outranked
        QCOMPARE(m_fakes->windows.beeps, 2);

        // Minimized, the newer one stops claiming and never comes back by itself.
        newer->showMinimized();
        QCOMPARE(m_state->lForegroundWho, 0);
        newer->Form_Deactivate();
        QCOMPARE(m_fakes->windows.beeps, 2);

        // Closing it lets the older one claim again.
        newer->showNormal();
        newer->Form_Deactivate();
        QCOMPARE(m_state->lForegroundWho, newer->lMyWho);
        QPointer<Form6> closed = newer;
        newer->cmdOk->click();
        QTRY_VERIFY(closed.isNull());
        QCOMPARE(m_state->lForegroundWho, 0);
        older->Form_Deactivate();
        QCOMPARE(m_state->lForegroundWho, older->lMyWho);
    }

    // Losing the activation runs the claim after the event has been handled.
    void deactivationEventRunsTheClaim()
    {
        m_app->openMessageWindow("claim");
        Form6* window = m_app->messageWindows().first();
        QWidget other;
        other.show();
        window->activateWindow();
        QTRY_VERIFY(window->isActiveWindow());
        QCoreApplication::processEvents(); // claims of earlier activation changes
        m_fakes->windows.beeps = 0;
        other.activateWindow();
        QTRY_VERIFY(!window->isActiveWindow());
        QTRY_COMPARE(m_fakes->windows.beeps, 1);
        QCOMPARE(m_state->lForegroundWho, window->lMyWho);
    }

    void closingHandsBackTheFront()
    {
        QWidget chooser;
        chooser.show();
        m_app->registerForegroundDialog(kWhoFileChooser, &chooser);
        m_state->lForegroundWho = kWhoFileChooser;
        m_app->openMessageWindow("over the chooser");
        QPointer<Form6> window = m_app->messageWindows().first();
        m_fakes->windows.topmost.clear();
        window->close(); // the close box
        QTRY_VERIFY(window.isNull());
        QCOMPARE(m_fakes->windows.topmost, QList<QWidget*>{&chooser});
        QCOMPARE(m_state->lForegroundWho, 0);
    }

    void fontSizeFromTheSettings_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("expected");
        QTest::newRow("font size record") << kSectionFontSize << 16 << 16;
        QTest::newRow("another record") << kSectionAllFont << 16 << int(Form6::kDefaultFontSize);
        QTest::newRow("nonsense size") << kSectionFontSize << -3 << int(Form6::kDefaultFontSize);
    }
    void fontSizeFromTheSettings()
    {
        QFETCH(QString, section);
        QFETCH(int, size);
        QFETCH(int, expected);
        IniRecord record;
        record.sSection = section;
        record.iData1 = static_cast<qint16>(size);
        QVERIFY(m_state->settingsFile().writeSlot(IniSlot::FontSize, record));
        m_app->openMessageWindow("big");
        QCOMPARE(m_app->messageWindows().first()->txtMsg->font().pointSize(), expected);
    }

    // The main window's timer runs the tick: a passed event opens its late window and its message.
    void tickOpensWindowsAndTheContextClosesThem()
    {
        m_fakes->clock.set(QDateTime(QDate(2026, 12, 5), QTime(8, 0, 0)));
        FakeWarnings warnings;
        Form8 logic(*m_state, m_app->alarmLists(), warnings, m_fakes->clock);
        QString times = "once";
        logic.AddClick("AM", QString(), times, {"8", "30", "0"});
        m_app->alarmLists().lstMessage.append("Tea at 08:30:00");
        m_fakes->clock.set(QDateTime(QDate(2026, 12, 5), QTime(9, 0, 0)));
        m_app->form1().onTick();
        const QList<Form6*> windows = m_app->messageWindows();
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows[0]->txtMsg->toPlainText(), "alarm at 08:30:00");
        QCOMPARE(windows[1]->txtMsg->toPlainText(), "Tea at 08:30:00");
        QPointer<Form6> open = windows[0];
        m_app.reset();
        QVERIFY(open.isNull());
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<Module1> m_state;
    std::unique_ptr<AppContext> m_app;
};

QTEST_MAIN(TestMessageWindow)
#include "test_message_window.moc"
