#include "platform/DBusNotificationCenter.h"

#include "platform/Bundle.h"
#include "platform/Log.h"
#include "platform/NoticeWindow.h"

#include <QApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");

const QString defaultAction = QStringLiteral("default"); // a click on the body
const QString postponeAction = QStringLiteral("postpone");

constexpr int callTimeout = 3000;
constexpr uchar criticalUrgency = 2; // stays on screen until the user acts: it warns of a shutdown
constexpr int neverExpires = 0;

QDBusMessage methodCall(const QString& method, const QVariantList& arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    message.setAutoStartService(false);
    return message;
}

} // namespace

void DBusNotificationCenter::LaterDeleter::operator()(NoticeWindow* window) const
{
    // The window may be in the middle of emitting the click that removes it.
    window->hide();
    window->deleteLater();
}

DBusNotificationCenter::DBusNotificationCenter(const QDBusConnection& sessionBus)
    : m_bus(sessionBus)
{
    // The signals go to every program: only the server's, and only for our ids, count.
    m_bus.connect(service, path, interface, QStringLiteral("ActionInvoked"), this,
        SLOT(onActionInvoked(uint, QString)));
    m_bus.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
        SLOT(onNotificationClosed(uint, uint)));
}

DBusNotificationCenter::~DBusNotificationCenter()
{
    for (auto& [id, notice] : m_notices)
        delete notice.release();
}

NotificationCenter::Id DBusNotificationCenter::deliver(const UserNotificationContent& content)
{
    const Id id = nextId();
    if (serverShowsActions()) {
        if (const auto serverId = notify(content)) {
            m_serverIds.emplace(id, *serverId);
            return id;
        }
    }
    showNotice(id, content);
    return id;
}

void DBusNotificationCenter::remove(Id id)
{
    if (const auto it = m_serverIds.find(id); it != m_serverIds.end()) {
        m_bus.send(methodCall(QStringLiteral("CloseNotification"), { it->second }));
        m_serverIds.erase(it);
    }
    closeNotice(id);
}

QList<NoticeWindow*> DBusNotificationCenter::noticeWindows() const
{
    QList<NoticeWindow*> windows;
    for (const auto& [id, notice] : m_notices)
        windows << notice.get();
    return windows;
}

void DBusNotificationCenter::onActionInvoked(uint serverId, const QString& key)
{
    const auto id = idForServerId(serverId);
    if (!id)
        return;
    activated(*id,
        key == defaultAction ? NotificationActivation::ContentClicked
                             : NotificationActivation::ActionButtonClicked);
}

void DBusNotificationCenter::onNotificationClosed(uint serverId, uint)
{
    if (const auto id = idForServerId(serverId))
        m_serverIds.erase(*id);
}

bool DBusNotificationCenter::serverShowsActions() const
{
    if (!m_bus.isConnected() || !m_bus.interface()->isServiceRegistered(service).value())
        return false;
    const QDBusMessage reply
        = m_bus.call(methodCall(QStringLiteral("GetCapabilities")), QDBus::Block, callTimeout);
    return reply.type() == QDBusMessage::ReplyMessage
        && reply.arguments().value(0).toStringList().contains(QStringLiteral("actions"));
}

std::optional<uint> DBusNotificationCenter::notify(const UserNotificationContent& content)
{
    QStringList actions { defaultAction, tr("Open") };
    if (!content.actionButtonTitle.isEmpty())
        actions << postponeAction << content.actionButtonTitle;
    const QVariantMap hints {
        { QStringLiteral("urgency"), QVariant::fromValue(criticalUrgency) },
        { QStringLiteral("desktop-entry"), Bundle::identifier() },
    };
    const quint32 replacesId = 0;
    const QDBusMessage reply
        = m_bus.call(methodCall(QStringLiteral("Notify"),
                         { Bundle::name(), replacesId, Bundle::identifier(), content.title,
                             content.informativeText, actions, hints, neverExpires }),
            QDBus::Block, callTimeout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        Log::system(
            QStringLiteral("Notify failed, showing Quillet's own notice: %1").arg(reply.errorMessage()));
        return std::nullopt;
    }
    return reply.arguments().constFirst().toUInt();
}

void DBusNotificationCenter::showNotice(Id id, const UserNotificationContent& content)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        Log::system(QStringLiteral("No notification server and no windows: %1").arg(content.informativeText));
        return;
    }
    NoticePointer notice(new NoticeWindow(content.title, content.informativeText, content.actionButtonTitle));
    NoticeWindow* window = notice.get();
    // The notice goes away on any answer, as a desktop notification does.
    connect(window, &NoticeWindow::contentClicked, this, [this, id] {
        closeNotice(id);
        activated(id, NotificationActivation::ContentClicked);
    });
    connect(window, &NoticeWindow::actionButtonClicked, this, [this, id] {
        closeNotice(id);
        activated(id, NotificationActivation::ActionButtonClicked);
    });
    connect(window, &NoticeWindow::dismissed, this, [this, id] { closeNotice(id); });
    const int stackIndex = int(m_notices.size());
    m_notices.emplace(id, std::move(notice));
    window->showAtTopRight(stackIndex);
}

void DBusNotificationCenter::closeNotice(Id id)
{
    m_notices.erase(id);
}

std::optional<NotificationCenter::Id> DBusNotificationCenter::idForServerId(uint serverId) const
{
    for (const auto& [id, known] : m_serverIds) {
        if (known == serverId)
            return id;
    }
    return std::nullopt;
}

NotificationCenter::Id DBusNotificationCenter::nextId()
{
    do {
        ++m_lastId;
    } while (m_lastId == 0 || m_serverIds.contains(m_lastId) || m_notices.contains(m_lastId));
    return m_lastId;
}
