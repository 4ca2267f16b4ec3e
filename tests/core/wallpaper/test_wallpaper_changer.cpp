// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QDir>
#include <QFile>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "core/io/quoted_line_file.h"
#include "core/io/settings_file.h"
#include "core/state/shared_state.h"
#include "core/wallpaper/clock_wallpaper_times.h"
#include "core/wallpaper/wallpaper_changer.h"
#include "core/wallpaper/wallpaper_logic.h"
#include "core/wallpaper/wallpaper_store.h"
#include "core/wallpaper/wallpaper_window_state.h"
#include "fake_clock.h"
#include "fake_wallpaper.h"
#include "fake_warnings.h"
#include "sound_files.h"

namespace {
// The restored settings in one line: interval, kept, change on, random, priority, position, list, folder.
QString summary(const WallpaperSettings& r)
{
    QStringList fields{r.intervalText.isEmpty() ? "-" : r.intervalText};
    for (const int n : {int(r.keepSet), int(r.changeOn), int(r.randomOrder), int(r.priorityOrder), int(r.hasPosition)})
        fields.append(QString::number(n));
    return fields.join(' ') + QString(" %1,%2 ").arg(r.left).arg(r.top) + r.entries.join('|') + ' ' +
           QFileInfo(r.pictureFolder).fileName();
}
} // namespace

// A changer over fakes in a temporary picture folder at 08:00; the random draws are taken from `draws`, then 0.
struct Rig
{
    Rig()
    {
        form.pictureFolder = dir.path();
        changer.tooFewToChange = [this] { ++tooFew; };
    }
    QTemporaryDir dir;
    SharedState state;
    WallpaperWindowState form;
    FakeWarnings warnings;
    FakePictureConverter converter;
    FakeWallpaper setter;
    FakeClock clock;
    ClockWallpaperTimes times{clock};
    QList<double> draws;
    int tooFew = 0;
    WallpaperChanger changer{state, form, {warnings, converter, setter, times, [this] {
                                               return draws.isEmpty() ? 0.0 : draws.takeFirst();
                                           }}};

    QString path(const QString& name) const { return dir.filePath(name); }
    /// Pictures whose content is their name, set as the list in `order`.
    void makeChanger(const QStringList& entries, WallpaperChanger::Order order = WallpaperChanger::kPriority)
    {
        for (const QString& name : entries)
            picture(name);
        changer.setEntries(entries), changer.chooseOrder(order);
    }
    void picture(const QString& name) { QVERIFY(SoundFiles::writeFile(path(name), name.toUtf8())); }
    /// What the last `n` changes showed, by content (read at once: older shown copies are removed).
    QStringList change(int n = 1)
    {
        QStringList shown;
        for (int i = 0; i < n; ++i) {
            changer.changeWallpaper();
            shown.append(content(setter.shown.last()));
        }
        return shown;
    }
    static QString content(const QString& f) { return QFileInfo::exists(f) ? SoundFiles::readFile(f) : "gone"; }
};

class TestWallpaperChanger : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<Rig> r;

private Q_SLOTS:
    void init() { r = std::make_unique<Rig>(); }

    // Random order, the draws at their extremes first, from an index left past the end of the list.
    void randomOverThreeNeverRepeats()
    {
        r->form.pictureIndex = 7;
        r->draws = {0.0, 0.0, 1.0, 0.999999, 0.999999, 0.5, 0.5, 0.2, 0.7, 0.4, 0.9, 0.1, 0.6};
        r->makeChanger({"a.bmp", "b.gif", "c.jpg"}, WallpaperChanger::kRandom);
        const QStringList shown = r->change(14);
        for (int i = 1; i < shown.size(); ++i)
            QVERIFY2(shown.at(i) != shown.at(i - 1), qPrintable(shown.join(' ')));
        QCOMPARE(QSet<QString>(shown.begin(), shown.end()).size(), 3);
    }

    // Three changes in list order with pictures gone (after the order was chosen) or undecodable: what the desktop
    // shows after each (by content), what is dropped with a warning, and when too few are left to change.
    void changesInListOrder_data()
    {
        for (const char* column : {"entries", "gone", "undecodable", "shown", "warnings"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<int>("tooFew");
        const auto row = [](const char* name, const char* entries, const char* gone, const char* undecodable,
                            const char* shown, const char* warnings, int tooFew) {
            QTest::newRow(name) << entries << gone << undecodable << shown << warnings << tooFew;
        };
        row("two missing dropped at once", "a.bmp|b.bmp|c.bmp|d.bmp", "b.bmp|c.bmp", "", "a.bmp|d.bmp|a.bmp",
            "b.bmp file not found|c.bmp file not found", 0);
        row("undecodable dropped", "a.bmp|b.gif|c.jpg", "", "b.gif", "a.bmp|c.jpg|a.bmp",
            "b.gif cannot be read as a picture", 0);
        // a is shown (the desktop will fail on it), then dropped when it is prepared again; one left and none left
        // each end the change.
        row("the last ones go too", "a.bmp|b.bmp", "a.bmp|b.bmp", "", "gone|gone|gone",
            "b.bmp file not found|a.bmp file not found", 2);
    }
    void changesInListOrder()
    {
        QFETCH(QString, entries);
        QFETCH(QString, gone);
        QFETCH(QString, undecodable);
        r->converter.undecodable = undecodable.split('|');
        r->makeChanger(entries.split('|'));
        for (const QString& name : gone.split('|'))
            QFile::remove(r->path(name));
        QTEST(r->change(3).join('|'), "shown");
        QTEST(r->warnings.shown.join('|'), "warnings");
        QTEST(r->tooFew, "tooFew");
    }

    // A folder the work bitmap cannot be written to: the GIF and JPEG entries stay, one warning names the folder
    // and the reason, bitmaps go on changing; once the folder can be written again the GIF shows.
    void unwritableFolderKeepsTheEntries()
    {
        r->converter.unwritable = "Permission denied";
        r->makeChanger({"a.bmp", "b.gif", "c.jpg"});
        QCOMPARE(r->change(4).join('|'), "a.bmp|a.bmp|a.bmp|a.bmp");
        QVERIFY(r->setter.shown.size() == 2 && r->changer.entries() == QStringList({"a.bmp", "b.gif", "c.jpg"}));
        QCOMPARE(r->warnings.shown, QStringList{"GIF and JPEG pictures cannot be shown: the folder " + r->dir.path() +
                                                " cannot be written (Permission denied)"});
        QVERIFY(!r->changer.changeNow(r->path("b.gif")));
        r->converter.unwritable.clear();
        QVERIFY(r->change() == QStringList{"b.gif"} && r->warnings.shown.size() == 1);
    }

    // Change Now shows a picture through the work bitmap and spoils nothing.
    void changeNowSpoilsNothing()
    {
        r->makeChanger({"a.bmp", "b.gif", "c.bmp"}), r->picture("preview.jpg");
        r->change(); // shows a, prepares b
        QVERIFY(r->changer.changeNow(r->path("preview.jpg")) && Rig::content(r->setter.shown.last()) == "preview.jpg");
        QCOMPARE(r->change(), QStringList{"b.gif"}); // not the preview left in the work bitmap
    }

    // The logic without a window: the switch needs two pictures and runs the schedule; after a delete fewer than
    // three entries force list order and fewer than two end the change; the closing steps keep the state while a
    // change is scheduled.
    void logicListRulesAndSwitch()
    {
        r->state.appPath = r->dir.path() + "/";
        QSettings(r->state.appPath + "Wpaper.ini", QSettings::IniFormat)
            .setValue("Wallpaper/PictureFolder", r->dir.path());
        WallpaperLogic logic(r->state, r->form, {r->warnings, r->converter, r->setter, r->times, {}});
        logic.load();
        for (const char* name : {"a.bmp", "b.bmp", "c.bmp", "d.bmp"})
            r->picture(name), logic.add(name);
        logic.setIntervalText("5 min"), logic.intervalChosen(), logic.setChangeTicked(true), logic.chooseOption(2);
        logic.deleteSelected({-1, 7}); // rows out of range are ignored
        r->form.deleteCursor = 3;      // a stale delete cursor too
        logic.deleteSelected({0, 2});
        QVERIFY(logic.entries() == QStringList({"b.bmp", "d.bmp"}) && logic.option() == 1 && !logic.closeSteps());
        logic.deleteSelected({1});
        QVERIFY(!logic.changeTicked() && !logic.changeEnabled() && r->state.wallpaperMark == -1 && logic.closeSteps());
        logic.loadList({"c.bmp", "a.bmp"}); // two entries and an interval: the change may be used again
        QVERIFY(logic.changeEnabled());
        logic.setChangeTicked(true), logic.intervalChosen(), logic.removeAt(0); // two are enough for an interval
        QVERIFY(logic.changeTicked() && logic.entries() == QStringList{"a.bmp"});
    }

    // Unticked with nothing kept before writes nothing. Kept settings come back with the list; slot 5 of ixo.ini
    // starts the changer while the change is on. Unticked, they are forgotten and the defaults come back. The file's
    // bytes are those QSettings writes for the same values, also for a folder name it must quote and escape.
    void keptAndForgotten()
    {
        const QString app = r->path("prog/"), pictures = r->path("Pictures");
        const QString other = r->path(QString::fromUtf8(QByteArray("@O;\"\xc3\xa9\"\\\x01") + "a\t\xf0\x9f\x8e\xb5 "));
        QVERIFY(QDir().mkpath(app) && QDir().mkpath(pictures) && QDir().mkpath(other));
        const auto slot5 = [&app] { return SettingsFile(app).readSlot(5).value_or(IniRecord{}).data; };
        const WallpaperStore store(pictures);
        QVERIFY(store.saveSettings(false, 1, 2, true, false, "5 min", app, pictures) && QDir(app).isEmpty());

        QVERIFY(QuotedLineFile::write(app + "Wpaper.dat", {"one.bmp", "two.gif", "three.jpg"}));
        QVERIFY(store.saveSettings(true, 120, -40, true, true, "15 min", app, other) && slot5().startsWith("Check"));
        QCOMPARE(summary(store.restoreSettings(app)),
                 "15 min 1 1 1 0 1 120,-40 one.bmp|two.gif|three.jpg " + QFileInfo(other).fileName());
        QSettings in(app + "Wpaper.ini", QSettings::IniFormat), out(r->path("q.ini"), QSettings::IniFormat);
        for (const QString& key : in.allKeys()) // the bytes QSettings writes for the values it reads
            out.setValue(key, in.value(key));
        out.sync();
        QCOMPARE(SoundFiles::readFile(app + "Wpaper.ini"), SoundFiles::readFile(r->path("q.ini")));

        QVERIFY(store.saveSettings(true, 0, 0, false, false, "15 min", app, pictures) && !slot5().startsWith("Check"));
        QVERIFY(store.saveSettings(false, 5, 5, true, true, "5 min", app, pictures) && !slot5().startsWith("Check"));
        QCOMPARE(summary(store.restoreSettings(app)), "- 0 0 0 1 0 0,0  Pictures");
    }
};

QTEST_GUILESS_MAIN(TestWallpaperChanger)
#include "test_wallpaper_changer.moc"
