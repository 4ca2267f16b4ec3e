#pragma once

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStringList>

// A fault of the file system for as long as it lives. "full disk": no file of this process may grow past one byte,
// so a write past it fails as on a full disk ("File too large"; the signal that would end the process is ignored).
// "read-only folder": `folder` loses its write permission, which does not stop root. It keeps the folder's entries
// from before, so a test sees that nothing was left beside the file.
class FileFault final
{
public:
    static QStringList kinds() { return {QStringLiteral("full disk"), QStringLiteral("read-only folder")}; }

    FileFault(const QString& kind, const QString& folder) : m_fullDisk(kind == kinds()[0]), m_folder(folder)
    {
        before = entries();
        if (m_fullDisk) {
            std::signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &m_limit);
            rlimit small = m_limit;
            small.rlim_cur = 1;
            setrlimit(RLIMIT_FSIZE, &small);
        } else {
            QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::ExeOwner);
        }
    }
    ~FileFault()
    {
        if (m_fullDisk)
            setrlimit(RLIMIT_FSIZE, &m_limit);
        else
            QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    Q_DISABLE_COPY_MOVE(FileFault)

    /// False where the fault cannot be made: root writes into a read-only folder all the same.
    bool bites() const { return m_fullDisk || geteuid() != 0; }
    /// The reason a writer gives for it.
    QString reason() const { return m_fullDisk ? QStringLiteral("File too large") : QStringLiteral("Permission denied"); }
    QStringList entries() const
    {
        return QDir(m_folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QStringList before;

private:
    bool m_fullDisk;
    QString m_folder;
    rlimit m_limit{};
};
