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
#include "core/state/warnings.h"
#include "platform/services.h"
#include "platform/window_services.h"
#include "ui/common/deactivation_hook.h"
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

DataFileChooser::DataFileChooser(WindowContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    DeactivationHook::install(this, &DataFileChooser::Form_Deactivate);
    setWindowTitle(QStringLiteral(" Load Data From Files"));

    Label1 = new QLabel(QStringLiteral("Load data from files :"), this);
    File1 = new QListWidget(this);
    File1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    File1->setMinimumSize(240, 160);
    lblInputFileN = new QLabel(QStringLiteral("Input file name :"), this);
    txtInput = new QLineEdit(this);
    txtInput->setMaxLength(50);
    txtInput->setValidator(new FileNameValidator(txtInput));
    lblInputFileN->setBuddy(txtInput);
    cmdConfirm = new QPushButton(DataFileChoice::kLoad, this);
    cmdConfirm->setDefault(true);
    cmdConfirm->setAutoDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setAutoDefault(false);
    imgLoad = modePicture(style(), QStyle::SP_DialogOpenButton, this);
    imgSave = modePicture(style(), QStyle::SP_DialogSaveButton, this);
    imgEdit = modePicture(style(), QStyle::SP_FileDialogContentsView, this);

    connect(cmdConfirm, &QPushButton::clicked, this, &DataFileChooser::cmdConfirm_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &DataFileChooser::cmdCancel_Click);
    connect(File1, &QListWidget::itemClicked, this, &DataFileChooser::File1_Click);
    // As in a list box, choosing an entry with the keys is a click too.
    connect(File1, &QListWidget::itemSelectionChanged, this, &DataFileChooser::File1_Click);
    File1->installEventFilter(this);
    txtInput->installEventFilter(this);

    auto* heading = new QHBoxLayout;
    heading->addWidget(imgLoad);
    heading->addWidget(imgSave);
    heading->addWidget(imgEdit);
    heading->addWidget(Label1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdConfirm);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(File1, 1);
    layout->addWidget(lblInputFileN);
    layout->addWidget(txtInput);
    layout->addLayout(buttons);
}

DataFileChooser::~DataFileChooser() = default;

void DataFileChooser::Form_Load()
{
    SharedState& state = m_ctx.state;
    QDir().mkpath(state.strAppPath);
    File1->addItems(DataFileChoice::listDataFiles(state.strAppPath));
    lPrevWho = m_ctx.front.claim(kWhoFileChooser);
    m_ctx.dialogs.registerForegroundDialog(kWhoFileChooser, this);
    m_ctx.services.windows.setTopmost(this);
    LoadFontSetting();
}

void DataFileChooser::LoadFontSetting()
{
    applyWindowFont({cmdCancel, cmdConfirm, File1, Label1, lblInputFileN},
                    SettingsStore(m_ctx.state.settingsFile()).fontChoice(), WindowFontCases::ArialOnly);
}

void DataFileChooser::setMode(DataFileChoice::Mode mode)
{
    m_mode = mode;
    cmdConfirm->setText(DataFileChoice::confirmCaption(mode));
    switch (mode) {
    case DataFileChoice::Mode::Load:
        Label1->setText(QStringLiteral("Load data from files :"));
        break;
    case DataFileChoice::Mode::Save:
        Label1->setText(QStringLiteral("Save file as :"));
        break;
    case DataFileChoice::Mode::Edit:
        Label1->setText(QStringLiteral("Open a file to edit data :"));
        break;
    }
    imgLoad->setVisible(mode == DataFileChoice::Mode::Load);
    imgSave->setVisible(mode == DataFileChoice::Mode::Save);
    imgEdit->setVisible(mode == DataFileChoice::Mode::Edit);
}

bool DataFileChooser::singleFileMode() const
{
    return m_mode != DataFileChoice::Mode::Load;
}

void DataFileChooser::deselectCurrent()
{
    if (QListWidgetItem* current = File1->currentItem())
        current->setSelected(false);
}

void DataFileChooser::File1_Click()
{
    if (!singleFileMode() || File1->count() == 0)
        return;
    if (QListWidgetItem* current = File1->currentItem(); current && current->isSelected())
        txtInput->clear();
}

bool DataFileChooser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == File1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (singleFileMode() && File1->count() > 0 && (key == Qt::Key_Shift || key == Qt::Key_Control))
            deselectCurrent();
    } else if (watched == txtInput && event->type() == QEvent::FocusIn) {
        if (singleFileMode() && File1->count() > 0)
            deselectCurrent();
    }
    return QDialog::eventFilter(watched, event);
}

void DataFileChooser::cmdConfirm_Click()
{
    DataFileChoice::ListState list;
    for (int i = 0; i < File1->count(); ++i) {
        list.entries.append(File1->item(i)->text());
        list.selected.append(File1->item(i)->isSelected());
    }
    list.current = File1->currentRow();
    const DataFileChoice::Outcome outcome = DataFileChoice::confirm(m_mode, txtInput->text(), list);
    if (outcome.txtInput != txtInput->text())
        txtInput->setText(outcome.txtInput);
    if (!outcome.warning.isEmpty())
        m_ctx.warnings.AnswerOk(outcome.warning);
    for (const QString& name : outcome.names) {
        AlarmDataFiles files = m_ctx.requests.dataFiles();
        switch (m_mode) {
        case DataFileChoice::Mode::Load:
            files.LoadClick(name);
            break;
        case DataFileChoice::Mode::Save:
            files.SaveFileClick(name);
            break;
        case DataFileChoice::Mode::Edit:
            files.EditorClick(name);
            break;
        }
    }
    if (outcome.close)
        unload();
}

void DataFileChooser::cmdCancel_Click()
{
    unload();
}

void DataFileChooser::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_ctx.dialogs.handFrontBack(lPrevWho);
    hide();
    m_ctx.requests.dataFileChooserClosed();
}

void DataFileChooser::Form_Deactivate()
{
    if (m_unloaded)
        return;
    if (!isVisible()) {
        unload();
        return;
    }
    m_ctx.dialogs.reclaimFront(this, kWhoFileChooser);
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
