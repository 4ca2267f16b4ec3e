#include <memory>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/shared_state.h"
#include "settings/settings_file.h"
#include "settings/startup_settings.h"

namespace {
QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
QByteArray padded(const char* text, int width)
{
    QByteArray b(text);
    b.append(width - b.size(), ' ');
    return b;
}
} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    // Picking the song "ding" in a fresh folder makes a 153-byte file with slot 3 only.
    void songRecordInFreshFolder()
    {
        const QString app = m_dir->path() + QStringLiteral("/");
        SettingsFile file(app);
        QVERIFY(!file.exists());
        IniRecord rec;
        rec.sSection = kSectionSongName;
        rec.sData = QStringLiteral("ding");
        QVERIFY(file.writeSlot(IniSlot::SongName, rec));
        const QByteArray bytes = readAll(file.path());
        QCOMPARE(bytes.size(), 153);
        QCOMPARE(bytes.left(102), QByteArray(102, '\0'));
        QCOMPARE(bytes.mid(102), padded("[SongName]", 17) + QByteArray(4, '\0') + padded("ding", 30));
    }

    // Slot 4 then slot 8 written from the shared record: slot 8 carries slot 4's integers along.
    void settingsWindowExampleBytes()
    {
        Module1 state;
        state.strAppPath = m_dir->path() + QStringLiteral("/");
        SettingsFile file = state.settingsFile();
        state.recIni.sSection = kSectionSetting;
        state.recIni.iData1 = 1;
        state.recIni.iData2 = 1;
        state.recIni.sData = QStringLiteral("ALAEOfDCWSOnUISPOfISOMOf      ");
        const IniRecord slot4 = state.recIni;
        state.recIni.sSection = kSectionAllFont;
        state.recIni.sData = QStringLiteral("Normal");
        QVERIFY(file.writeSlots({{IniSlot::Setting, slot4}, {IniSlot::AllFont, state.recIni}}));

        const QByteArray bytes = readAll(file.path());
        QCOMPARE(bytes.size(), 408);
        QCOMPARE(bytes.mid(153, 51), padded("[Setting]", 17) + QByteArray("\x01\x00\x01\x00", 4) +
                                         QByteArray("ALAEOfDCWSOnUISPOfISOMOf      "));
        QCOMPARE(bytes.mid(357, 51),
                 padded("[AllFont]", 17) + QByteArray("\x01\x00\x01\x00", 4) + padded("Normal", 30));
        QCOMPARE(bytes.mid(204, 153), QByteArray(153, '\0')); // slots 5-7 never written
    }

    void fieldsAreCutAndEncoded_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("longer than 30 is cut")
            << QStringLiteral("a-song-name-that-is-longer-than-thirty") << QByteArray("a-song-name-that-is-longer-tha");
        QTest::newRow("latin-1 kept as one byte") << QStringLiteral("caf\u00e9") << padded("caf\xe9", 30);
        QTest::newRow("outside latin-1 becomes ?") << QStringLiteral("\u65e5\u672c") << padded("??", 30);
    }
    void fieldsAreCutAndEncoded()
    {
        QFETCH(QString, value);
        QFETCH(QByteArray, stored);
        IniRecord rec;
        rec.sSection = QStringLiteral("[SongName]");
        rec.sData = value;
        const QByteArray bytes = rec.toBytes();
        QCOMPARE(bytes.size(), IniRecord::kSize);
        QCOMPARE(bytes.mid(21), stored);
    }

    void negativeIntegersRoundTrip()
    {
        IniRecord rec;
        rec.iData1 = -32768;
        rec.iData2 = -2;
        const IniRecord back = IniRecord::fromBytes(rec.toBytes());
        QCOMPARE(back.iData1, qint16(-32768));
        QCOMPARE(back.iData2, qint16(-2));
    }

    // Writing never shrinks the file and never touches other slots; a gap is zero-filled.
    void writeKeepsOtherSlots()
    {
        const QString app = m_dir->path() + QStringLiteral("/");
        SettingsFile file(app);
        QByteArray original(500, 'x'); // longer than 8 slots: foreign tail bytes stay
        writeAll(file.path(), original);
        IniRecord rec;
        rec.sSection = kSectionFontSize;
        rec.iData1 = 14;
        QVERIFY(file.writeSlot(IniSlot::FontSize, rec));
        const QByteArray bytes = readAll(file.path());
        QCOMPARE(bytes.size(), 500);
        QCOMPARE(bytes.left(306), original.left(306));
        QCOMPARE(bytes.mid(306, 51), rec.toBytes());
        QCOMPARE(bytes.mid(357), original.mid(357));
        QCOMPARE(file.readSlot(IniSlot::FontSize)->iData1, qint16(14));
    }

    void writeCreatesMissingFolder()
    {
        const QString app = m_dir->path() + QStringLiteral("/not/yet/");
        IniRecord rec;
        rec.sSection = kSectionTimeInputLoc;
        QVERIFY(SettingsFile(app).writeSlot(IniSlot::TimeInputLoc, rec));
        QCOMPARE(readAll(app + QStringLiteral("ixo.ini")).size(), 51);
    }

    void unwritableFolderReportsFailure()
    {
        if (geteuid() == 0)
            QSKIP("root writes anywhere");
        const QString app = m_dir->path() + QStringLiteral("/ro/");
        QVERIFY(QDir().mkpath(app));
        QFile::setPermissions(app, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QVERIFY(!SettingsFile(app).writeSlot(1, IniRecord()));
    }

    // Short, empty or garbage files are read without a crash; missing slots are simply absent.
    void damagedFilesRead_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("slot8Present");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("short of slot 8") << QByteArray(400, '\xff') << false;
        QTest::newRow("garbage, long enough") << QByteArray(4096, '\xa5') << true;
        QTest::newRow("zero bytes") << QByteArray(408, '\0') << true;
    }
    void damagedFilesRead()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, slot8Present);
        const QString app = m_dir->path() + QStringLiteral("/");
        SettingsFile file(app);
        writeAll(file.path(), content);
        QCOMPARE(file.readSlot(8).has_value(), slot8Present);
        QVERIFY(!file.readSlot(0).has_value());
        QVERIFY(!file.readSlot(9).has_value());
        const StartupSettings s = readStartupSettings(file);
        QVERIFY(s.fileExists);
        QVERIFY(!s.autoLoadAlarms);
        QVERIFY(!s.startWallpaper);
        QCOMPARE(s.iFontChoice, qint16(3));
    }

    void startupValues_data()
    {
        QTest::addColumn<QString>("slot4");
        QTest::addColumn<QString>("slot5");
        QTest::addColumn<QString>("slot8");
        QTest::addColumn<bool>("autoLoad");
        QTest::addColumn<bool>("wallpaper");
        QTest::addColumn<int>("font");
        QTest::newRow("auto load, Times") << "ALAEOnDCWSOf"
                                          << ""
                                          << "TimesNewRoman" << true << false << 2;
        QTest::newRow("auto load off, Arial") << "ALAEOfDCWSOn"
                                              << "Checked"
                                              << "Arial" << false << true << 1;
        QTest::newRow("leading blanks trimmed") << "  ALAEOn"
                                                << " Check"
                                                << "  Arial" << true << false << 1;
        QTest::newRow("case matters") << "alaeon"
                                      << "check"
                                      << "arial" << false << false << 3;
        QTest::newRow("normal") << ""
                                << ""
                                << "Normal" << false << false << 3;
    }
    void startupValues()
    {
        QFETCH(QString, slot4);
        QFETCH(QString, slot5);
        QFETCH(QString, slot8);
        const QString app = m_dir->path() + QStringLiteral("/");
        SettingsFile file(app);
        IniRecord r4, r5, r8;
        r4.sSection = QStringLiteral("anything"); // section names are not checked at start-up
        r4.sData = slot4;
        r5.sData = slot5;
        r8.sData = slot8;
        QVERIFY(file.writeSlots({{4, r4}, {5, r5}, {8, r8}}));
        const StartupSettings s = readStartupSettings(file);
        QTEST(s.autoLoadAlarms, "autoLoad");
        QTEST(s.startWallpaper, "wallpaper");
        QTEST(int(s.iFontChoice), "font");
    }

    void recordIntsRoundHalfToEvenAndClamp_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("stored");
        QTest::newRow("10.5") << 10.5 << 10;
        QTest::newRow("11.5") << 11.5 << 12;
        QTest::newRow("12.5") << 12.5 << 12;
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
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
