// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QDialog>

struct WindowContext;
class QLabel;
class QPushButton;

// The warning window: one message, on top, taking the front back by its rank until OK.
class WarningWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WarningWindow)
public:
    explicit WarningWindow(WindowContext& context, QWidget* parent = nullptr);

    /// Takes a rank, shows `text` on top, modeless.
    void showWarning(const QString& text);

    /// The window lost the front.
    void onDeactivated();
    void onOkClicked();

    qint32 rank() const;

    QLabel* m_warningPicture = nullptr;
    QLabel* m_messageLabel = nullptr;
    QLabel* m_rankLabel = nullptr;
    QPushButton* m_okButton = nullptr;

protected:
    void reject() override;

private:
    WindowContext& m_context;
    qint32 m_previousFront = 0;
};
