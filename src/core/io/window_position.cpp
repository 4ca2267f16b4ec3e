// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/io/window_position.h"

#include "core/io/settings_file.h"

namespace WindowPosition {

void put(IniRecord& record, const QString& section, QPoint topLeft)
{
    record.sSection = section;
    record.iData1 = toRecordInt(topLeft.x());
    record.iData2 = toRecordInt(topLeft.y());
}

QPoint get(const IniRecord& record)
{
    return QPoint(record.iData1, record.iData2);
}

} // namespace WindowPosition
