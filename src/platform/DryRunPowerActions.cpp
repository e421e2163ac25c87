#include "platform/DryRunPowerActions.h"

#include "platform/Log.h"
#include "platform/NotificationCenter.h"
#include "platform/Platform.h"

#include <QCoreApplication>

void DryRunPowerActions::perform(PowerAction action)
{
    const QString line = QStringLiteral("dry run: ") + powerActionName(action);
    Log::out(line);
    Log::system(line);
    // Seen on the desktop too, so that a dry run shows the moment the action would have happened.
    Platform::notificationCenter().deliver({ QStringLiteral("Quillet"),
        QCoreApplication::translate("DryRunPowerActions", "Dry run: Quillet would %1 now.")
            .arg(powerActionName(action)),
        {} });
}
