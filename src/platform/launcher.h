// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>
#include <optional>

#include <QString>
#include <QStringList>

// A command line that opens a file: the program, its arguments with the file among them, and whether it must
// run inside a terminal window (a terminal editor).
struct OpenCommand
{
    QString program;
    QStringList arguments;
    bool terminal = false;
    friend bool operator==(const OpenCommand&, const OpenCommand&) = default;
};

// Starting things outside Ixo: a file with the desktop's handler, a program with an argument list
// (never through a shell).
class Launcher
{
public:
    virtual ~Launcher() = default;
    /// Opens `path` with the desktop's handler for its type, without waiting; `failed` is called, at once or a few
    /// seconds later, when nothing could open it.
    virtual void openFile(const QString& path, std::function<void()> failed) = 0;
    /// Starts `program` detached with `arguments`. Returns false when it could not be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
    /// The full path of `program` found on PATH, or an empty text.
    virtual QString findProgram(const QString& program) const = 0;
    using DefaultApplicationAnswer = std::function<void(const std::optional<OpenCommand>&)>;
    /// Asks how the desktop's default application for `mimeType` (the one its file manager uses) opens `path`,
    /// without waiting: `answer` receives it later, or nothing when no default is set, its entry cannot be used or
    /// the desktop does not answer in time.
    virtual void askDefaultApplication(const QString& mimeType, const QString& path,
                                       DefaultApplicationAnswer answer) = 0;
};
