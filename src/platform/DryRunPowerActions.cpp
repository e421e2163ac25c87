#include "platform/DryRunPowerActions.h"

#include "platform/Log.h"

void DryRunPowerActions::perform(PowerAction action)
{
    const QString line = QStringLiteral("dry run: ") + powerActionName(action);
    Log::out(line);
    Log::system(line);
}
