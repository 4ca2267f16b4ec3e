// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/file_writer.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString systemReason(int error)
{
    return QString::fromStdString(std::generic_category().message(error));
}

// Why `file` failed. QSaveFile words two faults of its own; they are told as the system tells them.
QString reasonOf(const QSaveFile& file, const QString& path)
{
    const QFileInfo target(path);
    if (target.isDir())
        return systemReason(EISDIR);
    if (target.exists() && !target.isWritable())
        return systemReason(EACCES);
    return file.errorString();
}

} // namespace

bool writeWholeFile(const QString& path, QByteArrayView bytes, QString* reason)
{
    const auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    std::error_code folderError;
    std::filesystem::create_directories(QFile::encodeName(QFileInfo(path).absolutePath()).toStdString(), folderError);
    if (folderError)
        return fail(QString::fromStdString(folderError.message()));

    QSaveFile file(path);
    // Unbuffered: the disk refuses a write at once, never only in commit(), which Qt 6.4 then reports as a success
    // after renaming a short file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(reasonOf(file, path));
    // A write the disk takes only in part is repeated for the rest, so the one that fails says why.
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0) {
            const QString why = reasonOf(file, path);
            file.cancelWriting(); // the temporary file goes with `file`
            return fail(why);
        }
        done += written;
    }
    if (!file.commit())
        return fail(reasonOf(file, path));
    return true;
}
