#pragma once

#include <memory>

#include <QWidget>

#include "wallpaper/wallpaper_changer.h"

class AppContext;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
struct WallpaperFormState;

// The Change Wallpaper window: the picture list and its file, and the timed change of the desktop wallpaper.
class Form12 final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form12)
public:
    explicit Form12(AppContext& app, QWidget* parent = nullptr);
    ~Form12() override;

    /// The window load: restored settings, position, order, font.
    void Form_Load();
    /// The closing steps: remembers the position and saves the settings. True when the window may go; false when
    /// a change is scheduled, and the window is then only hidden.
    bool Form_QueryUnload();

    // Called by the clock.
    /// Recomputes the schedule from the change box and the interval box.
    void chkChange_Click();
    /// One change now; the mark moves on first.
    void EMShowToShow();

    void cbPaper_Click();
    void lstShow_Click();
    void cmdAdd_Click();
    void cmdDelete_Click();
    void cmdDeleteAll_Click();
    void CmdSaveToFile_Click();
    void cmdLoad_Click();
    void cbChange_Click();
    void optOption_Click(int Index);
    void cmdChangeWall_Click();
    void cmdClearWall_Click();
    void cmdMinimize_Click();
    void cmdClose_Click();

    /// The entries of the list, first to last.
    QStringList listEntries() const;
    /// The file the preview shows, empty when it shows none.
    QString previewPath() const { return m_previewPath; }
    WallpaperChanger& changer() { return *m_changer; }

    QLabel* Label3 = nullptr;
    QListWidget* lstShow = nullptr;
    QComboBox* cbPaper = nullptr;
    QLabel* imgShow = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdDeleteAll = nullptr;
    QPushButton* CmdSaveToFile = nullptr;
    QPushButton* cmdLoad = nullptr;
    QCheckBox* chkChange = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cbChange = nullptr;
    QRadioButton* optOption1 = nullptr; // priority
    QLabel* Label4 = nullptr;
    QRadioButton* optOption2 = nullptr; // random
    QLabel* Label5 = nullptr;
    QCheckBox* chkKeepSet = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* cmdChangeWall = nullptr;
    QPushButton* cmdClearWall = nullptr;
    QPushButton* cmdMinimize = nullptr;
    QPushButton* cmdClose = nullptr;
    QLabel* imgInvPic = nullptr;
    QLabel* Image1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    /// Chooses option `Index` as a click does, even when it is chosen already.
    void chooseOption(int Index);
    /// Shows the changer's list again, keeping the current row where it can.
    void showList();
    /// Delete and Load: fewer than 3 entries choose list order, fewer than 2 end the timed change.
    void applyListRules();
    /// Clears (which ends the schedule) and disables the change box, enables the interval box.
    void stopChanging();
    void enableChangeIfReady();
    void showPreview(const QString& path);
    void LoadFontSetting();
    void SetFontName(const QString& family, QFont::StyleHint hint, int pointSize);

    AppContext& m_app;
    WallpaperFormState& m_form;
    std::unique_ptr<WallpaperChanger> m_changer;
    QString m_previewPath;
};
