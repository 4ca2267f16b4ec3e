// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <memory>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "core/alarms/alarm_lists.h"
#include "core/alarms/alarm_set_logic.h"
#include "core/io/settings_file.h"
#include "core/startup/translations.h"
#include "core/state/shared_state.h"

class TestAlarmSetLogic : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_state = std::make_unique<SharedState>();
        m_state->appPath = m_dir->path() + "/";
        m_state->setStartupDefaults();
    }

    // Wave files by their ending in any case, sorted by name ignoring case; other files and folders stay out; a
    // sound's file is found whatever the case of its name. An installed Ixo offers the delivered sounds beside the
    // user's own; the user's copy of a name wins.
    void waveFiles()
    {
        const QString app = m_state->appPath;
        m_state->sharePath = app + "share/"; // delivered sounds
        QVERIFY(QDir(app).mkdir("folder.wav") && QDir(app).mkdir("share"));
        for (const char* name : {"b.WAV", "a.wav", "C.Wav", "Ding.wav", "notes.txt", "wav", ".wav", "x.wav.bak",
                                 "share/ding.wav", "share/bell.wav"})
            QVERIFY(QFile(app + name).open(QIODevice::WriteOnly));
        QCOMPARE(AlarmSet::songNames(*m_state), (QStringList{"a", "b", "bell", "C", "Ding"}));
        QCOMPARE(AlarmSet::songPath(*m_state, "ding"), app + "Ding.wav");
        QCOMPARE(AlarmSet::songPath(*m_state, "bell"), m_state->sharePath + "bell.wav");
        QCOMPARE(AlarmSet::songPath(*m_state, "B"), app + "b.WAV");
        QCOMPARE(AlarmSet::songPath(*m_state, "gong"), app + "gong.wav");
    }

    // A picked sound is used by every alarm from then on, also when slot 3 cannot be written; slot 3 holds its
    // name (in any script) and no integers left in the shared record; a name too long for it is refused (the
    // window's next load keeps it: the window tests).
    void songClickWritesSlot3()
    {
        const QString app = m_state->appPath;
        m_state->settingsRecord = IniRecord{kSectionSetting, 7, 7, "left over"};
        const QString cyrillic = QStringLiteral("\u0411\u0443\u0434\u0438\u043b\u044c\u043d\u0438\u043a");
        QCOMPARE(AlarmSet::chooseSong(*m_state, cyrillic), QString());
        QCOMPARE(m_state->alarmSoundPath, app + cyrillic + ".wav");
        const IniRecord slot3 = *m_state->settingsFile().readSlot(IniSlot::SongName);
        QCOMPARE(QStringList({slot3.section(), slot3.value()}), (QStringList{"[SongName]", cyrillic}));
        QCOMPARE(QPoint(slot3.data1, slot3.data2), QPoint(0, 0));
        const QString longName = cyrillic + cyrillic;
        QCOMPARE(AlarmSet::chooseSong(*m_state, longName),
                 longName +
                     " is used until Ixo ends but cannot be remembered: a sound name may take at most 30 "
                     "bytes in " +
                     app + "ixo.ini");
        QCOMPARE(m_state->alarmSoundPath, app + longName + ".wav");
    }

    // Exit stores the place in slot 1 (left in data1, top in data2), clamped into 16 bits, and tells whether
    // events are left.
    void exitWritesSlot1()
    {
        AlarmDataList alarms;
        m_state->alarmSetOpen = true;
        QVERIFY(AlarmSet::storePlaceOnExit(*m_state, alarms, QPoint(40000, -40000)));
        QCOMPARE(m_state->alarmSetOpen, false);
        QCOMPARE(m_state->settingsFile().readSlot(1)->toBytes().left(21),
                 "[TimeInputLoc]   " + QByteArray::fromHex("ff7f0080")); // clamped into 16 bits

        alarms.insertSorted("once 20:00:00");
        AlarmSet::storePlaceOnExit(*m_state, alarms, QPoint(0, 0));
        QCOMPARE(m_state->alarmSetOpen, true);
    }

    // The load reads slots 1, 3 and 4; a slot with another section name is not used (and no settings file at all,
    // the end-to-end alarm scenario).
    void loadReadsPlaceSongAndSoundChecks()
    {
        const QString app = m_state->appPath;
        QVERIFY(QFile(app + "Gong.WAV").open(QIODevice::WriteOnly));
        for (const bool ours : {true, false}) {
            QVERIFY(m_state->settingsFile().writeSlots(
                {{1, IniRecord{ours ? kSectionTimeInputLoc : "[MessaegInputLoc]", 320, -12, {}}},
                 {3, IniRecord{ours ? kSectionSongName : "[Song]", 0, 0, "  gong  "}},
                 {4, IniRecord{ours ? kSectionSetting : "[AllFont]", 0, 1, "ALAEOfDCWSOfUISPOfISOMOf"}}}));
            m_state->alarmSoundPath = app + "ding.wav";
            const AlarmSet::StoredSettings stored = AlarmSet::loadStoredSettings(*m_state);
            QCOMPARE(stored.position, ours ? std::optional<QPoint>(QPoint(320, -12)) : std::nullopt);
            QCOMPARE(m_state->alarmSoundPath, app + (ours ? "Gong.WAV" : "ding.wav"));
            QCOMPARE(stored.soundChecks, ours ? std::optional(std::pair<qint16, qint16>(0, 1)) : std::nullopt);
        }
    }

    // The title is English in the English form whatever the locale; in the locale's form only with a translation.
    // English first in the user's languages, or a C locale, keeps the source texts.
    void titleInTheUserLanguage()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QDateTime evening(QDate(2026, 12, 16), QTime(19, 30));
        const QString english = "Tindalo Alarm Clock...16 Dec 2026 / 07:30 PM";
        for (const auto& [languages, title] :
             {std::pair{QStringList{"en-GB", "de-DE"}, english},
              {Translations::userLanguages(QLocale::c()), english},
              {QStringList{"de-AT", "fr"}, "Tindalo-Wecker...16. Dez. 2026 / 19:30"}}) {
            Translations translations;
            translations.install(languages, ":/i18n", QString());
            QCOMPARE(AlarmSet::title(evening), title);
        }
        QLocale::setDefault(QLocale::c());
        QCOMPARE(AlarmSet::amPmAt(QDateTime(QDate(2026, 1, 1), QTime(11, 59, 59))) +
                     AlarmSet::amPmAt(QDateTime(QDate(2026, 1, 1), QTime(12, 0))),
                 "AMPM");
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SharedState> m_state;
};

QTEST_GUILESS_MAIN(TestAlarmSetLogic)
#include "test_alarm_set_logic.moc"
