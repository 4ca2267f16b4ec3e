// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/files/list_file_flow.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>

#include "core/io/quoted_line_file.h"
#include "core/state/shared_state.h"
#include "core/state/translated.h"
#include "core/state/warnings.h"

namespace {

// The bytes of an open file: mapped into memory when possible, so a reader that stops early touches only
// what it reads.
class FileBytes final
{
public:
    explicit FileBytes(QFile& file)
    {
        const qint64 size = file.size();
        if (size <= 0)
            return;
        if (uchar* mapped = file.map(0, size)) {
            m_view = QByteArrayView(mapped, size);
            return;
        }
        m_copy = file.readAll();
        m_view = m_copy;
    }
    QByteArrayView view() const { return m_view; }

private:
    QByteArray m_copy;
    QByteArrayView m_view;
};

} // namespace

ListFileFlow::ListFileFlow(const SharedState& state, Warnings& warnings, OverwriteQuestion& question)
    : m_state(state), m_warnings(warnings), m_question(question)
{
}

void ListFileFlow::setSaver(const QString& who, std::function<QStringList()> lines)
{
    if (lines)
        m_savers.insert(who, std::move(lines));
    else
        m_savers.remove(who);
}

void ListFileFlow::save(const QString& who, const QString& fileName)
{
    if (QFileInfo(m_state.appPath + fileName).isFile()) {
        m_question.askOverwrite(who, fileName);
        return;
    }
    overwrite(who, fileName);
}

void ListFileFlow::overwrite(const QString& who, const QString& fileName)
{
    if (const std::function<QStringList()> lines = m_savers.value(who))
        write(fileName, lines());
    else if (!who.isEmpty())
        m_warnings.warn(
            translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "%1 was not written: its list is no longer open")))
                .arg(fileName));
}

void ListFileFlow::write(const QString& fileName, const QStringList& lines)
{
    QString error;
    if (!QuotedLineFile::write(m_state.appPath + fileName, lines, &error))
        m_warnings.warn(translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "%1 could not be written: %2")))
                            .arg(fileName, error));
}

bool ListFileFlow::load(const QString& fileName, const std::function<bool(const QString&)>& take,
                        const QString& notFound)
{
    const QString path = m_state.appPath + fileName;
    if (!QFileInfo(path).isFile()) {
        m_warnings.warn(translated(notFound).arg(fileName));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_warnings.warn(translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "%1 could not be read: %2")))
                            .arg(fileName, file.errorString()));
        return false;
    }
    const FileBytes bytes(file);
    QuotedLineFile::ItemReader reader(bytes.view());
    QString item;
    while (reader.next(&item))
        if (!take(item))
            break;
    return true;
}
