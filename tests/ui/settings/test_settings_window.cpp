// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "ui/settings/settings_window.h"
#include "window_fixture.h"
#include "window_pictures.h"

// The Settings window over a hand-made context.
class TestSettingsWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The boxes set their flags when they change, and "Don't compare with second" tells the Alarm Set window (that
    // closing stores the boxes and the font, and what a restart makes of them, the end-to-end scenarios show). The
    // log-in page's buttons set the start at log-in or say why they could not; a settings file that cannot be
    // written is reported when closing.
    void boxesAndLogIn()
    {
        WindowFixture fixture;
        SettingsWindow f(fixture.context);
        f.load();
        f.m_internalSpeakerCheck->setChecked(true);
        f.m_fontOptions[2]->setChecked(true);
        QVERIFY(fixture.state.useInternalSpeaker && fixture.state.fontChoice == 2);
        f.m_ignoreSecondsCheck->setChecked(true);
        QVERIFY(fixture.state.ignoreSeconds && fixture.requests.asked == QStringList{"noSecondChanged"});
        f.m_ignoreSecondsCheck->setChecked(false);
        QVERIFY(!fixture.state.ignoreSeconds && fixture.requests.asked.count("noSecondChanged") == 2);
        f.show();
        QCOMPARE(WindowPictures::compare(&f, "settings"), QString());
        f.m_nextPageButton->click();
        f.m_runAtLoginButton->click();
        QVERIFY(fixture.fakes.autostart.enabled);
        QCOMPARE(WindowPictures::compare(&f, "settings-log-in"), QString());
        fixture.fakes.autostart.works = false;
        f.m_noRunAtLoginButton->click();
        QVERIFY(fixture.warnings.shown.contains("Ixo's start at log-in could not be removed: refused"));
        QVERIFY(QDir().mkpath(fixture.state.appPath + "ixo.ini")); // a folder where the settings file belongs
        f.m_closeButton->click();
        QCOMPARE(fixture.warnings.shown.last(),
                 "The settings could not be saved in " + fixture.state.appPath + "ixo.ini: Is a directory");
        QCOMPARE(fixture.requests.asked.last(), "settingsWindowClosed");
    }
};

IXO_WINDOW_TEST_MAIN(TestSettingsWindow)
#include "test_settings_window.moc"
