#pragma once

#include "Fakes.h"
#include "platform/ObjectStore.h"
#include "platform/Platform.h"
#include "platform/QtRunLoop.h"
#include "platform/Storyboard.h"
#include "platform/SystemClock.h"

#include <QTemporaryDir>

#include <optional>

// The real clock, run loop and store (in a temporary folder on this machine's disk); the outside
// services are the tests' fakes, which answer at once, so that the figures are Quillet's own.
class BenchPlatform
{
public:
    BenchPlatform()
    {
        PlatformServices services;
        services.clock = std::make_shared<SystemClock>();
        services.runLoop = std::make_shared<QtRunLoop>();
        services.log = std::make_shared<CapturingLog>();
        services.storyboard = std::make_shared<Storyboard>();
        services.defaults = std::make_shared<MemoryUserDefaults>();
        services.crashReporter = std::make_shared<RecordingCrashReporter>();
        services.notificationCenter = std::make_shared<FakeNotificationCenter>();
        services.powerActions = std::make_shared<RecordingPowerActions>();
        services.powerAssertions = std::make_shared<FakePowerAssertions>();
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
