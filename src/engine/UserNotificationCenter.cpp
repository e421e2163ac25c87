#include "engine/UserNotificationCenter.h"

#include "engine/UserNotification.h"
#include "engine/UserNotificationCenterDelegate.h"
#include "platform/Platform.h"

UserNotificationCenter& UserNotificationCenter::defaultCenter()
{
    static UserNotificationCenter center;
    center.bindToPlatform();
    return center;
}

void UserNotificationCenter::bindToPlatform()
{
    const std::shared_ptr<NotificationCenter>& service = Platform::services().notificationCenter;
    NotificationCenter* platform = &Platform::notificationCenter();
    if (platform == m_bound && m_boundService.lock() == service)
        return;
    m_bound = platform;
    m_boundService = service;
    m_delivered.clear();
    platform->setActivationHandler(
        [this](NotificationCenter::Id id, NotificationActivation) { activate(id); });
}

void UserNotificationCenter::scheduleNotification(const std::shared_ptr<UserNotification>& notification)
{
    if (notification->deliveredId)
        removeNotification(*notification);
    const NotificationCenter::Id id = m_bound->deliver(notification->content());
    notification->deliveredId = id;
    m_delivered[id] = notification;
}

void UserNotificationCenter::removeNotification(UserNotification& notification)
{
    if (!notification.deliveredId)
        return;
    const NotificationCenter::Id id = *std::exchange(notification.deliveredId, std::nullopt);
    m_delivered.erase(id);
    m_bound->remove(id);
}

void UserNotificationCenter::activate(NotificationCenter::Id id)
{
    const auto it = m_delivered.find(id);
    if (it == m_delivered.end())
        return;
    const std::shared_ptr<UserNotification> notification = it->second.lock();
    if (!notification)
        return;
    if (const auto handler = notification->handler())
        handler->userNotificationCenterDidActivateNotification(*notification);
}
