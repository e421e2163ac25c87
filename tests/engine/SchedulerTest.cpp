#include "EngineFixture.h"
#include "engine/UserNotification.h"
#include "persistence/DayList.h"

#include <gmock/gmock.h>

using testing::ElementsAre;

namespace {

using SchedulerTest = EngineTest;

TEST_F(SchedulerTest, ScheduleArmsWritesTheCacheRecordRegistersAndTakesTheAssertion)
{
    auto timer = registry.createScheduler(
        TimerMode::Repeat, std::nullopt, std::nullopt, ActionsList::Restart(), false, false, std::nullopt);
    RearmingView view(timer);
    timer->setLength(600);
    timer->setExecuteAt(platform.now().addSecs(600));
    ASSERT_TRUE(timer->schedule());

    EXPECT_TRUE(timer->isRunning());
    EXPECT_EQ(timer->startedAt(), platform.now());
    ASSERT_TRUE(timer->action());
    EXPECT_EQ(timer->action()->action, ActionsList::Restart());
    EXPECT_EQ(registry.runningSchedulers().count(timer->id()), 1u);
    EXPECT_EQ(platform.powerAssertions->heldCount(PowerAssertionType::PreventUserIdleSystemSleep), 1);
    EXPECT_THAT(view.events, ElementsAre(QStringLiteral("start")));

    const QList<SchedulerCache> records = cacheRecords();
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].id, timer->id());
    EXPECT_EQ(records[0].name, QStringLiteral("Restart"));
    EXPECT_EQ(records[0].action, 1);
    EXPECT_EQ(records[0].mode, 3);
    EXPECT_EQ(records[0].length, 600);
    EXPECT_EQ(records[0].executeAt, platform.now().addSecs(600));
    EXPECT_EQ(daysFromDayList(records[0].days).size(), 7u);
}

TEST_F(SchedulerTest, FailuresLeaveWhatEarlierStepsSet)
{
    auto timer = registry.createScheduler(
        std::nullopt, std::nullopt, std::nullopt, std::nullopt, false, false, std::nullopt);
    auto noDate = timer->schedule();
    ASSERT_FALSE(noDate);
    EXPECT_EQ(noDate.error().kind, TimerError::Case::InvalidDate);
    EXPECT_EQ(noDate.error().localizedDescription(), QStringLiteral("Invalid Date: nil."));
    EXPECT_EQ(timer->startedAt(), platform.now());

    timer->setExecuteAt(platform.now().addSecs(60));
    auto noAction = timer->schedule();
    ASSERT_FALSE(noAction);
    EXPECT_EQ(noAction.error().kind, TimerError::Case::InvalidAction);
    EXPECT_EQ(noAction.error().localizedDescription(), QStringLiteral("Invalid Action: nil."));
    EXPECT_FALSE(timer->action());

    timer->setActionType(ActionsList::Sleep());
    timer->setExecuteAt(platform.now().addSecs(-1));
    auto past = timer->schedule();
    ASSERT_FALSE(past);
    EXPECT_EQ(past.error().kind, TimerError::Case::InvalidDate);
    EXPECT_FALSE(timer->isRunning());
    EXPECT_TRUE(cacheRecords().isEmpty());
    EXPECT_EQ(platform.powerAssertions->heldCount(), 0);

    // An Absolute timer skips the test against its start.
    timer->setMode(TimerMode::Absolute);
    EXPECT_TRUE(timer->schedule());
}

TEST_F(SchedulerTest, ZeroSecondCountdownIsAcceptedAndRunsAtTheNextCheck)
{
    startCountdown(TimerMode::Relative, 0);
    platform.advance(1.0);
    EXPECT_THAT(platform.powerActions->performed, ElementsAre(PowerAction::Sleep));
}

TEST_F(SchedulerTest, StopByTheUserEndsTheRunAndReleasesTheAssertionsAMinuteLater)
{
    auto timer = startCountdown(TimerMode::Repeat, 600);
    RearmingView view(timer);
    platform.advance(100);
    timer->stopWithUser(true);

    EXPECT_FALSE(timer->isRunning());
    EXPECT_FALSE(timer->action());
    EXPECT_FALSE(timer->startedAt());
    EXPECT_TRUE(registry.schedulers().empty());
    EXPECT_TRUE(cacheRecords().isEmpty());
    EXPECT_THAT(view.events, ElementsAre(QStringLiteral("stop(user)")));

    platform.advance(59.9);
    EXPECT_EQ(platform.powerAssertions->heldCount(), 1);
    platform.advance(0.1);
    EXPECT_EQ(platform.powerAssertions->heldCount(), 0);
}

TEST_F(SchedulerTest, CanStart)
{
    auto timer = Scheduler::make();
    EXPECT_FALSE(timer->canStart());
    timer->setLength(10);
    EXPECT_FALSE(timer->canStart()); // no action kind
    timer->setActionType(ActionsList::Sleep());
    EXPECT_TRUE(timer->canStart());
    timer->setLength(std::nullopt);
    timer->setExecuteAt(platform.now());
    EXPECT_FALSE(timer->canStart()); // not in the future
    timer->setExecuteAt(platform.now().addSecs(1));
    EXPECT_TRUE(timer->canStart());
    EXPECT_DOUBLE_EQ(timer->remaining(), 1.0);

    auto absolute = Scheduler::make();
    absolute->setMode(TimerMode::Absolute);
    EXPECT_TRUE(absolute->canStart());
}

TEST_F(SchedulerTest, ObservedPropertiesTellTheViewAndRescheduleARunningTimer)
{
    auto timer = startCountdown(TimerMode::Relative, 600);
    RearmingView view(timer);
    const QString id = timer->id();

    timer->setActionType(ActionsList::Restart());
    EXPECT_TRUE(timer->isRunning());
    EXPECT_EQ(timer->id(), id);
    EXPECT_EQ(timer->action()->action, ActionsList::Restart());
    EXPECT_THAT(view.events,
        ElementsAre(QStringLiteral("stop"), QStringLiteral("start"), QStringLiteral("action Restart")));

    view.events.clear();
    timer->setExecuteAt(platform.now().addSecs(1200));
    const QList<SchedulerCache> records = cacheRecords();
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].executeAt, platform.now().addSecs(1200));

    timer->stopWithUser(true);
    view.events.clear();
    timer->setActionType(ActionsList::Sleep());
    timer->setMode(TimerMode::Daily);
    EXPECT_THAT(view.events, ElementsAre(QStringLiteral("action Sleep"), QStringLiteral("mode Daily")));
    EXPECT_FALSE(timer->isRunning());
}

// Two records would restore the timer twice; two notifications would show one run twice.
TEST_F(SchedulerTest, ChangingARunningRepeatTimerLeavesOneRecordAndOneNotification)
{
    auto timer = startCountdown(TimerMode::Repeat, 600);
    RearmingView view(timer);
    timer->setExecuteAt(platform.now().addSecs(900));

    const QList<SchedulerCache> records = cacheRecords();
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].id, timer->id());
    platform.advance(580); // past the notification's moment, before the run
    EXPECT_EQ(shownNotifications(), 1);
    EXPECT_EQ(registry.schedulers().size(), 1u);
}

TEST_F(SchedulerTest, StoreFailuresAreReportedAndTheTimerRunsAllTheSame)
{
    std::shared_ptr<Scheduler> timer;
    {
        ScopedStoreFault fault(ScopedStoreFault::Kind::Write);
        timer = startCountdown(TimerMode::Relative, 600);
        EXPECT_TRUE(timer->isRunning());
        ASSERT_EQ(platform.crashReporter->errors.size(), 1u);
        EXPECT_EQ(platform.crashReporter->errors[0].domain, QStringLiteral("ObjectStoreErrorDomain"));
    }
    {
        ScopedStoreFault fault(ScopedStoreFault::Kind::Open);
        ObjectStore::closeAll();
        timer->stopWithUser(true);
        EXPECT_FALSE(timer->isRunning());
        EXPECT_EQ(platform.crashReporter->errors.size(), 2u);
    }
}

TEST_F(SchedulerTest, WindowComesFromTheStoryboardOnFirstUse)
{
    auto timer = Scheduler::make();
    EXPECT_EQ(timer->windowController(), nullptr); // nothing registered in engine tests
    timer->showWindow(); // and nothing to show
}

} // namespace
