// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The program's list files (.dat alarm lists, Wpaper.dat): one item per text line, each between double quotes,
// lines ended by CR LF, in Windows-1252 or UTF-8 as settings/code_page.h chooses for the whole file.
namespace QuotedLineFile {

/// The file bytes for `lines`: `"` + line + `"` + CR LF each; no lines give no bytes.
QByteArray encode(const QStringList& lines);

/// Splits file bytes into items. Leading blanks of an item are skipped; an item that begins with a double quote
/// runs to the next double quote (both removed) and the rest up to the next comma or line end is dropped; any
/// other item runs to the next comma or line end, trailing blanks removed. CR LF, a lone LF and a lone CR each end
/// a line; empty lines hold no item.
QStringList decode(const QByteArray& bytes);

/// Reads the items of file bytes one at a time, by the rule of decode(), so a reader can stop early without
/// splitting the rest. The bytes must outlive the reader. The whole file is read as UTF-8 when it is valid UTF-8
/// (a byte order mark before the first item is skipped), else as Windows-1252.
class ItemReader final
{
public:
    explicit ItemReader(QByteArrayView bytes);
    /// The next item; false when the bytes hold no more.
    bool next(QString* item);

private:
    bool isLineEnd(qsizetype i) const { return m_bytes[i] == '\r' || m_bytes[i] == '\n'; }
    qsizetype afterLineEnd(qsizetype i) const;

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    bool m_utf8 = false;
};

/// Writes `lines` to `path`, creating its folder, as writeWholeFile() does: false, with the reason in `error` when
/// given, if the file could not be written; it is then unchanged.
bool write(const QString& path, const QStringList& lines, QString* error = nullptr);

/// Reads the items of the file at `path`; false when it cannot be opened.
bool read(const QString& path, QStringList* items, QString* error = nullptr);

} // namespace QuotedLineFile
