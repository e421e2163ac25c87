#pragma once

#include "engine/TimerDaily.h"

#include <QDateTime>

#include <optional>

// The execution-date rules of the four timer modes, from the time picker's value. The timer view
// applies them; all calendar work is Gregorian in the machine's time zone.
namespace ExecutionDate {

// The picked time of day read as a duration: hours × 3600 + minutes × 60 + seconds.
double lengthOfPickedTime(const QTime& picked);

// Relative and Repeat: now + length.
QDateTime countdown(double length, const QDateTime& now);

// Absolute: the picked date when it is later than now, otherwise the next calendar day at that time.
std::optional<QDateTime> absolute(const QDateTime& picked, const QDateTime& now);

// Daily: the next selected day at the picked clock time; today counts only while its time is ahead.
// Nothing when no day is selected. Days missing from the map count as not selected.
std::optional<QDateTime> daily(const TimerDays& days, const QTime& pickedClockTime, const QDateTime& now);

// 0 for sunday … 6 for saturday.
int weekdayIndex(const QDate& date);

} // namespace ExecutionDate
