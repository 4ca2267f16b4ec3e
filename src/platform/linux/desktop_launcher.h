// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include "platform/launcher.h"
#include "platform/linux/process_runner.h"

// Opens files with xdg-open (else through QDesktopServices) and starts programs detached with QProcess. The default
// application of a file type is asked of xdg-mime (or gio), through QProcess signals, and started from its desktop
// entry.
class DesktopLauncher final : public Launcher
{
    Q_DISABLE_COPY_MOVE(DesktopLauncher)
public:
    /// A helper that has not answered within `questionTimeLimitMs` is stopped and counts as no answer.
    explicit DesktopLauncher(int questionTimeLimitMs = 5000);

    void openFile(const QString& path, std::function<void()> failed) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    QString findProgram(const QString& program) const override;
    void askDefaultApplication(const QString& mimeType, const QString& path, DefaultApplicationAnswer answer) override;

private:
    /// Runs `program` found on PATH; `then` receives its output, empty when it is missing, fails or hangs.
    void ask(const QString& program, const QStringList& arguments, std::function<void(const QString&)> then);
    /// How the desktop entry named first in `ids` (a list separated by ";") opens `path`.
    std::optional<OpenCommand> commandOf(const QString& ids, const QString& path) const;

    ProcessRunner m_questions;
};

/// The command of the desktop entry `entry` (the text of a .desktop file) that opens `path`: its Exec line split
/// into arguments, the file put in for the first file or URL field code (or added at the end when there is
/// none), the other field codes removed. Nothing when the entry is hidden or its Exec line is missing or
/// malformed. `tryExec` receives the entry's TryExec program, if any.
std::optional<OpenCommand> desktopEntryCommand(const QString& entry, const QString& path, QString* tryExec = nullptr);
