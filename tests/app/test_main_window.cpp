#include <QAction>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/about_window.h"
#include "app/app_context.h"
#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/tray_fallback_window.h"
#include "fake_services.h"

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_fakes = std::make_unique<FakeServices>();
        m_state = std::make_unique<Module1>();
        m_app = std::make_unique<AppContext>(*m_state, m_fakes->services());
        m_app->form1().Form_Load(m_dir->path());
    }
    void cleanup()
    {
        m_app.reset();
        m_state.reset();
        m_fakes.reset();
    }

    void startupAddsTrayIconWithMenu()
    {
        FakeTray& tray = m_fakes->tray;
        QVERIFY(tray.shown);
        QCOMPARE(tray.tip, QStringLiteral("Ixo"));
        QCOMPARE(tray.picture, TrayIcon::Picture::Normal);
        QCOMPARE(m_state->strAppPath, m_dir->path() + QStringLiteral("/"));
        QVERIFY(m_app->form1().Timer1.isActive());
        QCOMPARE(m_app->form1().Timer1.interval(), 800);

        QStringList captions;
        for (QAction* a : tray.menu->actions())
            captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
        const QStringList expected{QStringLiteral(" About  "),
                                   QStringLiteral("-"),
                                   QStringLiteral(" Alarm Set  "),
                                   QStringLiteral(" Settings  "),
                                   QStringLiteral(" Wallpaper  "),
                                   QStringLiteral("-"),
                                   QStringLiteral(" Help  "),
                                   QStringLiteral(" Stop  "),
                                   QStringLiteral("-"),
                                   QStringLiteral(" Disable  "),
                                   QStringLiteral(" Remove  ")};
        QCOMPARE(captions, expected);
    }

    // A left click is Stop: the wave channel is emptied, the MIDI alias closed, the speaker repeat ends.
    void leftClickStops()
    {
        m_state->bISRepeat = kTrue;
        m_fakes->tray.activate(TrayIcon::Activation::Trigger);
        QCOMPARE(m_fakes->wave.calls, QStringList{QString()});
        QCOMPARE(m_fakes->mci.commands, QStringList{QStringLiteral("close tmpMidiPlay")});
        QCOMPARE(m_state->bISRepeat, kFalse);
    }

    void otherActivationsAndInactiveTrayDoNothing()
    {
        m_fakes->tray.activate(TrayIcon::Activation::Other);
        m_fakes->tray.activate(TrayIcon::Activation::Context);
        m_state->bTrayActive = kFalse;
        m_fakes->tray.activate(TrayIcon::Activation::Trigger);
        QVERIFY(m_fakes->wave.calls.isEmpty());
        QVERIFY(m_fakes->mci.commands.isEmpty());
    }

    void disableTwiceReturnsToRunning()
    {
        Form1& form1 = m_app->form1();
        form1.mDisable->trigger();
        QVERIFY(form1.mDisable->isChecked());
        QVERIFY(!form1.Timer1.isActive());
        QCOMPARE(m_fakes->tray.picture, TrayIcon::Picture::Disabled);
        form1.mDisable->trigger();
        QVERIFY(!form1.mDisable->isChecked());
        QVERIFY(form1.Timer1.isActive());
        QCOMPARE(m_fakes->tray.picture, TrayIcon::Picture::Normal);
    }

    void helpOpensPageOrWarns()
    {
        Form1& form1 = m_app->form1();
        form1.mHelp->trigger();
        QVERIFY(m_fakes->launcher.opened.isEmpty());
        QCOMPARE(m_state->lWarnSeq, 1000001); // one warning window was opened

        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("help")));
        QFile page(m_dir->path() + QStringLiteral("/help/achelp.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        form1.mHelp->trigger();
        QCOMPARE(m_fakes->launcher.opened, QStringList{page.fileName()});
        QCOMPARE(m_state->lWarnSeq, 1000001);
    }

    void removeTakesIconAwayAndEnds()
    {
        QTimer::singleShot(0, &m_app->form1(), [this] { m_app->form1().mRemove->trigger(); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!m_fakes->tray.shown);
    }

    void aboutShowsForm3()
    {
        m_app->form1().mOpen->trigger();
        QVERIFY(m_app->form3().isVisible());
    }

    void ticksReachTheEngine()
    {
        int ticks = 0;
        m_app->form1().onTick = [&ticks] { ++ticks; };
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 1, 3000);
    }

    // Without a notification area the menu is offered in a window of its own after the wait.
    void fallbackWindowWithoutTray()
    {
        cleanup();
        m_fakes = std::make_unique<FakeServices>();
        m_fakes->tray.available = false;
        m_state = std::make_unique<Module1>();
        m_app = std::make_unique<AppContext>(*m_state, m_fakes->services());
        m_app->form1().setTrayWaitLimit(0);
        m_app->form1().Form_Load(m_dir->path());
        QTRY_VERIFY_WITH_TIMEOUT(m_app->form1().fallbackWindow() != nullptr, 5000);
        QVERIFY(m_app->form1().fallbackWindow()->isVisible());
        m_fakes->tray.available = true;
        QTRY_VERIFY_WITH_TIMEOUT(!m_app->form1().fallbackWindow()->isVisible(), 5000);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<Module1> m_state;
    std::unique_ptr<AppContext> m_app;
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
