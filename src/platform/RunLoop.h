#pragma once

#include <functional>
#include <memory>

// A timer on the main run loop. Destroying the handle cancels the timer; so does invalidate().
// A callback may destroy the handle of its own timer: backends call a copy of the callback.
class RunLoopTimer
{
public:
    virtual ~RunLoopTimer();
    virtual void invalidate() = 0;
    virtual bool isValid() const = 0;
};

// One-shot and repeating timers on the main thread.
class RunLoop
{
public:
    virtual ~RunLoop();

    // Fires `fire` after `interval` seconds, and then every `interval` seconds when `repeats`.
    virtual std::unique_ptr<RunLoopTimer> schedule(double interval, bool repeats, std::function<void()> fire)
        = 0;

    std::unique_ptr<RunLoopTimer> once(double interval, std::function<void()> fire)
    {
        return schedule(interval, false, std::move(fire));
    }
    std::unique_ptr<RunLoopTimer> repeating(double interval, std::function<void()> fire)
    {
        return schedule(interval, true, std::move(fire));
    }

    // A one-shot timer that keeps itself alive until it has fired; it cannot be cancelled.
    void after(double interval, std::function<void()> fire);
};
