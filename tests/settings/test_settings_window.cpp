#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "alarms/alarm_set_window.h"
#include "app_harness.h"
#include "settings/settings_file.h"
#include "settings/settings_window.h"

namespace {
// The six boxes in the order the settings file keeps them: sound on, error message, auto load, no second,
// speaker, midi.
QList<QCheckBox*> boxesOf(const Form7& f)
{
    return {f.chkSoundOn, f.chkErrMsgPop, f.chkAutoLoad, f.chkNoSec, f.chkInternalSpeaker, f.chkISInsteadMidi};
}
QList<bool> checked(const Form7& f)
{
    QList<bool> states;
    for (const QCheckBox* box : boxesOf(f))
        states.append(box->isChecked());
    return states;
}
} // namespace

class TestSettingsWindow : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<AppHarness> m_h;

    // The flags of the boxes but auto load, each true when set to kTrue.
    QList<bool> flags() const
    {
        const Module1& s = *m_h->state;
        return {s.bSoundOn == kTrue, s.bErrMsgPop == kTrue, s.bNoSecond == kTrue, s.bUseInternalSpeaker == kTrue,
                s.bISInsteadMidi == kTrue};
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

    // Closing writes slot 4 and then slot 8, byte for byte, in a file of eight slots. The next start sets the flags
    // from them without making the Settings window; made when first needed, it shows the same.
    void settingsRoundTrip_data()
    {
        QTest::addColumn<QList<bool>>("boxes");
        QTest::addColumn<int>("font"); // 0: left as loaded
        QTest::addColumn<QByteArray>("tokens");
        QTest::addColumn<QByteArray>("fontValue");
        QTest::newRow("speaker and midi, font as loaded")
            << QList<bool>{true, true, false, false, true, true} << 0 << QByteArray("ALAEOfDCWSOfUISPOnISOMOn")
            << QByteArray("Normal");
        QTest::newRow("auto load and no-second, Arial")
            << QList<bool>{true, false, true, true, false, false} << 1 << QByteArray("ALAEOnDCWSOnUISPOfISOMOf")
            << QByteArray("Arial");
        QTest::newRow("sound off, auto load and speaker, Enlarge")
            << QList<bool>{false, true, true, false, true, false} << 2 << QByteArray("ALAEOnDCWSOfUISPOnISOMOf")
            << QByteArray("TimesNewRoman");
    }
    void settingsRoundTrip()
    {
        QFETCH(QList<bool>, boxes);
        QFETCH(int, font);
        QFETCH(QByteArray, tokens);
        QFETCH(QByteArray, fontValue);
        Form7& f = m_h->app->form7();
        for (qsizetype i = 0; i < boxes.size(); ++i)
            boxesOf(f)[i]->setChecked(boxes[i]);
        if (font != 0)
            f.optFont[std::size_t(font)]->setChecked(true);
        closeSettings();
        const QByteArray bytes = m_h->readFile("ixo.ini");
        QCOMPARE(bytes.size(), 408);
        const QByteArray ints =
            QByteArray(boxes[0] ? "\x01\x00" : "\x00\x00", 2) + QByteArray(boxes[1] ? "\x01\x00" : "\x00\x00", 2);
        QCOMPARE(bytes.mid(153, 51), QByteArray("[Setting]").leftJustified(17) + ints + tokens.leftJustified(30));
        QCOMPARE(bytes.mid(357, 51), QByteArray("[AllFont]").leftJustified(17) + ints + fontValue.leftJustified(30));
        QCOMPARE(bytes.left(153), QByteArray(153, '\0'));
        QCOMPARE(bytes.mid(204, 153), QByteArray(153, '\0'));

        // The next start, without my.dat.
        m_h->stop();
        m_h->start();
        QList<bool> flagsOfBoxes = boxes;
        flagsOfBoxes.remove(2);
        QCOMPARE(visibleWarnings(), boxes[2] ? QStringList{"my.dat, file not found"} : QStringList{});
        QVERIFY(!m_h->app->isForm7Loaded());
        QCOMPARE(flags(), flagsOfBoxes);
        Form7& again = m_h->app->form7();
        QVERIFY(!again.isVisible());
        QCOMPARE(checked(again), boxes);
        QCOMPARE(flags(), flagsOfBoxes);
        const int choice = font == 0 ? 3 : font;
        QVERIFY(again.optFont[std::size_t(choice)]->isChecked());
        QCOMPARE(m_h->state->iFontChoice, qint16(choice));
        QCOMPARE(again.cmdPlayIS->isHidden(), !(boxes[0] && boxes[4])); // the boxes' change handling ran
        QCOMPARE(again.chkErrMsgPop->isEnabled(), boxes[0]);
        if (font == 1)
            QCOMPARE(again.lblSoundOn->font().family(), QStringLiteral("Arial"));
        if (font == 2) {
            QCOMPARE(again.lblSoundOn->font().family(), QStringLiteral("Times New Roman"));
            QCOMPARE(again.lblSoundOn->font().pointSize(), 10);
        }
    }

    // The boxes set their flags whenever their state changes, also when the program sets them; the speaker test
    // shows while both "Sound on" and the speaker box are checked.
    void boxesSetFlags()
    {
        QVERIFY(!m_h->app->isForm7Loaded()); // made when first needed
        Form7& f = m_h->app->form7();
        QCOMPARE(checked(f), (QList<bool>{true, true, false, false, false, false})); // no settings file yet
        QVERIFY(f.optFont[3]->isChecked());
        QVERIFY(f.cmdPlayIS->isHidden());
        f.chkInternalSpeaker->setChecked(true);
        QCOMPARE(flags(), (QList<bool>{true, true, false, true, false}));
        QVERIFY(!f.cmdPlayIS->isHidden() && !f.lblTest->isHidden());
        f.chkISInsteadMidi->setChecked(true);
        f.chkErrMsgPop->setChecked(false);
        QCOMPARE(flags(), (QList<bool>{true, false, false, true, true}));
        f.optFont[2]->setChecked(true);
        QCOMPARE(m_h->state->iFontChoice, qint16(2));

        // The Alarm Set window's load sets the two sound boxes from their stored states 0/1 only.
        m_h->app->applySoundChecks(0, 1);
        QCOMPARE(flags(), (QList<bool>{false, true, false, true, true}));
        QVERIFY(!f.chkErrMsgPop->isEnabled());
        QVERIFY(f.cmdPlayIS->isHidden() && f.lblTest->isHidden());
        f.chkSoundOn->click();
        QCOMPARE(m_h->state->bSoundOn, kTrue);
        QVERIFY(f.chkErrMsgPop->isEnabled());
        QVERIFY(!f.cmdPlayIS->isHidden());
        m_h->app->applySoundChecks(2, 7); // not stored states: the boxes stay checked
        QVERIFY(f.chkSoundOn->isChecked() && f.chkErrMsgPop->isChecked());

        // The speaker test plays the alarm sound once on the speaker.
        f.cmdPlayIS->click();
        QCOMPARE(m_h->fakes->speaker.sweeps.size(), 1);
        QVERIFY(m_h->fakes->wavePlayer.calls.isEmpty());

        // "Don't compare with second" hides the Alarm Set window's seconds at once.
        Form4& alarmSet = m_h->app->form4();
        f.chkNoSec->setChecked(true);
        QCOMPARE(m_h->state->bNoSecond, kTrue);
        QVERIFY(alarmSet.cbSec->isHidden() && alarmSet.lblColon2->isHidden());
        f.chkNoSec->setChecked(false);
        QVERIFY(!alarmSet.cbSec->isHidden());
    }

    // The tray's Settings shows the window, restoring it when minimized; ">" switches to the log-in page.
    void showAndSwitchPages()
    {
        m_h->app->showSettingsWindow();
        Form7& f = m_h->app->form7();
        QVERIFY(f.isVisible());
        f.showMinimized();
        m_h->app->showSettingsWindow();
        QVERIFY(!f.isMinimized());
        QVERIFY(f.fraLoadIxo->isHidden());
        f.cmdNext->click();
        QVERIFY(f.Frame1->isHidden());
        QVERIFY(!f.fraLoadIxo->isHidden());
    }

    void startAtLogIn()
    {
        Form7& f = m_h->app->form7();
        f.cmdRun->click();
        QVERIFY(m_h->fakes->autostart.enabled);
        QCOMPARE(f.lblLoadIxo->text(), QStringLiteral("It is done!"));
        f.cmdNoRun->click();
        QVERIFY(!m_h->fakes->autostart.enabled);
        QCOMPARE(f.lblLoadIxo->text(), QStringLiteral("It is done!It is done!"));
        QCOMPARE(m_h->fakes->windows.beeps, 2);
        m_h->fakes->autostart.works = false;
        f.cmdNoRun->click();
        QCOMPARE(f.lblLoadIxo->text(), QStringLiteral("It is done!It is done!"));
        QCOMPARE(m_h->fakes->windows.beeps, 3);
        QCOMPARE(visibleWarnings(), QStringList{"Ixo's start at log-in could not be removed: refused"});
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
