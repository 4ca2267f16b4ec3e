// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QDialog>

struct WindowContext;
class ListFileFlow;
class QLabel;
class QPushButton;

// The overwrite question: asks whether a list file that exists may be replaced, and on Yes writes it from the
// saver's list as it stands at that moment.
class OverwriteQuestionWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OverwriteQuestionWindow)
public:
    /// `previousFront` keeps, across the window's loads, the foreground code it hands back when it closes.
    OverwriteQuestionWindow(WindowContext& context, ListFileFlow& listFiles, qint32& previousFront,
                            QWidget* parent = nullptr);
    ~OverwriteQuestionWindow() override;

    /// Shows the question on top, modeless, for the saver `saver` ("AlarmSet", "Wallpaper") and
    /// the file `fileName` of the program folder; returns at once.
    void askOverwrite(const QString& saver, const QString& fileName);

    void onYesClicked();
    void onCancelClicked();
    /// The window lost the front.
    void onDeactivated();

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
    ListFileFlow& m_listFiles;
    qint32& m_previousFront;
    QString m_saver;
    QString m_fileName;
    bool m_unloaded = false;
};
