#pragma once

class Storyboard;

namespace TimerUi {

// Registers the timer window under "timerWindowController".
void registerControllers(Storyboard& storyboard);

} // namespace TimerUi
