// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QLineEdit>
#include <QPushButton>

#include "core/alarms/data_file_choice.h"
#include "ui/files/data_file_chooser.h"
#include "window_fixture.h"
#include "window_pictures.h"

// The data file chooser over a hand-made context.
class TestDataFileChooser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each mode lists the data files and claims the front, with its heading, caption and picture. A refused name is
    // shown corrected, with the warning, and the chooser stays (a good one is saved, and one opened in an editor: the
    // end-to-end scenarios); Cancel hands the front back and the chooser goes.
    void modesAndRefusedName()
    {
        WindowFixture f;
        QVERIFY(f.touch("b.dat") && f.touch("my.dat"));
        using Mode = DataFileChoice::Mode;
        for (const auto& [mode, name] : {std::pair{Mode::Load, "load"}, {Mode::Edit, "open"}, {Mode::Save, "save"}}) {
            DataFileChooser chooser(f.context);
            chooser.load();
            chooser.setMode(mode);
            chooser.show();
            QCOMPARE(WindowPictures::compare(&chooser, QStringLiteral("chooser-") + name), QString());
            QCOMPARE(f.state.frontHolder, kWhoFileChooser);
            if (mode == Mode::Save) {
                QTest::keyClicks(chooser.m_nameBox, "WP/APER");
                chooser.m_confirmButton->click();
                QVERIFY(chooser.m_nameBox->text() == "WPAPER.dat" && chooser.isVisible());
                QCOMPARE(f.warnings.shown, QStringList{"Wpaper.dat has data of wallpaper"});
            }
            chooser.m_cancelButton->click();
            QVERIFY(f.state.frontHolder == 0 && !chooser.isVisible());
        }
        QCOMPARE(f.dialogs.handedBack, (QList<qint32>{0, 0, 0})); // nobody held the front before
        QCOMPARE(f.requests.asked.count("dataFileChooserClosed"), 3);
    }
};

IXO_WINDOW_TEST_MAIN(TestDataFileChooser)
#include "test_data_file_chooser.moc"
