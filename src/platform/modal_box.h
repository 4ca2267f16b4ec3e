// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>

// A box that holds the program until the user presses OK (stays on top, title "Ixo").
class ModalBox
{
public:
    virtual ~ModalBox() = default;
    virtual void showOk(const QString& text) = 0;
};
