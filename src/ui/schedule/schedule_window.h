// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <array>

#include <QDialog>
#include <QWidget>

#include "core/schedule/schedule_entry.h"

struct WindowContext;
class ScheduleLogic;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

// The editor of one schedule entry: the time, when (once on a date, or on chosen days with presets), the play
// times and the message.
class ScheduleEditor final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScheduleEditor)
public:
    explicit ScheduleEditor(QWidget* parent = nullptr);

    /// Shows `entry`; `today` is the date a new once entry and the calendar start from.
    void setEntry(const ScheduleEntry& entry, const QDate& today);
    /// The entry the controls describe (on; its skip kept from setEntry unless when or time changed).
    ScheduleEntry entry() const;
    /// Ticks the day buttons of `days` (bit 0 Monday ... bit 6 Sunday) and chooses "On days".
    void chooseDays(quint8 days);

    QTimeEdit* m_timeEdit = nullptr;
    QRadioButton* m_onceButton = nullptr;
    QDateEdit* m_dateEdit = nullptr;
    QRadioButton* m_daysButton = nullptr;
    std::array<QToolButton*, 7> m_dayButtons{};
    QPushButton* m_everyDayButton = nullptr;
    QPushButton* m_weekdaysButton = nullptr;
    QPushButton* m_weekendsButton = nullptr;
    QComboBox* m_playBox = nullptr;
    QLineEdit* m_messageEdit = nullptr;
    QDialogButtonBox* m_buttons = nullptr;

private:
    void updateControls();
    ScheduleEntry m_original;
};

// The Schedule window: the schedule's entries (on/off, time, when, play times, message, next occurrence) with Add,
// Edit, Remove and Skip next. Every change goes to the schedule logic, which saves it and brings today's list in line;
// the window shows the entries anew when the logic tells that they changed (its `changed` hook, wired by the owner).
class ScheduleWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScheduleWindow)
public:
    ScheduleWindow(WindowContext& context, ScheduleLogic& schedule, QWidget* parent = nullptr);

    /// Lists the entries as they stand, keeping the current row.
    void showEntries();
    /// The row chosen, or -1.
    int currentRow() const;

    void onAddClicked();
    void onEditClicked();
    void onRemoveClicked();
    void onSkipNextClicked();

    QTreeWidget* m_entryList = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_editButton = nullptr;
    QPushButton* m_removeButton = nullptr;
    QPushButton* m_skipButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    ScheduleEditor* m_editor = nullptr;

    enum Column { OnColumn, TimeColumn, WhenColumn, PlayColumn, MessageColumn, NextColumn };

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void openEditor(int row);
    void onEditorAccepted();
    void onItemChanged(QTreeWidgetItem* item, int column);
    void updateButtons();
    void refuseIf(const QString& refusal);

    WindowContext& m_context;
    ScheduleLogic& m_schedule;
    int m_editedRow = -1; // the row the editor changes; -1: a new entry
    bool m_showing = false;
};
