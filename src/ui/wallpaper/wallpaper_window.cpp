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

WallpaperWindow::WallpaperWindow(WindowContext& context, QWidget* parent)
    : QWidget(parent), m_ctx(context), m_form(context.wallpaperForm), m_logic(context.wallpaper)
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
    setWindowTitle(QStringLiteral("Tindalo Alarm Clock - Change Wallpaper"));

    Label3 = new QLabel(QStringLiteral("Wallpaper list :"), this);
    lstShow = new QListWidget(this);
    lstShow->setSelectionMode(QAbstractItemView::ExtendedSelection);
    cbPaper = new QComboBox(this);
    cbPaper->setPlaceholderText(QStringLiteral("Search"));
    cbPaper->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbPaper->setMinimumContentsLength(16);
    imgShow = new QLabel(this);
    imgShow->setFixedSize(kPreviewWidth, kPreviewHeight);
    imgShow->setAlignment(Qt::AlignCenter);
    imgShow->setFrameShape(QFrame::StyledPanel);
    cmdAdd = new QPushButton(QStringLiteral("Add"), this);
    cmdDelete = pictureButton(this, QStyle::SP_TrashIcon, QStringLiteral("Delete the selected pictures"));
    cmdDeleteAll = pictureButton(this, QStyle::SP_DialogResetButton, QStringLiteral("Delete all pictures"));
    CmdSaveToFile = pictureButton(this, QStyle::SP_DialogSaveButton, QStringLiteral("Save the list"));
    cmdLoad = pictureButton(this, QStyle::SP_DialogOpenButton, QStringLiteral("Load the saved list"));

    chkChange = new QCheckBox(this);
    chkChange->setEnabled(false);
    chkChange->setAccessibleName(QStringLiteral("Change in every"));
    Label1 = new QLabel(QStringLiteral("Change in every "), this);
    cbChange = new QComboBox(this);
    cbChange->setPlaceholderText(QStringLiteral("min / hr"));
    cbChange->addItems(WallpaperLogic::kIntervals);
    cbChange->setCurrentIndex(-1);
    optOption1 = new QRadioButton(this);
    optOption1->setAccessibleName(QStringLiteral("priority"));
    Label4 = new QLabel(QStringLiteral("priority"), this);
    optOption2 = new QRadioButton(this);
    optOption2->setAccessibleName(QStringLiteral("random"));
    Label5 = new QLabel(QStringLiteral("random"), this);
    auto* options = new QButtonGroup(this);
    options->addButton(optOption1, 1);
    options->addButton(optOption2, 2);
    chkKeepSet = new QCheckBox(this);
    chkKeepSet->setAccessibleName(QStringLiteral("Save above setting"));
    Label2 = new QLabel(QStringLiteral("Save above setting"), this);
    cmdChangeWall = new QPushButton(QStringLiteral("Change Now"), this);
    cmdClearWall = new QPushButton(QStringLiteral("Clear Wallpaper"), this);
    cmdMinimize = pictureButton(this, QStyle::SP_TitleBarMinButton, QStringLiteral("Minimize"));
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    imgInvPic = new QLabel(this);
    imgInvPic->setVisible(false);
    Image1 = new QLabel(this);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_DesktopIcon).pixmap(48, 48));

    // A click on a label beside a check box or option button acts on it.
    for (QLabel* label : {Label1, Label2, Label4, Label5})
        label->installEventFilter(this);
    Label1->setBuddy(chkChange);
    Label2->setBuddy(chkKeepSet);
    Label4->setBuddy(optOption1);
    Label5->setBuddy(optOption2);

    connect(cbPaper, &QComboBox::activated, this, &WallpaperWindow::cbPaper_Click);
    connect(lstShow, &QListWidget::itemClicked, this, &WallpaperWindow::lstShow_Click);
    connect(lstShow, &QListWidget::itemActivated, this, &WallpaperWindow::lstShow_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &WallpaperWindow::cmdAdd_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &WallpaperWindow::cmdDelete_Click);
    connect(cmdDeleteAll, &QPushButton::clicked, this, &WallpaperWindow::cmdDeleteAll_Click);
    connect(CmdSaveToFile, &QPushButton::clicked, this, &WallpaperWindow::CmdSaveToFile_Click);
    connect(cmdLoad, &QPushButton::clicked, this, &WallpaperWindow::cmdLoad_Click);
    // A change of a box by the program or the user runs the logic's handler; the logic's own changes are shown
    // with the signals blocked.
    connect(chkChange, &QCheckBox::toggled, this, [this](bool on) { m_logic.setChangeTicked(on); });
    connect(cbChange, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { m_logic.setIntervalText(text); });
    connect(cbChange, &QComboBox::activated, this, &WallpaperWindow::cbChange_Click);
    connect(optOption1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_logic.chooseOption(1);
    });
    connect(optOption2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_logic.chooseOption(2);
    });
    connect(chkKeepSet, &QCheckBox::toggled, this, [this](bool on) { m_logic.setKeepSet(on); });
    connect(cmdChangeWall, &QPushButton::clicked, this, &WallpaperWindow::cmdChangeWall_Click);
    connect(cmdClearWall, &QPushButton::clicked, this, &WallpaperWindow::cmdClearWall_Click);
    connect(cmdMinimize, &QPushButton::clicked, this, &WallpaperWindow::cmdMinimize_Click);
    connect(cmdClose, &QPushButton::clicked, this, &WallpaperWindow::cmdClose_Click);

    auto* listButtons = new QHBoxLayout;
    for (QPushButton* button : {cmdDelete, cmdDeleteAll, CmdSaveToFile, cmdLoad})
        listButtons->addWidget(button);
    listButtons->addStretch();
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(Label3);
    listColumn->addWidget(lstShow, 1);
    listColumn->addLayout(listButtons);

    auto* pickColumn = new QVBoxLayout;
    pickColumn->addWidget(cbPaper);
    pickColumn->addWidget(imgShow, 0, Qt::AlignHCenter);
    pickColumn->addWidget(cmdAdd);
    pickColumn->addStretch();

    auto* settings = new QGridLayout;
    settings->addWidget(chkChange, 0, 0);
    settings->addWidget(Label1, 0, 1);
    settings->addWidget(cbChange, 0, 2);
    auto* order = new QHBoxLayout;
    order->addWidget(optOption1);
    order->addWidget(Label4);
    order->addSpacing(12);
    order->addWidget(optOption2);
    order->addWidget(Label5);
    order->addStretch();
    settings->addLayout(order, 1, 1, 1, 2);
    settings->addWidget(chkKeepSet, 2, 0);
    settings->addWidget(Label2, 2, 1, 1, 2);
    settings->setColumnStretch(3, 1);

    auto* actions = new QHBoxLayout;
    actions->addWidget(Image1);
    actions->addWidget(cmdChangeWall);
    actions->addWidget(cmdClearWall);
    actions->addStretch();
    actions->addWidget(cmdMinimize);
    actions->addWidget(cmdClose);

    auto* top = new QHBoxLayout;
    top->addLayout(listColumn, 1);
    top->addLayout(pickColumn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(settings);
    layout->addLayout(actions);
    layout->addWidget(imgInvPic);
}

bool WallpaperWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == Label1 && chkChange->isEnabled())
            chkChange->toggle();
        else if (watched == Label2)
            chkKeepSet->toggle();
        else if (watched == Label4)
            optOption1->setChecked(true);
        else if (watched == Label5)
            optOption2->setChecked(true);
    }
    return QWidget::eventFilter(watched, event);
}

void WallpaperWindow::Form_Load()
{
    // A kept position is taken only while a screen still shows it.
    const QPoint kept(m_form.lWinLeft, m_form.lWinTop);
    if (m_logic.hasPosition() && QGuiApplication::screenAt(kept + QPoint(20, 20)))
        move(kept);
    m_form.lWinLeft = x();
    m_form.lWinTop = y();
    showState();
    LoadFontSetting();
}

void WallpaperWindow::LoadFontSetting()
{
    applyWindowFont({Label1, Label2, Label3, Label4, Label5, lstShow, cmdAdd, cmdChangeWall, cmdClearWall, cmdClose,
                     cbChange, cbPaper},
                    SettingsStore(m_ctx.state.settingsFile()).fontChoice());
}

void WallpaperWindow::showState()
{
    const QSignalBlocker blockChange(chkChange);
    const QSignalBlocker blockInterval(cbChange);
    const QSignalBlocker blockPictures(cbPaper);
    const QSignalBlocker blockPriority(optOption1);
    const QSignalBlocker blockRandom(optOption2);
    const QSignalBlocker blockKeep(chkKeepSet);
    showList();
    QStringList offered;
    for (int i = 0; i < cbPaper->count(); ++i)
        offered.append(cbPaper->itemText(i));
    if (offered != m_logic.pictures()) {
        cbPaper->clear();
        cbPaper->addItems(m_logic.pictures());
        cbPaper->setCurrentIndex(-1);
    }
    const int interval = cbChange->findText(m_logic.intervalText());
    if (cbChange->currentIndex() != interval)
        cbChange->setCurrentIndex(interval);
    chkChange->setChecked(m_logic.changeTicked());
    chkChange->setEnabled(m_logic.changeEnabled());
    if (m_logic.option() == 1)
        optOption1->setChecked(true);
    else if (m_logic.option() == 2)
        optOption2->setChecked(true);
    chkKeepSet->setChecked(m_logic.keepSet());
}

void WallpaperWindow::showList()
{
    const QStringList entries = m_logic.entries();
    QStringList shown;
    for (int i = 0; i < lstShow->count(); ++i)
        shown.append(lstShow->item(i)->text());
    if (shown == entries)
        return;
    if (entries.size() > shown.size() && entries.mid(0, shown.size()) == shown) {
        lstShow->addItems(entries.mid(shown.size())); // an Add: the selection stays
        return;
    }
    const int row = lstShow->currentRow();
    lstShow->clear();
    lstShow->addItems(entries);
    if (row >= 0 && row < lstShow->count())
        lstShow->setCurrentRow(row, QItemSelectionModel::NoUpdate);
}

void WallpaperWindow::showPreview(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        imgShow->clear();
        m_previewPath.clear();
        m_ctx.warnings.AnswerOk(QFileInfo(path).fileName() + QStringLiteral(" cannot be read as a picture"));
        return;
    }
    imgShow->setPixmap(
        QPixmap::fromImage(picture.scaled(imgShow->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    m_previewPath = path;
}

void WallpaperWindow::cbPaper_Click()
{
    const int index = cbPaper->currentIndex();
    if (index < 0)
        return;
    m_form.strPicName = cbPaper->itemText(index);
    const QString path = m_logic.changer().picturePath(m_form.strPicName);
    if (QFileInfo(path).isFile()) {
        showPreview(path);
        return;
    }
    m_logic.removePicture(index);
    cbPaper->removeItem(index);
    cbPaper->setCurrentIndex(-1);
    m_form.strPicName.clear();
}

void WallpaperWindow::lstShow_Click()
{
    QListWidgetItem* item = lstShow->currentItem();
    if (!item)
        return;
    m_form.strPicName = item->text();
    const QString path = m_logic.changer().picturePath(m_form.strPicName);
    if (QFileInfo(path).isFile()) {
        showPreview(path);
        return;
    }
    const QString missing = m_form.strPicName;
    m_form.strPicName.clear();
    m_logic.removeAt(lstShow->row(item));
    m_ctx.warnings.AnswerOk(missing + QStringLiteral(" file not found"));
}

void WallpaperWindow::cmdAdd_Click()
{
    if (!m_form.strPicName.isEmpty())
        m_logic.add(m_form.strPicName);
}

void WallpaperWindow::cmdDelete_Click()
{
    QList<int> rows;
    const QList<QListWidgetItem*> selected = lstShow->selectedItems();
    for (QListWidgetItem* item : selected)
        rows.append(lstShow->row(item));
    m_logic.deleteSelected(rows);
}

void WallpaperWindow::cmdDeleteAll_Click()
{
    m_logic.deleteAll();
}

void WallpaperWindow::CmdSaveToFile_Click()
{
    m_ctx.listFiles.save(WallpaperLogic::kSaver, WallpaperStore::kListFile);
}

void WallpaperWindow::cmdLoad_Click()
{
    QStringList entries;
    const auto take = [&entries](const QString& entry) {
        entries.append(entry);
        return true;
    };
    if (m_ctx.listFiles.load(WallpaperStore::kListFile, take, WallpaperLogic::kListNotFound))
        m_logic.loadList(entries);
}

void WallpaperWindow::cbChange_Click()
{
    m_logic.setIntervalText(cbChange->currentText());
    m_logic.cbChange_Click();
}

void WallpaperWindow::cmdChangeWall_Click()
{
    if (m_previewPath.isEmpty())
        return;
    const BmpConversion conversion = m_logic.changer().changeNow(m_previewPath);
    if (conversion.outcome == BmpConversion::NotWritten)
        m_ctx.warnings.AnswerOk(m_logic.changer().unwritableFolderWarning(conversion.reason));
    else if (!conversion)
        m_ctx.warnings.AnswerOk(QFileInfo(m_previewPath).fileName() + QStringLiteral(" cannot be read as a picture"));
}

void WallpaperWindow::cmdClearWall_Click()
{
    m_logic.changer().clearWallpaper();
}

void WallpaperWindow::cmdMinimize_Click()
{
    showMinimized();
}

void WallpaperWindow::cmdClose_Click()
{
    close();
}

bool WallpaperWindow::Form_QueryUnload()
{
    if (!isMinimized()) {
        m_form.lWinLeft = x();
        m_form.lWinTop = y();
    }
    if (m_logic.closeSteps())
        return true;
    hide(); // the logic keeps working with the list
    return false;
}

void WallpaperWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (Form_QueryUnload()) {
        hide();
        m_ctx.requests.wallpaperWindowClosed();
    }
}
