// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QWidget>

class QMenu;

// Stands in for the notification area when the desktop has none: the tray menu's items as buttons.
class TrayFallbackWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayFallbackWindow)
public:
    /// Offers the items of the tray menu `menu`.
    explicit TrayFallbackWindow(const QMenu& menu, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
};
