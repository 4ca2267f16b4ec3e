#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "settings/settings_file.h"
#include "wallpaper/wallpaper_store.h"

class TestWallpaperStore : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_app;      // program folder, ending in "/"
    QString m_pictures; // default picture folder

    void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString slot5()
    {
        const std::optional<IniRecord> record = SettingsFile(m_app).readSlot(5);
        return record ? record->sData : QString();
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_app = m_dir->filePath("prog") + "/";
        m_pictures = m_dir->filePath("Pictures");
        QVERIFY(QDir().mkpath(m_app));
        QVERIFY(QDir().mkpath(m_pictures));
        write(m_pictures + "/b.jpg", "b");
        write(m_pictures + "/A.gif", "a");
    }

    // Unticked with nothing kept before, nothing is written; nothing stored gives the defaults.
    void nothingStoredGivesDefaults()
    {
        const WallpaperStore store(m_pictures);
        QVERIFY(store.SaveSettings(false, 1, 2, true, 0, "5 min", m_app, m_pictures));
        QCOMPARE(QDir(m_app).entryList(QDir::Files), QStringList{});
        const WallpaperRestore r = store.RestoreSettings(m_app);
        QCOMPARE(r.strPicFolder, m_pictures);
        QCOMPARE(r.cbPaper, (QStringList{"A.gif", "b.jpg"}));
        QVERIFY(!r.keepSet);
        QVERIFY(!r.changeOn);
        QCOMPARE(r.priorityFlag, qint16(-1));
        QCOMPARE(r.randomFlag, qint16(0));
        QVERIFY(!r.hasPosition);
        QVERIFY(r.lstShow.isEmpty());
    }

    // Slot 5 of ixo.ini is written in place: the other slots stay as they were.
    void keptSettingsComeBackWithTheListAndMarkSlot5()
    {
        write(m_app + "Wpaper.dat", "\"one.bmp\"\n\"two.gif\"\r\"three.jpg\"\r\n");
        QVERIFY(SettingsFile(m_app).writeSlot(8, IniRecord{"[AllFont]", 0, 0, "Arial"}));
        const WallpaperStore store(m_pictures);
        QVERIFY(store.SaveSettings(true, 120, -40, true, -1, "15 min", m_app, m_pictures));
        QVERIFY(slot5().startsWith("Check"));
        const WallpaperRestore r = store.RestoreSettings(m_app);
        QVERIFY(r.keepSet);
        QVERIFY(r.changeOn);
        QCOMPARE(r.intervalText, "15 min");
        QCOMPARE(r.randomFlag, qint16(-1));
        QCOMPARE(r.priorityFlag, qint16(0));
        QVERIFY(r.hasPosition);
        QCOMPARE(r.left, qint16(120));
        QCOMPARE(r.top, qint16(-40));
        QCOMPARE(r.lstShow, (QStringList{"one.bmp", "two.gif", "three.jpg"}));

        // Kept with the change off: slot 5 no longer starts the changer.
        QVERIFY(store.SaveSettings(true, 0, 0, false, 0, "15 min", m_app, m_pictures));
        QVERIFY(!slot5().startsWith("Check"));
        QCOMPARE(store.RestoreSettings(m_app).priorityFlag, qint16(-1));

        // Unticked: forgotten, back to the defaults.
        QVERIFY(store.SaveSettings(true, 0, 0, true, 0, "5 min", m_app, m_pictures));
        QVERIFY(store.SaveSettings(false, 5, 5, true, -1, "5 min", m_app, m_pictures));
        QVERIFY(!slot5().startsWith("Check"));
        const WallpaperRestore forgotten = store.RestoreSettings(m_app);
        QVERIFY(!forgotten.keepSet);
        QVERIFY(!forgotten.changeOn);
        QVERIFY(forgotten.lstShow.isEmpty());
        QCOMPARE(forgotten.priorityFlag, qint16(-1));
        QCOMPARE(QFileInfo(m_app + "ixo.ini").size(), 408);
        QCOMPARE(SettingsFile(m_app).readSlot(8)->value(), "Arial");
    }

    void storedFolderUsedWhileItExists()
    {
        const QString other = m_dir->filePath("Other");
        QVERIFY(QDir().mkpath(other));
        write(other + "/x.bmp", "x");
        const WallpaperStore store(m_pictures);
        QVERIFY(store.SaveSettings(true, 0, 0, false, 0, QString(), m_app, other));
        QCOMPARE(store.RestoreSettings(m_app).cbPaper, QStringList{"x.bmp"});
        QVERIFY(QDir(other).removeRecursively());
        QCOMPARE(store.RestoreSettings(m_app).strPicFolder, m_pictures);
    }
};

QTEST_GUILESS_MAIN(TestWallpaperStore)
#include "test_wallpaper_store.moc"
