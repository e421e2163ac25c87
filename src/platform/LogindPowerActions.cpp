#include "platform/LogindPowerActions.h"

#include "platform/Log.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString logindService = QStringLiteral("org.freedesktop.login1");

// An authorisation prompt may stay open for a while; the call must not give up under it.
constexpr int powerCallTimeout = 10 * 60 * 1000;

QDBusMessage managerCall(const QString& method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(logindService,
        QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"), method);
    call << true; // interactive: polkit may ask the user
    return call;
}

struct SessionManager
{
    QString service;
    QString path;
    QString interface;
    QString method;
    QVariantList arguments;
};

// Graceful log-outs of the desktops, tried in this order; each asks no further question.
QList<SessionManager> sessionManagers()
{
    return {
        { QStringLiteral("org.gnome.SessionManager"), QStringLiteral("/org/gnome/SessionManager"),
            QStringLiteral("org.gnome.SessionManager"), QStringLiteral("Logout"), { quint32(1) } },
        { QStringLiteral("org.kde.Shutdown"), QStringLiteral("/Shutdown"), QStringLiteral("org.kde.Shutdown"),
            QStringLiteral("logout"), {} },
        { QStringLiteral("org.xfce.SessionManager"), QStringLiteral("/org/xfce/SessionManager"),
            QStringLiteral("org.xfce.Session.Manager"), QStringLiteral("Logout"), { false, true } },
    };
}

bool isRegistered(const QDBusConnection& bus, const QString& service)
{
    return bus.isConnected() && bus.interface()->isServiceRegistered(service).value();
}

} // namespace

LogindPowerActions::LogindPowerActions(const QDBusConnection& sessionBus, const QDBusConnection& systemBus)
    : m_sessionBus(sessionBus)
    , m_systemBus(systemBus)
{ }

void LogindPowerActions::perform(PowerAction action)
{
    switch (action) {
    case PowerAction::ShutDown:
        send(m_systemBus, managerCall(QStringLiteral("PowerOff")), action);
        return;
    case PowerAction::Restart:
        send(m_systemBus, managerCall(QStringLiteral("Reboot")), action);
        return;
    case PowerAction::Sleep:
        send(m_systemBus, managerCall(QStringLiteral("Suspend")), action);
        return;
    case PowerAction::LogOut:
        logOut();
        return;
    }
}

void LogindPowerActions::logOut()
{
    for (const SessionManager& manager : sessionManagers()) {
        if (!isRegistered(m_sessionBus, manager.service))
            continue;
        QDBusMessage call = QDBusMessage::createMethodCall(
            manager.service, manager.path, manager.interface, manager.method);
        call.setArguments(manager.arguments);
        send(m_sessionBus, call, PowerAction::LogOut);
        return;
    }
    const QDBusMessage terminate = QDBusMessage::createMethodCall(logindService,
        QStringLiteral("/org/freedesktop/login1/session/auto"),
        QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("Terminate"));
    send(m_systemBus, terminate, PowerAction::LogOut);
}

void LogindPowerActions::send(const QDBusConnection& bus, const QDBusMessage& call, PowerAction action)
{
    const QString what = powerActionName(action);
    if (!bus.isConnected()) {
        Log::system(QStringLiteral("Could not %1: no connection to the bus (%2)")
                        .arg(what, bus.lastError().message()));
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, powerCallTimeout), this);
    connect(
        watcher, &QDBusPendingCallWatcher::finished, this, [what, call](QDBusPendingCallWatcher* finished) {
            const QDBusPendingReply<> reply = *finished;
            if (reply.isError()) {
                const QDBusError error = reply.error();
                Log::system(QStringLiteral("Could not %1: %2.%3 failed: %4 (%5)")
                                .arg(what, call.interface(), call.member(), error.message(), error.name()));
            }
            finished->deleteLater();
        });
}
