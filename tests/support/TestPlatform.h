#pragma once

#include "Fakes.h"
#include "ManualRunLoop.h"
#include "QtPrinters.h"
#include "VirtualClock.h"
#include "platform/Platform.h"
#include "platform/Storyboard.h"
#include "platform/UpdateClient.h"

#include <QTemporaryDir>

#include <memory>
#include <optional>

// Every platform service as a fake, installed for the lifetime of the object, with the store in a
// fresh temporary folder. Time starts at `start` (by default Monday 7 December 2026, 12:00:00 local
// time) and moves only through `advance`.
class TestPlatform
{
public:
    static QDateTime defaultStart();

    explicit TestPlatform(const QDateTime& start = defaultStart());
    ~TestPlatform();

    void advance(double seconds) { runLoop->advance(seconds); }
    QDateTime now() const { return clock->now(); }

    PlatformServices services() const;
    QString storePath() const;

    std::shared_ptr<VirtualClock> clock;
    std::shared_ptr<ManualRunLoop> runLoop;
    std::shared_ptr<CapturingLog> log;
    std::shared_ptr<MemoryUserDefaults> defaults;
    std::shared_ptr<RecordingCrashReporter> crashReporter;
    std::shared_ptr<AbsentUpdateClient> updateClient;
    std::shared_ptr<FakeNotificationCenter> notifications;
    std::shared_ptr<RecordingPowerActions> powerActions;
    std::shared_ptr<FakePowerAssertions> powerAssertions;
    std::shared_ptr<FakeScriptTasks> scriptTasks;
    std::shared_ptr<ScriptedAlerts> alerts;
    std::shared_ptr<Storyboard> storyboard;

private:
    QTemporaryDir m_storeDirectory;
    std::optional<ScopedPlatform> m_installed;
};
