// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "app/window_registry.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "core/alarms/alarm_lists.h"
#include "core/alarms/data_file_choice.h"
#include "core/clock/chime_setup.h"
#include "core/settings/settings_store.h"
#include "core/sound/sound_playback.h"
#include "core/state/shared_state.h"
#include "core/wallpaper/clock_wallpaper_times.h"
#include "core/wallpaper/wallpaper_logic.h"
#include "platform/clock.h"
#include "platform/sound_devices.h"
#include "platform/window_services.h"
#include "ui/alarms/alarm_message_window.h"
#include "ui/alarms/alarm_set_window.h"
#include "ui/alarms/message_input_window.h"
#include "ui/files/data_file_chooser.h"
#include "ui/files/error_list_window.h"
#include "ui/files/overwrite_question_window.h"
#include "ui/settings/settings_window.h"
#include "ui/tray/about_window.h"
#include "ui/tray/tray_controller.h"
#include "ui/tray/tray_fallback_window.h"
#include "ui/wallpaper/wallpaper_window.h"
#include "ui/warnings/warning_window.h"

WindowRegistry::WindowRegistry(Module1& state, const Services& services)
    : m_state(state), m_front(state), m_services(services), m_alarmLists(std::make_unique<AlarmLists>()),
      m_tick(std::make_unique<ClockTick>(state, *m_alarmLists, services.clock, *this)),
      m_wallpaperTimes(std::make_unique<ClockWallpaperTimes>(services.clock)),
      m_wallpaper(std::make_unique<WallpaperLogic>(
          state, m_wallpaperForm,
          WallpaperChanger::Services{*this, services.pictures, services.wallpaper, *m_wallpaperTimes, {}})),
      m_listFiles(state, *this, *this), m_context{m_state,      m_services,      *m_alarmLists,  m_front, *this,
                                                  *this,        *this,           *this,          *this,   m_listFiles,
                                                  *m_wallpaper, m_wallpaperForm, m_form13PrevWho}
{
    m_listFiles.setSaver(AlarmDataFiles::kSaver, [this] { return AlarmDataFiles::fileLines(*m_alarmLists); });
}

WindowRegistry::~WindowRegistry()
{
    // Windows made anew for each use are closed with the registry their context points into.
    for (const QPointer<Form11>& warning : std::as_const(m_warnings))
        delete warning;
    for (const QPointer<Form6>& message : std::as_const(m_messageWindows))
        delete message;
    delete m_form5;
    delete m_form4;
    delete m_form3;
    delete m_form10;
    delete m_form12;
    delete m_form13;
    delete m_form14;
    delete m_form7;
    delete m_trayFallback;
}

Form1& WindowRegistry::form1()
{
    if (!m_form1) {
        m_form1 = std::make_unique<Form1>(m_context);
        m_form1->onTick = [this] {
            m_tick->Timer1_Timer();
            return m_tick->msUntilNextEvent();
        };
    }
    return *m_form1;
}

Form3& WindowRegistry::form3()
{
    if (!m_form3)
        m_form3 = new Form3;
    return *m_form3;
}

Form4& WindowRegistry::form4()
{
    if (!m_form4)
        m_form4 = new Form4(m_context);
    return *m_form4;
}

bool WindowRegistry::isForm4Loaded() const
{
    return !m_form4.isNull();
}

Form5& WindowRegistry::form5()
{
    if (!m_form5)
        m_form5 = new Form5(m_context);
    return *m_form5;
}

bool WindowRegistry::isForm5Loaded() const
{
    return !m_form5.isNull();
}

void WindowRegistry::unloadForm5()
{
    if (m_form5)
        m_form5->deleteLater();
    m_form5 = nullptr;
}

const AlarmSet::StoredSettings& WindowRegistry::loadAlarmSet()
{
    if (!m_alarmSetLoad) {
        m_alarmSetLoad = AlarmSet::fForm4Load(m_state);
        if (const auto& checks = m_alarmSetLoad->soundChecks)
            applySoundChecks(checks->first, checks->second);
    }
    return *m_alarmSetLoad;
}

void WindowRegistry::unloadForm4()
{
    if (m_form4)
        m_form4->deleteLater();
    m_form4 = nullptr;
    // The lists go with the window: no message outlives its alarm, and the next touch loads them afresh.
    m_alarmLists->lstData.clear();
    m_alarmLists->lstMessage.clear();
    m_alarmSetLoad.reset();
}

Form10& WindowRegistry::form10()
{
    if (!m_form10)
        m_form10 = new Form10(*this);
    return *m_form10;
}

Form9& WindowRegistry::form9()
{
    if (!m_form9) {
        m_form9 = std::make_unique<Form9>(m_state,
                                          SoundServices{m_services.wave, m_services.wavePlayer, m_services.mci,
                                                        m_services.speaker, m_services.modalBox, *this, *this},
                                          m_services.tuneCopyPath);
        m_form9->processEvents = [] { QCoreApplication::processEvents(); };
    }
    return *m_form9;
}

void WindowRegistry::holdClock()
{
    form1().holdClock();
}

void WindowRegistry::releaseClock()
{
    form1().releaseClock();
}

void WindowRegistry::unloadForm10()
{
    if (m_form10)
        m_form10->deleteLater();
    m_form10 = nullptr;
}

void WindowRegistry::errorListClosed()
{
    unloadForm10();
}

void WindowRegistry::messageInputUnloaded()
{
    unloadForm5();
}

void WindowRegistry::settingsWindowClosed()
{
    unloadForm7();
}

void WindowRegistry::wallpaperWindowClosed()
{
    unloadForm12();
}

void WindowRegistry::overwriteQuestionClosed()
{
    unloadForm13();
}

void WindowRegistry::dataFileChooserClosed()
{
    unloadForm14();
}

void WindowRegistry::AnswerOk(const QString& ErrorMsgStr)
{
    m_warnings.removeAll(nullptr);
    auto* window = new Form11(m_context);
    m_warnings.append(window);
    window->showWarning(ErrorMsgStr);
}

void WindowRegistry::registerForegroundDialog(qint32 code, QWidget* dialog)
{
    m_foregroundDialogs.insert(code, dialog);
}

void WindowRegistry::WhoWillForeground(qint32 tmpWho)
{
    if (FrontOrder::handBackTarget(tmpWho) == 0)
        return;
    QWidget* dialog = m_foregroundDialogs.value(tmpWho);
    if (!dialog || !dialog->isVisible())
        return;
    m_services.windows.setTopmost(dialog);
    dialog->raise();
}

void WindowRegistry::handFrontBack(qint32 prevWho)
{
    WhoWillForeground(m_front.release(prevWho));
}

void WindowRegistry::reclaimFront(QWidget* dialog, qint32 code)
{
    if (!m_front.reclaim(code))
        return;
    m_services.windows.bringToFront(dialog);
    m_services.windows.beep();
}

void WindowRegistry::endProgram()
{
    QCoreApplication::exit(0);
}

void WindowRegistry::loadAlarmFile(const QString& fileName)
{
    dataFiles().LoadClick(fileName);
}

AlarmDataFiles WindowRegistry::dataFiles()
{
    loadAlarmSet();
    return AlarmDataFiles(m_state, *m_alarmLists,
                          AlarmDataFiles::Services{*this, *this, m_listFiles, m_services.launcher, m_services.clock,
                                                   qEnvironmentVariable("VISUAL"), qEnvironmentVariable("EDITOR"),
                                                   qEnvironmentVariable("TERMINAL")});
}

void WindowRegistry::addErrorLine(const QString& line)
{
    form10().addError(line);
}

void WindowRegistry::showErrorList()
{
    form10().show();
}

void WindowRegistry::beep()
{
    m_services.windows.beep();
}

void WindowRegistry::FileAlreadyExist(const QString& WhereDoYouComeFrom, const QString& fFileName)
{
    form13().FileAlreadyExist(WhereDoYouComeFrom, fFileName);
}

Form7& WindowRegistry::form7()
{
    if (!m_form7) {
        m_form7 = new Form7(m_context);
        m_form7->Form_Load();
    }
    return *m_form7;
}

bool WindowRegistry::isForm7Loaded() const
{
    return !m_form7.isNull();
}

void WindowRegistry::unloadForm7()
{
    if (m_form7)
        m_form7->deleteLater();
    m_form7 = nullptr;
}

Form14* WindowRegistry::form14() const
{
    return m_form14;
}

void WindowRegistry::unloadForm14()
{
    if (m_form14)
        m_form14->deleteLater();
    m_form14 = nullptr;
}

void WindowRegistry::loadWallpaperWindow()
{
    readyWallpaper();
}

void WindowRegistry::readyWallpaper()
{
    if (m_wallpaper->isReady())
        return;
    m_wallpaper->load();
    m_listFiles.setSaver(WallpaperLogic::kSaver, [this] { return m_wallpaper->entries(); });
}

Form12& WindowRegistry::form12()
{
    readyWallpaper();
    if (!m_form12) {
        m_form12 = new Form12(m_context);
        m_form12->Form_Load();
    }
    return *m_form12;
}

bool WindowRegistry::isForm12Loaded() const
{
    return !m_form12.isNull();
}

void WindowRegistry::releaseWallpaperIfHidden()
{
    if (!m_wallpaper->isReady() || (m_form12 && m_form12->isVisible()))
        return;
    if (m_form12 ? m_form12->Form_QueryUnload() : m_wallpaper->closeSteps())
        unloadForm12();
}

void WindowRegistry::unloadForm12()
{
    if (m_form12)
        m_form12->deleteLater();
    m_form12 = nullptr;
    m_wallpaper->changed = nullptr;
    m_wallpaper->release();
    m_listFiles.setSaver(WallpaperLogic::kSaver, nullptr);
}

WallpaperTimes& WindowRegistry::wallpaperTimes()
{
    return *m_wallpaperTimes;
}

Form13& WindowRegistry::form13()
{
    if (!m_form13)
        m_form13 = new Form13(m_context);
    return *m_form13;
}

void WindowRegistry::unloadForm13()
{
    if (m_form13)
        m_form13->deleteLater();
    m_form13 = nullptr;
}

void WindowRegistry::selectFontOption(qint16 iFontChoice)
{
    if (!isForm7Loaded()) {
        // The Settings window is made when it is first shown (it costs memory an idle tray program should not
        // pay); its load then shows the choice kept in the shared state. Until then the stored boxes set their
        // flags exactly as its load would; a ticked "Don't compare with second" loads the Alarm Set window.
        applyStoredSettingChecks(m_state);
        if (m_state.bNoSecond == kTrue)
            noSecondChanged();
        return;
    }
    form7().showFontChoice(iFontChoice);
}

bool WindowRegistry::isForm10Loaded() const
{
    return !m_form10.isNull();
}

QList<Form6*> WindowRegistry::messageWindows() const
{
    QList<Form6*> open;
    for (const QPointer<Form6>& window : m_messageWindows)
        if (window)
            open.append(window);
    return open;
}

void WindowRegistry::PlaySound(const QString& strTimes, const QString& sSoundName)
{
    form9().PlaySound(strTimes, sSoundName);
}

void WindowRegistry::StopSound()
{
    form9().StopSound();
}

void WindowRegistry::InternalSpeaker()
{
    form9().InternalSpeaker();
}

void WindowRegistry::openMessageWindow(const QString& text)
{
    m_messageWindows.removeAll(nullptr);
    auto* window = new Form6(m_context);
    m_messageWindows.append(window);
    window->showMessage(text);
}

void WindowRegistry::playChime(const QString& path)
{
    m_services.wave.sndPlaySound(path);
}

void WindowRegistry::chkEMPlay_Click()
{
    if (isForm4Loaded()) {
        form4().chkEMPlay_Click();
        return;
    }
    // Without the Alarm Set window its chime box and minutes list stand for bEMPlayOn and iEMInterval; the
    // recompute works from those, exactly as a click on the box would.
    setUpChime(m_state, m_state.bEMPlayOn == kTrue, QString::number(m_state.iEMInterval),
               m_services.clock.now().time());
}

void WindowRegistry::EMShowToShow()
{
    readyWallpaper();
    m_wallpaper->EMShowToShow();
}

void WindowRegistry::chkChange_Click()
{
    readyWallpaper();
    m_wallpaper->chkChange_Click();
    releaseWallpaperIfHidden();
}

void WindowRegistry::showDataFileChooser(DataFileMode mode)
{
    // Every opening starts from a freshly loaded chooser, so no mode's captions are left over.
    if (m_form14)
        m_form14->cmdCancel_Click();
    auto* chooser = new Form14(m_context);
    m_form14 = chooser;
    chooser->Form_Load();
    chooser->setMode(mode);
    chooser->show();
}

void WindowRegistry::showSettingsWindow()
{
    Form7& settings = form7();
    if (settings.isMinimized())
        settings.showNormal();
    else
        settings.show();
    m_services.windows.bringToFront(&settings);
}

void WindowRegistry::showAboutWindow()
{
    Form3& about = form3();
    about.show();
    about.raise();
}

void WindowRegistry::showAlarmSetWindow()
{
    Form4& alarmSet = form4();
    alarmSet.showNormal();
    alarmSet.raise();
    alarmSet.activateWindow();
}

void WindowRegistry::showWallpaperWindow()
{
    Form12& wallpaper = form12();
    if (wallpaper.isMinimized())
        wallpaper.showNormal();
    wallpaper.show();
    wallpaper.raise();
    wallpaper.activateWindow();
}

void WindowRegistry::showMessageInput()
{
    form5().showInput();
}

void WindowRegistry::messageInputClosed()
{
    if (isForm4Loaded())
        form4().messageInputClosed();
}

void WindowRegistry::showTrayFallback()
{
    if (m_trayFallback)
        return;
    m_trayFallback = new TrayFallbackWindow(form1().mPopup);
    m_trayFallback->show();
}

void WindowRegistry::hideTrayFallback()
{
    if (m_trayFallback)
        m_trayFallback->hide();
}

QWidget* WindowRegistry::trayFallbackWindow() const
{
    return m_trayFallback;
}

void WindowRegistry::applySoundChecks(qint16 chkSoundOn, qint16 chkErrMsgPop)
{
    if (!isForm7Loaded()) {
        // Made when first shown; its load then shows the flags set here.
        ::applySoundChecks(m_state, chkSoundOn, chkErrMsgPop);
        return;
    }
    form7().showSoundChecks(chkSoundOn, chkErrMsgPop);
}

void WindowRegistry::noSecondChanged()
{
    loadAlarmSet();
    if (isForm4Loaded())
        form4().updateSecondsShown();
}
