#include "engine/SchedulerController.h"

#include "engine/Scheduler.h"
#include "engine/SchedulerWindow.h"
#include "engine/ScriptRunner.h"
#include "persistence/Records.h"
#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/Platform.h"

namespace {

SchedulerController* sharedController = nullptr;

} // namespace

TimerControllerDelegate::~TimerControllerDelegate() = default;

SchedulerController::SchedulerController()
    : m_checkTimer(Platform::runLoop().repeating(1.0, [this] { executeNeededTimers(); }))
{
    sharedController = this;
}

SchedulerController::~SchedulerController()
{
    if (sharedController == this)
        sharedController = nullptr;
}

SchedulerController* SchedulerController::shared()
{
    return sharedController;
}

SchedulerController::Schedulers SchedulerController::runningSchedulers() const
{
    Schedulers running;
    for (const auto& [id, scheduler] : m_schedulers) {
        if (scheduler->isRunning())
            running.emplace(id, scheduler);
    }
    return running;
}

SchedulerController::Schedulers SchedulerController::pausedSchedulers() const
{
    Schedulers paused;
    for (const auto& [id, scheduler] : m_schedulers) {
        if (!scheduler->isRunning())
            paused.emplace(id, scheduler);
    }
    return paused;
}

void SchedulerController::addTimerWithScheduler(const std::shared_ptr<Scheduler>& scheduler)
{
    m_schedulers[scheduler->id()] = scheduler;
    if (delegate)
        delegate->timerControllerDidAddScheduler(scheduler);
    if (registryChanged)
        registryChanged();
}

void SchedulerController::removeTimerWithId(const QString& id)
{
    if (m_schedulers.erase(id) && registryChanged)
        registryChanged();
}

std::shared_ptr<Scheduler> SchedulerController::createScheduler(std::optional<TimerMode> mode,
    std::optional<QDateTime> startedAt, std::optional<QDateTime> executeAt, std::optional<ActionsList> action,
    bool show, bool start, std::optional<double> length)
{
    std::shared_ptr<Scheduler> scheduler = Scheduler::make();
    scheduler->setLength(length);
    if (mode)
        scheduler->setMode(*mode);
    if (executeAt)
        scheduler->setExecuteAt(executeAt);
    if (startedAt)
        scheduler->setStartedAt(startedAt);
    if (action)
        scheduler->setActionType(action);
    scheduler->loadWindowWithScheduler(scheduler, show, start);
    if (SchedulerWindow* window = scheduler->windowController(); window && window->hasWindow()) {
        std::weak_ptr<Scheduler> weak = scheduler;
        window->setWindowWillClose([this, weak] {
            if (auto closing = weak.lock())
                windowWillClose(closing);
        });
    }
    addTimerWithScheduler(scheduler);
    return scheduler;
}

std::shared_ptr<Scheduler> SchedulerController::newTimerOfMode(std::optional<TimerMode> mode)
{
    return createScheduler(
        mode, Platform::clock().now(), std::nullopt, std::nullopt, true, false, std::nullopt);
}

std::shared_ptr<Scheduler> SchedulerController::newTimer()
{
    return newTimerOfMode(std::nullopt);
}

std::shared_ptr<Scheduler> SchedulerController::newRepeatableTimer()
{
    return newTimerOfMode(TimerMode::Repeat);
}

std::shared_ptr<Scheduler> SchedulerController::newAbsoluteTimer()
{
    return newTimerOfMode(TimerMode::Absolute);
}

std::shared_ptr<Scheduler> SchedulerController::newDailyTimer()
{
    return newTimerOfMode(TimerMode::Daily);
}

std::shared_ptr<Scheduler> SchedulerController::startPrefabTimer(const Prefabs& prefab)
{
    const QDateTime now = Platform::clock().now();
    const QDateTime executeAt = now.addMSecs(std::llround(prefab.length * 1000.0));
    return createScheduler(timerModeFromRawValue(prefab.mode), now, executeAt,
        ActionsList::fromActionCode(prefab.action, prefab.idScript), false, true, std::nullopt);
}

void SchedulerController::executeNeededTimers()
{
    // The due timers are taken before any runs: timers added, removed or re-armed during the pass do not
    // change it, and a pass with nothing due copies nothing.
    const qint64 horizon = Platform::clock().now().toMSecsSinceEpoch() + 1000;
    std::vector<std::shared_ptr<Scheduler>> due;
    for (const auto& [id, scheduler] : m_schedulers) {
        if (scheduler->isRunning() && scheduler->executeAt() && scheduler->executeAtMSecs() < horizon)
            due.push_back(scheduler);
    }
    for (const std::shared_ptr<Scheduler>& scheduler : due)
        execute(*scheduler);
}

void SchedulerController::execute(Scheduler& scheduler)
{
    // A timer that cannot run is skipped, so that it holds up no other due timer of the pass.
    if (!scheduler.actionType())
        return;
    const ActionCommand command = scheduler.actionType()->command();
    const std::shared_ptr<Action> action = scheduler.action();
    if (!action)
        return;
    switch (command.kind) {
    case ActionCommand::Kind::None:
        return;
    case ActionCommand::Kind::Source:
        ScriptRunner().buildAndRunWithContents(command.source);
        break;
    case ActionCommand::Kind::File:
        if (auto ran = ScriptRunner().buildAndRunAtURL(command.filePath); !ran) {
            // Left running and due: the timer view's failsafe reports it and stops the timer.
            Log::system(QStringLiteral("The script %1 could not be run: %2")
                            .arg(command.filePath, ran.error().localizedDescription()));
            return;
        }
        break;
    }
    if (const auto delegate = action->delegate.lock())
        delegate->actionDidStop();
}

void SchedulerController::stopAllTimers()
{
    for (const auto& [id, scheduler] : runningSchedulers())
        scheduler->stopWithUser(true);
}

void SchedulerController::windowWillClose(const std::shared_ptr<Scheduler>& scheduler)
{
    if (scheduler->isRunning())
        return;
    removeTimerWithId(scheduler->id());
    scheduler->discardUnreachableWindow();
}
