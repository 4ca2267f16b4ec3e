// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QDialog>

class QPushButton;

// The About window: the program's name and version.
class AboutWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutWindow)
public:
    explicit AboutWindow(QWidget* parent = nullptr);

    QPushButton* m_okButton = nullptr;
};
