// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QStringList>

#include "core/state/warnings.h"

// Records the warnings instead of opening windows.
class FakeWarnings final : public Warnings
{
public:
    void warn(const QString& text) override { shown.append(text); }
    QStringList shown;
};
