#pragma once

// The settings steps of the launch and of the General preferences.
namespace Settings {

// Until the introduction has been finished, every launch writes the first-launch values again;
// appIdentifier is only filled when empty.
void runFirstLaunchStep();

// Removes every key of the application's domain.
void resetToFactorySettings();

} // namespace Settings
