// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/io/window_position.h"

#include "core/io/settings_file.h"

namespace WindowPosition {

void put(IniRecord& record, const QString& section, QPoint topLeft)
{
    record.sectionName = section;
    record.data1 = toRecordInt(topLeft.x());
    record.data2 = toRecordInt(topLeft.y());
}

QPoint get(const IniRecord& record)
{
    return QPoint(record.data1, record.data2);
}

} // namespace WindowPosition
