#pragma once

#include <QString>

#include <functional>

// What a notification shows.
struct UserNotificationContent
{
    QString title;
    QString informativeText;
    QString actionButtonTitle; // empty: no action button
};

enum class NotificationActivation {
    ContentClicked,
    ActionButtonClicked,
};

// The desktop's notification center. Activations reach the one handler with the id that deliver()
// returned, so that each activation can be routed to the notification's own owner.
class NotificationCenter
{
public:
    using Id = quint32;
    using ActivationHandler = std::function<void(Id, NotificationActivation)>;

    virtual ~NotificationCenter();

    // Shows the notification now; returns an id of Quillet's own, never 0.
    virtual Id deliver(const UserNotificationContent& content) = 0;
    // Takes a delivered notification away; unknown ids are ignored.
    virtual void remove(Id id) = 0;

    void setActivationHandler(ActivationHandler handler) { m_activationHandler = std::move(handler); }

protected:
    void activated(Id id, NotificationActivation how)
    {
        if (m_activationHandler)
            m_activationHandler(id, how);
    }

private:
    ActivationHandler m_activationHandler;
};
