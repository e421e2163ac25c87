#pragma once

#include <QString>

#include <optional>

// Countdown modes (Relative, Repeat) read the time picker as a duration, clock-time modes
// (Absolute, Daily) as a clock time.
enum class TimerMode {
    Relative,
    Absolute,
    Repeat,
    Daily,
};

inline constexpr TimerMode allTimerModes[]
    = { TimerMode::Relative, TimerMode::Absolute, TimerMode::Repeat, TimerMode::Daily };

// The position 0 to 3.
inline int timerModePosition(TimerMode mode)
{
    return static_cast<int>(mode);
}

// The raw value 1 to 4: the mode value that stored records keep.
inline int timerModeRawValue(TimerMode mode)
{
    return timerModePosition(mode) + 1;
}

// Nothing for a value outside 1 to 4.
std::optional<TimerMode> timerModeFromRawValue(int rawValue);
std::optional<TimerMode> timerModeFromPosition(int position);

// "Relative", "Absolute", "Repeat", "Daily".
QString timerModeCaseName(TimerMode mode);

inline bool isCountdownMode(TimerMode mode)
{
    return mode == TimerMode::Relative || mode == TimerMode::Repeat;
}
