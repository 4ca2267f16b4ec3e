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

    /// Takes a rank, shows `ErrorMsgStr` on top, modeless.
    void showWarning(const QString& ErrorMsgStr);

    /// The window lost the front.
    void Form_Deactivate();
    void cmdOk_Click();

    qint32 rank() const;
    qint32 lPrevWho = 0;

    QLabel* imgWarningMessage = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblMyVisibility = nullptr;
    QPushButton* cmdOk = nullptr;

protected:
    void reject() override;

private:
    WindowContext& m_ctx;
};
