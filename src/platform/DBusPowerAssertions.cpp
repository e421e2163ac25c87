#include "platform/DBusPowerAssertions.h"

#include "platform/Bundle.h"
#include "platform/Log.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Short: the engine waits for the answer on the main thread.
constexpr int callTimeout = 2000;

const QString powerManagementService = QStringLiteral("org.freedesktop.PowerManagement");
const QString screenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString gnomeService = QStringLiteral("org.gnome.SessionManager");
const QString logindService = QStringLiteral("org.freedesktop.login1");

// GNOME session manager inhibit flags.
constexpr quint32 gnomeInhibitIdle = 4;
constexpr quint32 gnomeInhibitDisplayIdle = 8;

QDBusMessage call(const QDBusConnection& bus, const QString& service, const QString& path,
    const QString& interface, const QString& method, const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    message.setAutoStartService(false);
    return bus.call(message, QDBus::Block, callTimeout);
}

} // namespace

DBusPowerAssertions::DBusPowerAssertions(const QDBusConnection& sessionBus, const QDBusConnection& systemBus)
    : m_sessionBus(sessionBus)
    , m_systemBus(systemBus)
{ }

DBusPowerAssertions::~DBusPowerAssertions()
{
    // Quitting: let go of everything without waiting for answers or logging.
    for (auto& [id, assertion] : m_assertions) {
        if (assertion.logindLock >= 0)
            ::close(assertion.logindLock);
        for (const Cookie& cookie : assertion.cookies) {
            QDBusMessage message = QDBusMessage::createMethodCall(
                cookie.service, cookie.path, cookie.interface, cookie.releaseMethod);
            message << cookie.value;
            message.setAutoStartService(false);
            m_sessionBus.send(message);
        }
    }
}

std::optional<PowerAssertions::Id> DBusPowerAssertions::create(PowerAssertionType type, const QString& name)
{
    Assertion assertion;
    switch (type) {
    case PowerAssertionType::PreventUserIdleSystemSleep:
        inhibitSystemSleep(assertion, name);
        break;
    case PowerAssertionType::PreventUserIdleDisplaySleep:
        inhibitDisplaySleep(assertion, name);
        break;
    }
    if (assertion.cookies.empty() && assertion.logindLock < 0)
        return std::nullopt;
    const Id id = nextId();
    m_assertions.emplace(id, std::move(assertion));
    return id;
}

bool DBusPowerAssertions::release(Id id)
{
    const auto it = m_assertions.find(id);
    if (it == m_assertions.end())
        return false;
    Assertion assertion = std::move(it->second);
    m_assertions.erase(it);
    return releaseAssertion(assertion);
}

void DBusPowerAssertions::declareUserActivity(const QString&)
{
    if (!has(m_sessionBus, screenSaverService))
        return;
    QDBusMessage message
        = QDBusMessage::createMethodCall(screenSaverService, QStringLiteral("/org/freedesktop/ScreenSaver"),
            screenSaverService, QStringLiteral("SimulateUserActivity"));
    message.setAutoStartService(false);
    // Best effort, and nobody waits for it.
    m_sessionBus.asyncCall(message, callTimeout);
}

void DBusPowerAssertions::inhibitSystemSleep(Assertion& assertion, const QString& name)
{
    std::optional<Cookie> cookie;
    if (has(m_sessionBus, powerManagementService)) {
        cookie = inhibit(powerManagementService, QStringLiteral("/org/freedesktop/PowerManagement/Inhibit"),
            QStringLiteral("org.freedesktop.PowerManagement.Inhibit"), { Bundle::name(), name },
            QStringLiteral("UnInhibit"));
    }
    if (!cookie)
        cookie = inhibitGnome(name, gnomeInhibitIdle);
    if (cookie)
        assertion.cookies.push_back(*cookie);
    assertion.logindLock = takeLogindIdleLock(name);
}

void DBusPowerAssertions::inhibitDisplaySleep(Assertion& assertion, const QString& name)
{
    std::optional<Cookie> cookie;
    if (has(m_sessionBus, screenSaverService)) {
        for (const QString& path :
            { QStringLiteral("/org/freedesktop/ScreenSaver"), QStringLiteral("/ScreenSaver") }) {
            cookie = inhibit(screenSaverService, path, screenSaverService, { Bundle::name(), name },
                QStringLiteral("UnInhibit"));
            if (cookie)
                break;
        }
    }
    if (!cookie)
        cookie = inhibitGnome(name, gnomeInhibitDisplayIdle);
    if (cookie)
        assertion.cookies.push_back(*cookie);
}

std::optional<DBusPowerAssertions::Cookie> DBusPowerAssertions::inhibit(const QString& service,
    const QString& path, const QString& interface, const QVariantList& arguments,
    const QString& releaseMethod)
{
    const QDBusMessage reply
        = call(m_sessionBus, service, path, interface, QStringLiteral("Inhibit"), arguments);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        Log::system(QStringLiteral("%1.Inhibit at %2 failed: %3").arg(interface, path, reply.errorMessage()));
        return std::nullopt;
    }
    return Cookie { service, path, interface, releaseMethod, reply.arguments().constFirst().toUInt() };
}

std::optional<DBusPowerAssertions::Cookie> DBusPowerAssertions::inhibitGnome(
    const QString& name, quint32 flags)
{
    if (!has(m_sessionBus, gnomeService))
        return std::nullopt;
    const quint32 toplevelXid = 0;
    return inhibit(gnomeService, QStringLiteral("/org/gnome/SessionManager"), gnomeService,
        { Bundle::identifier(), toplevelXid, name, flags }, QStringLiteral("Uninhibit"));
}

int DBusPowerAssertions::takeLogindIdleLock(const QString& name)
{
    if (!has(m_systemBus, logindService))
        return -1;
    // Never "sleep" or "shutdown": those would also hold off a lid-close suspend and our own actions.
    const QDBusMessage reply = call(m_systemBus, logindService, QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"),
        { QStringLiteral("idle"), Bundle::name(), name, QStringLiteral("block") });
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        Log::system(QStringLiteral("logind Inhibit failed: %1").arg(reply.errorMessage()));
        return -1;
    }
    // The descriptor is shared by every copy of the reply; taking it leaves none behind to keep the lock.
    auto descriptor = reply.arguments().constFirst().value<QDBusUnixFileDescriptor>();
    const int fd = descriptor.takeFileDescriptor();
    if (fd < 0)
        return -1;
    // A script we start must not inherit the lock and keep it after we let go.
    ::fcntl(fd, F_SETFD, ::fcntl(fd, F_GETFD) | FD_CLOEXEC);
    return fd;
}

bool DBusPowerAssertions::releaseAssertion(Assertion& assertion)
{
    bool released = false;
    if (assertion.logindLock >= 0) {
        ::close(assertion.logindLock);
        assertion.logindLock = -1;
        released = true;
    }
    for (const Cookie& cookie : assertion.cookies) {
        const QDBusMessage reply = call(m_sessionBus, cookie.service, cookie.path, cookie.interface,
            cookie.releaseMethod, { cookie.value });
        if (reply.type() == QDBusMessage::ReplyMessage)
            released = true;
        else
            Log::system(QStringLiteral("%1.%2 failed: %3")
                            .arg(cookie.interface, cookie.releaseMethod, reply.errorMessage()));
    }
    assertion.cookies.clear();
    return released;
}

bool DBusPowerAssertions::has(const QDBusConnection& bus, const QString& service) const
{
    return bus.isConnected() && bus.interface()->isServiceRegistered(service).value();
}

DBusPowerAssertions::Id DBusPowerAssertions::nextId()
{
    do {
        ++m_lastId;
    } while (m_lastId == 0 || m_assertions.contains(m_lastId));
    return m_lastId;
}
