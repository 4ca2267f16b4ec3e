// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/files/overwrite_question_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/files/list_file_flow.h"
#include "core/state/front_order.h"
#include "core/state/shared_state.h"
#include "core/state/warnings.h"
#include "platform/services.h"
#include "platform/window_services.h"
#include "ui/common/deactivation_hook.h"
#include "ui/common/front_dialogs.h"
#include "ui/common/window_context.h"
#include "ui/common/window_requests.h"

OverwriteQuestionWindow::OverwriteQuestionWindow(WindowContext& context, QWidget* parent)
    : QDialog(parent), m_ctx(context)
{
    DeactivationHook::install(this, &OverwriteQuestionWindow::Form_Deactivate);
    setWindowTitle(QStringLiteral("Warning Message"));

    imgWarningMessage = new QLabel(this);
    imgWarningMessage->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    Label1 = new QLabel(QStringLiteral("File already exists, overwrite ?"), this);
    cmdYes = new QPushButton(QStringLiteral("Yes"), this);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setDefault(true);
    connect(cmdYes, &QPushButton::clicked, this, &OverwriteQuestionWindow::cmdYes_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &OverwriteQuestionWindow::cmdCancel_Click);

    auto* row = new QHBoxLayout;
    row->addWidget(imgWarningMessage, 0, Qt::AlignTop);
    row->addWidget(Label1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdYes);
    buttons->addWidget(cmdCancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);

    m_ctx.dialogs.registerForegroundDialog(kWhoOverwrite, this);
}

OverwriteQuestionWindow::~OverwriteQuestionWindow() = default;

void OverwriteQuestionWindow::FileAlreadyExist(const QString& WhereDoYouComeFrom_, const QString& fFileName_)
{
    FrontOrder& front = m_ctx.front;
    front.rememberPrevious(m_ctx.overwritePrevWho);
    front.claim(kWhoOverwrite);
    m_ctx.services.windows.setTopmost(this);
    show();
    WhereDoYouComeFrom = WhereDoYouComeFrom_;
    fFileName = fFileName_;
    m_ctx.services.windows.beep();
}

void OverwriteQuestionWindow::cmdYes_Click()
{
    m_ctx.listFiles.overwrite(WhereDoYouComeFrom, fFileName);
    unload();
}

void OverwriteQuestionWindow::cmdCancel_Click()
{
    unload();
}

void OverwriteQuestionWindow::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_ctx.dialogs.handFrontBack(m_ctx.overwritePrevWho);
    hide();
    m_ctx.requests.overwriteQuestionClosed();
}

void OverwriteQuestionWindow::Form_Deactivate()
{
    if (m_unloaded)
        return;
    if (!isVisible()) {
        unload();
        return;
    }
    m_ctx.dialogs.reclaimFront(this, kWhoOverwrite);
}

void OverwriteQuestionWindow::closeEvent(QCloseEvent* event)
{
    // The close box answers Cancel.
    event->ignore();
    unload();
}

void OverwriteQuestionWindow::reject()
{
    unload();
}
