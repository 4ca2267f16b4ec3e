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
#include "ui/common/dialog_flags.h"
#include "ui/common/front_dialogs.h"
#include "ui/common/window_context.h"
#include "ui/common/window_requests.h"

OverwriteQuestionWindow::OverwriteQuestionWindow(WindowContext& context, ListFileFlow& listFiles, qint32& previousFront,
                                                 QWidget* parent)
    : QDialog(parent, dialogFlags(parent)), m_context(context), m_listFiles(listFiles), m_previousFront(previousFront)
{
    DeactivationHook::install(this, &OverwriteQuestionWindow::onDeactivated);
    setWindowTitle(tr("Warning Message"));

    m_warningPicture = new QLabel(this);
    m_warningPicture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    m_questionLabel = new QLabel(tr("File already exists, overwrite ?"), this);
    m_yesButton = new QPushButton(tr("Yes"), this);
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setDefault(true);
    connect(m_yesButton, &QPushButton::clicked, this, &OverwriteQuestionWindow::onYesClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &OverwriteQuestionWindow::onCancelClicked);

    auto* row = new QHBoxLayout;
    row->addWidget(m_warningPicture, 0, Qt::AlignTop);
    row->addWidget(m_questionLabel, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_yesButton);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);

    m_context.dialogs.registerForegroundDialog(kWhoOverwrite, this);
}

OverwriteQuestionWindow::~OverwriteQuestionWindow() = default;

void OverwriteQuestionWindow::askOverwrite(const QString& saver, const QString& fileName)
{
    FrontOrder& front = m_context.front;
    front.rememberPrevious(m_previousFront);
    front.claim(kWhoOverwrite);
    m_context.services.windows.setTopmost(this);
    show();
    m_saver = saver;
    m_fileName = fileName;
    m_context.services.windows.beep();
}

void OverwriteQuestionWindow::onYesClicked()
{
    m_listFiles.overwrite(m_saver, m_fileName);
    unload();
}

void OverwriteQuestionWindow::onCancelClicked()
{
    unload();
}

void OverwriteQuestionWindow::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_context.dialogs.handFrontBack(m_previousFront);
    hide();
    m_context.requests.overwriteQuestionClosed();
}

void OverwriteQuestionWindow::onDeactivated()
{
    if (m_unloaded)
        return;
    if (!isVisible()) {
        unload();
        return;
    }
    m_context.dialogs.reclaimFront(this, kWhoOverwrite);
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
