// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>
#include <memory>

#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include "core/alarms/alarm_data_files.h"
#include "core/alarms/alarm_set_logic.h"
#include "core/alarms/data_file_choice.h"
#include "core/alarms/snooze.h"
#include "core/clock/clock_tick.h"
#include "core/clock/new_day.h"
#include "core/files/list_file_flow.h"
#include "core/remote/remote_control.h"
#include "core/schedule/schedule_logic.h"
#include "core/sound/sound_logic.h"
#include "core/startup/startup_load.h"
#include "core/state/front_order.h"
#include "core/state/warnings.h"
#include "core/wallpaper/wallpaper_window_state.h"
#include "platform/services.h"
#include "ui/common/front_dialogs.h"
#include "ui/common/window_context.h"
#include "ui/common/window_requests.h"

struct SharedState;
class WallpaperLogic;
class WallpaperTimes;
class QWidget;
struct AlarmLists;
class TrayController;
class AboutWindow;
class AlarmSetWindow;
class MessageInputWindow;
class AlarmMessageWindow;
class SettingsWindow;
class ErrorListWindow;
class WarningWindow;
class WallpaperWindow;
class OverwriteQuestionWindow;
class DataFileChooser;
class TrayFallbackWindow;
class AlarmWake;
class ScheduleWindow;

// The composition root: it owns the program-wide state's companions (the day's lists, the clock tick, the front
// order, the wallpaper and sound logic), holds the services, and alone knows the windows. Every window kind kept
// between uses exists at most once and is created on first use, hidden until shown; the alarm message and warning
// windows are made anew for each use and delete themselves when closed. A window is handed the registry's
// `WindowContext` and asks for other windows through it.
class WindowRegistry final : public Warnings,
                             public StartupHooks,
                             public ClockSwitch,
                             public TickActions,
                             public LoadErrorList,
                             public OverwriteQuestion,
                             public FrontDialogs,
                             public WindowRequests
{
public:
    WindowRegistry(SharedState& state, const Services& services);
    ~WindowRegistry() override;
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    SharedState& state() { return m_state; }
    /// Who may hold the front, over the state's `frontHolder`.
    FrontOrder& frontOrder() { return m_front; }
    const Services& services() const { return m_services; }
    /// What every window is handed.
    WindowContext& windowContext() { return m_context; }

    TrayController& trayController();
    AboutWindow& aboutWindow();
    /// The Alarm Set window; created hidden on first use.
    AlarmSetWindow& alarmSetWindow();
    /// The Alarm Set window's widgets exist.
    bool isAlarmSetWindowLoaded() const;
    /// The Alarm Set window's load as far as it needs no window: the alarm sound of ixo.ini and the Settings
    /// window's sound boxes. It runs on the first touch of the day's lists (loading a file, building the window,
    /// "Don't compare with second") and again after an unload; its widgets are built only when shown. Returns
    /// the window's stored place for when they are.
    const AlarmSet::StoredSettings& loadAlarmSet() override;
    /// The message input window; created on first use, hidden until it opens, gone when it closes.
    MessageInputWindow& messageInputWindow();
    bool isMessageInputWindowLoaded() const;
    void unloadMessageInputWindow();
    ErrorListWindow& errorListWindow();
    /// The sound logic; the clock and the Settings window play the alarm sound through it.
    SoundLogic& soundLogic();
    bool isErrorListWindowLoaded() const;
    /// Closes the error list window; its lines go with it.
    void unloadErrorListWindow();

    /// The wallpaper window over the ready wallpaper logic; created hidden on first use.
    WallpaperWindow& wallpaperWindow();
    bool isWallpaperWindowLoaded() const;
    /// The wallpaper list and schedule; ready while the changer is in use, whether or not its window exists.
    WallpaperLogic& wallpaper() { return *m_wallpaper; }
    /// Makes the wallpaper logic ready (restores the kept settings and list) unless it is.
    void readyWallpaper();
    /// The wallpaper closing steps, when the logic is ready and its window is not shown: the logic (and a hidden
    /// window) goes unless a change is scheduled.
    void releaseWallpaperIfHidden();
    /// Forgets the wallpaper window, deleted once control returns to the event loop, and the logic's state.
    void unloadWallpaperWindow();
    /// The change marks of the wallpaper changer.
    WallpaperTimes& wallpaperTimes();

    /// The overwrite question; created on first use.
    OverwriteQuestionWindow& overwriteQuestionWindow();
    void unloadOverwriteQuestionWindow();

    /// The Settings window; created and loaded hidden on first use.
    SettingsWindow& settingsWindow();
    bool isSettingsWindowLoaded() const;
    /// Forgets the Settings window after its close request; it is deleted once control returns to the loop.
    void unloadSettingsWindow();

    /// The data file chooser while it is open, else null.
    DataFileChooser* dataFileChooser() const;
    void unloadDataFileChooser();

    AlarmDataFiles dataFiles() override;

    // Where the alarm data files report.
    void addErrorLine(const QString& line) override;
    void showErrorList() override;
    void beep() override;
    void askOverwrite(const QString& saver, const QString& fileName) override;

    /// Saves and loads the list files of the alarm lists and the wallpaper list.
    ListFileFlow& listFiles() { return m_listFiles; }

    /// A new warning window with `text`; returns at once.
    void warn(const QString& text) override;

    void registerForegroundDialog(qint32 code, QWidget* dialog) override;
    /// Puts the dialog with foreground code `code` back on top, if it is loaded and visible.
    void raiseFrontDialog(qint32 code);
    void handFrontBack(qint32 previousFront) override;
    void reclaimFront(QWidget* dialog, qint32 code) override;

    /// The three ways the data file chooser opens from the Alarm Set window.
    using DataFileMode = DataFileChoice::Mode;
    void showDataFileChooser(DataFileMode mode) override;
    void showSettingsWindow() override;
    /// Sets the Settings window's "Sound on" and "Show error message..." boxes (0 or 1); their change handling
    /// sets soundOn and showSoundErrors. Until that window is made the flags are set as the boxes would set them.
    void applySoundChecks(qint16 soundOn, qint16 showSoundErrors);
    void noSecondChanged() override;

    // What the windows ask of one another.
    void showAboutWindow() override;
    void showAlarmSetWindow() override;
    void showWallpaperWindow() override;
    void showMessageInput() override;
    void messageInputClosed() override;
    void showTrayFallback() override;
    void hideTrayFallback() override;
    void errorListClosed() override;
    void messageInputUnloaded() override;
    void settingsWindowClosed() override;
    void wallpaperWindowClosed() override;
    void overwriteQuestionClosed() override;
    void dataFileChooserClosed() override;
    /// The window offering the tray menu while the desktop has no notification area; null until it is needed.
    QWidget* trayFallbackWindow() const;

    void endProgram() override;

    /// The day's alarm and message lists; the object lives for the whole run, its lines until the Alarm Set
    /// window is unloaded.
    AlarmLists& alarmLists() { return *m_alarmLists; }
    /// What a program outside Ixo may ask of it (the session bus).
    RemoteControl& remoteControl() { return *m_remote; }
    /// The schedule: alarms beyond today.
    ScheduleLogic& schedule() { return *m_schedule; }
    /// Reads the schedule beside ixo.ini and puts today's occurrences from now on into the day's list; once the
    /// program folder is known (after the tray controller's start).
    void startSchedule();
    /// The Schedule window; created on first use, gone when it closes.
    ScheduleWindow& scheduleWindow();
    bool isScheduleWindowLoaded() const;
    void showScheduleWindow() override;
    void scheduleWindowClosed() override;
    /// What the computer is asked to wake for; its setting is read on first use, once the program folder is known.
    AlarmWake& alarmWake();
    /// The clock tick that TrayController's timer runs.
    ClockTick& clockTick() { return *m_tick; }
    /// The alarm message windows still open.
    QList<AlarmMessageWindow*> messageWindows() const;

    /// Snoozes the newest alarm still going (its sound plays or its window is open), as the session bus asks: it
    /// is added again `minutes` from now, its sound stopped and its message windows closed. Otherwise says why not.
    QString snoozeSoundingAlarm(int minutes);
    bool snoozeAlarm(const FiredEvent& event, int minutes) override;
    /// Looks whether the alarm sound still plays; once it ended on its own, its notification goes.
    void checkSoundEnded();
    void alarmAnswered(const FiredEvent& event) override;

    // What the clock tick asks for.
    void alarmFired(const FiredEvent& event) override;
    void playSound(const QString& playTimes, const QString& soundPath) override;
    void stopSound() override;
    void playSpeakerSweep() override;
    void openMessageWindow(const QString& text) override;
    void playChime(const QString& path) override;
    void renewChime() override;
    void changeWallpaper() override;
    void rescheduleWallpaper() override;
    /// Unloads the Alarm Set window with the day's lists, as the idle clock does when nothing is left in them.
    void unloadAlarmSetWindow() override;
    /// What a new day brings: the clock tick saw the date change.
    void newDay(const QDate& date, const QTime& seenAt) override;

    // Start-up requests of the settings file.
    void loadAlarmFile(const QString& fileName) override;
    void reloadAlarmFile(const QString& fileName, const QTime& dueFrom) override;
    void loadWallpaperWindow() override;
    void selectFontOption(qint16 fontChoice) override;

    // The clock timer, as a sound error box holds it and gives it back.
    void holdClock() override;
    void releaseClock() override;

private:
    SharedState& m_state;
    FrontOrder m_front;
    Services m_services;
    std::unique_ptr<AlarmLists> m_alarmLists;
    std::unique_ptr<ClockTick> m_tick;
    std::unique_ptr<NewDay> m_newDay;
    std::unique_ptr<ScheduleLogic> m_schedule;
    QPointer<ScheduleWindow> m_scheduleWindow;
    std::unique_ptr<RemoteControl> m_remote;
    std::unique_ptr<TrayController> m_trayController;
    QPointer<AboutWindow> m_aboutWindow;
    QPointer<AlarmSetWindow> m_alarmSetWindow;
    std::optional<AlarmSet::StoredSettings> m_alarmSetLoad; // set while the Alarm Set window counts as loaded
    QPointer<MessageInputWindow> m_messageInputWindow;
    QList<QPointer<AlarmMessageWindow>> m_messageWindows;
    QPointer<ErrorListWindow> m_errorListWindow;
    std::unique_ptr<SoundLogic> m_soundLogic;
    QList<QPointer<WarningWindow>> m_warnings;
    QMap<qint32, QPointer<QWidget>> m_foregroundDialogs;
    QPointer<WallpaperWindow> m_wallpaperWindow;
    WallpaperWindowState m_wallpaperWindowState;
    std::unique_ptr<WallpaperTimes> m_wallpaperTimes;
    std::unique_ptr<WallpaperLogic> m_wallpaper;
    QPointer<SettingsWindow> m_settingsWindow;
    QPointer<TrayFallbackWindow> m_trayFallback;
    QPointer<DataFileChooser> m_dataFileChooser;
    QPointer<OverwriteQuestionWindow> m_overwriteQuestionWindow;
    qint32 m_overwritePreviousFront = 0;
    ListFileFlow m_listFiles;
    WindowContext m_context;
    LoadFindings m_planFindings; // what the last load of the every-day plan found wrong
    Firings m_firings;
    FiredEvent m_fired;     // the last event fired
    quint64 m_notified = 0; // the firing the notification tells of; 0: none shown
    QTimer m_soundWatch;    // runs while an alarm's sound plays, to see it end
    static constexpr int kSoundWatchMs = 500;
    std::unique_ptr<AlarmWake> m_wake;
    bool m_wakeLoaded = false;
    /// Hands the next pending event of the day's list to the wake; with none, the schedule's next occurrence.
    void updateWake();
};
