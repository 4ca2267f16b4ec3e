// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/sdl_midi_sequencer.h"

#include <QFile>
#include <QFileInfo>

#include "platform/linux/sdl_audio.h"

namespace {
const QString kOpenPrefix = QStringLiteral("open ");
const QString kOpenSuffix = QStringLiteral(" type sequencer alias tmpMidiPlay");
const QString kPlay = QStringLiteral("play tmpMidiPlay");
const QString kClose = QStringLiteral("close tmpMidiPlay");
} // namespace

int SdlMidiSequencer::sendCommand(const QString& command)
{
    if (command == kPlay) {
        if (!m_isOpen)
            return NotOpen;
        return m_audio.playMidi() ? 0 : CannotPlay;
    }
    if (command == kClose) {
        if (!m_isOpen)
            return NotOpen;
        m_audio.freeMidi();
        m_isOpen = false;
        return 0;
    }
    // The file name sits between the fixed words and may itself hold spaces.
    if (command.size() > kOpenPrefix.size() + kOpenSuffix.size() && command.startsWith(kOpenPrefix) &&
        command.endsWith(kOpenSuffix))
        return open(command.mid(kOpenPrefix.size(), command.size() - kOpenPrefix.size() - kOpenSuffix.size()));
    return UnknownCommand;
}

int SdlMidiSequencer::open(const QString& path)
{
    if (m_isOpen)
        return AlreadyOpen;
    if (!QFileInfo(path).isFile())
        return FileNotFound;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.read(4) != "MThd")
        return NotMidi;
    if (!QFileInfo(m_audio.soundFont()).isReadable())
        return NoSoundFont;
    if (!m_audio.open())
        return NoDevice;
    if (!m_audio.loadMidi(path))
        return NotMidi;
    m_isOpen = true;
    return 0;
}

bool SdlMidiSequencer::isPlaying()
{
    return m_audio.isMidiPlaying();
}
