#include "platform/DateComponentsFormatter.h"

#include <cmath>
#include <cstdint>

std::optional<QString> DateComponentsFormatter::stringFromTimeIntervalWithFormat(
    unsigned, double interval) const
{
    // Beyond this the number of hours no longer fits in a 64-bit integer of seconds.
    if (!std::isfinite(interval) || std::fabs(interval) > 9.0e15)
        return std::nullopt;

    const std::int64_t total = std::llround(interval);
    const std::uint64_t magnitude = total < 0 ? std::uint64_t(-total) : std::uint64_t(total);
    const std::uint64_t hours = magnitude / 3600;
    const std::uint64_t minutes = magnitude / 60 % 60;
    const std::uint64_t seconds = magnitude % 60;
    return QStringLiteral("%1%2:%3:%4")
        .arg(total < 0 ? QStringLiteral("-") : QString())
        .arg(hours, 2, 10, QLatin1Char('0'))
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 2, 10, QLatin1Char('0'));
}
