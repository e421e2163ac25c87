#pragma once

#include "engine/ActionsList.h"
#include "engine/TimerMode.h"
#include "platform/RunLoop.h"

#include <QDateTime>
#include <QString>

#include <functional>

#include <map>
#include <memory>
#include <optional>
#include <vector>

class Scheduler;
struct Prefabs;

// Told of every registration; nothing in Quillet sets one.
class TimerControllerDelegate
{
public:
    virtual ~TimerControllerDelegate();
    virtual void timerControllerDidAddScheduler(const std::shared_ptr<Scheduler>& scheduler) = 0;
};

// The one registry of timers, by id. It makes timers, closes out those whose windows close, and once a
// second executes the running timers that are due.
class SchedulerController
{
public:
    using Schedulers = std::map<QString, std::shared_ptr<Scheduler>>;

    // Becomes the shared registry while it lives.
    SchedulerController();
    ~SchedulerController();
    SchedulerController(const SchedulerController&) = delete;
    SchedulerController& operator=(const SchedulerController&) = delete;

    static SchedulerController* shared();

    const Schedulers& schedulers() const { return m_schedulers; }
    void setSchedulers(Schedulers schedulers) { m_schedulers = std::move(schedulers); }
    Schedulers runningSchedulers() const;
    Schedulers pausedSchedulers() const;

    void addTimerWithScheduler(const std::shared_ptr<Scheduler>& scheduler);
    void removeTimerWithId(const QString& id);

    std::shared_ptr<Scheduler> createScheduler(std::optional<TimerMode> mode,
        std::optional<QDateTime> startedAt, std::optional<QDateTime> executeAt,
        std::optional<ActionsList> action, bool show, bool start, std::optional<double> length);

    // The new-timer commands: a shown, stopped timer of the mode.
    std::shared_ptr<Scheduler> newTimer();
    std::shared_ptr<Scheduler> newRepeatableTimer();
    std::shared_ptr<Scheduler> newAbsoluteTimer();
    std::shared_ptr<Scheduler> newDailyTimer();

    // Starts a preset at once, without showing its window.
    std::shared_ptr<Scheduler> startPrefabTimer(const Prefabs& prefab);

    // The execution check: runs every running timer that is due within the next second.
    void executeNeededTimers();
    void stopAllTimers();
    // The window of `scheduler` is closing: a timer that is not running leaves the registry.
    void windowWillClose(const std::shared_ptr<Scheduler>& scheduler);

    TimerControllerDelegate* delegate = nullptr;
    // Called after every registration and removal; the program uses it to end when nothing is left.
    std::function<void()> registryChanged;

private:
    std::shared_ptr<Scheduler> newTimerOfMode(std::optional<TimerMode> mode);
    void execute(Scheduler& scheduler);

    Schedulers m_schedulers;
    std::unique_ptr<RunLoopTimer> m_checkTimer;
};
