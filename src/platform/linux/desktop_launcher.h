#pragma once

#include "platform/launcher.h"

// Opens files through QDesktopServices and starts programs detached with QProcess.
class DesktopLauncher final : public Launcher
{
public:
    bool openFile(const QString& path) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    QString findProgram(const QString& program) const override;
};
