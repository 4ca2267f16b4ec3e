// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/message_box.h"

#include <QCoreApplication>
#include <QMessageBox>

void MessageBox::showOk(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ixo"),
                    QCoreApplication::translate("Messages", text.toUtf8().constData()), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    // No window of Ixo is shown to stand over: typed as a dialog, the box would name the program's hidden leader
    // window as its owner, which the window manager refuses. It stands on its own, with a dialog's title bar.
    box.setWindowFlags((box.windowFlags() & ~Qt::WindowType_Mask) | Qt::Window | Qt::WindowStaysOnTopHint);
    box.exec();
}
