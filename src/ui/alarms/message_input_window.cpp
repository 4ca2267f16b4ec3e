// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/alarms/message_input_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/alarms/alarm_lists.h"
#include "core/alarms/message_input_logic.h"
#include "core/state/front_order.h"
#include "core/state/shared_state.h"
#include "core/state/warnings.h"
#include "platform/services.h"
#include "platform/window_services.h"
#include "ui/common/deactivation_hook.h"
#include "ui/common/front_dialogs.h"
#include "ui/common/window_context.h"
#include "ui/common/window_requests.h"

namespace {
constexpr int kDesignFontSize = 9;

QLabel* labelButton(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("MM")));
    label->setCursor(Qt::PointingHandCursor);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}
} // namespace

MessageInputWindow::MessageInputWindow(WindowContext& context, AlarmLists& lists, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_lists(lists)
{
    DeactivationHook::install(this, &MessageInputWindow::onDeactivated);
    setWindowTitle(tr("Input Message"));
    setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    m_messageBox = new QPlainTextEdit(this);
    m_messageBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_messageBox->setTabChangesFocus(true);
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSize(kDesignFontSize);
    m_messageBox->setFont(font);
    connect(m_messageBox, &QPlainTextEdit::textChanged, this, &MessageInputWindow::keepInputRules);

    m_saveButton = new QPushButton(tr("Save"), this);
    m_abandonButton = new QPushButton(tr("Abandon"), this);
    connect(m_saveButton, &QPushButton::clicked, this, &MessageInputWindow::onSaveClicked);
    connect(m_abandonButton, &QPushButton::clicked, this, &MessageInputWindow::onAbandonClicked);

    m_fontSizeLabel = new QLabel(tr("Font size :"), this);
    m_smallerButton = labelButton(QStringLiteral("-"), this);
    m_largerButton = labelButton(QStringLiteral("+"), this);
    m_smallerButton->installEventFilter(this);
    m_largerButton->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_fontSizeLabel);
    buttons->addWidget(m_smallerButton);
    buttons->addWidget(m_largerButton);
    buttons->addStretch(1);
    buttons->addWidget(m_saveButton);
    buttons->addWidget(m_abandonButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_messageBox, 1);
    layout->addLayout(buttons);
    resize(340, 170);

    m_context.services.windows.setTopmost(this);
    m_context.dialogs.registerForegroundDialog(kWhoMessageInput, this);
}

MessageInputWindow::~MessageInputWindow() = default;

void MessageInputWindow::showInput()
{
    if (isVisible()) {
        m_context.services.windows.bringToFront(this);
        return;
    }
    load();
    show();
    m_context.services.windows.bringToFront(this);
    m_messageBox->setFocus();
    m_messageBox->moveCursor(QTextCursor::End);
}

void MessageInputWindow::load()
{
    SharedState& state = m_context.state;
    m_context.front.claim(kWhoMessageInput);
    m_loaded = MessageInput::load(state, m_lists);
    if (m_loaded.fontSize)
        setInputFontSize(*m_loaded.fontSize);
    m_messageBox->setPlainText(m_loaded.message);
    // A stored place is taken only while a screen still shows it.
    if (m_loaded.position && QGuiApplication::screenAt(*m_loaded.position))
        move(*m_loaded.position);
}

void MessageInputWindow::setInputFontSize(double points)
{
    QFont font = m_messageBox->font();
    font.setPointSizeF(points);
    m_messageBox->setFont(font);
}

void MessageInputWindow::keepInputRules()
{
    if (m_fixingText)
        return;
    const QScopedValueRollback<bool> guard(m_fixingText, true);
    QTextDocument* document = m_messageBox->document();

    // A double quote would end the message's item in the alarm data file: it becomes an apostrophe.
    QTextCursor quote = document->find(QStringLiteral("\""));
    while (!quote.isNull()) {
        quote.insertText(QStringLiteral("'"));
        quote = document->find(QStringLiteral("\""), quote);
    }

    const int length = document->characterCount() - 1;
    if (length > MessageInput::kMaxLength) {
        // What went beyond the limit is what just arrived before the cursor.
        QTextCursor cursor = m_messageBox->textCursor();
        const int excess = length - MessageInput::kMaxLength;
        const int end = cursor.position() >= excess ? cursor.position() : length;
        cursor.setPosition(end - excess);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        m_messageBox->setTextCursor(cursor);
    }
}

void MessageInputWindow::onSaveClicked()
{
    QString settingsWarning;
    const MessageInput::SaveResult result =
        MessageInput::save(m_context.state, m_lists, m_loaded.alarmLine, m_messageBox->font().pointSizeF(),
                           m_messageBox->toPlainText(), &settingsWarning);
    if (result != MessageInput::SaveResult::ListFull)
        m_loaded.takenLine.reset(); // saved, or removed on purpose with an empty box
    if (!settingsWarning.isEmpty())
        m_context.warnings.warn(settingsWarning);
    if (result == MessageInput::SaveResult::NothingToSave)
        m_context.warnings.warn(MessageInput::kNothingToSave);
    else if (result == MessageInput::SaveResult::ListFull)
        m_context.warnings.warn(MessageInput::kMessagesFull);
    close();
}

void MessageInputWindow::onAbandonClicked()
{
    close();
}

void MessageInputWindow::onSmallerClicked()
{
    if (const std::optional<double> size = MessageInput::smallerFont(m_messageBox->font().pointSizeF()))
        setInputFontSize(*size);
    else
        m_context.services.windows.beep();
}

void MessageInputWindow::onLargerClicked()
{
    if (const std::optional<double> size = MessageInput::largerFont(m_messageBox->font().pointSizeF()))
        setInputFontSize(*size);
    else
        m_context.services.windows.beep();
}

bool MessageInputWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        auto* label = qobject_cast<QLabel*>(watched);
        if (label && label->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            if (label == m_smallerButton)
                onSmallerClicked();
            else if (label == m_largerButton)
                onLargerClicked();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MessageInputWindow::onDeactivated()
{
    if (m_closed)
        return;
    if (!isVisible()) {
        close();
        return;
    }
    m_context.dialogs.reclaimFront(this, kWhoMessageInput);
}

void MessageInputWindow::closeSteps()
{
    SharedState& state = m_context.state;
    MessageInput::abandon(m_lists, m_loaded);
    if (QString reason; !MessageInput::storePosition(state, pos(), &reason))
        qWarning("Ixo: the place of the message window could not be saved in %s: %s",
                 qPrintable(state.settingsFile().path()), qPrintable(reason));
    m_context.requests.messageInputClosed();
    m_context.front.release(0); // the message input window hands the front to nobody
}

void MessageInputWindow::closeEvent(QCloseEvent* event)
{
    if (!m_closed) {
        m_closed = true;
        closeSteps();
        m_context.requests.messageInputUnloaded();
    }
    QWidget::closeEvent(event);
}
