#include "platform/RunLoop.h"

RunLoopTimer::~RunLoopTimer() = default;
RunLoop::~RunLoop() = default;

void RunLoop::after(double interval, std::function<void()> fire)
{
    // The timer holds its own handle until it fires; the callback releases it.
    auto holder = std::make_shared<std::unique_ptr<RunLoopTimer>>();
    *holder = once(interval, [holder, fire = std::move(fire)] {
        auto self = std::move(*holder);
        fire();
    });
}
