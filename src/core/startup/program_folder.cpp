// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/startup/program_folder.h"

#include <QDir>
#include <QFileInfo>

#include "core/state/shared_state.h"
#include "core/state/translated.h"

ProgramFolder ProgramFolder::locate(const QString& executableFolder, const QString& dataHome, const QString& home)
{
    const QString beside = appPathFromFolder(executableFolder);
    const QFileInfo bin(QDir::cleanPath(executableFolder));
    const QString shared = QDir::cleanPath(bin.absoluteFilePath() + QStringLiteral("/../share/ixo"));
    if (bin.fileName() != QStringLiteral("bin") || !QFileInfo(shared).isDir())
        return {beside, beside};

    // The XDG base directory rules: a relative $XDG_DATA_HOME is invalid and ignored.
    const QString dataFolder = !dataHome.isEmpty() && QDir::isAbsolutePath(dataHome)
                                   ? dataHome
                                   : appPathFromFolder(home) + QStringLiteral(".local/share");
    return {appPathFromFolder(appPathFromFolder(dataFolder) + QStringLiteral("ixo")), appPathFromFolder(shared)};
}

bool ProgramFolder::create(QString* error) const
{
    if (QFileInfo(appPath).isDir() || QDir().mkpath(appPath))
        return true;
    if (error)
        *error = translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "cannot create the program folder %1")))
                     .arg(appPath);
    return false;
}
