#pragma once

#include "engine/TimerMode.h"
#include "platform/Storyboard.h"

#include <functional>
#include <memory>

class Scheduler;

// What the engine needs of a timer's window. The timer windows register their controller in the
// storyboard under "timerWindowController", so the engine includes no window header.
class SchedulerWindow : public StoryboardController
{
public:
    static const QString storyboardIdentifier;

    // The window's timer view holds the timer and becomes its delegate.
    virtual void bindScheduler(const std::shared_ptr<Scheduler>& scheduler) = 0;
    virtual void showWindow() = 0;
    // Shows the mode's image on the window's mode button.
    virtual void setModeImage(TimerMode mode) = 0;
    virtual bool hasWindow() const = 0;
    virtual bool isWindowVisible() const = 0;
    // Called when the user closes the window (the window's delegate).
    virtual void setWindowWillClose(std::function<void()> handler) = 0;
};
