#include "FakeServices.h"

#include "fakeservices/FakeServicesControl.h"

#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusServiceWatcher>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int startTimeout = 20000;
constexpr int waitTimeout = 10000;

// No service directories: nothing on this bus is ever started by activation.
const char* busConfiguration
    = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

int s_connections = 0;

} // namespace

FakeServices::FakeServices(const QStringList& flags)
    : m_connectionName(QStringLiteral("quillet-fake-services-%1").arg(++s_connections))
{
    qDBusRegisterMetaType<RecordedCall>();
    qDBusRegisterMetaType<QList<RecordedCall>>();
    m_ready = startBus() && startFake(flags);
}

FakeServices::~FakeServices()
{
    QDBusConnection::disconnectFromBus(m_connectionName);
    for (QProcess* process : { &m_fake, &m_bus }) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(waitTimeout);
        }
    }
}

QDBusConnection FakeServices::connection() const
{
    return QDBusConnection(m_connectionName);
}

bool FakeServices::startBus()
{
    const QString configPath = m_directory.filePath(QStringLiteral("bus.conf"));
    QFile config(configPath);
    if (!config.open(QIODevice::WriteOnly))
        return false;
    config.write(QString::fromLatin1(busConfiguration).arg(m_directory.path()).toUtf8());
    config.close();

    // It complains about fd limits it may not raise here; its output matters only when it fails.
    m_bus.setProcessChannelMode(QProcess::SeparateChannels);
    m_bus.start(QStringLiteral("dbus-daemon"),
        { QStringLiteral("--config-file=") + configPath, QStringLiteral("--nofork"),
            QStringLiteral("--print-address=1") });
    if (!m_bus.waitForStarted(startTimeout)) {
        ADD_FAILURE() << "dbus-daemon did not start: " << m_bus.errorString().toStdString();
        return false;
    }
    QByteArray address;
    while (!address.contains('\n')) {
        if (!m_bus.waitForReadyRead(startTimeout)) {
            ADD_FAILURE() << "dbus-daemon gave no address: " << m_bus.readAllStandardError().toStdString();
            return false;
        }
        address += m_bus.readAllStandardOutput();
    }
    const QString busAddress = QString::fromUtf8(address.trimmed());
    const QDBusConnection bus = QDBusConnection::connectToBus(busAddress, m_connectionName);
    if (!bus.isConnected()) {
        ADD_FAILURE() << "cannot connect to the test's bus: " << bus.lastError().message().toStdString();
        return false;
    }
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), busAddress);
    m_fake.setProcessEnvironment(environment);
    return true;
}

bool FakeServices::startFake(const QStringList& flags)
{
    const QDBusConnection bus = connection();
    QDBusServiceWatcher watcher(
        FakeServicesControl::service(), bus, QDBusServiceWatcher::WatchForRegistration);
    QSignalSpy registered(&watcher, &QDBusServiceWatcher::serviceRegistered);
    QSignalSpy finished(&m_fake, &QProcess::finished);

    m_fake.setProcessChannelMode(QProcess::ForwardedChannels);
    m_fake.start(QStringLiteral(QUILLET_FAKE_SERVICES), flags);
    if (!m_fake.waitForStarted(startTimeout)) {
        ADD_FAILURE() << "quillet-fake-services did not start: " << m_fake.errorString().toStdString();
        return false;
    }
    const bool up = QTest::qWaitFor(
        [&] {
            return !registered.isEmpty() || !finished.isEmpty()
                || bus.interface()->isServiceRegistered(FakeServicesControl::service());
        },
        startTimeout);
    if (!up || !finished.isEmpty()) {
        ADD_FAILURE() << "quillet-fake-services did not come up";
        return false;
    }
    return true;
}

QDBusMessage FakeServices::control(const QString& member, const QVariantList& arguments) const
{
    QDBusMessage call = QDBusMessage::createMethodCall(FakeServicesControl::service(),
        FakeServicesControl::path(), FakeServicesControl::interface(), member);
    call.setArguments(arguments);
    const QDBusMessage reply = connection().call(call, QDBus::Block, waitTimeout);
    if (reply.type() != QDBusMessage::ReplyMessage)
        ADD_FAILURE() << "fake services' " << member.toStdString()
                      << " failed: " << reply.errorMessage().toStdString();
    return reply;
}

std::vector<RecordedCall> FakeServices::calls() const
{
    const QDBusMessage reply = control(QStringLiteral("Calls"));
    if (reply.arguments().isEmpty())
        return {};
    QList<RecordedCall> calls;
    reply.arguments().constFirst().value<QDBusArgument>() >> calls;
    return { calls.begin(), calls.end() };
}

std::vector<RecordedCall> FakeServices::calls(const QString& member) const
{
    std::vector<RecordedCall> matching;
    for (const RecordedCall& call : calls()) {
        if (call.member == member)
            matching.push_back(call);
    }
    return matching;
}

bool FakeServices::waitForCalls(const QString& member, int count) const
{
    return QTest::qWaitFor([&] { return int(calls(member).size()) >= count; }, waitTimeout);
}

void FakeServices::clearCalls() const
{
    control(QStringLiteral("ClearCalls"));
}

QStringList FakeServices::openInhibitors() const
{
    return control(QStringLiteral("OpenInhibitors")).arguments().value(0).toStringList();
}

QStringList FakeServices::inhibitorPipes() const
{
    return control(QStringLiteral("InhibitorPipes")).arguments().value(0).toStringList();
}

void FakeServices::stop()
{
    m_fake.kill();
    m_fake.waitForFinished(waitTimeout);
    const QDBusConnection bus = connection();
    if (!QTest::qWaitFor(
            [&] { return !bus.interface()->isServiceRegistered(FakeServicesControl::service()).value(); },
            waitTimeout))
        ADD_FAILURE() << "the fake services' names stayed on the bus";
}

void FakeServices::emitActionInvoked(quint32 serverId, const QString& key) const
{
    control(QStringLiteral("EmitActionInvoked"), { serverId, key });
}

void FakeServices::emitNotificationClosed(quint32 serverId, quint32 reason) const
{
    control(QStringLiteral("EmitNotificationClosed"), { serverId, reason });
}

std::vector<std::string> describe(const std::vector<RecordedCall>& calls)
{
    std::vector<std::string> lines;
    for (const RecordedCall& call : calls)
        lines.push_back(call.toString().toStdString());
    return lines;
}

std::vector<std::string> describe(const QStringList& strings)
{
    std::vector<std::string> lines;
    for (const QString& string : strings)
        lines.push_back(string.toStdString());
    return lines;
}
