// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/process_runner.h"

#include <QProcess>

ProcessRunner::ProcessRunner(int timeLimitMs, QObject* parent) : QObject(parent)
{
    m_timeLimit.setSingleShot(true);
    m_timeLimit.setInterval(timeLimitMs);
    connect(&m_timeLimit, &QTimer::timeout, this, [this] {
        if (m_process) {
            qWarning("Ixo: %s did not end in time and was stopped", qPrintable(m_process->program()));
            m_process->kill();
        }
    });
}

ProcessRunner::~ProcessRunner()
{
    if (m_process) {
        // Nothing waits for the command: it is killed and its QProcess goes once it has ended. Should the event
        // loop be gone by then, the process table collects it when Ixo ends.
        m_process->disconnect(this);
        m_process->setParent(nullptr);
        connect(m_process, &QProcess::finished, m_process, &QObject::deleteLater);
        m_process->kill();
    }
}

void ProcessRunner::run(const QString& program, const QStringList& arguments, Done done)
{
    m_queue.enqueue(Pending{program, arguments, std::move(done)});
    startNext();
}

void ProcessRunner::startNext()
{
    if (m_process || m_queue.isEmpty())
        return;
    Pending next = m_queue.dequeue();
    m_done = std::move(next.done);
    m_process = new QProcess(this);
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process->setInputChannelMode(QProcess::ManagedInputChannel);
    if (!m_environment.isEmpty())
        m_process->setProcessEnvironment(m_environment);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return; // a crash or a kill also ends in finished()
        qWarning("Ixo: could not run %s: %s", qPrintable(m_process->program()), qPrintable(m_process->errorString()));
        finish(Result{});
    });
    connect(m_process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        Result result;
        result.started = true;
        result.exitCode = status == QProcess::NormalExit ? exitCode : -1;
        result.output = m_process->readAllStandardOutput();
        if (result.exitCode != 0)
            qWarning("Ixo: %s %s ended with %d", qPrintable(m_process->program()),
                     qPrintable(m_process->arguments().join(QLatin1Char(' '))), result.exitCode);
        finish(result);
    });
    m_process->start(next.program, next.arguments, QIODevice::ReadOnly);
    m_timeLimit.start();
}

void ProcessRunner::finish(const Result& result)
{
    m_timeLimit.stop();
    m_process->disconnect(this);
    m_process->deleteLater();
    m_process = nullptr;
    Done done = std::move(m_done);
    m_done = {};
    if (done)
        done(result);
    startNext();
    if (!isBusy())
        Q_EMIT idle();
}
