#pragma once

#include <memory>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/warning_window.h"
#include "app/window_registry.h"
#include "fake_services.h"

// The whole program over fake services, with a program folder "prog" in a temporary folder of its own.
// start() loads the tray window as at log-in (reading ixo.ini and my.dat from the folder); stop() ends the
// program and keeps the folder, so a test can start it again and see what was kept.
class AppHarness
{
public:
    explicit AppHarness(const QDateTime& now = QDateTime(QDate(2026, 12, 6), QTime(10, 0, 0))) : m_now(now)
    {
        QDir().mkpath(appPath());
    }
    ~AppHarness() { stop(); }
    Q_DISABLE_COPY_MOVE(AppHarness)

    /// The program folder, ending in "/", as `strAppPath` holds it.
    QString appPath() const { return m_dir.filePath(QStringLiteral("prog")) + QLatin1Char('/'); }

    /// Without `load`, the program is made but the tray window is not loaded yet.
    void start(bool load = true)
    {
        create();
        if (load)
            app->form1().Form_Load(m_dir.filePath(QStringLiteral("prog")));
    }
    void stop()
    {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.reset();
        fakes.reset();
    }

    bool writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(appPath() + name);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    /// The bytes of a file in the program folder, or "<missing>".
    QByteArray readFile(const QString& name) const
    {
        QFile file(appPath() + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    std::unique_ptr<FakeServices> fakes;
    std::unique_ptr<Module1> state;
    std::unique_ptr<WindowRegistry> app;

private:
    void create()
    {
        stop();
        fakes = std::make_unique<FakeServices>();
        fakes->clock.set(m_now);
        state = std::make_unique<Module1>();
        app = std::make_unique<WindowRegistry>(*state, fakes->services());
    }

    QTemporaryDir m_dir;
    QDateTime m_now;
};
