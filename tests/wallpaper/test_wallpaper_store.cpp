#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "settings/settings_file.h"
#include "wallpaper/wallpaper_store.h"

namespace {
void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}
// The restored settings in one line: kept, change on, interval, random, priority, position, list, folder.
QString summary(const WallpaperRestore& r)
{
    return QString("%1 %2 %3 %4 %5 %6 %7,%8 %9 %10")
        .arg(r.keepSet)
        .arg(r.changeOn)
        .arg(r.intervalText.isEmpty() ? "-" : r.intervalText)
        .arg(r.randomFlag)
        .arg(r.priorityFlag)
        .arg(r.hasPosition)
        .arg(r.left)
        .arg(r.top)
        .arg(r.lstShow.join('|'), QFileInfo(r.strPicFolder).fileName());
}
} // namespace

class TestWallpaperStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Nothing stored gives the defaults, and unticked with nothing kept before writes nothing. Kept settings come
    // back with the list; slot 5 of ixo.ini starts the changer while the change is on and is written in place (the
    // other slots stay). Unticked, they are forgotten. The stored folder is used while it exists.
    void keptAndForgotten()
    {
        QTemporaryDir dir;
        const QString app = dir.filePath("prog") + "/", pictures = dir.filePath("Pictures"),
                      other = dir.filePath("Other");
        QVERIFY(QDir().mkpath(app) && QDir().mkpath(pictures) && QDir().mkpath(other));
        write(pictures + "/b.jpg", "b");
        write(pictures + "/A.gif", "a");
        write(other + "/x.bmp", "x");
        const auto slot5 = [&app] { return SettingsFile(app).readSlot(5).value_or(IniRecord{}).sData; };
        const WallpaperStore store(pictures);
        QVERIFY(store.SaveSettings(false, 1, 2, true, 0, "5 min", app, pictures));
        QCOMPARE(QDir(app).entryList(QDir::Files), QStringList{});
        const WallpaperRestore defaults = store.RestoreSettings(app);
        QCOMPARE(summary(defaults), "0 0 - 0 -1 0 0,0  Pictures");
        QCOMPARE(defaults.cbPaper, (QStringList{"A.gif", "b.jpg"}));

        write(app + "Wpaper.dat", "\"one.bmp\"\n\"two.gif\"\r\"three.jpg\"\r\n");
        QVERIFY(SettingsFile(app).writeSlot(8, IniRecord{"[AllFont]", 0, 0, "Arial"}));
        QVERIFY(store.SaveSettings(true, 120, -40, true, -1, "15 min", app, other));
        QVERIFY(slot5().startsWith("Check"));
        const WallpaperRestore kept = store.RestoreSettings(app);
        QCOMPARE(summary(kept), "1 1 15 min -1 0 1 120,-40 one.bmp|two.gif|three.jpg Other");
        QCOMPARE(kept.cbPaper, QStringList{"x.bmp"});
        QVERIFY(QDir(other).removeRecursively());
        QCOMPARE(store.RestoreSettings(app).strPicFolder, pictures);

        QVERIFY(store.SaveSettings(true, 0, 0, false, 0, "15 min", app, pictures));
        QVERIFY(!slot5().startsWith("Check"));
        QCOMPARE(store.RestoreSettings(app).priorityFlag, qint16(-1));
        QVERIFY(store.SaveSettings(false, 5, 5, true, -1, "5 min", app, pictures));
        QVERIFY(!slot5().startsWith("Check"));
        QCOMPARE(summary(store.RestoreSettings(app)), "0 0 - 0 -1 0 0,0  Pictures");
        QCOMPARE(QFileInfo(app + "ixo.ini").size(), 408);
        QCOMPARE(SettingsFile(app).readSlot(8)->value(), "Arial");
    }
};

QTEST_GUILESS_MAIN(TestWallpaperStore)
#include "test_wallpaper_store.moc"
