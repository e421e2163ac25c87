#include "engine/UserNotificationCenterDelegate.h"

#include "engine/Scheduler.h"

void UserNotificationCenterDelegate::userNotificationCenterDidActivateNotification(UserNotification&)
{
    if (const std::shared_ptr<Scheduler> scheduler = m_scheduler.lock())
        scheduler->postpone(postponeSeconds);
}
