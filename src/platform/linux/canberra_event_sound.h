// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <memory>

#include "platform/event_sound.h"

struct ca_context;

// Event sounds through libcanberra, from the XDG sound theme (the freedesktop theme when the desktop's own
// lacks the sound). The library and the connection to the sound server are taken at the first sound and kept.
class CanberraEventSound final : public EventSound
{
public:
    CanberraEventSound();
    ~CanberraEventSound() override;
    CanberraEventSound(const CanberraEventSound&) = delete;
    CanberraEventSound& operator=(const CanberraEventSound&) = delete;

    bool play(const QString& eventId) override;

private:
    struct Library;
    std::unique_ptr<Library> m_library;
    ca_context* m_context = nullptr;
    bool m_failed = false; // no context could be made: not tried again
};
