#include <QAction>
#include <QTemporaryDir>
#include <QTest>

#include "app/app_context.h"
#include "app/main_window.h"
#include "app/shared_state.h"
#include "fake_services.h"

// The sound logic as the program wires it: the real clock timer and tray state around its boxes.
class TestSoundInApp : public QObject
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
        m_state->strNextAlarm = QStringLiteral("07:00:00");
        m_fakes->wavePlayer.playable = false;
    }
    void cleanup()
    {
        m_app.reset();
        m_state.reset();
        m_fakes.reset();
    }

    void boxResumesClockAndTray_data()
    {
        QTest::addColumn<bool>("disabled");
        QTest::newRow("clock running") << false;
        QTest::newRow("clock disabled from the menu") << true;
    }
    void boxResumesClockAndTray()
    {
        QFETCH(bool, disabled);
        Form1& form1 = m_app->form1();
        if (disabled)
            form1.mDisable->trigger();
        QCOMPARE(form1.Timer1.isActive(), !disabled);

        m_app->form9().PlaySound(QStringLiteral("once"), m_state->strSongPath);
        QCOMPARE(m_fakes->modalBox.shown,
                 QStringList{m_state->strSongPath.mid(7) + QStringLiteral(", wave file not found, alarm at 07:00:00")});
        QCOMPARE(form1.Timer1.isActive(), !disabled);
        QCOMPARE(m_state->bTrayActive, kTrue);
    }

    // The tune is copied to the private file the services name, and that file is what the sequencer opens.
    void tuneGoesThroughPrivateCopy()
    {
        QFile song(m_state->strSongPath);
        QVERIFY(song.open(QIODevice::WriteOnly));
        song.close();
        QFile tune(m_state->strAppPath + QStringLiteral("air.mid"));
        QVERIFY(tune.open(QIODevice::WriteOnly));
        tune.write("MThd");
        tune.close();
        m_app->form9().PlaySound(QStringLiteral("once"), m_state->strSongPath);
        const QString copy = m_fakes->services().tuneCopyPath;
        QVERIFY(QFileInfo(copy).isFile());
        QVERIFY(m_fakes->mci.commands.contains(QStringLiteral("open ") + copy +
                                               QStringLiteral(" type sequencer alias tmpMidiPlay")));
        QVERIFY(m_fakes->modalBox.shown.isEmpty());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<Module1> m_state;
    std::unique_ptr<AppContext> m_app;
};

QTEST_MAIN(TestSoundInApp)
#include "test_sound_in_app.moc"
