// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/sound_on_demand.h"

#include <QDir>
#include <QFileInfo>

#include "platform/linux/sound_module.h"

SoundOnDemand::SoundOnDemand(QStringList modulePaths, QString soundFont, int idleCloseMs)
    : m_modulePaths(std::move(modulePaths)), m_soundFont(std::move(soundFont)), m_idleCloseMs(idleCloseMs)
{
}

SoundOnDemand::~SoundOnDemand()
{
    // The backend's code lives in the library, so it goes first; the library itself stays mapped until the
    // process ends (its sound threads and atexit handlers may still point into it).
    m_backend.reset();
}

QStringList SoundOnDemand::modulePaths(const QString& executableFolder)
{
    const QDir folder(executableFolder);
    const QString name = QString::fromLatin1(SoundModule::kFileName);
    return {folder.filePath(name), QDir::cleanPath(folder.filePath(QStringLiteral("../libexec/ixo/") + name))};
}

SoundBackend* SoundOnDemand::backend()
{
    if (!m_backend)
        load();
    return m_backend.get();
}

bool SoundOnDemand::load()
{
    QString path;
    for (const QString& candidate : std::as_const(m_modulePaths)) {
        if (QFileInfo(candidate).isFile()) {
            path = candidate;
            break;
        }
    }
    if (path.isEmpty()) {
        m_failure = QStringLiteral("Ixo's sound module %1 is missing (looked for %2).")
                        .arg(QString::fromLatin1(SoundModule::kFileName), m_modulePaths.join(QStringLiteral(", ")));
        return false;
    }
    m_library.setFileName(path);
    m_library.setLoadHints(QLibrary::PreventUnloadHint);
    if (!m_library.load()) {
        m_failure = QStringLiteral("Ixo's sound module cannot be loaded: %1").arg(m_library.errorString());
        return false;
    }
    const auto version = reinterpret_cast<SoundModule::VersionFunction>(m_library.resolve(SoundModule::kVersionSymbol));
    const auto create = reinterpret_cast<SoundModule::CreateFunction>(m_library.resolve(SoundModule::kCreateSymbol));
    if (!version || !create || version() != SoundModule::kInterfaceVersion) {
        m_failure = QStringLiteral("Ixo's sound module %1 belongs to another version of Ixo.").arg(path);
        return false;
    }
    m_backend.reset(create(QFile::encodeName(m_soundFont).constData(), m_idleCloseMs));
    m_failure.clear();
    return true;
}

bool SoundOnDemand::Wave::play(const QString& path)
{
    // Silencing the channel needs no module when nothing can be playing.
    if (path.isEmpty() && !m_sound.isLoaded())
        return true;
    SoundBackend* backend = m_sound.backend();
    return backend && backend->wave().play(path);
}

bool SoundOnDemand::Player::playWave(const QString& times, const QString& path)
{
    SoundBackend* backend = m_sound.backend();
    return backend && backend->wavePlayer().playWave(times, path);
}

int SoundOnDemand::Midi::sendCommand(const QString& command)
{
    if (!m_sound.isLoaded() && command.startsWith(QLatin1String("close ")))
        return kModuleMissing; // nothing can be open
    SoundBackend* backend = m_sound.backend();
    return backend ? backend->midi().sendCommand(command) : kModuleMissing;
}

QString SoundOnDemand::Midi::failureReason() const
{
    return m_sound.isLoaded() ? m_sound.backend()->midi().failureReason() : m_sound.failureReason();
}

bool SoundOnDemand::Tones::isPresent()
{
    SoundBackend* backend = m_sound.backend();
    return backend && backend->tones().isPresent();
}

void SoundOnDemand::Tones::playTones(const QList<SpeakerTone>& tones)
{
    if (SoundBackend* backend = m_sound.backend())
        backend->tones().playTones(tones);
}

// Nothing sounds before the module is loaded, so asking never loads it.
bool SoundOnDemand::Player::isPlaying()
{
    return m_sound.isLoaded() && m_sound.backend()->wavePlayer().isPlaying();
}

bool SoundOnDemand::Midi::isPlaying()
{
    return m_sound.isLoaded() && m_sound.backend()->midi().isPlaying();
}

bool SoundOnDemand::Tones::isSounding()
{
    return m_sound.isLoaded() && m_sound.backend()->tones().isSounding();
}
