#include "persistence/DayList.h"

#include <QStringList>

QString dayListFromDays(const TimerDays& days)
{
    QStringList numbers;
    for (const auto& [day, selected] : days) {
        if (selected)
            numbers << QString::number(timerDailyRawValue(day));
    }
    return numbers.join(QLatin1Char(';'));
}

TimerDays daysFromDayList(const QString& dayList)
{
    TimerDays days;
    const QStringList pieces = dayList.split(QLatin1Char(';'));
    for (const QString& piece : pieces) {
        bool ok = false;
        const int number = piece.toInt(&ok);
        // toInt accepts "+2" and " 2"; a day number is its plain digits only.
        if (!ok || piece != QString::number(number))
            continue;
        if (const auto day = timerDailyFromRawValue(number))
            days[*day] = true;
    }
    return days;
}
