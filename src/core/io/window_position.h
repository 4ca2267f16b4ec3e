// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QPoint>
#include <QString>

struct IniRecord;

// How slots 1 and 2 keep a window's place: the left edge in data1 and the top edge in data2, in logical pixels,
// each clamped into the 16 bits a record integer holds.
namespace WindowPosition {

/// Puts `section` and the window's top-left corner into `record`; its value text stays as it is.
void put(IniRecord& record, const QString& section, QPoint topLeft);
/// The top-left corner stored in `record`.
QPoint get(const IniRecord& record);

} // namespace WindowPosition
