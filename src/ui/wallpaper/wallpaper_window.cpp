// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/wallpaper/wallpaper_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include "core/files/list_file_flow.h"
#include "core/io/code_page.h"
#include "core/settings/settings_store.h"
#include "core/state/shared_state.h"
#include "core/state/warnings.h"
#include "core/wallpaper/wallpaper_logic.h"
#include "core/wallpaper/wallpaper_store.h"
#include "core/wallpaper/wallpaper_window_state.h"
#include "ui/common/window_context.h"
#include "ui/common/window_font.h"
#include "ui/common/window_requests.h"

namespace {
constexpr int kPreviewWidth = 200;
constexpr int kPreviewHeight = 150;

QPushButton* pictureButton(QWidget* parent, QStyle::StandardPixmap picture, const QString& tip)
{
    auto* button = new QPushButton(parent);
    button->setIcon(parent->style()->standardIcon(picture));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    return button;
}
} // namespace

WallpaperWindow::WallpaperWindow(WindowContext& context, WallpaperLogic& logic, WallpaperWindowState& windowState,
                                 ListFileFlow& listFiles, QWidget* parent)
    : QWidget(parent), m_context(context), m_windowState(windowState), m_logic(logic), m_listFiles(listFiles)
{
    buildControls();
    m_logic.changed = [self = QPointer<WallpaperWindow>(this)] {
        if (self)
            self->showState();
    };
}

WallpaperWindow::~WallpaperWindow() = default;

void WallpaperWindow::buildControls()
{
    setWindowTitle(tr("Tindalo Alarm Clock - Change Wallpaper"));

    m_listLabel = new QLabel(tr("Wallpaper list :"), this);
    m_pictureList = new QListWidget(this);
    m_pictureList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pictureBox = new QComboBox(this);
    m_pictureBox->setPlaceholderText(tr("Search"));
    m_pictureBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pictureBox->setMinimumContentsLength(16);
    m_preview = new QLabel(this);
    m_preview->setFixedSize(kPreviewWidth, kPreviewHeight);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_addButton = new QPushButton(tr("Add"), this);
    m_deleteButton = pictureButton(this, QStyle::SP_TrashIcon, tr("Delete the selected pictures"));
    m_deleteAllButton = pictureButton(this, QStyle::SP_DialogResetButton, tr("Delete all pictures"));
    m_saveListButton = pictureButton(this, QStyle::SP_DialogSaveButton, tr("Save the list"));
    m_loadButton = pictureButton(this, QStyle::SP_DialogOpenButton, tr("Load the saved list"));

    m_changeCheck = new QCheckBox(this);
    m_changeCheck->setEnabled(false);
    m_changeCheck->setAccessibleName(tr("Change in every"));
    m_changeLabel = new QLabel(tr("Change in every") + QLatin1Char(' '), this);
    m_intervalBox = new QComboBox(this);
    m_intervalBox->setPlaceholderText(QStringLiteral("min / hr"));
    m_intervalBox->addItems(WallpaperLogic::kIntervals);
    m_intervalBox->setCurrentIndex(-1);
    m_priorityOption = new QRadioButton(this);
    //: the pictures change in the list's order (the other choice: at random)
    m_priorityOption->setAccessibleName(tr("priority"));
    m_priorityLabel = new QLabel(tr("priority"), this);
    m_randomOption = new QRadioButton(this);
    m_randomOption->setAccessibleName(tr("random"));
    m_randomLabel = new QLabel(tr("random"), this);
    auto* options = new QButtonGroup(this);
    options->addButton(m_priorityOption, 1);
    options->addButton(m_randomOption, 2);
    m_keepSettingsCheck = new QCheckBox(this);
    m_keepSettingsCheck->setAccessibleName(tr("Save above setting"));
    m_keepSettingsLabel = new QLabel(tr("Save above setting"), this);
    m_changeNowButton = new QPushButton(tr("Change Now"), this);
    m_clearWallpaperButton = new QPushButton(tr("Clear Wallpaper"), this);
    m_minimizeButton = pictureButton(this, QStyle::SP_TitleBarMinButton, tr("Minimize"));
    m_closeButton = new QPushButton(tr("Close"), this);
    m_hiddenPicture = new QLabel(this);
    m_hiddenPicture->setVisible(false);
    m_picture = new QLabel(this);
    m_picture->setPixmap(style()->standardIcon(QStyle::SP_DesktopIcon).pixmap(48, 48));

    // A click on a label beside a check box or option button acts on it.
    for (QLabel* label : {m_changeLabel, m_keepSettingsLabel, m_priorityLabel, m_randomLabel})
        label->installEventFilter(this);
    m_changeLabel->setBuddy(m_changeCheck);
    m_keepSettingsLabel->setBuddy(m_keepSettingsCheck);
    m_priorityLabel->setBuddy(m_priorityOption);
    m_randomLabel->setBuddy(m_randomOption);

    connect(m_pictureBox, &QComboBox::activated, this, &WallpaperWindow::onPictureChosen);
    connect(m_pictureList, &QListWidget::itemClicked, this, &WallpaperWindow::onListClicked);
    connect(m_pictureList, &QListWidget::itemActivated, this, &WallpaperWindow::onListClicked);
    connect(m_addButton, &QPushButton::clicked, this, &WallpaperWindow::onAddClicked);
    connect(m_deleteButton, &QPushButton::clicked, this, &WallpaperWindow::onDeleteClicked);
    connect(m_deleteAllButton, &QPushButton::clicked, this, &WallpaperWindow::onDeleteAllClicked);
    connect(m_saveListButton, &QPushButton::clicked, this, &WallpaperWindow::onSaveListClicked);
    connect(m_loadButton, &QPushButton::clicked, this, &WallpaperWindow::onLoadClicked);
    // A change of a box by the program or the user runs the logic's handler; the logic's own changes are shown
    // with the signals blocked.
    connect(m_changeCheck, &QCheckBox::toggled, this, [this](bool on) { m_logic.setChangeTicked(on); });
    connect(m_intervalBox, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { m_logic.setIntervalText(text); });
    connect(m_intervalBox, &QComboBox::activated, this, &WallpaperWindow::onIntervalChosen);
    connect(m_priorityOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_logic.chooseOption(1);
    });
    connect(m_randomOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_logic.chooseOption(2);
    });
    connect(m_keepSettingsCheck, &QCheckBox::toggled, this, [this](bool on) { m_logic.setKeepSet(on); });
    connect(m_changeNowButton, &QPushButton::clicked, this, &WallpaperWindow::onChangeNowClicked);
    connect(m_clearWallpaperButton, &QPushButton::clicked, this, &WallpaperWindow::onClearWallpaperClicked);
    connect(m_minimizeButton, &QPushButton::clicked, this, &WallpaperWindow::onMinimizeClicked);
    connect(m_closeButton, &QPushButton::clicked, this, &WallpaperWindow::onCloseClicked);

    auto* listButtons = new QHBoxLayout;
    for (QPushButton* button : {m_deleteButton, m_deleteAllButton, m_saveListButton, m_loadButton})
        listButtons->addWidget(button);
    listButtons->addStretch();
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(m_listLabel);
    listColumn->addWidget(m_pictureList, 1);
    listColumn->addLayout(listButtons);

    auto* pickColumn = new QVBoxLayout;
    pickColumn->addWidget(m_pictureBox);
    pickColumn->addWidget(m_preview, 0, Qt::AlignHCenter);
    pickColumn->addWidget(m_addButton);
    pickColumn->addStretch();

    auto* settings = new QGridLayout;
    settings->addWidget(m_changeCheck, 0, 0);
    settings->addWidget(m_changeLabel, 0, 1);
    settings->addWidget(m_intervalBox, 0, 2);
    auto* order = new QHBoxLayout;
    order->addWidget(m_priorityOption);
    order->addWidget(m_priorityLabel);
    order->addSpacing(12);
    order->addWidget(m_randomOption);
    order->addWidget(m_randomLabel);
    order->addStretch();
    settings->addLayout(order, 1, 1, 1, 2);
    settings->addWidget(m_keepSettingsCheck, 2, 0);
    settings->addWidget(m_keepSettingsLabel, 2, 1, 1, 2);
    settings->setColumnStretch(3, 1);

    auto* actions = new QHBoxLayout;
    actions->addWidget(m_picture);
    actions->addWidget(m_changeNowButton);
    actions->addWidget(m_clearWallpaperButton);
    actions->addStretch();
    actions->addWidget(m_minimizeButton);
    actions->addWidget(m_closeButton);

    auto* top = new QHBoxLayout;
    top->addLayout(listColumn, 1);
    top->addLayout(pickColumn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(settings);
    layout->addLayout(actions);
    layout->addWidget(m_hiddenPicture);
}

bool WallpaperWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == m_changeLabel && m_changeCheck->isEnabled())
            m_changeCheck->toggle();
        else if (watched == m_keepSettingsLabel)
            m_keepSettingsCheck->toggle();
        else if (watched == m_priorityLabel)
            m_priorityOption->setChecked(true);
        else if (watched == m_randomLabel)
            m_randomOption->setChecked(true);
    }
    return QWidget::eventFilter(watched, event);
}

void WallpaperWindow::load()
{
    // A kept position is taken only while a screen still shows it.
    const QPoint kept(m_windowState.windowLeft, m_windowState.windowTop);
    if (m_logic.hasPosition() && QGuiApplication::screenAt(kept + QPoint(20, 20)))
        move(kept);
    m_windowState.windowLeft = x();
    m_windowState.windowTop = y();
    showState();
    applyFontChoice();
}

void WallpaperWindow::applyFontChoice()
{
    applyWindowFont({m_changeLabel, m_keepSettingsLabel, m_listLabel, m_priorityLabel, m_randomLabel, m_pictureList,
                     m_addButton, m_changeNowButton, m_clearWallpaperButton, m_closeButton, m_intervalBox,
                     m_pictureBox},
                    SettingsStore(m_context.state.settingsFile()).fontChoice());
}

void WallpaperWindow::showState()
{
    const QSignalBlocker blockChange(m_changeCheck);
    const QSignalBlocker blockInterval(m_intervalBox);
    const QSignalBlocker blockPictures(m_pictureBox);
    const QSignalBlocker blockPriority(m_priorityOption);
    const QSignalBlocker blockRandom(m_randomOption);
    const QSignalBlocker blockKeep(m_keepSettingsCheck);
    showList();
    QStringList offered;
    for (int i = 0; i < m_pictureBox->count(); ++i)
        offered.append(m_pictureBox->itemText(i));
    if (offered != m_logic.pictures()) {
        m_pictureBox->clear();
        m_pictureBox->addItems(m_logic.pictures());
        m_pictureBox->setCurrentIndex(-1);
    }
    const int interval = m_intervalBox->findText(m_logic.intervalText());
    if (m_intervalBox->currentIndex() != interval)
        m_intervalBox->setCurrentIndex(interval);
    m_changeCheck->setChecked(m_logic.changeTicked());
    m_changeCheck->setEnabled(m_logic.changeEnabled());
    if (m_logic.option() == 1)
        m_priorityOption->setChecked(true);
    else if (m_logic.option() == 2)
        m_randomOption->setChecked(true);
    m_keepSettingsCheck->setChecked(m_logic.keepSet());
}

void WallpaperWindow::showList()
{
    const QStringList entries = m_logic.entries();
    QStringList shown;
    for (int i = 0; i < m_pictureList->count(); ++i)
        shown.append(m_pictureList->item(i)->text());
    if (shown == entries)
        return;
    if (entries.size() > shown.size() && entries.mid(0, shown.size()) == shown) {
        m_pictureList->addItems(entries.mid(shown.size())); // an Add: the selection stays
        return;
    }
    const int row = m_pictureList->currentRow();
    m_pictureList->clear();
    m_pictureList->addItems(entries);
    if (row >= 0 && row < m_pictureList->count())
        m_pictureList->setCurrentRow(row, QItemSelectionModel::NoUpdate);
}

void WallpaperWindow::showPreview(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        m_preview->clear();
        m_previewPath.clear();
        m_context.warnings.warn(tr("%1 cannot be read as a picture").arg(QFileInfo(path).fileName()));
        return;
    }
    m_preview->setPixmap(
        QPixmap::fromImage(picture.scaled(m_preview->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    m_previewPath = path;
}

void WallpaperWindow::onPictureChosen()
{
    const int index = m_pictureBox->currentIndex();
    if (index < 0)
        return;
    m_windowState.pictureName = m_pictureBox->itemText(index);
    const QString path = m_logic.changer().picturePath(m_windowState.pictureName);
    if (QFileInfo(path).isFile()) {
        showPreview(path);
        return;
    }
    m_logic.removePicture(index);
    m_pictureBox->removeItem(index);
    m_pictureBox->setCurrentIndex(-1);
    m_windowState.pictureName.clear();
}

void WallpaperWindow::onListClicked()
{
    QListWidgetItem* item = m_pictureList->currentItem();
    if (!item)
        return;
    m_windowState.pictureName = item->text();
    const QString path = m_logic.changer().picturePath(m_windowState.pictureName);
    if (QFileInfo(path).isFile()) {
        showPreview(path);
        return;
    }
    const QString missing = m_windowState.pictureName;
    m_windowState.pictureName.clear();
    m_logic.removeAt(m_pictureList->row(item));
    m_context.warnings.warn(tr("%1 file not found").arg(missing));
}

void WallpaperWindow::onAddClicked()
{
    if (!m_windowState.pictureName.isEmpty())
        m_logic.add(m_windowState.pictureName);
}

void WallpaperWindow::onDeleteClicked()
{
    QList<int> rows;
    const QList<QListWidgetItem*> selected = m_pictureList->selectedItems();
    for (QListWidgetItem* item : selected)
        rows.append(m_pictureList->row(item));
    m_logic.deleteSelected(rows);
}

void WallpaperWindow::onDeleteAllClicked()
{
    m_logic.deleteAll();
}

void WallpaperWindow::onSaveListClicked()
{
    m_listFiles.save(WallpaperLogic::kSaver, WallpaperStore::kListFile);
}

void WallpaperWindow::onLoadClicked()
{
    QStringList entries;
    const auto take = [&entries](const QString& entry) {
        entries.append(entry);
        return true;
    };
    if (m_listFiles.load(WallpaperStore::kListFile, take, WallpaperLogic::kListNotFound))
        m_logic.loadList(entries);
}

void WallpaperWindow::onIntervalChosen()
{
    m_logic.setIntervalText(m_intervalBox->currentText());
    m_logic.intervalChosen();
}

void WallpaperWindow::onChangeNowClicked()
{
    if (m_previewPath.isEmpty())
        return;
    const BmpConversion conversion = m_logic.changer().changeNow(m_previewPath);
    if (conversion.outcome == BmpConversion::NotWritten)
        m_context.warnings.warn(m_logic.changer().unwritableFolderWarning(conversion.reason));
    else if (!conversion)
        m_context.warnings.warn(tr("%1 cannot be read as a picture").arg(QFileInfo(m_previewPath).fileName()));
}

void WallpaperWindow::onClearWallpaperClicked()
{
    m_logic.changer().clearWallpaper();
}

void WallpaperWindow::onMinimizeClicked()
{
    showMinimized();
}

void WallpaperWindow::onCloseClicked()
{
    close();
}

bool WallpaperWindow::closeSteps()
{
    if (!isMinimized()) {
        m_windowState.windowLeft = x();
        m_windowState.windowTop = y();
    }
    if (m_logic.closeSteps())
        return true;
    hide(); // the logic keeps working with the list
    return false;
}

void WallpaperWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (closeSteps()) {
        hide();
        m_context.requests.wallpaperWindowClosed();
    }
}
