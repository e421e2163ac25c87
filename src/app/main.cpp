#include "app/Settings.h"
#include "engine/Scheduler.h"
#include "engine/SchedulerController.h"
#include "persistence/RecordStore.h"
#include "platform/Bundle.h"
#include "platform/LinuxPlatform.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/RunLoop.h"
#include "timerui/TimerUi.h"

#include <QApplication>
#include <QFile>
#include <QWidget>

namespace {

bool anyWindowVisible()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(),
        [](const QWidget* window) { return window->isVisible() && window->isWindow(); });
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(Bundle::name());
    QApplication::setApplicationVersion(Bundle::version());
    QApplication::setOrganizationName(QStringLiteral("Vendane"));
    QApplication::setDesktopFileName(Bundle::identifier());
    // Timers go on with every window closed; Quillet ends once no window and no running timer is left.
    QApplication::setQuitOnLastWindowClosed(false);

    ScopedPlatform platform(LinuxPlatform::services());
    TimerUi::registerControllers(Platform::storyboard());

    RecordStore::discardOnSchemaChange();
    Settings::runFirstLaunchStep();
    Log::out(QStringLiteral("Quillet %1: settings %2, store %3, error log %4")
                 .arg(Bundle::version(), Bundle::settingsFile(), Bundle::storeFile(), Bundle::errorLogFile()));
    if (auto store = RecordStore::open(); !store)
        Log::system(store.error().localizedDescription());

    SchedulerController registry;
    auto quitWhenIdle = [&registry] {
        if (registry.runningSchedulers().empty() && !anyWindowVisible())
            QApplication::quit();
    };
    QObject::connect(&application, &QGuiApplication::lastWindowClosed, &application, quitWhenIdle);
    registry.registryChanged = [quitWhenIdle] { Platform::runLoop().after(0, quitWhenIdle); };

    registry.createScheduler(std::nullopt, std::nullopt, std::nullopt, std::nullopt, true, false, std::nullopt);

    // For bench/startup.sh: QUILLET_PROBE=N opens N windows in all, reports the resident memory once they
    // are drawn, and ends.
    if (const int windows = qEnvironmentVariableIntValue("QUILLET_PROBE"); windows > 0) {
        for (int i = 1; i < windows; ++i)
            registry.newTimer();
        QApplication::processEvents();
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : status.readAll().split('\n')) {
                if (line.startsWith("VmRSS:"))
                    Log::out(QStringLiteral("probe: %1 windows, %2").arg(windows).arg(QString::fromLatin1(line.simplified())));
            }
        }
        return 0;
    }
    return application.exec();
}
