#include "TestPlatform.h"

#include "platform/ObjectStore.h"

QDateTime TestPlatform::defaultStart()
{
    return QDateTime(QDate(2026, 12, 7), QTime(12, 0, 0));
}

TestPlatform::TestPlatform(const QDateTime& start)
    : clock(std::make_shared<VirtualClock>(start))
    , runLoop(std::make_shared<ManualRunLoop>(*clock))
    , log(std::make_shared<CapturingLog>())
    , defaults(std::make_shared<MemoryUserDefaults>())
    , crashReporter(std::make_shared<RecordingCrashReporter>())
    , updateClient(std::make_shared<AbsentUpdateClient>())
    , notifications(std::make_shared<FakeNotificationCenter>())
    , powerActions(std::make_shared<RecordingPowerActions>())
    , powerAssertions(std::make_shared<FakePowerAssertions>())
    , scriptTasks(std::make_shared<FakeScriptTasks>())
    , alerts(std::make_shared<ScriptedAlerts>())
    , storyboard(std::make_shared<Storyboard>())
{
    ObjectStore::closeAll();
    ObjectStore::setDefaultConfiguration({ storePath(), {}, false });
    m_installed.emplace(services());
}

TestPlatform::~TestPlatform()
{
    ObjectStore::closeAll();
    m_installed.reset();
}

PlatformServices TestPlatform::services() const
{
    return { clock, runLoop, log, defaults, crashReporter, updateClient, notifications, powerActions,
        powerAssertions, scriptTasks, alerts, storyboard };
}

QString TestPlatform::storePath() const
{
    return m_storeDirectory.filePath(QStringLiteral("default.sqlite"));
}
