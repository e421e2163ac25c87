#pragma once

#include <memory>

class Scheduler;
class UserNotification;

// The handler of a timer's notification: activating the notification postpones that timer.
class UserNotificationCenterDelegate
{
public:
    static constexpr double postponeSeconds = 600.0;

    explicit UserNotificationCenterDelegate(std::weak_ptr<Scheduler> scheduler)
        : m_scheduler(std::move(scheduler))
    { }

    // Postpones the timer by ten minutes, whichever way the notification was activated.
    void userNotificationCenterDidActivateNotification(UserNotification& notification);

    std::shared_ptr<Scheduler> scheduler() const { return m_scheduler.lock(); }

private:
    // The timer owns its handler; the handler must not keep the timer alive.
    std::weak_ptr<Scheduler> m_scheduler;
};
