// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/tray/about_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/dialog_flags.h"
#include "ui/common/tray_pictures.h"

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent, dialogFlags(parent))
{
    setWindowTitle(tr("About Ixo"));
    auto* picture = new QLabel(this);
    picture->setPixmap(TrayPictures::normal().pixmap(64, 64));
    auto* name = new QLabel(
        QStringLiteral("<h2>Ixo</h2><p>%1</p><p>%2</p>")
            .arg(tr("Alarm clock for the notification area"), tr("Version %1").arg(QStringLiteral(IXO_VERSION))),
        this);
    name->setAlignment(Qt::AlignCenter);
    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addWidget(name);
    layout->addWidget(m_okButton, 0, Qt::AlignHCenter);
}
