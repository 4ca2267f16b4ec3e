// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "core/settings/settings_store.h"
#include "core/state/shared_state.h"
#include "sound_files.h"

using SoundFiles::readFile;
using SoundFiles::writeFile;

namespace {
QByteArray slotBytes(const char* section, const QByteArray& value, qint16 data1 = 0, qint16 data2 = 0)
{
    const auto int16 = [](qint16 n) { return QByteArray(1, char(n & 0xff)) + char(quint16(n) >> 8); };
    return QByteArray(section).leftJustified(17) + int16(data1) + int16(data2) + value.leftJustified(30);
}
} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A write patches only its slot: a gap before it is zero-filled, the file never shrinks, foreign bytes after
    // the eight slots stay, and a missing program folder is made. Texts are stored in Windows-1252 when they fit,
    // else in UTF-8, and cut to the field's width between characters; they read back as they were stored. Numbers
    // are rounded half to even and clamped to 16 bits.
    void writePatchesOnlyItsSlot_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("stored");
        const QString emoji = QStringLiteral("\U0001F600");
        QTest::newRow("no folder, cut to 30") << QByteArray() << 3 << QString(31, 'a') << QByteArray(30, 'a');
        QTest::newRow("1252") << QByteArray(60, 'x') << 8 << "\u00e9 \u20ac\u0081" << QByteArray("\xe9 \x80\x81");
        QTest::newRow("500 bytes, cut") << QByteArray(500, 'x') << 7 << emoji.repeated(8) << emoji.repeated(7).toUtf8();
    }
    void writePatchesOnlyItsSlot()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, slot);
        QFETCH(QString, value);
        QFETCH(QByteArray, stored);
        const SettingsFile file(app() + "not/yet/");
        QVERIFY(before.isEmpty() || (QDir().mkpath(app() + "not/yet/") && writeFile(file.path(), before)));
        QVERIFY(file.writeSlot(slot, IniRecord{kSectionSongName, toRecordInt(-1e6), toRecordInt(-2.5), value}));
        const int at = (slot - 1) * IniRecord::kSize;
        const QByteArray record = slotBytes("[SongName]", stored, -32768, -2);
        QCOMPARE(readFile(file.path()), before.leftJustified(at, '\0', true) + record + before.mid(at + 51));
        QCOMPARE(file.readSlot(slot)->toBytes(), record);
        QCOMPARE(IniRecord::fits(value), value == file.readSlot(slot)->value());
    }

    // Closing the Settings window writes "[Setting]" (the sound boxes' states, the four tokens) and "[AllFont]"
    // (with the same integers) in one go; no font choice yet (0) is "Normal". They read back as the boxes, the font
    // choice and the flags; a state other than 0 and 1 leaves its flag.
    void settingsWrittenTogetherAndReadBack_data()
    {
        QTest::addColumn<QList<qint16>>("boxes"); // sound on, error message, auto load, no second, speaker, MIDI; font
        QTest::addColumn<QString>("values");
        QTest::newRow("Arial") << QList<qint16>{0, 1, 1, 0, 1, 0, 1} << "ALAEOnDCWSOfUISPOnISOMOf Arial";
        QTest::newRow("Enlarge") << QList<qint16>{1, 0, 0, 0, 0, 1, 2} << "ALAEOfDCWSOfUISPOfISOMOn TimesNewRoman";
        QTest::newRow("odd states") << QList<qint16>{2, 0, 1, 1, 1, 1, 0} << "ALAEOnDCWSOnUISPOnISOMOn Normal";
    }
    void settingsWrittenTogetherAndReadBack()
    {
        QFETCH(QList<qint16>, boxes);
        QFETCH(QString, values);
        SharedState s;
        s.appPath = app();
        s.setStartupDefaults();
        const SettingChecks checks{boxes[0], boxes[1], boxes[2] == 1, boxes[3] == 1, boxes[4] == 1, boxes[5] == 1};
        const SettingsStore store(s.settingsFile());
        QVERIFY(store.writeSettings(s.settingsRecord, checks, boxes[6]));
        const QList<QByteArray> value = values.toLatin1().split(' ');
        QCOMPARE(readFile(store.file().path()),
                 QByteArray(153, '\0') + slotBytes("[Setting]", value[0], boxes[0], boxes[1]) + QByteArray(153, '\0') +
                     slotBytes("[AllFont]", value[1], boxes[0], boxes[1]));
        QVERIFY(store.settingChecks() == checks);
        applyStoredSettingChecks(s);
        QCOMPARE(
            (QList<bool>{s.soundOn, s.showSoundErrors, s.ignoreSeconds, s.useInternalSpeaker, s.speakerInsteadOfMidi}),
            (QList<bool>{boxes[0] != 0, boxes[1] == 1, boxes[3] == 1, boxes[4] == 1, boxes[5] == 1}));
    }

    // Start-up reads slots 4, 5 and 8 whatever their section names: slots 4 and 8 trimmed, slot 5 not. The
    // Settings window's boxes come only from a "[Setting]" record. A short file is read without a crash.
    void readValues_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<int>>("read"); // the file exists, auto load, wallpaper, font, a "[Setting]" record
        auto file = [](const char* section4, const char* slot4, const char* slot5, const char* slot8) {
            return QByteArray(153, '\0') + slotBytes(section4, slot4) + slotBytes("", slot5) + QByteArray(102, '\0') +
                   slotBytes("anything", slot8);
        };
        QTest::newRow("no file") << QByteArray() << QList<int>{0, 0, 0, 0, 0};
        QTest::newRow("foreign") << file("x", "ALAEOnDCWSOf", "Checked", "TimesNewRoman") << QList<int>{1, 1, 1, 2, 0};
        QTest::newRow("blanks") << file("  [Setting]", "  ALAEOn", " Check", "  Arial") << QList<int>{1, 1, 0, 1, 1};
        QTest::newRow("case matters") << file("[setting]", "alaeon", "check", "arial") << QList<int>{1, 0, 0, 3, 0};
        QTest::newRow("short") << file("[Setting]", "ALAEOn", "Check", "Arial").chopped(1) << QList<int>{1, 1, 1, 3, 1};
    }
    void readValues()
    {
        QFETCH(QByteArray, content);
        const SettingsStore store{SettingsFile(app())};
        QVERIFY(content.isNull() || (QDir().mkpath(app()) && writeFile(store.file().path(), content)));
        const StartupSettings s = store.startup();
        const bool setting = store.settingChecks().has_value();
        QTEST((QList<int>{s.fileExists, s.autoLoadAlarms, s.startWallpaper, s.fontChoice, setting}), "read");
    }

private:
    /// A program folder of its own for each data row.
    QString app() const { return m_dir.path() + '/' + QTest::currentDataTag() + '/'; }
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
