#pragma once

#include "platform/PowerActions.h"

#include <QDBusConnection>
#include <QObject>

class QDBusMessage;

// Shuts down, restarts and suspends through logind on the system bus, with interactive
// authorisation. Logs out through the desktop's session manager (GNOME, KDE, Xfce) when one is on
// the session bus, else by terminating the caller's own logind session. Calls are asynchronous, so
// that an authorisation prompt never blocks the windows; a failure goes to the system log.
class LogindPowerActions final : public QObject, public PowerActions
{
    Q_OBJECT

public:
    explicit LogindPowerActions(const QDBusConnection& sessionBus = QDBusConnection::sessionBus(),
        const QDBusConnection& systemBus = QDBusConnection::systemBus());

    void perform(PowerAction action) override;

private:
    void logOut();
    void send(const QDBusConnection& bus, const QDBusMessage& call, PowerAction action);

    QDBusConnection m_sessionBus;
    QDBusConnection m_systemBus;
};
