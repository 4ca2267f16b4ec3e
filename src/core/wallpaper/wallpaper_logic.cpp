// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/wallpaper/wallpaper_logic.h"

#include "core/io/settings_file.h"
#include "core/state/shared_state.h"
#include "core/state/warnings.h"
#include "core/wallpaper/wallpaper_store.h"
#include "core/wallpaper/wallpaper_window_state.h"

WallpaperLogic::WallpaperLogic(SharedState& state, WallpaperWindowState& form, WallpaperChanger::Services services)
    : m_state(state), m_windowState(form), m_services(std::move(services))
{
}

WallpaperLogic::~WallpaperLogic() = default;

void WallpaperLogic::load()
{
    if (isReady())
        return;
    m_changer = std::make_unique<WallpaperChanger>(m_state, m_windowState, m_services);
    m_changer->listChanged = [this] { notify(); };
    m_changer->tooFewToChange = [this] { stopChanging(); };

    const WallpaperSettings restored = WallpaperStore().restoreSettings(m_state.appPath);
    m_windowState.pictureFolder = restored.pictureFolder;
    m_pictures = restored.pictures;
    m_changer->setEntries(restored.entries);
    m_intervalText = kIntervals.contains(restored.intervalText) ? restored.intervalText : QString();
    enableChangeIfReady();
    m_keepSet = restored.keepSet;
    if (restored.changeOn && m_changeEnabled)
        setChangeTicked(true); // sets the schedule up again
    m_hasPosition = restored.hasPosition;
    m_windowState.windowLeft = restored.hasPosition ? restored.left : 0;
    m_windowState.windowTop = restored.hasPosition ? restored.top : 0;
    if (restored.priorityOrder)
        chooseOption(1);
    if (restored.randomOrder)
        chooseOption(2);
    notify();
}

bool WallpaperLogic::closeSteps()
{
    QString error;
    if (!WallpaperStore().saveSettings(m_keepSet, toRecordInt(m_windowState.windowLeft),
                                       toRecordInt(m_windowState.windowTop), m_changeTicked, m_option == 2,
                                       m_intervalText, m_state.appPath, m_windowState.pictureFolder, &error))
        m_services.warnings.warn(QStringLiteral("The wallpaper settings were not saved: ") + error);
    return m_state.wallpaperMark == -1;
}

void WallpaperLogic::release()
{
    m_changer.reset();
    m_pictures.clear();
    m_intervalText.clear();
    m_changeTicked = false;
    m_changeEnabled = false;
    m_option = 0;
    m_keepSet = false;
    m_hasPosition = false;
}

QStringList WallpaperLogic::entries() const
{
    return m_changer ? m_changer->entries() : QStringList();
}

int WallpaperLogic::count() const
{
    return m_changer ? m_changer->count() : 0;
}

void WallpaperLogic::setChangeTicked(bool ticked)
{
    if (ticked == m_changeTicked)
        return;
    m_changeTicked = ticked;
    rescheduleWallpaper();
    notify();
}

void WallpaperLogic::rescheduleWallpaper()
{
    if (m_changer)
        m_changer->rescheduleWallpaper(m_changeTicked, m_intervalText);
}

void WallpaperLogic::intervalChosen()
{
    if (count() >= 2)
        m_changeEnabled = true;
    else
        setChangeTicked(false);
    notify();
}

void WallpaperLogic::chooseOption(int index)
{
    if (!m_changer)
        return;
    m_option = index == 2 ? 2 : 1;
    m_changer->chooseOrder(m_option);
    notify();
}

void WallpaperLogic::changeWallpaper()
{
    if (m_changer)
        m_changer->changeWallpaper();
}

void WallpaperLogic::add(const QString& entry)
{
    if (!m_changer)
        return;
    m_changer->add(entry);
    enableChangeIfReady();
    notify();
}

void WallpaperLogic::removeAt(int index)
{
    if (!m_changer)
        return;
    m_changer->removeAt(index);
    notify();
}

void WallpaperLogic::removePicture(int index)
{
    if (index >= 0 && index < m_pictures.size())
        m_pictures.removeAt(index);
}

void WallpaperLogic::deleteSelected(const QList<int>& selectedRows)
{
    if (!m_changer || selectedRows.isEmpty())
        return;
    m_changer->deleteSelected(selectedRows);
    applyListRules();
    notify();
}

void WallpaperLogic::deleteAll()
{
    if (!m_changer)
        return;
    m_changer->clear();
    stopChanging();
    chooseOption(1);
}

void WallpaperLogic::loadList(const QStringList& entries)
{
    if (!m_changer)
        return;
    m_changer->clear();
    m_changer->setEntries(entries);
    enableChangeIfReady();
    applyListRules();
    notify();
}

void WallpaperLogic::applyListRules()
{
    if (count() < 3)
        chooseOption(1);
    if (count() < 2)
        stopChanging();
}

void WallpaperLogic::stopChanging()
{
    setChangeTicked(false); // ends the schedule
    m_changeEnabled = false;
    notify();
}

void WallpaperLogic::enableChangeIfReady()
{
    if (count() >= 2 && !m_intervalText.isEmpty())
        m_changeEnabled = true;
}

void WallpaperLogic::notify()
{
    if (changed)
        changed();
}
