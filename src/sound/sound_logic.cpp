// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "sound/sound_logic.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "app/shared_state.h"
#include "app/warnings.h"
#include "platform/modal_box.h"
#include "platform/sound_devices.h"
#include "sound/speaker_sweep.h"

namespace {
const QString kMidiAlias = QStringLiteral("tmpMidiPlay");
// A MIDI tune is a few kilobytes; anything far bigger is not the tune.
constexpr qint64 kMaxTuneBytes = 16 * 1024 * 1024;
} // namespace

Form9::Form9(Module1& state, const SoundServices& services, QString tuneCopyPath)
    : m_state(state), m_services(services), m_tuneCopyPath(std::move(tuneCopyPath))
{
}

void Form9::StopSound()
{
    m_services.wave.sndPlaySound(QString());
    m_services.mci.mciSendString(QStringLiteral("close ") + kMidiAlias);
    m_state.setISRepeat(kFalse);
}

QString Form9::speakerWarningText()
{
    return QStringLiteral("cannot play sound from internal speaker, refer to trouble shooting in help");
}

void Form9::PlaySound(const QString& strTimes, const QString& sSoundName)
{
    if (m_state.bSoundOn == kFalse)
        return;

    if (m_state.bUseInternalSpeaker == kTrue) {
        if (Win95ioPresent()) {
            SpeakerPlayTimes(strTimes);
            return;
        }
        m_services.warnings.AnswerOk(speakerWarningText());
    }

    m_services.wave.sndPlaySound(QString());
    qint16 iCanPlay = kTrue;
    m_services.wavePlayer.PlayWave(strTimes, sSoundName, iCanPlay);
    if (iCanPlay != 0)
        return;

    if (m_state.bISInsteadMidi == kTrue) {
        if (Win95ioPresent()) {
            SpeakerPlayTimes(strTimes);
        } else {
            eErrorSong(iCanPlay);
            m_services.warnings.AnswerOk(speakerWarningText());
        }
    } else {
        eErrorSong(iCanPlay);
    }
}

void Form9::eErrorSong(qint16& iCanPlay)
{
    // The shared song path is tested, whatever wave was asked for.
    if (!QFileInfo(m_state.strSongPath).isFile()) {
        showSystemModal(m_state.strSongPath.mid(7) + QStringLiteral(", wave file not found, alarm at ") +
                        m_state.strNextAlarm);
    } else if (iCanPlay == 0 && m_state.bErrMsgPop == kTrue && m_state.bSoundOn == kTrue) {
        MidiSound();
    }
}

void Form9::MidiSound()
{
    if (m_state.bSoundOn == kFalse)
        return;

    const QString source = m_state.deliveredFile(QStringLiteral("air.mid"));
    if (QFileInfo(source).isFile())
        copyTune(source);

    MciDevice& mci = m_services.mci;
    mci.mciSendString(QStringLiteral("close ") + kMidiAlias);
    mci.mciSendString(QStringLiteral("open ") + m_tuneCopyPath + QStringLiteral(" type sequencer alias ") + kMidiAlias);
    if (mci.mciSendString(QStringLiteral("play ") + kMidiAlias) != 0) {
        QString text = QStringLiteral("Error found, Sound cannot be played, alarm at ") + m_state.strNextAlarm;
        if (const QString reason = mci.failureReason(); !reason.isEmpty())
            text += QStringLiteral("\n\n") + reason;
        showSystemModal(text);
    }
}

void Form9::InternalSpeaker()
{
    m_services.speaker.playTones(speakerSweep());
}

void Form9::SpeakerPlayTimes(const QString& strTimes)
{
    int count = 0;
    if (strTimes == QLatin1String("once")) {
        count = 1;
    } else if (strTimes == QLatin1String("twice")) {
        count = 2;
    } else if (strTimes == QLatin1String("thrice")) {
        count = 3;
    } else if (strTimes == QLatin1String("repeat")) {
        // The clock plays one sweep per tick from now on, until Stop.
        m_state.setISRepeat(kTrue);
    }
    for (int i = 0; i < count; ++i) {
        InternalSpeaker();
        if (processEvents)
            processEvents();
    }
}

bool Form9::Win95ioPresent()
{
    return m_services.speaker.isPresent();
}

void Form9::showSystemModal(const QString& text)
{
    // A clock the user has disabled stays stopped after the box.
    const bool clockWasRunning = m_services.clock.isClockRunning();
    m_state.bTrayActive = kFalse;
    m_services.clock.stopClock();
    m_services.modalBox.showOk(text);
    if (clockWasRunning)
        m_services.clock.startClock();
    m_state.bTrayActive = kTrue;
}

void Form9::copyTune(const QString& source)
{
    const QFileInfo target(m_tuneCopyPath);
    QDir folder = target.absoluteDir();
    if (!folder.mkpath(QStringLiteral(".")))
        return;
    // The copy lives in a folder only its owner can enter.
    if (!QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return;

    QFile in(source);
    if (in.size() > kMaxTuneBytes || !in.open(QIODevice::ReadOnly))
        return;
    const QByteArray tune = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return;
    QSaveFile out(m_tuneCopyPath);
    if (!out.open(QIODevice::WriteOnly))
        return;
    out.write(tune);
    out.commit();
}
