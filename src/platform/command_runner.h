// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs outside programs with an argument list (never through a shell), one after another in the order they
// were handed in, without blocking the caller.
class CommandRunner
{
public:
    struct Result
    {
        bool started = false; // false: the program was not found or could not be run
        int exitCode = -1;
        QByteArray output; // standard output
    };
    using Done = std::function<void(const Result&)>;

    virtual ~CommandRunner() = default;
    /// Runs `program` with `arguments` once every command handed in before it has ended; `done`, when given,
    /// receives the result.
    virtual void run(const QString& program, const QStringList& arguments, Done done = {}) = 0;
};
