// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/wallpaper/wallpaper_changer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "core/state/shared_state.h"
#include "core/state/translated.h"
#include "core/state/warnings.h"
#include "core/wallpaper/wallpaper_pictures.h"
#include "core/wallpaper/wallpaper_times.h"
#include "core/wallpaper/wallpaper_window_state.h"
#include "platform/picture_converter.h"
#include "platform/wallpaper_setter.h"

WallpaperChanger::WallpaperChanger(SharedState& state, WallpaperWindowState& form, Services services)
    : m_state(state), m_windowState(form), m_services(std::move(services))
{
    if (!m_services.uniform)
        m_services.uniform = [] { return QRandomGenerator::global()->generateDouble(); };
}

QString WallpaperChanger::picturePath(const QString& entry) const
{
    return m_windowState.pictureFolder + QLatin1Char('/') + entry;
}

QString WallpaperChanger::workBitmapPath() const
{
    return picturePath(kWorkBitmap);
}

void WallpaperChanger::setEntries(const QStringList& entries)
{
    m_entries = entries;
}

void WallpaperChanger::add(const QString& entry)
{
    m_entries.append(entry);
}

void WallpaperChanger::removeAt(int index)
{
    if (index >= 0 && index < count())
        m_entries.removeAt(index);
}

int WallpaperChanger::deleteSelected(const QList<int>& selectedRows)
{
    QList<bool> selected(count(), false);
    for (int row : selectedRows)
        if (row >= 0 && row < count())
            selected[row] = true;

    int removed = 0;
    while (selected.contains(true)) {
        // DeleteFirstSelected: the first selected entry from the cursor on; the cursor stays at the removal point.
        int cursor = qBound(0, static_cast<int>(m_windowState.deleteCursor), count());
        int found = static_cast<int>(selected.indexOf(true, cursor));
        if (found < 0) {
            cursor = 0;
            found = static_cast<int>(selected.indexOf(true));
        }
        m_windowState.deleteCursor = static_cast<qint16>(found);
        m_entries.removeAt(found);
        selected.removeAt(found);
        ++removed;
    }
    m_windowState.deleteCursor = 0;
    return removed;
}

void WallpaperChanger::clear()
{
    m_entries.clear();
}

bool WallpaperChanger::clampIndex()
{
    if (m_entries.isEmpty())
        return false;
    if (m_windowState.pictureIndex < 0 || m_windowState.pictureIndex >= count())
        m_windowState.pictureIndex = 0;
    return true;
}

void WallpaperChanger::chooseOrder(int index)
{
    m_order = index == kRandom ? kRandom : kPriority;
    const int n = count();
    if (n < 3)
        return;
    clampIndex();
    if (m_order == kRandom) {
        const int drawn = qMin(static_cast<int>(m_services.uniform() * n), n - 1);
        if (drawn == m_windowState.pictureIndex) {
            // Never the entry just shown: the one before it, or the second when it was the first.
            m_windowState.pictureIndex = static_cast<qint16>(m_windowState.pictureIndex - 1);
            if (m_windowState.pictureIndex == -1)
                m_windowState.pictureIndex = 1;
        } else {
            m_windowState.pictureIndex = static_cast<qint16>(drawn);
        }
    } else {
        m_windowState.pictureIndex = 0;
    }
    preparePicture();
}

void WallpaperChanger::dropEntry(int index, const QString& warning)
{
    m_services.warnings.warn(warning);
    m_entries.removeAt(index);
    if (m_entries.size() < 2 && tooFewToChange)
        tooFewToChange();
    if (m_windowState.pictureIndex >= count())
        m_windowState.pictureIndex = 0;
    if (listChanged)
        listChanged();
}

bool WallpaperChanger::checkPictureExists()
{
    while (clampIndex()) {
        const QString entry = m_entries.at(m_windowState.pictureIndex);
        if (QFileInfo(picturePath(entry)).isFile())
            return true;
        dropEntry(m_windowState.pictureIndex,
                  translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "%1 file not found"))).arg(entry));
    }
    return false;
}

void WallpaperChanger::preparePicture()
{
    while (checkPictureExists()) {
        const QString entry = m_entries.at(m_windowState.pictureIndex);
        if (pictureKind(entry) != PictureKind::Converted)
            return;
        const QString source = picturePath(entry);
        const BmpConversion conversion = m_services.converter.convertToBmp(source, workBitmapPath());
        if (conversion) {
            m_prepared = source;
            m_unwritableTold = false;
            return;
        }
        // Whatever the work bitmap held before may be gone or stale now.
        m_prepared.clear();
        if (conversion.outcome == BmpConversion::NotWritten) {
            // The picture is fine, the folder is not: the entry stays, and one warning is enough.
            if (!m_unwritableTold)
                m_services.warnings.warn(unwritableFolderWarning(conversion.reason));
            m_unwritableTold = true;
            return;
        }
        dropEntry(
            m_windowState.pictureIndex,
            translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "%1 cannot be read as a picture"))).arg(entry));
    }
}

void WallpaperChanger::rescheduleWallpaper(bool ticked, const QString& intervalText)
{
    bool clockActive = m_state.clockActive();
    m_services.times.scheduleWallpaper(ticked, intervalText, clockActive, m_state.wallpaperInterval,
                                       m_state.wallpaperMark);
    m_state.setClockActive(clockActive);
    if (m_state.wallpaperCatchUp)
        m_state.wallpaperCatchUp = false;
}

void WallpaperChanger::changeWallpaper()
{
    if (m_entries.isEmpty())
        return;
    // The mark moves first: the clock calls on every tick of the marked minute (hour).
    m_services.times.nextWallpaperMark(m_state.wallpaperInterval, m_state.wallpaperMark);
    applyCurrent();
    chooseNext();
}

void WallpaperChanger::applyCurrent()
{
    if (!clampIndex())
        return;
    auto preparedHere = [this] {
        return m_prepared == picturePath(m_entries.at(m_windowState.pictureIndex)) &&
               QFileInfo(workBitmapPath()).isFile();
    };
    // Nothing was prepared for a GIF or JPEG (the order was never chosen, or "Change Now" used the work
    // bitmap since): prepare it now.
    if (pictureKind(m_entries.at(m_windowState.pictureIndex)) == PictureKind::Converted && !preparedHere())
        preparePicture();
    if (!clampIndex())
        return;
    const QString entry = m_entries.at(m_windowState.pictureIndex);
    switch (pictureKind(entry)) {
    case PictureKind::Bitmap:
        m_services.setter.setWallpaper(picturePath(entry));
        break;
    case PictureKind::Converted:
        if (preparedHere())
            showWorkBitmap();
        break;
    case PictureKind::Other:
        break;
    }
}

void WallpaperChanger::chooseNext()
{
    if (m_entries.isEmpty())
        return;
    if (m_order == kRandom) {
        chooseOrder(kRandom);
        return;
    }
    m_windowState.pictureIndex = static_cast<qint16>(m_windowState.pictureIndex + 1);
    if (m_windowState.pictureIndex > count() - 1)
        m_windowState.pictureIndex = 0;
    preparePicture();
}

void WallpaperChanger::showWorkBitmap()
{
    // Desktops take no notice of a picture name they already show, and some reload a shown file when it changes
    // on disk. So the work bitmap is shown under a new name each time, and the next conversion cannot touch
    // what is on the desktop. The copy shown before stays until the next change; older ones are removed.
    const QDir folder(m_windowState.pictureFolder);
    QList<int> numbers;
    int last = 0;
    const QStringList names = folder.entryList({QStringLiteral("tmpFile-*.bmp")}, QDir::Files);
    for (const QString& name : names) {
        const int number = shownCopyNumber(name);
        if (number > 0) {
            numbers.append(number);
            last = qMax(last, number);
        }
    }
    m_prepared.clear();
    const QString shown = folder.filePath(shownCopyName(last + 1));
    if (!QFile::rename(workBitmapPath(), shown)) {
        m_services.setter.setWallpaper(workBitmapPath());
        return;
    }
    m_services.setter.setWallpaper(shown);
    for (int number : std::as_const(numbers))
        if (number != last)
            QFile::remove(folder.filePath(shownCopyName(number)));
}

BmpConversion WallpaperChanger::changeNow(const QString& picturePath)
{
    m_prepared.clear();
    const BmpConversion conversion = m_services.converter.convertToBmp(picturePath, workBitmapPath());
    if (conversion)
        showWorkBitmap();
    return conversion;
}

QString WallpaperChanger::unwritableFolderWarning(const QString& reason) const
{
    return QStringLiteral("GIF and JPEG pictures cannot be shown: the folder ") + m_windowState.pictureFolder +
           QStringLiteral(" cannot be written (") + reason + QLatin1Char(')');
}

void WallpaperChanger::clearWallpaper()
{
    m_services.setter.clearWallpaper();
}
