// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QDialog>

struct WindowContext;
class QLabel;
class QPushButton;

// The overwrite question: asks whether a list file that exists may be replaced, and on Yes writes it from the
// saver's list as it stands at that moment.
class OverwriteQuestionWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OverwriteQuestionWindow)
public:
    explicit OverwriteQuestionWindow(WindowContext& context, QWidget* parent = nullptr);
    ~OverwriteQuestionWindow() override;

    /// Shows the question on top, modeless, for the saver `m_saver` ("AlarmSet", "Wallpaper") and
    /// the file `m_fileName` of the program folder; returns at once.
    void askOverwrite(const QString& saver, const QString& fileName);

    void onYesClicked();
    void onCancelClicked();
    /// The window lost the front.
    void onDeactivated();

    QString m_saver;
    QString m_fileName;

    QLabel* m_warningPicture = nullptr;
    QLabel* m_questionLabel = nullptr;
    QPushButton* m_yesButton = nullptr;
    QPushButton* m_cancelButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    /// Hands the front back and goes.
    void unload();

    WindowContext& m_context;
    bool m_unloaded = false;
};
