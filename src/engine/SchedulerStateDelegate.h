#pragma once

#include "engine/ActionsList.h"
#include "engine/TimerMode.h"

// What a timer tells its view.
class SchedulerStateDelegate
{
public:
    virtual ~SchedulerStateDelegate();

    virtual void timerDidStart() = 0;
    // `user`: stopped by the user, not by execution, postponement or the failsafe.
    virtual void timerDidStopWithUser(bool user) = 0;
    virtual void timerDidChangeMode(TimerMode mode) = 0;
    virtual void timerDidChangeAction(const ActionsList& action) = 0;
};
