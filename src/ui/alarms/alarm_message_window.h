// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <optional>

#include <QTimer>
#include <QWidget>

#include "core/alarms/snooze.h"

struct WindowContext;
class QPlainTextEdit;
class QPushButton;
class SnoozeBar;

// The alarm message window: one event's message on top, taking the front back with a beep until OK.
class AlarmMessageWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlarmMessageWindow)
public:
    /// The window's load: its identity number, the font size from the settings, on top.
    explicit AlarmMessageWindow(WindowContext& context, QWidget* parent = nullptr);

    /// Shows `text` in a window of its own, modeless.
    void showMessage(const QString& text);

    /// The window tells of `event`, which fired: Snooze is offered beside OK.
    void offerSnooze(const FiredEvent& event);
    /// Which firing the window tells of; 0 when none.
    quint64 firing() const { return m_event ? m_event->firing : 0; }

    /// The window lost the front: unless minimized or outranked by a newer message window, it comes back
    /// with a beep.
    void onDeactivated();
    /// The window was minimized: it stops claiming the front and hands it back.
    void onMinimized();
    void onOkClicked();
    /// The title: "Message  " and the date and time.
    void updateTitle();

    QPlainTextEdit* m_messageView = nullptr;
    QPushButton* m_okButton = nullptr;
    SnoozeBar* m_snoozeBar = nullptr;
    QTimer m_titleTimer;

    /// The font size of the message when the settings give none.
    static constexpr int kDefaultFontSize = 12;

Q_SIGNALS:
    /// The window closed (OK, Snooze, its close box); told once.
    void closed();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void handBack();
    void onSnoozeClicked(int minutes);

    WindowContext& m_context;
    qint32 m_frontCode = 0;     // claim rank for the front
    qint32 m_previousFront = 0; // the claim that was current when the window opened, handed back on leaving
    bool m_handedBack = false;
    bool m_closedTold = false;
    std::optional<FiredEvent> m_event; // the event told of, when known
};
