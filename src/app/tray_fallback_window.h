#pragma once

#include <QWidget>

class Form1;

// Stands in for the notification area when the desktop has none: the tray menu's items as buttons.
class TrayFallbackWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayFallbackWindow)
public:
    explicit TrayFallbackWindow(Form1& form1, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
};
