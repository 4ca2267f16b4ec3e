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
#include "core/state/translated.h"
#include "platform/services.h"
#include "platform/window_services.h"
#include "ui/common/deactivation_hook.h"
#include "ui/common/dialog_flags.h"
#include "ui/common/front_dialogs.h"
#include "ui/common/window_context.h"

WarningWindow::WarningWindow(WindowContext& context, QWidget* parent)
    : QDialog(parent, dialogFlags(parent)), m_context(context)
{
    DeactivationHook::install(this, &WarningWindow::onDeactivated);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Warning Message"));

    m_warningPicture = new QLabel(this);
    m_warningPicture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    m_messageLabel = new QLabel(this);
    m_messageLabel->setWordWrap(true);
    m_messageLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_messageLabel->setMinimumWidth(260);
    m_rankLabel = new QLabel(this);
    m_rankLabel->setVisible(false);
    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &WarningWindow::onOkClicked);

    auto* row = new QHBoxLayout;
    row->addWidget(m_warningPicture, 0, Qt::AlignTop);
    row->addWidget(m_messageLabel, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_okButton, 0, Qt::AlignHCenter);
}

void WarningWindow::showWarning(const QString& text)
{
    SharedState& state = m_context.state;
    m_rankLabel->setText(QString::number(state.takeWarningRank()));
    m_context.front.rememberPrevious(m_previousFront);
    m_messageLabel->setText(translated(text));
    m_context.services.windows.setTopmost(this);
    show();
}

qint32 WarningWindow::rank() const
{
    return m_rankLabel->text().toInt();
}

void WarningWindow::onDeactivated()
{
    if (!isVisible()) {
        deleteLater();
        return;
    }
    m_context.dialogs.reclaimFront(this, rank());
}

void WarningWindow::onOkClicked()
{
    m_context.dialogs.handFrontBack(m_previousFront);
    hide();
    deleteLater();
}

void WarningWindow::reject()
{
    // Escape or the close box act as OK, so the front is handed back in every case.
    if (isVisible())
        onOkClicked();
}
