#pragma once

#include "platform/UserDefaults.h"

// Every setting of Quillet, with the name it has in the settings file.
namespace DefaultsKeys {

inline constexpr DefaultsKey<bool> alreadyLaunched { "alreadyLaunched" };
inline constexpr DefaultsKey<QString> appIdentifier { "appIdentifier" };
inline constexpr DefaultsKey<bool> NSApplicationCrashOnExceptions { "NSApplicationCrashOnExceptions" };
inline constexpr DefaultsKey<bool> showStatusBarItem { "showStatusBarItem" };
inline constexpr DefaultsKey<bool> startAtLogin { "startAtLogin" };
inline constexpr DefaultsKey<int> secondsBeforeNotification { "secondsBeforeNotification" };
inline constexpr DefaultsKey<bool> preventDisplaySleep { "preventDisplaySleep" };
inline constexpr DefaultsKey<bool> supressInterruptionWarning { "supressInterruptionWarning" };
inline constexpr DefaultsKey<bool> scriptSaveLocationAlerted { "scriptSaveLocationAlerted" };
inline constexpr DefaultsKey<bool> supressScriptSaveLocation { "supressScriptSaveLocation" };

// Keys of the update client, read by the client itself.
inline constexpr DefaultsKey<bool> updateClientBetaUpdates { "UpdateClientEnableBetaUpdates" };
inline constexpr DefaultsKey<bool> updateClientTestMode { "UpdateClientTestMode" };

} // namespace DefaultsKeys
