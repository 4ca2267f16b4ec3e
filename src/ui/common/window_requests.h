// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>

#include <QString>
#include <QStringList>

class AlarmDataFiles;
struct FiredEvent;
namespace AlarmSet {
struct StoredSettings;
}
namespace DataFileChoice {
enum class Mode;
}

// What a window asks of the other windows. A window knows no other window: it asks here, and the composition root
// (WindowRegistry), which alone knows the windows, carries the request out.
class WindowRequests
{
public:
    /// Shows the About window.
    virtual void showAboutWindow() = 0;
    /// Shows the Alarm Set window, restored and on top.
    virtual void showAlarmSetWindow() = 0;
    /// Shows the wallpaper window, restored and on top.
    virtual void showWallpaperWindow() = 0;
    /// Shows the Schedule window, on top.
    virtual void showScheduleWindow() = 0;
    /// Shows the Settings window (restored when minimized).
    virtual void showSettingsWindow() = 0;
    /// Shows the data file chooser for loading, saving or editing an alarm data file.
    virtual void showDataFileChooser(DataFileChoice::Mode mode) = 0;
    /// Opens the message input for the selected line of the day's lists.
    virtual void showMessageInput() = 0;
    /// The message input window closed: the Alarm Set window, if loaded, shows its list area again.
    virtual void messageInputClosed() = 0;

    /// No notification area was found in time: the window offering the tray menu is shown (made on first use).
    virtual void showTrayFallback() = 0;
    /// The notification area appeared: the window offering the tray menu, if made, is hidden.
    virtual void hideTrayFallback() = 0;

    /// "Don't compare with second" changed: the Alarm Set window, loaded if it is not, shows or hides its
    /// seconds box.
    virtual void noSecondChanged() = 0;
    /// The Alarm Set window's load as far as it needs no window (the alarm sound of ixo.ini and the Settings
    /// window's sound boxes); returns the window's stored place.
    virtual const AlarmSet::StoredSettings& loadAlarmSet() = 0;
    /// The alarm data file operations over the day's lists.
    virtual AlarmDataFiles dataFiles() = 0;
    /// Plays the alarm sound `soundPath` `playTimes` ("once") through the sound logic.
    virtual void playSound(const QString& playTimes, const QString& soundPath) = 0;
    /// Stops every sound the sound logic plays (the wave, the MIDI tune, a repeating speaker sweep).
    virtual void stopSound() = 0;
    /// Snooze for `event`: it is added again `minutes` from now, its sound stopped if it still plays, and its
    /// message windows closed (past midnight: set for the day after). False, with nothing changed, when refused.
    virtual bool snoozeAlarm(const FiredEvent& event, int minutes) = 0;
    /// A message window of `event` was answered with OK: its notification goes.
    virtual void alarmAnswered(const FiredEvent& event) = 0;
    /// Ends the program at once, without running any window's closing steps.
    virtual void endProgram() = 0;

    // A window that is kept between uses tells here that it closed; it is deleted once control returns to the
    // event loop and made afresh on its next use.
    /// The error list window was dismissed: it goes, and its lines with it.
    virtual void errorListClosed() = 0;
    virtual void messageInputUnloaded() = 0;
    virtual void settingsWindowClosed() = 0;
    /// The wallpaper window closed: it goes, and the wallpaper logic's state with it.
    virtual void wallpaperWindowClosed() = 0;
    virtual void overwriteQuestionClosed() = 0;
    virtual void dataFileChooserClosed() = 0;
    virtual void scheduleWindowClosed() = 0;

protected:
    ~WindowRequests() = default;
};
