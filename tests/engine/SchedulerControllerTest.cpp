#include "Days.h"
#include "EngineFixture.h"
#include "persistence/ScriptsModel.h"
#include "platform/Bundle.h"

#include <QDir>
#include <QFile>

#include <gmock/gmock.h>

using testing::ElementsAre;
using testing::UnorderedElementsAre;

namespace {

using SchedulerControllerTest = EngineTest;

TEST_F(SchedulerControllerTest, CreateSchedulerSetsWhatIsGivenAndRegistersTheTimer)
{
    const QDateTime start = platform.now().addSecs(-5);
    auto timer = registry.createScheduler(
        TimerMode::Daily, start, platform.now().addSecs(60), ActionsList::LogOut(), false, false, 42.0);
    EXPECT_EQ(timer->mode(), TimerMode::Daily);
    EXPECT_EQ(timer->startedAt(), start);
    EXPECT_EQ(timer->executeAt(), platform.now().addSecs(60));
    EXPECT_EQ(timer->actionType(), ActionsList::LogOut());
    EXPECT_EQ(timer->length(), 42.0);
    EXPECT_FALSE(timer->isRunning());
    EXPECT_EQ(registry.pausedSchedulers().count(timer->id()), 1u);

    auto plain = registry.newTimer();
    EXPECT_EQ(plain->mode(), TimerMode::Relative);
    EXPECT_EQ(plain->startedAt(), platform.now());
    EXPECT_EQ(registry.newRepeatableTimer()->mode(), TimerMode::Repeat);
    EXPECT_EQ(registry.newAbsoluteTimer()->mode(), TimerMode::Absolute);
    EXPECT_EQ(registry.newDailyTimer()->mode(), TimerMode::Daily);
    EXPECT_EQ(registry.schedulers().size(), 5u);
}

// The check falls once a second and runs what is due within the next second: up to a second early.
TEST_F(SchedulerControllerTest, DueTimerRunsAtTheFirstCheckWithinOneSecondOfItsTime)
{
    const QDate today = TestPlatform::defaultStart().date();
    auto timer = registry.createScheduler(std::nullopt, platform.now(),
        QDateTime(today, QTime(12, 9, 59, 250)), ActionsList::ShutDown(), false, true, std::nullopt);
    platform.runLoop->advanceTo(QDateTime(today, QTime(12, 9, 58)));
    EXPECT_TRUE(platform.powerActions->performed.empty());
    platform.advance(1.0);
    EXPECT_THAT(platform.powerActions->performed, ElementsAre(PowerAction::ShutDown));
    EXPECT_FALSE(timer->isRunning());
    EXPECT_TRUE(registry.schedulers().empty());
    EXPECT_TRUE(cacheRecords().isEmpty());
}

TEST_F(SchedulerControllerTest, TwoTimersDueInOneSecondRunInOnePass)
{
    startCountdown(TimerMode::Relative, 10, ActionsList::Sleep());
    startCountdown(TimerMode::Relative, 10, ActionsList::LogOut());
    platform.advance(10);
    EXPECT_THAT(
        platform.powerActions->performed, UnorderedElementsAre(PowerAction::Sleep, PowerAction::LogOut));
}

TEST_F(SchedulerControllerTest, RepeatTimerIsReArmedUnderANewIdAndRunsOncePerPass)
{
    auto timer = startCountdown(TimerMode::Repeat, 10);
    RearmingView view(timer);
    const QString firstId = timer->id();

    platform.advance(10);
    EXPECT_EQ(platform.powerActions->performed.size(), 1u);
    EXPECT_TRUE(timer->isRunning());
    EXPECT_NE(timer->id(), firstId);
    EXPECT_EQ(timer->executeAt(), platform.now().addSecs(10));
    const QList<SchedulerCache> records = cacheRecords();
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].id, timer->id());
    EXPECT_EQ(registry.schedulers().size(), 1u);
    EXPECT_EQ(registry.schedulers().count(timer->id()), 1u);

    platform.advance(10);
    EXPECT_EQ(platform.powerActions->performed.size(), 2u);
}

TEST_F(SchedulerControllerTest, DailyTimerIsReArmedForTheNextSelectedDay)
{
    const QTime eight(8, 0);
    const QDate tuesday = TestPlatform::defaultStart().date().addDays(1);
    platform.runLoop->advanceTo(QDateTime(tuesday, QTime(7, 59)));
    auto timer = registry.createScheduler(
        TimerMode::Daily, platform.now(), std::nullopt, ActionsList::Sleep(), false, false, std::nullopt);
    RearmingView view(timer, eight);
    const TimerDays days = onlyDays({ TimerDaily::tuesday, TimerDaily::thursday });
    timer->setDays(days);
    timer->setExecuteAt(ExecutionDate::daily(days, eight, platform.now()));
    ASSERT_TRUE(timer->schedule());
    EXPECT_EQ(timer->executeAt(), QDateTime(tuesday, eight));

    platform.advance(60);
    EXPECT_EQ(platform.powerActions->performed.size(), 1u);
    EXPECT_EQ(timer->executeAt(), QDateTime(tuesday.addDays(2), eight));
    EXPECT_TRUE(timer->isRunning());
}

// A due timer that cannot run must not hold up the others of the pass: a shutdown would miss its time.
TEST_F(SchedulerControllerTest, TimerThatCannotRunIsSkippedAndThePassGoesOn)
{
    // The registry visits its timers in the order of their ids: the two that cannot run come first.
    auto missing = startCountdown(
        TimerMode::Relative, 5, ActionsList::Script(QStringLiteral("no such record")), QStringLiteral("A"));
    auto unreadable = [&] {
        Scripts script;
        script.name = QStringLiteral("gone.bash");
        auto model = ScriptsModel::make();
        EXPECT_TRUE(model->add(script));
        return startCountdown(TimerMode::Relative, 5, ActionsList::Script(script.id), QStringLiteral("B"));
    }();
    auto shutdown = startCountdown(TimerMode::Relative, 5, ActionsList::ShutDown(), QStringLiteral("C"));

    platform.advance(5);
    EXPECT_THAT(platform.powerActions->performed, ElementsAre(PowerAction::ShutDown));
    EXPECT_FALSE(shutdown->isRunning());
    // Both stay running and due, for the failsafe to report.
    EXPECT_TRUE(missing->isRunning());
    EXPECT_TRUE(unreadable->isRunning());
    EXPECT_TRUE(platform.log->out.contains(QStringLiteral("Nonexistent Action selected.")));
    EXPECT_TRUE(platform.log->system.filter(QStringLiteral("gone.bash")).size() > 0);
    EXPECT_TRUE(platform.scriptTasks->executed.isEmpty());
}

TEST_F(SchedulerControllerTest, ScriptTimerRunsItsFileFromTheScriptsFolder)
{
    Scripts script;
    script.name = QStringLiteral("Backup.bash");
    ASSERT_TRUE(ScriptsModel::make()->add(script));
    QDir().mkpath(Bundle::scriptsDirectory());
    QFile file(Bundle::scriptsDirectory() + QStringLiteral("/Backup.bash"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    auto timer = startCountdown(TimerMode::Relative, 5, ActionsList::Script(script.id));
    platform.advance(5);
    EXPECT_THAT(platform.scriptTasks->executed,
        ElementsAre(Bundle::scriptsDirectory() + QStringLiteral("/Backup.bash")));
    EXPECT_FALSE(timer->isRunning());
    EXPECT_FALSE(platform.powerAssertions->userActivity.isEmpty());
}

TEST_F(SchedulerControllerTest, PresetStartsAtOnceWithoutItsWindow)
{
    Prefabs preset;
    preset.action = 2;
    preset.length = 1800;
    preset.mode = 9;
    auto timer = registry.startPrefabTimer(preset);
    EXPECT_TRUE(timer->isRunning());
    EXPECT_EQ(timer->mode(), TimerMode::Relative);
    EXPECT_EQ(timer->actionType(), ActionsList::Sleep());
    EXPECT_EQ(timer->length(), 1800);
    EXPECT_EQ(timer->executeAt(), platform.now().addSecs(1800));

    preset.action = 7; // no action kind: the timer cannot start
    EXPECT_FALSE(registry.startPrefabTimer(preset)->isRunning());
}

TEST_F(SchedulerControllerTest, ClosingTheWindowRemovesOnlyATimerThatIsNotRunning)
{
    auto idle = registry.newTimer();
    auto running = startCountdown(TimerMode::Relative, 600);
    registry.windowWillClose(idle);
    registry.windowWillClose(running);
    EXPECT_EQ(registry.schedulers().count(idle->id()), 0u);
    EXPECT_EQ(registry.schedulers().count(running->id()), 1u);
}

TEST_F(SchedulerControllerTest, StopAllTimersStopsTheRunningOnesAsByTheUser)
{
    auto a = startCountdown(TimerMode::Repeat, 600);
    auto b = startCountdown(TimerMode::Relative, 600);
    auto idle = registry.newTimer();
    registry.stopAllTimers();
    EXPECT_FALSE(a->isRunning());
    EXPECT_FALSE(b->isRunning());
    EXPECT_EQ(registry.schedulers().size(), 1u);
    EXPECT_TRUE(cacheRecords().isEmpty());
}

} // namespace
