// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include "platform/launcher.h"

// Opens files through QDesktopServices and starts programs detached with QProcess. The default application of a
// file type is asked of xdg-mime (or gio) and started from its desktop entry.
class DesktopLauncher final : public Launcher
{
public:
    bool openFile(const QString& path) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    QString findProgram(const QString& program) const override;
    std::optional<OpenCommand> defaultApplication(const QString& mimeType, const QString& path) const override;
};

/// The command of the desktop entry `entry` (the text of a .desktop file) that opens `path`: its Exec line split
/// into arguments, the file put in for the first file or URL field code (or added at the end when there is
/// none), the other field codes removed. Nothing when the entry is hidden or its Exec line is missing or
/// malformed. `tryExec` receives the entry's TryExec program, if any.
std::optional<OpenCommand> desktopEntryCommand(const QString& entry, const QString& path, QString* tryExec = nullptr);
