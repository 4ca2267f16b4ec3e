// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <memory>

#include <QLockFile>
#include <QObject>
#include <QString>

class QSocketNotifier;

// What Ixo checks about the user's session before and while it runs.
namespace SessionGuard {

/// Whether Qt can reach a display: an X or Wayland server, or a platform plugin that needs none.
bool hasDisplay();

/// On Wayland with XWayland, run on X11: staying on top and taking the focus back need it.
void preferX11();

} // namespace SessionGuard

// One Ixo per user session: a lock file in the runtime folder ($XDG_RUNTIME_DIR), released at exit.
// A lock left behind by a crashed Ixo is taken over.
class SingleInstanceLock
{
public:
    SingleInstanceLock();
    /// True when this process now holds the lock.
    bool tryLock();
    QString path() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal delivered on the event loop.
class TerminationSignals final : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void terminationRequested();

private:
    QSocketNotifier* m_notifier = nullptr;
};
