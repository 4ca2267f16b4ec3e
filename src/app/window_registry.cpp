// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "app/window_registry.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "core/alarms/alarm_lines.h"
#include "core/alarms/alarm_lists.h"
#include "core/alarms/data_file_choice.h"
#include "core/clock/chime_setup.h"
#include "core/settings/settings_store.h"
#include "core/sound/sound_playback.h"
#include "core/state/shared_state.h"
#include "core/state/translated.h"
#include "core/wake/alarm_wake.h"
#include "core/wallpaper/clock_wallpaper_times.h"
#include "core/wallpaper/wallpaper_logic.h"
#include "platform/alarm_notifier.h"
#include "platform/clock.h"
#include "platform/sound_devices.h"
#include "platform/window_services.h"
#include "ui/alarms/alarm_message_window.h"
#include "ui/alarms/alarm_set_window.h"
#include "ui/alarms/message_input_window.h"
#include "ui/files/data_file_chooser.h"
#include "ui/files/error_list_window.h"
#include "ui/files/overwrite_question_window.h"
#include "ui/schedule/schedule_window.h"
#include "ui/settings/settings_window.h"
#include "ui/tray/about_window.h"
#include "ui/tray/tray_controller.h"
#include "ui/tray/tray_fallback_window.h"
#include "ui/wallpaper/wallpaper_window.h"
#include "ui/warnings/warning_window.h"

namespace {
// Shows `window`, restored when minimized, on top and active.
void showRestoredOnTop(QWidget& window)
{
    if (window.isMinimized())
        window.showNormal();
    window.show();
    window.raise();
    window.activateWindow();
}
} // namespace

WindowRegistry::WindowRegistry(SharedState& state, const Services& services)
    : m_state(state), m_front(state), m_services(services), m_alarmLists(std::make_unique<AlarmLists>()),
      m_tick(std::make_unique<ClockTick>(state, *m_alarmLists, services.clock, *this)),
      m_newDay(std::make_unique<NewDay>(state, *m_alarmLists, *this, *this)),
      m_schedule(std::make_unique<ScheduleLogic>(state, *m_alarmLists, *this, services.clock)),
      m_remote(std::make_unique<RemoteControl>(state, *m_alarmLists, services.clock, *m_schedule)),
      m_wallpaperTimes(std::make_unique<ClockWallpaperTimes>(services.clock)),
      m_wallpaper(std::make_unique<WallpaperLogic>(
          state, m_wallpaperWindowState,
          WallpaperChanger::Services{*this, services.pictures, services.wallpaper, *m_wallpaperTimes, {}})),
      m_listFiles(state, *this, *this), m_context{m_state, m_services, *this, *this, m_front, *this},
      m_firings(state, *m_alarmLists, services.clock),
      m_wake(std::make_unique<AlarmWake>(services.waker, services.clock))
{
    m_listFiles.setSaver(AlarmDataFiles::kSaver, [this] { return AlarmDataFiles::fileLines(*m_alarmLists); });
    m_firings.hooks.readyLists = [this] { loadAlarmSet(); };
    m_firings.hooks.stopSound = [this] { stopSound(); };
    m_firings.hooks.closeWindows = [this](quint64 firing) {
        for (AlarmMessageWindow* window : messageWindows())
            if (window->firing() == firing && window->isVisible())
                window->close();
    };
    m_firings.hooks.snoozeTomorrow = [this](const FiredEvent& event, const QTime& time) {
        ScheduleEntry entry;
        entry.time = time;
        entry.playWord = event.playWord;
        entry.message = AlarmLines::messageText(event.messageLine);
        entry.when = ScheduleWhen::once(m_services.clock.now().date().addDays(1));
        return m_schedule->add(entry);
    };
    m_schedule->hooks.readyLists = [this] { loadAlarmSet(); };
    m_schedule->hooks.reportErrors = [this](const QStringList& lines) {
        for (const QString& line : lines)
            addErrorLine(line);
        showErrorList();
    };
    m_schedule->hooks.changed = [this] {
        if (m_scheduleWindow)
            m_scheduleWindow->showEntries();
        updateWake();
    };
    m_newDay->bringScheduled = [this](const QDate& date, const QTime& from) { m_schedule->beginDay(date, from); };
    m_soundWatch.setInterval(kSoundWatchMs);
    m_soundWatch.callOnTimeout([this] { checkSoundEnded(); });
    m_services.notifier.onStop = [this] { stopSound(); };
    m_services.notifier.onSnooze = [this] {
        if (const QString refusal = m_firings.snooze(m_notified, Snooze::kPresetMinutes); !refusal.isEmpty())
            warn(refusal);
    };
    m_remote->hooks.readyLists = [this] { loadAlarmSet(); };
    m_remote->hooks.stop = [this] { stopSound(); };
    m_remote->hooks.showAlarmSet = [this] { trayController().onAlarmSetTriggered(); };
    m_remote->hooks.snooze = [this](int minutes) { return snoozeSoundingAlarm(minutes); };
    // Every change of the head of the day's list comes through the model's signals: add, delete, fire, new day.
    AlarmDataList* alarms = &m_alarmLists->alarms;
    for (const auto change : {&AlarmDataList::rowsInserted, &AlarmDataList::rowsRemoved})
        QObject::connect(alarms, change, alarms, [this] { updateWake(); });
    QObject::connect(alarms, &AlarmDataList::modelReset, alarms, [this] { updateWake(); });
}

WindowRegistry::~WindowRegistry()
{
    m_wake->stop();
    m_services.notifier.onStop = nullptr;
    m_services.notifier.onSnooze = nullptr;
    // Windows made anew for each use are closed with the registry their context points into.
    for (const QPointer<WarningWindow>& warning : std::as_const(m_warnings))
        delete warning;
    for (const QPointer<AlarmMessageWindow>& message : std::as_const(m_messageWindows))
        delete message;
    delete m_messageInputWindow;
    delete m_alarmSetWindow;
    delete m_aboutWindow;
    delete m_errorListWindow;
    delete m_wallpaperWindow;
    delete m_overwriteQuestionWindow;
    delete m_dataFileChooser;
    delete m_settingsWindow;
    delete m_scheduleWindow;
    delete m_trayFallback;
    m_wake.reset(); // before the lists, whose changes it follows
}

TrayController& WindowRegistry::trayController()
{
    if (!m_trayController) {
        m_trayController = std::make_unique<TrayController>(m_context, *this);
        m_trayController->onTick = [this] {
            m_tick->tick();
            return m_tick->msUntilNextEvent();
        };
        m_trayController->onDateCheck = [this] { m_tick->checkDate(); };
        QObject::connect(m_trayController->m_disableAction, &QAction::toggled, m_trayController.get(),
                         [this](bool disabled) { m_wake->setDisabled(disabled); });
    }
    return *m_trayController;
}

AboutWindow& WindowRegistry::aboutWindow()
{
    if (!m_aboutWindow)
        m_aboutWindow = new AboutWindow;
    return *m_aboutWindow;
}

AlarmSetWindow& WindowRegistry::alarmSetWindow()
{
    if (!m_alarmSetWindow)
        m_alarmSetWindow = new AlarmSetWindow(m_context, *m_alarmLists);
    return *m_alarmSetWindow;
}

bool WindowRegistry::isAlarmSetWindowLoaded() const
{
    return !m_alarmSetWindow.isNull();
}

MessageInputWindow& WindowRegistry::messageInputWindow()
{
    if (!m_messageInputWindow)
        m_messageInputWindow = new MessageInputWindow(m_context, *m_alarmLists);
    return *m_messageInputWindow;
}

bool WindowRegistry::isMessageInputWindowLoaded() const
{
    return !m_messageInputWindow.isNull();
}

void WindowRegistry::unloadMessageInputWindow()
{
    if (m_messageInputWindow)
        m_messageInputWindow->deleteLater();
    m_messageInputWindow = nullptr;
}

const AlarmSet::StoredSettings& WindowRegistry::loadAlarmSet()
{
    if (!m_alarmSetLoad) {
        m_alarmSetLoad = AlarmSet::loadStoredSettings(m_state);
        if (const auto& checks = m_alarmSetLoad->soundChecks)
            applySoundChecks(checks->first, checks->second);
    }
    return *m_alarmSetLoad;
}

void WindowRegistry::unloadAlarmSetWindow()
{
    if (m_alarmSetWindow)
        m_alarmSetWindow->deleteLater();
    m_alarmSetWindow = nullptr;
    // The lists go with the window: no message outlives its alarm, and the next touch loads them afresh.
    m_alarmLists->alarms.clear();
    m_alarmLists->messages.clear();
    m_alarmSetLoad.reset();
}

ErrorListWindow& WindowRegistry::errorListWindow()
{
    if (!m_errorListWindow)
        m_errorListWindow = new ErrorListWindow(*this);
    return *m_errorListWindow;
}

SoundLogic& WindowRegistry::soundLogic()
{
    if (!m_soundLogic) {
        m_soundLogic =
            std::make_unique<SoundLogic>(m_state,
                                         SoundServices{m_services.wave, m_services.wavePlayer, m_services.midi,
                                                       m_services.speaker, m_services.modalBox, *this, *this},
                                         m_services.tuneCopyPath);
        m_soundLogic->processEvents = [] { QCoreApplication::processEvents(); };
    }
    return *m_soundLogic;
}

void WindowRegistry::holdClock()
{
    trayController().holdClock();
}

void WindowRegistry::releaseClock()
{
    trayController().releaseClock();
}

void WindowRegistry::unloadErrorListWindow()
{
    if (m_errorListWindow)
        m_errorListWindow->deleteLater();
    m_errorListWindow = nullptr;
}

void WindowRegistry::errorListClosed()
{
    unloadErrorListWindow();
}

void WindowRegistry::messageInputUnloaded()
{
    unloadMessageInputWindow();
}

void WindowRegistry::settingsWindowClosed()
{
    unloadSettingsWindow();
}

void WindowRegistry::wallpaperWindowClosed()
{
    unloadWallpaperWindow();
}

void WindowRegistry::overwriteQuestionClosed()
{
    unloadOverwriteQuestionWindow();
}

void WindowRegistry::dataFileChooserClosed()
{
    unloadDataFileChooser();
}

void WindowRegistry::warn(const QString& text)
{
    m_warnings.removeAll(nullptr);
    auto* window = new WarningWindow(m_context);
    m_warnings.append(window);
    window->showWarning(text);
}

void WindowRegistry::registerForegroundDialog(qint32 code, QWidget* dialog)
{
    m_foregroundDialogs.insert(code, dialog);
}

void WindowRegistry::raiseFrontDialog(qint32 code)
{
    if (FrontOrder::handBackTarget(code) == 0)
        return;
    QWidget* dialog = m_foregroundDialogs.value(code);
    if (!dialog || !dialog->isVisible())
        return;
    m_services.windows.setTopmost(dialog);
    dialog->raise();
}

void WindowRegistry::handFrontBack(qint32 previousFront)
{
    raiseFrontDialog(m_front.release(previousFront));
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
    m_wake->stop();
    QCoreApplication::exit(0);
}

void WindowRegistry::newDay(const QDate& date, const QTime& seenAt)
{
    m_newDay->begin(date, seenAt);
}

void WindowRegistry::loadAlarmFile(const QString& fileName)
{
    m_planFindings = dataFiles().load(fileName);
}

void WindowRegistry::reloadAlarmFile(const QString& fileName, const QTime& dueFrom)
{
    m_planFindings = dataFiles().load(fileName, dueFrom, &m_planFindings);
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
    errorListWindow().addError(line);
}

void WindowRegistry::showErrorList()
{
    errorListWindow().show();
}

void WindowRegistry::beep()
{
    m_services.windows.beep();
}

void WindowRegistry::askOverwrite(const QString& saver, const QString& fileName)
{
    overwriteQuestionWindow().askOverwrite(saver, fileName);
}

SettingsWindow& WindowRegistry::settingsWindow()
{
    if (!m_settingsWindow) {
        m_settingsWindow = new SettingsWindow(m_context, alarmWake());
        m_settingsWindow->load();
    }
    return *m_settingsWindow;
}

void WindowRegistry::startSchedule()
{
    m_schedule->load(m_state.appPath);
    const QDateTime now = m_services.clock.now();
    m_schedule->beginDay(now.date(), now.time()); // its notice tells the wake
}

ScheduleWindow& WindowRegistry::scheduleWindow()
{
    if (!m_scheduleWindow)
        m_scheduleWindow = new ScheduleWindow(m_context, *m_schedule);
    return *m_scheduleWindow;
}

bool WindowRegistry::isScheduleWindowLoaded() const
{
    return !m_scheduleWindow.isNull();
}

void WindowRegistry::showScheduleWindow()
{
    ScheduleWindow& window = scheduleWindow();
    window.showEntries(); // "Tomorrow" and the next occurrences as of now
    showRestoredOnTop(window);
}

void WindowRegistry::scheduleWindowClosed()
{
    if (m_scheduleWindow)
        m_scheduleWindow->deleteLater();
    m_scheduleWindow = nullptr;
}

bool WindowRegistry::isSettingsWindowLoaded() const
{
    return !m_settingsWindow.isNull();
}

void WindowRegistry::unloadSettingsWindow()
{
    if (m_settingsWindow)
        m_settingsWindow->deleteLater();
    m_settingsWindow = nullptr;
}

DataFileChooser* WindowRegistry::dataFileChooser() const
{
    return m_dataFileChooser;
}

void WindowRegistry::unloadDataFileChooser()
{
    if (m_dataFileChooser)
        m_dataFileChooser->deleteLater();
    m_dataFileChooser = nullptr;
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

WallpaperWindow& WindowRegistry::wallpaperWindow()
{
    readyWallpaper();
    if (!m_wallpaperWindow) {
        m_wallpaperWindow = new WallpaperWindow(m_context, *m_wallpaper, m_wallpaperWindowState, m_listFiles);
        m_wallpaperWindow->load();
    }
    return *m_wallpaperWindow;
}

bool WindowRegistry::isWallpaperWindowLoaded() const
{
    return !m_wallpaperWindow.isNull();
}

void WindowRegistry::releaseWallpaperIfHidden()
{
    if (!m_wallpaper->isReady() || (m_wallpaperWindow && m_wallpaperWindow->isVisible()))
        return;
    if (m_wallpaperWindow ? m_wallpaperWindow->closeSteps() : m_wallpaper->closeSteps())
        unloadWallpaperWindow();
}

void WindowRegistry::unloadWallpaperWindow()
{
    if (m_wallpaperWindow)
        m_wallpaperWindow->deleteLater();
    m_wallpaperWindow = nullptr;
    m_wallpaper->changed = nullptr;
    m_wallpaper->release();
    m_listFiles.setSaver(WallpaperLogic::kSaver, nullptr);
}

WallpaperTimes& WindowRegistry::wallpaperTimes()
{
    return *m_wallpaperTimes;
}

OverwriteQuestionWindow& WindowRegistry::overwriteQuestionWindow()
{
    if (!m_overwriteQuestionWindow)
        m_overwriteQuestionWindow = new OverwriteQuestionWindow(m_context, m_listFiles, m_overwritePreviousFront);
    return *m_overwriteQuestionWindow;
}

void WindowRegistry::unloadOverwriteQuestionWindow()
{
    if (m_overwriteQuestionWindow)
        m_overwriteQuestionWindow->deleteLater();
    m_overwriteQuestionWindow = nullptr;
}

void WindowRegistry::selectFontOption(qint16 fontChoice)
{
    if (!isSettingsWindowLoaded()) {
        // The Settings window is made when it is first shown (it costs memory an idle tray program should not
        // pay); its load then shows the choice kept in the shared state. Until then the stored boxes set their
        // flags exactly as its load would; a ticked "Don't compare with second" loads the Alarm Set window.
        applyStoredSettingChecks(m_state);
        if (m_state.ignoreSeconds)
            noSecondChanged();
        return;
    }
    settingsWindow().showFontChoice(fontChoice);
}

bool WindowRegistry::isErrorListWindowLoaded() const
{
    return !m_errorListWindow.isNull();
}

QList<AlarmMessageWindow*> WindowRegistry::messageWindows() const
{
    QList<AlarmMessageWindow*> open;
    for (const QPointer<AlarmMessageWindow>& window : m_messageWindows)
        if (window)
            open.append(window);
    return open;
}

void WindowRegistry::playSound(const QString& playTimes, const QString& soundPath)
{
    soundLogic().playSound(playTimes, soundPath);
    if (m_firings.sounding() != 0)
        checkSoundEnded();
}

void WindowRegistry::checkSoundEnded()
{
    if (m_firings.sounding() != 0 && soundLogic().isSounding()) {
        m_soundWatch.start();
        return;
    }
    m_soundWatch.stop();
    if (const quint64 ended = m_firings.soundEnded(); ended != 0 && ended == m_notified)
        m_services.notifier.withdraw();
}

void WindowRegistry::stopSound()
{
    soundLogic().stopSound();
    m_soundWatch.stop();
    m_firings.soundEnded();
    m_services.notifier.withdraw();
}

void WindowRegistry::alarmFired(const FiredEvent& event)
{
    // Only an alarm that sounds is told by the notification; its sound starts next.
    const bool withSound = event.onTime && m_state.soundOn;
    m_fired = m_firings.fire(event, withSound);
    if (!withSound)
        return;
    m_notified = m_fired.firing;
    m_services.notifier.show(event.messageLine.isEmpty()
                                 ? QCoreApplication::translate("Messages", "Alarm at %1")
                                       .arg(readableForm(QTime::fromString(event.time, QStringLiteral("HH:mm:ss")),
                                                         QT_TRANSLATE_NOOP("DateTime", "HH:mm:ss")))
                                 : event.messageLine,
                             Snooze::kPresetMinutes);
}

bool WindowRegistry::snoozeAlarm(const FiredEvent& event, int minutes)
{
    const QString refusal = m_firings.snooze(event.firing, minutes);
    if (!refusal.isEmpty())
        warn(refusal);
    return refusal.isEmpty();
}

QString WindowRegistry::snoozeSoundingAlarm(int minutes)
{
    const quint64 latest = m_firings.latest();
    return latest != 0 ? m_firings.snooze(latest, minutes) : Firings::kNothingSounding;
}

void WindowRegistry::alarmAnswered(const FiredEvent& event)
{
    if (event.firing != 0 && event.firing == m_firings.sounding())
        m_services.notifier.withdraw();
}

void WindowRegistry::playSpeakerSweep()
{
    soundLogic().playSpeakerSweep();
}

void WindowRegistry::openMessageWindow(const QString& text)
{
    // The windows of an alarm snoozed while its sound started (a sound error box was open) are closed already.
    const quint64 firing = m_fired.firing;
    if (const Firing* fired = m_firings.find(firing); fired && fired->snoozed)
        return;
    m_messageWindows.removeAll(nullptr);
    auto* window = new AlarmMessageWindow(m_context);
    m_messageWindows.append(window);
    if (firing != 0) {
        window->offerSnooze(m_fired);
        m_firings.windowOpened(firing);
        QObject::connect(window, &AlarmMessageWindow::closed, window,
                         [this, firing] { m_firings.windowClosed(firing); });
    }
    window->showMessage(text);
}

void WindowRegistry::playChime(const QString& path)
{
    m_services.wave.play(path);
}

void WindowRegistry::renewChime()
{
    if (isAlarmSetWindowLoaded()) {
        alarmSetWindow().onChimeToggled();
        return;
    }
    // Without the Alarm Set window its chime box and minutes list stand for chimeOn and chimeInterval; the
    // recompute works from those, exactly as a click on the box would.
    setUpChime(m_state, m_state.chimeOn, QString::number(m_state.chimeInterval), m_services.clock.now().time());
}

void WindowRegistry::changeWallpaper()
{
    readyWallpaper();
    m_wallpaper->changeWallpaper();
}

void WindowRegistry::rescheduleWallpaper()
{
    readyWallpaper();
    m_wallpaper->rescheduleWallpaper();
    releaseWallpaperIfHidden();
}

void WindowRegistry::showDataFileChooser(DataFileMode mode)
{
    // Every opening starts from a freshly loaded chooser, so no mode's captions are left over.
    if (m_dataFileChooser)
        m_dataFileChooser->onCancelClicked();
    auto* chooser = new DataFileChooser(m_context);
    m_dataFileChooser = chooser;
    chooser->load();
    chooser->setMode(mode);
    chooser->show();
}

void WindowRegistry::showSettingsWindow()
{
    SettingsWindow& settings = settingsWindow();
    if (settings.isMinimized())
        settings.showNormal();
    else
        settings.show();
    m_services.windows.bringToFront(&settings);
}

void WindowRegistry::showAboutWindow()
{
    AboutWindow& about = aboutWindow();
    about.show();
    about.raise();
}

void WindowRegistry::showAlarmSetWindow()
{
    AlarmSetWindow& alarmSet = alarmSetWindow();
    alarmSet.showNormal();
    alarmSet.raise();
    alarmSet.activateWindow();
}

void WindowRegistry::showWallpaperWindow()
{
    showRestoredOnTop(wallpaperWindow());
}

void WindowRegistry::showMessageInput()
{
    messageInputWindow().showInput();
}

void WindowRegistry::messageInputClosed()
{
    if (isAlarmSetWindowLoaded())
        alarmSetWindow().messageInputClosed();
}

void WindowRegistry::showTrayFallback()
{
    if (!m_trayFallback)
        m_trayFallback = new TrayFallbackWindow(trayController().m_menu);
    m_trayFallback->show(); // also again, after a notification area had sent it away
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

void WindowRegistry::applySoundChecks(qint16 soundOn, qint16 showSoundErrors)
{
    if (!isSettingsWindowLoaded()) {
        // Made when first shown; its load then shows the flags set here.
        ::applySoundChecks(m_state, soundOn, showSoundErrors);
        return;
    }
    settingsWindow().showSoundChecks(soundOn, showSoundErrors);
}

void WindowRegistry::noSecondChanged()
{
    loadAlarmSet();
    if (isAlarmSetWindowLoaded())
        alarmSetWindow().updateSecondsShown();
}

AlarmWake& WindowRegistry::alarmWake()
{
    if (!m_wakeLoaded && !m_state.appPath.isEmpty()) {
        m_wakeLoaded = true;
        m_wake->load(m_state.appPath);
    }
    return *m_wake;
}

void WindowRegistry::updateWake()
{
    if (!m_wake)
        return;
    const QString head = m_alarmLists->alarms.head();
    QTime time = QTime::fromString(head.right(8), QStringLiteral("HH:mm:ss"));
    if (time.isValid() && m_state.ignoreSeconds)
        time = QTime(time.hour(), time.minute()); // the event fires as its minute begins
    const QDateTime now = m_services.clock.now();
    // Nothing left today: the schedule's next occurrence, on a later day (today's are in the list).
    alarmWake().setNextEvent(time.isValid() ? QDateTime(now.date(), time)
                                            : m_schedule->firstOccurrence().value_or(QDateTime()));
}
