// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/state/shared_state.h"

#include <QFileInfo>

void SharedState::setStartupDefaults()
{
    alarmSoundPath = deliveredFile(QStringLiteral("ding.wav"));
    refreshNext = true;
    chimeMark = -1;
    wallpaperMark = -1;
    trayActive = true;
    soundOn = true;
    showSoundErrors = true;
    setClockActive(false);
    ignoreSeconds = false;
    setSpeakerRepeat(false);
    withMessage = false;
    nextMessageWindowNumber = kMessageWindowNumberFirst;
    nextWarningRank = kWarningRankFirst;
}

void SharedState::setClockActive(bool value)
{
    m_clockActive = value;
    notifyClockWork();
}

void SharedState::setSpeakerRepeat(bool value)
{
    m_speakerRepeat = value;
    notifyClockWork();
}

void SharedState::notifyClockWork()
{
    if (clockWorkChanged)
        clockWorkChanged();
}

QString SharedState::deliveredFile(const QString& name) const
{
    const QString own = appPath + name;
    if (sharePath.isEmpty() || sharePath == appPath || QFileInfo(own).isFile())
        return own;
    return sharePath + name;
}

qint32 SharedState::takeMessageWindowNumber()
{
    if (nextMessageWindowNumber < kMessageWindowNumberFirst || nextMessageWindowNumber >= kMessageWindowNumberEnd)
        nextMessageWindowNumber = kMessageWindowNumberFirst;
    const qint32 number = nextMessageWindowNumber;
    nextMessageWindowNumber = number + 1 >= kMessageWindowNumberEnd ? kMessageWindowNumberFirst : number + 1;
    return number;
}

qint32 SharedState::takeWarningRank()
{
    if (nextWarningRank < kWarningRankFirst || nextWarningRank >= kWarningRankEnd)
        nextWarningRank = kWarningRankFirst;
    const qint32 rank = nextWarningRank;
    nextWarningRank = rank + 1 >= kWarningRankEnd ? kWarningRankFirst : rank + 1;
    return rank;
}

QString appPathFromFolder(const QString& folder)
{
    QString path = folder;
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}
