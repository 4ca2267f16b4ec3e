// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The rules of the data file chooser, apart from its window: which files it lists, which characters a typed
// name may hold, and what a confirm does in each of its three modes.
namespace DataFileChoice {

/// What the chooser is opened for; the confirm button reads "Load", "Save" or "Open" accordingly.
enum class Mode { Load, Save, Edit };

inline const QString kLoad = QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Load"));
inline const QString kSave = QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Save"));
inline const QString kOpen = QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Open"));
inline const QString kNoFile = QStringLiteral(QT_TRANSLATE_NOOP("Messages", "No file is chosen"));
inline const QString kWallpaperFile = QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Wpaper.dat has data of wallpaper"));

/// The alarm data files of `folder`: regular files whose name ends in ".dat" in any case, sorted by name
/// ignoring case.
QStringList listDataFiles(const QString& folder);

/// Whether a typed character may go into the name box: ASCII letters and digits, "_", "-", ".", and every
/// character beyond ASCII. Blanks, "/", "\", ":" and the rest of ASCII are refused.
bool acceptsChar(QChar c);
/// `text` without the characters the name box refuses.
QString filterName(const QString& text);

// The file list as the confirm sees it.
struct ListState
{
    QStringList entries;
    QList<bool> selected; // one per entry
    int current = -1;     // the current entry, -1 for none

    bool currentSelected() const { return current >= 0 && current < selected.size() && selected.at(current); }
};

// What a confirm does.
struct Outcome
{
    QStringList names; // the bare file names handed on, in order
    QString warning;   // shown when not empty; the window then stays
    QString nameText;  // the name box afterwards
    bool close = false;
};

/// The caption of the confirm button in `mode`.
QString confirmCaption(Mode mode);

/// The confirm button pressed in `mode`, the name box holding `nameText` and the list in `list`.
Outcome confirm(Mode mode, const QString& nameText, const ListState& list);

} // namespace DataFileChoice
