#include "engine/ExecutionDate.h"

#include "Days.h"

#include <gtest/gtest.h>

namespace {

// Monday 7 December 2026.
const QDate aMonday(2026, 12, 7);

TEST(ExecutionDate, CountdownReadsThePickerAsADuration)
{
    EXPECT_EQ(ExecutionDate::lengthOfPickedTime(QTime(1, 2, 3)), 3723);
    EXPECT_EQ(ExecutionDate::lengthOfPickedTime(QTime(0, 0, 0)), 0);
    const QDateTime now(aMonday, QTime(12, 0, 0));
    EXPECT_EQ(ExecutionDate::countdown(600, now), QDateTime(aMonday, QTime(12, 10, 0)));
}

TEST(ExecutionDate, AbsoluteRunsTomorrowOnceTheTimeHasPassed)
{
    const QDateTime now(aMonday, QTime(12, 0, 0));
    EXPECT_EQ(ExecutionDate::absolute(QDateTime(aMonday, QTime(13, 0, 0)), now),
        QDateTime(aMonday, QTime(13, 0, 0)));
    EXPECT_EQ(ExecutionDate::absolute(QDateTime(aMonday, QTime(11, 0, 0)), now),
        QDateTime(aMonday.addDays(1), QTime(11, 0, 0)));
    // A picked time equal to now runs tomorrow at that time.
    EXPECT_EQ(ExecutionDate::absolute(now, now), now.addDays(1));
}

struct DailyCase
{
    const char* name;
    std::vector<TimerDaily> days;
    QTime now;
    QTime picked;
    std::optional<int> daysAhead; // from Monday; nothing: no date
};

void PrintTo(const DailyCase& c, std::ostream* os)
{
    *os << c.name;
}

class DailyExecutionDate : public testing::TestWithParam<DailyCase>
{ };

TEST_P(DailyExecutionDate, NextSelectedDayAtThePickedTime)
{
    const DailyCase& c = GetParam();
    const auto date = ExecutionDate::daily(onlyDays(c.days), c.picked, QDateTime(aMonday, c.now));
    if (!c.daysAhead) {
        EXPECT_FALSE(date);
        return;
    }
    ASSERT_TRUE(date);
    EXPECT_EQ(*date, QDateTime(aMonday.addDays(*c.daysAhead), c.picked));
}

using enum TimerDaily;
INSTANTIATE_TEST_SUITE_P(Days, DailyExecutionDate,
    testing::Values(
        DailyCase { "every day, time ahead today",
            { sunday, monday, tuesday, wednesday, thursday, friday, saturday }, QTime(7, 0), QTime(8, 0), 0 },
        DailyCase { "every day, time passed today",
            { sunday, monday, tuesday, wednesday, thursday, friday, saturday }, QTime(9, 0), QTime(8, 0), 1 },
        DailyCase { "only today, time passed", { monday }, QTime(9, 0), QTime(8, 0), 7 },
        DailyCase { "only today, time ahead", { monday }, QTime(7, 0), QTime(8, 0), 0 },
        DailyCase { "today and tomorrow, time passed", { monday, tuesday }, QTime(9, 0), QTime(8, 0), 1 },
        DailyCase { "wednesday only", { wednesday }, QTime(7, 0), QTime(8, 0), 2 },
        DailyCase { "sunday only wraps the week", { sunday }, QTime(7, 0), QTime(8, 0), 6 },
        DailyCase { "no day", {}, QTime(7, 0), QTime(8, 0), std::nullopt }),
    [](const testing::TestParamInfo<DailyCase>& info) {
        std::string name = info.param.name;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(uchar(c)); }, '_');
        return name;
    });

TEST(ExecutionDate, WeekdayIndexStartsOnSunday)
{
    EXPECT_EQ(ExecutionDate::weekdayIndex(aMonday), 1);
    EXPECT_EQ(ExecutionDate::weekdayIndex(aMonday.addDays(6)), 0);
    EXPECT_EQ(ExecutionDate::weekdayIndex(aMonday.addDays(5)), 6);
}

} // namespace
