#pragma once

#include "TestPlatform.h"
#include "engine/ExecutionDate.h"
#include "engine/Scheduler.h"
#include "engine/SchedulerController.h"
#include "engine/SchedulerStateDelegate.h"
#include "persistence/RecordStore.h"
#include "platform/DefaultsKeys.h"

#include <gtest/gtest.h>

#include <memory>

// Plays the timer view: records what the timer tells it and re-arms Repeat and Daily timers after a
// stop that is not the user's, as the real view does.
class RearmingView final : public SchedulerStateDelegate
{
public:
    explicit RearmingView(std::shared_ptr<Scheduler> scheduler, QTime dailyTime = {})
        : m_scheduler(std::move(scheduler))
        , m_dailyTime(dailyTime)
    {
        m_scheduler->setDelegate(this);
    }
    ~RearmingView() override { m_scheduler->setDelegate(nullptr); }

    void timerDidStart() override { events << QStringLiteral("start"); }
    void timerDidStopWithUser(bool user) override
    {
        events << (user ? QStringLiteral("stop(user)") : QStringLiteral("stop"));
        if (user || !m_scheduler->isRunning())
            return;
        const QDateTime now = Platform::clock().now();
        m_scheduler->setIsReseting(true);
        if (m_scheduler->mode() == TimerMode::Repeat)
            m_scheduler->setExecuteAt(ExecutionDate::countdown(*m_scheduler->length(), now));
        else if (m_scheduler->mode() == TimerMode::Daily)
            m_scheduler->setExecuteAt(ExecutionDate::daily(m_scheduler->days(), m_dailyTime, now));
    }
    void timerDidChangeMode(TimerMode mode) override
    {
        events << QStringLiteral("mode ") + timerModeCaseName(mode);
    }
    void timerDidChangeAction(const ActionsList& action) override
    {
        events << QStringLiteral("action ") + action.caseName();
    }

    QStringList events;

private:
    std::shared_ptr<Scheduler> m_scheduler;
    QTime m_dailyTime;
};

class EngineTest : public testing::Test
{
protected:
    EngineTest() { platform.defaults->set(DefaultsKeys::secondsBeforeNotification, 30); }

    // A started timer, as the start button makes one: picker value turned into dates, then schedule.
    std::shared_ptr<Scheduler> startCountdown(
        TimerMode mode, double length, ActionsList action = ActionsList::Sleep(), const QString& id = {})
    {
        auto timer = registry.createScheduler(
            mode, platform.now(), std::nullopt, action, false, false, std::nullopt);
        if (!id.isEmpty()) {
            registry.removeTimerWithId(timer->id());
            timer->setId(id);
        }
        timer->setLength(length);
        timer->setExecuteAt(ExecutionDate::countdown(length, platform.now()));
        EXPECT_TRUE(timer->schedule().hasValue());
        return timer;
    }

    QList<SchedulerCache> cacheRecords() const
    {
        auto store = RecordStore::open();
        EXPECT_TRUE(store.hasValue());
        return store->objects<SchedulerCache>().toList();
    }

    int shownNotifications() const { return int(platform.notifications->shown.size()); }

    TestPlatform platform;
    SchedulerController registry;
};
