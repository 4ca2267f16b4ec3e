// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/canberra_event_sound.h"

#include <canberra.h>

#include <QLibrary>

// libcanberra is loaded with the first event sound, not at start-up: most runs never beep.
struct CanberraEventSound::Library
{
    using Create = int (*)(ca_context**);
    using Destroy = int (*)(ca_context*);
    using WithProps = int (*)(ca_context*, ...);
    using Play = int (*)(ca_context*, uint32_t, ...);

    bool load()
    {
        QLibrary library(QStringLiteral("canberra"), 0);
        library.setLoadHints(QLibrary::PreventUnloadHint);
        if (!library.load())
            return false;
        create = reinterpret_cast<Create>(library.resolve("ca_context_create"));
        destroy = reinterpret_cast<Destroy>(library.resolve("ca_context_destroy"));
        changeProps = reinterpret_cast<WithProps>(library.resolve("ca_context_change_props"));
        play = reinterpret_cast<Play>(library.resolve("ca_context_play"));
        return create && destroy && changeProps && play;
    }

    Create create = nullptr;
    Destroy destroy = nullptr;
    WithProps changeProps = nullptr;
    Play play = nullptr;
};

CanberraEventSound::CanberraEventSound() = default;

CanberraEventSound::~CanberraEventSound()
{
    if (m_context)
        m_library->destroy(m_context);
}

bool CanberraEventSound::play(const QString& eventId)
{
    if (!m_context && !m_failed) {
        m_library = std::make_unique<Library>();
        if (!m_library->load() || m_library->create(&m_context) != CA_SUCCESS) {
            m_context = nullptr;
            m_failed = true;
        } else {
            m_library->changeProps(m_context, CA_PROP_APPLICATION_NAME, "Ixo", CA_PROP_APPLICATION_ID, "Ixo", nullptr);
        }
    }
    if (!m_context)
        return false;
    const QByteArray id = eventId.toUtf8();
    return m_library->play(m_context, 0, CA_PROP_EVENT_ID, id.constData(), CA_PROP_CANBERRA_CACHE_CONTROL, "permanent",
                           nullptr) == CA_SUCCESS;
}
