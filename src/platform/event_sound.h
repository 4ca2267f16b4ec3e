// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>

// The desktop's event sounds: the sounds of its sound theme, named by event ("bell", "dialog-warning", ...).
class EventSound
{
public:
    virtual ~EventSound() = default;
    /// Starts the theme's sound for `eventId` without waiting for it. False when it cannot be played (no sound
    /// theme holds it, no sound server, event sounds switched off).
    virtual bool play(const QString& eventId) = 0;
};
