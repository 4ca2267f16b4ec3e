// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>
#include <memory>

#include <QList>
#include <QString>
#include <QStringList>

#include "core/wallpaper/wallpaper_changer.h"

struct SharedState;
struct WallpaperWindowState;

// The wallpaper changer's state and rules without its window: the list, the pictures offered, the interval, the
// change switch, the order and the "Save above setting" choice. The program makes it ready at start-up when the
// settings ask for it, or when the window opens; the clock drives the timed change through it whether or not the
// window exists, and the window only shows and edits what it holds. A change of the switch or of the order runs
// its handler, whoever makes it.
class WallpaperLogic
{
public:
    /// The interval items, in the order offered.
    static inline const QStringList kIntervals{
        QStringLiteral("5 min"), QStringLiteral("10 min"), QStringLiteral("15 min"), QStringLiteral("30 min"),
        QStringLiteral("1 hr"),  QStringLiteral("2 hrs"),  QStringLiteral("3 hrs"),  QStringLiteral("4 hrs")};

    /// The saver name the overwrite question knows the wallpaper list by.
    static inline const QString kSaver = QStringLiteral("Wallpaper");
    /// What follows "Wpaper.dat" in the warning when there is no list file to load.
    static inline const QString kListNotFound = QStringLiteral(QT_TRANSLATE_NOOP("Messages", "%1 file not found"));

    WallpaperLogic(SharedState& state, WallpaperWindowState& form, WallpaperChanger::Services services);
    ~WallpaperLogic();

    /// Anything shown changed (the list, the switch, the order); the window shows it again.
    std::function<void()> changed;

    bool isReady() const { return m_changer != nullptr; }
    /// Restores the kept settings and the list, then sets the schedule up again when the change was kept on and
    /// prepares the next picture in the kept order. Nothing when ready already.
    void load();
    /// The closing steps: saves the settings (with the window position of the shared form state). True when
    /// nothing is scheduled, so the state may go.
    bool closeSteps();
    /// Forgets the state; the next load restores it again.
    void release();

    /// Ready only.
    WallpaperChanger& changer() { return *m_changer; }
    QStringList entries() const;
    int count() const;
    const QStringList& pictures() const { return m_pictures; }
    const QString& intervalText() const { return m_intervalText; }
    bool changeTicked() const { return m_changeTicked; }
    bool changeEnabled() const { return m_changeEnabled; }
    /// 1 priority, 2 random, 0 while neither was chosen.
    int option() const { return m_option; }
    bool keepSet() const { return m_keepSet; }
    /// The kept window position (in the shared form state) was restored.
    bool hasPosition() const { return m_hasPosition; }

    /// The interval item shown; it takes effect with the next recompute.
    void setIntervalText(const QString& text) { m_intervalText = text; }
    void setKeepSet(bool keep) { m_keepSet = keep; }
    /// The change switch set to `ticked`; when it changes, the schedule is recomputed as by a click.
    void setChangeTicked(bool ticked);
    /// Recomputes the schedule from the switch and the interval (the switch's click handler).
    void rescheduleWallpaper();
    /// The interval box clicked: with 2 or more entries the switch may be used; else a ticked switch is cleared.
    void intervalChosen();
    /// Chooses the order `index` and runs its handler, even when it is chosen already.
    void chooseOption(int index);
    /// One change now; the mark moves on first.
    void changeWallpaper();

    void add(const QString& entry);
    void removeAt(int index);
    void removePicture(int index);
    /// Deletes the selected rows, then applies the list rules; nothing when none is selected.
    void deleteSelected(const QList<int>& selectedRows);
    void deleteAll();
    /// Replaces the list by `entries`, read from "Wpaper.dat", and applies the list rules.
    void loadList(const QStringList& entries);

private:
    /// Fewer than 3 entries choose list order, fewer than 2 end the timed change.
    void applyListRules();
    /// Clears (which ends the schedule) and disables the switch.
    void stopChanging();
    void enableChangeIfReady();
    void notify();

    SharedState& m_state;
    WallpaperWindowState& m_windowState;
    WallpaperChanger::Services m_services;
    std::unique_ptr<WallpaperChanger> m_changer;
    QStringList m_pictures;
    QString m_intervalText;
    bool m_changeTicked = false;
    bool m_changeEnabled = false;
    int m_option = 0;
    bool m_keepSet = false;
    bool m_hasPosition = false;
};
