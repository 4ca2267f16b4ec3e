// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include "fake_clock.h"
#include "fake_sound.h"
#include "fake_wallpaper.h"
#include "platform/alarm_notifier.h"
#include "platform/autostart.h"
#include "platform/clock_jumps.h"
#include "platform/computer_waker.h"
#include "platform/launcher.h"
#include "platform/services.h"
#include "platform/tray_icon.h"
#include "platform/window_services.h"

class FakeWindowServices final : public WindowServices
{
public:
    void setTopmost(QWidget* window) override { topmost.append(window); }
    void bringToFront(QWidget*) override {}
    void beep() override { ++beeps; }
    QList<QWidget*> topmost;
    int beeps = 0;
};

// Opens files unless `opens` is false, starts nothing; the desktop names no default application.
class FakeLauncher final : public Launcher
{
public:
    void openFile(const QString&, std::function<void()> failed) override { opens ? void() : failed(); }
    bool opens = true;
    bool startProgram(const QString&, const QStringList&) override { return false; }
    QString findProgram(const QString&) const override { return {}; }
    void askDefaultApplication(const QString&, const QString&, DefaultApplicationAnswer answer) override { answer({}); }
};

class FakeTray final : public TrayIcon
{
public:
    bool isAvailable() const override { return available; }
    void add(Picture, const QString&, QMenu*) override { shown = true; }
    void modify(Picture) override {}
    void remove() override { shown = false; }
    bool isShown() const override { return shown; }
    void activate(Activation a) { onActivated ? onActivated(a) : void(); }
    void hostChanged(bool there) { available = there, onHostChanged ? onHostChanged() : void(); }
    bool available = true, shown = false;
};

// Registers while `works`, else refuses with a reason.
class FakeAutostart final : public Autostart
{
public:
    bool enable(QString* error) override { return set(true, error); }
    bool disable(QString* error) override { return set(false, error); }
    bool isEnabled() const override { return enabled; }
    bool set(bool on, QString* error) { return works ? (enabled = on, true) : (*error = "refused", false); }
    bool enabled = false, works = true;
};

// Records what is shown; withdraw() leaves an empty text.
class FakeNotifier final : public AlarmNotifier
{
public:
    void show(const QString& body, int snoozeMinutes) override { shown = body + ' ' + QString::number(snoozeMinutes); }
    void withdraw() override { shown.clear(); }
    QString shown;
};

// Wakes by the system timer and records each request: "wake 2026-12-06T10:59:00", "clear".
class FakeWaker final : public ComputerWaker
{
public:
    void wakeAt(const QDateTime& t) override
    {
        requests << (t.isValid() ? "wake " + t.toString(Qt::ISODate) : "clear");
    }
    Way way() const override { return Way::SystemTimer; }
    QString whyNot() const override { return {}; }
    QStringList requests;
};

// Every service faked, ready to build a WindowRegistry over.
struct FakeServices
{
    FakeClock clock;
    FakeWindowServices windows;
    FakeLauncher launcher;
    FakeModalBox modalBox;
    FakeTray tray;
    FakeWave wave;
    FakeMidiSequencer midi;
    FakeWavePlayer wavePlayer;
    FakeSpeaker speaker;
    FakeWallpaper wallpaper;
    FakePictureConverter pictures;
    FakeAutostart autostart;
    ClockJumps clockJumps; // a test jumps by calling its onJump
    FakeNotifier notifier;
    FakeWaker waker;
    QTemporaryDir cache;
    Services services{clock,     windows,  launcher,   modalBox,   tray,
                      wave,      midi,     wavePlayer, speaker,    cache.filePath(QStringLiteral("Ixo/air.mid")),
                      wallpaper, pictures, autostart,  clockJumps, notifier,
                      waker};
};
