// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <memory>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/window_registry.h"
#include "core/state/shared_state.h"
#include "fake_services.h"
#include "ui/tray/tray_controller.h"
#include "ui/warnings/warning_window.h"

// The whole program over fake services on a fake clock (6 December 2026, 10:00:00), with a program folder "prog"
// in a temporary folder of its own. start() loads the tray window as at log-in (reading ixo.ini and my.dat from the
// folder); stop() ends the program and keeps the folder, so a test can start it again and see what was kept.
class AppHarness
{
public:
    AppHarness() { QDir().mkpath(appPath()); }
    ~AppHarness() { stop(); }
    Q_DISABLE_COPY_MOVE(AppHarness)

    /// The program folder, ending in "/", as `appPath` holds it.
    QString appPath() const { return m_dir.filePath(QStringLiteral("prog")) + QLatin1Char('/'); }

    /// Without `load`, the program is made but the tray window is not loaded yet.
    void start(bool load = true)
    {
        stop();
        fakes = std::make_unique<FakeServices>();
        fakes->clock.set(QDateTime(QDate(2026, 12, 6), QTime(10, 0, 0)));
        state = std::make_unique<SharedState>();
        app = std::make_unique<WindowRegistry>(*state, fakes->services);
        if (load)
            app->trayController().start(m_dir.filePath(QStringLiteral("prog")));
    }
    void stop()
    {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    /// Makes an empty file in the program folder.
    bool touch(const QString& name) const { return QFile(appPath() + name).open(QIODevice::WriteOnly); }

    std::unique_ptr<FakeServices> fakes;
    std::unique_ptr<SharedState> state;
    std::unique_ptr<WindowRegistry> app;

private:
    QTemporaryDir m_dir;
};
