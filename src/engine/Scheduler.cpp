#include "engine/Scheduler.h"

#include "engine/SchedulerController.h"
#include "engine/SchedulerStateDelegate.h"
#include "engine/SchedulerWindow.h"
#include "engine/UserNotification.h"
#include "engine/UserNotificationCenterDelegate.h"
#include "persistence/DayList.h"
#include "persistence/RecordStore.h"
#include "platform/Clock.h"
#include "platform/CrashReporter.h"
#include "platform/DefaultsKeys.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/RunLoop.h"
#include "platform/Uuid.h"

#include <QCoreApplication>

namespace {

constexpr double sleepReleaseDelay = 60.0;

QDateTime now()
{
    return Platform::clock().now();
}

} // namespace

SchedulerStateDelegate::~SchedulerStateDelegate() = default;
const QString SchedulerWindow::storyboardIdentifier = QStringLiteral("timerWindowController");

std::shared_ptr<Scheduler> Scheduler::make()
{
    return std::shared_ptr<Scheduler>(new Scheduler());
}

Scheduler::Scheduler()
    : m_id(Uuid::string())
    , m_days(defaultTimerDays())
    , m_sleepManager(std::make_shared<SleepManager>())
{ }

Scheduler::~Scheduler() = default;

void Scheduler::setId(const QString& id)
{
    stopWithUser(true);
    m_id = id;
}

void Scheduler::setActionType(const std::optional<ActionsList>& actionType)
{
    if (m_action) {
        m_action->cancelScheduledTimer();
        m_action.reset();
    }
    m_actionType = actionType;
    if (m_isRunning) {
        stopWithUser(false);
        rescheduleAfterChange();
    }
    if (m_actionType && m_delegate)
        m_delegate->timerDidChangeAction(*m_actionType);
}

void Scheduler::setExecuteAt(const std::optional<QDateTime>& executeAt)
{
    m_executeAt = executeAt;
    m_executeAtMSecs = executeAt ? executeAt->toMSecsSinceEpoch() : 0;
    if (m_isRunning) {
        if (!m_isReseting)
            stopWithUser(false);
        rescheduleAfterChange();
        m_isReseting = false;
    }
}

void Scheduler::setDays(const TimerDays& days)
{
    m_days = days;
    if (m_isRunning) {
        stopWithUser(false);
        rescheduleAfterChange();
    }
}

void Scheduler::setMode(TimerMode mode)
{
    m_mode = mode;
    if (m_delegate)
        m_delegate->timerDidChangeMode(mode);
}

void Scheduler::rescheduleAfterChange()
{
    if (auto scheduled = schedule(); !scheduled)
        Log::out(scheduled.error().localizedDescription());
}

Expected<void, TimerError> Scheduler::schedule()
{
    if (m_isReseting)
        setId(Uuid::string());
    if (!m_startedAt)
        m_startedAt = now();
    if (!m_executeAt)
        return unexpected(TimerError::InvalidDate(std::nullopt));
    if (m_mode != TimerMode::Absolute && *m_executeAt < *m_startedAt)
        return unexpected(TimerError::InvalidDate(m_executeAt));

    m_action = Action::make(m_actionType);
    if (!m_action)
        return unexpected(TimerError::InvalidAction(nullptr));
    m_action->delegate = weak_from_this();

    if (!m_length)
        m_length = now().msecsTo(*m_executeAt) / 1000.0;

    // A script's name is a store look-up: once for the notification and the record.
    const QString actionName = m_action->action.displayName();
    const int secondsBefore = Platform::defaults().get(DefaultsKeys::secondsBeforeNotification);
    if (m_startedAt->addSecs(secondsBefore) < *m_executeAt)
        prepareNotification(secondsBefore, actionName);

    writeCacheRecord(actionName);

    m_isRunning = true;
    if (m_delegate)
        m_delegate->timerDidStart();
    if (SchedulerController* registry = SchedulerController::shared())
        registry->addTimerWithScheduler(shared_from_this());
    if (auto prevented = m_sleepManager->preventSleep(false); !prevented)
        Log::out(sleepManagerErrorDescription(prevented.error()));
    return {};
}

void Scheduler::prepareNotification(int secondsBefore, const QString& actionName)
{
    // One notification per run: a run scheduled again replaces the one it showed before.
    if (m_notification)
        m_notification->remove();

    m_notificationDelegate = std::make_shared<UserNotificationCenterDelegate>(weak_from_this());
    const QString text
        = QCoreApplication::translate("Scheduler", "Action %1 will execute soon!", "Notifiation")
              .arg(actionName);
    m_notification = UserNotification::make(QStringLiteral("Quillet"), text);
    m_notification->setHandler(m_notificationDelegate);
    m_notification->addAdditionalActionWithName(
        QCoreApplication::translate("Scheduler", "+10 min", "Notifiation"));
    m_notification->scheduleInternallyAt(m_executeAt->addSecs(-secondsBefore));
}

void Scheduler::writeCacheRecord(const QString& actionName)
{
    SchedulerCache cache;
    cache.id = m_id;
    cache.name = actionName;
    cache.startedAt = now();
    cache.executeAt = *m_executeAt;
    cache.length = *m_length;
    cache.action = m_action->action.actionCode();
    cache.mode = timerModeRawValue(m_mode);
    cache.days = dayListFromDays(m_days);

    auto store = RecordStore::open();
    if (!store) {
        Platform::crashReporter().recordError(store.error().toPlatformError());
        return;
    }
    // Replacing the timer's records in the same transaction: two records would restore it twice.
    const Results<SchedulerCache> previous
        = store->objects<SchedulerCache>(Predicate::equals(QStringLiteral("id"), m_id));
    auto written = store->write([&](RecordWrite& write) {
        write.remove(previous);
        write.add(cache);
    });
    if (!written)
        Platform::crashReporter().recordError(written.error().toPlatformError());
}

void Scheduler::deleteCacheRecords()
{
    auto store = RecordStore::open();
    if (!store) {
        Platform::crashReporter().recordError(store.error().toPlatformError());
        return;
    }
    const Results<SchedulerCache> records
        = store->objects<SchedulerCache>(Predicate::equals(QStringLiteral("id"), m_id));
    if (auto deleted = store->write([&](RecordWrite& write) { write.remove(records); }); !deleted)
        Platform::crashReporter().recordError(deleted.error().toPlatformError());
}

void Scheduler::stopWithUser(bool user)
{
    // Taken now: the view may schedule the timer again before this stop ends, and the assertions of
    // that new run must stay.
    SleepManager::Assertions held = m_sleepManager->takeAssertions();

    deleteCacheRecords();
    if (m_action)
        m_action->cancelScheduledTimer();
    if (m_notification)
        m_notification->remove();
    m_startedAt.reset();

    const bool final = user || m_mode == TimerMode::Relative || m_mode == TimerMode::Absolute;
    if (final) {
        m_isRunning = false;
        m_action.reset();
        if (SchedulerController* registry = SchedulerController::shared())
            registry->removeTimerWithId(m_id);
        if (m_windowController && !m_windowController->isWindowVisible())
            discardUnreachableWindow();
    }
    // The timer stays alive while its view handles the stop, also when nothing else holds it.
    const std::shared_ptr<Scheduler> keepAlive = shared_from_this();
    if (m_delegate)
        m_delegate->timerDidStopWithUser(final ? user : false);

    Platform::runLoop().after(sleepReleaseDelay, [held = std::move(held)]() mutable {
        if (held.empty())
            return;
        if (auto released = SleepManager::release(std::move(held)); !released)
            Log::out(sleepManagerErrorDescription(released.error()));
    });
}

void Scheduler::postpone(double seconds)
{
    if (!m_isRunning || !m_executeAt)
        return;
    // Scheduled again as a re-arm is: under a new id, which first ends the current run.
    m_isReseting = true;
    setExecuteAt(m_executeAt->addMSecs(std::llround(seconds * 1000.0)));
    m_isReseting = false;
}

bool Scheduler::canStart() const
{
    if (m_mode == TimerMode::Absolute)
        return true;
    if (!m_actionType)
        return false;
    return (m_executeAt && *m_executeAt > now()) || m_length.has_value();
}

double Scheduler::remaining() const
{
    return now().msecsTo(*m_executeAt) / 1000.0;
}

SchedulerWindow* Scheduler::windowController()
{
    if (!m_windowLookedUp) {
        m_windowLookedUp = true;
        std::unique_ptr<StoryboardController> controller
            = Platform::storyboard().instantiateController(SchedulerWindow::storyboardIdentifier);
        if (auto* window = dynamic_cast<SchedulerWindow*>(controller.get())) {
            controller.release();
            m_windowController.reset(window);
        }
    }
    return m_windowController.get();
}

void Scheduler::loadWindowWithScheduler(const std::shared_ptr<Scheduler>& timer, bool show, bool start)
{
    if (SchedulerWindow* window = windowController())
        window->bindScheduler(timer);
    if (start) {
        if (auto scheduled = schedule(); !scheduled)
            Log::out(scheduled.error().localizedDescription());
    }
    if (show)
        showWindow();
}

void Scheduler::showWindow()
{
    if (SchedulerWindow* window = windowController()) {
        window->setModeImage(m_mode);
        window->showWindow();
    }
}

void Scheduler::discardUnreachableWindow()
{
    // Later: this may run inside the window's own event handling. By then the timer may have been
    // started again or its window shown; then the window stays.
    Platform::runLoop().after(0, [self = shared_from_this()] {
        if (!self->m_isRunning && self->m_windowController && !self->m_windowController->isWindowVisible())
            self->m_windowController.reset();
    });
}

void Scheduler::actionDidShedule() { }

void Scheduler::actionDidStop()
{
    stopWithUser(false);
}
