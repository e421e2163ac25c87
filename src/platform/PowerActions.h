#pragma once

#include <QString>

enum class PowerAction {
    ShutDown,
    Restart,
    Sleep,
    LogOut,
};

// "shut down", "restart", "sleep", "log out": the words of the dry-run line and of the commands.
QString powerActionName(PowerAction action);

// Shuts down, restarts, suspends or logs out. Calls return at once; a failure is logged, never
// reported to the caller.
class PowerActions
{
public:
    virtual ~PowerActions();
    virtual void perform(PowerAction action) = 0;
};
