#include "platform/linux/desktop_window_services.h"

#include <QApplication>
#include <QWidget>

void DesktopWindowServices::setTopmost(QWidget* window)
{
    if (!window || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        return;
    const bool wasVisible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (wasVisible)
        window->show(); // changing window flags hides a shown window
}

void DesktopWindowServices::bringToFront(QWidget* window)
{
    if (!window)
        return;
    window->raise();
    window->activateWindow();
}

void DesktopWindowServices::beep()
{
    QApplication::beep();
}
