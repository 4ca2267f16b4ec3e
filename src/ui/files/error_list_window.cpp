// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/files/error_list_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/common/window_requests.h"

ErrorListWindow::ErrorListWindow(WindowRequests& requests, QWidget* parent) : QDialog(parent), m_requests(requests)
{
    setWindowTitle(QStringLiteral("Error found"));
    Image1 = new QLabel(this);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    lstErrorMsg = new QListWidget(this);
    lstErrorMsg->setMinimumSize(320, 160);
    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &ErrorListWindow::cmdOk_Click);

    auto* row = new QHBoxLayout;
    row->addWidget(Image1, 0, Qt::AlignTop);
    row->addWidget(lstErrorMsg, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(cmdOk, 0, Qt::AlignHCenter);
}

void ErrorListWindow::addError(const QString& line)
{
    lstErrorMsg->addItem(line);
}

void ErrorListWindow::cmdOk_Click()
{
    hide();
    m_requests.errorListClosed();
}

void ErrorListWindow::reject()
{
    cmdOk_Click();
}
