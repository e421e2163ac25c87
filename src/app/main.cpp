#include "app/Settings.h"
#include "persistence/RecordStore.h"
#include "platform/Bundle.h"
#include "platform/LinuxPlatform.h"
#include "platform/Log.h"
#include "platform/Platform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(Bundle::name());
    QApplication::setApplicationVersion(Bundle::version());
    QApplication::setOrganizationName(QStringLiteral("Vendane"));
    QApplication::setDesktopFileName(Bundle::identifier());

    ScopedPlatform platform(LinuxPlatform::services());

    RecordStore::discardOnSchemaChange();
    Settings::runFirstLaunchStep();

    Log::out(QStringLiteral("Quillet %1").arg(Bundle::version()));
    Log::out(QStringLiteral("settings: %1").arg(Bundle::settingsFile()));
    Log::out(QStringLiteral("store: %1").arg(Bundle::storeFile()));
    Log::out(QStringLiteral("error log: %1").arg(Bundle::errorLogFile()));
    if (auto store = RecordStore::open(); !store)
        Log::out(store.error().localizedDescription());
    return 0;
}
