#pragma once

#include "fakeservices/RecordedCall.h"

#include <QDBusConnection>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <string>
#include <vector>

// A bus of the test's own with quillet-fake-services on it, for the lifetime of the object. Every
// fixture gets a fresh bus, so tests that run side by side never meet each other's fakes. The flags
// choose the desktop that the fake plays (see tests/support/fakeservices/main.cpp), e.g.
// { "--logind", "--gnome" }. The backends under test take connection() as their session and
// system bus.
class FakeServices
{
public:
    explicit FakeServices(const QStringList& flags);
    ~FakeServices();

    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    // The first id that the fake notification server hands out; each Notify gets the next.
    static constexpr quint32 firstNotificationId = 100;

    // Whether the bus and the fake are up; tests assert it first.
    bool ready() const { return m_ready; }
    QDBusConnection connection() const;

    std::vector<RecordedCall> calls() const;
    std::vector<RecordedCall> calls(const QString& member) const;
    // Waits, on the event loop, until the fake has recorded `count` calls of `member`.
    bool waitForCalls(const QString& member, int count = 1) const;
    void clearCalls() const;

    // What the fake holds: "logind idle block", "screensaver", "powermanagement", "gnome 4", …
    QStringList openInhibitors() const;
    // The "pipe:[inode]" targets of the open logind inhibitor descriptors.
    QStringList inhibitorPipes() const;

    // Ends the fake, as when the desktop's services go away; the bus stays.
    void stop();

    void emitActionInvoked(quint32 serverId, const QString& key) const;
    void emitNotificationClosed(quint32 serverId, quint32 reason) const;

private:
    bool startBus();
    bool startFake(const QStringList& flags);
    QDBusMessage control(const QString& member, const QVariantList& arguments = {}) const;

    QTemporaryDir m_directory;
    QProcess m_bus;
    QProcess m_fake;
    QString m_connectionName;
    bool m_ready = false;
};

// Readable in test failures: each call as RecordedCall::toString(), each string as itself.
std::vector<std::string> describe(const std::vector<RecordedCall>& calls);
std::vector<std::string> describe(const QStringList& strings);
