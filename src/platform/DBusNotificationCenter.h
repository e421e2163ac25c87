#pragma once

#include "platform/NotificationCenter.h"

#include <QDBusConnection>
#include <QObject>

#include <map>
#include <memory>

class NoticeWindow;

// Notifications through the desktop's notification server, with the action button and a click on
// the body as activations. Without a server, or with one that shows no actions, Quillet's own
// notice window shows the same text and button, so that a warning before a shutdown is never lost.
class DBusNotificationCenter final : public QObject, public NotificationCenter
{
    Q_OBJECT

public:
    explicit DBusNotificationCenter(const QDBusConnection& sessionBus = QDBusConnection::sessionBus());
    ~DBusNotificationCenter() override;

    Id deliver(const UserNotificationContent& content) override;
    void remove(Id id) override;

    // The notice windows shown now, for the tests of the fallback.
    QList<NoticeWindow*> noticeWindows() const;

private Q_SLOTS:
    void onActionInvoked(uint serverId, const QString& key);
    void onNotificationClosed(uint serverId, uint reason);

private:
    struct LaterDeleter
    {
        void operator()(NoticeWindow* window) const;
    };
    using NoticePointer = std::unique_ptr<NoticeWindow, LaterDeleter>;

    bool serverShowsActions() const;
    std::optional<uint> notify(const UserNotificationContent& content);
    void showNotice(Id id, const UserNotificationContent& content);
    void closeNotice(Id id);
    std::optional<Id> idForServerId(uint serverId) const;
    Id nextId();

    QDBusConnection m_bus;
    std::map<Id, uint> m_serverIds; // ours -> the server's
    std::map<Id, NoticePointer> m_notices;
    Id m_lastId = 0;
};
