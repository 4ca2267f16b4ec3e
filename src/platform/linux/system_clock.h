#pragma once

#include "platform/clock.h"

// The machine's local time.
class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
