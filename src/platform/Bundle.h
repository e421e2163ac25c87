#pragma once

#include <QString>

// Identity, version and the per-user paths of Quillet.
namespace Bundle {

QString identifier(); // com.Vendane.Quillet
QString launcherIdentifier(); // com.Vendane.QuilletLauncher
QString name(); // Quillet
QString version();

QString settingsFile(); // $XDG_CONFIG_HOME/Vendane/Quillet.conf
QString storeFile(); // $XDG_DATA_HOME/Quillet/default.sqlite
QString errorLogFile(); // $XDG_STATE_HOME/Quillet/errors.jsonl
QString scriptsDirectory(); // $XDG_DATA_HOME/Application Scripts/com.Vendane.Quillet

// The folder of the running executable (Quillet.app/Contents/MacOS in the bundle).
QString executableDirectory();

} // namespace Bundle
