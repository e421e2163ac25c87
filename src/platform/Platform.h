#pragma once

#include <memory>

class Alerts;
class Clock;
class CrashReporter;
class LogSink;
class NotificationCenter;
class PowerActions;
class PowerAssertions;
class RunLoop;
class ScriptTasks;
class Storyboard;
class UpdateClient;
class UserDefaults;

// The outside services that Quillet uses. main() installs the Linux backends; tests install fakes.
struct PlatformServices
{
    std::shared_ptr<Clock> clock;
    std::shared_ptr<RunLoop> runLoop;
    std::shared_ptr<LogSink> log;
    std::shared_ptr<UserDefaults> defaults;
    std::shared_ptr<CrashReporter> crashReporter;
    std::shared_ptr<UpdateClient> updateClient;
    std::shared_ptr<NotificationCenter> notificationCenter;
    std::shared_ptr<PowerActions> powerActions;
    std::shared_ptr<PowerAssertions> powerAssertions;
    std::shared_ptr<ScriptTasks> scriptTasks;
    std::shared_ptr<Alerts> alerts;
    std::shared_ptr<Storyboard> storyboard;
};

class Platform
{
public:
    // Installs a set of services and returns the set that was installed before.
    static PlatformServices install(PlatformServices services);
    static const PlatformServices& services();

    // Each accessor needs its service installed; a missing one is a fatal programming error.
    static Clock& clock();
    static RunLoop& runLoop();
    static LogSink& log();
    static UserDefaults& defaults();
    static CrashReporter& crashReporter();
    static UpdateClient& updateClient();
    static NotificationCenter& notificationCenter();
    static PowerActions& powerActions();
    static PowerAssertions& powerAssertions();
    static ScriptTasks& scriptTasks();
    static Alerts& alerts();
    static Storyboard& storyboard();
};

// Installs services for the lifetime of the guard and puts the previous ones back.
class ScopedPlatform
{
public:
    explicit ScopedPlatform(PlatformServices services)
        : m_previous(Platform::install(std::move(services)))
    { }
    ~ScopedPlatform() { Platform::install(std::move(m_previous)); }

    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    PlatformServices m_previous;
};
