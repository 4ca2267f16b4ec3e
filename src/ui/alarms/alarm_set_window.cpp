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

AlarmSetWindow::AlarmSetWindow(WindowContext& context, AlarmLists& lists, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_lists(lists)
{
    setWindowTitle(AlarmSet::kCaption);
    setWindowIcon(TrayPictures::normal());
    buildControls();
    buildLayout();

    m_titleTimer.setInterval(kTitleMs);
    connect(&m_titleTimer, &QTimer::timeout, this, &AlarmSetWindow::updateTitle);

    m_playTimes = QStringLiteral("once");
    m_soundListFilled = false;
    load();
    applyFontChoice();
}

AlarmSetWindow::~AlarmSetWindow() = default;

void AlarmSetWindow::buildControls()
{
    m_menuBar = new QMenuBar(this);
    m_settingsAction = m_menuBar->addAction(tr("Settings"));
    connect(m_settingsAction, &QAction::triggered, this, &AlarmSetWindow::onSettingsTriggered);

    m_picture = new QLabel(this);
    m_picture->setPixmap(TrayPictures::normal().pixmap(QSize(36, 36)));

    m_timeLabel = new QLabel(tr("Alarm time is :"), this);
    m_hourBox = new QComboBox(this);
    m_hourBox->setEditable(true);
    m_hourBox->addItems(twoDigitItems(1, 12));
    m_minutesColon = new QLabel(QStringLiteral(":"), this);
    auto* minutes = new DropDownBox(this);
    minutes->onDropDown = [minutes] { minutes->addItems(AlarmListLogic::moreMinuteItems(minutes->count())); };
    m_minuteBox = minutes;
    m_secondsColon = new QLabel(QStringLiteral(":"), this);
    auto* seconds = new DropDownBox(this);
    seconds->onDropDown = [seconds] { seconds->addItems(AlarmListLogic::moreSecondItems(seconds->count())); };
    m_secondBox = seconds;
    for (QComboBox* box : {m_minuteBox, m_secondBox}) {
        box->setEditable(true);
        box->addItems(twoDigitItems(0, 9));
    }
    for (QComboBox* box : {m_hourBox, m_minuteBox, m_secondBox}) {
        // Typed digits stay as typed: "1" is one o'clock, not "10" completed from the list.
        box->setCompleter(nullptr);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCurrentIndex(-1);
        box->setMinimumContentsLength(2);
        watchTimeBox(box);
    }

    m_amPmBox = new QLineEdit(this);
    m_amPmBox->setReadOnly(true);
    m_amPmBox->setMaxLength(2);
    m_amPmBox->setFocusPolicy(Qt::NoFocus);
    m_amPmBox->setAlignment(Qt::AlignCenter);
    m_amPmBox->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("MMMM")));
    m_amPmUpButton = new QToolButton(this);
    m_amPmUpButton->setArrowType(Qt::UpArrow);
    m_amPmUpButton->setToolTip(QStringLiteral("AM / PM"));
    m_amPmDownButton = new QToolButton(this);
    m_amPmDownButton->setArrowType(Qt::DownArrow);
    m_amPmDownButton->setToolTip(QStringLiteral("AM / PM"));
    for (QToolButton* button : {m_amPmUpButton, m_amPmDownButton})
        button->setFixedHeight(m_amPmBox->sizeHint().height() / 2 + 1);
    connect(m_amPmUpButton, &QToolButton::clicked, this, &AlarmSetWindow::onAmPmUpClicked);
    connect(m_amPmDownButton, &QToolButton::clicked, this, &AlarmSetWindow::onAmPmDownClicked);

    m_playTimesBox = new QComboBox(this);
    //: how often the alarm sound plays (once, twice, thrice, repeat!)
    m_playTimesBox->setPlaceholderText(tr("Play Times"));
    m_playTimesBox->addItems(
        {QStringLiteral("once"), QStringLiteral("twice"), QStringLiteral("thrice"), QStringLiteral("repeat!")});
    m_playTimesBox->setCurrentIndex(-1);
    m_playTimesBox->installEventFilter(this);

    m_addButton = new QPushButton(tr("Add"), this);
    m_addButton->setDefault(true);
    m_addButton->setAutoDefault(true);
    connect(m_addButton, &QPushButton::clicked, this, &AlarmSetWindow::onAddClicked);
    m_addWithMessageButton = pictureButton(QStyle::SP_FileDialogContentsView, tr("Add with a message"), this);
    connect(m_addWithMessageButton, &QToolButton::clicked, this, &AlarmSetWindow::onAddWithMessageClicked);

    m_playListFrame = new QGroupBox(tr("Play list :"), this);
    AlarmLists& lists = m_lists;
    m_alarmList = new QListView(m_playListFrame);
    m_alarmList->setUniformItemSizes(true);
    m_alarmList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_alarmList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_alarmList->setModel(&lists.alarms);
    connect(m_alarmList->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList rows = m_alarmList->selectionModel()->selectedRows();
        m_lists.alarms.setSelected(rows.isEmpty() ? -1 : rows.first().row());
    });
    connect(&lists.alarms, &AlarmDataList::selectedChanged, this, &AlarmSetWindow::showSelected);
    connect(m_alarmList, &QListView::doubleClicked, this, &AlarmSetWindow::onAlarmDoubleClicked);
    m_messageList = new QListView(m_playListFrame);
    m_messageList->setUniformItemSizes(true);
    m_messageList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_messageList->setSelectionMode(QAbstractItemView::NoSelection);
    m_messageList->setModel(&lists.messages);

    // While a message is typed the list gives way to a shaded picture, so the selected line cannot change.
    m_shade = new QLabel(m_playListFrame);
    m_shade->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_shade->setAutoFillBackground(true);
    QPalette shaded = m_shade->palette();
    shaded.setBrush(QPalette::Window, QBrush(palette().color(QPalette::Mid), Qt::Dense5Pattern));
    m_shade->setPalette(shaded);
    m_shade->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_shade->hide();

    m_messagesView = new QPlainTextEdit(m_playListFrame);
    m_messagesView->setReadOnly(true);
    m_messagesView->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_messagesView->hide();
    for (QWidget* inside :
         {static_cast<QWidget*>(m_messageList), static_cast<QWidget*>(m_shade), static_cast<QWidget*>(m_messagesView)})
        keepOwnFont(inside);

    m_viewMessagesButton = new QPushButton(tr("View Message"), this);
    m_viewMessagesButton->setAutoDefault(true);
    connect(m_viewMessagesButton, &QPushButton::clicked, this, &AlarmSetWindow::onViewMessagesClicked);
    m_deleteButton = pictureButton(QStyle::SP_DialogDiscardButton, tr("Delete the selected event"), this);
    m_deleteAllButton = pictureButton(QStyle::SP_DialogResetButton, tr("Delete all events"), this);
    connect(m_deleteButton, &QToolButton::clicked, this, &AlarmSetWindow::onDeleteClicked);
    connect(m_deleteAllButton, &QToolButton::clicked, this, &AlarmSetWindow::onDeleteAllClicked);

    auto* songs = new DropDownBox(this);
    songs->onDropDown = [this] { fillSoundList(); };
    m_soundBox = songs;
    //: the alarm sound picked in the box
    m_soundBox->setPlaceholderText(tr("Song"));
    m_soundBox->setMinimumContentsLength(12);
    m_soundBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_soundBox->installEventFilter(this);
    connect(m_soundBox, &QComboBox::activated, this, &AlarmSetWindow::onSoundChosen);
    m_playSoundButton = pictureButton(QStyle::SP_MediaPlay, tr("Play the sound once"), this);
    connect(m_playSoundButton, &QToolButton::clicked, this, &AlarmSetWindow::onPlaySoundClicked);

    //: the chime: "Every [15] min"
    m_chimeCheck = new QCheckBox(tr("Every"), this);
    m_chimeCheck->setEnabled(false);
    connect(m_chimeCheck, &QCheckBox::toggled, this, &AlarmSetWindow::onChimeToggled);
    m_chimeIntervalBox = new QComboBox(this);
    m_chimeIntervalBox->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                                  QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("30"),
                                  QStringLiteral("60")});
    m_chimeIntervalBox->setPlaceholderText(QStringLiteral(" "));
    m_chimeIntervalBox->setCurrentIndex(-1);
    m_chimeIntervalBox->installEventFilter(this);
    connect(m_chimeIntervalBox, &QComboBox::currentIndexChanged, this, &AlarmSetWindow::onChimeIntervalChosen);
    m_minutesLabel = new QLabel(tr("min"), this);

    m_loadButton = pictureButton(QStyle::SP_DialogOpenButton, tr("Load alarm events from a file"), this);
    m_saveFileButton = pictureButton(QStyle::SP_DialogSaveButton, tr("Save the alarm events to a file"), this);
    m_editButton = pictureButton(QStyle::SP_FileDialogDetailedView, tr("Edit an alarm data file"), this);
    m_minimizeButton = pictureButton(QStyle::SP_TitleBarMinButton, tr("Minimize"), this);
    connect(m_loadButton, &QToolButton::clicked, this, &AlarmSetWindow::onLoadClicked);
    connect(m_saveFileButton, &QToolButton::clicked, this, &AlarmSetWindow::onSaveFileClicked);
    connect(m_editButton, &QToolButton::clicked, this, &AlarmSetWindow::onEditClicked);
    connect(m_minimizeButton, &QToolButton::clicked, this, &AlarmSetWindow::onMinimizeClicked);
    //: closes this window; Ixo keeps running
    m_exitButton = new QPushButton(tr("Exit"), this);
    m_exitButton->setAutoDefault(true);
    connect(m_exitButton, &QPushButton::clicked, this, &AlarmSetWindow::onExitClicked);

    const QList<QWidget*> tabOrder{m_hourBox,
                                   m_minuteBox,
                                   m_secondBox,
                                   m_amPmUpButton,
                                   m_amPmDownButton,
                                   m_playTimesBox,
                                   m_addButton,
                                   m_addWithMessageButton,
                                   m_viewMessagesButton,
                                   m_deleteButton,
                                   m_deleteAllButton,
                                   m_alarmList,
                                   m_soundBox,
                                   m_playSoundButton,
                                   m_chimeIntervalBox,
                                   m_chimeCheck,
                                   m_loadButton,
                                   m_saveFileButton,
                                   m_editButton,
                                   m_minimizeButton,
                                   m_exitButton};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
    m_messageList->setFocusPolicy(Qt::NoFocus);
    m_messagesView->setFocusPolicy(Qt::ClickFocus);
    m_hourBox->setFocus(); // typing starts with the hours
}

void AlarmSetWindow::buildLayout()
{
    auto* time = new QHBoxLayout;
    time->addWidget(m_timeLabel);
    time->addWidget(m_hourBox);
    time->addWidget(m_minutesColon);
    time->addWidget(m_minuteBox);
    time->addWidget(m_secondsColon);
    time->addWidget(m_secondBox);
    time->addSpacing(6);
    time->addWidget(m_amPmBox);
    auto* upDown = new QVBoxLayout;
    upDown->setSpacing(0);
    upDown->addWidget(m_amPmUpButton);
    upDown->addWidget(m_amPmDownButton);
    time->addLayout(upDown);
    time->addStretch(1);

    auto* add = new QHBoxLayout;
    add->addWidget(m_playTimesBox);
    add->addWidget(m_addButton);
    add->addWidget(m_addWithMessageButton);
    add->addStretch(1);

    auto* input = new QVBoxLayout;
    input->addLayout(time);
    input->addLayout(add);
    auto* top = new QHBoxLayout;
    top->addWidget(m_picture, 0, Qt::AlignTop);
    top->addLayout(input, 1);

    // The alarm list, its shaded picture and the list with messages take turns in one place of the same size.
    const QSize view = viewSize();
    m_messagesView->setFixedSize(view);
    m_alarmList->setFixedWidth(view.width());
    m_alarmList->setMinimumHeight(view.height());
    m_shade->setFixedWidth(view.width());
    auto* lists = new QGridLayout(m_playListFrame);
    lists->addWidget(m_alarmList, 0, 0);
    lists->addWidget(m_shade, 0, 0);
    lists->addWidget(m_messagesView, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    lists->addWidget(m_messageList, 0, 1);
    lists->setColumnStretch(1, 1);

    auto* listButtons = new QVBoxLayout;
    listButtons->addWidget(m_viewMessagesButton);
    listButtons->addWidget(m_deleteButton, 0, Qt::AlignHCenter);
    listButtons->addWidget(m_deleteAllButton, 0, Qt::AlignHCenter);
    listButtons->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_playListFrame, 1);
    middle->addLayout(listButtons);

    auto* sound = new QHBoxLayout;
    sound->addWidget(m_soundBox);
    sound->addWidget(m_playSoundButton);
    sound->addStretch(1);
    sound->addWidget(m_chimeCheck);
    sound->addWidget(m_chimeIntervalBox);
    sound->addWidget(m_minutesLabel);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_loadButton);
    bottom->addWidget(m_saveFileButton);
    bottom->addWidget(m_editButton);
    bottom->addStretch(1);
    bottom->addWidget(m_minimizeButton);
    bottom->addWidget(m_exitButton);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(m_menuBar);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(sound);
    layout->addLayout(bottom);
    resize(sizeHint().expandedTo(QSize(480, 400)));
}

void AlarmSetWindow::load()
{
    SharedState& state = m_context.state;
    m_amPmBox->setText(AlarmSet::amPmAt(m_context.services.clock.now()));
    showSelected(m_lists.alarms.selected());

    // The steps without a window (sound, sound checks) have run already when the lists were touched before.
    const AlarmSet::StoredSettings& stored = m_context.requests.loadAlarmSet();
    // A stored place is taken only while a screen still shows it.
    if (stored.position && QGuiApplication::screenAt(*stored.position))
        move(*stored.position);

    if (state.chimeOn) {
        // The interval goes into the minutes box before the box is ticked, so the set-up finds it there.
        const int item = m_chimeIntervalBox->findText(QString::number(state.chimeInterval));
        if (item >= 0)
            m_chimeIntervalBox->setCurrentIndex(item);
        m_chimeCheck->setChecked(true);
        m_chimeCheck->setEnabled(true);
        m_chimeIntervalBox->setEnabled(false);
    }
}

void AlarmSetWindow::applyFontChoice()
{
    applyWindowFont({m_hourBox, m_minuteBox, m_playTimesBox, m_secondBox, m_soundBox, m_addButton, m_exitButton,
                     m_viewMessagesButton, m_playListFrame, m_minutesLabel, m_timeLabel, m_alarmList},
                    SettingsStore(m_context.state.settingsFile()).fontChoice());
}

AlarmListLogic AlarmSetWindow::logic()
{
    return AlarmListLogic(m_context.state, m_lists, m_context.warnings, m_context.services.clock);
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
            m_context.services.windows.beep();
    });
}

bool AlarmSetWindow::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    const bool release = event->type() == QEvent::KeyRelease;
    if (!press && !release)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);

    if (watched == m_playTimesBox || watched == m_chimeIntervalBox || watched == m_soundBox)
        return press && AlarmListLogic::listOnlyKeyPress(key->text()) != KeyVerdict::Pass;
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (watched == m_hourBox || watched == m_minuteBox || watched == m_secondBox)
        edit = static_cast<QComboBox*>(watched)->lineEdit();
    if (!edit)
        return QWidget::eventFilter(watched, event);
    if (press && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        // The time boxes would keep Enter to themselves; it belongs to the window's default button.
        m_addButton->click();
        return true;
    }
    if (press) {
        const KeyVerdict verdict = AlarmListLogic::timeBoxKeyPress(key->text());
        if (verdict == KeyVerdict::DropWithBeep)
            m_context.services.windows.beep();
        return verdict != KeyVerdict::Pass;
    }
    const FilteredTime filtered = AlarmListLogic::timeBoxKeyRelease(edit->text());
    if (filtered.beep) {
        edit->setText(filtered.text);
        m_context.services.windows.beep();
    }
    return false;
}

void AlarmSetWindow::keyPressEvent(QKeyEvent* event)
{
    // Enter that no focused control takes adds the event, as the window's default button; the keypad's Enter too.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        m_addButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AlarmSetWindow::onAddClicked()
{
    addEvent();
}

void AlarmSetWindow::onAddWithMessageClicked()
{
    SharedState& state = m_context.state;
    state.withMessage = true;
    addEvent();
    state.withMessage = false;
}

void AlarmSetWindow::addEvent()
{
    const TimeBoxes boxes{m_hourBox->currentText(), m_minuteBox->currentText(), m_secondBox->currentText()};
    const QString chosen = m_playTimesBox->currentIndex() >= 0 ? m_playTimesBox->currentText() : QString();
    const AddResult result = logic().add(m_amPmBox->text(), chosen, m_playTimes, boxes);
    if (result.secondsReset)
        m_secondBox->setCurrentIndex(0);
    m_hourBox->setEditText(result.shown.hour);
    m_minuteBox->setEditText(result.shown.minute);
    m_secondBox->setEditText(result.shown.second);

    const SharedState& state = m_context.state;
    if (result.inserted && state.withMessage && state.frontHolder == 0)
        openMessageInput();
}

void AlarmSetWindow::onAlarmDoubleClicked()
{
    if (m_lists.alarms.selected() >= 0 && m_context.state.frontHolder == 0)
        openMessageInput();
}

void AlarmSetWindow::openMessageInput()
{
    m_typingMessage = true;
    showListArea();
    m_context.requests.showMessageInput();
}

void AlarmSetWindow::messageInputClosed()
{
    m_typingMessage = false;
    showListArea();
}

void AlarmSetWindow::showListArea()
{
    const bool viewing = !m_messagesView->isHidden();
    m_alarmList->setVisible(!viewing && !m_typingMessage);
    m_shade->setVisible(!viewing && m_typingMessage);
}

QSize AlarmSetWindow::viewSize() const
{
    return QSize(qRound(kViewWidthTwips * logicalDpiX() / kTwipsPerInch),
                 qRound(kViewHeightTwips * logicalDpiY() / kTwipsPerInch));
}

void AlarmSetWindow::onDeleteClicked()
{
    logic().deleteSelected();
}

void AlarmSetWindow::onDeleteAllClicked()
{
    logic().deleteAll();
}

void AlarmSetWindow::onAmPmUpClicked()
{
    m_amPmBox->setText(AlarmListLogic::amPmUp(m_amPmBox->text()));
}

void AlarmSetWindow::onAmPmDownClicked()
{
    m_amPmBox->setText(AlarmListLogic::amPmDown(m_amPmBox->text()));
}

void AlarmSetWindow::onViewMessagesClicked()
{
    if (!m_messagesView->isHidden()) {
        m_messagesView->hide();
        m_messagesView->clear();
        m_viewMessagesButton->setText(tr("View Message"));
        showListArea();
        return;
    }
    const AlarmLists& lists = m_lists;
    if (lists.alarms.isEmpty())
        return;
    QString text = AlarmSet::viewMessageText(lists.alarms, lists.messages);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_messagesView->setPlainText(text);
    m_messagesView->setFixedSize(viewSize());
    m_messagesView->show();
    showListArea();
    m_viewMessagesButton->setText(tr("Hide Message"));
}

void AlarmSetWindow::fillSoundList()
{
    if (m_soundListFilled)
        return;
    m_soundBox->addItems(AlarmSet::songNames(m_context.state));
    m_soundListFilled = true;
}

void AlarmSetWindow::onSoundChosen()
{
    if (m_soundBox->currentIndex() < 0)
        return;
    const QString warning = AlarmSet::chooseSong(m_context.state, m_soundBox->currentText());
    if (!warning.isEmpty())
        m_context.warnings.warn(warning);
}

void AlarmSetWindow::onPlaySoundClicked()
{
    if (m_soundBox->currentIndex() < 0)
        return;
    m_context.services.wave.play(AlarmSet::songPath(m_context.state, m_soundBox->currentText()));
}

void AlarmSetWindow::onChimeIntervalChosen()
{
    if (m_chimeIntervalBox->currentIndex() >= 0)
        m_chimeCheck->setEnabled(true);
}

void AlarmSetWindow::onChimeToggled()
{
    const bool on = m_chimeCheck->isChecked();
    setUpChime(m_context.state, on,
               m_chimeIntervalBox->currentIndex() >= 0 ? m_chimeIntervalBox->currentText() : QString(),
               m_context.services.clock.now().time());
    // While the chime runs its interval stays as shown.
    m_chimeIntervalBox->setEnabled(!on);
}

void AlarmSetWindow::onLoadClicked()
{
    m_context.requests.showDataFileChooser(DataFileChoice::Mode::Load);
}

void AlarmSetWindow::onSaveFileClicked()
{
    m_context.requests.showDataFileChooser(DataFileChoice::Mode::Save);
}

void AlarmSetWindow::onEditClicked()
{
    m_context.requests.showDataFileChooser(DataFileChoice::Mode::Edit);
}

void AlarmSetWindow::onSettingsTriggered()
{
    m_context.requests.showSettingsWindow();
}

void AlarmSetWindow::onMinimizeClicked()
{
    showMinimized();
}

void AlarmSetWindow::onExitClicked()
{
    SharedState& state = m_context.state;
    if (QString reason; !AlarmSet::storePlaceOnExit(state, m_lists.alarms, pos(), &reason))
        qWarning("Ixo: the place of the Alarm Set window could not be saved in %s: %s",
                 qPrintable(state.settingsFile().path()), qPrintable(reason));
    hide();
}

void AlarmSetWindow::updateTitle()
{
    if (isVisible())
        setWindowTitle(AlarmSet::title(m_context.services.clock.now()));
}

void AlarmSetWindow::showSelected(qsizetype row)
{
    QItemSelectionModel* selection = m_alarmList->selectionModel();
    if (row < 0) {
        selection->clear();
        return;
    }
    const QModelIndex index = m_alarmList->model()->index(static_cast<int>(row), 0);
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_alarmList->scrollTo(index);
}

void AlarmSetWindow::updateSecondsShown()
{
    const bool seconds = !m_context.state.ignoreSeconds;
    m_secondBox->setVisible(seconds);
    m_secondsColon->setVisible(seconds);
}

void AlarmSetWindow::showEvent(QShowEvent* event)
{
    updateSecondsShown();
    QWidget::showEvent(event);
    m_hourBox->setFocus(); // opening the window puts the cursor in the hour box, ready for the next alarm
    updateTitle();
    m_titleTimer.start();
}

void AlarmSetWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_titleTimer.stop();
}

void AlarmSetWindow::closeEvent(QCloseEvent* event)
{
    // Closing only hides the window: the day's list goes on, and the window stays loaded as the tray's Alarm Set
    // asked (only Exit lets the idle clock unload it).
    event->ignore();
    hide();
}
