#include "engine/ExecutionDate.h"

#include <cmath>

namespace {

bool selected(const TimerDays& days, int index)
{
    const auto it = days.find(static_cast<TimerDaily>(index));
    return it != days.end() && it->second;
}

// A date that a clock change skips gives no date rather than a shifted one.
std::optional<QDateTime> validDate(const QDateTime& date)
{
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace

double ExecutionDate::lengthOfPickedTime(const QTime& picked)
{
    return picked.hour() * 3600.0 + picked.minute() * 60.0 + picked.second();
}

QDateTime ExecutionDate::countdown(double length, const QDateTime& now)
{
    return now.addMSecs(std::llround(length * 1000.0));
}

std::optional<QDateTime> ExecutionDate::absolute(const QDateTime& picked, const QDateTime& now)
{
    if (picked > now)
        return picked;
    return validDate(picked.addDays(1));
}

int ExecutionDate::weekdayIndex(const QDate& date)
{
    return date.dayOfWeek() % 7;
}

std::optional<QDateTime> ExecutionDate::daily(
    const TimerDays& days, const QTime& pickedClockTime, const QDateTime& now)
{
    const QDateTime today(now.date(), pickedClockTime);
    const int weekday = weekdayIndex(now.date());

    std::optional<int> found;
    for (int i = 0; i < 7 && !found; ++i) {
        const int day = (weekday + i) % 7;
        if (selected(days, day) && (i > 0 || now < today))
            found = day;
    }
    if (!found && selected(days, weekday))
        found = weekday;
    if (!found)
        return std::nullopt;

    int ahead = ((*found - weekday) % 7 + 7) % 7;
    if (ahead == 0 && now > today)
        ahead = 7;
    return validDate(today.addDays(ahead));
}
