#pragma once

#include "platform/PowerAssertions.h"

#include <QDBusConnection>

#include <map>
#include <vector>

// Keeps the machine from idle sleep with the desktop's idle-suspend inhibitor (power management,
// or GNOME's session manager) plus a logind "idle" lock, and the display with the screen saver's
// inhibitor (or GNOME's). Only idle locks: a lid-close suspend and Quillet's own Sleep action
// still work. The calls are synchronous, since the caller needs the answer, so each service is
// looked up on the bus first and every call has a short timeout.
class DBusPowerAssertions final : public PowerAssertions
{
public:
    explicit DBusPowerAssertions(const QDBusConnection& sessionBus = QDBusConnection::sessionBus(),
        const QDBusConnection& systemBus = QDBusConnection::systemBus());
    ~DBusPowerAssertions() override;

    DBusPowerAssertions(const DBusPowerAssertions&) = delete;
    DBusPowerAssertions& operator=(const DBusPowerAssertions&) = delete;

    std::optional<Id> create(PowerAssertionType type, const QString& name) override;
    bool release(Id id) override;
    void declareUserActivity(const QString& name) override;

private:
    // An inhibitor cookie and the call that gives it back.
    struct Cookie
    {
        QString service;
        QString path;
        QString interface;
        QString releaseMethod;
        quint32 value = 0;
    };

    struct Assertion
    {
        std::vector<Cookie> cookies;
        int logindLock = -1;
    };

    void inhibitSystemSleep(Assertion& assertion, const QString& name);
    void inhibitDisplaySleep(Assertion& assertion, const QString& name);
    std::optional<Cookie> inhibit(const QString& service, const QString& path, const QString& interface,
        const QVariantList& arguments, const QString& releaseMethod);
    std::optional<Cookie> inhibitGnome(const QString& name, quint32 flags);
    int takeLogindIdleLock(const QString& name);
    bool releaseAssertion(Assertion& assertion);
    bool has(const QDBusConnection& bus, const QString& service) const;
    Id nextId();

    QDBusConnection m_sessionBus;
    QDBusConnection m_systemBus;
    std::map<Id, Assertion> m_assertions;
    Id m_lastId = 0;
};
