// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/files/error_list_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/common/dialog_flags.h"
#include "ui/common/window_requests.h"

ErrorListWindow::ErrorListWindow(WindowRequests& requests, QWidget* parent)
    : QDialog(parent, dialogFlags(parent)), m_requests(requests)
{
    setWindowTitle(tr("Error found"));
    m_picture = new QLabel(this);
    m_picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    m_errorList = new QListWidget(this);
    m_errorList->setMinimumSize(320, 160);
    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &ErrorListWindow::onOkClicked);

    auto* row = new QHBoxLayout;
    row->addWidget(m_picture, 0, Qt::AlignTop);
    row->addWidget(m_errorList, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_okButton, 0, Qt::AlignHCenter);
}

void ErrorListWindow::addError(const QString& line)
{
    m_errorList->addItem(line);
}

void ErrorListWindow::onOkClicked()
{
    hide();
    m_requests.errorListClosed();
}

void ErrorListWindow::reject()
{
    onOkClicked();
}
