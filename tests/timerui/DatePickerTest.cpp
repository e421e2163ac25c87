#include "timerui/DatePicker.h"

#include "TestPlatform.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class DatePickerTest : public testing::Test
{
protected:
    TestPlatform platform;
    DatePicker picker;
    QSignalSpy userChanges { &picker, &DatePicker::userChangedValue };
};

TEST_F(DatePickerTest, KeepAtCurrentDateFollowsTheClockUntilSwitchedOffEvenWhenSetTwice)
{
    picker.setDateValue(platform.now().addDays(-3));
    picker.setKeepAtCurrentDate(true);
    EXPECT_EQ(picker.dateValue(), platform.now());
    platform.advance(1.0);
    EXPECT_EQ(picker.dateValue(), platform.now());

    picker.setKeepAtCurrentDate(true);
    platform.advance(10.0);
    EXPECT_EQ(picker.dateValue(), platform.now());

    picker.setKeepAtCurrentDate(false);
    const QDateTime stoppedAt = picker.dateValue();
    platform.advance(60.0);
    EXPECT_FALSE(picker.keepAtCurrentDate());
    EXPECT_EQ(picker.dateValue(), stoppedAt);
    EXPECT_EQ(platform.runLoop->pendingCount(), 0);
    EXPECT_EQ(userChanges.count(), 0);
}

TEST_F(DatePickerTest, OnlyTheUsersChangesAreReported)
{
    const QDateTime tomorrowAtTen(platform.now().date().addDays(1), QTime(10, 0, 0));
    picker.setLocale(QLocale(QStringLiteral("en_GB")));
    picker.setDateValue(tomorrowAtTen);
    picker.setKeepAtCurrentDate(true);
    platform.advance(2.0);
    picker.setKeepAtCurrentDate(false);
    picker.setDateValue(tomorrowAtTen);
    EXPECT_EQ(userChanges.count(), 0);
    EXPECT_EQ(picker.text(), QStringLiteral("10:00:00"));

    // Stepping changes the shown time and keeps the date the value carries.
    QTest::keyClick(&picker, Qt::Key_Up);
    EXPECT_EQ(userChanges.count(), 1);
    EXPECT_EQ(picker.dateValue(), tomorrowAtTen.addSecs(3600));

    picker.setSelectedSection(QDateTimeEdit::MinuteSection);
    QTest::keyClicks(&picker, QStringLiteral("45"));
    EXPECT_GE(userChanges.count(), 2);
    EXPECT_EQ(picker.dateValue(), QDateTime(tomorrowAtTen.date(), QTime(11, 45, 0)));
}

// A countdown set to 00:00:00 must not jump to 23 hours, nor a clock time move to another day.
TEST_F(DatePickerTest, SteppingStopsAtTheEndsOfTheDay)
{
    const struct
    {
        QTime time;
        Qt::Key key;
    } cases[] = { { QTime(0, 0, 0), Qt::Key_Down }, { QTime(23, 30, 0), Qt::Key_Up } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.time.toString().toStdString());
        const QDateTime value(platform.now().date(), c.time);
        picker.setDateValue(value);
        QTest::keyClick(&picker, c.key);
        EXPECT_EQ(picker.dateValue(), value);
    }
    EXPECT_EQ(userChanges.count(), 0);
}

} // namespace
