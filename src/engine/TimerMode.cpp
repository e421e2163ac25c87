#include "engine/TimerMode.h"

std::optional<TimerMode> timerModeFromPosition(int position)
{
    if (position < 0 || position > 3)
        return std::nullopt;
    return static_cast<TimerMode>(position);
}

std::optional<TimerMode> timerModeFromRawValue(int rawValue)
{
    return timerModeFromPosition(rawValue - 1);
}

QString timerModeCaseName(TimerMode mode)
{
    switch (mode) {
    case TimerMode::Relative:
        return QStringLiteral("Relative");
    case TimerMode::Absolute:
        return QStringLiteral("Absolute");
    case TimerMode::Repeat:
        return QStringLiteral("Repeat");
    case TimerMode::Daily:
        return QStringLiteral("Daily");
    }
    return {};
}
