#pragma once

#include <QWidget>

class AppContext;
class Form8;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QToolButton;

// The Alarm Set window: time input, the day's alarm list and its messages.
class Form4 final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form4)
public:
    explicit Form4(AppContext& app, QWidget* parent = nullptr);
    ~Form4() override;

    void cmdAdd_Click();
    void cmdDelete_Click();
    void cmdDeleteAll_Click();
    void cmdUp_Click();
    void cmdDown_Click();
    /// Shows or hides the seconds box as "Don't compare with second" says.
    void updateSecondsShown();

    QLabel* lblATis = nullptr;
    QComboBox* cbHour = nullptr;
    QComboBox* cbMin = nullptr;
    QLabel* lblColon2 = nullptr;
    QComboBox* cbSec = nullptr;
    QLineEdit* txtAm = nullptr;
    QToolButton* cmdUp = nullptr;
    QToolButton* cmdDown = nullptr;
    QComboBox* cbPlayTimes = nullptr;
    QPushButton* cmdAdd = nullptr;
    QListView* lstData = nullptr;
    QListView* lstMessage = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdDeleteAll = nullptr;

    /// The play-times word used when none is chosen: "once" at first, then the last one chosen.
    QString strTimesOfPlay;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Form8 logic();
    void fForm4Load();
    void watchTimeBox(QComboBox* box);
    void showSelected(qsizetype row);

    AppContext& m_app;
};
