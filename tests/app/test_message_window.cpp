#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "alarms/alarm_list_logic.h"
#include "alarms/alarm_lists.h"
#include "app/message_window.h"
#include "app_harness.h"
#include "fake_warnings.h"

class TestMessageWindow : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<AppHarness> m_h;
    Form6* open(const QString& text)
    {
        m_h->app->openMessageWindow(text);
        return m_h->app->messageWindows().last();
    }

private Q_SLOTS:
    void init()
    {
        m_h = std::make_unique<AppHarness>();
        m_h->startBare();
    }
    void cleanup() { m_h.reset(); }

    // The whole line is shown on top; the title is empty until the first title tick, then "Message  " with the
    // date and time in English, whatever the locale.
    void showsTheLineOnTopWithItsTitle_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("title");
        QTest::newRow("evening") << QLocale::c() << QDateTime(QDate(2026, 12, 5), QTime(21, 41, 7))
                                 << "Message  05 Dec 2026 / 09:41 PM";
        QTest::newRow("German, after midnight")
            << QLocale(QLocale::German, QLocale::Germany) << QDateTime(QDate(2026, 3, 1), QTime(0, 5))
            << "Message  01 Mar 2026 / 12:05 AM";
    }
    void showsTheLineOnTopWithItsTitle()
    {
        QFETCH(QLocale, locale);
        QFETCH(QDateTime, now);
        m_h->fakes->clock.set(now);
        m_h->state->lMsgWinSeq = 2999999; // the last number before the wrap
        QLocale::setDefault(locale);
        Form6* window = open("Call the garage at 13:05:00");
        QCOMPARE(m_h->app->messageWindows(), QList<Form6*>{window});
        QCOMPARE(window->txtMsg->toPlainText(), "Call the garage at 13:05:00");
        QVERIFY(window->isVisible());
        QVERIFY(m_h->fakes->windows.topmost.contains(window));
        QCOMPARE(window->lMyWho, 2999999);
        QCOMPARE(m_h->state->lMsgWinSeq, 2000000);
        QCOMPARE(window->windowTitle(), QString());
        QVERIFY(window->Timer1.isActive());
        window->Timer1_Timer();
        QLocale::setDefault(QLocale::c());
        QTEST(window->windowTitle(), "title");
        // The title clock runs only while the window can be seen.
        window->hide();
        QVERIFY(!window->Timer1.isActive());
        window->show();
        QVERIFY(window->Timer1.isActive());
    }

    void newestWindowTakesTheFrontBack()
    {
        Form6* older = open("older");
        Form6* newer = open("newer");
        Module1& state = *m_h->state;
        FakeWindowServices& windows = m_h->fakes->windows;
        older->Form_Deactivate(); // nobody claims yet: the older one comes back
        QCOMPARE(state.lForegroundWho, older->lMyWho);
        newer->Form_Deactivate(); // the user clicked the older one: the newer one claims it back
        QCOMPARE(state.lForegroundWho, newer->lMyWho);
        QCOMPARE(windows.fronted, (QList<QWidget*>{older, newer}));
        QCOMPARE(windows.beeps, 2);

        // Minimized, the newer one stops claiming and never comes back by itself.
        newer->showMinimized();
        QCOMPARE(state.lForegroundWho, 0);
        newer->Form_Deactivate();
        QCOMPARE(windows.beeps, 2);

        // Closing it gives the front up.
        newer->showNormal();
        newer->Form_Deactivate();
        QCOMPARE(state.lForegroundWho, newer->lMyWho);
        QPointer<Form6> closed = newer;
        newer->cmdOk->click();
        QCOMPARE(state.lForegroundWho, 0); // handed back on closing, before the older one loses the activation
        QTRY_VERIFY(closed.isNull());
    }

    // Losing the activation runs the claim after the event has been handled.
    void deactivationEventRunsTheClaim()
    {
        Form6* window = open("claim");
        QWidget other;
        other.show();
        window->activateWindow();
        QTRY_VERIFY(window->isActiveWindow());
        QCoreApplication::processEvents(); // claims of earlier activation changes
        m_h->fakes->windows.beeps = 0;
        other.activateWindow();
        QTRY_VERIFY(!window->isActiveWindow());
        QTRY_COMPARE(m_h->fakes->windows.beeps, 1);
        QCOMPARE(m_h->state->lForegroundWho, window->lMyWho);
    }

    // Closing hands the front back to the dialog that held it when the window opened.
    void closingHandsBackTheFront()
    {
        QWidget chooser;
        chooser.show();
        m_h->app->registerForegroundDialog(kWhoFileChooser, &chooser);
        m_h->state->lForegroundWho = kWhoFileChooser;
        QPointer<Form6> window = open("over the chooser");
        m_h->fakes->windows.topmost.clear();
        window->close(); // the close box
        QTRY_VERIFY(window.isNull());
        QCOMPARE(m_h->fakes->windows.topmost, QList<QWidget*>{&chooser});
        QCOMPARE(m_h->state->lForegroundWho, 0);
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
        IniRecord record;
        record.sSection = section;
        record.iData1 = static_cast<qint16>(size);
        QVERIFY(m_h->state->settingsFile().writeSlot(IniSlot::FontSize, record));
        QTEST(open("big")->txtMsg->font().pointSize(), "expected");
    }

    // The main window's timer runs the tick: a passed event opens its late window and its message.
    void tickOpensWindowsAndTheContextClosesThem()
    {
        m_h->fakes->clock.setTime(QTime(8, 0, 0));
        FakeWarnings warnings;
        Form8 logic(*m_h->state, m_h->app->alarmLists(), warnings, m_h->fakes->clock);
        QString times = "once";
        logic.AddClick("AM", QString(), times, {"8", "30", "0"});
        m_h->app->alarmLists().lstMessage.append("Tea at 08:30:00");
        m_h->fakes->clock.setTime(QTime(9, 0, 0));
        m_h->app->form1().onTick();
        const QList<Form6*> windows = m_h->app->messageWindows();
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows[0]->txtMsg->toPlainText(), "alarm at 08:30:00");
        QCOMPARE(windows[1]->txtMsg->toPlainText(), "Tea at 08:30:00");
        QPointer<Form6> open = windows[0];
        m_h->app.reset();
        QVERIFY(open.isNull());
    }
};

QTEST_MAIN(TestMessageWindow)
#include "test_message_window.moc"
