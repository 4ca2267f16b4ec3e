// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>

// The program's usual way of telling the user that something went wrong: a warning window that stays on
// top until OK. The caller carries on at once.
class Warnings
{
public:
    virtual ~Warnings() = default;
    virtual void warn(const QString& text) = 0;
};
