#pragma once

#include "platform/RunLoop.h"

// Timers on the Qt event loop. QTimer also fires while a modal dialog runs or a menu is open, since
// both run a nested event loop on the main thread.
class QtRunLoop final : public RunLoop
{
public:
    std::unique_ptr<RunLoopTimer> schedule(
        double interval, bool repeats, std::function<void()> fire) override;
};
