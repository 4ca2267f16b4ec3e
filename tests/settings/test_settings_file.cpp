#include <memory>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "settings/settings_file.h"
#include "settings/startup_settings.h"

namespace {
QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
// A settings file with values in slots 4, 5 and 8 under a foreign section name.
QByteArray withSlots(const char* slot4, const char* slot5, const char* slot8)
{
    auto record = [](const char* value) { return IniRecord{"anything", 0, 0, QString::fromLatin1(value)}.toBytes(); };
    return QByteArray(153, '\0') + record(slot4) + record(slot5) + QByteArray(102, '\0') + record(slot8);
}
} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_app = m_dir->path() + QStringLiteral("/");
    }

    // A write patches only its slot: a gap before it is zero-filled, the file never shrinks, foreign bytes after
    // the eight slots stay, and a missing program folder is made. Texts are stored in Windows-1252 when they fit,
    // else in UTF-8, and cut to the field's width between characters; they read back as they were stored.
    void writePatchesOnlyItsSlot_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("readBack");
        const QString cyrillic = QStringLiteral("\u0411\u0443\u0434\u0438\u043b\u044c\u043d\u0438\u043a");
        QTest::newRow("missing folder, slot 3, cut to 30")
            << QByteArray() << 3 << QStringLiteral("a-song-name-that-is-longer-than-thirty")
            << QByteArray("a-song-name-that-is-longer-tha") << QStringLiteral("a-song-name-that-is-longer-tha");
        QTest::newRow("short file, slot 8, Western text one byte a character")
            << QByteArray(60, 'x') << 8 << QStringLiteral("caf\u00e9 \u20ac \u00ff")
            << QByteArray("caf\xe9 \x80 \xff").leftJustified(30) << QStringLiteral("caf\u00e9 \u20ac \u00ff");
        QTest::newRow("foreign file longer than 8 slots, CJK in UTF-8")
            << QByteArray(500, 'x') << 7 << QStringLiteral("\u65e5\u672c")
            << QByteArray("\xe6\x97\xa5\xe6\x9c\xac").leftJustified(30) << QStringLiteral("\u65e5\u672c");
        QTest::newRow("Cyrillic cut between characters")
            << QByteArray() << 3 << cyrillic + cyrillic << (cyrillic + cyrillic).left(15).toUtf8()
            << (cyrillic + cyrillic).left(15);
        const QString emoji = QString(7, QChar(0x2615)) + QStringLiteral("\U0001F600\U0001F600");
        QTest::newRow("emoji cut between characters")
            << QByteArray() << 3 << emoji + QStringLiteral("\U0001F600") << emoji.toUtf8() + ' ' << emoji;
        QTest::newRow("Windows-1252 that reads as UTF-8 goes as UTF-8")
            << QByteArray() << 3 << QStringLiteral("\u00c3\u00a9") << QByteArray("\xc3\x83\xc2\xa9").leftJustified(30)
            << QStringLiteral("\u00c3\u00a9");
    }
    void writePatchesOnlyItsSlot()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, slot);
        QFETCH(QString, value);
        QFETCH(QByteArray, stored);
        const QString app = m_app + QStringLiteral("not/yet/");
        if (!before.isEmpty())
            QVERIFY(QDir().mkpath(app) && writeAll(app + "ixo.ini", before));
        QVERIFY(SettingsFile(app).writeSlot(slot, IniRecord{kSectionSongName, -32768, -2, value}));
        const QByteArray bytes = readAll(app + "ixo.ini");
        const int at = (slot - 1) * IniRecord::kSize;
        QCOMPARE(bytes.size(), qMax(before.size(), at + 51));
        QCOMPARE(bytes.left(at), before.left(at) + QByteArray(qMax(0, at - int(before.size())), '\0'));
        QCOMPARE(bytes.mid(at, 51),
                 QByteArray("[SongName]").leftJustified(17) + QByteArray("\x00\x80\xfe\xff", 4) + stored);
        QCOMPARE(bytes.mid(at + 51), before.mid(at + 51));
        const IniRecord back = *SettingsFile(app).readSlot(slot);
        QCOMPARE(back.toBytes(), bytes.mid(at, 51));
        QTEST(back.value(), "readBack");
        QCOMPARE(IniRecord::fits(value), value == back.value());
    }

    // A slot written by an older Ixo in one byte a character reads as Windows-1252 and is written back unchanged.
    void oldSlotKeptByteForByte()
    {
        const QByteArray old = QByteArray("[SongName]").leftJustified(17) + QByteArray(4, '\0') +
                               QByteArray("R\xe9veil \x80\x81\x9d\xa9").leftJustified(30);
        const IniRecord record = IniRecord::fromBytes(old);
        QCOMPARE(record.value(), QStringLiteral("R\u00e9veil \u20ac\u0081\u009d\u00a9"));
        QCOMPARE(record.toBytes(), old);
    }

    void unwritablePlaceReportsFailure()
    {
        QVERIFY(writeAll(m_app + "plain", "x")); // a file where the program folder belongs
        QVERIFY(!SettingsFile(m_app + "plain/").writeSlot(1, IniRecord()));
    }

    // Start-up reads slots 4, 5 and 8 whatever their section names: slots 4 and 8 trimmed, slot 5 not. Short,
    // empty or garbage files are read without a crash; slots beyond the file's end are absent.
    void startupValues_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("autoLoad");
        QTest::addColumn<bool>("wallpaper");
        QTest::addColumn<int>("font");
        QTest::newRow("auto load, wallpaper, Times")
            << withSlots("ALAEOnDCWSOf", "Checked", "TimesNewRoman") << true << true << 2;
        QTest::newRow("leading blanks") << withSlots("  ALAEOn", " Check", "  Arial") << true << false << 1;
        QTest::newRow("case matters") << withSlots("alaeon", "check", "arial") << false << false << 3;
        QTest::newRow("empty") << QByteArray() << false << false << 3;
        QTest::newRow("one byte short of slot 8")
            << withSlots("ALAEOn", "Check", "Arial").chopped(1) << true << true << 3;
        QTest::newRow("garbage") << QByteArray(4096, '\xa5') << false << false << 3;
    }
    void startupValues()
    {
        QFETCH(QByteArray, content);
        const SettingsFile file(m_app);
        QVERIFY(writeAll(file.path(), content));
        const StartupSettings s = readStartupSettings(file);
        QVERIFY(s.fileExists);
        QTEST(s.autoLoadAlarms, "autoLoad");
        QTEST(s.startWallpaper, "wallpaper");
        QTEST(int(s.iFontChoice), "font");
        QCOMPARE(file.readSlot(8).has_value(), content.size() >= 408);
        QVERIFY(!file.readSlot(0) && !file.readSlot(9));
    }

    void recordIntsRoundHalfToEvenAndClamp_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("stored");
        QTest::newRow("10.5") << 10.5 << 10;
        QTest::newRow("11.5") << 11.5 << 12;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("too big") << 1e6 << 32767;
        QTest::newRow("too small") << -1e6 << -32768;
    }
    void recordIntsRoundHalfToEvenAndClamp()
    {
        QFETCH(double, value);
        QTEST(int(toRecordInt(value)), "stored");
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_app;
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
