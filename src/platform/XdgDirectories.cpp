#include "platform/XdgDirectories.h"

#include <QDir>

namespace {

QString fromEnvironment(const char* variable, const char* fallbackUnderHome)
{
    const QString value = qEnvironmentVariable(variable);
    // Relative paths are invalid by the base-directory rules and are ignored.
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::cleanPath(QDir::homePath() + QLatin1Char('/') + QLatin1String(fallbackUnderHome));
}

} // namespace

QString XdgDirectories::configHome()
{
    return fromEnvironment("XDG_CONFIG_HOME", ".config");
}

QString XdgDirectories::dataHome()
{
    return fromEnvironment("XDG_DATA_HOME", ".local/share");
}

QString XdgDirectories::stateHome()
{
    return fromEnvironment("XDG_STATE_HOME", ".local/state");
}
