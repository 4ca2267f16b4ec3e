// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>

#include <QDir>
#include <QImage>
#include <QMap>
#include <QSettings>
#include <QTemporaryDir>

#include "core/alarms/alarm_data_files.h"
#include "core/alarms/alarm_lists.h"
#include "core/alarms/alarm_set_logic.h"
#include "core/files/list_file_flow.h"
#include "core/state/front_order.h"
#include "core/state/shared_state.h"
#include "fake_services.h"
#include "fake_warnings.h"
#include "ui/common/front_dialogs.h"
#include "ui/common/window_context.h"
#include "ui/common/window_requests.h"

// Records each request by its name ("showMessageInput", "dataFileChooserClosed"); carries none out.
class FakeWindowRequests final : public WindowRequests
{
public:
    FakeWindowRequests(SharedState& state, std::function<AlarmDataFiles()> dataFiles)
        : m_state(state), m_dataFiles(std::move(dataFiles))
    {
    }
    void showAboutWindow() override { asked << "showAboutWindow"; }
    void showAlarmSetWindow() override { asked << "showAlarmSetWindow"; }
    void showWallpaperWindow() override { asked << "showWallpaperWindow"; }
    void showSettingsWindow() override { asked << "showSettingsWindow"; }
    void showDataFileChooser(DataFileChoice::Mode) override { asked << "showDataFileChooser"; }
    void showMessageInput() override { asked << "showMessageInput"; }
    void messageInputClosed() override { asked << "messageInputClosed"; }
    void showTrayFallback() override { asked << "showTrayFallback"; }
    void hideTrayFallback() override { asked << "hideTrayFallback"; }
    void noSecondChanged() override { asked << "noSecondChanged"; }
    /// The stored settings as the program's load reads them.
    const AlarmSet::StoredSettings& loadAlarmSet() override { return m_stored = AlarmSet::loadStoredSettings(m_state); }
    AlarmDataFiles dataFiles() override { return m_dataFiles(); }
    void playSound(const QString& playTimes, const QString&) override { asked << "playSound " + playTimes; }
    void stopSound() override { asked << "stopSound"; }
    void endProgram() override { asked << "endProgram"; }
    void errorListClosed() override { asked << "errorListClosed"; }
    void messageInputUnloaded() override { asked << "messageInputUnloaded"; }
    void settingsWindowClosed() override { asked << "settingsWindowClosed"; }
    void wallpaperWindowClosed() override { asked << "wallpaperWindowClosed"; }
    void overwriteQuestionClosed() override { asked << "overwriteQuestionClosed"; }
    void dataFileChooserClosed() override { asked << "dataFileChooserClosed"; }
    QStringList asked;

private:
    SharedState& m_state;
    std::function<AlarmDataFiles()> m_dataFiles;
    AlarmSet::StoredSettings m_stored;
};

// Gives the front back over the front order as the program does, and records the codes handed back; raises nothing.
class FakeFrontDialogs final : public FrontDialogs
{
public:
    explicit FakeFrontDialogs(FrontOrder& front) : m_front(front) {}
    void registerForegroundDialog(qint32 code, QWidget* dialog) override { registered.insert(code, dialog); }
    void reclaimFront(QWidget*, qint32 code) override { m_front.reclaim(code); }
    void handFrontBack(qint32 previousFront) override { m_front.release(handedBack.emplace_back(previousFront)); }
    QMap<qint32, QWidget*> registered;
    QList<qint32> handedBack;

private:
    FrontOrder& m_front;
};

// The overwrite question and the error list of the list files, recorded.
class FakeFileQuestions final : public OverwriteQuestion, public LoadErrorList
{
public:
    void askOverwrite(const QString& saver, const QString& fileName) override { asked << saver + ' ' + fileName; }
    void addErrorLine(const QString& line) override { asked << line; }
    void showErrorList() override {}
    void beep() override {}
    QStringList asked;
};

// What a window is built over in its own test, without the rest of the program: fake services on a fake clock
// (6 December 2026, 10:00:00), the shared state with the start-up defaults and an empty program folder (no
// ixo.ini yet), recorded warnings and requests, the day's lists and the list files.
struct WindowFixture
{
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

    QTemporaryDir folder;
    FakeServices fakes;
    SharedState state;
    FakeWarnings warnings;
    FrontOrder front{state};
    FakeFrontDialogs dialogs{front};
    FakeFileQuestions files;
    ListFileFlow listFiles{state, warnings, files};
    AlarmLists lists;
    FakeWindowRequests requests{
        state, [this] {
            return AlarmDataFiles(state, lists, {warnings, files, listFiles, fakes.launcher, fakes.clock, {}, {}, {}});
        }};
    WindowContext context{state, fakes.services, warnings, requests, front, dialogs};
};
