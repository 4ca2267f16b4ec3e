#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "app/message_window.h"
#include "app_harness.h"

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

    // Minimized, a window gives the front up and stops claiming it.
    void minimizedWindowStopsClaiming()
    {
        Form6* window = open("minimized");
        window->Form_Deactivate();
        QCOMPARE(m_h->state->lForegroundWho, window->lMyWho);
        window->showMinimized();
        QCOMPARE(m_h->state->lForegroundWho, 0);
        window->Form_Deactivate();
        QCOMPARE(m_h->state->lForegroundWho, 0);
        QCOMPARE(m_h->fakes->windows.beeps, 1);
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
};

QTEST_MAIN(TestMessageWindow)
#include "test_message_window.moc"
