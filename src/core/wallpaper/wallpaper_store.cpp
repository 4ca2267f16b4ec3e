// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/wallpaper/wallpaper_store.h"

#include <cctype>

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringEncoder>

#include "core/io/quoted_line_file.h"
#include "core/io/settings_file.h"
#include "core/wallpaper/wallpaper_pictures.h"
#include "platform/file_writer.h"

namespace {
const QString kGroup = QStringLiteral("Wallpaper");
const QString kKeep = QStringLiteral("KeepSettings");
const QString kChange = QStringLiteral("Change");
const QString kInterval = QStringLiteral("Interval");
const QString kRandom = QStringLiteral("Random");
const QString kLeft = QStringLiteral("Left");
const QString kTop = QStringLiteral("Top");
const QString kFolder = QStringLiteral("PictureFolder");

// Slot 5 of ixo.ini: a value beginning with "Check" starts the changer with the program.
const QString kSlot5Section = QStringLiteral("[Wallpaper]");
const QString kSlot5On = QStringLiteral("Check");
const QString kSlot5Off = QStringLiteral("NoCheck");

// A text value as QSettings reads it back from an ini file: a leading '@' doubled, quotes, backslashes and control
// characters escaped (a hex escape is followed by no bare hex digit), UTF-8, and the whole between quotes when it
// holds ';', ',' or '=' or begins or ends with a space.
QByteArray iniValue(const QString& text)
{
    const QString value = text.startsWith('@') ? '@' + text : text;
    QByteArray out;
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    bool quoted = false;
    bool hexBefore = false;
    for (const QChar& c : value) {
        const char16_t u = c.unicode();
        quoted = quoted || u == ';' || u == ',' || u == '=';
        if (hexBefore && u < 0x80 && std::isxdigit(u)) {
            out += "\\x" + QByteArray::number(u, 16);
            continue;
        }
        hexBefore = false;
        if (u == 0) {
            out += "\\0";
            hexBefore = true;
        } else if (u >= 7 && u <= 13) {
            out += '\\' + QByteArray(1, "abtnvfr"[u - 7]);
        } else if (u == '"' || u == '\\') {
            out += '\\' + QByteArray(1, static_cast<char>(u));
        } else if (u < 0x20) {
            out += "\\x" + QByteArray::number(u, 16);
            hexBefore = true;
        } else {
            const QByteArray encoded = toUtf8(QStringView(&c, 1)); // a surrogate pair's halves meet in the encoder
            out += encoded;
        }
    }
    if (quoted || out.startsWith(' ') || out.endsWith(' '))
        out = '"' + out + '"';
    return out;
}

qint16 clampToInt16(int value)
{
    return static_cast<qint16>(qBound(-32768, value, 32767));
}
} // namespace

WallpaperStore::WallpaperStore(const QString& defaultPictureFolder) : m_defaultFolder(defaultPictureFolder)
{
    if (m_defaultFolder.isEmpty())
        m_defaultFolder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (m_defaultFolder.isEmpty())
        m_defaultFolder = QDir::homePath();
}

WallpaperSettings WallpaperStore::restoreSettings(const QString& appPath) const
{
    WallpaperSettings restored;
    restored.pictureFolder = QDir::cleanPath(m_defaultFolder);

    const QString path = appPath + kSettingsFile;
    if (QFileInfo(path).isFile()) {
        QSettings settings(path, QSettings::IniFormat);
        settings.beginGroup(kGroup);
        const QString folder = settings.value(kFolder).toString();
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            restored.pictureFolder = QDir::cleanPath(folder);
        if (settings.value(kKeep, false).toBool()) {
            restored.keepSet = true;
            restored.changeOn = settings.value(kChange, false).toBool();
            restored.intervalText = settings.value(kInterval).toString();
            const bool random = settings.value(kRandom, false).toBool();
            restored.randomOrder = random;
            restored.priorityOrder = !random;
            if (settings.contains(kLeft) && settings.contains(kTop)) {
                restored.hasPosition = true;
                restored.left = clampToInt16(settings.value(kLeft).toInt());
                restored.top = clampToInt16(settings.value(kTop).toInt());
            }
            restored.entries = loadList(appPath);
        }
    }
    if (!restored.keepSet)
        restored.priorityOrder = true; // list order until the user picks random
    restored.pictures = picturesIn(restored.pictureFolder);
    return restored;
}

bool WallpaperStore::saveSettings(bool keepSet, qint16 left, qint16 top, bool changeOn, bool randomOrder,
                                  const QString& intervalText, const QString& appPath, const QString& pictureFolder,
                                  QString* error) const
{
    const QString path = appPath + kSettingsFile;
    // Unticked with nothing kept before: there is nothing to forget.
    if (keepSet || QFileInfo(path).isFile()) {
        QByteArray bytes = '[' + kGroup.toLatin1() + "]\n";
        const auto line = [&bytes](const QString& key, const QByteArray& value) {
            bytes += key.toLatin1() + '=' + value + '\n';
        };
        const auto flag = [](bool on) { return on ? QByteArrayLiteral("true") : QByteArrayLiteral("false"); };
        // The keys in the order of their names, as the reader's own writer put them.
        if (keepSet) {
            line(kChange, flag(changeOn));
            line(kInterval, iniValue(intervalText));
        }
        line(kKeep, flag(keepSet));
        if (keepSet)
            line(kLeft, QByteArray::number(left));
        if (!pictureFolder.isEmpty())
            line(kFolder, iniValue(pictureFolder));
        if (keepSet) {
            line(kRandom, flag(randomOrder));
            line(kTop, QByteArray::number(top));
        }
        if (QString reason; !writeWholeFile(path, bytes, &reason)) {
            if (error)
                *error = QStringLiteral("%1: %2").arg(path, reason);
            return false;
        }
    }

    // Slot 5 starts the changer with Ixo: marked while the kept settings switch the change on.
    const SettingsFile ini(appPath);
    const bool startChanger = keepSet && changeOn;
    const std::optional<IniRecord> slot5 = ini.readSlot(IniSlot::Wallpaper);
    const bool marked = slot5 && slot5->data.startsWith(kSlot5On);
    if (startChanger != marked) {
        IniRecord record;
        record.sectionName = kSlot5Section;
        record.data = startChanger ? kSlot5On : kSlot5Off;
        if (QString reason; !ini.writeSlot(IniSlot::Wallpaper, record, &reason)) {
            if (error)
                *error = QStringLiteral("%1: %2").arg(ini.path(), reason);
            return false;
        }
    }
    return true;
}

QStringList WallpaperStore::loadList(const QString& appPath) const
{
    QStringList entries;
    if (!QuotedLineFile::read(appPath + kListFile, &entries))
        return {};
    return entries;
}
