// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QObject>
#include <QProcessEnvironment>
#include <QQueue>
#include <QTimer>

#include "platform/command_runner.h"

class QProcess;

// Runs commands one at a time through QProcess; a command that hangs is killed after a time limit.
class ProcessRunner final : public QObject, public CommandRunner
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProcessRunner)
public:
    explicit ProcessRunner(int timeLimitMs = 15000, QObject* parent = nullptr);
    ~ProcessRunner() override;

    void run(const QString& program, const QStringList& arguments, Done done = {}) override;

    /// The environment of the commands started from now on; an empty one means Ixo's own.
    void setEnvironment(const QProcessEnvironment& environment) { m_environment = environment; }

    /// True while a command runs or waits.
    bool isBusy() const { return m_process != nullptr || !m_queue.isEmpty(); }

Q_SIGNALS:
    /// The last waiting command has ended.
    void idle();

private:
    struct Pending
    {
        QString program;
        QStringList arguments;
        Done done;
    };
    void startNext();
    void finish(const Result& result);

    QQueue<Pending> m_queue;
    QProcess* m_process = nullptr;
    Done m_done;
    QTimer m_timeLimit;
    QProcessEnvironment m_environment;
};
