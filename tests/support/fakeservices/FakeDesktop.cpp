#include "FakeDesktop.h"

#include <QDBusMetaType>
#include <QDBusUnixFileDescriptor>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString logindManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString logindSession = QStringLiteral("org.freedesktop.login1.Session");
const QString notificationsInterface = QStringLiteral("org.freedesktop.Notifications");
const QString notificationsPath = QStringLiteral("/org/freedesktop/Notifications");

QDBusMessage unknownMethod(const QDBusMessage& call)
{
    return call.createErrorReply(QDBusError::UnknownMethod,
        QStringLiteral("The fake has no %1.%2 at %3").arg(call.interface(), call.member(), call.path()));
}

} // namespace

FakeDesktop::FakeDesktop(const FakeDesktopOptions& options, const QDBusConnection& connection)
    : m_options(options)
    , m_connection(connection)
{
    qDBusRegisterMetaType<RecordedCall>();
    qDBusRegisterMetaType<QList<RecordedCall>>();
}

FakeDesktop::~FakeDesktop()
{
    for (const auto& inhibitor : m_logindInhibitors)
        ::close(inhibitor.readEnd);
}

QStringList FakeDesktop::services() const
{
    QStringList names;
    if (m_options.logind)
        names << QStringLiteral("org.freedesktop.login1");
    if (m_options.notifications)
        names << QStringLiteral("org.freedesktop.Notifications");
    if (m_options.screenSaver)
        names << QStringLiteral("org.freedesktop.ScreenSaver");
    if (m_options.powerManagement)
        names << QStringLiteral("org.freedesktop.PowerManagement");
    if (m_options.gnome)
        names << QStringLiteral("org.gnome.SessionManager");
    if (m_options.kde)
        names << QStringLiteral("org.kde.Shutdown");
    if (m_options.xfce)
        names << QStringLiteral("org.xfce.SessionManager");
    names << FakeServicesControl::service();
    return names;
}

QString FakeDesktop::introspect(const QString&) const
{
    return {};
}

bool FakeDesktop::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    if (message.interface() == QLatin1String("org.freedesktop.DBus.Introspectable")
        || message.interface() == QLatin1String("org.freedesktop.DBus.Properties"))
        return false;

    if (message.interface() != FakeServicesControl::interface()) {
        RecordedCall call { message.path(), message.interface(), message.member(), {} };
        for (const QVariant& argument : message.arguments())
            call.arguments << RecordedCall::renderArgument(argument);
        m_calls.push_back(call);
    }
    const QDBusMessage reply = answer(message);
    if (!message.isReplyRequired())
        return true;
    connection.send(reply);
    return true;
}

QDBusMessage FakeDesktop::answer(const QDBusMessage& call)
{
    const QString& interface = call.interface();
    const QString& member = call.member();
    const QString& path = call.path();

    if (interface == FakeServicesControl::interface() && path == FakeServicesControl::path())
        return answerControl(call);
    if (interface == logindManager || interface == logindSession)
        return answerLogind(call);
    if (interface == notificationsInterface && path == notificationsPath)
        return answerNotifications(call);

    if (interface == QLatin1String("org.freedesktop.ScreenSaver") && path == m_options.screenSaverPath) {
        if (member == QLatin1String("Inhibit"))
            return inhibit(call, QStringLiteral("screensaver"));
        if (member == QLatin1String("UnInhibit"))
            return uninhibit(call, QStringLiteral("screensaver"));
        if (member == QLatin1String("SimulateUserActivity"))
            return call.createReply();
    }
    if (interface == QLatin1String("org.freedesktop.PowerManagement.Inhibit")
        && path == QLatin1String("/org/freedesktop/PowerManagement/Inhibit")) {
        if (member == QLatin1String("Inhibit"))
            return inhibit(call, QStringLiteral("powermanagement"));
        if (member == QLatin1String("UnInhibit"))
            return uninhibit(call, QStringLiteral("powermanagement"));
    }
    if (interface == QLatin1String("org.gnome.SessionManager")
        && path == QLatin1String("/org/gnome/SessionManager")) {
        if (member == QLatin1String("Inhibit") && call.arguments().size() == 4)
            return inhibit(call, QStringLiteral("gnome ") + call.arguments().at(3).toString());
        if (member == QLatin1String("Uninhibit")) {
            const quint32 cookie = call.arguments().value(0).toUInt();
            return uninhibit(call, m_cookies.value(cookie));
        }
        if (member == QLatin1String("Logout"))
            return call.createReply();
    }
    if (interface == QLatin1String("org.kde.Shutdown") && path == QLatin1String("/Shutdown")
        && member == QLatin1String("logout"))
        return call.createReply();
    if (interface == QLatin1String("org.xfce.Session.Manager")
        && path == QLatin1String("/org/xfce/SessionManager") && member == QLatin1String("Logout"))
        return call.createReply();
    return unknownMethod(call);
}

QDBusMessage FakeDesktop::answerControl(const QDBusMessage& call)
{
    const QString& member = call.member();
    const QVariantList arguments = call.arguments();
    if (member == QLatin1String("Calls"))
        return call.createReply(QVariant::fromValue(m_calls));
    if (member == QLatin1String("ClearCalls")) {
        m_calls.clear();
        return call.createReply();
    }
    if (member == QLatin1String("OpenInhibitors"))
        return call.createReply(openInhibitors());
    if (member == QLatin1String("InhibitorPipes"))
        return call.createReply(inhibitorPipes());
    if (member == QLatin1String("EmitActionInvoked") && arguments.size() == 2) {
        emitSignal(QStringLiteral("ActionInvoked"), { arguments.at(0).toUInt(), arguments.at(1).toString() });
        return call.createReply();
    }
    if (member == QLatin1String("EmitNotificationClosed") && arguments.size() == 2) {
        emitSignal(
            QStringLiteral("NotificationClosed"), { arguments.at(0).toUInt(), arguments.at(1).toUInt() });
        return call.createReply();
    }
    return unknownMethod(call);
}

QDBusMessage FakeDesktop::answerLogind(const QDBusMessage& call)
{
    const QString& member = call.member();
    const bool manager
        = call.interface() == logindManager && call.path() == QLatin1String("/org/freedesktop/login1");
    const bool session = call.interface() == logindSession
        && call.path() == QLatin1String("/org/freedesktop/login1/session/auto")
        && member == QLatin1String("Terminate");
    const bool power = manager
        && (member == QLatin1String("PowerOff") || member == QLatin1String("Reboot")
            || member == QLatin1String("Suspend"));
    const bool inhibitCall = manager && member == QLatin1String("Inhibit") && call.arguments().size() == 4;
    if (!session && !power && !inhibitCall)
        return unknownMethod(call);
    if (m_options.logindRefuses)
        return call.createErrorReply(QDBusError::AccessDenied, QStringLiteral("The fake logind refuses."));
    if (!inhibitCall)
        return call.createReply();

    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return call.createErrorReply(QDBusError::Failed, QStringLiteral("pipe failed"));
    const QDBusUnixFileDescriptor writeEnd(ends[1]); // a duplicate; ours is closed below
    ::close(ends[1]);
    m_logindInhibitors.push_back(
        { ends[0], call.arguments().at(0).toString(), call.arguments().at(3).toString() });
    return call.createReply(QVariant::fromValue(writeEnd));
}

QDBusMessage FakeDesktop::answerNotifications(const QDBusMessage& call)
{
    const QString& member = call.member();
    if (member == QLatin1String("GetCapabilities")) {
        QStringList capabilities { QStringLiteral("body") };
        if (m_options.notificationActions)
            capabilities << QStringLiteral("actions");
        return call.createReply(capabilities);
    }
    if (member == QLatin1String("GetServerInformation")) {
        return call.createReply({ QStringLiteral("Fake"), QStringLiteral("Vendane"), QStringLiteral("1"),
            QStringLiteral("1.2") });
    }
    if (member == QLatin1String("Notify"))
        return call.createReply(QVariant::fromValue(m_nextNotification++));
    if (member == QLatin1String("CloseNotification")) {
        const quint32 id = call.arguments().value(0).toUInt();
        emitSignal(QStringLiteral("NotificationClosed"), { id, 3u });
        return call.createReply();
    }
    return unknownMethod(call);
}

QDBusMessage FakeDesktop::inhibit(const QDBusMessage& call, const QString& kind)
{
    const quint32 cookie = m_nextCookie++;
    m_cookies.insert(cookie, kind);
    return call.createReply(QVariant::fromValue(cookie));
}

QDBusMessage FakeDesktop::uninhibit(const QDBusMessage& call, const QString& kind)
{
    const quint32 cookie = call.arguments().value(0).toUInt();
    if (kind.isEmpty() || m_cookies.value(cookie) != kind)
        return call.createErrorReply(
            QDBusError::InvalidArgs, QStringLiteral("No such cookie: %1").arg(cookie));
    m_cookies.remove(cookie);
    return call.createReply();
}

void FakeDesktop::forgetClosedLogindInhibitors()
{
    std::erase_if(m_logindInhibitors, [](const LogindInhibitor& inhibitor) {
        pollfd fd { inhibitor.readEnd, POLLIN, 0 };
        if (::poll(&fd, 1, 0) == 1 && (fd.revents & POLLHUP)) {
            ::close(inhibitor.readEnd);
            return true;
        }
        return false;
    });
}

QStringList FakeDesktop::openInhibitors()
{
    forgetClosedLogindInhibitors();
    QStringList open;
    for (const auto& inhibitor : m_logindInhibitors)
        open << QStringLiteral("logind %1 %2").arg(inhibitor.what, inhibitor.mode);
    for (const QString& kind : m_cookies)
        open << kind;
    return open;
}

QStringList FakeDesktop::inhibitorPipes()
{
    forgetClosedLogindInhibitors();
    QStringList pipes;
    for (const auto& inhibitor : m_logindInhibitors) {
        struct stat status
        { };
        if (::fstat(inhibitor.readEnd, &status) == 0)
            pipes << QStringLiteral("pipe:[%1]").arg(status.st_ino);
    }
    return pipes;
}

void FakeDesktop::emitSignal(const QString& member, const QVariantList& arguments)
{
    QDBusMessage signal = QDBusMessage::createSignal(notificationsPath, notificationsInterface, member);
    signal.setArguments(arguments);
    m_connection.send(signal);
}
