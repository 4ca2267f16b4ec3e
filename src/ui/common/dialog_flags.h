// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QWidget>

// The window kind of a dialog: over a parent it is a dialog of that window; with none it stands on its own, a plain
// top-level window with a dialog's title bar (close, no minimize or maximize). A parentless dialog typed as a
// dialog would name the program's hidden leader window as its owner, which the window manager refuses.
inline Qt::WindowFlags dialogFlags(const QWidget* parent)
{
    return parent ? Qt::WindowFlags(Qt::Dialog)
                  : Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
}
