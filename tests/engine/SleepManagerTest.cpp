#include "engine/SleepManager.h"

#include "EngineFixture.h"

#include <gmock/gmock.h>

namespace {

using SleepPreventionTest = EngineTest;

TEST_F(SleepPreventionTest, DisplaySettingDecidesWhichAssertionsAreTaken)
{
    SleepManager manager;
    ASSERT_TRUE(manager.preventSleep(false));
    EXPECT_EQ(platform.powerAssertions->heldCount(PowerAssertionType::PreventUserIdleDisplaySleep), 0);
    EXPECT_EQ(platform.powerAssertions->heldCount(PowerAssertionType::PreventUserIdleSystemSleep), 1);
    EXPECT_EQ(platform.powerAssertions->names.last(), SleepManager::systemAssertionName);

    platform.defaults->set(DefaultsKeys::preventDisplaySleep, true);
    ASSERT_TRUE(manager.preventSleep(true));
    EXPECT_EQ(platform.powerAssertions->heldCount(PowerAssertionType::PreventUserIdleDisplaySleep), 1);
    EXPECT_EQ(platform.powerAssertions->heldCount(PowerAssertionType::PreventUserIdleSystemSleep), 1);

    ASSERT_TRUE(manager.allowSleep(true));
    EXPECT_EQ(platform.powerAssertions->heldCount(PowerAssertionType::PreventUserIdleDisplaySleep), 0);
    EXPECT_EQ(platform.powerAssertions->heldCount(PowerAssertionType::PreventUserIdleSystemSleep), 1);
}

TEST_F(SleepPreventionTest, ReleaseGoesDisplayFirstAndLeavesNothingBehind)
{
    platform.defaults->set(DefaultsKeys::preventDisplaySleep, true);
    SleepManager manager;
    ASSERT_TRUE(manager.preventSleep(false));
    ASSERT_TRUE(manager.preventSleep(false)); // taken again before any release
    const PowerAssertions::Id display = manager.displaySleepID();
    ASSERT_TRUE(manager.allowSleep(false));
    EXPECT_EQ(platform.powerAssertions->heldCount(), 0);
    EXPECT_EQ(platform.powerAssertions->released.size(), 4u);
    EXPECT_EQ(platform.powerAssertions->released[1], display);
}

// Switched on after the timer started: there is no display assertion to release, and the system one
// must not be left behind.
TEST_F(SleepPreventionTest, DisplaySettingSwitchedOnBeforeTheReleaseLeaksNothing)
{
    SleepManager manager;
    ASSERT_TRUE(manager.preventSleep(false));
    platform.defaults->set(DefaultsKeys::preventDisplaySleep, true);
    EXPECT_TRUE(manager.allowSleep(false));
    EXPECT_EQ(platform.powerAssertions->heldCount(), 0);
}

TEST_F(SleepPreventionTest, RefusalsAreReportedAndTheTimerRunsAllTheSame)
{
    platform.powerAssertions->refuseCreate = true;
    SleepManager manager;
    auto taken = manager.preventSleep(false);
    ASSERT_FALSE(taken);
    EXPECT_EQ(taken.error(), SleepManagerError::failedSetting);

    auto timer = startCountdown(TimerMode::Relative, 600);
    EXPECT_TRUE(timer->isRunning());
    EXPECT_TRUE(platform.log->out.contains(sleepManagerErrorDescription(SleepManagerError::failedSetting)));

    platform.powerAssertions->refuseCreate = false;
    ASSERT_TRUE(manager.preventSleep(false));
    platform.powerAssertions->refuseRelease = true;
    auto released = manager.allowSleep(false);
    ASSERT_FALSE(released);
    EXPECT_EQ(released.error(), SleepManagerError::failedReleasing);
}

// The release that a stop starts must not take the assertions of the run that follows it.
TEST_F(SleepPreventionTest, ReArmedTimerKeepsTheAssertionsOfItsNewRun)
{
    auto timer = startCountdown(TimerMode::Repeat, 100);
    RearmingView view(timer);
    platform.advance(100); // executed and re-armed for 200 s
    ASSERT_TRUE(timer->isRunning());
    platform.advance(65); // past the release that the execution's stop started
    EXPECT_TRUE(timer->isRunning());
    EXPECT_EQ(platform.powerAssertions->heldCount(PowerAssertionType::PreventUserIdleSystemSleep), 1);

    timer->stopWithUser(true);
    platform.advance(60);
    EXPECT_EQ(platform.powerAssertions->heldCount(), 0);
}

} // namespace
