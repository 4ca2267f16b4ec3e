// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/sound/sound_logic.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/sound/speaker_sweep.h"
#include "core/state/shared_state.h"
#include "core/state/warnings.h"
#include "platform/file_writer.h"
#include "platform/modal_box.h"
#include "platform/sound_devices.h"

namespace {
const QString kMidiAlias = QStringLiteral("tmpMidiPlay");
// A MIDI tune is a few kilobytes; anything far bigger is not the tune.
constexpr qint64 kMaxTuneBytes = 16 * 1024 * 1024;
} // namespace

SoundLogic::SoundLogic(SharedState& state, const SoundServices& services, QString tuneCopyPath)
    : m_state(state), m_services(services), m_tuneCopyPath(std::move(tuneCopyPath))
{
}

void SoundLogic::StopSound()
{
    m_services.wave.sndPlaySound(QString());
    m_services.mci.mciSendString(QStringLiteral("close ") + kMidiAlias);
    m_state.setISRepeat(kFalse);
}

QString SoundLogic::speakerWarningText()
{
    return QStringLiteral("cannot play sound from internal speaker, refer to trouble shooting in help");
}

void SoundLogic::PlaySound(const QString& strTimes, const QString& sSoundName)
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

void SoundLogic::eErrorSong(qint16& iCanPlay)
{
    // The shared song path is tested, whatever wave was asked for.
    if (!QFileInfo(m_state.strSongPath).isFile()) {
        showSystemModal(m_state.strSongPath.mid(7) + QStringLiteral(", wave file not found, alarm at ") +
                        m_state.strNextAlarm);
    } else if (iCanPlay == 0 && m_state.bErrMsgPop == kTrue && m_state.bSoundOn == kTrue) {
        MidiSound();
    }
}

void SoundLogic::MidiSound()
{
    if (m_state.bSoundOn == kFalse)
        return;

    const QString cannotPlay = QStringLiteral("Error found, Sound cannot be played, alarm at ") + m_state.strNextAlarm;
    const QString source = m_state.deliveredFile(QStringLiteral("air.mid"));
    // A copy that cannot be written is told, and the tune is not played: the older copy may be another tune.
    if (QString reason; QFileInfo(source).isFile() && !copyTune(source, &reason)) {
        m_services.warnings.AnswerOk(m_tuneCopyPath + QStringLiteral(" could not be written: ") + reason);
        showSystemModal(cannotPlay);
        return;
    }

    MidiSequencer& mci = m_services.mci;
    mci.mciSendString(QStringLiteral("close ") + kMidiAlias);
    mci.mciSendString(QStringLiteral("open ") + m_tuneCopyPath + QStringLiteral(" type sequencer alias ") + kMidiAlias);
    if (mci.mciSendString(QStringLiteral("play ") + kMidiAlias) != 0) {
        QString text = cannotPlay;
        if (const QString reason = mci.failureReason(); !reason.isEmpty())
            text += QStringLiteral("\n\n") + reason;
        showSystemModal(text);
    }
}

void SoundLogic::InternalSpeaker()
{
    m_services.speaker.playTones(speakerSweep());
}

void SoundLogic::SpeakerPlayTimes(const QString& strTimes)
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

bool SoundLogic::Win95ioPresent()
{
    return m_services.speaker.isPresent();
}

void SoundLogic::showSystemModal(const QString& text)
{
    m_state.bTrayActive = kFalse;
    m_services.clock.holdClock();
    m_services.modalBox.showOk(text);
    m_services.clock.releaseClock();
    m_state.bTrayActive = kTrue;
}

bool SoundLogic::copyTune(const QString& source, QString* reason)
{
    QFile in(source);
    if (in.size() > kMaxTuneBytes || !in.open(QIODevice::ReadOnly))
        return true;
    const QByteArray tune = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return true;
    // The copy lives in a folder only its owner can enter; one that cannot be made so is not written to.
    const QString folder = QFileInfo(m_tuneCopyPath).absolutePath();
    if (QDir().mkpath(folder) &&
        !QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        *reason = QStringLiteral("the folder cannot be made private");
        return false;
    }
    return writeWholeFile(m_tuneCopyPath, tune, reason);
}
