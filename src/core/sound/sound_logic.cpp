// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/sound/sound_logic.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/sound/speaker_sweep.h"
#include "core/state/shared_state.h"
#include "core/state/translated.h"
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

void SoundLogic::stopSound()
{
    m_services.wave.play(QString());
    m_services.midi.sendCommand(QStringLiteral("close ") + kMidiAlias);
    m_state.setSpeakerRepeat(false);
}

bool SoundLogic::isSounding()
{
    return m_state.speakerRepeat() || m_services.wavePlayer.isPlaying() || m_services.midi.isPlaying() ||
           m_services.speaker.isSounding();
}

QString SoundLogic::speakerWarningText()
{
    return QStringLiteral(
        QT_TRANSLATE_NOOP("Messages", "cannot play sound from internal speaker, refer to trouble shooting in help"));
}

void SoundLogic::playSound(const QString& playTimes, const QString& soundPath)
{
    if (!m_state.soundOn)
        return;

    if (m_state.useInternalSpeaker) {
        if (speakerPresent()) {
            playSpeakerTimes(playTimes);
            return;
        }
        m_services.warnings.warn(speakerWarningText());
    }

    m_services.wave.play(QString());
    if (m_services.wavePlayer.playWave(playTimes, soundPath))
        return;

    if (m_state.speakerInsteadOfMidi) {
        if (speakerPresent()) {
            playSpeakerTimes(playTimes);
        } else {
            reportWaveFailure();
            m_services.warnings.warn(speakerWarningText());
        }
    } else {
        reportWaveFailure();
    }
}

void SoundLogic::reportWaveFailure()
{
    // The shared song path is tested, whatever wave was asked for.
    if (!QFileInfo(m_state.alarmSoundPath).isFile()) {
        showSystemModal(
            translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "%1, wave file not found, alarm at %2")))
                .arg(m_state.alarmSoundPath.mid(7), m_state.nextAlarm));
    } else if (m_state.showSoundErrors && m_state.soundOn) {
        playTune();
    }
}

void SoundLogic::playTune()
{
    if (!m_state.soundOn)
        return;

    const QString cannotPlay =
        translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Error found, Sound cannot be played, alarm at %1")))
            .arg(m_state.nextAlarm);
    const QString source = m_state.deliveredFile(QStringLiteral("air.mid"));
    // A copy that cannot be written is told, and the tune is not played: the older copy may be another tune.
    if (QString reason; QFileInfo(source).isFile() && !copyTune(source, &reason)) {
        m_services.warnings.warn(
            translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "%1 could not be written: %2")))
                .arg(m_tuneCopyPath, reason));
        showSystemModal(cannotPlay);
        return;
    }

    MidiSequencer& midi = m_services.midi;
    midi.sendCommand(QStringLiteral("close ") + kMidiAlias);
    midi.sendCommand(QStringLiteral("open ") + m_tuneCopyPath + QStringLiteral(" type sequencer alias ") + kMidiAlias);
    if (midi.sendCommand(QStringLiteral("play ") + kMidiAlias) != 0) {
        QString text = cannotPlay;
        if (const QString reason = midi.failureReason(); !reason.isEmpty())
            text += QStringLiteral("\n\n") + reason;
        showSystemModal(text);
    }
}

void SoundLogic::playSpeakerSweep()
{
    m_services.speaker.playTones(speakerSweep());
}

void SoundLogic::playSpeakerTimes(const QString& playTimes)
{
    int count = 0;
    if (playTimes == QLatin1String("once")) {
        count = 1;
    } else if (playTimes == QLatin1String("twice")) {
        count = 2;
    } else if (playTimes == QLatin1String("thrice")) {
        count = 3;
    } else if (playTimes == QLatin1String("repeat")) {
        // The clock plays one sweep per tick from now on, until Stop.
        m_state.setSpeakerRepeat(true);
    }
    for (int i = 0; i < count; ++i) {
        playSpeakerSweep();
        if (processEvents)
            processEvents();
    }
}

bool SoundLogic::speakerPresent()
{
    return m_services.speaker.isPresent();
}

void SoundLogic::showSystemModal(const QString& text)
{
    m_state.trayActive = false;
    m_services.clock.holdClock();
    m_services.modalBox.showOk(text);
    m_services.clock.releaseClock();
    m_state.trayActive = true;
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
