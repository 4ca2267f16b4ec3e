#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "alarms/alarm_lists.h"
#include "alarms/alarm_set_window.h"
#include "app_harness.h"
#include "settings/settings_file.h"
#include "settings/settings_window.h"

namespace {
QByteArray padded(const QByteArray& text, int width)
{
    return text + QByteArray(width - text.size(), ' ');
}
} // namespace

class TestSettingsWindow : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<AppHarness> m_h;

    void writeSlot(int n, const QString& section, const QString& value, qint16 a = 0, qint16 b = 0)
    {
        IniRecord rec;
        rec.sSection = section;
        rec.iData1 = a;
        rec.iData2 = b;
        rec.sData = value;
        QVERIFY(SettingsFile(m_h->appPath()).writeSlot(n, rec));
    }
    void closeSettings()
    {
        m_h->app->form7().cmdClose_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_h->app->isForm7Loaded());
    }

private Q_SLOTS:
    void init()
    {
        m_h = std::make_unique<AppHarness>();
        m_h->start();
    }
    void cleanup() { m_h.reset(); }

    // Closing writes slot 4 and then slot 8, byte for byte, in a file of eight slots.
    void closeWritesSettingAndFont_data()
    {
        QTest::addColumn<QList<bool>>("boxes"); // sound on, error message, auto load, no second, speaker, midi
        QTest::addColumn<int>("font");
        QTest::addColumn<QByteArray>("tokens");
        QTest::addColumn<QByteArray>("fontValue");
        QTest::newRow("design states") << QList<bool>{true, true, false, false, false, false} << 0
                                       << QByteArray("ALAEOfDCWSOfUISPOfISOMOf") << QByteArray("Normal");
        QTest::newRow("only no-second") << QList<bool>{true, true, false, true, false, false} << 3
                                        << QByteArray("ALAEOfDCWSOnUISPOfISOMOf") << QByteArray("Normal");
        QTest::newRow("everything, Arial") << QList<bool>{true, false, true, true, true, true} << 1
                                           << QByteArray("ALAEOnDCWSOnUISPOnISOMOn") << QByteArray("Arial");
        QTest::newRow("sound off, Enlarge") << QList<bool>{false, true, false, false, true, false} << 2
                                            << QByteArray("ALAEOfDCWSOfUISPOnISOMOf") << QByteArray("TimesNewRoman");
    }
    void closeWritesSettingAndFont()
    {
        QFETCH(QList<bool>, boxes);
        QFETCH(int, font);
        QFETCH(QByteArray, tokens);
        QFETCH(QByteArray, fontValue);
        Form7& f = m_h->app->form7();
        const QList<QCheckBox*> checks{f.chkSoundOn, f.chkErrMsgPop,       f.chkAutoLoad,
                                       f.chkNoSec,   f.chkInternalSpeaker, f.chkISInsteadMidi};
        for (qsizetype i = 0; i < checks.size(); ++i)
            checks[i]->setChecked(boxes[i]);
        if (font != 0)
            f.optFont[std::size_t(font)]->setChecked(true);
        closeSettings();

        const QByteArray bytes = m_h->readFile("ixo.ini");
        QCOMPARE(bytes.size(), 408);
        const QByteArray ints =
            QByteArray(boxes[0] ? "\x01\x00" : "\x00\x00", 2) + QByteArray(boxes[1] ? "\x01\x00" : "\x00\x00", 2);
        QCOMPARE(bytes.mid(153, 51), padded("[Setting]", 17) + ints + padded(tokens, 30));
        QCOMPARE(bytes.mid(357, 51), padded("[AllFont]", 17) + ints + padded(fontValue, 30));
        QCOMPARE(bytes.left(153), QByteArray(153, '\0'));
        QCOMPARE(bytes.mid(204, 153), QByteArray(153, '\0'));
    }

    // The boxes set their flags whenever their state changes, also when the program sets them.
    void boxesSetFlags()
    {
        Form7& f = m_h->app->form7();
        QCOMPARE(m_h->state->bSoundOn, kTrue);
        QVERIFY(f.cmdPlayIS->isHidden());

        f.chkInternalSpeaker->setChecked(true);
        QCOMPARE(m_h->state->bUseInternalSpeaker, kTrue);
        QVERIFY(!f.cmdPlayIS->isHidden());
        QVERIFY(!f.lblTest->isHidden());

        f.chkSoundOn->setChecked(false);
        QCOMPARE(m_h->state->bSoundOn, kFalse);
        QVERIFY(!f.chkErrMsgPop->isEnabled());
        QVERIFY(f.cmdPlayIS->isHidden());
        QVERIFY(f.lblTest->isHidden());
        f.chkSoundOn->click();
        QCOMPARE(m_h->state->bSoundOn, kTrue);
        QVERIFY(f.chkErrMsgPop->isEnabled());
        QVERIFY(!f.cmdPlayIS->isHidden());

        f.chkErrMsgPop->setChecked(false);
        QCOMPARE(m_h->state->bErrMsgPop, kFalse);
        f.chkISInsteadMidi->setChecked(true);
        QCOMPARE(m_h->state->bISInsteadMidi, kTrue);
        f.optFont[2]->setChecked(true);
        QCOMPARE(m_h->state->iFontChoice, qint16(2));

        // The speaker test plays the alarm sound once on the speaker.
        f.cmdPlayIS->click();
        QCOMPARE(m_h->fakes->speaker.sweeps.size(), 1);
        QVERIFY(m_h->fakes->wavePlayer.calls.isEmpty());

        // "Don't compare with second" hides the Alarm Set window's seconds at once.
        Form4& alarmSet = m_h->app->form4();
        f.chkNoSec->setChecked(true);
        QCOMPARE(m_h->state->bNoSecond, kTrue);
        QVERIFY(alarmSet.cbSec->isHidden());
        QVERIFY(alarmSet.lblColon2->isHidden());
        f.chkNoSec->setChecked(false);
        QVERIFY(!alarmSet.cbSec->isHidden());
    }

    void nextSwitchesPages()
    {
        Form7& f = m_h->app->form7();
        QVERIFY(f.fraLoadIxo->isHidden());
        f.cmdNext->click();
        QVERIFY(f.Frame1->isHidden() && f.Frame2->isHidden() && f.Frame3->isHidden());
        QVERIFY(!f.fraLoadIxo->isHidden());
        f.cmdNext->click();
        QVERIFY(!f.Frame1->isHidden() && !f.Frame2->isHidden() && !f.Frame3->isHidden());
        QVERIFY(f.fraLoadIxo->isHidden());
        QCOMPARE(f.cmdNext->text(), QStringLiteral(">"));
    }

    void startAtLogIn()
    {
        Form7& f = m_h->app->form7();
        QCOMPARE(f.cmdRun->text(), QStringLiteral("Run Tindalo when Windows starts"));
        QCOMPARE(f.cmdNoRun->text(), QStringLiteral("Don't run Tindalo when Windows starts"));
        f.cmdRun->click();
        QVERIFY(m_h->fakes->autostart.enabled);
        QCOMPARE(f.lblLoadIxo->text(), QStringLiteral("It is done!"));
        f.cmdRun->click();
        QCOMPARE(f.lblLoadIxo->text(), QStringLiteral("It is done!It is done!"));
        f.cmdNoRun->click();
        QVERIFY(!m_h->fakes->autostart.enabled);
        QCOMPARE(m_h->fakes->windows.beeps, 3);

        m_h->fakes->autostart.works = false;
        f.cmdNoRun->click();
        QCOMPARE(f.lblLoadIxo->text(), QStringLiteral("It is done!It is done!It is done!"));
        QCOMPARE(m_h->fakes->windows.beeps, 4);
        QCOMPARE(visibleWarnings(), QStringList{"Ixo's start at log-in could not be removed: refused"});
    }

    // With a settings file, start-up loads my.dat and applies slot 4 and the font choice; the Settings window is
    // made only when it is first needed, and then shows the same.
    void startUpAppliesTheSettingsFile()
    {
        m_h->stop();
        writeSlot(4, "[Setting]", "ALAEOnDCWSOfUISPOnISOMOn", 1, 0);
        writeSlot(8, "[AllFont]", "TimesNewRoman");
        QVERIFY(m_h->writeFile("my.dat", "\"once 23:59:59\"\r\n"));
        m_h->start();

        QCOMPARE(m_h->app->alarmLists().lstData.lines(), QStringList{"once 23:59:59"});
        QVERIFY(!m_h->app->isForm7Loaded());
        QCOMPARE(m_h->state->bSoundOn, kTrue);
        QCOMPARE(m_h->state->bErrMsgPop, kFalse);
        QCOMPARE(m_h->state->bUseInternalSpeaker, kTrue);
        QCOMPARE(m_h->state->bISInsteadMidi, kTrue);
        QCOMPARE(m_h->state->bNoSecond, kFalse);
        Form7& f = m_h->app->form7();
        QVERIFY(!f.isVisible());
        QVERIFY(f.chkSoundOn->isChecked());
        QVERIFY(!f.chkErrMsgPop->isChecked());
        QVERIFY(f.chkInternalSpeaker->isChecked());
        QVERIFY(f.chkAutoLoad->isChecked());
        QVERIFY(f.optFont[2]->isChecked());
        QCOMPARE(m_h->state->iFontChoice, qint16(2));
        QCOMPARE(f.lblSoundOn->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(f.lblSoundOn->font().pointSize(), 10);

        m_h->app->showSettingsWindow();
        QVERIFY(f.isVisible());
        QVERIFY(!f.cmdPlayIS->isHidden());
        f.showMinimized();
        m_h->app->showSettingsWindow();
        QVERIFY(!f.isMinimized());

        // The Alarm Set window's load sets the two sound boxes through their change handling.
        m_h->app->applySoundChecks(0, 1);
        QCOMPARE(m_h->state->bSoundOn, kFalse);
        QCOMPARE(m_h->state->bErrMsgPop, kTrue);
        QVERIFY(!f.chkErrMsgPop->isEnabled());
        m_h->app->applySoundChecks(2, 7); // not a stored state: the boxes stay
        QVERIFY(!f.chkSoundOn->isChecked());
    }

    void startUpWithoutMyDat()
    {
        m_h->stop();
        writeSlot(4, "[Setting]", "ALAEOnDCWSOnUISPOfISOMOf", 1, 1);
        m_h->start();
        QCOMPARE(visibleWarnings(), QStringList{"my.dat, file not found"});
        QCOMPARE(m_h->state->bNoSecond, kTrue);
        QVERIFY(m_h->app->form7().optFont[3]->isChecked());
    }

    void startUpWithoutSettingsFile()
    {
        QVERIFY(!m_h->app->isForm7Loaded());
        QVERIFY(!QFile::exists(m_h->appPath() + "ixo.ini"));
        Form7& f = m_h->app->form7();
        QVERIFY(f.chkSoundOn->isChecked());
        QVERIFY(f.chkErrMsgPop->isChecked());
        QVERIFY(f.optFont[3]->isChecked());
    }

    void failedWriteIsReported()
    {
        QDir().mkpath(m_h->appPath() + "ixo.ini"); // a folder where the file belongs
        closeSettings();
        QCOMPARE(visibleWarnings(), QStringList{"The settings could not be saved in " + m_h->appPath() + "ixo.ini"});
    }
};

QTEST_MAIN(TestSettingsWindow)
#include "test_settings_window.moc"
