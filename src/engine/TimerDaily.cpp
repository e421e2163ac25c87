#include "engine/TimerDaily.h"

std::optional<TimerDaily> timerDailyFromRawValue(int rawValue)
{
    if (rawValue < 1 || rawValue > 7)
        return std::nullopt;
    return static_cast<TimerDaily>(rawValue - 1);
}

TimerDays defaultTimerDays()
{
    TimerDays days;
    for (TimerDaily day : allTimerDays)
        days[day] = true;
    return days;
}
