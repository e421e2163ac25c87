#pragma once

#include "engine/TimerDaily.h"

#include <vector>

// All seven days, only the given ones selected.
inline TimerDays onlyDays(const std::vector<TimerDaily>& selected)
{
    TimerDays days;
    for (TimerDaily day : allTimerDays)
        days[day] = false;
    for (TimerDaily day : selected)
        days[day] = true;
    return days;
}
