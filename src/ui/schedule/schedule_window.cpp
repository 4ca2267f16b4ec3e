// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/schedule/schedule_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/alarms/message_input_logic.h"
#include "core/schedule/schedule_logic.h"
#include "core/state/translated.h"
#include "core/state/warnings.h"
#include "platform/clock.h"
#include "platform/services.h"
#include "ui/common/window_context.h"
#include "ui/common/window_requests.h"

namespace {
// The locale's time of day with its seconds: "07:00:00" or "7:00:00 AM".
QString timeFormat(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1Char('s')))
        format.replace(QStringLiteral("mm"), QStringLiteral("mm:ss"));
    return format;
}

const QStringList kPlayWords{QStringLiteral("once"), QStringLiteral("twice"), QStringLiteral("thrice"),
                             QStringLiteral("repeat!")};
} // namespace

ScheduleEditor::ScheduleEditor(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Schedule Entry"));
    const QLocale locale;
    m_timeEdit = new QTimeEdit(this);
    m_timeEdit->setDisplayFormat(timeFormat(locale));
    m_onceButton = new QRadioButton(tr("&Once on"), this);
    m_dateEdit = new QDateEdit(this);
    m_dateEdit->setCalendarPopup(true);
    m_dateEdit->setAccessibleName(tr("Date"));
    m_daysButton = new QRadioButton(tr("On &days"), this);
    auto* dayRow = new QHBoxLayout;
    for (int day = 0; day < 7; ++day) {
        QToolButton* button = m_dayButtons[day] = new QToolButton(this);
        button->setText(locale.dayName(day + 1, QLocale::ShortFormat));
        button->setAccessibleName(locale.dayName(day + 1, QLocale::LongFormat));
        button->setCheckable(true);
        button->setFocusPolicy(Qt::StrongFocus);
        dayRow->addWidget(button);
        connect(button, &QToolButton::toggled, this, [this] {
            m_daysButton->setChecked(true);
            updateControls();
        });
    }
    m_everyDayButton = new QPushButton(tr("Every day"), this);
    m_weekdaysButton = new QPushButton(tr("Weekdays"), this);
    m_weekendsButton = new QPushButton(tr("Weekends"), this);
    auto* presetRow = new QHBoxLayout;
    for (auto [button, days] :
         {std::pair{m_everyDayButton, ScheduleWhen::kEveryDay}, std::pair{m_weekdaysButton, ScheduleWhen::kWeekdays},
          std::pair{m_weekendsButton, ScheduleWhen::kWeekends}}) {
        button->setAutoDefault(false);
        presetRow->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, days = days] { chooseDays(days); });
    }
    presetRow->addStretch();
    m_playBox = new QComboBox(this);
    m_playBox->addItems(kPlayWords); // the stored words, as the Alarm Set window offers them
    m_messageEdit = new QLineEdit(this);
    m_messageEdit->setMaxLength(MessageInput::kMaxLength);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_onceButton, &QRadioButton::toggled, this, &ScheduleEditor::updateControls);
    connect(m_daysButton, &QRadioButton::toggled, this, &ScheduleEditor::updateControls);

    auto* form = new QFormLayout;
    form->addRow(tr("&Time:"), m_timeEdit);
    form->addRow(m_onceButton, m_dateEdit);
    form->addRow(m_daysButton, dayRow);
    form->addRow(QString(), presetRow);
    form->addRow(tr("&Play:"), m_playBox);
    form->addRow(tr("&Message:"), m_messageEdit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_buttons);
    // The tab order reads as the form does: time, date, days, presets, play times, message.
    QList<QWidget*> order{m_timeEdit, m_onceButton, m_dateEdit, m_daysButton};
    order.append(QList<QWidget*>(m_dayButtons.begin(), m_dayButtons.end()));
    order.append({m_everyDayButton, m_weekdaysButton, m_weekendsButton, m_playBox, m_messageEdit});
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void ScheduleEditor::setEntry(const ScheduleEntry& entry, const QDate& today)
{
    m_original = entry;
    m_timeEdit->setTime(entry.time);
    m_dateEdit->setMinimumDate(std::min(today, entry.when.isOnce() ? entry.when.date : today));
    m_dateEdit->setDate(entry.when.isOnce() ? entry.when.date : today.addDays(1));
    for (int day = 0; day < 7; ++day) {
        const QSignalBlocker quiet(m_dayButtons[day]);
        m_dayButtons[day]->setChecked((entry.when.days & (1u << day)) != 0);
    }
    (entry.when.isOnce() ? m_onceButton : m_daysButton)->setChecked(true);
    m_playBox->setCurrentIndex(std::max<int>(0, kPlayWords.indexOf(entry.playWord)));
    m_messageEdit->setText(entry.message);
    updateControls();
    m_timeEdit->setFocus();
}

void ScheduleEditor::chooseDays(quint8 days)
{
    for (int day = 0; day < 7; ++day) {
        const QSignalBlocker quiet(m_dayButtons[day]);
        m_dayButtons[day]->setChecked((days & (1u << day)) != 0);
    }
    m_daysButton->setChecked(true);
    updateControls();
}

ScheduleEntry ScheduleEditor::entry() const
{
    ScheduleEntry entry = m_original;
    entry.time = m_timeEdit->time();
    entry.time = QTime(entry.time.hour(), entry.time.minute(), entry.time.second());
    entry.playWord = m_playBox->currentText();
    entry.message = m_messageEdit->text();
    entry.on = true;
    if (m_onceButton->isChecked()) {
        entry.when = ScheduleWhen::once(m_dateEdit->date());
    } else {
        quint8 days = 0;
        for (int day = 0; day < 7; ++day)
            days |= m_dayButtons[day]->isChecked() ? (1u << day) : 0;
        entry.when = ScheduleWhen::onDays(days);
    }
    if (entry.when != m_original.when || entry.time != m_original.time)
        entry.skipped = {};
    return entry;
}

void ScheduleEditor::updateControls()
{
    m_dateEdit->setEnabled(m_onceButton->isChecked());
    bool anyDay = false;
    for (QToolButton* button : m_dayButtons)
        anyDay = anyDay || button->isChecked();
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(m_onceButton->isChecked() || anyDay);
}

ScheduleWindow::ScheduleWindow(WindowContext& context, ScheduleLogic& schedule, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_schedule(schedule)
{
    setWindowTitle(tr("Schedule"));
    m_entryList = new QTreeWidget(this);
    m_entryList->setRootIsDecorated(false);
    m_entryList->setAccessibleName(tr("Schedule entries"));
    m_entryList->setHeaderLabels({tr("On"), tr("Time"), tr("When"), tr("Play"), tr("Message"), tr("Next")});
    m_entryList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_entryList->header()->setStretchLastSection(false);
    m_entryList->header()->setSectionResizeMode(MessageColumn, QHeaderView::Stretch);
    m_addButton = new QPushButton(tr("&Add..."), this);
    m_editButton = new QPushButton(tr("&Edit..."), this);
    m_removeButton = new QPushButton(tr("&Remove"), this);
    m_skipButton = new QPushButton(tr("&Skip next"), this);
    m_closeButton = new QPushButton(tr("Close"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_addButton, m_editButton, m_removeButton, m_skipButton})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_entryList, 1);
    layout->addLayout(buttons);
    resize(640, 320);

    m_editor = new ScheduleEditor(this);
    m_editor->setWindowModality(Qt::WindowModal);
    connect(m_editor, &QDialog::accepted, this, &ScheduleWindow::onEditorAccepted);
    connect(m_addButton, &QPushButton::clicked, this, &ScheduleWindow::onAddClicked);
    connect(m_editButton, &QPushButton::clicked, this, &ScheduleWindow::onEditClicked);
    connect(m_removeButton, &QPushButton::clicked, this, &ScheduleWindow::onRemoveClicked);
    connect(m_skipButton, &QPushButton::clicked, this, &ScheduleWindow::onSkipNextClicked);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_entryList, &QTreeWidget::currentItemChanged, this, &ScheduleWindow::updateButtons);
    connect(m_entryList, &QTreeWidget::itemActivated, this, &ScheduleWindow::onEditClicked);
    connect(m_entryList, &QTreeWidget::itemChanged, this, &ScheduleWindow::onItemChanged);
    showEntries();
}

void ScheduleWindow::showEntries()
{
    const int row = currentRow();
    const QLocale locale;
    const QDate today = m_context.services.clock.now().date();
    m_showing = true;
    m_entryList->clear();
    const QList<ScheduleEntry>& entries = m_schedule.entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const ScheduleEntry& entry = entries.at(i);
        const std::optional<QDateTime> next = m_schedule.nextOccurrence(i);
        auto* item = new QTreeWidgetItem(m_entryList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(OnColumn, entry.on ? Qt::Checked : Qt::Unchecked);
        item->setData(OnColumn, Qt::AccessibleTextRole, entry.on ? tr("On") : tr("Off"));
        item->setText(TimeColumn, locale.toString(entry.time, timeFormat(locale)));
        item->setText(WhenColumn, entry.when.shownText(today, locale));
        item->setText(PlayColumn, entry.playWord);
        item->setText(MessageColumn, entry.message);
        item->setText(NextColumn, !next ? QStringLiteral("-")
                                        : readableForm(next->date(), QT_TRANSLATE_NOOP("DateTime", "ddd d MMM")) +
                                              QLatin1Char(' ') + locale.toString(next->time(), timeFormat(locale)));
        if (entry.skipped.isValid())
            item->setToolTip(NextColumn, tr("Skipped on %1").arg(locale.toString(entry.skipped, QLocale::ShortFormat)));
    }
    m_showing = false;
    if (!entries.isEmpty())
        m_entryList->setCurrentItem(m_entryList->topLevelItem(std::clamp<int>(row, 0, int(entries.size()) - 1)));
    updateButtons();
}

int ScheduleWindow::currentRow() const
{
    QTreeWidgetItem* item = m_entryList->currentItem();
    return item ? m_entryList->indexOfTopLevelItem(item) : -1;
}

void ScheduleWindow::updateButtons()
{
    const bool chosen = currentRow() >= 0;
    m_editButton->setEnabled(chosen);
    m_removeButton->setEnabled(chosen);
    m_skipButton->setEnabled(chosen);
}

void ScheduleWindow::refuseIf(const QString& refusal)
{
    // A change done is shown through the schedule's own notice; a refused one puts the boxes back.
    if (!refusal.isEmpty()) {
        m_context.warnings.warn(refusal);
        showEntries();
    }
}

void ScheduleWindow::onAddClicked()
{
    openEditor(-1);
}

void ScheduleWindow::onEditClicked()
{
    if (currentRow() >= 0)
        openEditor(currentRow());
}

void ScheduleWindow::openEditor(int row)
{
    m_editedRow = row;
    const QDateTime now = m_context.services.clock.now();
    ScheduleEntry entry;
    if (row >= 0) {
        entry = m_schedule.entries().at(row);
    } else {
        // A new entry: tomorrow at the next full hour.
        entry.time = QTime(now.time().hour(), 0).addSecs(3600);
        entry.when = ScheduleWhen::once(now.date().addDays(1));
    }
    m_editor->setWindowTitle(row >= 0 ? tr("Edit Schedule Entry") : tr("Add Schedule Entry"));
    m_editor->setEntry(entry, now.date());
    m_editor->open();
}

void ScheduleWindow::onEditorAccepted()
{
    const ScheduleEntry entry = m_editor->entry();
    if (m_editedRow >= 0)
        return refuseIf(m_schedule.replace(m_editedRow, entry));
    const QString refusal = m_schedule.add(entry);
    refuseIf(refusal);
    if (refusal.isEmpty()) // the new entry, last in the list, is the chosen one
        m_entryList->setCurrentItem(m_entryList->topLevelItem(m_entryList->topLevelItemCount() - 1));
}

void ScheduleWindow::onRemoveClicked()
{
    if (currentRow() >= 0)
        refuseIf(m_schedule.remove(currentRow()));
}

void ScheduleWindow::onSkipNextClicked()
{
    if (currentRow() >= 0)
        refuseIf(m_schedule.skipNext(currentRow()));
}

void ScheduleWindow::onItemChanged(QTreeWidgetItem* item, int column)
{
    if (m_showing || column != OnColumn)
        return;
    const int row = m_entryList->indexOfTopLevelItem(item);
    m_entryList->setCurrentItem(item);
    const bool on = item->checkState(OnColumn) == Qt::Checked;
    // Called later: the list is built anew, which deletes the item this signal comes from.
    QMetaObject::invokeMethod(
        this, [this, row, on] { refuseIf(m_schedule.setOn(row, on)); }, Qt::QueuedConnection);
}

void ScheduleWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_editor->reject();
    hide();
    m_context.requests.scheduleWindowClosed();
}
