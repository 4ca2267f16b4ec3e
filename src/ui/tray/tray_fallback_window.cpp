// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/tray/tray_fallback_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/common/tray_pictures.h"

TrayFallbackWindow::TrayFallbackWindow(const QMenu& menu, QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Ixo"));
    setWindowIcon(TrayPictures::normal());
    auto* layout = new QVBoxLayout(this);
    auto* why = new QLabel(tr("No notification area (system tray) was found on this desktop, so Ixo shows its menu "
                              "here. Alarms keep working while this window is minimized."),
                           this);
    why->setWordWrap(true);
    why->setMaximumWidth(280);
    layout->addWidget(why);
    for (QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        auto* button = new QToolButton(this);
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        layout->addWidget(button);
    }
}

void TrayFallbackWindow::closeEvent(QCloseEvent* event)
{
    // Closing the only way to reach the menu would strand the program: minimize instead.
    event->ignore();
    showMinimized();
}
