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

    /// Shows the question on top, modeless, for the saver `WhereDoYouComeFrom` ("AlarmSet", "Wallpaper") and
    /// the file `fFileName` of the program folder; returns at once.
    void FileAlreadyExist(const QString& WhereDoYouComeFrom, const QString& fFileName);

    void cmdYes_Click();
    void cmdCancel_Click();
    /// The window lost the front.
    void Form_Deactivate();

    QString WhereDoYouComeFrom;
    QString fFileName;

    QLabel* imgWarningMessage = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdYes = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    /// Hands the front back and goes.
    void unload();

    WindowContext& m_ctx;
    bool m_unloaded = false;
};
