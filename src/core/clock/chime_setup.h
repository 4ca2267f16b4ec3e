// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>

class QTime;
struct SharedState;

/// The every-N-minutes chime set up from the Alarm Set window's "Every" box and its minutes item ("1" ... "60"):
/// with the box ticked and an item chosen, chimeInterval takes its minutes, chimeMark the first mark after `now`, and
/// the clock work starts; with the box cleared no mark is left. chimeOn follows the box. The clock tick runs it
/// again, from the chime as it stands, when the mark has fallen behind.
void setUpChime(SharedState& state, bool chimeTicked, const QString& chimeItem, const QTime& now);
