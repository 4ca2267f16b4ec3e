// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/message_box.h"

#include <QMessageBox>

void MessageBox::showOk(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ixo"), text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.exec();
}
