// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QDialog>

#include "core/alarms/data_file_choice.h"

struct WindowContext;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The data file chooser: picks an alarm data file of the program folder to load, save into or edit. The opener
// sets the mode after the load; the heading, the confirm button's caption and the picture follow it.
class DataFileChooser final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DataFileChooser)
public:
    explicit DataFileChooser(WindowContext& context, QWidget* parent = nullptr);
    ~DataFileChooser() override;

    /// Lists the files, claims the front and applies the font choice; runs once, before the window shows.
    void load();

    /// Sets what the chooser is opened for, with its heading, confirm caption and picture.
    void setMode(DataFileChoice::Mode mode);
    DataFileChoice::Mode mode() const { return m_mode; }

    void onConfirmClicked();
    void onCancelClicked();
    void onFileClicked();
    /// The window lost the front.
    void onDeactivated();

    QLabel* m_headingLabel = nullptr;
    QListWidget* m_fileList = nullptr;
    QLabel* m_nameLabel = nullptr;
    QLineEdit* m_nameBox = nullptr;
    QPushButton* m_confirmButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QLabel* m_loadPicture = nullptr;
    QLabel* m_savePicture = nullptr;
    QLabel* m_editPicture = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    /// In the save and edit modes only one file counts: a list choice and a typed name exclude each other.
    bool singleFileMode() const;
    void deselectCurrent();
    void applyFontChoice();
    /// Hands the front back and goes.
    void unload();

    WindowContext& m_context;
    /// The foreground code that was current when the window loaded.
    qint32 m_previousFront = 0;
    DataFileChoice::Mode m_mode = DataFileChoice::Mode::Load;
    bool m_unloaded = false;
};
