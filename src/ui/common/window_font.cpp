// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/common/window_font.h"

#include <QFont>
#include <QWidget>

void applyWindowFont(const QList<QWidget*>& controls, qint16 fontChoice, WindowFontCases cases)
{
    const bool arial = fontChoice == 1;
    if (!arial && (fontChoice != 2 || cases == WindowFontCases::ArialOnly))
        return;
    for (QWidget* control : controls) {
        QFont font = control->font();
        font.setFamily(arial ? QStringLiteral("Arial") : QStringLiteral("Times New Roman"));
        font.setStyleHint(arial ? QFont::SansSerif : QFont::Serif);
        if (!arial)
            font.setPointSize(10);
        control->setFont(font);
    }
}
