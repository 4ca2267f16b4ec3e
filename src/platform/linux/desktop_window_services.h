// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>

#include "platform/window_services.h"

class EventSound;

// Window requests through Qt: the stay-on-top hint, raise + activate. The beep is the sound theme's "bell",
// or the X bell (QApplication::beep) when the theme's sound cannot be played.
class DesktopWindowServices final : public WindowServices
{
public:
    explicit DesktopWindowServices(EventSound& sounds, std::function<void()> xBell = {});
    void setTopmost(QWidget* window) override;
    void bringToFront(QWidget* window) override;
    void beep() override;

private:
    EventSound& m_sounds;
    std::function<void()> m_xBell;
};
