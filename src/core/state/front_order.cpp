// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/state/front_order.h"

#include <utility>

#include "core/state/shared_state.h"

qint32 FrontOrder::holder() const
{
    return m_state.lForegroundWho;
}

void FrontOrder::rememberPrevious(qint32& prevWho) const
{
    if (prevWho == 0)
        prevWho = m_state.lForegroundWho;
}

qint32 FrontOrder::claim(qint32 code)
{
    return std::exchange(m_state.lForegroundWho, code);
}

bool FrontOrder::mayReclaim(qint32 code) const
{
    return m_state.lForegroundWho <= code;
}

bool FrontOrder::reclaim(qint32 code)
{
    if (!mayReclaim(code))
        return false;
    m_state.lForegroundWho = code;
    return true;
}

qint32 FrontOrder::release(qint32 prevWho)
{
    m_state.lForegroundWho = 0;
    return handBackTarget(prevWho);
}

qint32 FrontOrder::handBackTarget(qint32 prevWho)
{
    switch (prevWho) {
    case kWhoMessageInput:
    case kWhoFileChooser:
    case kWhoOverwrite:
        return prevWho;
    default:
        return 0;
    }
}
