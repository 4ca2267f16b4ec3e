// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QList>
#include <QtGlobal>

class QWidget;

// The window font the user chose in the Settings window, put on a window's captioned controls when it loads:
// choice 1 sets the family Arial, choice 2 ("Enlarge") Times New Roman at 10 points, and any other choice keeps
// the designed fonts. A window that follows only the Arial choice says so with `ArialOnly`.
enum class WindowFontCases { All, ArialOnly };
void applyWindowFont(const QList<QWidget*>& controls, qint16 fontChoice, WindowFontCases cases = WindowFontCases::All);
