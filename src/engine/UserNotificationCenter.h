#pragma once

#include "platform/NotificationCenter.h"

#include <map>
#include <memory>

class UserNotification;

// Delivers Quillet's notifications through the platform's notification center and routes each
// activation to the handler of the notification that was activated.
class UserNotificationCenter
{
public:
    static UserNotificationCenter& defaultCenter();

    void scheduleNotification(const std::shared_ptr<UserNotification>& notification);
    void removeNotification(UserNotification& notification);

    // A notification that is no longer alive, or whose handler is gone, is ignored.
    void activate(NotificationCenter::Id id);

private:
    void bindToPlatform();

    NotificationCenter* m_bound = nullptr;
    std::weak_ptr<NotificationCenter>
        m_boundService; // tells a new service from a dead one at the same address
    std::map<NotificationCenter::Id, std::weak_ptr<UserNotification>> m_delivered;
};
