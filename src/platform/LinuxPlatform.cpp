#include "platform/LinuxPlatform.h"

#include "platform/Bundle.h"
#include "platform/CrashReporter.h"
#include "platform/DBusNotificationCenter.h"
#include "platform/DBusPowerAssertions.h"
#include "platform/DryRunPowerActions.h"
#include "platform/LogindPowerActions.h"
#include "platform/MessageBoxAlerts.h"
#include "platform/ProcessScriptTasks.h"
#include "platform/QtRunLoop.h"
#include "platform/SettingsUserDefaults.h"
#include "platform/Storyboard.h"
#include "platform/SystemClock.h"
#include "platform/SystemLog.h"
#include "platform/UpdateClient.h"

PlatformServices LinuxPlatform::services()
{
    PlatformServices services;
    services.clock = std::make_shared<SystemClock>();
    services.runLoop = std::make_shared<QtRunLoop>();
    services.log = std::make_shared<SystemLog>();
    services.defaults = std::make_shared<SettingsUserDefaults>(Bundle::settingsFile());
    services.crashReporter = std::make_shared<JsonLinesCrashReporter>(Bundle::errorLogFile());
    services.updateClient = std::make_shared<AbsentUpdateClient>();
    services.notificationCenter = std::make_shared<DBusNotificationCenter>();
    if (qEnvironmentVariable("QUILLET_DRY_RUN") == QLatin1String("1"))
        services.powerActions = std::make_shared<DryRunPowerActions>();
    else
        services.powerActions = std::make_shared<LogindPowerActions>();
    services.powerAssertions = std::make_shared<DBusPowerAssertions>();
    services.scriptTasks = std::make_shared<ProcessScriptTasks>();
    services.alerts = std::make_shared<MessageBoxAlerts>();
    services.storyboard = std::make_shared<Storyboard>();
    return services;
}
