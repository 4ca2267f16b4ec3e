// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/state/shared_state.h"

#include <QFileInfo>

void SharedState::setStartupDefaults()
{
    strSongPath = deliveredFile(QStringLiteral("ding.wav"));
    bRefreshNext = kTrue;
    iEMNext = -1;
    iWPNext = -1;
    bTrayActive = kTrue;
    bSoundOn = kTrue;
    bErrMsgPop = kTrue;
    setClockActive(kFalse);
    bNoSecond = kFalse;
    setISRepeat(kFalse);
    bWithMessage = kFalse;
    lMsgWinSeq = kMsgWinSeqFirst;
    lWarnSeq = kWarnSeqFirst;
}

void SharedState::setClockActive(Flag value)
{
    m_bClockActive = value;
    notifyClockWork();
}

void SharedState::setISRepeat(Flag value)
{
    m_bISRepeat = value;
    notifyClockWork();
}

void SharedState::notifyClockWork()
{
    if (clockWorkChanged)
        clockWorkChanged();
}

QString SharedState::deliveredFile(const QString& name) const
{
    const QString own = strAppPath + name;
    if (strSharePath.isEmpty() || strSharePath == strAppPath || QFileInfo(own).isFile())
        return own;
    return strSharePath + name;
}

qint32 SharedState::takeMsgWinNumber()
{
    if (lMsgWinSeq < kMsgWinSeqFirst || lMsgWinSeq >= kMsgWinSeqEnd)
        lMsgWinSeq = kMsgWinSeqFirst;
    const qint32 number = lMsgWinSeq;
    lMsgWinSeq = number + 1 >= kMsgWinSeqEnd ? kMsgWinSeqFirst : number + 1;
    return number;
}

qint32 SharedState::takeWarnRank()
{
    if (lWarnSeq < kWarnSeqFirst || lWarnSeq >= kWarnSeqEnd)
        lWarnSeq = kWarnSeqFirst;
    const qint32 rank = lWarnSeq;
    lWarnSeq = rank + 1 >= kWarnSeqEnd ? kWarnSeqFirst : rank + 1;
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
