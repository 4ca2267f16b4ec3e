#include "platform/linux/canberra_event_sound.h"

#include <canberra.h>

CanberraEventSound::~CanberraEventSound()
{
    if (m_context)
        ca_context_destroy(m_context);
}

bool CanberraEventSound::play(const QString& eventId)
{
    if (!m_context && !m_failed) {
        if (ca_context_create(&m_context) != CA_SUCCESS) {
            m_context = nullptr;
            m_failed = true;
        } else {
            ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "Ixo", CA_PROP_APPLICATION_ID, "Ixo", nullptr);
        }
    }
    if (!m_context)
        return false;
    const QByteArray id = eventId.toUtf8();
    return ca_context_play(m_context, 0, CA_PROP_EVENT_ID, id.constData(), CA_PROP_CANBERRA_CACHE_CONTROL, "permanent",
                           nullptr) == CA_SUCCESS;
}
