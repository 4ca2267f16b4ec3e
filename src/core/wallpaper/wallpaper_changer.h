// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>

#include <QList>
#include <QString>
#include <QStringList>

#include "platform/picture_converter.h"

class PictureConverter;
class WallpaperSetter;
class WallpaperTimes;
class Warnings;
struct SharedState;
struct WallpaperWindowState;

// The wallpaper list and what a change does with it: the list rules, list or random order, the check that the
// next picture still exists, the GIF/JPEG conversion one change ahead, and setting or clearing the wallpaper.
// The window shows the list and owns the check boxes; it is told through the two hooks when the list changed and
// when the timed change must be switched off.
class WallpaperChanger
{
public:
    enum Order { kPriority = 1, kRandom = 2 };

    struct Services
    {
        Warnings& warnings;
        PictureConverter& converter;
        WallpaperSetter& setter;
        WallpaperTimes& times;
        /// A uniform number in [0, 1); the system's random source when empty.
        std::function<double()> uniform;
    };

    WallpaperChanger(SharedState& state, WallpaperWindowState& form, Services services);

    /// The list changed outside a call of the window's own (a picture was dropped): show it again.
    std::function<void()> listChanged;
    /// Fewer than 2 pictures are left: the change box must be cleared (which ends the schedule) and disabled,
    /// the interval box enabled.
    std::function<void()> tooFewToChange;

    const QStringList& entries() const { return m_entries; }
    int count() const { return static_cast<int>(m_entries.size()); }

    /// Replaces the list (a load); the list rules are the caller's.
    void setEntries(const QStringList& entries);
    void add(const QString& entry);
    /// Removes one entry (a click on an entry whose file is gone); no list rule applies.
    void removeAt(int index);
    /// Removes every entry whose row is in `selectedRows`, the first selected one at a time from the delete
    /// cursor on. Returns how many were removed.
    int deleteSelected(const QList<int>& selectedRows);
    void clear();

    /// The order chosen by option button `index` (1 priority, 2 random); with 3 or more entries it also picks the
    /// next picture and prepares it.
    void chooseOrder(int index);
    Order order() const { return m_order; }

    /// Drops missing pictures at the next index with a warning each, until one exists. False when none is left.
    bool checkPictureExists();
    /// Checks the picture at the next index and converts a GIF or JPEG into the work bitmap. A picture that
    /// cannot be decoded is dropped with a warning; when the work bitmap cannot be written the entry stays and the
    /// folder is named in one warning, until a conversion succeeds again.
    void preparePicture();

    /// The schedule from the change box and the interval item.
    void rescheduleWallpaper(bool ticked, const QString& intervalText);
    /// One change: the mark moves on first, then the next picture is shown and the one after it prepared.
    void changeWallpaper();

    /// Shows `picturePath` at once through the work bitmap ("Change Now"); false when it cannot be decoded or
    /// the work bitmap cannot be written.
    BmpConversion changeNow(const QString& picturePath);
    /// The warning for a work bitmap that cannot be written for `reason`.
    QString unwritableFolderWarning(const QString& reason) const;
    /// Removes the desktop picture.
    void clearWallpaper();

    QString picturePath(const QString& entry) const;
    QString workBitmapPath() const;

private:
    bool clampIndex();
    void dropEntry(int index, const QString& warning);
    void applyCurrent();
    void chooseNext();
    void showWorkBitmap();

    SharedState& m_state;
    WallpaperWindowState& m_windowState;
    Services m_services;
    QStringList m_entries;
    Order m_order = kPriority;
    QString m_prepared;            // the picture the work bitmap holds, empty when it holds nothing usable
    bool m_unwritableTold = false; // the folder was named as unwritable since the last conversion that worked
};
