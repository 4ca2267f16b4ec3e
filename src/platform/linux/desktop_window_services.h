#pragma once

#include "platform/window_services.h"

// Window requests through Qt: the stay-on-top hint, raise + activate, QApplication::beep.
class DesktopWindowServices final : public WindowServices
{
public:
    void setTopmost(QWidget* window) override;
    void bringToFront(QWidget* window) override;
    void beep() override;
};
