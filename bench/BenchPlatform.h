#pragma once

#include "platform/Log.h"
#include "platform/ObjectStore.h"
#include "platform/Platform.h"
#include "platform/QtRunLoop.h"
#include "platform/Storyboard.h"
#include "platform/SystemClock.h"

#include <QTemporaryDir>

#include <optional>

// The real clock and run loop, a silent log and a store in a temporary folder on this machine's disk.
class BenchPlatform
{
public:
    class SilentLog final : public LogSink
    {
    public:
        void standardOutput(const QString&) override { }
        void systemLog(const QString&) override { }
    };

    BenchPlatform()
    {
        PlatformServices services;
        services.clock = std::make_shared<SystemClock>();
        services.runLoop = std::make_shared<QtRunLoop>();
        services.log = std::make_shared<SilentLog>();
        services.storyboard = std::make_shared<Storyboard>();
        m_installed.emplace(std::move(services));
        ObjectStore::closeAll();
        ObjectStore::setDefaultConfiguration({ m_directory.filePath(QStringLiteral("default.sqlite")), {}, false });
    }

    ~BenchPlatform() { ObjectStore::closeAll(); }

private:
    QTemporaryDir m_directory;
    std::optional<ScopedPlatform> m_installed;
};
