#include "platform/Bundle.h"

#include "platform/Version.h"
#include "platform/XdgDirectories.h"

#include <QCoreApplication>

QString Bundle::identifier()
{
    return QStringLiteral("com.Vendane.Quillet");
}

QString Bundle::launcherIdentifier()
{
    return QStringLiteral("com.Vendane.QuilletLauncher");
}

QString Bundle::name()
{
    return QStringLiteral("Quillet");
}

QString Bundle::version()
{
    return QStringLiteral(QUILLET_VERSION);
}

QString Bundle::settingsFile()
{
    return XdgDirectories::configHome() + QStringLiteral("/Vendane/Quillet.conf");
}

QString Bundle::storeFile()
{
    return XdgDirectories::dataHome() + QStringLiteral("/Quillet/default.sqlite");
}

QString Bundle::errorLogFile()
{
    return XdgDirectories::stateHome() + QStringLiteral("/Quillet/errors.jsonl");
}

QString Bundle::scriptsDirectory()
{
    return XdgDirectories::dataHome() + QStringLiteral("/Application Scripts/") + identifier();
}

QString Bundle::executableDirectory()
{
    return QCoreApplication::applicationDirPath();
}
