// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/state/front_order.h"

#include <utility>

#include "core/state/shared_state.h"

qint32 FrontOrder::holder() const
{
    return m_state.frontHolder;
}

void FrontOrder::rememberPrevious(qint32& previousFront) const
{
    if (previousFront == 0)
        previousFront = m_state.frontHolder;
}

qint32 FrontOrder::claim(qint32 code)
{
    return std::exchange(m_state.frontHolder, code);
}

bool FrontOrder::mayReclaim(qint32 code) const
{
    return m_state.frontHolder <= code;
}

bool FrontOrder::reclaim(qint32 code)
{
    if (!mayReclaim(code))
        return false;
    m_state.frontHolder = code;
    return true;
}

qint32 FrontOrder::release(qint32 previousFront)
{
    m_state.frontHolder = 0;
    return handBackTarget(previousFront);
}

qint32 FrontOrder::handBackTarget(qint32 previousFront)
{
    switch (previousFront) {
    case kWhoMessageInput:
    case kWhoFileChooser:
    case kWhoOverwrite:
        return previousFront;
    default:
        return 0;
    }
}
