// Runs one Relative Sleep timer end to end with the real Linux services in dry run: the notification
// before it, then the "dry run: sleep" line. Settings and store live in a temporary folder.
//
//   build/examples/dry-run-timer [SECONDS]      (default 40: notified after 10 s, run after 40 s)
#include "engine/Scheduler.h"
#include "engine/SchedulerController.h"
#include "platform/Clock.h"
#include "platform/DefaultsKeys.h"
#include "platform/LinuxPlatform.h"
#include "platform/Log.h"
#include "platform/NotificationCenter.h"
#include "platform/Platform.h"
#include "platform/RunLoop.h"
#include "platform/UserDefaults.h"

#include <QApplication>
#include <QTemporaryDir>

namespace {

// Shows what the desktop is asked to show, then hands it on.
class EchoingNotificationCenter final : public NotificationCenter
{
public:
    explicit EchoingNotificationCenter(std::shared_ptr<NotificationCenter> desktop)
        : m_desktop(std::move(desktop))
    {
        m_desktop->setActivationHandler([this](Id id, NotificationActivation how) { activated(id, how); });
    }

    Id deliver(const UserNotificationContent& content) override
    {
        Log::out(QStringLiteral("notification: %1: %2").arg(content.title, content.informativeText));
        return m_desktop->deliver(content);
    }
    void remove(Id id) override { m_desktop->remove(id); }

private:
    std::shared_ptr<NotificationCenter> m_desktop;
};

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QUILLET_DRY_RUN", "1");
    QTemporaryDir home;
    for (const char* variable : { "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME" })
        qputenv(variable, home.filePath(QLatin1String(variable)).toLocal8Bit());

    QApplication application(argc, argv);
    const double seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toDouble() : 40.0;

    PlatformServices services = LinuxPlatform::services();
    services.notificationCenter = std::make_shared<EchoingNotificationCenter>(services.notificationCenter);
    ScopedPlatform platform(std::move(services));
    Platform::defaults().set(DefaultsKeys::secondsBeforeNotification, 30);

    SchedulerController registry;
    const QDateTime now = Platform::clock().now();
    auto timer = registry.createScheduler(TimerMode::Relative, now, now.addMSecs(qint64(seconds * 1000)),
        ActionsList::Sleep(), false, true, std::nullopt);
    Log::out(QStringLiteral("Sleep timer of %1 s started; the notification comes %2 s before it runs.")
                 .arg(seconds)
                 .arg(30));

    // Quits a second after the run; a postponed timer is waited for again.
    std::function<void()> quitWhenDone = [&] {
        if (!timer->isRunning())
            return application.quit();
        Platform::runLoop().after(std::max(0.0, timer->remaining()) + 1.0, quitWhenDone);
    };
    quitWhenDone();
    return application.exec();
}
