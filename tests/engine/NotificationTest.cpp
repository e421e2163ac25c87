#include "EngineFixture.h"
#include "engine/UserNotification.h"

#include <gmock/gmock.h>

using testing::ElementsAre;

namespace {

using NotificationTest = EngineTest;

QString onlyShownText(const FakeNotificationCenter& center)
{
    return center.shown.size() == 1 ? center.shown.begin()->second.informativeText : QString();
}

// The whole road of a timer: notified at 9:30, postponed to 20:00, run once, its record gone, its
// assertions released a minute after the stop.
TEST_F(NotificationTest, RelativeTimerIsNotifiedPostponedRunOnceAndCleanedUp)
{
    auto timer = startCountdown(TimerMode::Relative, 600);

    platform.advance(569);
    EXPECT_TRUE(platform.notifications->shown.empty());
    platform.advance(1);
    ASSERT_EQ(platform.notifications->shown.size(), 1u);
    const auto& [id, shown] = *platform.notifications->shown.begin();
    EXPECT_EQ(shown.title, QStringLiteral("Quillet"));
    EXPECT_EQ(shown.informativeText, QStringLiteral("Action Sleep will execute soon!"));
    EXPECT_EQ(shown.actionButtonTitle, QStringLiteral("+10 min"));
    EXPECT_EQ(timer->notification()->deliveryDate(), platform.now());

    platform.advance(10);
    platform.notifications->activate(id);
    EXPECT_EQ(timer->executeAt(), TestPlatform::defaultStart().addSecs(1200));
    EXPECT_TRUE(platform.notifications->shown.empty());

    platform.advance(1169 - 580);
    EXPECT_TRUE(platform.powerActions->performed.empty());
    platform.advance(1);
    EXPECT_EQ(onlyShownText(*platform.notifications), QStringLiteral("Action Sleep will execute soon!"));
    platform.advance(30);
    EXPECT_THAT(platform.powerActions->performed, ElementsAre(PowerAction::Sleep));
    EXPECT_FALSE(timer->isRunning());
    EXPECT_TRUE(cacheRecords().isEmpty());
    EXPECT_TRUE(platform.notifications->shown.empty());

    platform.advance(59);
    EXPECT_GT(platform.powerAssertions->heldCount(), 0);
    platform.advance(1);
    EXPECT_EQ(platform.powerAssertions->heldCount(), 0);
    platform.advance(3600);
    EXPECT_EQ(platform.powerActions->performed.size(), 1u);
}

TEST_F(NotificationTest, NotificationOnlyWhenTheLeadTimeFitsBeforeTheRun)
{
    startCountdown(TimerMode::Relative, 30);
    platform.advance(29);
    EXPECT_TRUE(platform.notifications->delivered.empty());

    startCountdown(TimerMode::Relative, 31);
    platform.advance(0.999);
    EXPECT_TRUE(platform.notifications->delivered.empty());
    platform.advance(0.001);
    EXPECT_EQ(platform.notifications->delivered.size(), 1u);
}

TEST_F(NotificationTest, StoppedTimerNeverShowsItsNotification)
{
    auto timer = startCountdown(TimerMode::Relative, 600);
    timer->stopWithUser(true);
    platform.advance(600);
    EXPECT_TRUE(platform.notifications->delivered.empty());
}

TEST_F(NotificationTest, NotificationWhoseMomentHasPassedIsDeliveredAtOnce)
{
    auto notification = UserNotification::make(QStringLiteral("Quillet"), QStringLiteral("late"));
    notification->scheduleInternallyAt(platform.now().addSecs(-10));
    platform.runLoop->runDue();
    EXPECT_EQ(onlyShownText(*platform.notifications), QStringLiteral("late"));
    EXPECT_EQ(notification->deliveryDate(), platform.now());
    notification->remove();
    EXPECT_TRUE(platform.notifications->shown.empty());
}

// "+10 min" on a Shutdown warning must postpone the shutdown, not whichever timer notified last.
TEST_F(NotificationTest, ActivationPostponesTheTimerThatMadeTheNotification)
{
    auto shutdown = startCountdown(TimerMode::Relative, 600, ActionsList::ShutDown());
    platform.advance(100);
    auto sleep = startCountdown(TimerMode::Relative, 600, ActionsList::Sleep());
    platform.advance(470);
    ASSERT_EQ(platform.notifications->shown.size(), 1u);
    const NotificationCenter::Id shutdownNotification = platform.notifications->shown.begin()->first;

    platform.notifications->activate(shutdownNotification);
    EXPECT_EQ(shutdown->executeAt(), TestPlatform::defaultStart().addSecs(1200));
    EXPECT_EQ(sleep->executeAt(), TestPlatform::defaultStart().addSecs(700));

    // Another program's notification id, and one of ours that is gone, change nothing.
    platform.notifications->activate(9999);
    platform.notifications->activate(shutdownNotification);
    EXPECT_EQ(shutdown->executeAt(), TestPlatform::defaultStart().addSecs(1200));
}

TEST_F(NotificationTest, ActivationOfATimerThatIsGoneIsIgnored)
{
    NotificationCenter::Id id = 0;
    {
        auto timer = startCountdown(TimerMode::Relative, 600);
        platform.advance(570);
        id = platform.notifications->shown.begin()->first;
        registry.stopAllTimers();
    }
    platform.notifications->activate(id);
    EXPECT_TRUE(registry.schedulers().empty());
}

struct PostponeCase
{
    TimerMode mode;
};

void PrintTo(const PostponeCase& c, std::ostream* os)
{
    *os << timerModeCaseName(c.mode).toStdString();
}

class PostponeEveryMode : public NotificationTest, public testing::WithParamInterface<PostponeCase>
{ };

// A Daily timer kept its time and a Repeat timer restarted its length: the user's postpone did nothing.
TEST_P(PostponeEveryMode, MovesTheRunByTenMinutesFromItsExecutionDate)
{
    const TimerMode mode = GetParam().mode;
    const QTime time(12, 10);
    auto timer = registry.createScheduler(
        mode, platform.now(), std::nullopt, ActionsList::Sleep(), false, false, std::nullopt);
    RearmingView view(timer, time);
    timer->setLength(600);
    timer->setExecuteAt(TestPlatform::defaultStart().addSecs(600));
    ASSERT_TRUE(timer->schedule());

    platform.advance(580);
    platform.notifications->activate(platform.notifications->shown.begin()->first);
    EXPECT_EQ(timer->executeAt(), TestPlatform::defaultStart().addSecs(1200));
    EXPECT_TRUE(timer->isRunning());
    const QList<SchedulerCache> records = cacheRecords();
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].executeAt, TestPlatform::defaultStart().addSecs(1200));

    platform.advance(620);
    EXPECT_EQ(platform.powerActions->performed.size(), 1u);
    if (mode == TimerMode::Repeat) {
        EXPECT_EQ(timer->executeAt(), platform.now().addSecs(600)); // re-armed by its length again
    }
    if (mode == TimerMode::Daily) {
        EXPECT_EQ(timer->executeAt(), QDateTime(TestPlatform::defaultStart().date().addDays(1), time));
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, PostponeEveryMode,
    testing::Values(PostponeCase { TimerMode::Relative }, PostponeCase { TimerMode::Absolute },
        PostponeCase { TimerMode::Repeat }, PostponeCase { TimerMode::Daily }));

} // namespace
