// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/warnings/warning_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/state/front_order.h"
#include "core/state/shared_state.h"
#include "platform/services.h"
#include "platform/window_services.h"
#include "ui/common/deactivation_hook.h"
#include "ui/common/front_dialogs.h"
#include "ui/common/window_context.h"

WarningWindow::WarningWindow(WindowContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    DeactivationHook::install(this, &WarningWindow::Form_Deactivate);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Warning Message"));

    imgWarningMessage = new QLabel(this);
    imgWarningMessage->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    Label1 = new QLabel(this);
    Label1->setWordWrap(true);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1->setMinimumWidth(260);
    lblMyVisibility = new QLabel(this);
    lblMyVisibility->setVisible(false);
    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &WarningWindow::cmdOk_Click);

    auto* row = new QHBoxLayout;
    row->addWidget(imgWarningMessage, 0, Qt::AlignTop);
    row->addWidget(Label1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(cmdOk, 0, Qt::AlignHCenter);
}

void WarningWindow::showWarning(const QString& ErrorMsgStr)
{
    SharedState& state = m_ctx.state;
    lblMyVisibility->setText(QString::number(state.takeWarnRank()));
    m_ctx.front.rememberPrevious(lPrevWho);
    Label1->setText(ErrorMsgStr);
    m_ctx.services.windows.setTopmost(this);
    show();
}

qint32 WarningWindow::rank() const
{
    return lblMyVisibility->text().toInt();
}

void WarningWindow::Form_Deactivate()
{
    if (!isVisible()) {
        deleteLater();
        return;
    }
    m_ctx.dialogs.reclaimFront(this, rank());
}

void WarningWindow::cmdOk_Click()
{
    m_ctx.dialogs.handFrontBack(lPrevWho);
    hide();
    deleteLater();
}

void WarningWindow::reject()
{
    // Escape or the close box act as OK, so the front is handed back in every case.
    if (isVisible())
        cmdOk_Click();
}
