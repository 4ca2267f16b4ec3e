// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QWidget>

#include "core/alarms/message_input_logic.h"

struct AlarmLists;
struct WindowContext;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The message input window: types or edits the message of the selected alarm event, and sets the message font size.
class MessageInputWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MessageInputWindow)
public:
    MessageInputWindow(WindowContext& context, AlarmLists& lists, QWidget* parent = nullptr);
    ~MessageInputWindow() override;

    /// Opens the window for the selected alarm line: the load runs and the window shows. A window that is open
    /// already only comes to the front.
    void showInput();

    /// The window lost the front: it takes it back with a beep unless a window with a higher claim has it.
    void onDeactivated();
    void onSaveClicked();
    void onAbandonClicked();
    void onSmallerClicked();
    void onLargerClicked();

    QPlainTextEdit* m_messageBox = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_abandonButton = nullptr;
    QLabel* m_fontSizeLabel = nullptr;
    QLabel* m_smallerButton = nullptr;
    QLabel* m_largerButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void closeSteps();
    void setInputFontSize(double points);
    /// Keeps the box free of double quotes (typed or pasted) and within its length.
    void keepInputRules();

    WindowContext& m_context;
    AlarmLists& m_lists;
    bool m_fixingText = false;
    bool m_closed = false;
    MessageInput::Loaded m_loaded;
};
