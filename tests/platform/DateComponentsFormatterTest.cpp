#include "platform/DateComponentsFormatter.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct DurationCase
{
    double interval;
    const char* text;
};

void PrintTo(const DurationCase& c, std::ostream* os)
{
    *os << c.interval << " s";
}

class DurationTextTest : public testing::TestWithParam<DurationCase>
{ };

TEST_P(DurationTextTest, HoursMinutesSeconds)
{
    const auto text = DateComponentsFormatter().stringFromTimeIntervalWithFormat(224, GetParam().interval);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Durations, DurationTextTest,
    testing::Values(DurationCase { 0, "00:00:00" }, DurationCase { 300, "00:05:00" },
        DurationCase { 3723, "01:02:03" }, DurationCase { 90000, "25:00:00" },
        DurationCase { 93600, "26:00:00" }, DurationCase { 360000, "100:00:00" },
        DurationCase { 59.6, "00:01:00" }, DurationCase { -5, "-00:00:05" },
        DurationCase { -3723, "-01:02:03" }, DurationCase { -0.2, "00:00:00" }));

TEST(DurationText, UnitSetIsNotConsulted)
{
    const DateComponentsFormatter formatter;
    EXPECT_EQ(formatter.stringFromTimeIntervalWithFormat(0, 300),
        formatter.stringFromTimeIntervalWithFormat(224, 300));
    EXPECT_EQ(formatter.stringFromTimeIntervalWithFormat(16, 300),
        formatter.stringFromTimeIntervalWithFormat(224, 300));
}

TEST(DurationText, NoTextForANonFiniteInterval)
{
    const DateComponentsFormatter formatter;
    EXPECT_FALSE(formatter.stringFromTimeIntervalWithFormat(224, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(formatter.stringFromTimeIntervalWithFormat(224, std::numeric_limits<double>::infinity()));
}

} // namespace
