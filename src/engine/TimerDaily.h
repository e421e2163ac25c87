#pragma once

#include <map>
#include <optional>

// The weekdays; raw values 1 (sunday) to 7 (saturday) are the Gregorian calendar's weekday numbers.
enum class TimerDaily {
    sunday,
    monday,
    tuesday,
    wednesday,
    thursday,
    friday,
    saturday,
};

inline constexpr TimerDaily allTimerDays[] = { TimerDaily::sunday, TimerDaily::monday, TimerDaily::tuesday,
    TimerDaily::wednesday, TimerDaily::thursday, TimerDaily::friday, TimerDaily::saturday };

// The days of a Daily timer.
using TimerDays = std::map<TimerDaily, bool>;

inline int timerDailyIndex(TimerDaily day)
{
    return static_cast<int>(day);
}

inline int timerDailyRawValue(TimerDaily day)
{
    return timerDailyIndex(day) + 1;
}

// Nothing for a value outside 1 to 7.
std::optional<TimerDaily> timerDailyFromRawValue(int rawValue);

// All seven days true.
TimerDays defaultTimerDays();
