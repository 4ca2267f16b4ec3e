// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/alarms/alarm_message_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/alarms/message_input_logic.h"
#include "core/state/front_order.h"
#include "core/state/shared_state.h"
#include "platform/clock.h"
#include "platform/services.h"
#include "platform/window_services.h"
#include "ui/common/deactivation_hook.h"
#include "ui/common/front_dialogs.h"
#include "ui/common/window_context.h"

namespace {
constexpr int kTitleMs = 1000;
} // namespace

AlarmMessageWindow::AlarmMessageWindow(WindowContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ctx(context)
{
    DeactivationHook::install(this, &AlarmMessageWindow::Form_Deactivate);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);

    txtMsg = new QPlainTextEdit(this);
    txtMsg->setReadOnly(true);
    txtMsg->setFocusPolicy(Qt::ClickFocus); // the keyboard starts on OK: Enter or Space closes the window
    txtMsg->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSize(kDefaultFontSize);
    txtMsg->setFont(font);
    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setDefault(true);
    setFocusProxy(cmdOk);
    connect(cmdOk, &QPushButton::clicked, this, &AlarmMessageWindow::cmdOk_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtMsg, 1);
    layout->addWidget(cmdOk, 0, Qt::AlignHCenter);
    resize(360, 180);

    Timer1.setInterval(kTitleMs);
    connect(&Timer1, &QTimer::timeout, this, &AlarmMessageWindow::Timer1_Timer);
    Form_Load();
}

void AlarmMessageWindow::Form_Load()
{
    SharedState& state = m_ctx.state;
    m_ctx.front.rememberPrevious(lPrevWho);
    lMyWho = state.takeMsgWinNumber();

    const std::optional<IniRecord> record = state.settingsFile().readSlot(IniSlot::FontSize);
    if (const std::optional<int> size = record ? MessageInput::storedFontSize(*record) : std::nullopt) {
        QFont font = txtMsg->font();
        font.setPointSize(*size);
        txtMsg->setFont(font);
    }
    m_ctx.services.windows.setTopmost(this);
}

void AlarmMessageWindow::showMessage(const QString& text)
{
    txtMsg->setPlainText(text);
    show();
}

void AlarmMessageWindow::Timer1_Timer()
{
    const QDateTime now = m_ctx.services.clock.now();
    setWindowTitle(QStringLiteral("Message  ") + QLocale::c().toString(now, QStringLiteral("dd MMM yyyy / hh:mm AP")));
}

void AlarmMessageWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The title clock runs only while the window can be seen.
    Timer1.start();
}

void AlarmMessageWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    Timer1.stop();
}

void AlarmMessageWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        Form_Minimized();
}

void AlarmMessageWindow::Form_Deactivate()
{
    if (isMinimized() || !isVisible())
        return;
    if (!m_ctx.front.reclaim(lMyWho))
        return;
    WindowServices& windows = m_ctx.services.windows;
    windows.setTopmost(this);
    windows.bringToFront(this);
    windows.beep();
}

void AlarmMessageWindow::Form_Minimized()
{
    m_ctx.dialogs.handFrontBack(lPrevWho);
}

void AlarmMessageWindow::handBack()
{
    if (m_handedBack)
        return;
    m_handedBack = true;
    m_ctx.dialogs.handFrontBack(lPrevWho);
}

void AlarmMessageWindow::cmdOk_Click()
{
    close();
}

void AlarmMessageWindow::closeEvent(QCloseEvent* event)
{
    handBack();
    Timer1.stop();
    QWidget::closeEvent(event);
}
