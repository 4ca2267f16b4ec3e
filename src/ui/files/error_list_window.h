// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QDialog>

class WindowRequests;
class QLabel;
class QListWidget;
class QPushButton;

// The error list window: the problems found while loading alarm data files.
class ErrorListWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ErrorListWindow)
public:
    explicit ErrorListWindow(WindowRequests& requests, QWidget* parent = nullptr);

    void addError(const QString& line);
    void onOkClicked();

    QListWidget* m_errorList = nullptr;
    QLabel* m_picture = nullptr;
    QPushButton* m_okButton = nullptr;

protected:
    void reject() override;

private:
    WindowRequests& m_requests;
};
