#pragma once

#include "engine/Action.h"
#include "engine/ActionsList.h"
#include "engine/SleepManager.h"
#include "engine/TimerDaily.h"
#include "engine/TimerError.h"
#include "engine/TimerMode.h"
#include "platform/Expected.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

class SchedulerStateDelegate;
class SchedulerWindow;
class UserNotification;
class UserNotificationCenterDelegate;

// One timer: what the user configured, its run state, and what a run needs. Timers are made through
// the registry's createScheduler; they never fire themselves: the registry executes them when due.
class Scheduler final : public ActionDelegate, public std::enable_shared_from_this<Scheduler>
{
public:
    static std::shared_ptr<Scheduler> make();
    ~Scheduler() override;

    // Arms the timer: validates it, arms an action, prepares the notification, writes the cache record,
    // marks it running, registers it and takes the sleep assertions.
    Expected<void, TimerError> schedule();
    // Stops the timer. The stop is final when the user stops it or for a Relative or Absolute timer; a
    // Repeat or Daily timer stopped otherwise stays running for its view to re-arm.
    void stopWithUser(bool user);
    // Moves the current run by `seconds` from its execution date, in every mode.
    void postpone(double seconds);

    bool canStart() const;
    // Seconds until executeAt; negative once it has passed. Needs executeAt.
    double remaining() const;

    // The window, made from the storyboard on first use; none when no window is registered.
    SchedulerWindow* windowController();
    void loadWindowWithScheduler(const std::shared_ptr<Scheduler>& timer, bool show, bool start);
    void showWindow();
    // Out of the registry with its window closed, nothing can reach the timer again: its window goes
    // (and with it the view that holds the timer), unless it is shown or started again first.
    void discardUnreachableWindow();

    // Observed properties: each assignment runs the steps of the timer's lifecycle.
    QString id() const { return m_id; }
    void setId(const QString& id);
    const std::optional<ActionsList>& actionType() const { return m_actionType; }
    void setActionType(const std::optional<ActionsList>& actionType);
    const std::optional<QDateTime>& executeAt() const { return m_executeAt; }
    void setExecuteAt(const std::optional<QDateTime>& executeAt);
    const TimerDays& days() const { return m_days; }
    void setDays(const TimerDays& days);
    TimerMode mode() const { return m_mode; }
    void setMode(TimerMode mode);

    // Plain properties.
    const std::optional<QDateTime>& startedAt() const { return m_startedAt; }
    void setStartedAt(const std::optional<QDateTime>& startedAt) { m_startedAt = startedAt; }
    const std::optional<double>& length() const { return m_length; }
    void setLength(const std::optional<double>& length) { m_length = length; }
    bool isRunning() const { return m_isRunning; }
    bool isReseting() const { return m_isReseting; }
    void setIsReseting(bool isReseting) { m_isReseting = isReseting; }
    const std::shared_ptr<Action>& action() const { return m_action; }
    SchedulerStateDelegate* delegate() const { return m_delegate; }
    void setDelegate(SchedulerStateDelegate* delegate) { m_delegate = delegate; }
    SleepManager& sleepManager() { return *m_sleepManager; }
    const std::shared_ptr<UserNotificationCenterDelegate>& notificationDelegate() const
    {
        return m_notificationDelegate;
    }
    const std::shared_ptr<UserNotification>& notification() const { return m_notification; }

    // The execution date in milliseconds since the epoch, for the once-a-second check.
    qint64 executeAtMSecs() const { return m_executeAtMSecs; }

    void actionDidShedule() override;
    void actionDidStop() override;

private:
    Scheduler();

    void prepareNotification(int secondsBefore, const QString& actionName);
    void writeCacheRecord(const QString& actionName);
    void deleteCacheRecords();
    void rescheduleAfterChange();

    QString m_id;
    std::optional<ActionsList> m_actionType;
    std::shared_ptr<Action> m_action;
    std::optional<QDateTime> m_executeAt;
    qint64 m_executeAtMSecs = 0;
    TimerDays m_days;
    std::optional<QDateTime> m_startedAt;
    std::optional<double> m_length;
    SchedulerStateDelegate* m_delegate = nullptr; // the view; it clears this when it goes
    std::shared_ptr<SleepManager> m_sleepManager;
    std::shared_ptr<UserNotificationCenterDelegate> m_notificationDelegate;
    std::shared_ptr<UserNotification> m_notification;
    bool m_isRunning = false;
    bool m_isReseting = false;
    TimerMode m_mode = TimerMode::Relative;
    std::unique_ptr<SchedulerWindow> m_windowController;
    bool m_windowLookedUp = false;
};
