#include "alarms/alarm_set_window.h"

#include <functional>

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "alarms/alarm_list_logic.h"
#include "alarms/alarm_lists.h"
#include "app/app_context.h"
#include "app/shared_state.h"
#include "platform/clock.h"
#include "platform/window_services.h"

namespace {
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
} // namespace

Form4::Form4(AppContext& app, QWidget* parent) : QWidget(parent, Qt::Window), m_app(app)
{
    setWindowTitle(QStringLiteral("Tindalo Alarm Clock..."));

    lblATis = new QLabel(QStringLiteral("Alarm time is :"), this);
    cbHour = new QComboBox(this);
    cbHour->setEditable(true);
    cbHour->addItems(twoDigitItems(1, 12));
    auto* minutes = new DropDownBox(this);
    minutes->onDropDown = [minutes] { minutes->addItems(Form8::MinDropDown(minutes->count())); };
    cbMin = minutes;
    auto* seconds = new DropDownBox(this);
    seconds->onDropDown = [seconds] { seconds->addItems(Form8::SecDropDown(seconds->count())); };
    cbSec = seconds;
    for (QComboBox* box : {cbMin, cbSec}) {
        box->setEditable(true);
        box->addItems(twoDigitItems(0, 9));
    }
    for (QComboBox* box : {cbHour, cbMin, cbSec}) {
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCurrentIndex(-1);
        watchTimeBox(box);
    }
    lblColon2 = new QLabel(QStringLiteral(":"), this);

    txtAm = new QLineEdit(this);
    txtAm->setReadOnly(true);
    txtAm->setMaxLength(2);
    txtAm->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("MMMM")));
    cmdUp = new QToolButton(this);
    cmdUp->setArrowType(Qt::UpArrow);
    cmdDown = new QToolButton(this);
    cmdDown->setArrowType(Qt::DownArrow);
    connect(cmdUp, &QToolButton::clicked, this, &Form4::cmdUp_Click);
    connect(cmdDown, &QToolButton::clicked, this, &Form4::cmdDown_Click);

    cbPlayTimes = new QComboBox(this);
    cbPlayTimes->addItems(
        {QStringLiteral("once"), QStringLiteral("twice"), QStringLiteral("thrice"), QStringLiteral("repeat!")});
    cbPlayTimes->setPlaceholderText(QStringLiteral("Play Times"));
    cbPlayTimes->setCurrentIndex(-1);
    cbPlayTimes->installEventFilter(this);

    cmdAdd = new QPushButton(QStringLiteral("Add"), this);
    cmdAdd->setDefault(true);
    cmdAdd->setAutoDefault(true);
    connect(cmdAdd, &QPushButton::clicked, this, &Form4::cmdAdd_Click);

    AlarmLists& lists = m_app.alarmLists();
    lstData = new QListView(this);
    lstData->setUniformItemSizes(true);
    lstData->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstData->setSelectionMode(QAbstractItemView::SingleSelection);
    lstData->setModel(&lists.lstData);
    lstMessage = new QListView(this);
    lstMessage->setUniformItemSizes(true);
    lstMessage->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstMessage->setSelectionMode(QAbstractItemView::NoSelection);
    lstMessage->setModel(&lists.lstMessage);
    connect(lstData->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList rows = lstData->selectionModel()->selectedRows();
        m_app.alarmLists().lstData.setSelected(rows.isEmpty() ? -1 : rows.first().row());
    });
    connect(&lists.lstData, &AlarmDataList::selectedChanged, this, &Form4::showSelected);

    cmdDelete = new QPushButton(QStringLiteral("Delete"), this);
    cmdDeleteAll = new QPushButton(QStringLiteral("Delete All"), this);
    connect(cmdDelete, &QPushButton::clicked, this, &Form4::cmdDelete_Click);
    connect(cmdDeleteAll, &QPushButton::clicked, this, &Form4::cmdDeleteAll_Click);

    auto* time = new QHBoxLayout;
    time->addWidget(lblATis);
    time->addWidget(cbHour);
    time->addWidget(new QLabel(QStringLiteral(":"), this));
    time->addWidget(cbMin);
    time->addWidget(lblColon2);
    time->addWidget(cbSec);
    time->addWidget(txtAm);
    auto* upDown = new QVBoxLayout;
    upDown->setSpacing(0);
    upDown->addWidget(cmdUp);
    upDown->addWidget(cmdDown);
    time->addLayout(upDown);
    time->addWidget(cbPlayTimes);
    time->addWidget(cmdAdd);
    time->addStretch(1);

    auto* lists_ = new QGridLayout;
    lists_->addWidget(new QLabel(QStringLiteral("Play list :"), this), 0, 0);
    lists_->addWidget(lstData, 1, 0);
    lists_->addWidget(lstMessage, 1, 1);
    lists_->setColumnStretch(0, 1);
    lists_->setColumnStretch(1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdDelete);
    buttons->addWidget(cmdDeleteAll);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(time);
    layout->addLayout(lists_, 1);
    layout->addLayout(buttons);

    fForm4Load();
}

Form4::~Form4() = default;

void Form4::fForm4Load()
{
    strTimesOfPlay = QStringLiteral("once");
    txtAm->setText(m_app.services().clock.now().time().hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
    showSelected(m_app.alarmLists().lstData.selected());
}

Form8 Form4::logic()
{
    return Form8(m_app.state(), m_app.alarmLists(), m_app, m_app.services().clock);
}

void Form4::watchTimeBox(QComboBox* box)
{
    QLineEdit* edit = box->lineEdit();
    edit->installEventFilter(this);
    // Text that arrives without typing (pasted, dropped) passes the same digit rule as typed keys.
    connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& text) {
        const FilteredTime filtered = Form8::filterTimeBoxText(text);
        if (filtered.text != text)
            edit->setText(filtered.text);
        if (filtered.beep)
            m_app.services().windows.beep();
    });
}

bool Form4::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    const bool release = event->type() == QEvent::KeyRelease;
    if (!press && !release)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);

    if (watched == cbPlayTimes) {
        return press && Form8::listOnlyKeyPress(key->text()) != KeyVerdict::Pass;
    }
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit)
        return QWidget::eventFilter(watched, event);
    if (press) {
        const KeyVerdict verdict = Form8::timeBoxKeyPress(key->text());
        if (verdict == KeyVerdict::DropWithBeep)
            m_app.services().windows.beep();
        return verdict != KeyVerdict::Pass;
    }
    const FilteredTime filtered = Form8::timeBoxKeyRelease(edit->text());
    if (filtered.beep) {
        edit->setText(filtered.text);
        m_app.services().windows.beep();
    }
    return false;
}

void Form4::cmdAdd_Click()
{
    const TimeBoxes boxes{cbHour->currentText(), cbMin->currentText(), cbSec->currentText()};
    const QString chosen = cbPlayTimes->currentIndex() >= 0 ? cbPlayTimes->currentText() : QString();
    const AddResult result = logic().AddClick(txtAm->text(), chosen, strTimesOfPlay, boxes);
    if (result.secondsReset)
        cbSec->setCurrentIndex(0);
    cbHour->setEditText(result.shown.cbHour);
    cbMin->setEditText(result.shown.cbMin);
    cbSec->setEditText(result.shown.cbSec);
}

void Form4::cmdDelete_Click()
{
    logic().deleteClick();
}

void Form4::cmdDeleteAll_Click()
{
    logic().deleteAllClick();
}

void Form4::cmdUp_Click()
{
    txtAm->setText(Form8::UpClick(txtAm->text()));
}

void Form4::cmdDown_Click()
{
    txtAm->setText(Form8::DownClick(txtAm->text()));
}

void Form4::showSelected(qsizetype row)
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

void Form4::updateSecondsShown()
{
    const bool seconds = m_app.state().bNoSecond != kTrue;
    cbSec->setVisible(seconds);
    lblColon2->setVisible(seconds);
}

void Form4::showEvent(QShowEvent* event)
{
    updateSecondsShown();
    QWidget::showEvent(event);
}

void Form4::closeEvent(QCloseEvent* event)
{
    // Closing only hides the window: the day's list goes on.
    event->ignore();
    m_app.state().bAlarmSetOpen = toFlag(!m_app.alarmLists().lstData.isEmpty());
    hide();
}
