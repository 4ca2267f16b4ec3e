// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <optional>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

// One 51-byte record of ixo.ini: a 17-byte section name, two little-endian 16-bit integers and a 30-byte value.
// Texts are stored as settings/code_page.h says, each field on its own, space-padded to their width or cut
// between characters to fit; there is no terminator.
struct IniRecord
{
    static constexpr int kSize = 51;
    static constexpr int kSectionWidth = 17;
    static constexpr int kDataWidth = 30;

    QString sectionName;
    qint16 data1 = 0;
    qint16 data2 = 0;
    QString data;

    /// The record's 51 bytes as they stand in the file.
    QByteArray toBytes() const;
    /// A record from 51 bytes; fewer bytes are taken as zero-filled.
    static IniRecord fromBytes(const QByteArray& bytes);

    /// Whether `text` fits a field of `width` bytes without being cut.
    static bool fits(const QString& text, int width = kDataWidth);

    /// The section name with blanks trimmed from both ends.
    QString section() const;
    /// The value with blanks trimmed from both ends.
    QString value() const;

    bool operator==(const IniRecord&) const = default;
};

// The settings slots and their section names (slot 2's spelling is the stored one).
namespace IniSlot {
inline constexpr int TimeInputLoc = 1;
inline constexpr int MessageInputLoc = 2;
inline constexpr int SongName = 3;
inline constexpr int Setting = 4;
inline constexpr int Wallpaper = 5;
inline constexpr int FontSize = 7;
inline constexpr int AllFont = 8;
} // namespace IniSlot

inline const QString kSectionTimeInputLoc = QStringLiteral("[TimeInputLoc]");
inline const QString kSectionMessageInputLoc = QStringLiteral("[MessaegInputLoc]");
inline const QString kSectionSongName = QStringLiteral("[SongName]");
inline const QString kSectionSetting = QStringLiteral("[Setting]");
inline const QString kSectionFontSize = QStringLiteral("[FontSize]");
inline const QString kSectionAllFont = QStringLiteral("[AllFont]");

// ixo.ini in the program folder: records addressed by slot number (from 1), no header.
class SettingsFile
{
public:
    static constexpr int kMaxSlot = 8;

    /// `appPath` is the program folder ending in "/".
    explicit SettingsFile(const QString& appPath);

    QString path() const { return m_path; }
    bool exists() const;

    /// Slot n, or nothing when the file is missing or too short to hold it. A slot of zero bytes is returned
    /// as read: it matches no section name.
    std::optional<IniRecord> readSlot(int n) const;

    /// Writes `record` as slot n. The file is read whole, the slot's 51 bytes are patched (a gap before it is
    /// zero-filled, the file never shrinks) and the result replaces the file through writeWholeFile(). The program
    /// folder is created when missing. Returns false, with the reason in `reason` when given, when the file could
    /// not be written; it is then unchanged.
    bool writeSlot(int n, const IniRecord& record, QString* reason = nullptr) const;
    /// Writes several slots in one replacement of the file.
    bool writeSlots(const QList<std::pair<int, IniRecord>>& records, QString* reason = nullptr) const;

private:
    QString m_path;
};

/// Rounds half to even, then clamps into the 16 bits a record integer holds.
qint16 toRecordInt(double value);
