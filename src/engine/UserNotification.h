#pragma once

#include "platform/NotificationCenter.h"
#include "platform/RunLoop.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

class UserNotificationCenterDelegate;

// A notification of Quillet's: made, optionally with an action button, and handed to the notification
// center at its moment by an internal timer of its own.
class UserNotification : public std::enable_shared_from_this<UserNotification>
{
public:
    // initWithTitle:content:
    static std::shared_ptr<UserNotification> make(const QString& title, const QString& content);

    // The action button; shown whatever the desktop's alert style. Returns true.
    bool addAdditionalActionWithName(const QString& name);

    // At the date (at once when it has passed) the delivery date becomes now and the notification is
    // handed to the default center.
    void scheduleInternallyAt(const QDateTime& date);
    // Hands it to the default center at once, with the given delivery date.
    void scheduleAt(const QDateTime& date);
    // Takes it off the center, delivered or not, and cancels the internal timer, which stays attached.
    void remove();

    RunLoopTimer* internalTimer() const { return m_internalTimer.get(); }
    // Setting no timer is ignored.
    void setInternalTimer(std::unique_ptr<RunLoopTimer> timer);

    // The handler that an activation of this notification reaches, if it still lives.
    void setHandler(std::weak_ptr<UserNotificationCenterDelegate> handler) { m_handler = std::move(handler); }
    std::shared_ptr<UserNotificationCenterDelegate> handler() const { return m_handler.lock(); }

    QString title() const { return m_title; }
    QString informativeText() const { return m_informativeText; }
    QString actionButtonTitle() const { return m_actionButtonTitle; }
    bool hasActionButton() const { return m_hasActionButton; }
    bool showsButtons() const { return m_showsButtons; }
    std::optional<QDateTime> deliveryDate() const { return m_deliveryDate; }

    // The center's id while it is delivered.
    std::optional<NotificationCenter::Id> deliveredId;

private:
    friend class UserNotificationCenter;
    UserNotification(QString title, QString content);

    UserNotificationContent content() const;

    QString m_title;
    QString m_informativeText;
    QString m_actionButtonTitle;
    bool m_hasActionButton = false;
    bool m_showsButtons = false;
    std::optional<QDateTime> m_deliveryDate;
    std::unique_ptr<RunLoopTimer> m_internalTimer;
    std::weak_ptr<UserNotificationCenterDelegate> m_handler;
};
