#include "app/Settings.h"

#include "platform/DefaultsKeys.h"
#include "platform/Platform.h"
#include "platform/Uuid.h"

void Settings::runFirstLaunchStep()
{
    UserDefaults& defaults = Platform::defaults();
    if (defaults.get(DefaultsKeys::alreadyLaunched))
        return;
    if (defaults.get(DefaultsKeys::appIdentifier).isEmpty())
        defaults.set(DefaultsKeys::appIdentifier, Uuid::string());

    defaults.set(DefaultsKeys::NSApplicationCrashOnExceptions, true);
    defaults.set(DefaultsKeys::supressScriptSaveLocation, false);
    defaults.set(DefaultsKeys::scriptSaveLocationAlerted, false);
    defaults.set(DefaultsKeys::supressInterruptionWarning, false);
    defaults.set(DefaultsKeys::preventDisplaySleep, false);
    defaults.set(DefaultsKeys::updateClientBetaUpdates, false);
    defaults.set(DefaultsKeys::updateClientTestMode, false);
    defaults.set(DefaultsKeys::secondsBeforeNotification, 30);
    defaults.set(DefaultsKeys::showStatusBarItem, false);
}

void Settings::resetToFactorySettings()
{
    Platform::defaults().removeAll();
}
