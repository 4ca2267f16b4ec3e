// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/alarms/alarm_message_window.h"

#include <utility>

#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/alarms/message_input_logic.h"
#include "core/state/front_order.h"
#include "core/state/shared_state.h"
#include "core/state/translated.h"
#include "platform/clock.h"
#include "platform/services.h"
#include "platform/window_services.h"
#include "ui/common/deactivation_hook.h"
#include "ui/common/front_dialogs.h"
#include "ui/common/snooze_bar.h"
#include "ui/common/window_context.h"
#include "ui/common/window_requests.h"

namespace {
constexpr int kTitleMs = 1000;
} // namespace

AlarmMessageWindow::AlarmMessageWindow(WindowContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context)
{
    DeactivationHook::install(this, &AlarmMessageWindow::onDeactivated);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);

    m_messageView = new QPlainTextEdit(this);
    m_messageView->setReadOnly(true);
    m_messageView->setFocusPolicy(Qt::ClickFocus); // the keyboard starts on OK: Enter or Space closes the window
    m_messageView->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSize(kDefaultFontSize);
    m_messageView->setFont(font);
    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setDefault(true);
    setFocusProxy(m_okButton);
    connect(m_okButton, &QPushButton::clicked, this, &AlarmMessageWindow::onOkClicked);

    // Snooze is beside OK once the window knows its event.
    m_snoozeBar = new SnoozeBar(this);
    m_snoozeBar->hide();
    connect(m_snoozeBar, &SnoozeBar::snoozeClicked, this, &AlarmMessageWindow::onSnoozeClicked);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_messageView, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton, 0, Qt::AlignTop);
    buttons->addWidget(m_snoozeBar);
    buttons->addStretch();
    layout->addLayout(buttons);
    resize(360, 180);

    m_titleTimer.setInterval(kTitleMs);
    connect(&m_titleTimer, &QTimer::timeout, this, &AlarmMessageWindow::updateTitle);
    load();
}

void AlarmMessageWindow::load()
{
    SharedState& state = m_context.state;
    m_context.front.rememberPrevious(m_previousFront);
    m_frontCode = state.takeMessageWindowNumber();

    const std::optional<IniRecord> record = state.settingsFile().readSlot(IniSlot::FontSize);
    if (const std::optional<int> size = record ? MessageInput::storedFontSize(*record) : std::nullopt) {
        QFont font = m_messageView->font();
        font.setPointSize(*size);
        m_messageView->setFont(font);
    }
    m_context.services.windows.setTopmost(this);
}

void AlarmMessageWindow::showMessage(const QString& text)
{
    m_messageView->setPlainText(text);
    show();
}

void AlarmMessageWindow::offerSnooze(const FiredEvent& event)
{
    m_event = event;
    m_snoozeBar->show();
}

void AlarmMessageWindow::onSnoozeClicked(int minutes)
{
    // The root closes every window of the event, this one first, as OK would.
    if (m_event && m_context.requests.snoozeAlarm(*m_event, minutes) && isVisible())
        close();
}

void AlarmMessageWindow::updateTitle()
{
    const QDateTime now = m_context.services.clock.now();
    setWindowTitle(tr("Message") + QStringLiteral("  ") +
                   readableForm(now, QT_TRANSLATE_NOOP("DateTime", "dd MMM yyyy / hh:mm AP")));
}

void AlarmMessageWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The title clock runs only while the window can be seen.
    m_titleTimer.start();
}

void AlarmMessageWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_titleTimer.stop();
}

void AlarmMessageWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        onMinimized();
}

void AlarmMessageWindow::onDeactivated()
{
    if (isMinimized() || !isVisible())
        return;
    if (!m_context.front.reclaim(m_frontCode))
        return;
    WindowServices& windows = m_context.services.windows;
    windows.setTopmost(this);
    windows.bringToFront(this);
    windows.beep();
}

void AlarmMessageWindow::onMinimized()
{
    m_context.dialogs.handFrontBack(m_previousFront);
}

void AlarmMessageWindow::handBack()
{
    if (m_handedBack)
        return;
    m_handedBack = true;
    m_context.dialogs.handFrontBack(m_previousFront);
}

void AlarmMessageWindow::onOkClicked()
{
    if (m_event)
        m_context.requests.alarmAnswered(*m_event);
    close();
}

void AlarmMessageWindow::closeEvent(QCloseEvent* event)
{
    handBack();
    m_titleTimer.stop();
    QWidget::closeEvent(event);
    if (!std::exchange(m_closedTold, true))
        Q_EMIT closed();
}
