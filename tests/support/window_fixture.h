// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>

#include "core/alarms/alarm_data_files.h"
#include "core/alarms/alarm_lists.h"
#include "core/alarms/alarm_set_logic.h"
#include "core/files/list_file_flow.h"
#include "core/state/front_order.h"
#include "core/state/shared_state.h"
#include "core/wallpaper/wallpaper_logic.h"
#include "fake_services.h"
#include "fake_warnings.h"
#include "ui/alarms/alarm_set_window.h"
#include "ui/alarms/message_input_window.h"
#include "ui/common/front_dialogs.h"
#include "ui/common/window_context.h"
#include "ui/common/window_requests.h"
#include "ui/files/data_file_chooser.h"
#include "ui/settings/settings_window.h"
#include "ui/wallpaper/wallpaper_window.h"
#include "window_pictures.h"

// What a window is built over in its own test (with the windows the tests drive and their controls), without the rest
// of the program: fake services on a fake clock (6 December 2026, 10:00:00), the shared state with the start-up
// defaults and an empty program folder (no ixo.ini yet), recorded warnings, the day's lists and the list files. The
// fixture stands in for the rest of the program: it records each request by its name ("showMessageInput",
// "handFrontBack 0") and carries none out, except that the front is handed back over the front order as the program
// does.
class WindowFixture final : public WindowRequests, public FrontDialogs, public OverwriteQuestion, public LoadErrorList
{
public:
    WindowFixture()
    {
        fakes.clock.set(QDateTime(QDate(2026, 12, 6), QTime(10, 0, 0)));
        state.appPath = state.sharePath = folder.path() + '/';
        state.setStartupDefaults();
    }
    /// Makes an empty file in the program folder.
    bool touch(const QString& name) const { return QFile(state.appPath + name).open(QIODevice::WriteOnly); }
    /// The wallpaper's picture folder "Pictures" with a.bmp, B.jpg and d.bmp, named in Wpaper.ini; ends in "/".
    QString makePictureFolder() const
    {
        const QString pictures = state.appPath + "Pictures/";
        QDir().mkpath(pictures);
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(Qt::green);
        for (const char* name : {"a.bmp", "B.jpg", "d.bmp"}) // all bitmaps inside: the names are enough
            image.save(pictures + name, "BMP");
        QSettings(state.appPath + "Wpaper.ini", QSettings::IniFormat).setValue("Wallpaper/PictureFolder", pictures);
        return pictures;
    }

    void showAboutWindow() override { asked << "showAboutWindow"; }
    void showAlarmSetWindow() override { asked << "showAlarmSetWindow"; }
    void showWallpaperWindow() override { asked << "showWallpaperWindow"; }
    void showSettingsWindow() override { asked << "showSettingsWindow"; }
    void showScheduleWindow() override { asked << "showScheduleWindow"; }
    void scheduleWindowClosed() override { asked << "scheduleWindowClosed"; }
    void showDataFileChooser(DataFileChoice::Mode) override { asked << "showDataFileChooser"; }
    void showMessageInput() override { asked << "showMessageInput"; }
    void messageInputClosed() override { asked << "messageInputClosed"; }
    void showTrayFallback() override { asked << "showTrayFallback"; }
    void hideTrayFallback() override { asked << "hideTrayFallback"; }
    void noSecondChanged() override { asked << "noSecondChanged"; }
    /// The stored settings as the program's load reads them.
    const AlarmSet::StoredSettings& loadAlarmSet() override { return m_stored = AlarmSet::loadStoredSettings(state); }
    AlarmDataFiles dataFiles() override
    {
        return AlarmDataFiles(state, lists, {warnings, *this, listFiles, fakes.launcher, fakes.clock, {}, {}, {}});
    }
    void playSound(const QString& playTimes, const QString&) override { asked << "playSound " + playTimes; }
    void stopSound() override { asked << "stopSound"; }
    bool snoozeAlarm(const FiredEvent&, int minutes) override
    {
        return asked << "snooze " + QString::number(minutes), true;
    }
    void alarmAnswered(const FiredEvent&) override { asked << "alarmAnswered"; }
    void endProgram() override { asked << "endProgram"; }
    void errorListClosed() override { asked << "errorListClosed"; }
    void messageInputUnloaded() override { asked << "messageInputUnloaded"; }
    void settingsWindowClosed() override { asked << "settingsWindowClosed"; }
    void wallpaperWindowClosed() override { asked << "wallpaperWindowClosed"; }
    void overwriteQuestionClosed() override { asked << "overwriteQuestionClosed"; }
    void dataFileChooserClosed() override { asked << "dataFileChooserClosed"; }
    void registerForegroundDialog(qint32, QWidget*) override {}
    void reclaimFront(QWidget*, qint32 code) override { front.reclaim(code); }
    void handFrontBack(qint32 previous) override
    {
        front.release(previous), asked << "handFrontBack " + QString::number(previous);
    }
    void askOverwrite(const QString& saver, const QString& fileName) override { asked << saver + ' ' + fileName; }
    void addErrorLine(const QString& line) override { asked << line; }
    void showErrorList() override {}
    void beep() override {}

    QTemporaryDir folder;
    FakeServices fakes;
    SharedState state;
    FakeWarnings warnings;
    FrontOrder front{state};
    ListFileFlow listFiles{state, warnings, *this};
    AlarmLists lists;
    QStringList asked;
    WindowContext context{state, fakes.services, warnings, *this, front, *this};

private:
    AlarmSet::StoredSettings m_stored;
};
