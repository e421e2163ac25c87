#include "timerui/DailySelectorViewController.h"

#include "Days.h"
#include "TestPlatform.h"
#include "engine/Scheduler.h"
#include "timerui/SegmentedControl.h"

#include <QAbstractButton>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

using testing::ElementsAre;
using testing::ElementsAreArray;

namespace {

class DailySelectorTest : public testing::Test
{
protected:
    std::unique_ptr<DailySelectorViewController> openSelector(const TimerDays& days)
    {
        scheduler->setDays(days);
        auto selector = std::make_unique<DailySelectorViewController>(scheduler);
        selector->show();
        return selector;
    }

    static void click(DailySelectorViewController& selector, int segment)
    {
        QTest::mouseClick(selector.daysSegment()->buttonForSegment(segment), Qt::LeftButton);
    }

    static std::vector<bool> selection(const DailySelectorViewController& selector)
    {
        std::vector<bool> selected;
        for (int i = 0; i < selector.daysSegment()->segmentCount(); ++i)
            selected.push_back(selector.daysSegment()->isSelectedForSegment(i));
        return selected;
    }

    TestPlatform platform;
    std::shared_ptr<Scheduler> scheduler = Scheduler::make();
};

TEST_F(DailySelectorTest, ShowsTheTimersDaysMondayFirst)
{
    struct Case
    {
        const char* name;
        TimerDays days;
        std::vector<bool> segments; // Monday ... Sunday
    };
    const Case cases[] = {
        { "every day", defaultTimerDays(), { true, true, true, true, true, true, true } },
        { "only Sunday", onlyDays({ TimerDaily::sunday }),
            { false, false, false, false, false, false, true } },
        { "Monday and Saturday", onlyDays({ TimerDaily::monday, TimerDaily::saturday }),
            { true, false, false, false, false, true, false } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto selector = openSelector(c.days);
        EXPECT_THAT(selection(*selector), ElementsAreArray(c.segments));
        EXPECT_EQ(scheduler->days(), c.days); // opening writes nothing
    }
}

TEST_F(DailySelectorTest, DeselectingTheOnlyDayKeepsIt)
{
    auto selector = openSelector(onlyDays({ TimerDaily::wednesday }));
    scheduler->setDays({}); // shows that the click writes the days
    click(*selector, 2);
    EXPECT_THAT(selection(*selector), ElementsAre(false, false, true, false, false, false, false));
    EXPECT_EQ(scheduler->days(), onlyDays({ TimerDaily::wednesday }));
}

TEST_F(DailySelectorTest, EveryClickWritesAllSevenDays)
{
    auto selector = openSelector(onlyDays({ TimerDaily::sunday }));
    click(*selector, 0);
    click(*selector, 4);
    EXPECT_EQ(scheduler->days(), onlyDays({ TimerDaily::monday, TimerDaily::friday, TimerDaily::sunday }));
    click(*selector, 6);
    EXPECT_EQ(scheduler->days(), onlyDays({ TimerDaily::monday, TimerDaily::friday }));
}

} // namespace
