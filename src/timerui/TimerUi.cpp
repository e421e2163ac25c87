#include "timerui/TimerUi.h"

#include "engine/SchedulerWindow.h"
#include "platform/Storyboard.h"
#include "timerui/SchedulerWindowController.h"

void TimerUi::registerControllers(Storyboard& storyboard)
{
    storyboard.registerController(SchedulerWindow::storyboardIdentifier,
        [] { return std::make_unique<SchedulerWindowController>(); });
}
