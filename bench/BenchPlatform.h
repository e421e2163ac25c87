#pragma once

#include "platform/CrashReporter.h"
#include "platform/Log.h"
#include "platform/NotificationCenter.h"
#include "platform/ObjectStore.h"
#include "platform/Platform.h"
#include "platform/PowerActions.h"
#include "platform/PowerAssertions.h"
#include "platform/QtRunLoop.h"
#include "platform/Storyboard.h"
#include "platform/SystemClock.h"
#include "platform/UserDefaults.h"

#include <QTemporaryDir>

#include <optional>

// The real clock, run loop and store (in a temporary folder on this machine's disk); the outside services
// answer at once and do nothing, so that the figures are Quillet's own.
class BenchPlatform
{
public:
    class SilentLog final : public LogSink
    {
    public:
        void standardOutput(const QString&) override { }
        void systemLog(const QString&) override { }
    };
    class MemoryDefaults final : public UserDefaults
    {
    public:
        void removeAll() override { m_values.clear(); }
        QStringList allKeys() const override { return m_values.keys(); }
        QVariant value(const QString& key) const override { return m_values.value(key); }
        void setValue(const QString& key, const QVariant& value) override { m_values.insert(key, value); }
        bool containsKey(const QString& key) const override { return m_values.contains(key); }

    private:
        QMap<QString, QVariant> m_values;
    };
    class NullCrashReporter final : public CrashReporter
    {
    public:
        void start() override { }
        void setDelegate(QObject*) override { }
        void setUserIdentifier(const QString&) override { }
        void recordError(const PlatformError&) override { }
    };
    class NullNotifications final : public NotificationCenter
    {
    public:
        Id deliver(const UserNotificationContent&) override { return ++m_last; }
        void remove(Id) override { }

    private:
        Id m_last = 0;
    };
    class NullPowerActions final : public PowerActions
    {
    public:
        void perform(PowerAction) override { }
    };
    class NullPowerAssertions final : public PowerAssertions
    {
    public:
        std::optional<Id> create(PowerAssertionType, const QString&) override { return ++m_last; }
        bool release(Id) override { return true; }
        void declareUserActivity(const QString&) override { }

    private:
        Id m_last = 0;
    };

    BenchPlatform()
    {
        PlatformServices services;
        services.clock = std::make_shared<SystemClock>();
        services.runLoop = std::make_shared<QtRunLoop>();
        services.log = std::make_shared<SilentLog>();
        services.storyboard = std::make_shared<Storyboard>();
        services.defaults = std::make_shared<MemoryDefaults>();
        services.crashReporter = std::make_shared<NullCrashReporter>();
        services.notificationCenter = std::make_shared<NullNotifications>();
        services.powerActions = std::make_shared<NullPowerActions>();
        services.powerAssertions = std::make_shared<NullPowerAssertions>();
        m_installed.emplace(std::move(services));
        ObjectStore::closeAll();
        ObjectStore::setDefaultConfiguration(
            { m_directory.filePath(QStringLiteral("default.sqlite")), {}, false });
    }

    ~BenchPlatform() { ObjectStore::closeAll(); }

private:
    QTemporaryDir m_directory;
    std::optional<ScopedPlatform> m_installed;
};
