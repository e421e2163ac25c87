#pragma once

#include <QString>

#include <optional>

// The one duration text of Quillet: hours, minutes and seconds separated by colons, as "26:00:00" or
// "00:05:00". Minutes and seconds have two digits, hours at least two; a negative interval gets a
// leading "-".
class DateComponentsFormatter
{
public:
    enum CalendarUnit : unsigned {
        Hour = 32,
        Minute = 64,
        Second = 128,
    };

    // Every caller asks for hours, minutes and seconds; the unit set is accepted and not consulted.
    // Nothing for an interval that is not a finite number.
    std::optional<QString> stringFromTimeIntervalWithFormat(unsigned units, double interval) const;
};
