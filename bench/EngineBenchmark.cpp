#include "BenchPlatform.h"
#include "engine/Scheduler.h"
#include "engine/SchedulerController.h"
#include "platform/Clock.h"
#include "platform/Platform.h"

#include <benchmark/benchmark.h>

namespace {

// The once-a-second check with 10,000 running timers of which none is due: the cost that every second
// of Quillet's life pays.
void ExecutionCheckPass(benchmark::State& state)
{
    BenchPlatform platform;
    SchedulerController registry;
    const QDateTime now = Platform::clock().now();
    {
        // The cache records are not what is measured; a refused write makes the set-up quick.
        ScopedStoreFault noRecords(ScopedStoreFault::Kind::Write);
        for (int i = 0; i < state.range(0); ++i)
            registry.createScheduler(TimerMode::Relative, now, now.addSecs(3600 + i), ActionsList::Sleep(),
                false, true, std::nullopt);
    }
    if (int(registry.runningSchedulers().size()) != state.range(0))
        state.SkipWithError("the timers did not start");
    for (auto _ : state)
        registry.executeNeededTimers();
}
BENCHMARK(ExecutionCheckPass)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Start and stop of one timer with its durable cache record written and deleted.
void ScheduleAndStop(benchmark::State& state)
{
    BenchPlatform platform;
    SchedulerController registry;
    auto timer = registry.createScheduler(
        TimerMode::Relative, std::nullopt, std::nullopt, ActionsList::Sleep(), false, false, 600.0);
    for (auto _ : state) {
        timer->setExecuteAt(Platform::clock().now().addSecs(600));
        if (!timer->schedule())
            state.SkipWithError("schedule failed");
        timer->stopWithUser(true);
    }
}
BENCHMARK(ScheduleAndStop)->Unit(benchmark::kMillisecond);

} // namespace
