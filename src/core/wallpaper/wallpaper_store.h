// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The wallpaper window's settings as the store hands them back.
struct WallpaperSettings
{
    QString pictureFolder;      // the picture folder
    QStringList pictures;       // the pictures it offers
    bool keepSet = false;       // "Save above setting"
    bool changeOn = false;      // "Change in every "
    QString intervalText;       // the chosen interval item, empty for none
    bool priorityOrder = false; // list order chosen
    bool randomOrder = false;   // random order chosen
    bool hasPosition = false;
    qint16 left = 0;
    qint16 top = 0;
    QStringList entries; // the list, restored from "Wpaper.dat" with the settings
};

// The settings kept for the wallpaper window are what the user ticked under "Save above setting": they live in
// "Wpaper.ini" of the program folder. Keeping them with the change switched on also marks slot 5 of ixo.ini, so
// that Ixo starts the changer when it starts; unticking the box removes that mark.
class WallpaperStore
{
public:
    static inline const QString kSettingsFile = QStringLiteral("Wpaper.ini");
    static inline const QString kListFile = QStringLiteral("Wpaper.dat");

    /// `defaultPictureFolder` empty: the user's Pictures folder.
    explicit WallpaperStore(const QString& defaultPictureFolder = QString());

    /// The picture folder (the stored one when it still exists, else the default) with its pictures; when the
    /// settings were kept, also the kept settings and the list of "Wpaper.dat".
    WallpaperSettings restoreSettings(const QString& appPath) const;

    /// Keeps the settings when `keepSet`; otherwise forgets them. Returns false with a reason in `error` when a
    /// file could not be written.
    bool saveSettings(bool keepSet, qint16 left, qint16 top, bool changeOn, bool randomOrder,
                      const QString& intervalText, const QString& appPath, const QString& pictureFolder,
                      QString* error = nullptr) const;

    /// The entries of "Wpaper.dat" in file order; none when the file is missing or unreadable.
    QStringList loadList(const QString& appPath) const;

private:
    QString m_defaultFolder;
};
