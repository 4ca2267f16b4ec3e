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

MessageInputWindow::MessageInputWindow(WindowContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ctx(context)
{
    DeactivationHook::install(this, &MessageInputWindow::Form_Deactivate);
    setWindowTitle(QStringLiteral("Input Message"));
    setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    txtInput = new QPlainTextEdit(this);
    txtInput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtInput->setTabChangesFocus(true);
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSize(kDesignFontSize);
    txtInput->setFont(font);
    connect(txtInput, &QPlainTextEdit::textChanged, this, &MessageInputWindow::keepInputRules);

    cmdOk = new QPushButton(QStringLiteral("Save"), this);
    cmdCancel = new QPushButton(QStringLiteral("Abandon"), this);
    connect(cmdOk, &QPushButton::clicked, this, &MessageInputWindow::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &MessageInputWindow::cmdCancel_Click);

    lblFontSize = new QLabel(QStringLiteral("Font size :"), this);
    lblMinus = labelButton(QStringLiteral("-"), this);
    lblPlus = labelButton(QStringLiteral("+"), this);
    lblMinus->installEventFilter(this);
    lblPlus->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblFontSize);
    buttons->addWidget(lblMinus);
    buttons->addWidget(lblPlus);
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtInput, 1);
    layout->addLayout(buttons);
    resize(340, 170);

    m_ctx.services.windows.setTopmost(this);
    m_ctx.dialogs.registerForegroundDialog(kWhoMessageInput, this);
}

MessageInputWindow::~MessageInputWindow() = default;

void MessageInputWindow::showInput()
{
    if (isVisible()) {
        m_ctx.services.windows.bringToFront(this);
        return;
    }
    Form_Load();
    show();
    m_ctx.services.windows.bringToFront(this);
    txtInput->setFocus();
    txtInput->moveCursor(QTextCursor::End);
}

void MessageInputWindow::Form_Load()
{
    SharedState& state = m_ctx.state;
    m_ctx.front.claim(kWhoMessageInput);
    m_loaded = MessageInput::load(state, m_ctx.lists);
    if (m_loaded.fontSize)
        setInputFontSize(*m_loaded.fontSize);
    txtInput->setPlainText(m_loaded.message);
    // A stored place is taken only while a screen still shows it.
    if (m_loaded.position && QGuiApplication::screenAt(*m_loaded.position))
        move(*m_loaded.position);
}

void MessageInputWindow::setInputFontSize(double points)
{
    QFont font = txtInput->font();
    font.setPointSizeF(points);
    txtInput->setFont(font);
}

void MessageInputWindow::keepInputRules()
{
    if (m_fixingText)
        return;
    const QScopedValueRollback<bool> guard(m_fixingText, true);
    QTextDocument* document = txtInput->document();

    // A double quote would end the message's item in the alarm data file: it becomes an apostrophe.
    QTextCursor quote = document->find(QStringLiteral("\""));
    while (!quote.isNull()) {
        quote.insertText(QStringLiteral("'"));
        quote = document->find(QStringLiteral("\""), quote);
    }

    const int length = document->characterCount() - 1;
    if (length > MessageInput::kMaxLength) {
        // What went beyond the limit is what just arrived before the cursor.
        QTextCursor cursor = txtInput->textCursor();
        const int excess = length - MessageInput::kMaxLength;
        const int end = cursor.position() >= excess ? cursor.position() : length;
        cursor.setPosition(end - excess);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        txtInput->setTextCursor(cursor);
    }
}

void MessageInputWindow::cmdOk_Click()
{
    QString settingsWarning;
    const MessageInput::SaveResult result = MessageInput::save(m_ctx.state, m_ctx.lists, txtInput->font().pointSizeF(),
                                                               txtInput->toPlainText(), &settingsWarning);
    if (result != MessageInput::SaveResult::ListFull)
        m_loaded.takenLine.reset(); // saved, or removed on purpose with an empty box
    if (!settingsWarning.isEmpty())
        m_ctx.warnings.AnswerOk(settingsWarning);
    if (result == MessageInput::SaveResult::NothingToSave)
        m_ctx.warnings.AnswerOk(MessageInput::kNothingToSave);
    else if (result == MessageInput::SaveResult::ListFull)
        m_ctx.warnings.AnswerOk(MessageInput::kMessagesFull);
    close();
}

void MessageInputWindow::cmdCancel_Click()
{
    close();
}

void MessageInputWindow::lblMinus_Click()
{
    if (const std::optional<double> size = MessageInput::smallerFont(txtInput->font().pointSizeF()))
        setInputFontSize(*size);
    else
        m_ctx.services.windows.beep();
}

void MessageInputWindow::lblPlus_Click()
{
    if (const std::optional<double> size = MessageInput::largerFont(txtInput->font().pointSizeF()))
        setInputFontSize(*size);
    else
        m_ctx.services.windows.beep();
}

bool MessageInputWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        auto* label = qobject_cast<QLabel*>(watched);
        if (label && label->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            if (label == lblMinus)
                lblMinus_Click();
            else if (label == lblPlus)
                lblPlus_Click();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MessageInputWindow::Form_Deactivate()
{
    if (m_closed)
        return;
    if (!isVisible()) {
        close();
        return;
    }
    m_ctx.dialogs.reclaimFront(this, kWhoMessageInput);
}

void MessageInputWindow::Form_QueryUnload()
{
    SharedState& state = m_ctx.state;
    MessageInput::abandon(m_ctx.lists, m_loaded);
    if (QString reason; !MessageInput::storePosition(state, pos(), &reason))
        qWarning("Ixo: the place of the message window could not be saved in %s: %s",
                 qPrintable(state.settingsFile().path()), qPrintable(reason));
    m_ctx.requests.messageInputClosed();
    m_ctx.front.release(0); // the message input window hands the front to nobody
}

void MessageInputWindow::closeEvent(QCloseEvent* event)
{
    if (!m_closed) {
        m_closed = true;
        Form_QueryUnload();
        m_ctx.requests.messageInputUnloaded();
    }
    QWidget::closeEvent(event);
}
