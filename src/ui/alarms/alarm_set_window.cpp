// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/alarms/alarm_set_window.h"

#include <functional>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/alarms/alarm_list_logic.h"
#include "core/alarms/alarm_lists.h"
#include "core/alarms/alarm_set_logic.h"
#include "core/alarms/data_file_choice.h"
#include "core/clock/chime_setup.h"
#include "core/settings/settings_store.h"
#include "core/state/shared_state.h"
#include "core/state/warnings.h"
#include "platform/clock.h"
#include "platform/services.h"
#include "platform/sound_devices.h"
#include "platform/window_services.h"
#include "ui/common/tray_pictures.h"
#include "ui/common/window_context.h"
#include "ui/common/window_font.h"
#include "ui/common/window_requests.h"

namespace {
constexpr int kTitleMs = 1000;
constexpr double kTwipsPerInch = 1440.0;

// A combo box that reports each drop-down before its list opens.
class DropDownBox final : public QComboBox
{
public:
    using QComboBox::QComboBox;
    std::function<void()> onDropDown;
    void showPopup() override
    {
        if (onDropDown)
            onDropDown();
        QComboBox::showPopup();
    }
};

QStringList twoDigitItems(int from, int to)
{
    QStringList items;
    for (int i = from; i <= to; ++i)
        items.append(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
    return items;
}

QToolButton* pictureButton(QStyle::StandardPixmap picture, const QString& tip, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(picture, nullptr, parent));
    button->setIconSize(QSize(20, 20));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setAutoRaise(false);
    return button;
}

// Keeps `widget` at its own font when the frame around it gets another one.
void keepOwnFont(QWidget* widget)
{
    QFont font = widget->font();
    font.setFamily(font.family());
    font.setPointSizeF(font.pointSizeF());
    widget->setFont(font);
}
} // namespace

AlarmSetWindow::AlarmSetWindow(WindowContext& context, QWidget* parent) : QWidget(parent, Qt::Window), m_ctx(context)
{
    setWindowTitle(AlarmSet::kCaption);
    setWindowIcon(TrayPictures::normal());
    buildControls();
    buildLayout();

    Timer1.setInterval(kTitleMs);
    connect(&Timer1, &QTimer::timeout, this, &AlarmSetWindow::Timer1_Timer);

    strTimesOfPlay = QStringLiteral("once");
    SFjumper = false;
    fForm4Load();
    LoadFontSetting();
}

AlarmSetWindow::~AlarmSetWindow() = default;

void AlarmSetWindow::buildControls()
{
    menuBar = new QMenuBar(this);
    mSettings = menuBar->addAction(QStringLiteral("Settings"));
    connect(mSettings, &QAction::triggered, this, &AlarmSetWindow::mSettings_Click);

    Image1 = new QLabel(this);
    Image1->setPixmap(TrayPictures::normal().pixmap(QSize(36, 36)));

    lblATis = new QLabel(QStringLiteral("Alarm time is :"), this);
    cbHour = new QComboBox(this);
    cbHour->setEditable(true);
    cbHour->addItems(twoDigitItems(1, 12));
    lblColon1 = new QLabel(QStringLiteral(":"), this);
    auto* minutes = new DropDownBox(this);
    minutes->onDropDown = [minutes] { minutes->addItems(AlarmListLogic::MinDropDown(minutes->count())); };
    cbMin = minutes;
    lblColon2 = new QLabel(QStringLiteral(":"), this);
    auto* seconds = new DropDownBox(this);
    seconds->onDropDown = [seconds] { seconds->addItems(AlarmListLogic::SecDropDown(seconds->count())); };
    cbSec = seconds;
    for (QComboBox* box : {cbMin, cbSec}) {
        box->setEditable(true);
        box->addItems(twoDigitItems(0, 9));
    }
    for (QComboBox* box : {cbHour, cbMin, cbSec}) {
        // Typed digits stay as typed: "1" is one o'clock, not "10" completed from the list.
        box->setCompleter(nullptr);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCurrentIndex(-1);
        box->setMinimumContentsLength(2);
        watchTimeBox(box);
    }

    txtAm = new QLineEdit(this);
    txtAm->setReadOnly(true);
    txtAm->setMaxLength(2);
    txtAm->setFocusPolicy(Qt::NoFocus);
    txtAm->setAlignment(Qt::AlignCenter);
    txtAm->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("MMMM")));
    cmdUp = new QToolButton(this);
    cmdUp->setArrowType(Qt::UpArrow);
    cmdUp->setToolTip(QStringLiteral("AM / PM"));
    cmdDown = new QToolButton(this);
    cmdDown->setArrowType(Qt::DownArrow);
    cmdDown->setToolTip(QStringLiteral("AM / PM"));
    for (QToolButton* button : {cmdUp, cmdDown})
        button->setFixedHeight(txtAm->sizeHint().height() / 2 + 1);
    connect(cmdUp, &QToolButton::clicked, this, &AlarmSetWindow::cmdUp_Click);
    connect(cmdDown, &QToolButton::clicked, this, &AlarmSetWindow::cmdDown_Click);

    cbPlayTimes = new QComboBox(this);
    cbPlayTimes->setPlaceholderText(QStringLiteral("Play Times"));
    cbPlayTimes->addItems(
        {QStringLiteral("once"), QStringLiteral("twice"), QStringLiteral("thrice"), QStringLiteral("repeat!")});
    cbPlayTimes->setCurrentIndex(-1);
    cbPlayTimes->installEventFilter(this);

    cmdAdd = new QPushButton(QStringLiteral("Add"), this);
    cmdAdd->setDefault(true);
    cmdAdd->setAutoDefault(true);
    connect(cmdAdd, &QPushButton::clicked, this, &AlarmSetWindow::cmdAdd_Click);
    cmdWithMessage = pictureButton(QStyle::SP_FileDialogContentsView, QStringLiteral("Add with a message"), this);
    connect(cmdWithMessage, &QToolButton::clicked, this, &AlarmSetWindow::cmdWithMessage_Click);

    Frame2 = new QGroupBox(QStringLiteral("Play list :"), this);
    AlarmLists& lists = m_ctx.lists;
    lstData = new QListView(Frame2);
    lstData->setUniformItemSizes(true);
    lstData->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstData->setSelectionMode(QAbstractItemView::SingleSelection);
    lstData->setModel(&lists.lstData);
    connect(lstData->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList rows = lstData->selectionModel()->selectedRows();
        m_ctx.lists.lstData.setSelected(rows.isEmpty() ? -1 : rows.first().row());
    });
    connect(&lists.lstData, &AlarmDataList::selectedChanged, this, &AlarmSetWindow::showSelected);
    connect(lstData, &QListView::doubleClicked, this, &AlarmSetWindow::lstData_DblClick);
    lstMessage = new QListView(Frame2);
    lstMessage->setUniformItemSizes(true);
    lstMessage->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstMessage->setSelectionMode(QAbstractItemView::NoSelection);
    lstMessage->setModel(&lists.lstMessage);

    // While a message is typed the list gives way to a shaded picture, so the selected line cannot change.
    imgSha = new QLabel(Frame2);
    imgSha->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    imgSha->setAutoFillBackground(true);
    QPalette shaded = imgSha->palette();
    shaded.setBrush(QPalette::Window, QBrush(palette().color(QPalette::Mid), Qt::Dense5Pattern));
    imgSha->setPalette(shaded);
    imgSha->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    imgSha->hide();

    txtViewM = new QPlainTextEdit(Frame2);
    txtViewM->setReadOnly(true);
    txtViewM->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtViewM->hide();
    for (QWidget* inside :
         {static_cast<QWidget*>(lstMessage), static_cast<QWidget*>(imgSha), static_cast<QWidget*>(txtViewM)})
        keepOwnFont(inside);

    cmdViewM = new QPushButton(QStringLiteral("View Message"), this);
    cmdViewM->setAutoDefault(true);
    connect(cmdViewM, &QPushButton::clicked, this, &AlarmSetWindow::cmdViewM_Click);
    cmdDelete = pictureButton(QStyle::SP_DialogDiscardButton, QStringLiteral("Delete the selected event"), this);
    cmdDeleteAll = pictureButton(QStyle::SP_DialogResetButton, QStringLiteral("Delete all events"), this);
    connect(cmdDelete, &QToolButton::clicked, this, &AlarmSetWindow::cmdDelete_Click);
    connect(cmdDeleteAll, &QToolButton::clicked, this, &AlarmSetWindow::cmdDeleteAll_Click);

    auto* songs = new DropDownBox(this);
    songs->onDropDown = [this] { SongDropDown(); };
    cmbSong = songs;
    cmbSong->setPlaceholderText(QStringLiteral("Song"));
    cmbSong->setMinimumContentsLength(12);
    cmbSong->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbSong->installEventFilter(this);
    connect(cmbSong, &QComboBox::activated, this, &AlarmSetWindow::SongClick);
    cmdPlayB = pictureButton(QStyle::SP_MediaPlay, QStringLiteral("Play the sound once"), this);
    connect(cmdPlayB, &QToolButton::clicked, this, &AlarmSetWindow::cmdPlayB_Click);

    chkEMPlay = new QCheckBox(QStringLiteral("Every"), this);
    chkEMPlay->setEnabled(false);
    connect(chkEMPlay, &QCheckBox::toggled, this, &AlarmSetWindow::chkEMPlay_Click);
    cbEMPlay = new QComboBox(this);
    cbEMPlay->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                        QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("30"),
                        QStringLiteral("60")});
    cbEMPlay->setPlaceholderText(QStringLiteral(" "));
    cbEMPlay->setCurrentIndex(-1);
    cbEMPlay->installEventFilter(this);
    connect(cbEMPlay, &QComboBox::currentIndexChanged, this, &AlarmSetWindow::cbEMPlay_Click);
    Label2 = new QLabel(QStringLiteral("min"), this);

    cmdLoad = pictureButton(QStyle::SP_DialogOpenButton, QStringLiteral("Load alarm events from a file"), this);
    cmdSaveFile = pictureButton(QStyle::SP_DialogSaveButton, QStringLiteral("Save the alarm events to a file"), this);
    cmdEditor = pictureButton(QStyle::SP_FileDialogDetailedView, QStringLiteral("Edit an alarm data file"), this);
    cmdMin = pictureButton(QStyle::SP_TitleBarMinButton, QStringLiteral("Minimize"), this);
    connect(cmdLoad, &QToolButton::clicked, this, &AlarmSetWindow::cmdLoad_Click);
    connect(cmdSaveFile, &QToolButton::clicked, this, &AlarmSetWindow::cmdSaveFile_Click);
    connect(cmdEditor, &QToolButton::clicked, this, &AlarmSetWindow::cmdEditor_Click);
    connect(cmdMin, &QToolButton::clicked, this, &AlarmSetWindow::cmdMin_Click);
    cmdExit = new QPushButton(QStringLiteral("Exit"), this);
    cmdExit->setAutoDefault(true);
    connect(cmdExit, &QPushButton::clicked, this, &AlarmSetWindow::cmdExit_Click);

    const QList<QWidget*> tabOrder{cbHour,         cbMin,     cbSec,     cmdUp,        cmdDown,   cbPlayTimes, cmdAdd,
                                   cmdWithMessage, cmdViewM,  cmdDelete, cmdDeleteAll, lstData,   cmbSong,     cmdPlayB,
                                   cbEMPlay,       chkEMPlay, cmdLoad,   cmdSaveFile,  cmdEditor, cmdMin,      cmdExit};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
    lstMessage->setFocusPolicy(Qt::NoFocus);
    txtViewM->setFocusPolicy(Qt::ClickFocus);
    cbHour->setFocus(); // typing starts with the hours
}

void AlarmSetWindow::buildLayout()
{
    auto* time = new QHBoxLayout;
    time->addWidget(lblATis);
    time->addWidget(cbHour);
    time->addWidget(lblColon1);
    time->addWidget(cbMin);
    time->addWidget(lblColon2);
    time->addWidget(cbSec);
    time->addSpacing(6);
    time->addWidget(txtAm);
    auto* upDown = new QVBoxLayout;
    upDown->setSpacing(0);
    upDown->addWidget(cmdUp);
    upDown->addWidget(cmdDown);
    time->addLayout(upDown);
    time->addStretch(1);

    auto* add = new QHBoxLayout;
    add->addWidget(cbPlayTimes);
    add->addWidget(cmdAdd);
    add->addWidget(cmdWithMessage);
    add->addStretch(1);

    auto* input = new QVBoxLayout;
    input->addLayout(time);
    input->addLayout(add);
    auto* top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addLayout(input, 1);

    // The alarm list, its shaded picture and the list with messages take turns in one place of the same size.
    const QSize view = viewSize();
    txtViewM->setFixedSize(view);
    lstData->setFixedWidth(view.width());
    lstData->setMinimumHeight(view.height());
    imgSha->setFixedWidth(view.width());
    auto* lists = new QGridLayout(Frame2);
    lists->addWidget(lstData, 0, 0);
    lists->addWidget(imgSha, 0, 0);
    lists->addWidget(txtViewM, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    lists->addWidget(lstMessage, 0, 1);
    lists->setColumnStretch(1, 1);

    auto* listButtons = new QVBoxLayout;
    listButtons->addWidget(cmdViewM);
    listButtons->addWidget(cmdDelete, 0, Qt::AlignHCenter);
    listButtons->addWidget(cmdDeleteAll, 0, Qt::AlignHCenter);
    listButtons->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(Frame2, 1);
    middle->addLayout(listButtons);

    auto* sound = new QHBoxLayout;
    sound->addWidget(cmbSong);
    sound->addWidget(cmdPlayB);
    sound->addStretch(1);
    sound->addWidget(chkEMPlay);
    sound->addWidget(cbEMPlay);
    sound->addWidget(Label2);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(cmdLoad);
    bottom->addWidget(cmdSaveFile);
    bottom->addWidget(cmdEditor);
    bottom->addStretch(1);
    bottom->addWidget(cmdMin);
    bottom->addWidget(cmdExit);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(sound);
    layout->addLayout(bottom);
    resize(sizeHint().expandedTo(QSize(480, 400)));
}

void AlarmSetWindow::fForm4Load()
{
    SharedState& state = m_ctx.state;
    txtAm->setText(AlarmSet::amPmAt(m_ctx.services.clock.now()));
    showSelected(m_ctx.lists.lstData.selected());

    // The steps without a window (sound, sound checks) have run already when the lists were touched before.
    const AlarmSet::StoredSettings& stored = m_ctx.requests.loadAlarmSet();
    // A stored place is taken only while a screen still shows it.
    if (stored.position && QGuiApplication::screenAt(*stored.position))
        move(*stored.position);

    if (state.bEMPlayOn == kTrue) {
        // The interval goes into the minutes box before the box is ticked, so the set-up finds it there.
        const int item = cbEMPlay->findText(QString::number(state.iEMInterval));
        if (item >= 0)
            cbEMPlay->setCurrentIndex(item);
        chkEMPlay->setChecked(true);
        chkEMPlay->setEnabled(true);
        cbEMPlay->setEnabled(false);
    }
}

void AlarmSetWindow::LoadFontSetting()
{
    applyWindowFont(
        {cbHour, cbMin, cbPlayTimes, cbSec, cmbSong, cmdAdd, cmdExit, cmdViewM, Frame2, Label2, lblATis, lstData},
        SettingsStore(m_ctx.state.settingsFile()).fontChoice());
}

AlarmListLogic AlarmSetWindow::logic()
{
    return AlarmListLogic(m_ctx.state, m_ctx.lists, m_ctx.warnings, m_ctx.services.clock);
}

void AlarmSetWindow::watchTimeBox(QComboBox* box)
{
    QLineEdit* edit = box->lineEdit();
    // Keys reach the box, which hands them to its edit line; keys sent to the line itself are watched as well.
    box->installEventFilter(this);
    edit->installEventFilter(this);
    // Text that arrives without typing (pasted, dropped) passes the same digit rule as typed keys.
    connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& text) {
        const FilteredTime filtered = AlarmListLogic::filterTimeBoxText(text);
        if (filtered.text != text)
            edit->setText(filtered.text);
        if (filtered.beep)
            m_ctx.services.windows.beep();
    });
}

bool AlarmSetWindow::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    const bool release = event->type() == QEvent::KeyRelease;
    if (!press && !release)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);

    if (watched == cbPlayTimes || watched == cbEMPlay || watched == cmbSong)
        return press && AlarmListLogic::listOnlyKeyPress(key->text()) != KeyVerdict::Pass;
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (watched == cbHour || watched == cbMin || watched == cbSec)
        edit = static_cast<QComboBox*>(watched)->lineEdit();
    if (!edit)
        return QWidget::eventFilter(watched, event);
    if (press && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        // The time boxes would keep Enter to themselves; it belongs to the window's default button.
        cmdAdd->click();
        return true;
    }
    if (press) {
        const KeyVerdict verdict = AlarmListLogic::timeBoxKeyPress(key->text());
        if (verdict == KeyVerdict::DropWithBeep)
            m_ctx.services.windows.beep();
        return verdict != KeyVerdict::Pass;
    }
    const FilteredTime filtered = AlarmListLogic::timeBoxKeyRelease(edit->text());
    if (filtered.beep) {
        edit->setText(filtered.text);
        m_ctx.services.windows.beep();
    }
    return false;
}

void AlarmSetWindow::keyPressEvent(QKeyEvent* event)
{
    // Enter that no focused control takes adds the event, as the window's default button; the keypad's Enter too.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        cmdAdd->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AlarmSetWindow::cmdAdd_Click()
{
    AddClick();
}

void AlarmSetWindow::cmdWithMessage_Click()
{
    SharedState& state = m_ctx.state;
    state.bWithMessage = kTrue;
    AddClick();
    state.bWithMessage = kFalse;
}

void AlarmSetWindow::AddClick()
{
    const TimeBoxes boxes{cbHour->currentText(), cbMin->currentText(), cbSec->currentText()};
    const QString chosen = cbPlayTimes->currentIndex() >= 0 ? cbPlayTimes->currentText() : QString();
    const AddResult result = logic().AddClick(txtAm->text(), chosen, strTimesOfPlay, boxes);
    if (result.secondsReset)
        cbSec->setCurrentIndex(0);
    cbHour->setEditText(result.shown.cbHour);
    cbMin->setEditText(result.shown.cbMin);
    cbSec->setEditText(result.shown.cbSec);

    const SharedState& state = m_ctx.state;
    if (result.bInserted == kTrue && state.bWithMessage == kTrue && state.lForegroundWho == 0)
        openMessageInput();
}

void AlarmSetWindow::lstData_DblClick()
{
    if (m_ctx.lists.lstData.selected() >= 0 && m_ctx.state.lForegroundWho == 0)
        openMessageInput();
}

void AlarmSetWindow::openMessageInput()
{
    m_typingMessage = true;
    showListArea();
    m_ctx.requests.showMessageInput();
}

void AlarmSetWindow::messageInputClosed()
{
    m_typingMessage = false;
    showListArea();
}

void AlarmSetWindow::showListArea()
{
    const bool viewing = !txtViewM->isHidden();
    lstData->setVisible(!viewing && !m_typingMessage);
    imgSha->setVisible(!viewing && m_typingMessage);
}

QSize AlarmSetWindow::viewSize() const
{
    return QSize(qRound(kViewWidthTwips * logicalDpiX() / kTwipsPerInch),
                 qRound(kViewHeightTwips * logicalDpiY() / kTwipsPerInch));
}

void AlarmSetWindow::cmdDelete_Click()
{
    logic().deleteClick();
}

void AlarmSetWindow::cmdDeleteAll_Click()
{
    logic().deleteAllClick();
}

void AlarmSetWindow::cmdUp_Click()
{
    txtAm->setText(AlarmListLogic::UpClick(txtAm->text()));
}

void AlarmSetWindow::cmdDown_Click()
{
    txtAm->setText(AlarmListLogic::DownClick(txtAm->text()));
}

void AlarmSetWindow::cmdViewM_Click()
{
    if (!txtViewM->isHidden()) {
        txtViewM->hide();
        txtViewM->clear();
        cmdViewM->setText(QStringLiteral("View Message"));
        showListArea();
        return;
    }
    const AlarmLists& lists = m_ctx.lists;
    if (lists.lstData.isEmpty())
        return;
    QString text = AlarmSet::viewMessageText(lists.lstData, lists.lstMessage);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtViewM->setPlainText(text);
    txtViewM->setFixedSize(viewSize());
    txtViewM->show();
    showListArea();
    cmdViewM->setText(QStringLiteral("Hide Message"));
}

void AlarmSetWindow::SongDropDown()
{
    if (SFjumper)
        return;
    cmbSong->addItems(AlarmSet::songNames(m_ctx.state));
    SFjumper = true;
}

void AlarmSetWindow::SongClick()
{
    if (cmbSong->currentIndex() < 0)
        return;
    const QString warning = AlarmSet::SongClick(m_ctx.state, cmbSong->currentText());
    if (!warning.isEmpty())
        m_ctx.warnings.AnswerOk(warning);
}

void AlarmSetWindow::cmdPlayB_Click()
{
    if (cmbSong->currentIndex() < 0)
        return;
    m_ctx.services.wave.sndPlaySound(AlarmSet::songPath(m_ctx.state, cmbSong->currentText()));
}

void AlarmSetWindow::cbEMPlay_Click()
{
    if (cbEMPlay->currentIndex() >= 0)
        chkEMPlay->setEnabled(true);
}

void AlarmSetWindow::chkEMPlay_Click()
{
    const bool on = chkEMPlay->isChecked();
    setUpChime(m_ctx.state, on, cbEMPlay->currentIndex() >= 0 ? cbEMPlay->currentText() : QString(),
               m_ctx.services.clock.now().time());
    // While the chime runs its interval stays as shown.
    cbEMPlay->setEnabled(!on);
}

void AlarmSetWindow::cmdLoad_Click()
{
    m_ctx.requests.showDataFileChooser(DataFileChoice::Mode::Load);
}

void AlarmSetWindow::cmdSaveFile_Click()
{
    m_ctx.requests.showDataFileChooser(DataFileChoice::Mode::Save);
}

void AlarmSetWindow::cmdEditor_Click()
{
    m_ctx.requests.showDataFileChooser(DataFileChoice::Mode::Edit);
}

void AlarmSetWindow::mSettings_Click()
{
    m_ctx.requests.showSettingsWindow();
}

void AlarmSetWindow::cmdMin_Click()
{
    showMinimized();
}

void AlarmSetWindow::cmdExit_Click()
{
    SharedState& state = m_ctx.state;
    if (QString reason; !AlarmSet::fForm4ExitClick(state, m_ctx.lists.lstData, pos(), &reason))
        qWarning("Ixo: the place of the Alarm Set window could not be saved in %s: %s",
                 qPrintable(state.settingsFile().path()), qPrintable(reason));
    hide();
}

void AlarmSetWindow::Timer1_Timer()
{
    if (isVisible())
        setWindowTitle(AlarmSet::title(m_ctx.services.clock.now()));
}

void AlarmSetWindow::showSelected(qsizetype row)
{
    QItemSelectionModel* selection = lstData->selectionModel();
    if (row < 0) {
        selection->clear();
        return;
    }
    const QModelIndex index = lstData->model()->index(static_cast<int>(row), 0);
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    lstData->scrollTo(index);
}

void AlarmSetWindow::updateSecondsShown()
{
    const bool seconds = m_ctx.state.bNoSecond != kTrue;
    cbSec->setVisible(seconds);
    lblColon2->setVisible(seconds);
}

void AlarmSetWindow::showEvent(QShowEvent* event)
{
    updateSecondsShown();
    QWidget::showEvent(event);
    cbHour->setFocus(); // opening the window puts the cursor in the hour box, ready for the next alarm
    Timer1_Timer();
    Timer1.start();
}

void AlarmSetWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    Timer1.stop();
}

void AlarmSetWindow::closeEvent(QCloseEvent* event)
{
    // Closing only hides the window: the day's list goes on, and the window stays loaded as the tray's Alarm Set
    // asked (only Exit lets the idle clock unload it).
    event->ignore();
    hide();
}
