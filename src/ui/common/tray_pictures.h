// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QIcon>

// The two tray pictures, drawn by the program: a clock face, and the same face crossed out while disabled.
namespace TrayPictures {
QIcon normal();
QIcon disabled();
} // namespace TrayPictures
