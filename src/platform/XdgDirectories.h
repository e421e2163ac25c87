#pragma once

#include <QString>

// The XDG base directories of the user, read from the environment each time with the standard
// fallbacks under $HOME.
namespace XdgDirectories {

QString configHome();
QString dataHome();
QString stateHome();

} // namespace XdgDirectories
