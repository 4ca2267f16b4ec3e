// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include "core/wallpaper/clock_wallpaper_times.h"
#include "core/wallpaper/wallpaper_logic.h"
#include "core/wallpaper/wallpaper_window_state.h"
#include "ui/wallpaper/wallpaper_window.h"
#include "window_fixture.h"
#include "window_pictures.h"

// The wallpaper window over a hand-made context and a wallpaper logic of its own, with a picture folder.
class TestWallpaperWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A click runs the logic's handler and its list rules show in the boxes; an entry whose file is gone is
    // removed with a warning, one that is there can become the wallpaper. While a change is scheduled closing
    // only hides; else the window asks to go. Scheduling a change wakes the clock.
    void listAndSchedule()
    {
        WindowFixture fixture;
        const QString pictures = fixture.makePictureFolder();
        ClockWallpaperTimes times(fixture.fakes.clock);
        WallpaperWindowState windowState;
        WallpaperLogic logic(fixture.state, windowState,
                             {fixture.warnings, fixture.fakes.pictures, fixture.fakes.wallpaper, times, {}});
        logic.load();
        WallpaperWindow f(fixture.context, logic, windowState, fixture.listFiles);
        f.load();
        f.show();
        for (const char* name : {"a.bmp", "B.jpg", "d.bmp"}) { // picked in the folder box and added
            f.m_pictureBox->setCurrentIndex(f.m_pictureBox->findText(name));
            Q_EMIT f.m_pictureBox->activated(f.m_pictureBox->currentIndex());
            f.m_addButton->click();
        }
        f.m_intervalBox->setCurrentIndex(f.m_intervalBox->findText("1 hr"));
        Q_EMIT f.m_intervalBox->activated(f.m_intervalBox->currentIndex());
        f.m_changeCheck->click();
        QVERIFY(fixture.state.wallpaperMark == 11 && fixture.state.clockActive()); // "1 hr" at 10:00; the clock wakes
        QFile::remove(pictures + "d.bmp");
        for (int row : {2, 0}) {
            f.m_pictureList->setCurrentRow(row);
            Q_EMIT f.m_pictureList->itemClicked(f.m_pictureList->item(row));
        }
        QVERIFY(f.m_pictureList->count() == 2 && fixture.warnings.shown == QStringList{"d.bmp file not found"});
        QCOMPARE(WindowPictures::compare(&f, "wallpaper"), QString());
        for (int i = 0; i < 3; ++i) // each time under a new name; the copy shown before stays, older ones go
            f.m_changeNowButton->click();
        QCOMPARE(fixture.fakes.wallpaper.shown.last(), pictures + "tmpFile-3.bmp");
        QCOMPARE(QDir(pictures).entryList({"tmpFile*"}), (QStringList{"tmpFile-2.bmp", "tmpFile-3.bmp"}));

        f.m_closeButton->click();
        QVERIFY(!f.isVisible() && fixture.requests.asked.isEmpty());
        f.show();
        f.m_pictureList->item(1)->setSelected(true);
        f.m_deleteButton->click(); // fewer than two entries end the change
        QVERIFY(!f.m_changeCheck->isChecked() && !f.m_changeCheck->isEnabled() && fixture.state.wallpaperMark == -1);
        f.m_closeButton->click();
        QCOMPARE(fixture.requests.asked, QStringList{"wallpaperWindowClosed"});
    }
};

IXO_WINDOW_TEST_MAIN(TestWallpaperWindow)
#include "test_wallpaper_window.moc"
