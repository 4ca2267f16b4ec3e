#pragma once

#include <QString>
#include <QStringList>

// Starting things outside Ixo: a file with the desktop's handler, a program with an argument list
// (never through a shell).
class Launcher
{
public:
    virtual ~Launcher() = default;
    /// Opens `path` with the desktop's handler for its type. Returns false when nothing could be started.
    virtual bool openFile(const QString& path) = 0;
    /// Starts `program` detached with `arguments`. Returns false when it could not be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
    /// The full path of `program` found on PATH, or an empty text.
    virtual QString findProgram(const QString& program) const = 0;
};
