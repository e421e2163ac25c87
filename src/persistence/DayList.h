#pragma once

#include "engine/TimerDaily.h"

#include <QString>

// The day list of a SchedulerCache record: the weekday numbers (1 sunday … 7 saturday) of the
// selected days, joined with ";".
QString dayListFromDays(const TimerDays& days);

// Holds only true entries; pieces that are no day number are ignored.
TimerDays daysFromDayList(const QString& dayList);
