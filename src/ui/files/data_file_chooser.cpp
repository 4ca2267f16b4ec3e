// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/files/data_file_chooser.h"

#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <QValidator>

#include "core/alarms/alarm_data_files.h"
#include "core/alarms/data_file_choice.h"
#include "core/settings/settings_store.h"
#include "core/state/front_order.h"
#include "core/state/shared_state.h"
#include "core/state/translated.h"
#include "core/state/warnings.h"
#include "platform/services.h"
#include "platform/window_services.h"
#include "ui/common/deactivation_hook.h"
#include "ui/common/dialog_flags.h"
#include "ui/common/front_dialogs.h"
#include "ui/common/window_context.h"
#include "ui/common/window_font.h"
#include "ui/common/window_requests.h"

namespace {

// Keeps the characters a data file name may hold, whether typed or pasted.
class FileNameValidator final : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override
    {
        const QString kept = DataFileChoice::filterName(input);
        if (kept.size() != input.size()) {
            pos = int(DataFileChoice::filterName(input.left(pos)).size());
            input = kept;
        }
        return Acceptable;
    }
};

QLabel* modePicture(QStyle* style, QStyle::StandardPixmap pixmap, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setPixmap(style->standardIcon(pixmap).pixmap(32, 32));
    label->hide();
    return label;
}

} // namespace

DataFileChooser::DataFileChooser(WindowContext& context, QWidget* parent)
    : QDialog(parent, dialogFlags(parent)), m_context(context)
{
    DeactivationHook::install(this, &DataFileChooser::onDeactivated);
    setWindowTitle(QLatin1Char(' ') + tr("Load Data From Files"));

    m_headingLabel = new QLabel(tr("Load data from files :"), this);
    m_fileList = new QListWidget(this);
    m_fileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_fileList->setMinimumSize(240, 160);
    m_nameLabel = new QLabel(tr("Input file name :"), this);
    m_nameBox = new QLineEdit(this);
    m_nameBox->setMaxLength(50);
    m_nameBox->setValidator(new FileNameValidator(m_nameBox));
    m_nameLabel->setBuddy(m_nameBox);
    m_confirmButton = new QPushButton(translated(DataFileChoice::kLoad), this);
    m_confirmButton->setDefault(true);
    m_confirmButton->setAutoDefault(true);
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setAutoDefault(false);
    m_loadPicture = modePicture(style(), QStyle::SP_DialogOpenButton, this);
    m_savePicture = modePicture(style(), QStyle::SP_DialogSaveButton, this);
    m_editPicture = modePicture(style(), QStyle::SP_FileDialogContentsView, this);

    connect(m_confirmButton, &QPushButton::clicked, this, &DataFileChooser::onConfirmClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &DataFileChooser::onCancelClicked);
    connect(m_fileList, &QListWidget::itemClicked, this, &DataFileChooser::onFileClicked);
    // As in a list box, choosing an entry with the keys is a click too.
    connect(m_fileList, &QListWidget::itemSelectionChanged, this, &DataFileChooser::onFileClicked);
    m_fileList->installEventFilter(this);
    m_nameBox->installEventFilter(this);

    auto* heading = new QHBoxLayout;
    heading->addWidget(m_loadPicture);
    heading->addWidget(m_savePicture);
    heading->addWidget(m_editPicture);
    heading->addWidget(m_headingLabel, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_confirmButton);
    buttons->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(m_fileList, 1);
    layout->addWidget(m_nameLabel);
    layout->addWidget(m_nameBox);
    layout->addLayout(buttons);
}

DataFileChooser::~DataFileChooser() = default;

void DataFileChooser::load()
{
    SharedState& state = m_context.state;
    QDir().mkpath(state.appPath);
    m_fileList->addItems(DataFileChoice::listDataFiles(state.appPath));
    m_previousFront = m_context.front.claim(kWhoFileChooser);
    m_context.dialogs.registerForegroundDialog(kWhoFileChooser, this);
    m_context.services.windows.setTopmost(this);
    applyFontChoice();
}

void DataFileChooser::applyFontChoice()
{
    applyWindowFont({m_cancelButton, m_confirmButton, m_fileList, m_headingLabel, m_nameLabel},
                    SettingsStore(m_context.state.settingsFile()).fontChoice(), WindowFontCases::ArialOnly);
}

void DataFileChooser::setMode(DataFileChoice::Mode mode)
{
    m_mode = mode;
    m_confirmButton->setText(translated(DataFileChoice::confirmCaption(mode)));
    switch (mode) {
    case DataFileChoice::Mode::Load:
        m_headingLabel->setText(tr("Load data from files :"));
        break;
    case DataFileChoice::Mode::Save:
        m_headingLabel->setText(tr("Save file as :"));
        break;
    case DataFileChoice::Mode::Edit:
        m_headingLabel->setText(tr("Open a file to edit data :"));
        break;
    }
    m_loadPicture->setVisible(mode == DataFileChoice::Mode::Load);
    m_savePicture->setVisible(mode == DataFileChoice::Mode::Save);
    m_editPicture->setVisible(mode == DataFileChoice::Mode::Edit);
}

bool DataFileChooser::singleFileMode() const
{
    return m_mode != DataFileChoice::Mode::Load;
}

void DataFileChooser::deselectCurrent()
{
    if (QListWidgetItem* current = m_fileList->currentItem())
        current->setSelected(false);
}

void DataFileChooser::onFileClicked()
{
    if (!singleFileMode() || m_fileList->count() == 0)
        return;
    if (QListWidgetItem* current = m_fileList->currentItem(); current && current->isSelected())
        m_nameBox->clear();
}

bool DataFileChooser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_fileList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (singleFileMode() && m_fileList->count() > 0 && (key == Qt::Key_Shift || key == Qt::Key_Control))
            deselectCurrent();
    } else if (watched == m_nameBox && event->type() == QEvent::FocusIn) {
        if (singleFileMode() && m_fileList->count() > 0)
            deselectCurrent();
    }
    return QDialog::eventFilter(watched, event);
}

void DataFileChooser::onConfirmClicked()
{
    DataFileChoice::ListState list;
    for (int i = 0; i < m_fileList->count(); ++i) {
        list.entries.append(m_fileList->item(i)->text());
        list.selected.append(m_fileList->item(i)->isSelected());
    }
    list.current = m_fileList->currentRow();
    const DataFileChoice::Outcome outcome = DataFileChoice::confirm(m_mode, m_nameBox->text(), list);
    if (outcome.nameText != m_nameBox->text())
        m_nameBox->setText(outcome.nameText);
    if (!outcome.warning.isEmpty())
        m_context.warnings.warn(outcome.warning);
    for (const QString& name : outcome.names) {
        AlarmDataFiles files = m_context.requests.dataFiles();
        switch (m_mode) {
        case DataFileChoice::Mode::Load:
            files.load(name);
            break;
        case DataFileChoice::Mode::Save:
            files.save(name);
            break;
        case DataFileChoice::Mode::Edit:
            files.edit(name);
            break;
        }
    }
    if (outcome.close)
        unload();
}

void DataFileChooser::onCancelClicked()
{
    unload();
}

void DataFileChooser::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_context.dialogs.handFrontBack(m_previousFront);
    hide();
    m_context.requests.dataFileChooserClosed();
}

void DataFileChooser::onDeactivated()
{
    if (m_unloaded)
        return;
    if (!isVisible()) {
        unload();
        return;
    }
    m_context.dialogs.reclaimFront(this, kWhoFileChooser);
}

void DataFileChooser::closeEvent(QCloseEvent* event)
{
    event->ignore();
    unload();
}

void DataFileChooser::reject()
{
    unload();
}
